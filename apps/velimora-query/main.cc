// velimora-query: the dictionary from the terminal.
//   velimora-query [--data DIR] [--cp1252] [--json] [--] [QUERY ...]
//   velimora-query [--data DIR] [--cp1252] --text [FILE|-]
//   velimora-query --stems MODE WORD CLASS FORM
// Each QUERY is one query text (signs + word), run in order in one session. Without QUERY
// arguments, one query per line is read from standard input. The exit status is 1 when a
// record file reported an error at start-up or a query could not be converted.
#include <unistd.h>

#include <algorithm>
#include <fstream>
#include <iostream>
#include <optional>
#include <string>
#include <vector>

#include "inflection/ficc0.h"
#include "query_runner.h"
#include "shell/data_folder.h"
#include "terminal.h"
#include "text/codepage.h"
#include "text_table.h"

namespace {

constexpr const char* kUsage =
    "usage: velimora-query [--data DIR] [--cp1252] [--json] [--] [QUERY ...]\n"
    "  Runs each QUERY (signs + word, e.g. talo, -talossa, --husene, k_talo) in one session;\n"
    "  without QUERY reads one query per line from standard input (with line editing and\n"
    "  history when it is a terminal).\n"
    "  --data DIR  the data folder (default: $VELIMORA_DATA, else the sample data)\n"
    "  --cp1252    queries and output in Windows-1252 instead of UTF-8\n"
    "  --json      one JSON object per query and line instead of the results text\n"
    "  --version   print the version and the data folder in use\n"
    "  --          ends the options, so that a query may start with -\n"
    "  Query signs: W look up a word; +W full articles; +-W articles as they are;\n"
    "  ,+W the pocket dictionary; _W a Finnish word in the Danish-Finnish dictionary;\n"
    "  ,W a Danish word in the Finnish-Danish dictionary; -W Finnish analysis; ,-W faster\n"
    "  Finnish analysis; --W Danish analysis; k_W / b_W the reverse Finnish / Danish word\n"
    "  list; 25 W at most 25 hits per list; i5 a whole dictionary file; i12:345_2 one line;\n"
    "  o, n, s, y and a number after a result: the codes it offered.\n"
    "usage: velimora-query [--data DIR] [--cp1252] --text [FILE|-]\n"
    "  Reads running text (standard input without FILE or with -) and prints one\n"
    "  tab-separated line per distinct word form: form, count, base words, their\n"
    "  dictionaries, their first senses, and suggestions for forms with no base word.\n"
    "usage: velimora-query --stems MODE WORD CLASS FORM\n"
    "  Prints the stem candidates of a dictionary WORD for the typed FORM, one per line:\n"
    "  stem, alternation class, mark, weight (tab-separated). MODE is i or c (Finnish) or t\n"
    "  or r (Danish); CLASS is _ (no class code), 0, 2, 4 or 5.\n";

struct Options {
  std::optional<std::string> data;
  std::vector<std::string> stems;  // MODE WORD CLASS FORM
  bool cp1252 = false;
  bool json = false;
  std::optional<std::string> text;  // --text: the file, "-" for standard input
  std::vector<std::string> queries;
  bool ok = true;
  bool help = false;
  bool version = false;
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
    if (a == "--stems") {
      if (i + 4 >= argc) {
        std::cerr << "velimora-query: --stems takes MODE WORD CLASS FORM\n";
        o.ok = false;
        return o;
      }
      o.stems.assign(argv + i + 1, argv + i + 5);
      i += 4;
    } else if (a == "--data" && i + 1 < argc) {
      o.data = argv[++i];
    } else if (a == "--cp1252") {
      o.cp1252 = true;
    } else if (a == "--json") {
      o.json = true;
    } else if (a == "--text") {
      const bool file = i + 1 < argc && (std::string(argv[i + 1]) == "-" ||
                                         std::string(argv[i + 1]).rfind("-", 0) != 0);
      o.text = file ? argv[++i] : "-";
    } else if (a == "--help" || a == "-h") {
      o.help = true;
    } else if (a == "--version") {
      o.version = true;
    } else if (a.rfind("--", 0) == 0 && a.size() > 2 &&
               std::isalpha(static_cast<unsigned char>(a[2]))) {
      std::cerr << "velimora-query: unknown option " << velimora::escape_invalid_utf8(a) << "\n";
      o.ok = false;
    } else {
      break;  // the first query
    }
  }
  for (; i < argc; ++i)
    o.queries.emplace_back(argv[i]);
  return o;
}

