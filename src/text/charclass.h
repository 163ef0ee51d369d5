// Windows-1252 character classes and case mapping, decided once for the whole program.
#ifndef VELIMORA_TEXT_CHARCLASS_H_
#define VELIMORA_TEXT_CHARCLASS_H_

#include <array>
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

namespace charclass_detail {
// The tables behind the inline functions below, filled when the program is compiled; they are
// read in the innermost loops of the analysis, so the look-up must not cost a call.
extern const std::array<CharClass, 256> kClass;
extern const std::array<unsigned char, 256> kLower;
extern const std::array<unsigned char, 256> kUpper;
}  // namespace charclass_detail

// The class of one Windows-1252 byte.
inline CharClass char_class(char c) {
  return charclass_detail::kClass[static_cast<unsigned char>(c)];
}

inline bool is_digit(char c) {
  return c >= '0' && c <= '9';
}
inline bool is_letter(char c) {
  CharClass k = char_class(c);
  return k == CharClass::kLower || k == CharClass::kUpper;
}
inline bool is_blank(char c) {
  return c == ' ' || c == '\t';
}
// Blank or line end: what `take_token` skips.
inline bool is_space(char c) {
  CharClass k = char_class(c);
  return k == CharClass::kBlank || k == CharClass::kLineEnd;
}

// One byte through the code page's case mappings; bytes without a counterpart are unchanged.
inline char lower_char(char c) {
  return static_cast<char>(charclass_detail::kLower[static_cast<unsigned char>(c)]);
}
inline char upper_char(char c) {
  return static_cast<char>(charclass_detail::kUpper[static_cast<unsigned char>(c)]);
}

// `to_lower` / `to_upper`: converted copies.
std::string to_lower(std::string_view s);
std::string to_upper(std::string_view s);

}  // namespace velimora

#endif  // VELIMORA_TEXT_CHARCLASS_H_
