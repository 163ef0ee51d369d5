// Analysis queries inside a running program on a data folder of full size (every list with
// its full part count, about 300 lines a part). Each repetition runs one query, so that the
// median and the 99th percentile are over single queries.
//
//   build/bench/analysis_bench [--benchmark_repetitions=…]
// VELIMORA_BENCH_DATA=DIR uses an existing folder instead of generating one.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>

#include "datafolder/layout.h"
#include "full_size_data.h"
#include "shell/driver.h"
#include "shell/startup.h"
#include "text/files.h"

namespace velimora {
namespace {

// Words of the Finnish dictionary of the folder, each with a case ending: 8 to 12 letters.
std::vector<std::string> analysis_queries(const std::string& dir) {
  static const char* const kEndings[] = {"ssa", "lla", "sta", "ksi", "lle", "n", "t", "na"};
  std::vector<std::string> out;
  for (int part = 1; part <= part_count('i') && out.size() < 200; part += 7) {
    LineReader in(part_file_name(dir + "/", 'i', part));
    for (int i = 0; i < 40; ++i) {
      std::optional<std::string> line = in.read_line();
      if (!line) break;
      std::string word = line->substr(0, line->find(' '));
      std::string form = word + kEndings[out.size() % 8];
      if (form.size() >= 8 && form.size() <= 12) out.push_back("-" + form);
    }
  }
  return out;
}

struct Fixture {
  Fixture() {
    std::string dir = full_size_data_folder();
    go1(session, dir + "/", "");
    queries = analysis_queries(dir);
  }
  Session session;
  std::vector<std::string> queries;
};

Fixture& fixture() {
  static Fixture f;
  return f;
}

void BM_AnalysisQuery(benchmark::State& state) {
  Fixture& f = fixture();
  static std::size_t next = 0;
  for (auto _ : state) {
    const std::string& q = f.queries[next++ % f.queries.size()];
    benchmark::DoNotOptimize(go2(f.session, q));
  }
}

BENCHMARK(BM_AnalysisQuery)->Apply([](benchmark::internal::Benchmark* b) { per_query(b, 400); });

}  // namespace
}  // namespace velimora

BENCHMARK_MAIN();
