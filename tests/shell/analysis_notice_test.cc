#include "shell/analysis_notice.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>

namespace velimora {
namespace {

TEST(NothingFoundLine, OnlyAnAnalysisQueryThatShowsNothing) {
  static const struct {
    const char* query;
    std::optional<std::string> result;
    std::optional<std::string> line;
  } kCases[] = {
      {"-qwertyx", std::nullopt, "-qwertyx: ingen analyse / no analysis\n"},
      {"-qwertyx", "\n \n", "-qwertyx: ingen analyse / no analysis\n"},  // blank lines only
      {" ,-talox ", "", ",-talox: ingen analyse / no analysis\n"},
      {"--husx", "\n", "--husx: ei analyysi\xE4 / no analysis\n"},
      {"-talossa", "\n   Analysis :  talo/ssa ...\n", std::nullopt},  // something is shown
      {"--husene", "\n  dansk: ...\n", std::nullopt},
      {"talox", std::nullopt, std::nullopt},     // a plain look-up
      {"+-talox", std::nullopt, std::nullopt},   // a word-list query, not an analysis
      {"-", std::nullopt, std::nullopt},         // no word
      {"-3", std::nullopt, std::nullopt},        // a code number
      {"---talox", std::nullopt, std::nullopt},  // no such sign combination
  };
  for (const auto& c : kCases) {
    EXPECT_EQ(nothing_found_line(c.query, c.result), c.line) << c.query;
  }
}

}  // namespace
}  // namespace velimora
