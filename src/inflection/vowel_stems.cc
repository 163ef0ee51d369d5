#include "inflection/vowel_stems.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <iterator>

namespace velimora::inflection {
namespace {

// clang-format off
// The long-vowel list uo0. \x84 a: and \x94 o: are code page 850, \xE4 a: and \xF6 o:
// Windows-1252; each pair is spelled in one encoding only (no mixed pairs).
constexpr std::string_view kUo0[] = {
  "aa", "ai", "au", "ee", "ei", "eu", "ie", "ii", "iu", "oi", "oo", "ou", "ui", "uo", "uu",
  "yi", "yy",
  "y\x94", "\x84i", "\x84y", "\x84\x84", "\x94i", "\x94y", "\x94\x94",  // yo: a:i a:y a:a: o:i o:y o:o:
  "y\xF6", "\xE4i", "\xE4y", "\xE4\xE4", "\xF6i", "\xF6y", "\xF6\xF6",  // the same, Windows-1252
};

// The plural-i shortening table uo.
constexpr UoRow kUo[] = {
  // ending       found        letters
  { "aa",         "ai",        "a"        },
  { "oo",         "oi",        "o"        },
  { "uu",         "ui",        "u"        },
  { "yy",         "yi",        "y"        },
  { "\x84\x84",   "\x84i",     "\x84"     },  // a:a: a:i a:   (850)
  { "\xE4\xE4",   "\xE4i",     "\xE4"     },  // a:a: a:i a:   (1252)
  { "\x94\x94",   "\x94i",     "\x94"     },  // o:o: o:i o:   (850)
  { "\xF6\xF6",   "\xF6i",     "\xF6"     },  // o:o: o:i o:   (1252)
  { "ie",         "ei",        "e"        },
  { "uo",         "oi",        "o"        },
  { "y\x94",      "\x94i",     "\x94"     },  // yo: o:i o:   (850)
  { "y\xF6",      "\xF6i",     "\xF6"     },  // yo: o:i o:   (1252)
  { "\x84y",      "\x84v",     "\x84v"    },  // a:y a:v a:v  (850)
  { "\xE4y",      "\xE4v",     "\xE4v"    },  // a:y a:v a:v  (1252)
};

// The verb vowel-harmony sets ms2.
struct HarmonyRow {
  char last;      // the word's last letter
  LetterSet set;  // the letters allowed second-last
};
constexpr HarmonyRow kMs2[] = {
  { 'a',              "aeiou"                   },
  { letter::kAe850,   "eiy\x84\xE4\x94\xF6"     },  // a: (850)  -> e i y a: o:
  { letter::kAe1252,  "eiy\x84\xE4\x94\xF6"     },  // a: (1252): the data folder's a:, as in the other tables
};
// clang-format on

static_assert(std::size(kUo0) == 24 + 7);

// The pairs of kUo0 as bits of a table indexed by the two bytes, so that the test, asked for
// nearly every dictionary word, is one look-up instead of a walk over the list.
struct PairBits {
  std::array<std::uint64_t, 256 * 256 / 64> bits{};
  static constexpr std::size_t index(char a, char b) {
    return static_cast<unsigned char>(a) * std::size_t{256} + static_cast<unsigned char>(b);
  }
  constexpr bool holds(std::string_view pair) const {
    if (pair.size() != 2) return false;
    const std::size_t i = index(pair[0], pair[1]);
    return ((bits[i / 64] >> (i % 64)) & 1) != 0;
  }
};

constexpr PairBits make_pair_bits() {
  PairBits p;
  for (std::string_view pair : kUo0) {
    const std::size_t i = PairBits::index(pair[0], pair[1]);
    p.bits[i / 64] |= std::uint64_t{1} << (i % 64);
  }
  return p;
}
constexpr PairBits kUo0Bits = make_pair_bits();
static_assert(std::all_of(std::begin(kUo0), std::end(kUo0),
                          [](std::string_view p) { return p.size() == 2; }),
              "every long vowel is a pair");

}  // namespace

std::span<const std::string_view> long_vowel_list() { return kUo0; }
bool uo0(std::string_view pair) { return kUo0Bits.holds(pair); }

std::span<const UoRow> shortening_table() { return kUo; }

std::optional<std::string_view> uo(std::string_view ending, std::string_view found) {
  for (const UoRow& row : kUo) {
    if (row.ending == ending && row.found == found) return row.letters;
  }
  return std::nullopt;
}

bool uo1(std::string_view ending, std::string_view found, UoSink sink) {
  if (found == ending) {
    if (!uo0(ending)) return true;
    if (!sink({ending, 0})) return false;
    // The ending is Y followed by 'i', with Y not 'i'.
    if (ending.size() == 2 && ending[1] == 'i' && ending[0] != 'i') {
      return sink({ending.substr(0, 1), 1});
    }
    return true;
  }
  if (const auto letters = uo(ending, found)) return sink({*letters, 1});
  return true;
}

bool juo(std::size_t k, std::string_view form, std::string_view prefix, std::string_view ending,
         JuoSink sink) {
  if (form.size() < k + 2 || form.substr(0, k) != prefix) return true;
  const std::string_view found = form.substr(k, 2);
  return uo1(ending, found, [&](const UoAlt& alt) { return sink({prefix, alt.letters, alt.cls}); });
}

const LetterSet* ms2(char last) {
  for (const HarmonyRow& row : kMs2) {
    if (row.last == last) return &row.set;
  }
  return nullptr;
}

}  // namespace velimora::inflection
