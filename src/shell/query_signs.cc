#include "shell/query_signs.h"

#include <array>

#include "tables/query_tables.h"
#include "text/primitives.h"

namespace velimora {
namespace {

// The sign characters in the order they may stand, and which count each run adds to.
enum class Count { kDash, kComma, kPlus, kDash2, kUnderscore, kDropped };
struct SignRun {
  char sign;
  Count count;
};
constexpr SignRun kSignOrder[] = {
    {.sign = '-', .count = Count::kDash},     {.sign = ',', .count = Count::kComma},
    {.sign = '&', .count = Count::kDropped},  {.sign = '+', .count = Count::kPlus},
    {.sign = '-', .count = Count::kDash2},    {.sign = '_', .count = Count::kUnderscore},
    {.sign = '>', .count = Count::kDropped},  {.sign = '%', .count = Count::kDropped},
    {.sign = '=', .count = Count::kDropped},  {.sign = '\xA7', .count = Count::kDropped},  // §
    {.sign = '#', .count = Count::kDropped},  {.sign = '!', .count = Count::kDropped},
    {.sign = ';', .count = Count::kDropped},
};

// The level and display mode of a sign combination, first matching row.
struct ModeRule {
  bool (*fits)(const QuerySigns&);
  LevelAndMode result;
};
constexpr ModeRule kModeRules[] = {
    {[](const QuerySigns& s) { return s.underscore == 1; }, {0, 4}},             // _W
    {[](const QuerySigns& s) { return s.comma == 1 && s.dash2 == 1; }, {1, 1}},  // ,-W
    {[](const QuerySigns& s) { return s.comma == 1 && s.plus == 1; }, {0, 2}},   // ,+W
    {[](const QuerySigns& s) { return s.comma == 1; }, {0, 5}},                  // ,W
    {[](const QuerySigns& s) { return s.plus == 1 && s.dash2 == 1; }, {0, 7}},   // +-W
};

struct Description {
  std::string_view code;
  std::string_view text;
};
constexpr Description kDescriptions[] = {
    {"o", " : Finnish words in I"},
    {"s", " : Finnish words in the text of T"},
    {"n", " : Danish words in T"},
    {"y", " : Danish words in the text of I"},
    {"0", " : simplest analysis/analyses"},
};

struct KindCode {
  int kind;
  std::string_view code;
};
constexpr KindCode kKindCodes[] = {
    {kHitFinnishInI, "o"}, {kHitFinnishInT, "s"}, {kHitDanishInT, "n"}, {kHitDanishInI, "y"}};

// Bytes that may stand in a word key, beyond ASCII letters and digits.
constexpr std::string_view kWordBytes =
    "\xC6\xD8\xC5\xE1\xE2\xE0\xE9\xEA\xE8\xEB\xC9\xFB\xE6\xF8\xE5\xC4\xD6\xE4\xF6"  // Æ Ø Å á …
    "#._-()%\xCF\xA4\xF5\xA7"
    "&=,'/|\\:<>";

bool is_word_char(char c) {
  return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') ||
         kWordBytes.find(c) != std::string_view::npos;
}

}  // namespace

QuerySigns read_signs(std::string_view query) {
  QuerySigns out;
  std::string_view s = query;
  while (!s.empty() && s[0] == ' ') s.remove_prefix(1);
  for (const SignRun& run : kSignOrder) {
    int n = 0;
    while (!s.empty() && s[0] == run.sign) {
      s.remove_prefix(1);
      ++n;
    }
    switch (run.count) {
      case Count::kDash: out.dash += n; break;
      case Count::kComma: out.comma += n; break;
      case Count::kPlus: out.plus += n; break;
      case Count::kDash2: out.dash2 += n; break;
      case Count::kUnderscore: out.underscore += n; break;
      case Count::kDropped: break;
    }
  }
  out.word = std::string(s);
  return out;
}

std::optional<LevelAndMode> level_and_mode(const QuerySigns& s) {
  for (const ModeRule& rule : kModeRules) {
    if (rule.fits(s)) return rule.result;
  }
  if (s.dash < 3 && s.plus < 2) return LevelAndMode{s.dash, s.plus};  // "", +, -, --
  return std::nullopt;
}

std::string_view code_description(std::string_view code) {
  for (const Description& d : kDescriptions) {
    if (d.code == code) return d.text;
  }
  return "";
}

std::optional<std::string> code_of_kind(int kind, int number) {
  for (const KindCode& k : kKindCodes) {
    if (k.kind == kind) return std::string(k.code);
  }
  if (number < 0) return std::nullopt;
  return int_to_text(number);
}

std::optional<std::string> frontt(std::string_view s) {
  std::size_t n = 0;
  while (n < s.size() && is_word_char(s[n])) ++n;
  if (n == 0) return std::nullopt;
  return std::string(s.substr(0, n));
}

}  // namespace velimora
