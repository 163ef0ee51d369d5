// velimora-query: the dictionary from the terminal.
//   velimora-query [--data DIR] [--cp1252] [--] [QUERY ...]
// Each QUERY is one query text (signs + word), run in order in one session. Without QUERY
// arguments, one query per line is read from standard input.
#include <unistd.h>

#include <iostream>
#include <optional>
#include <string>
#include <vector>

#include "query_runner.h"
#include "shell/data_folder.h"

namespace {

constexpr const char* kUsage =
    "usage: velimora-query [--data DIR] [--cp1252] [--] [QUERY ...]\n"
    "  Runs each QUERY (signs + word, e.g. talo, -talossa, --husene, k_talo) in one session;\n"
    "  without QUERY reads one query per line from standard input.\n"
    "  --data DIR  the data folder (default: $VELIMORA_DATA, else the sample data)\n"
    "  --cp1252    queries and output in Windows-1252 instead of UTF-8\n";

struct Options {
  std::optional<std::string> data;
  bool cp1252 = false;
  std::vector<std::string> queries;
  bool ok = true;
  bool help = false;
};

Options parse(int argc, char** argv) {
  Options o;
  int i = 1;
  for (; i < argc; ++i) {
    std::string a = argv[i];
    if (a == "--") {
      ++i;
      break;
    }
    if (a == "--data" && i + 1 < argc) {
      o.data = argv[++i];
    } else if (a == "--cp1252") {
      o.cp1252 = true;
    } else if (a == "--help" || a == "-h") {
      o.help = true;
    } else if (a.rfind("--", 0) == 0 && a.size() > 2 && std::isalpha(static_cast<unsigned char>(a[2]))) {
      std::cerr << "velimora-query: unknown option " << a << "\n";
      o.ok = false;
    } else {
      break;  // the first query
    }
  }
  for (; i < argc; ++i) o.queries.emplace_back(argv[i]);
  return o;
}

}  // namespace

int main(int argc, char** argv) {
  Options opt = parse(argc, argv);
  if (opt.help || !opt.ok) {
    (opt.ok ? std::cout : std::cerr) << kUsage;
    return opt.ok ? 0 : 2;
  }
  velimora::QueryRunner runner(std::cout, std::cerr, opt.cp1252);
  if (!runner.start(velimora::choose_data_folder(opt.data))) return 1;
  bool all_ok = true;
  if (!opt.queries.empty()) {
    for (const std::string& q : opt.queries) all_ok = runner.run(q) && all_ok;
    return all_ok ? 0 : 1;
  }
  const bool interactive = ::isatty(STDIN_FILENO) != 0;
  std::string line;
  for (;;) {
    if (interactive) std::cerr << "> " << std::flush;
    if (!std::getline(std::cin, line)) break;
    if (!line.empty() && line.back() == '\r') line.pop_back();
    all_ok = runner.run(line) && all_ok;
  }
  if (interactive) std::cerr << "\n";
  return all_ok ? 0 : 1;
}
