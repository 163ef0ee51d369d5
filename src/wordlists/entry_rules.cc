#include "wordlists/entry_rules.h"

#include <algorithm>
#include <array>

#include "inflection/letters.h"
#include "text/charclass.h"
#include "text/primitives.h"

namespace velimora {
namespace {

using inflection::LetterSet;

// Any value of a numeric rule field.
constexpr int kAny = -1;

// A rule field naming letters: empty fits every letter.
bool letter_fits(const LetterSet& letters, char letter) {
  return letters.empty() || letters.contains(letter);
}

constexpr LetterSet kFinnishSides = "ic";
constexpr LetterSet kDanishSides = "tr";
constexpr LetterSet kDictionarySides = "ictr";

// The code table, by code (0: any code) and letter.
struct ClassRule {
  char code;
  LetterSet letters;
  ClassCode result;
};
constexpr ClassRule kClassRules[] = {
    {.code = '0', .letters = kFinnishSides, .result = {'0', 0, 0}},
    {.code = '2', .letters = kFinnishSides, .result = {'2', 2, 0}},
    {.code = '4', .letters = kFinnishSides, .result = {'4', 4, 0}},
    {.code = ' ', .letters = kFinnishSides, .result = {' ', 4, 0}},
    {.code = '5', .letters = kFinnishSides, .result = {'5', 4, 0}},
    {.code = '1', .letters = {}, .result = {'0', 0, 40}},
    {.code = 0, .letters = kDanishSides, .result = {'0', 0, 0}},
};

// The code table's rules name no letters, the Finnish sides or the Danish sides; which of them
// a list letter fits depends only on its group: 0 Finnish sides, 1 Danish sides, 2 others.
constexpr bool same_letters(const LetterSet& a, const LetterSet& b) {
  for (int c = 0; c < 256; ++c) {
    const char letter = static_cast<char>(static_cast<unsigned char>(c));
    if (a.contains(letter) != b.contains(letter)) return false;
  }
  return true;
}
static_assert(std::all_of(std::begin(kClassRules), std::end(kClassRules),
                          [](const ClassRule& r) {
                            return r.letters.empty() || same_letters(r.letters, kFinnishSides) ||
                                   same_letters(r.letters, kDanishSides);
                          }),
              "a class rule names a side the table below does not tell apart");
constexpr int side_group(char letter) {
  return kFinnishSides.contains(letter) ? 0 : kDanishSides.contains(letter) ? 1 : 2;
}
constexpr char kGroupLetters[] = {'i', 't', ' '};  // one letter of each group

// The code table worked out for every code and group: c0k is asked once per head variant of
// every line read, the rules would be walked each time.
using ClassCodes = std::array<std::array<std::optional<ClassCode>, 256>, 3>;
constexpr ClassCodes make_class_codes() {
  ClassCodes t{};
  for (int g = 0; g < 3; ++g) {
    for (int c = 0; c < 256; ++c) {
      const char code = static_cast<char>(static_cast<unsigned char>(c));
      for (const ClassRule& r : kClassRules) {
        if ((r.code == 0 || r.code == code) &&
            (r.letters.empty() || r.letters.contains(kGroupLetters[g]))) {
          t[g][c] = r.result;
          break;
        }
      }
    }
  }
  return t;
}
constexpr ClassCodes kClassCodes = make_class_codes();

// The ending rule: a candidate of this weight whose one-letter mark is among `marks` gets
// `ending`; `keep_mark` rows give the mark itself, `next_letter` rows the word's letter after
// the stem.
struct EndingRule {
  int weight;
  LetterSet letters;
  LetterSet marks;  // empty: any mark
  bool stem_not_d_or_s;
  bool keep_mark;
  std::string_view ending;
  bool next_letter = false;
};
constexpr EndingRule kEndingRules[] = {
    // The Danish rule marks are codes, not letters: the form shows the word's own letters.
    // købe: kø + B is the imperative køb; komme: ko + D is kom.
    {.weight = kAny,
     .letters = kDanishSides,
     .marks = "BD",
     .stem_not_d_or_s = false,
     .keep_mark = false,
     .ending = "",
     .next_letter = true},
    // henne: hen + C; cykel: cykl + R; museum: muse + M; the rest of the word is the ending's.
    {.weight = kAny,
     .letters = kDanishSides,
     .marks = "ACMRSZ",
     .stem_not_d_or_s = false,
     .keep_mark = false,
     .ending = ""},
    {.weight = kAny,
     .letters = kFinnishSides,
     .marks = "x",
     .stem_not_d_or_s = true,
     .keep_mark = false,
     .ending = "x"},
    {.weight = 0,
     .letters = {},
     .marks = " ",
     .stem_not_d_or_s = false,
     .keep_mark = false,
     .ending = ""},
    {.weight = 2,
     .letters = kFinnishSides,
     .marks = "Zwx",
     .stem_not_d_or_s = false,
     .keep_mark = false,
     .ending = ""},
    {.weight = 4,
     .letters = kFinnishSides,
     .marks = " Owx",
     .stem_not_d_or_s = false,
     .keep_mark = false,
     .ending = ""},
    {.weight = kAny,
     .letters = {},
     .marks = {},
     .stem_not_d_or_s = false,
     .keep_mark = true,
     .ending = ""},
};

bool ending_rule_fits(const EndingRule& r, char letter, int weight, std::string_view stem,
                      std::string_view mark) {
  if (r.weight != kAny && r.weight != weight) return false;
  if (!letter_fits(r.letters, letter)) return false;
  if (!r.marks.empty() && (mark.size() != 1 || !r.marks.contains(mark[0]))) return false;
  return !r.stem_not_d_or_s || stem.empty() || (stem.back() != 'd' && stem.back() != 's');
}

// The fix value, first fitting row.
struct FixRule {
  int weight;
  int alternation;
  char code;  // 0: any code
  LetterSet letters;
  int value;
};
constexpr FixRule kFixRules[] = {
    {.weight = 0, .alternation = kAny, .code = 0, .letters = kFinnishSides, .value = 3},
    {.weight = kAny, .alternation = 3, .code = 0, .letters = kFinnishSides, .value = 5},
    {.weight = kAny, .alternation = kAny, .code = '1', .letters = {}, .value = 5},
    {.weight = kAny, .alternation = kAny, .code = 0, .letters = "-", .value = 2},
    {.weight = kAny, .alternation = kAny, .code = 0, .letters = {}, .value = 1},
};

struct SideBase {
  char letter;
  int base;
};
constexpr SideBase kScoreBases[] = {{'i', 9002}, {'c', 9003}, {'t', 9072}, {'r', 9073}};

// The code field after a variant. Finnish: a blank, or a code digit and a blank, then an
// optional "_", "p" or "P" token with one blank. Danish: "1" before a blank (which stays),
// or nothing. Nothing when the field is malformed.
struct CodeField {
  char code;
  std::string_view rest;
};
std::optional<CodeField> danish_code(std::string_view s) {
  if (s.size() >= 2 && s[0] == '1' && s[1] == ' ') return CodeField{'1', s.substr(1)};
  return CodeField{' ', s};
}

constexpr LetterSet kFinnishCodes = "01245";
constexpr LetterSet kFieldLetters = "_pP";

std::optional<CodeField> finnish_code(std::string_view s) {
  CodeField field{' ', {}};
  if (!s.empty() && s[0] == ' ') {
    field.rest = s.substr(1);
  } else if (s.size() >= 2 && kFinnishCodes.contains(s[0]) && s[1] == ' ') {
    field = {s[0], s.substr(2)};
  } else {
    return std::nullopt;
  }
  // Only a token "_", "p" or "P" counts, so the token is read only when the first character
  // after the blanks is one of them (most fields have none).
  std::size_t first = 0;
  while (first < field.rest.size() && is_space(field.rest[first]))
    ++first;
  if (first == field.rest.size() || !kFieldLetters.contains(field.rest[first])) return field;
  std::optional<Split> token = take_token(field.rest);
  if (token && (token->front == "_" || token->front == "p" || token->front == "P")) {
    field.rest = token->rest;
    if (!field.rest.empty() && field.rest[0] == ' ') field.rest.remove_prefix(1);
  }
  return field;
}

std::optional<CodeField> code_field(char letter, std::string_view s) {
  return is_finnish_side(letter) ? finnish_code(s) : danish_code(s);
}

// The harmony vowels, in both code pages for the front vowels beyond a–z.
constexpr LetterSet kFrontVowels = "y\xE4\xF6\x84\x94";
constexpr LetterSet kBackVowels = "aou";
constexpr LetterSet kHarmonyVowels = "aeiouy\xE4\xF6\x84\x94";
constexpr LetterSet kAfterI = "aeouy\xE4\xF6\x84\x94";

}  // namespace

// The inline side tests of the header name the same letters as the rule tables' sets.
static_assert(same_letters(kDictionarySides, "ictr") && same_letters(kFinnishSides, "ic"));

VariantChain read_variants(char letter, std::string_view head, std::string_view body) {
  VariantChain chain;
  read_variants(letter, head, body, chain);
  return chain;
}

void read_variants(char letter, std::string_view head, std::string_view body, VariantChain& chain) {
  chain.variants.clear();
  if (!chain.joined.empty()) chain.joined.clear();  // few lines have "+" variants
  chain.tail = {};
  if (!head.empty() && head.back() == '-') {
    std::optional<CodeField> field = danish_code(body);
    chain.variants.push_back({head, field->code});
    chain.tail = field->rest;
    return;
  }
  std::string_view word = head;
  std::string_view rest = body;
  for (;;) {
    std::optional<CodeField> field = code_field(letter, rest);
    if (!field) break;
    chain.variants.push_back({word, field->code});
    rest = field->rest;
    if (rest.empty() || (rest[0] != '>' && rest[0] != '+')) break;
    const bool suffix = rest[0] == '+';
    rest.remove_prefix(1);
    std::size_t blank = rest.find(' ');
    std::string_view next = rest.substr(0, blank);
    if (suffix) {
      chain.joined.push_back(std::string(head) + std::string(next));
      next = chain.joined.back();
    }
    word = next;
    rest = blank == std::string_view::npos ? std::string_view() : rest.substr(blank + 1);
  }
  chain.tail = rest;
}

std::optional<ClassCode> c0k(char code, char letter) {
  return kClassCodes[side_group(letter)][static_cast<unsigned char>(code)];
}

std::string_view ne2(char letter, int weight, std::string_view stem, std::string_view mark,
                     std::string_view word) {
  for (const EndingRule& r : kEndingRules) {
    if (!ending_rule_fits(r, letter, weight, stem, mark)) continue;
    if (r.next_letter) return word.size() > stem.size() ? word.substr(stem.size(), 1) : "";
    return r.keep_mark ? mark : r.ending;
  }
  return mark;
}

int fix(char letter, char code, int alternation, int weight) {
  for (const FixRule& r : kFixRules) {
    if (r.weight != kAny && r.weight != weight) continue;
    if (r.alternation != kAny && r.alternation != alternation) continue;
    if (r.code != 0 && r.code != code) continue;
    if (letter_fits(r.letters, letter)) return r.value;
  }
  return 1;
}

int harm(std::string_view word) {
  int cost = 0;
  char unit = ' ';
  // The word from its last character to its first, followed by one blank.
  const std::size_t scan_size = word.size() + 1;
  auto scan = [&](std::size_t i) { return i < word.size() ? word[word.size() - 1 - i] : ' '; };
  std::size_t i = 0;
  for (;;) {
    if (kFrontVowels.contains(unit)) return 1;
    if (kBackVowels.contains(unit)) return 2;
    if (cost >= 14 || i >= scan_size) return 0;
    const char c = scan(i);
    const char next = i + 1 < scan_size ? scan(i + 1) : '\0';
    // A diphthong ending in i, or a long vowel, is one unit of the vowel before it.
    const bool diphthong = c == 'i' && next != '\0' && kAfterI.contains(next);
    const bool long_vowel = kHarmonyVowels.contains(c) && next == c;
    unit = diphthong ? next : c;
    cost += (diphthong || long_vowel || c == '/' || kHarmonyVowels.contains(c)) ? 10 : 1;
    i += (diphthong || long_vowel) ? 2 : 1;
  }
}

int score_base(char letter) {
  for (const SideBase& b : kScoreBases) {
    if (b.letter == letter) return b.base;
  }
  return 0;
}

}  // namespace velimora