// The --stems diagnostic: every candidate of the inflection analysis, in order.
int print_stems(const Options& opt) {
  const std::string& mode = opt.stems[0];
  const std::string& cls = opt.stems[2];
  static const std::string kClasses[] = {"_", "0", "2", "4", "5"};
  if (mode.size() != 1 || std::string("ictr").find(mode[0]) == std::string::npos ||
      std::find(std::begin(kClasses), std::end(kClasses), cls) == std::end(kClasses)) {
    std::cerr << "velimora-query: --stems: MODE is one of i c t r, CLASS one of _ 0 2 4 5\n";
    return 2;
  }
  std::string word = opt.stems[1], form = opt.stems[3];
  if (!opt.cp1252) {
    velimora::Result<std::string> w = velimora::utf8_to_cp1252(word);
    velimora::Result<std::string> f = velimora::utf8_to_cp1252(form);
    if (!w || !f) {
      std::cerr << "velimora-query: --stems: " << (w ? f.error() : w.error()) << "\n";
      return 1;
    }
    word = *w;
    form = *f;
  }
  const char class_code = cls == "_" ? ' ' : cls[0];
  auto text = [&opt](const std::string& s) { return opt.cp1252 ? s : velimora::cp1252_to_utf8(s); };
  velimora::inflection::stems(mode[0], word, class_code, form,
                              [&](const velimora::inflection::StemCandidate& c) {
                                std::cout << text(c.stem) << '\t' << c.alternation << '\t'
                                          << text(c.mark) << '\t' << c.weight << '\n';
                                return true;
                              });
  return 0;
}

// --text: the table of a file or of standard input.
int read_text(velimora::QueryRunner& runner, const std::string& file, bool cp1252) {
  if (file == "-")
    return velimora::write_text_table(runner.session(), std::cin, "-", cp1252, std::cout, std::cerr)
               ? 0
               : 1;
  std::ifstream in(file, std::ios::binary);
  if (!in) {
    std::cerr << "velimora-query: --text: cannot read " << file << "\n";
    return 1;
  }
  return velimora::write_text_table(runner.session(), in, file, cp1252, std::cout, std::cerr) ? 0
                                                                                              : 1;
}

}  // namespace

int main(int argc, char** argv) {
  Options opt = parse(argc, argv);
  if (opt.help || !opt.ok) {
    (opt.ok ? std::cout : std::cerr) << kUsage;
    return opt.ok ? 0 : 2;
  }
  if (opt.version) {
    std::cout << "velimora-query " << VELIMORA_VERSION
              << "\ndata folder: " << velimora::choose_data_folder(opt.data) << "\n";
    return 0;
  }
  if (!opt.stems.empty()) return print_stems(opt);
  velimora::QueryRunner runner(std::cout, std::cerr, opt.cp1252);
  const bool interactive = opt.queries.empty() && !opt.text && ::isatty(STDIN_FILENO) != 0;
  // Results of the start-up query stay out of JSON and of the table of a text.
  runner.set_json(opt.json || opt.text.has_value());
  // The terminal shows what is typed: a repeated query (and the start-up query's blank line
  // before the first prompt) would only be noise there.
  runner.set_echo(!interactive && !opt.json && !opt.text);
  if (!runner.start(velimora::choose_data_folder(opt.data))) return 1;
  runner.set_json(opt.json);
  if (opt.text) return read_text(runner, *opt.text, opt.cp1252);
  bool all_ok = !runner.startup_had_errors();
  if (!opt.queries.empty()) {
    for (const std::string& q : opt.queries)
      all_ok = runner.run(q) && all_ok;
    return all_ok ? 0 : 1;
  }
  if (interactive) return velimora::run_terminal(runner) ? 0 : 1;
  std::string line;
  while (std::getline(std::cin, line)) {
    if (!line.empty() && line.back() == '\r') line.pop_back();
    all_ok = runner.run(line) && all_ok;
  }
  return all_ok ? 0 : 1;
}
