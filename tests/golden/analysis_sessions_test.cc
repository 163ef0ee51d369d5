// Analysis sessions: the queries of analysis_sessions.txt run in order, a fresh session at
// each "@ FOLDER" heading, and every query must show exactly the "|" lines below it.
// With VELIMORA_GOLDEN_UPDATE set the file is rewritten with what the queries show now
// (scripts/update_golden_sessions.sh), and the test only checks that every query ran.
#include <gtest/gtest.h>

#include <cstdlib>
#include <fstream>
#include <memory>
#include <optional>
#include <regex>
#include <sstream>
#include <string>
#include <vector>

#include "shell/data_folder.h"
#include "shell/driver.h"
#include "shell/startup.h"
#include "text/codepage.h"

namespace velimora {
namespace {

std::string env(const char* name) {
  const char* v = std::getenv(name);
  return v == nullptr ? std::string() : v;
}

// The folder a heading names: "sample" is the build's sample data, any other name a
// crafted folder that tests/golden/CMakeLists.txt compiles from analysis_data/NAME.
std::string folder_of(const std::string& name) {
  if (name == "sample") return env("VELIMORA_SAMPLE_DATA");
  return std::string(VELIMORA_GOLDEN_FOLDERS) + "/" + name;
}

// "@ FOLDER [kh=N]": a started session on the folder, its step limit replaced by N if given.
std::unique_ptr<Session> start(const std::string& heading, std::string& error) {
  std::istringstream words(heading.substr(2));
  std::string name, option;
  words >> name;
  Result<std::string> prefix = data_prefix_of(folder_of(name));
  if (!prefix) {
    error = prefix.error();
    return nullptr;
  }
  auto s = std::make_unique<Session>();
  if (!go1(*s, *prefix, "").ok) {
    error = "no main record file in " + folder_of(name);
    return nullptr;
  }
  while (words >> option) {
    if (option.rfind("kh=", 0) == 0) s->startup.kh.set(std::stoi(option.substr(3)));
  }
  return s;
}

// Where an article stands in its list moves whenever the sample data grows, so the sessions
// hold "#" for the numbers of the article references and of the lists searched.
struct Mask {
  const char* pattern;
  const char* replacement;
};
const Mask kMasks[] = {
    {R"(\(([a-z])\d+([,;])\d+)", "($1#$2#"},                    // "(t38,43)", "(i77;22 1)"
    {R"(( looked in [^:\n]*:[ A-Za-z#]*[A-Za-z])\d+)", "$1#"},  // " looked in ... : I51 o105"
};

// The output as the file holds it: each line after "|", nothing at all when none is shown.
std::string as_lines(const std::optional<std::string>& out) {
  if (!out) return {};
  std::string text = cp1252_to_utf8(*out), lines = "|";
  for (const Mask& m : kMasks) {
    const std::regex re(m.pattern);
    for (std::string prev; prev != text;) {
      prev = text;
      text = std::regex_replace(text, re, m.replacement);
    }
  }
  for (char c : text)
    lines += c == '\n' ? std::string("\n|") : std::string(1, c);
  return lines + "\n";
}

TEST(AnalysisSessions, EveryQueryShowsItsExpectedText) {
  // VELIMORA_GOLDEN_SESSIONS names another sessions file (for trying queries out).
  std::string path = env("VELIMORA_GOLDEN_SESSIONS");
  if (path.empty()) path = VELIMORA_GOLDEN_SESSIONS;
  std::ifstream in(path, std::ios::binary);
  ASSERT_TRUE(in) << path;
  std::vector<std::string> lines;
  for (std::string l; std::getline(in, l);)
    lines.push_back(l);
  const bool update = !env("VELIMORA_GOLDEN_UPDATE").empty();
  std::string rewritten;
  std::unique_ptr<Session> s;
  int queries = 0;
  for (std::size_t i = 0; i < lines.size();) {
    const std::size_t line_no = ++i;
    const std::string& line = lines[line_no - 1];
    if (line.rfind("|", 0) == 0) continue;  // output of no query: dropped when rewriting
    rewritten += line + "\n";
    if (line.rfind("@ ", 0) == 0) {
      std::string error;
      s = start(line, error);
      ASSERT_TRUE(s) << path << ":" << line_no << ": " << error;
    }
    if (line.rfind("> ", 0) != 0) continue;
    ASSERT_TRUE(s) << path << ":" << line_no << ": a query before the first \"@ FOLDER\"";
    Result<std::string> query = utf8_to_cp1252(line.substr(2));
    ASSERT_TRUE(query) << path << ":" << line_no;
    std::string expected;
    for (; i < lines.size() && lines[i].rfind("|", 0) == 0; ++i)
      expected += lines[i] + "\n";
    const std::string shown = as_lines(go2(*s, *query));
    rewritten += shown;
    ++queries;
    if (!update) {
      EXPECT_EQ(shown, expected) << path << ":" << line_no << ": " << line
                                 << " (an intended change: scripts/update_golden_sessions.sh)";
    }
  }
  EXPECT_GT(queries, 0);
  if (update) {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out << rewritten;
    EXPECT_TRUE(out.good()) << path;
  }
}

}  // namespace
}  // namespace velimora
