#include "mkdata/text_words.h"

#include "text/charclass.h"

namespace velimora::mkdata {
namespace {

constexpr std::string_view kClauseEnds = "|;:";
constexpr std::string_view kSigns = "+&#\xA7\xF5";

bool is_sign_at(std::string_view s, std::size_t i) {
  if (kSigns.find(s[i]) != std::string_view::npos) return true;
  return s[i] == '!' && i + 1 < s.size() && !is_blank(s[i + 1]);
}

bool letter_at(std::string_view s, std::size_t i) {
  return i < s.size() && is_letter(s[i]);
}

// The end of the word that starts at i: letters, and `-` or `'` with a letter on both sides.
std::size_t word_end(std::string_view s, std::size_t i) {
  while (i < s.size()) {
    if (kSigns.find(s[i]) != std::string_view::npos) break;
    if (is_letter(s[i])) {
      ++i;
    } else if ((s[i] == '-' || s[i] == '\'') && letter_at(s, i + 1) &&
               kSigns.find(s[i + 1]) == std::string_view::npos) {
      i += 2;
    } else {
      break;
    }
  }
  return i;
}

// The position after the remark that starts at i (or the end of an unclosed one).
std::size_t after_remark(std::string_view s, std::size_t i) {
  std::size_t close = s.find('}', i);
  return close == s.npos ? s.size() : close + 1;
}

// The first `=` of a clause outside remarks, or npos.
std::size_t example_mark(std::string_view clause) {
  for (std::size_t i = 0; i < clause.size(); ++i) {
    if (clause[i] == '{')
      i = after_remark(clause, i) - 1;
    else if (clause[i] == '=')
      return i;
  }
  return clause.npos;
}

void clause_words(std::string_view clause, int sense, std::vector<TextWord>& out) {
  std::size_t i = example_mark(clause);
  i = i == clause.npos ? 0 : i + 1;
  while (i < clause.size()) {
    if (clause[i] == '{') {
      i = after_remark(clause, i);
    } else if (is_sign_at(clause, i)) {
      i = word_end(clause, i + 1);
    } else if (is_letter(clause[i])) {
      std::size_t end = word_end(clause, i);
      bool glued = i > 0 && (clause[i - 1] == '-' || is_digit(clause[i - 1]));
      if (!glued) out.push_back({std::string(clause.substr(i, end - i)), sense});
      i = end;
    } else {
      ++i;
    }
  }
}

}  // namespace

std::vector<TextWord> text_words(std::string_view text, int sense) {
  std::vector<TextWord> out;
  std::size_t start = 0;
  for (std::size_t i = 0; i <= text.size(); ++i) {
    if (i < text.size() && text[i] == '{') {
      i = after_remark(text, i) - 1;
      continue;
    }
    if (i < text.size() && kClauseEnds.find(text[i]) == std::string_view::npos) continue;
    clause_words(text.substr(start, i - start), sense, out);
    if (i < text.size() && text[i] == '|') ++sense;
    start = i + 1;
  }
  return out;
}

std::string reversed(std::string_view word) {
  return std::string(word.rbegin(), word.rend());
}

}  // namespace velimora::mkdata
