// The table of a whole text (velimora-query --text) on the sample data: distinct word forms
// looked up per second (target: 2,000), each run a fresh session reading its files from disk.
//
//   build/bench/text_bench
// VELIMORA_BENCH_DATA=DIR uses another data folder; the text is tests/data/texts/*.txt.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>

#include "shell/startup.h"
#include "text_table.h"

namespace velimora {
namespace {

// Every everyday text of the development set, one after the other.
std::string development_texts() {
  std::string all;
  for (const auto& e : std::filesystem::directory_iterator(TEXT_BENCH_TEXTS)) {
    std::ifstream in(e.path(), std::ios::binary);
    all.append(std::istreambuf_iterator<char>(in), {});
    all += '\n';
  }
  return all;
}

void BM_TextTable(benchmark::State& state) {
  const char* env = std::getenv("VELIMORA_BENCH_DATA");
  const std::string prefix = std::string(env != nullptr ? env : TEXT_BENCH_DATA) + "/";
  const std::string text = development_texts();
  std::size_t forms = 0;
  for (auto _ : state) {
    Session s;
    go1(s, prefix, "");
    std::istringstream in(text);
    std::ostringstream out, err;
    write_text_table(s, in, "texts", false, out, err);
    const std::string table = out.str();
    forms = static_cast<std::size_t>(std::count(table.begin(), table.end(), '\n')) - 1;
  }
  state.counters["forms"] = static_cast<double>(forms);
  state.counters["forms_per_s"] =
      benchmark::Counter(static_cast<double>(forms) * static_cast<double>(state.iterations()),
                         benchmark::Counter::kIsRate);
}

BENCHMARK(BM_TextTable)->Unit(benchmark::kMillisecond)->Repetitions(5)->ReportAggregatesOnly(true);

}  // namespace
}  // namespace velimora

BENCHMARK_MAIN();
