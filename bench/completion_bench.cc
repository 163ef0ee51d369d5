// The search field's completion on a data folder of full size: one keystroke is one call of
// complete_headword with the text typed so far (two letters and more), as the popup asks for
// it. Each repetition runs one keystroke, so that the median and the 99th percentile are over
// single keystrokes. Target: 30 ms per keystroke.
//
//   build/bench/completion_bench [--benchmark_repetitions=N]
// VELIMORA_BENCH_DATA=DIR uses an existing folder instead of generating one.
#include <benchmark/benchmark.h>

#include <string>
#include <vector>

#include "full_size_data.h"
#include "shell/startup.h"
#include "text/files.h"
#include "wordlists/headword_completion.h"

namespace velimora {
namespace {

// The number of words the popup shows.
constexpr std::size_t kShown = 10;

// What is typed, keystroke by keystroke: every beginning of two letters and more of head
// words taken from the parts of the Finnish (o) and Danish (n) word lists.
std::vector<std::string> keystrokes(const std::string& dir) {
  std::vector<std::string> out;
  auto take = [&](const std::string& file) {
    LineReader in(file);
    std::optional<std::string> line = in.read_line();
    if (!line) return;
    const std::string word = line->substr(0, line->find(' '));
    for (std::size_t n = 2; n <= word.size(); ++n)
      out.push_back(word.substr(0, n));
  };
  for (int part = 1; part <= 199; part += 3)
    take(dir + "/fib/fo" + std::to_string(part) + ".pro");
  for (int part = 1; part <= 49; part += 2)
    take(dir + "/ftb/dn" + std::to_string(part) + ".pro");
  return out;
}

struct Fixture {
  Fixture() : dir(full_size_data_folder()), prefix(dir + "/"), typed(keystrokes(dir)) {
    go1(session, prefix, "");
  }
  std::string dir;
  std::string prefix;
  std::vector<std::string> typed;
  Session session;
};

Fixture& fixture() {
  static Fixture f;
  return f;
}

// A keystroke in a running program: the parts read so far are in memory.
void BM_CompletionKeystroke(benchmark::State& state) {
  Fixture& f = fixture();
  static std::size_t next = 0;
  for (auto _ : state) {
    const std::string& typed = f.typed[next++ % f.typed.size()];
    benchmark::DoNotOptimize(complete_headword(f.session, f.prefix, typed, kShown));
  }
}

// The first keystroke of a new program: every part it needs is read from disk.
void BM_CompletionFirstKeystroke(benchmark::State& state) {
  Fixture& f = fixture();
  static std::size_t next = 0;
  for (auto _ : state) {
    Session s;
    const std::string& typed = f.typed[next++ % f.typed.size()];
    benchmark::DoNotOptimize(complete_headword(s, f.prefix, typed, kShown));
  }
}

BENCHMARK(BM_CompletionKeystroke)->Apply([](benchmark::internal::Benchmark* b) {
  per_query(b, 2000);
});
BENCHMARK(BM_CompletionFirstKeystroke)->Apply([](benchmark::internal::Benchmark* b) {
  per_query(b, 200);
});

}  // namespace
}  // namespace velimora

BENCHMARK_MAIN();
