#include "text/charclass.h"

#include <array>

namespace velimora {
namespace {

struct Tables {
  std::array<CharClass, 256> cls{};
  std::array<unsigned char, 256> lower{};
  std::array<unsigned char, 256> upper{};
};

// Upper/lower pairs of Windows-1252 beyond ASCII: Š š, Œ œ, Ž ž, Ÿ ÿ, and À–Þ / à–þ but × ÷.
struct CasePair {
  unsigned char upper;
  unsigned char lower;
};
constexpr CasePair kExtraPairs[] = {
    {.upper = 0x8A, .lower = 0x9A},
    {.upper = 0x8C, .lower = 0x9C},
    {.upper = 0x8E, .lower = 0x9E},
    {.upper = 0x9F, .lower = 0xFF},
};
// Lower-case letters with no upper-case partner in the code page: ƒ µ ß.
constexpr unsigned char kLoneLower[] = {0x83, 0xB5, 0xDF};
// The punctuation class by code.
constexpr unsigned char kPunctuation[] = {33, 34, 36, 37, 39, 40, 41, 42, 43, 44,  45, 46,
                                          47, 58, 59, 60, 61, 62, 91, 93, 95, 124, 126};

constexpr Tables build() {
  Tables t;
  for (int i = 0; i < 256; ++i) {
    t.cls[i] = CharClass::kOther;
    t.lower[i] = t.upper[i] = static_cast<unsigned char>(i);
  }
  auto pair = [&t](int up, int low) {
    t.cls[up] = CharClass::kUpper;
    t.cls[low] = CharClass::kLower;
    t.lower[up] = static_cast<unsigned char>(low);
    t.upper[low] = static_cast<unsigned char>(up);
  };
  for (int c = 'A'; c <= 'Z'; ++c)
    pair(c, c + 32);
  for (int c = 0xC0; c <= 0xDE; ++c) {
    if (c != 0xD7) pair(c, c + 32);  // × and ÷ are not letters
  }
  for (const CasePair& p : kExtraPairs)
    pair(p.upper, p.lower);
  for (unsigned char c : kLoneLower)
    t.cls[c] = CharClass::kLower;
  for (int c = '0'; c <= '9'; ++c)
    t.cls[c] = CharClass::kDigit;
  for (unsigned char c : kPunctuation)
    t.cls[c] = CharClass::kPunctuation;
  t.cls['\t'] = t.cls[' '] = CharClass::kBlank;
  for (int c = 10; c <= 13; ++c)
    t.cls[c] = CharClass::kLineEnd;
  t.cls[26] = CharClass::kLineEnd;
  t.cls[0] = CharClass::kEnd;
  return t;
}

constexpr Tables kTables = build();

}  // namespace

namespace charclass_detail {
const std::array<CharClass, 256> kClass = kTables.cls;
const std::array<unsigned char, 256> kLower = kTables.lower;
const std::array<unsigned char, 256> kUpper = kTables.upper;
}  // namespace charclass_detail

std::string to_lower(std::string_view s) {
  std::string out(s);
  for (char& c : out)
    c = lower_char(c);
  return out;
}

std::string to_upper(std::string_view s) {
  std::string out(s);
  for (char& c : out)
    c = upper_char(c);
  return out;
}

}  // namespace velimora
