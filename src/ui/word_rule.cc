#include "ui/word_rule.h"

#include <algorithm>

#include "text/charclass.h"

namespace velimora::ui {
namespace {

bool is_word_char(char c) {
  return is_letter(c) || is_digit(c);
}

// An apostrophe or hyphen at index i joins the letters on both sides.
bool is_joiner(std::string_view t, int i) {
  if (i <= 0 || i + 1 >= static_cast<int>(t.size())) return false;
  return (t[i] == '\'' || t[i] == '-') && is_letter(t[i - 1]) && is_letter(t[i + 1]);
}

bool in_word(std::string_view t, int i) {
  return i >= 0 && i < static_cast<int>(t.size()) && (is_word_char(t[i]) || is_joiner(t, i));
}

int clamp_caret(std::string_view text, int caret) {
  return std::clamp(caret, 1, static_cast<int>(text.size()) + 1);
}

}  // namespace

Selection word_at(std::string_view text, int caret) {
  caret = clamp_caret(text, caret);
  int i = caret - 1;  // 0-based index of the character at the caret
  if (!in_word(text, i)) {
    if (!in_word(text, i - 1)) return {caret, caret};
    --i;
  }
  int first = i;
  while (in_word(text, first - 1))
    --first;
  int last = i;
  while (in_word(text, last + 1))
    ++last;
  return {first + 1, last + 2};
}

Selection line_at(std::string_view text, int caret) {
  caret = clamp_caret(text, caret);
  std::size_t at = static_cast<std::size_t>(caret - 1);
  std::size_t begin = 0;
  if (at > 0) {
    std::size_t previous = text.rfind('\n', at - 1);
    if (previous != std::string_view::npos) begin = previous + 1;
  }
  std::size_t end = text.find('\n', at);
  if (end == std::string_view::npos) end = text.size();
  return {static_cast<int>(begin) + 1, static_cast<int>(end) + 1};
}

}  // namespace velimora::ui
