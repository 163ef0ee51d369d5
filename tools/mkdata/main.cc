// velimora-mkdata: builds a data folder from dictionary sources, or a synthetic one of full
// size.
//
//   velimora-mkdata [--guide DIR] SOURCE_DIR OUT_DIR
//   velimora-mkdata [--guide DIR] --synthetic [N] OUT_DIR
//   velimora-mkdata --help | --version
//   velimora-mkdata --check DIR
#include <chrono>
#include <cstdio>
#include <filesystem>
#include <string>
#include <vector>

#include "mkdata/compiler.h"
#include "mkdata/folder_check.h"
#include "mkdata/folder_writer.h"
#include "mkdata/synthetic.h"

namespace velimora::mkdata {
namespace {

constexpr std::size_t kMessagesShown = 50;

struct Options {
  std::string guide;
  bool guide_given = false;
  int synthetic = 0;  // lines per part; 0 = compile SOURCE_DIR
  std::string source;
  std::string out;
};

// The usage text: on stdout when asked for, on stderr (exit status 2) after a wrong command line.
int usage(std::FILE* out = stderr) {
  std::fputs(
      "usage: velimora-mkdata [--guide DIR] SOURCE_DIR OUT_DIR\n"
      "       velimora-mkdata [--guide DIR] --synthetic [N] OUT_DIR\n"
      "       velimora-mkdata --check DIR\n"
      "Builds the data folder OUT_DIR from the UTF-8 dictionary sources in SOURCE_DIR, or a\n"
      "made-up one of full size with about N lines a part (default 300). Guide texts come\n"
      "from DIR, by default the folder 'guide' beside SOURCE_DIR. --check prints one line\n"
      "'file:line: problem' for every fault of the data folder DIR; exit status 1 if any.\n",
      out);
  return out == stdout ? 0 : 2;
}

bool parse_count(const std::string& s, int& n) {
  if (s.empty() || s.find_first_not_of("0123456789") != std::string::npos || s.size() > 6) {
    return false;
  }
  n = std::stoi(s);
  return n > 0;
}

bool parse_options(int argc, char** argv, Options& o) {
  std::vector<std::string> args(argv + 1, argv + argc);
  std::vector<std::string> rest;
  bool synthetic = false;
  for (std::size_t k = 0; k < args.size(); ++k) {
    if (args[k] == "--guide" && k + 1 < args.size()) {
      o.guide = args[++k];
      o.guide_given = true;
    } else if (args[k] == "--synthetic") {
      synthetic = true;
    } else if (args[k].starts_with("-") && args[k] != "-") {
      return false;
    } else {
      rest.push_back(args[k]);
    }
  }
  if (synthetic) {
    o.synthetic = kDefaultSyntheticLines;
    if (rest.size() == 2 && !parse_count(rest[0], o.synthetic)) return false;
    if (rest.empty() || rest.size() > 2) return false;
    o.out = rest.back();
    return true;
  }
  if (rest.size() != 2) return false;
  o.source = rest[0];
  o.out = rest[1];
  if (!o.guide_given) {
    std::filesystem::path src = std::filesystem::path(o.source).lexically_normal();
    if (!src.has_filename()) src = src.parent_path();
    o.guide = (src.parent_path() / "guide").string();
  }
  return true;
}

void print(const char* kind, const std::vector<std::string>& messages) {
  for (std::size_t k = 0; k < messages.size() && k < kMessagesShown; ++k) {
    std::fprintf(stderr, "%s: %s\n", kind, messages[k].c_str());
  }
  if (messages.size() > kMessagesShown) {
    std::fprintf(stderr, "%s: ... and %zu more\n", kind, messages.size() - kMessagesShown);
  }
}

int run(const Options& o) {
  auto started = std::chrono::steady_clock::now();
  Diagnostics diag;
  Sources sources;
  if (o.synthetic > 0) {
    sources = synthetic_sources(o.synthetic);
    if (o.guide_given) sources.guides = read_guides(o.guide, diag);
  } else {
    sources = read_sources(o.source, o.guide, diag);
  }
  Compiled compiled;
  if (!diag.failed()) compiled = compile(sources, diag);
  print("warning", diag.warnings());
  print("error", diag.errors());
  if (diag.failed()) {
    std::fprintf(stderr, "velimora-mkdata: %zu errors; %s left as it was\n", diag.errors().size(),
                 o.out.c_str());
    return 1;
  }
  if (Status s = write_data_folder(compiled.files, o.out); !s) {
    std::fprintf(stderr, "velimora-mkdata: %s\n", s.error().c_str());
    return 1;
  }
  double seconds =
      std::chrono::duration<double>(std::chrono::steady_clock::now() - started).count();
  std::string counts;
  for (const auto& [letter, lines] : compiled.list_lines) {
    counts += " " + std::string(1, letter) + "=" + std::to_string(lines);
  }
  std::printf("velimora-mkdata: %s: %zu files, lines:%s (%.2f s)\n", o.out.c_str(),
              compiled.files.size(), counts.c_str(), seconds);
  return 0;
}

}  // namespace
}  // namespace velimora::mkdata

// `--check DIR`: the folder's faults, one line each.
int check(const std::string& folder) {
  std::string prefix = folder;
  if (prefix.empty() || prefix.back() != '/') prefix += '/';
  const std::vector<std::string> faults = velimora::mkdata::check_data_folder(prefix);
  for (const std::string& f : faults) std::printf("%s\n", f.c_str());
  return faults.empty() ? 0 : 1;
}

int main(int argc, char** argv) {
  const std::string first = argc > 1 ? argv[1] : "";
  if (argc == 2 && first == "--version") {
    std::printf("velimora-mkdata %s\n", VELIMORA_VERSION);
    return 0;
  }
  if (argc == 2 && (first == "--help" || first == "-h")) return velimora::mkdata::usage(stdout);
  if (argc == 3 && first == "--check") return check(argv[2]);
  velimora::mkdata::Options o;
  if (!velimora::mkdata::parse_options(argc, argv, o)) return velimora::mkdata::usage();
  return velimora::mkdata::run(o);
}
