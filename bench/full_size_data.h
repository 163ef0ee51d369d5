// The data folder of full size that the query benchmarks run on, and how they report.
#ifndef VELIMORA_BENCH_FULL_SIZE_DATA_H_
#define VELIMORA_BENCH_FULL_SIZE_DATA_H_

#include <benchmark/benchmark.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>

#include "datafolder/layout.h"
#include "mkdata/compiler.h"
#include "mkdata/diagnostics.h"
#include "mkdata/folder_writer.h"
#include "mkdata/sources.h"
#include "mkdata/synthetic.h"
#include "text/files.h"

namespace velimora {

// VELIMORA_BENCH_DATA, or a synthetic folder (every list with its full part count, about 300
// lines a part, with the sample's morphology tables so that analyses find readings) made once
// in the temporary folder and reused by later runs.
inline std::string full_size_data_folder() {
  if (const char* dir = std::getenv("VELIMORA_BENCH_DATA")) return dir;
  std::string dir =
      (std::filesystem::temp_directory_path() / "velimora-bench-synthetic-300-tables").string();
  if (!file_exists(headword_file_name(dir + "/"))) {
    mkdata::Diagnostics diag;
    mkdata::Sources sources = mkdata::synthetic_sources(300);
    sources.tables = mkdata::read_sources(VELIMORA_BENCH_SOURCES, "", diag).tables;
    mkdata::Compiled compiled = mkdata::compile(sources, diag);
    if (!mkdata::write_data_folder(compiled.files, dir)) std::abort();
  }
  return dir;
}

// The value below which the share p of the samples lie.
inline double percentile(const std::vector<double>& v, double p) {
  std::vector<double> sorted = v;
  std::sort(sorted.begin(), sorted.end());
  return sorted[static_cast<std::size_t>(p * static_cast<double>(sorted.size() - 1))];
}

// One query per repetition, so that median and 99th percentile are over single queries.
inline void per_query(benchmark::internal::Benchmark* b, int repetitions) {
  b->Iterations(1)
      ->Repetitions(repetitions)
      ->ReportAggregatesOnly(true)
      ->ComputeStatistics("p99", [](const std::vector<double>& v) { return percentile(v, 0.99); })
      ->Unit(benchmark::kMillisecond);
}

}  // namespace velimora

#endif  // VELIMORA_BENCH_FULL_SIZE_DATA_H_
