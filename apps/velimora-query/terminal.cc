#include "terminal.h"

#include <editline/readline.h>

#include <clocale>
#include <cstdlib>
#include <filesystem>
#include <iostream>
#include <memory>

namespace velimora {
namespace {

// How many queries the history keeps.
constexpr int kHistoryLength = 1000;

}  // namespace

std::string history_file() {
  std::filesystem::path dir;
  if (const char* state = std::getenv("XDG_STATE_HOME"); state != nullptr && *state != '\0') {
    dir = state;
  } else if (const char* home = std::getenv("HOME"); home != nullptr && *home != '\0') {
    dir = std::filesystem::path(home) / ".local" / "state";
  } else {
    return {};
  }
  return (dir / "velimora" / "history").string();
}

bool run_terminal(QueryRunner& runner) {
  // Line editing reads multi-byte characters by the locale's character set; in the default "C"
  // locale it would drop every letter beyond ASCII (k\xC3\xA4si would arrive as ksi).
  std::setlocale(LC_CTYPE, "");
  const std::string history = history_file();
  using_history();
  stifle_history(kHistoryLength);
  if (!history.empty()) {
    std::error_code ignored;
    std::filesystem::create_directories(std::filesystem::path(history).parent_path(), ignored);
    read_history(history.c_str());
  }
  bool all_ok = true, warned = false;
  for (;;) {
    std::unique_ptr<char, decltype(&std::free)> line(readline("> "), &std::free);
    if (!line) break;
    std::string query = line.get();
    if (!query.empty()) {
      add_history(line.get());
      // Saved at once, so that a terminal closed or interrupted keeps it too.
      if (!history.empty() && write_history(history.c_str()) != 0 && !warned) {
        std::cerr << "velimora-query: cannot write the history to " << history << "\n";
        warned = true;
      }
    }
    all_ok = runner.run(query) && all_ok;
  }
  std::cout << "\n";
  return all_ok;
}

}  // namespace velimora
