// The 37 Finnish stem rules (operation `ficc`).
#pragma once

#include <optional>
#include <span>
#include <string_view>

#include "inflection/function_ref.h"
#include "inflection/letters.h"
#include "inflection/stem_candidate.h"

namespace velimora::inflection {

// The inputs the Finnish rules read.
struct FinnishInput {
  std::string_view w;      // W, the dictionary word
  int n;                   // its number of letters
  std::string_view front;  // W without its last letter
  std::string_view f;      // F, the typed form
  std::string_view p;      // head P
  std::string_view r;      // tail R
  std::string_view last;   // W[-1] as a one-letter text
  char k;                  // class code K
  // How many first letters of W the wanted stems may keep (the letters W shares with the text
  // they must begin): a rule whose candidates all keep more is not tried.
  std::size_t agree = std::string_view::npos;
};

// What a rule body yields: the stem, the alternation class and the mark (the weight is the
// rule's).
using RuleSink = FunctionRef<bool(const StemParts& stem, int cls, std::string_view mark)>;

// What every candidate of a rule keeps of the beginning of W (n letters): its first n - k
// letters (kLetters), or the letters in front of the last vowel of W-k (kBeforeVowel: the
// unchanged beginning that the splitter stav finds in its base W-k, with the vowel where X
// cannot be another letter; nothing without a vowel).
enum class Kept { kLetters, kBeforeVowel };
struct KeptPrefix {
  Kept how;
  int k;
};

// One rule of the ordered list. The cheap guards (class code, last letter, minimum length) are
// data; the body holds the rule's letter tests and yields its candidates.
struct FinnishRule {
  int number;                 // the rule number (1-37)
  LetterSet classes;          // the class codes K for which the rule is tried
  LetterSet last;             // W[-1] must be one of these (the empty set: any letter)
  int longer_than;            // n must be greater than this
  int weight;                 // the weight of every candidate of the rule
  KeptPrefix keeps;           // what every candidate keeps of W
  bool (*body)(const FinnishInput&, RuleSink);  // false when the sink stopped
};
std::span<const FinnishRule> finnish_rules();

// One Finnish candidate, with the number of the rule that produced it.
struct FinnishAlt {
  StemParts stem;
  int cls;
  std::string_view mark;
  int weight;
  int rule;
};
using FinnishSink = FunctionRef<bool(const FinnishAlt&)>;

// Whether the fewest first letters of W that any candidate of the rules for class code k
// keeps are at most agree.
bool finnish_least_kept_within(char k, std::string_view w, std::size_t agree);
// The fewest first letters of W that a candidate of the rules for class code k and W's last
// letter and length keeps, whatever the form; nothing when no rule applies.
std::optional<std::size_t> finnish_least_kept(char k, std::string_view w);
// Whether some candidate of some rule, for some W that begins with `head` (W may be longer),
// may begin text: head is all shared with text, or the fewest letters kept lie within what
// is. The Finnish side of words_beginning_may_begin (ficc0.h), in one piece: it is asked for
// every line of an analysis search.
bool finnish_beginning_may_begin(std::string_view head, std::string_view text);

// ficc: every rule in order (but those that keep more of W than input.agree); returns false
// when the sink stopped.
bool ficc(const FinnishInput& input, FinnishSink sink);

}  // namespace velimora::inflection
