// Relations between the parts of a compound, and the analysis lines of the results window.
#ifndef VELIMORA_WORDLISTS_RELATIONS_H_
#define VELIMORA_WORDLISTS_RELATIONS_H_

#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "session/session.h"

namespace velimora {

// A structure over N parts: the chosen ties, each part but the head leaning on one other.
using Structure = std::vector<TieRow>;

// `fir`: every structure over the readings in `orb` for the parts numbered 1 … n, in search
// order; the sink returns false to stop. For n < 2 the one structure is empty. Rebuilds
// `numre`, `na` and `ra`. Returns false when the sink stopped the search.
bool for_each_structure(Session& s, int n, const std::function<bool(const Structure&)>& sink);

// Can two candidate ties stand in one structure? Not when they give a part two readings, are
// mutual or parallel, when one covers the other's target, or when their spans cross.
bool ties_compatible(const TieRow& t, const TieRow& u);

// `findrel1`: with flag 0, true when a structure over `parts` parts exists (always for fewer
// than 2) and nothing is written. With another flag: count 0 writes one analysis block (the
// heading with the word cut at `positions`, the prepared pieces of `fuge`, the tail); a count
// above 2 writes the pieces once for every structure that passes the reading checks; any
// other count writes nothing. Always true with a flag other than 0.
bool findrel1(Session& s, std::string_view positions, int flag, int count, int parts,
              std::string_view word, std::string_view tail, int increment);

// The word with a "/" inserted after each position of the list that does not go back (a
// repeated position inserts a second "/"); nothing when a position lies beyond the word.
std::optional<std::string> cut_word(std::string_view word, std::string_view positions);

}  // namespace velimora

#endif  // VELIMORA_WORDLISTS_RELATIONS_H_
