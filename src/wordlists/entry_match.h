// Matching one word-list line against the searched word: the ways the word can be a form of a
// dictionary entry (compound first part, inflected form, one-letter word), or the head word
// of an index list.
#ifndef VELIMORA_WORDLISTS_ENTRY_MATCH_H_
#define VELIMORA_WORDLISTS_ENTRY_MATCH_H_

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

#include "inflection/function_ref.h"
#include "session/session.h"

namespace velimora {

// One line as the search hands it to the matcher.
struct EntryLine {
  int selector = 0;   // display mode of the query
  int analysis = 0;   // 0 plain search
  char letter = ' ';  // list letter
  int form_flag = 1;  // 1 plain lookup, 0 analysis form
  std::string_view word;
  std::string_view head;
  std::string_view body;
  int sense = 0;  // the sense of the line's reference
  // Set: only analysis hits whose stem begins this text are wanted (the others are not made).
  std::optional<std::string_view> stems_within = {};
};

// One way the word matches the line.
struct EntryHit {
  int kind = 0;
  std::string stem;
  std::string mark;
  int score = 0;
  int score2 = 0;
  std::string form;
  std::string extra1;
  std::string extra2;
  int sense = 0;
  // Danish sides: the endings the variant takes (inflection::DanishUse bits) and its length.
  unsigned danish_uses = ~0u;
  int variant_length = 0;
};

// A hit of the variant matcher, before the line's score base is added.
struct VariantHit {
  int kind = 0;
  std::string stem;
  std::string form;
  std::string mark;
  int harmony = 0;
  int bonus = 0;     // class bonus
  int position = 0;  // position value
};

// Consumers of hits: return false to stop. They refer to a callable (a lambda at the call
// site) without owning or copying it, so that matching a line allocates nothing for them.
using EntryHitSink = inflection::FunctionRef<bool(const EntryHit&)>;
using VariantHitSink = inflection::FunctionRef<bool(const VariantHit&)>;

// `fiv`: yields the hits of the line in order: the analysis way (dictionary sides, form flag
// 0, analysis not 0), the plain way (head = word), the whole-part way (empty word in a part
// read in full). False when the sink stopped it.
bool fiv(Session& s, const EntryLine& line, const EntryHitSink& sink);

// `fiv1`: yields the hits of one head variant (word v, class code) for the word, rule by
// rule: compound first part, inflected forms through the inflection analysis, one-letter
// word; with `stems_within` set only those whose stem begins it. False when the sink stopped
// it.
bool fiv1(char letter, std::string_view v, char code, std::string_view word,
          const VariantHitSink& sink, std::optional<std::string_view> stems_within = {});

// The fewest first letters of the head (at most all) that a text must share with it for some
// way of some head variant of the line (head, body) to give a stem that begins the text; 0 for
// the lists other than the dictionary sides and for a body that names another word with ">".
std::size_t least_shared_for_stems(char letter, std::string_view head, std::string_view body);

// False when no way of any head variant of the line can give a stem that begins text, so that
// the analysis way with stems_within = text gives no hit for it: the search leaves such lines
// out before matching them. True for the lists other than the dictionary sides.
bool line_may_give_stems(char letter, std::string_view head, std::string_view body,
                         std::string_view text);

// The kind of a plain hit on an index list: 16 when the list is shown directly for this
// display mode in a plain lookup, else the list's own kind; 0 for a list without plain hits.
int plain_kind(char letter, int form_flag, int selector);

}  // namespace velimora

#endif  // VELIMORA_WORDLISTS_ENTRY_MATCH_H_
