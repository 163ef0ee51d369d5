#include "wordlists/list_helpers.h"

#include "inflection/letters.h"
#include "text/primitives.h"

namespace velimora {

LastSplit sidst1(std::string_view s) {
  if (s.empty()) return {};
  return {static_cast<int>(s.size()), s.substr(0, s.size() - 1), s.substr(s.size() - 1)};
}

CodedText fig(std::string_view s) {
  if (!s.empty() && s[0] == ':') return {2, s.substr(1)};
  if (!s.empty() && s[0] == '.') return {1, s.substr(1)};
  return {0, s};
}

bool fip2(std::string_view rest) { return !has_token(rest); }

int fip1(std::string_view line, int sense) {
  if (sense != 1) return sense;
  std::size_t bar = line.find('|');
  std::string_view after = bar == std::string_view::npos ? std::string_view() : line.substr(bar + 1);
  return fip2(after) ? 0 : sense;
}

bool mcs(char c, char current, std::string_view s) {
  return c == current || s.find(c) != std::string_view::npos;
}

std::optional<std::string> m2s_value(std::string_view key, std::span<const std::string> list) {
  for (std::size_t i = 0; i + 1 < list.size(); i += 2) {
    if (list[i] == key) return list[i + 1];
  }
  return std::nullopt;
}

std::optional<std::string> m2s_key(std::string_view value, std::span<const std::string> list) {
  for (std::size_t i = 0; i + 1 < list.size(); i += 2) {
    if (list[i + 1] == value) return list[i];
  }
  return std::nullopt;
}

bool m2s_has(std::string_view key, std::string_view value, std::span<const std::string> list) {
  for (std::size_t i = 0; i + 1 < list.size(); i += 2) {
    if (list[i] == key && list[i + 1] == value) return true;
  }
  return false;
}

bool is_vokal_char(char c) {
  // a e i o u y æ ø å and capitals, á é ä Ä ö Ö, `/`; beyond a–z in Windows-1252 and in
  // code page 850.
  static constexpr inflection::LetterSet kVowels =
      "aeiouyAEIOUY/"
      "\xE6\x91\xF8\x9B\xE5\x86\xC6\x92\xD8\x9D\xC5\x8F"
      "\xE1\xA0\xE9\x82\xE4\x84\xC4\x8E\xF6\x94\xD6\x99";
  return kVowels.contains(c);
}

bool vokal(std::string_view s, char c) {
  if (is_vokal_char(c)) return true;
  for (char x : s) {
    if (is_vokal_char(x)) return true;
  }
  return false;
}

bool valh(int mode, int a, int b) {
  if (mode == 2) return valh(1, b, a);
  if (mode != 1) return false;
  int da = ((a % 10) + 10) % 10;
  int db = ((b % 10) + 10) % 10;
  return da % 3 == 0 || db < 3;
}

}  // namespace velimora
