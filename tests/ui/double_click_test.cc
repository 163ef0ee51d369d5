#include <gtest/gtest.h>

#include <string>

#include "shell/windows.h"
#include "ui/word_rule.h"

namespace velimora {
namespace {

// The double-click query at the "@" of a marked text (the marker is not part of the text).
std::optional<std::string> query_at(std::string_view marked) {
  std::string text(marked);
  const std::size_t at = text.find('@');
  text.erase(at, 1);
  const int caret = static_cast<int>(at) + 1;
  ui::Selection word = ui::word_at(text, caret);
  ui::Selection line = ui::line_at(text, caret);
  return double_click_query(text, word.start, word.end, line.start);
}

TEST(DoubleClickQuery, TakesTheSignsGluedToTheWord) {
  static const struct {
    const char* name;
    const char* marked;
    const char* query;
  } kCases[] = {
      {"word alone", "ta@lo", "talo"},
      {"word after a blank", "see ta@lo", "talo"},
      {"analysis sign -W", "see -ta@lo", "-talo"},
      {"Danish analysis sign --W", "see --hu@se", "--huse"},
      {"reverse sign in brackets (k_W", "(k_ta@lo) x", "k_talo"},
      {"reverse sign k_W at a line start", "k_ta@lo", "k_talo"},
      {"Danish reverse sign b_W", "x b_h@us", "b_hus"},
      {"square bracket [W", "[ta@lo]", "talo"},
      {"underscore _W", "x _ta@lo", "talo"},
      {"underscore after a longer word", "x sk_ta@lo", "talo"},
      {"parenthesis (W", "(ta@lo)", "talo"},
      {"brace {W", "{ta@lo", "talo"},
      {"angle bracket <W", "<ta@lo", "talo"},
      {"asterisk *W", "*ta@lo", "talo"},
      {"double quote", "\"ta@lo\"", "talo"},
      {"apostrophe", "'ta@lo'", "talo"},
      {"equals sign", "a=ta@lo", "talo"},
      {"currency sign", "\xA4ta@lo", "talo"},
      {"prefix after the last brace", "x{-ta@lo", "-talo"},
      {"two openers taken off", "([-ta@lo", "-talo"},
      {"at most two openers taken off", "([(-ta@lo", "(-talo"},
      {"plus and comma signs", "see ,+ta@lo", ",+talo"},
      {"line start of the second line", "x -a\n-ta@lo", "-talo"},
      {"blank line start", "x\n  ta@lo", "talo"},
      {"word with a hyphen", "see lin@ja-auto", "linja-auto"},
      {"Finnish letters", "see -p\xE4@iv\xE4", "-p\xE4iv\xE4"},
      {"number of a reference", "see (i12,3@40)", "i12,340"},
  };
  for (const auto& c : kCases) {
    std::optional<std::string> q = query_at(c.marked);
    ASSERT_TRUE(q.has_value()) << c.name;
    EXPECT_EQ(*q, c.query) << c.name;
  }
}

TEST(DoubleClickQuery, FailsWithoutAWord) {
  static const struct {
    const char* name;
    const char* marked;
  } kCases[] = {
      {"blank between words", "talo @ kala"},
      {"sign alone", "x - @ y"},
      {"empty line", "talo\n@\nkala"},
      {"empty text", "@"},
  };
  for (const auto& c : kCases)
    EXPECT_FALSE(query_at(c.marked).has_value()) << c.name;
}

TEST(DoubleClickQuery, FailsWhenTheWordEndsAtTheLineStart) {
  EXPECT_FALSE(double_click_query("talo", 1, 1, 1).has_value());
  EXPECT_FALSE(double_click_query("talo", 3, 2, 3).has_value());
}

}  // namespace
}  // namespace velimora
