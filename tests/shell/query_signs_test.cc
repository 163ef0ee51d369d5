#include "shell/query_signs.h"

#include <gtest/gtest.h>

namespace velimora {
namespace {

TEST(ReadSigns, CountsRunsInTheirFixedOrder) {
  static const struct {
    const char* query;
    int dash, comma, plus, dash2, underscore;
    const char* word;
  } kCases[] = {
      {",-W", 0, 1, 0, 1, 0, "W"},  {"-W", 1, 0, 0, 0, 0, "W"},   {"+-W", 0, 0, 1, 1, 0, "W"},
      {"--W", 2, 0, 0, 0, 0, "W"},  {"  _W", 0, 0, 0, 0, 1, "W"}, {"&+W", 0, 0, 1, 0, 0, "W"},
      {"-,+-_W", 1, 1, 1, 1, 1, "W"},
      {">%=\xA7#!;W", 0, 0, 0, 0, 0, "W"},  // dropped signs
      {"+,W", 0, 0, 1, 0, 0, ",W"},         // out of order: the comma is part of the word
      {"", 0, 0, 0, 0, 0, ""},              {" ", 0, 0, 0, 0, 0, ""},
      {"- W", 1, 0, 0, 0, 0, " W"},
  };
  for (const auto& c : kCases) {
    QuerySigns s = read_signs(c.query);
    EXPECT_EQ(s.dash, c.dash) << c.query;
    EXPECT_EQ(s.comma, c.comma) << c.query;
    EXPECT_EQ(s.plus, c.plus) << c.query;
    EXPECT_EQ(s.dash2, c.dash2) << c.query;
    EXPECT_EQ(s.underscore, c.underscore) << c.query;
    EXPECT_EQ(s.word, c.word) << c.query;
  }
}

TEST(LevelAndMode, SignCombinationsSelectLevelAndDisplayMode) {
  static const struct {
    const char* query;
    bool known;
    int level, mode;
  } kCases[] = {
      {"W", true, 0, 0},    {"+W", true, 0, 1},  {"-W", true, 1, 0},   {"--W", true, 2, 0},
      {"+-W", true, 0, 7},  {",+W", true, 0, 2}, {",W", true, 0, 5},   {"_W", true, 0, 4},
      {",-W", true, 1, 1},  {"---W", false, 0, 0},                     {"++W", false, 0, 0},
      {"_,W", true, 5 - 5, 4},  // underscore wins over the comma
      {",,W", true, 0, 0},      // two commas fall through to the counts
  };
  for (const auto& c : kCases) {
    auto r = level_and_mode(read_signs(c.query));
    ASSERT_EQ(r.has_value(), c.known) << c.query;
    if (r) {
      EXPECT_EQ(r->level, c.level) << c.query;
      EXPECT_EQ(r->mode, c.mode) << c.query;
    }
  }
}

TEST(Frontt, TakesTheLeadingRunOfWordCharacters) {
  static const struct {
    const char* in;
    std::optional<std::string> out;
  } kCases[] = {
      {"talo koti", "talo"},
      {"k\xE4si!", "k\xE4si"},
      {"12:5", "12:5"},
      {"(3)", "(3)"},
      {"a&b=c,d'e/f|g\\h<i>j", "a&b=c,d'e/f|g\\h<i>j"},
      {"\xCF\xA4\xF5\xA7#.%_-x", "\xCF\xA4\xF5\xA7#.%_-x"},
      {"\xFC" "ber", {}},  // ü is not a word character here
      {" talo", {}},
      {"", {}},
      {"ta?lo", "ta"},
  };
  for (const auto& c : kCases) EXPECT_EQ(frontt(c.in), c.out) << c.in;
}

TEST(CodeOfKind, ListKindsAndNumbers) {
  static const struct {
    int kind, number;
    std::optional<std::string> code;
  } kCases[] = {{11, -1, "o"}, {17, 5, "s"}, {14, -1, "n"}, {18, 0, "y"},
                {16, -1, {}},  {9, 3, "3"},  {16, 0, "0"}};
  for (const auto& c : kCases) EXPECT_EQ(code_of_kind(c.kind, c.number), c.code) << c.kind;
  EXPECT_EQ(code_description("o"), " : Finnish words in I");
  EXPECT_EQ(code_description("0"), " : simplest analysis/analyses");
  EXPECT_EQ(code_description("7"), "");
}

}  // namespace
}  // namespace velimora
