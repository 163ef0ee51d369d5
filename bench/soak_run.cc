// The soak run: one session runs many mixed queries (plain look-ups, Finnish and Danish
// analyses, the codes offered after them, reverse queries, file views) on a data folder of
// full size. It fails when the resident memory at the end is more than 10 % above that after
// the first 10,000 queries, or when any query takes over 100 ms. Not part of `make test`:
//   build/bench/soak_run [QUERIES [DATA_DIR]]   (default 1,000,000 queries, synthetic folder)
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <string>
#include <vector>

#include "datafolder/layout.h"
#include "full_size_data.h"
#include "shell/driver.h"
#include "shell/startup.h"
#include "text/files.h"

namespace velimora {
namespace {

constexpr long kWarmUpQueries = 10000;
constexpr double kMaxGrowth = 0.10;
constexpr double kMaxQueryMs = 100;

long resident_kib() {
  std::ifstream statm("/proc/self/statm");
  long pages = 0, resident = 0;
  statm >> pages >> resident;
  return resident * 4;  // 4 KiB pages
}

// First words of some parts of a list.
std::vector<std::string> words_of(const std::string& prefix, char letter, int step) {
  std::vector<std::string> out;
  for (int part = 1; part <= part_count(letter); part += step) {
    LineReader in(part_file_name(prefix, letter, part));
    for (int i = 0; i < 3; ++i) {
      std::optional<std::string> line = in.read_line();
      if (!line) break;
      out.push_back(line->substr(0, line->find(' ')));
    }
  }
  return out;
}

// The mixed queries of one round: each kind in turn, with the words walked through.
std::vector<std::string> mixed_queries(const std::string& prefix) {
  const std::vector<std::string> fi = words_of(prefix, 'o', 5);
  const std::vector<std::string> da = words_of(prefix, 'n', 3);
  static const char* const kFinnishEndings[] = {"ssa", "lla", "n", "t", "ksi"};
  static const char* const kDanishEndings[] = {"en", "er", "ene", "et"};
  static const char* const kCodes[] = {"o", "n", "y", "s", "1", "0", "2"};
  static const char* const kViews[] = {".feu\\fe.cns", "/ch\\fh101.txt", "-"};
  std::vector<std::string> out;
  for (std::size_t k = 0; k < fi.size() || k < da.size(); ++k) {
    const std::string& f = fi[k % fi.size()];
    const std::string& d = da[k % da.size()];
    out.push_back(f);
    out.push_back(d);
    out.push_back("-" + f + kFinnishEndings[k % 5]);
    out.push_back(kCodes[k % 7]);
    out.push_back("--" + d + kDanishEndings[k % 4]);
    out.push_back(kCodes[(k + 3) % 7]);
    out.push_back((k % 2 == 0 ? "k_" : "b_") + (k % 2 == 0 ? f : d));
    out.push_back(kViews[k % 3]);
  }
  return out;
}

int soak(long total, const std::string& dir) {
  Session s;
  if (!go1(s, dir + "/", "").ok) {
    std::fprintf(stderr, "soak_run: no data folder at %s\n", dir.c_str());
    return 2;
  }
  const std::vector<std::string> queries = mixed_queries(dir + "/");
  long warm_kib = 0, slow = 0;
  double max_ms = 0, total_ms = 0;
  std::string slowest;
  for (long n = 0; n < total; ++n) {
    const std::string& q = queries[static_cast<std::size_t>(n) % queries.size()];
    const auto start = std::chrono::steady_clock::now();
    go2(s, q);
    const double ms =
        std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start)
            .count();
    total_ms += ms;
    if (ms > max_ms) max_ms = ms, slowest = q;
    if (ms > kMaxQueryMs) ++slow;
    if (n + 1 == kWarmUpQueries) warm_kib = resident_kib();
  }
  const long end_kib = resident_kib();
  if (warm_kib == 0) warm_kib = end_kib;
  const double growth = static_cast<double>(end_kib - warm_kib) / static_cast<double>(warm_kib);
  std::printf(
      "soak_run: %ld queries (%zu distinct) on %s\n"
      "  resident memory after %ld: %ld KiB, at the end: %ld KiB (%+.1f %%)\n"
      "  mean %.3f ms a query, slowest %.1f ms (\"%s\"), %ld over %.0f ms\n",
      total, queries.size(), dir.c_str(), kWarmUpQueries, warm_kib, end_kib, growth * 100,
      total_ms / static_cast<double>(total), max_ms, slowest.c_str(), slow, kMaxQueryMs);
  return growth <= kMaxGrowth && slow == 0 ? 0 : 1;
}

}  // namespace
}  // namespace velimora

int main(int argc, char** argv) {
  const long total = argc > 1 ? std::atol(argv[1]) : 1000000;
  const std::string dir = argc > 2 ? argv[2] : velimora::full_size_data_folder();
  return velimora::soak(total > 0 ? total : 1, dir);
}
