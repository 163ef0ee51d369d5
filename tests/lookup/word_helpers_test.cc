#include "text/word_helpers.h"

#include <gtest/gtest.h>

namespace velimora {
namespace {

TEST(Glang0, CutsAtTheFirstSeparator) {
  static const struct {
    const char* s;
    char c;
    const char* front;
    const char* rest;
  } kCases[] = {
      {"koira hund", ' ', "koira", "hund"}, {"a||b", '|', "a", "|b"}, {"abc", ':', "abc", ""},
      {"|x", '|', "", "x"},                 {"abc,", ',', "abc", ""}, {"", '|', "", ""},
  };
  for (const auto& c : kCases) {
    Cut cut = glang0(c.s, c.c);
    EXPECT_EQ(cut.front, c.front) << c.s;
    EXPECT_EQ(cut.rest, c.rest) << c.s;
  }
}

TEST(Vendst, ReversesInFrontOfTheTail) {
  EXPECT_EQ(vendst("talo"), "olat");
  EXPECT_EQ(vendst("ab", "x"), "bax");
  EXPECT_EQ(vendst("", "q"), "q");
  EXPECT_EQ(vendst("bagl\xE6ns"), "sn\xE6lgab");
}

TEST(Nulfo, PadsWithZerosToThePowerOfTen) {
  static const struct {
    long long a, b;
    const char* out;
  } kCases[] = {{5, 1000, "005"}, {42, 100, "42"}, {7, 100, "07"}, {0, 1000, "000"},
                {1234, 1000, "234"}};
  for (const auto& c : kCases) EXPECT_EQ(nulfo(c.a, c.b), c.out) << c.a << "," << c.b;
}

TEST(Ftal, ReadsAnIntegerTokenAndOptionallyASign) {
  static const struct {
    int flag;
    const char* s;
    std::optional<int> n;
    const char* rest;
  } kCases[] = {
      {1, "-12 x", -12, " x"}, {0, "-12", {}, ""},  {1, "7;", 7, ";"},   {0, " 3 4", 3, " 4"},
      {0, "x", {}, ""},        {1, "- x", {}, ""},  {0, "", {}, ""},     {0, "1.5", {}, ""},
  };
  for (const auto& c : kCases) {
    auto r = ftal(c.flag, c.s);
    ASSERT_EQ(r.has_value(), c.n.has_value()) << c.s;
    if (r) {
      EXPECT_EQ(r->n, *c.n) << c.s;
      EXPECT_EQ(r->rest, c.rest) << c.s;
    }
  }
}

TEST(Mcgs, FindsLetterAndCodeInAnOrderedPositionList) {
  static const struct {
    char x;
    int code;
    const char* list;
    bool found;
  } kCases[] = {
      {'c', 1, "a.c:t", true},   // .c is (c, 1)
      {'c', 0, "a.c:t", false},  // (c, 0) is below (c, 1): fails there
      {'z', 0, "a.c", false},    // runs off the end
      {'t', 2, "a.c:t", true},   {'a', 0, "a.c:t", true},  {'b', 0, "a.c:t", false},
      {'a', 0, "", false},       {'i', 0, "i:t.c", true},  {'x', 0, "a:", false},
  };
  for (const auto& c : kCases) {
    EXPECT_EQ(mcgs(c.x, '\r', c.code, 0, c.list), c.found) << c.x << c.code << " in " << c.list;
  }
}

}  // namespace
}  // namespace velimora
