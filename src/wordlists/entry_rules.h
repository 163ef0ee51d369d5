// The rules by which a dictionary entry is read and a match is scored: the chain of head
// variants, the inflection class codes, the ending and fix values and the vowel harmony.
#ifndef VELIMORA_WORDLISTS_ENTRY_RULES_H_
#define VELIMORA_WORDLISTS_ENTRY_RULES_H_

#include <deque>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace velimora {

// True for the dictionary sides: the dictionaries i and t and their compound lists c and r.
// Inline: asked for every line a search reads.
constexpr bool is_dictionary_side(char letter) {
  return letter == 'i' || letter == 'c' || letter == 't' || letter == 'r';
}
// True for the Finnish dictionary sides i and c.
constexpr bool is_finnish_side(char letter) {
  return letter == 'i' || letter == 'c';
}

// One head variant of an entry: its word and its class code (blank: no class given).
struct HeadVariant {
  std::string_view word;  // a view into the line read or into the chain's joined words
  char code = ' ';
};

// The variants of an entry in the order they stand, and the text after the last one. The views
// point into the line read, which must outlive their use. Move-only: a copy's views would
// point into the original's joined words.
struct VariantChain {
  VariantChain() = default;
  VariantChain(VariantChain&&) = default;
  VariantChain& operator=(VariantChain&&) = default;
  VariantChain(const VariantChain&) = delete;
  VariantChain& operator=(const VariantChain&) = delete;

  std::vector<HeadVariant> variants;
  std::string_view tail;
  // The words of "+" variants (head + suffix), which the line does not spell out: a deque, so
  // that they stay in place as more are added and when the chain is moved.
  std::deque<std::string> joined;
};

// Reads the chain of ">" + head + " " + body: the head word, then after each variant its code
// field (Finnish sides: a blank or one of 0 1 2 4 5 and a blank, then an optional "_", "p"
// or "P" token; Danish sides: "1" before a blank, or nothing), and a further variant after
// ">" (a word) or "+" (head + suffix). A malformed code field ends the chain before its
// variant. A head ending in "-" is the only variant, its code read by the Danish rule.
VariantChain read_variants(char letter, std::string_view head, std::string_view body);
// The same into `chain`, reusing its storage (for the matcher's line loop).
void read_variants(char letter, std::string_view head, std::string_view body, VariantChain& chain);

// `c0k`: the class character, the kind of a one-letter word and the class bonus of a code.
struct ClassCode {
  char class_char;
  int kind;
  int bonus;
};
std::optional<ClassCode> c0k(char code, char letter);

// `ne2`: the ending a stem candidate's mark adds to its form (a view into `mark` or `word`,
// the dictionary word the stem was cut from).
std::string_view ne2(char letter, int weight, std::string_view stem, std::string_view mark,
                     std::string_view word);

// `fix`: the fix part of a candidate's position value.
int fix(char letter, char code, int alternation, int weight);

// `harm`: the vowel harmony of a Finnish word: 1 front, 2 back, 0 undecided.
int harm(std::string_view word);

// The score base of a dictionary side (i 9002, c 9003, t 9072, r 9073; 0 for other lists).
int score_base(char letter);

}  // namespace velimora

#endif  // VELIMORA_WORDLISTS_ENTRY_RULES_H_
