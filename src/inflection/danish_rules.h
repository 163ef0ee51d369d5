// The Danish stem rules (`ficd`, `stae`, `sid`, `sidste`).
#pragma once

#include <optional>
#include <span>
#include <string_view>

#include "inflection/function_ref.h"
#include "inflection/special_stems.h"
#include "inflection/stem_candidate.h"

namespace velimora::inflection {

// The consonants of the e-drop test: b d f g k l m n p r s t v.
inline constexpr LetterSet kEDropConsonants = "bdfgklmnprstv";

// stae(k, W, n, front, P, last), k = 3 or 4: (W-3, the first n-k letters of W, W[-4], W[-3])
// when k < n, P begins with the first n-k letters of W, W[-2] = 'e', W[-3] is an e-drop
// consonant and differs from the last letter.
struct StaeResult {
  std::string_view w3;      // W-3
  std::string_view prefix;  // the first n-k letters of W
  char w4;                  // W[-4]
  char w3_letter;           // W[-3]
};
std::optional<StaeResult> stae(int k, std::string_view w, int n, std::string_view front,
                               std::string_view p, std::string_view last);

// sid(S, letter): S without its last letter when S ends in that letter.
std::optional<std::string_view> sid(std::string_view s, char letter);

// sidste(W, front, last): (front, last) for a last letter in {b c d e f g h j k l m n p r s t v},
// else (W, " ").
StemMark sidste(std::string_view w, std::string_view front, std::string_view last);

// The inputs of the Danish rules (the class code and the full form are not used).
struct DanishInput {
  std::string_view w;      // W
  int n;                   // its length
  std::string_view front;  // W without its last letter
  std::string_view p;      // head P
  std::string_view r;      // tail R (possibly empty, or the no-tail marker)
  std::string_view last;   // the last letter of W
};

// One Danish candidate: (stem, mark).
struct DanishAlt {
  StemParts stem;
  std::string_view mark;
  int rule;  // the number of the Danish rule that produced it
};
using DanishSink = FunctionRef<bool(const DanishAlt&)>;

// A Danish rule: the letter tests and the yield of one numbered Danish rule.
using DanishRuleSink = FunctionRef<bool(const StemParts& stem, std::string_view mark)>;
struct DanishRule {
  int number;
  int keeps;  // every candidate begins with W without its last `keeps` letters
  bool (*fits)(std::string_view w);  // its tests on W alone: false, and it gives nothing
  bool (*apply)(const DanishInput&, DanishRuleSink);  // once it fits; false when the sink stopped
};
std::span<const DanishRule> danish_rules();

// The fewest first letters of W that any candidate of the Danish rules keeps (also a bound for
// every longer W that begins with this one).
std::size_t danish_least_kept(std::string_view w);
// The same for W itself: the rules whose tests on W fail are left out.
std::size_t danish_word_least_kept(std::string_view w);

// ficd(W, n, front, P, R, last) yields (stem, mark) in rule order; every rule is tried but those
// whose candidates keep more first letters of W than `agree` (the letters W shares with the
// text the wanted stems must begin).
bool ficd(std::string_view w, int n, std::string_view front, std::string_view p,
          std::string_view r, std::string_view last, DanishSink sink,
          std::size_t agree = std::string_view::npos);

}  // namespace velimora::inflection
