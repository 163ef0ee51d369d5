// Plain look-ups on a data folder of full size (every list with its full part count, about
// 300 lines a part): inside a running program, and as one whole velimora-query process.
// Each repetition runs one query, so that the median and the 99th percentile are over single
// queries.
//
//   build/bench/lookup_bench [--benchmark_repetitions=…]
// VELIMORA_BENCH_DATA=DIR uses an existing folder instead of generating one.
#include <benchmark/benchmark.h>
#include <fcntl.h>
#include <spawn.h>
#include <sys/wait.h>

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

extern char** environ;

namespace velimora {
namespace {

// Head words of the lists of Finnish words in I (o) and Danish words in T (n), spread over
// their parts: words that are found, with their articles.
std::vector<std::string> plain_queries(const std::string& dir) {
  std::vector<std::string> out;
  auto take = [&](const std::string& file, int count) {
    LineReader in(file);
    for (int i = 0; i < count; ++i) {
      std::optional<std::string> line = in.read_line();
      if (!line) break;
      out.push_back(line->substr(0, line->find(' ')));
    }
  };
  for (int part = 1; part <= part_count('o'); part += 3)
    take(part_file_name(dir + "/", 'o', part), 2);
  for (int part = 1; part <= part_count('n'); part += 2)
    take(part_file_name(dir + "/", 'n', part), 2);
  return out;
}

struct Fixture {
  Fixture() {
    dir = full_size_data_folder();
    go1(session, dir + "/", "");
    queries = plain_queries(dir);
    for (const std::string& q : queries)
      go2(session, q);  // the files are read once
  }
  std::string dir;
  Session session;
  std::vector<std::string> queries;
};

Fixture& fixture() {
  static Fixture f;
  return f;
}

// One plain look-up in a running program, its files already in memory.
void BM_PlainLookup(benchmark::State& state) {
  Fixture& f = fixture();
  static std::size_t next = 0;
  for (auto _ : state) {
    const std::string& q = f.queries[next++ % f.queries.size()];
    benchmark::DoNotOptimize(go2(f.session, q));
  }
}

// The first look-up of a new program: start-up and the look-up, every file read from disk.
void BM_PlainLookupFreshSession(benchmark::State& state) {
  Fixture& f = fixture();
  static std::size_t next = 0;
  const std::string prefix = f.dir + "/";
  for (auto _ : state) {
    Session s;
    go1(s, prefix, "");
    benchmark::DoNotOptimize(go2(s, f.queries[next++ % f.queries.size()]));
  }
}

// Starts a program with standard output and error to /dev/null and waits for it; false when
// it cannot be started.
bool run_process(const char* path, std::vector<std::string> args) {
  posix_spawn_file_actions_t actions;
  posix_spawn_file_actions_init(&actions);
  posix_spawn_file_actions_addopen(&actions, 1, "/dev/null", O_WRONLY, 0);
  posix_spawn_file_actions_addopen(&actions, 2, "/dev/null", O_WRONLY, 0);
  std::vector<char*> argv;
  argv.push_back(const_cast<char*>(path));
  for (std::string& a : args)
    argv.push_back(a.data());
  argv.push_back(nullptr);
  pid_t pid;
  const bool started = posix_spawn(&pid, path, &actions, nullptr, argv.data(), environ) == 0;
  posix_spawn_file_actions_destroy(&actions);
  if (!started) return false;
  int status = 0;
  waitpid(pid, &status, 0);
  return true;
}

// What starting any program costs on this machine: the floor under the process figure.
void BM_TrueProcess(benchmark::State& state) {
  for (auto _ : state) {
    if (!run_process("/bin/true", {})) state.SkipWithError("cannot start /bin/true");
  }
}

#ifdef VELIMORA_QUERY_BIN
// One whole `velimora-query --data DIR WORD` process, start-up included.
void BM_QueryProcess(benchmark::State& state) {
  Fixture& f = fixture();
  static std::size_t next = 0;
  for (auto _ : state) {
    const std::string& word = f.queries[next++ % f.queries.size()];
    if (!run_process(VELIMORA_QUERY_BIN, {"--cp1252", "--data", f.dir, word})) {
      state.SkipWithError("cannot start velimora-query");
    }
  }
}
#endif

BENCHMARK(BM_PlainLookup)->Apply([](benchmark::internal::Benchmark* b) { per_query(b, 2000); });

BENCHMARK(BM_PlainLookupFreshSession)->Apply([](benchmark::internal::Benchmark* b) {
  per_query(b, 200);
});

BENCHMARK(BM_TrueProcess)
    ->Apply([](benchmark::internal::Benchmark* b) { per_query(b, 200); })
    ->UseRealTime();

#ifdef VELIMORA_QUERY_BIN
BENCHMARK(BM_QueryProcess)
    ->Apply([](benchmark::internal::Benchmark* b) { per_query(b, 200); })
    ->UseRealTime();
#endif

}  // namespace
}  // namespace velimora

BENCHMARK_MAIN();
