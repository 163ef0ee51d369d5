// Spelling suggestions on a data folder of full size: the search for the close headwords of
// one unknown word (target: 2 ms), a whole look-up of an unknown word with its "try" and
// suggestion lines, and building the index from the headword file (once per session).
//
//   build/bench/suggestions_bench
// VELIMORA_BENCH_DATA=DIR uses an existing folder instead of generating one.
#include <benchmark/benchmark.h>

#include <string>
#include <vector>

#include "full_size_data.h"
#include "lookup/suggestions.h"
#include "shell/driver.h"
#include "shell/startup.h"
#include "text/files.h"

namespace velimora {
namespace {

// Headwords of the headword file, spread over it, each with one letter changed, one doubled
// or one dropped: words a plain look-up does not find.
std::vector<std::string> misspelt_words(const std::string& dir) {
  Result<std::string> text = read_whole_file(dir + "/feu/headwords.txt");
  std::vector<std::string> out;
  if (!text) return out;
  std::vector<std::string> words;
  for (std::size_t start = 0; start < text->size();) {
    std::size_t end = text->find('\n', start);
    if (end == std::string::npos) end = text->size();
    words.push_back(text->substr(start, text->find(' ', start) - start));
    start = end + 1;
  }
  for (std::size_t k = 0; k < words.size(); k += words.size() / 300 + 1) {
    std::string w = words[k];
    const std::size_t at = w.size() / 2;
    switch (k % 3) {
      case 0:
        w[at] = w[at] == 'q' ? 'x' : 'q';
        break;
      case 1:
        w.insert(at, 1, w[at]);
        break;
      default:
        w.erase(at, 1);
        break;
    }
    out.push_back(w);
  }
  return out;
}

struct Fixture {
  Fixture() {
    dir = full_size_data_folder();
    prefix = dir + "/";
    go1(session, prefix, "");
    words = misspelt_words(dir);
    if (!words.empty()) close_headwords(session, prefix, words[0]);  // builds the index
  }
  std::string dir, prefix;
  Session session;
  std::vector<std::string> words;
};

Fixture& fixture() {
  static Fixture f;
  return f;
}

// The close headwords of one unknown word, the index built.
void BM_CloseHeadwords(benchmark::State& state) {
  Fixture& f = fixture();
  if (f.words.empty()) state.SkipWithError("no headword file in the data folder");
  static std::size_t next = 0;
  for (auto _ : state) {
    benchmark::DoNotOptimize(
        close_headwords(f.session, f.prefix, f.words[next++ % f.words.size()]));
  }
}

// A whole look-up of an unknown word: the search, the "try" lines and the suggestions.
void BM_UnknownWordLookup(benchmark::State& state) {
  Fixture& f = fixture();
  if (f.words.empty()) state.SkipWithError("no headword file in the data folder");
  static std::size_t next = 0;
  for (auto _ : state) {
    benchmark::DoNotOptimize(go2(f.session, f.words[next++ % f.words.size()]));
  }
}

// Reading the headword file and building the index: what the first unknown word of a
// session pays. Reports the index's size in memory.
void BM_BuildIndex(benchmark::State& state) {
  Fixture& f = fixture();
  Result<std::string> text = read_whole_file(f.dir + "/feu/headwords.txt");
  if (!text) {
    state.SkipWithError("no headword file in the data folder");
    return;
  }
  std::size_t bytes = 0, words = 0;
  for (auto _ : state) {
    Result<spelling::HeadwordIndex> index = spelling::HeadwordIndex::parse(*text);
    bytes = index ? index->memory_bytes() : 0;
    words = index ? index->size() : 0;
  }
  state.counters["index_MiB"] = static_cast<double>(bytes) / (1 << 20);
  state.counters["headwords"] = static_cast<double>(words);
}

BENCHMARK(BM_CloseHeadwords)->Apply([](benchmark::internal::Benchmark* b) { per_query(b, 1000); });
BENCHMARK(BM_UnknownWordLookup)->Apply([](benchmark::internal::Benchmark* b) {
  per_query(b, 500);
});
BENCHMARK(BM_BuildIndex)->Apply([](benchmark::internal::Benchmark* b) { per_query(b, 20); });

}  // namespace
}  // namespace velimora

BENCHMARK_MAIN();
