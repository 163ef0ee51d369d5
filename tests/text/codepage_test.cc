#include "text/codepage.h"

#include <gtest/gtest.h>

namespace velimora {
namespace {

TEST(Codepage, EveryByteRoundTrips) {
  for (int b = 1; b < 256; ++b) {
    std::string one(1, static_cast<char>(b));
    Result<std::string> back = utf8_to_cp1252(cp1252_to_utf8(one));
    ASSERT_TRUE(back) << b;
    EXPECT_EQ(*back, one) << b;
  }
}

TEST(Codepage, ConvertsKnownLetters) {
  static const struct {
    const char* utf8;
    const char* cp1252;
  } kCases[] = {
      {"k\xC3\xA4si", "k\xE4si"},         // käsi
      {"\xC3\xB8re", "\xF8re"},           // øre
      {"\xE2\x82\xAC", "\x80"},           // €
      {"\xE2\x80\x9E", "\x84"},           // „
      {"\xC5\xA0", "\x8A"},               // Š
  };
  for (const auto& c : kCases) {
    Result<std::string> r = utf8_to_cp1252(c.utf8);
    ASSERT_TRUE(r) << c.utf8;
    EXPECT_EQ(*r, c.cp1252) << c.utf8;
    EXPECT_EQ(cp1252_to_utf8(c.cp1252), c.utf8);
  }
}

TEST(Codepage, RejectsWhatItCannotHoldWithAPosition) {
  static const struct {
    const char* utf8;
    const char* message_part;
  } kCases[] = {
      {"ab\xE2\x88\x9E", "at byte 2"},  // ∞
      {"\xD0\x96", "U+0416"},           // Ж
      {"a\xC3", "malformed UTF-8 at byte 1"},
      {"\xC0\xAF", "malformed"},        // overlong
      {"\xF0\x9F\x98\x80", "U+1F600"},
  };
  for (const auto& c : kCases) {
    Result<std::string> r = utf8_to_cp1252(c.utf8);
    ASSERT_FALSE(r) << c.utf8;
    EXPECT_NE(r.error().find(c.message_part), std::string::npos) << r.error();
  }
}

TEST(Codepage, EscapesOnlyTheBytesThatAreNotUtf8) {
  static const struct {
    const char* in;
    const char* out;
  } kCases[] = {
      {"talo", "talo"},
      {"k\xC3\xA4\xC3\xA4", "k\xC3\xA4\xC3\xA4"},  // well-formed stays
      {"x\xFFy", "x\\xFFy"},
      {"ta\xC3", "ta\\xC3"},                      // a sequence cut short
      {"\xC0\xAF", "\\xC0\\xAF"},                 // an overlong '/'
      {"\xED\xA0\x80", "\\xED\\xA0\\x80"},        // a surrogate
      {"\xE4\xE2\x82\xAC", "\\xE4\xE2\x82\xAC"},  // a Latin-1 byte before a euro sign
  };
  for (const auto& c : kCases)
    EXPECT_EQ(escape_invalid_utf8(c.in), c.out) << c.in;
}

}  // namespace
}  // namespace velimora
