#include "mkdata/synthetic.h"

#include <cstdint>
#include <string_view>
#include <unordered_set>
#include <vector>

#include "mkdata/lists.h"

namespace velimora::mkdata {
namespace {

// splitmix64: small, fast and the same on every machine.
class Rng {
 public:
  explicit Rng(std::uint64_t seed) : state_(seed) {}
  std::uint64_t next() {
    std::uint64_t z = (state_ += 0x9E3779B97F4A7C15ull);
    z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
    z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
    return z ^ (z >> 31);
  }
  std::size_t below(std::size_t n) { return static_cast<std::size_t>(next() % n); }
  bool chance(int percent) { return below(100) < static_cast<std::size_t>(percent); }
  template <class T>
  const T& pick(const std::vector<T>& v) {
    return v[below(v.size())];
  }

 private:
  std::uint64_t state_;
};

// Sound material of the two languages; Finnish vowels come in back and front sets.
constexpr std::string_view kFinnishOnsets[] = {"p", "t", "k", "m", "n", "l", "r", "s",
                                               "v", "h", "j", "",  "k", "t", "s", "l"};
constexpr std::string_view kBackVowels[] = {"a", "o", "u", "aa", "uo", "ai", "e", "i", "ou"};
constexpr std::string_view kFrontVowels[] = {"\xE4",  "\xF6", "y", "\xE4\xE4", "y\xF6",
                                             "\xE4i", "e",    "i", "ie"};
constexpr std::string_view kFinnishCodas[] = {"", "", "", "n", "s", "t", "l", "r"};
constexpr std::string_view kFinnishEndings[] = {"", "", "", "nen", "inen", "ja", "us", "ton"};

constexpr std::string_view kDanishOnsets[] = {"b",  "d",  "f",  "g",  "h",  "k",  "l",  "m",
                                              "n",  "p",  "r",  "s",  "t",  "v",  "sk", "st",
                                              "sp", "tr", "kr", "br", "gr", "fl", "bl", "j"};
constexpr std::string_view kDanishVowels[] = {"a", "e", "i", "o", "u", "y", "\xE6", "\xF8", "\xE5"};
constexpr std::string_view kDanishCodas[] = {"", "n", "r", "l", "s", "t", "d", "ng", "nd", "st"};
constexpr std::string_view kDanishEndings[] = {"", "", "e", "en", "er", "et", "ning", "hed"};

constexpr char kFinnishCodes[] = {' ', ' ', '0', '1', '2', '4', '5'};
constexpr std::string_view kFinnishSuffixes[] = {"nen", "sti", "ja", "lla"};
constexpr std::string_view kDanishSuffixes[] = {"e", "en", "et", "er", "ne"};

template <class T, std::size_t N>
const T& pick(Rng& rng, const T (&a)[N]) {
  return a[rng.below(N)];
}

// Makes words never made before.
class WordMaker {
 public:
  explicit WordMaker(Rng& rng) : rng_(rng) {}

  std::string finnish() {
    for (;;) {
      bool back = rng_.chance(60);
      std::string w;
      std::size_t syllables = 2 + rng_.below(3);
      for (std::size_t s = 0; s < syllables; ++s) {
        w += pick(rng_, kFinnishOnsets);
        w += back ? pick(rng_, kBackVowels) : pick(rng_, kFrontVowels);
        if (s + 1 < syllables) w += pick(rng_, kFinnishCodas);
      }
      w += pick(rng_, kFinnishEndings);
      if (fresh(w)) return w;
    }
  }

  std::string danish() {
    for (;;) {
      std::string w;
      std::size_t syllables = 1 + rng_.below(3);
      for (std::size_t s = 0; s < syllables; ++s) {
        w += pick(rng_, kDanishOnsets);
        w += pick(rng_, kDanishVowels);
        w += pick(rng_, kDanishCodas);
      }
      w += pick(rng_, kDanishEndings);
      if (fresh(w)) return w;
    }
  }

  // Claims a word built elsewhere (a compound); false when it exists already.
  bool fresh(const std::string& w) { return used_.insert(w).second; }

