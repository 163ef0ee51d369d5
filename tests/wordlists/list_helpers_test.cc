#include "wordlists/list_helpers.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace velimora {
namespace {

TEST(Sidst1, SplitsOffTheLastCharacter) {
  LastSplit t = sidst1("talo");
  EXPECT_EQ(t.length, 4);
  EXPECT_EQ(t.front, "tal");
  EXPECT_EQ(t.last, "o");
  t = sidst1("a");
  EXPECT_EQ(t.length, 1);
  EXPECT_EQ(t.front, "");
  EXPECT_EQ(t.last, "a");
  t = sidst1("");
  EXPECT_EQ(t.length, 0);
  EXPECT_EQ(t.last, "");
}

TEST(KolonAndFig, StripOneLeadingMark) {
  EXPECT_EQ(kolon("\"talo"), "talo");
  EXPECT_EQ(kolon("\"\"x"), "\"x");
  EXPECT_EQ(kolon("talo"), "talo");
  static const struct {
    const char* s;
    int code;
    const char* rest;
  } kCases[] = {{":a", 2, "a"}, {".a", 1, "a"}, {"b", 0, "b"}, {"", 0, ""}};
  for (const auto& c : kCases) {
    EXPECT_EQ(fig(c.s).code, c.code) << c.s;
    EXPECT_EQ(fig(c.s).rest, c.rest) << c.s;
  }
}

TEST(Fip1, SenseOneBecomesZeroWithoutFurtherSenses) {
  static const struct {
    const char* line;
    int sense;
    int out;
  } kCases[] = {
      {"x|  ", 1, 0}, {"x|y", 1, 1}, {"x|y", 3, 3}, {"xy", 1, 0}, {"x|y", 0, 0}, {"|\t\n", 1, 0},
  };
  for (const auto& c : kCases) EXPECT_EQ(fip1(c.line, c.sense), c.out) << c.line << c.sense;
}

TEST(M2s, ReadsPairsAndIgnoresAnUnpairedTail) {
  std::vector<std::string> list = {"a", "1", "b", "2", "c"};
  EXPECT_EQ(m2s_value("b", list), "2");
  EXPECT_FALSE(m2s_value("c", list));
  EXPECT_EQ(m2s_key("1", list), "a");
  EXPECT_TRUE(m2s_has("b", "2", list));
  EXPECT_FALSE(m2s_has("b", "1", list));
}

TEST(Vokal, KnowsVowelsInBothCodePages) {
  static const struct {
    const char* s;
    char c;
    bool vowel;
  } kCases[] = {
      {"", 'a', true},      {"", 'b', false},    {"bcd", ' ', false}, {"bcy", ' ', true},
      {"", '/', true},      {"", '\xE4', true},  {"", '\x84', true},  {"", '\xF8', true},
      {"", '\x9B', true},   {"", '\xE9', true},  {"", '\x82', true},  {"", '\xFC', false},
      {"tst", 'E', true},   {"", '\xD6', true},  {"", '\x99', true},  {"ktt", '\x8F', true},
  };
  for (const auto& c : kCases) {
    EXPECT_EQ(vokal(c.s, c.c), c.vowel) << c.s << " + byte " << int(static_cast<unsigned char>(c.c));
  }
}

TEST(Valh, CodesFitWhenOneSideIsFree) {
  static const struct {
    int mode, a, b;
    bool fits;
  } kCases[] = {
      {1, 13, 25, true},   // 3 divisible by 3
      {1, 14, 35, false},  // 4 mod 3 = 1, 5 div 3 = 1
      {1, 14, 32, true},   // 2 below 3
      {2, 35, 14, false},  // the same pair exchanged
      {2, 25, 13, true},   {3, 0, 0, false},  {1, 0, 99, true},
  };
  for (const auto& c : kCases) {
    EXPECT_EQ(valh(c.mode, c.a, c.b), c.fits) << c.mode << ":" << c.a << "," << c.b;
  }
}

TEST(CompareKeys, OrdersAsTheStandardCompareOnUnsignedBytes) {
  static const char* const kKeys[] = {"",     "a", "ab",    "abc",  "abd",  "b",
                                      "\xE6", "z", "\xE6g", "\xF8", "\x85", "a\xE5"};
  for (std::string_view a : kKeys) {
    for (std::string_view b : kKeys) {
      const int want = a.compare(b);
      EXPECT_EQ(compare_keys(a, b), want < 0 ? -1 : (want > 0 ? 1 : 0)) << a << " / " << b;
    }
  }
}

}  // namespace
}  // namespace velimora
