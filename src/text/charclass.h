// Windows-1252 character classes and case mapping, decided once for the whole program.
#ifndef VELIMORA_TEXT_CHARCLASS_H_
#define VELIMORA_TEXT_CHARCLASS_H_

#include <string>
#include <string_view>

namespace velimora {

enum class CharClass : unsigned char {
  kDigit,
  kLower,
  kUpper,
  kPunctuation,
  kBlank,
  kLineEnd,
  kEnd,
  kOther,
};

// The class of one Windows-1252 byte.
CharClass char_class(char c);

inline bool is_digit(char c) { return c >= '0' && c <= '9'; }
inline bool is_letter(char c) {
  CharClass k = char_class(c);
  return k == CharClass::kLower || k == CharClass::kUpper;
}
inline bool is_blank(char c) { return c == ' ' || c == '\t'; }
// Blank or line end: what `take_token` skips.
inline bool is_space(char c) {
  CharClass k = char_class(c);
  return k == CharClass::kBlank || k == CharClass::kLineEnd;
}

// One byte through the code page's case mappings; bytes without a counterpart are unchanged.
char lower_char(char c);
char upper_char(char c);

// `to_lower` / `to_upper`: converted copies.
std::string to_lower(std::string_view s);
std::string to_upper(std::string_view s);

}  // namespace velimora

#endif  // VELIMORA_TEXT_CHARCLASS_H_
