#include "ui/word_rule.h"

#include <gtest/gtest.h>

#include <string>

namespace velimora::ui {
namespace {

// "@" marks the caret; it is not part of the text.
struct Caret {
  std::string text;
  int caret;
};
Caret at_marker(std::string_view marked) {
  std::string text(marked);
  const std::size_t at = text.find('@');
  text.erase(at, 1);
  return {text, static_cast<int>(at) + 1};
}

std::string selected(const std::string& text, Selection s) {
  return text.substr(s.start - 1, s.end - s.start);
}

TEST(WordRule, SelectsTheLettersAndDigitsAroundTheCaret) {
  static const struct {
    const char* name;
    const char* marked;
    const char* word;
  } kCases[] = {
      {"caret at the start", "@talo", "talo"},
      {"caret inside", "ta@lo", "talo"},
      {"caret right after the word", "talo@ kala", "talo"},
      {"sign in front stays outside", "-ta@lo", "talo"},
      {"two signs in front", "--hu@s", "hus"},
      {"underscore ends the word", "(k_ta@lo", "talo"},
      {"underscore never joins", "k@_talo", "k"},
      {"hyphen between letters joins", "lin@ja-auto", "linja-auto"},
      {"caret on the joining hyphen", "linja@-auto", "linja-auto"},
      {"apostrophe between letters joins", "ruo'a@n", "ruo'an"},
      {"trailing hyphen does not join", "ahkera@-", "ahkera"},
      {"hyphen before a digit does not join", "a@-1", "a"},
      {"digits belong to the word", "i1@2", "i12"},
      {"comma ends the word", "12@,40", "12"},
      {"Windows-1252 letters", "p\xE4i@v\xE4", "p\xE4iv\xE4"},
      {"Danish letters", "\xE6@ble og \xF8l",
       "\xE6"
       "ble"},
      {"word before a comma", "talo@, kala", "talo"},
      {"blank between signs", "a , @ b", ""},
      {"empty text", "@", ""},
      {"caret on a line break after a word", "talo@\nkala", "talo"},
  };
  for (const auto& c : kCases) {
    Caret in = at_marker(c.marked);
    EXPECT_EQ(selected(in.text, word_at(in.text, in.caret)), c.word) << c.name;
  }
}

TEST(WordRule, NoWordLeavesTheCaretAlone) {
  Selection s = word_at("a  b", 3);
  EXPECT_EQ(s.start, 3);
  EXPECT_EQ(s.end, 3);
}

TEST(WordRule, LineAtSelectsTheCaretsLineWithoutItsBreak) {
  static const struct {
    const char* name;
    const char* marked;
    const char* line;
  } kCases[] = {
      {"single line", "ta@lo kala", "talo kala"},
      {"first of two lines", "ta@lo\nkala", "talo"},
      {"second line", "talo\nka@la", "kala"},
      {"caret at a line start", "talo\n@kala\nhus", "kala"},
      {"caret at a line end", "talo@\nkala", "talo"},
      {"empty line", "talo\n@\nkala", ""},
      {"caret at the end", "talo\nkala@", "kala"},
  };
  for (const auto& c : kCases) {
    Caret in = at_marker(c.marked);
    EXPECT_EQ(selected(in.text, line_at(in.text, in.caret)), c.line) << c.name;
  }
}

}  // namespace
}  // namespace velimora::ui