 private:
  Rng& rng_;
  std::unordered_set<std::string> used_;
};

// Appends one source line with the next line number.
void add(SourceFile& f, std::string text) {
  f.lines.push_back({static_cast<int>(f.lines.size()) + 1, std::move(text)});
}

std::string finnish_code(char c) {
  return c == ' ' ? " " : std::string(1, c) + " ";
}

// A few translations in one or two senses, now and then with a remark or a headword sign.
std::string danish_text(Rng& rng, const std::vector<std::string>& danish) {
  std::string t = rng.pick(danish);
  if (rng.chance(15)) t += ", " + rng.pick(danish);
  if (rng.chance(15)) t += " {" + rng.pick(danish) + "}";
  if (rng.chance(10)) t += " | +ssa " + rng.pick(danish);
  return t;
}

std::string finnish_text(Rng& rng, const std::vector<std::string>& finnish) {
  std::string t = rng.pick(finnish) + ", " + rng.pick(finnish);
  if (rng.chance(40)) t += " | " + rng.pick(finnish);
  if (rng.chance(10)) t += " {+et} " + rng.pick(finnish);
  return t;
}

std::size_t count(int lines_per_part, char letter, int percent = 100) {
  return static_cast<std::size_t>(lines_per_part) * static_cast<std::size_t>(part_count(letter)) *
         static_cast<std::size_t>(percent) / 100;
}

}  // namespace

Sources synthetic_sources(int lines_per_part) {
  Rng rng(0x5EED0000ull + static_cast<std::uint64_t>(lines_per_part));
  WordMaker words(rng);
  Sources s;
  s.fi_da = {.path = "synthetic/fi-da.txt", .name = "fi-da.txt", .lines = {}};
  s.fi_compounds = {.path = "synthetic/fi-compounds.txt", .name = "fi-compounds.txt", .lines = {}};
  s.da_fi = {.path = "synthetic/da-fi.txt", .name = "da-fi.txt", .lines = {}};
  s.da_compounds = {.path = "synthetic/da-compounds.txt", .name = "da-compounds.txt", .lines = {}};
  s.pocket = {.path = "synthetic/pocket.txt", .name = "pocket.txt", .lines = {}};

  std::vector<std::string> finnish, danish;
  for (std::size_t k = count(lines_per_part, 'i'); k > 0; --k)
    finnish.push_back(words.finnish());
  for (std::size_t k = count(lines_per_part, 't'); k > 0; --k)
    danish.push_back(words.danish());

  for (const std::string& head : finnish) {
    std::string line = head + " " + finnish_code(pick(rng, kFinnishCodes));
    if (rng.chance(3)) line += ">" + words.finnish() + " " + finnish_code(pick(rng, kFinnishCodes));
    if (rng.chance(3)) line += "+" + std::string(pick(rng, kFinnishSuffixes)) + "  ";
    add(s.fi_da, line + danish_text(rng, danish));
    if (rng.chance(50)) add(s.pocket, head);
  }
  for (const std::string& head : danish) {
    std::string line = head + " ";
    if (rng.chance(17)) line += "+" + std::string(pick(rng, kDanishSuffixes)) + " ";
    if (rng.chance(20)) line += "1 ";
    add(s.da_fi, line + finnish_text(rng, finnish));
  }
  // Compounds join two headwords; a few entries are first parts ending in a hyphen. The list
  // c is kept below its full size: each of its entries also lands in the lists o, y and a.
  for (std::size_t k = count(lines_per_part, 'c', 65); k > 0;) {
    std::string w = rng.pick(finnish) + (rng.chance(5) ? "-" : rng.pick(finnish));
    if (!words.fresh(w)) continue;
    add(s.fi_compounds, w + "  " + rng.pick(danish));
    --k;
  }
  for (std::size_t k = count(lines_per_part, 'r'); k > 0;) {
    std::string w = rng.pick(danish) + rng.pick(danish);
    if (!words.fresh(w)) continue;
    add(s.da_compounds, w + " " + rng.pick(finnish));
    --k;
  }
  return s;
}

}  // namespace velimora::mkdata
