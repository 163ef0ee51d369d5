// Storing the hits of the word-list search: plain hits with their per-list limit, analysis
// hits with their sequence and anchor.
#ifndef VELIMORA_WORDLISTS_HIT_STORE_H_
#define VELIMORA_WORDLISTS_HIT_STORE_H_

#include <string_view>

#include "session/session.h"
#include "wordlists/entry_match.h"
#include "wordlists/index_reference.h"

namespace velimora {

// `samme`: stores one hit. Plain (analysis 0): kinds above 9 as an `f4` row, unless the same
// row exists or the `ntq1` counter of its letter and kind has reached the limit. Analysis:
// an `st` row when the query begins with the stem and no equal row (`maksi` for the
// dictionary sides) exists, numbered by `ns` and anchored by `stan`.
void samme(Session& s, int analysis, std::string_view query, const LineReference& ref,
           const EntryHit& hit);

// `upd`: true when one more plain hit of the letter and kind may be stored; counts it.
bool upd(Session& s, char letter, int kind);

// `stan`: the sequence of the first `st` row of the same dictionary line, or `seq` itself.
int stan(const Session& s, const LineReference& ref, int seq);

}  // namespace velimora

#endif  // VELIMORA_WORDLISTS_HIT_STORE_H_
