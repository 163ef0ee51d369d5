#include "text/charclass.h"

#include <gtest/gtest.h>

namespace velimora {
namespace {

TEST(CharClass, ClassifiesEveryKindOfByte) {
  static const struct {
    unsigned char byte;
    CharClass cls;
  } kCases[] = {
      {'0', CharClass::kDigit},        {'9', CharClass::kDigit},
      {'a', CharClass::kLower},        {0xE4, CharClass::kLower},  // ä
      {0xDF, CharClass::kLower},       {0xFF, CharClass::kLower},  // ß ÿ
      {'Z', CharClass::kUpper},        {0xC5, CharClass::kUpper},  // Å
      {0xD8, CharClass::kUpper},       {0x8A, CharClass::kUpper},  // Ø Š
      {'!', CharClass::kPunctuation},  {'_', CharClass::kPunctuation},
      {'~', CharClass::kPunctuation},  {'|', CharClass::kPunctuation},
      {'\t', CharClass::kBlank},       {' ', CharClass::kBlank},
      {'\n', CharClass::kLineEnd},     {'\r', CharClass::kLineEnd},
      {26, CharClass::kLineEnd},       {0, CharClass::kEnd},
      {'#', CharClass::kOther},        {'&', CharClass::kOther},
      {'\\', CharClass::kOther},       {'{', CharClass::kOther},
      {0xD7, CharClass::kOther},       {0xF7, CharClass::kOther},  // × ÷
      {0x84, CharClass::kOther},       {0xA7, CharClass::kOther},  // „ §
  };
  for (const auto& c : kCases) {
    EXPECT_EQ(char_class(static_cast<char>(c.byte)), c.cls) << "byte " << int(c.byte);
  }
}

TEST(CharClass, ExactlyTwentyThreePunctuationCharacters) {
  int n = 0;
  for (int b = 0; b < 256; ++b) n += char_class(static_cast<char>(b)) == CharClass::kPunctuation;
  EXPECT_EQ(n, 23);
}

TEST(CaseMapping, MapsNordicLettersBothWaysAndLeavesOthers) {
  static const struct {
    const char* in;
    const char* upper;
    const char* lower;
  } kCases[] = {
      {"\xE4iti", "\xC4ITI", "\xE4iti"},                    // äiti
      {"\xD8RE", "\xD8RE", "\xF8re"},                       // ØRE
      {"\xE6\xF8\xE5\xE9", "\xC6\xD8\xC5\xC9", "\xE6\xF8\xE5\xE9"},
      {"\xDF\xB5-1", "\xDF\xB5-1", "\xDF\xB5-1"},           // ß µ have no partner
      {"\x9A\xFF", "\x8A\x9F", "\x9A\xFF"},                 // š ÿ
  };
  for (const auto& c : kCases) {
    EXPECT_EQ(to_upper(c.in), c.upper) << c.in;
    EXPECT_EQ(to_lower(c.in), c.lower) << c.in;
  }
}

}  // namespace
}  // namespace velimora
