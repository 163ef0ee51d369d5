// Analysis queries inside a running program on a data folder of full size (every list with
// its full part count, about 300 lines a part), and every form of tests/data/analysis-forms.tsv
// analysed in one session on the sample data (target: 60 µs a form). Each repetition runs one
// query, so that the median and the 99th percentile are over single queries.
//
//   build/bench/analysis_bench [--benchmark_filter=…]
// VELIMORA_BENCH_DATA=DIR uses an existing folder instead of generating one (full size only).
#include <benchmark/benchmark.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "datafolder/layout.h"
#include "full_size_data.h"
#include "shell/driver.h"
#include "shell/startup.h"
#include "text/codepage.h"
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

// The queries of the forms list (UTF-8, language TAB category TAB form TAB base ...): -FORM
// for fi, --FORM for da, in Windows-1252.
std::vector<std::string> sample_forms() {
  std::vector<std::string> out;
  std::ifstream in(ANALYSIS_BENCH_FORMS);
  std::string line;
  while (std::getline(in, line)) {
    if (line.empty() || line[0] == '#') continue;
    const std::size_t tab1 = line.find('\t');
    const std::size_t tab2 = tab1 == std::string::npos ? tab1 : line.find('\t', tab1 + 1);
    const std::size_t tab3 = tab2 == std::string::npos ? tab2 : line.find('\t', tab2 + 1);
    if (tab3 == std::string::npos) continue;
    Result<std::string> form = utf8_to_cp1252(line.substr(tab2 + 1, tab3 - tab2 - 1));
    if (!form) continue;
    out.push_back((line.compare(0, tab1, "fi") == 0 ? "-" : "--") + *form);
  }
  return out;
}

struct SampleFixture {
  SampleFixture() {
    go1(session, std::string(ANALYSIS_BENCH_SAMPLE_DATA) + "/", "");
    forms = sample_forms();
  }
  Session session;
  std::vector<std::string> forms;
};

// One form of the list per repetition, the forms in turn, all in one session.
void BM_AnalysisPerSampleForm(benchmark::State& state) {
  static SampleFixture f;
  if (f.forms.empty()) {
    state.SkipWithError("no forms in " ANALYSIS_BENCH_FORMS);
    return;
  }
  static std::size_t next = 0;
  for (auto _ : state) {
    benchmark::DoNotOptimize(go2(f.session, f.forms[next++ % f.forms.size()]));
  }
}

// About as many repetitions as there are forms, so that every form counts once.
BENCHMARK(BM_AnalysisPerSampleForm)->Apply([](benchmark::internal::Benchmark* b) {
  per_query(b, 2300);
  b->Unit(benchmark::kMicrosecond);
});

}  // namespace
}  // namespace velimora

BENCHMARK_MAIN();
