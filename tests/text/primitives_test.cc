#include "text/primitives.h"

#include <gtest/gtest.h>

namespace velimora {
namespace {

TEST(TakeToken, SplitsNamesNumbersAndSingleCharacters) {
  static const struct {
    const char* in;
    const char* token;
    const char* rest;
  } kCases[] = {
      {"ahkera-", "ahkera", "-"},
      {" ,+koira", ",", "+koira"},
      {"k\xE4\xE4nteinen sana", "k\xE4\xE4nteinen", " sana"},
      {"--talo", "-", "-talo"},
      {"k_", "k_", ""},
      {"b_hus x", "b_hus", " x"},
      {"12.5kg", "12.5", "kg"},
      {"12.", "12", "."},
      {"3e5 x", "3e5", " x"},
      {"3e-2", "3e-2", ""},
      {"3ex", "3", "ex"},
      {"\n\t 7;", "7", ";"},
      {"#a", "#", "a"},
      {"_x1 y", "_x1", " y"},
  };
  for (const auto& c : kCases) {
    auto r = take_token(c.in);
    ASSERT_TRUE(r) << c.in;
    EXPECT_EQ(r->front, c.token) << c.in;
    EXPECT_EQ(r->rest, c.rest) << c.in;
  }
}

TEST(TakeToken, FailsOnBlanksAndLineEnds) {
  for (const char* s : {"", "   ", "\t\r\n", " \x1A"})
    EXPECT_FALSE(take_token(s)) << s;
}

TEST(TakePrefix, FailsOnlyWhenTooShort) {
  EXPECT_FALSE(take_prefix(3, "ab"));
  auto r = take_prefix(0, "ab");
  ASSERT_TRUE(r);
  EXPECT_EQ(r->front, "");
  EXPECT_EQ(r->rest, "ab");
  r = take_prefix(2, "ab");
  ASSERT_TRUE(r);
  EXPECT_EQ(r->front, "ab");
  EXPECT_EQ(r->rest, "");
}

TEST(TakeChar, TakesTheFirstOrFails) {
  EXPECT_FALSE(take_char(""));
  EXPECT_EQ(take_char("ab")->first, 'a');
  EXPECT_EQ(take_char("ab")->second, "b");
  EXPECT_EQ(take_char_if("-x", '-'), "x");
  EXPECT_FALSE(take_char_if("x", '-'));
  EXPECT_FALSE(take_char_if("", '-'));
}

TEST(TextToInt, AcceptsOnlyWholeIntegers) {
  static const struct {
    const char* in;
    std::optional<int> out;
  } kCases[] = {
      {"12", 12},
      {"  -7", -7},
      {"0", 0},
      {"-0", 0},
      {"", {}},
      {"-", {}},
      {"12 ", {}},
      {"1x", {}},
      {"1.5", {}},
      {"+3", {}},
      {"2147483647", 2147483647},
      {"-2147483648", -2147483647 - 1},
      {"2147483648", {}},
      {"99999999999999999999", {}},
  };
  for (const auto& c : kCases)
    EXPECT_EQ(text_to_int(c.in), c.out) << '"' << c.in << '"';
}

TEST(MidText, TakesInsideAndThrowsOutside) {
  EXPECT_EQ(mid_text("talossa", 1, 4), "talo");
  EXPECT_EQ(mid_text("talossa", 5, 3), "ssa");
  EXPECT_EQ(mid_text("talo", 5, 0), "");
  EXPECT_THROW(mid_text("talo", 0, 1), TextRangeError);
  EXPECT_THROW(mid_text("talo", 3, 3), TextRangeError);
  EXPECT_THROW(mid_text("talo", 2, -1), TextRangeError);
}

TEST(JoinAndLength, WorkOnBytes) {
  EXPECT_EQ(join_text("ta", "lo"), "talo");
  EXPECT_EQ(text_length("k\xE4si"), 4);
  EXPECT_EQ(int_to_text(-42), "-42");
}

}  // namespace
}  // namespace velimora

namespace velimora {
namespace {

TEST(CountLineFeeds, CountsEveryLf) {
  static const struct {
    std::string_view text;
    std::size_t lfs;
  } kCases[] = {{"", 0}, {"a", 0}, {"\n", 1}, {"a\r\nb\n\n", 3}, {"\n\nx", 2}};
  for (const auto& c : kCases)
    EXPECT_EQ(count_line_feeds(c.text), c.lfs) << c.text;
}

}  // namespace
}  // namespace velimora
