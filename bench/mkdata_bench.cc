// Benchmarks of the data compiler: the project's sources, the full-size synthetic dictionary,
// and writing a folder to disk. Compiling the real sources is meant to stay well under 5 s.
#include <benchmark/benchmark.h>

#include <cstdlib>
#include <filesystem>
#include <string>

#include "mkdata/compiler.h"
#include "mkdata/folder_writer.h"
#include "mkdata/synthetic.h"

namespace {

using namespace velimora::mkdata;

void BM_CompileProjectSources(benchmark::State& state) {
  for (auto _ : state) {
    Diagnostics diag;
    Compiled c = compile(read_sources(MKDATA_BENCH_SOURCE_DIR, "", diag), diag);
    benchmark::DoNotOptimize(c.files.size());
  }
}
BENCHMARK(BM_CompileProjectSources)->Unit(benchmark::kMillisecond);

void BM_CompileSynthetic(benchmark::State& state) {
  Sources sources = synthetic_sources(static_cast<int>(state.range(0)));
  std::size_t lines = 0;
  for (auto _ : state) {
    Diagnostics diag;
    Compiled c = compile(sources, diag);
    lines = 0;
    for (const auto& [letter, n] : c.list_lines)
      lines += n;
  }
  state.counters["lines"] = static_cast<double>(lines);
}
BENCHMARK(BM_CompileSynthetic)->Arg(30)->Arg(kDefaultSyntheticLines)->Unit(benchmark::kMillisecond);

void BM_MakeSyntheticSources(benchmark::State& state) {
  for (auto _ : state) {
    Sources s = synthetic_sources(kDefaultSyntheticLines);
    benchmark::DoNotOptimize(s.fi_da.lines.size());
  }
}
BENCHMARK(BM_MakeSyntheticSources)->Unit(benchmark::kMillisecond);

// Writing is dominated by creating the 1 077 files of a folder.
void BM_WriteProjectFolder(benchmark::State& state) {
  Diagnostics diag;
  Compiled c = compile(read_sources(MKDATA_BENCH_SOURCE_DIR, "", diag), diag);
  std::string out = (std::filesystem::temp_directory_path() / "velimora-mkdata-bench").string();
  for (auto _ : state) {
    if (!write_data_folder(c.files, out)) state.SkipWithError("cannot write the folder");
  }
  std::filesystem::remove_all(out);
}
BENCHMARK(BM_WriteProjectFolder)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
