// The Danish check of an analysis: every Danish ending fits the word it follows (noun
// endings on nouns of that gender and plural, verb endings on verbs of that past, comparison
// on adjectives that compare regularly), and a compound ends in a word of its own.
#ifndef VELIMORA_LOOKUP_DANISH_CHECK_H_
#define VELIMORA_LOOKUP_DANISH_CHECK_H_

#include <string_view>

#include "session/session.h"

namespace velimora {

// Walks the reference list of a candidate (groups of four numbers; a negative third number
// is an analysis hit, a non-negative one with kind 0 a `u0` row). A row named in `du` must
// serve a use that the last hit before it licenses. When the list holds two hits or more
// (a compound), no hit but the last may be a form the article lists (gørte is not gør + te),
// and the last one must be a word with a grammatical remark or of at least
// kMinBareCompoundPart letters: huset is not hus- + et.
bool danish_uses_agree(const Session& s, std::string_view refs);

inline constexpr int kMinBareCompoundPart = 4;

// The analysis hit of a reference list that names exactly one (a word with endings, no
// compound), or null.
const StemHitRow* sole_stem_hit(const Session& s, std::string_view refs);

// The level of a Danish analysis query (`--FORM`).
inline constexpr int kDanishLevel = 2;

}  // namespace velimora

#endif  // VELIMORA_LOOKUP_DANISH_CHECK_H_
