// Compound junctions: whether two dictionary words may be joined, and with which linking
// element.
#ifndef VELIMORA_WORDLISTS_JUNCTION_H_
#define VELIMORA_WORDLISTS_JUNCTION_H_

#include <string>
#include <string_view>
#include <vector>

#include "inflection/function_ref.h"
#include "tables/startup_tables.h"

namespace velimora {

// `ee2`: does the letter c satisfy the condition text? Empty: any letter; `<…`: none of the
// letters after `<`; with flag 0, `(…`: one of the letters after `(`; otherwise one of the
// text's letters.
bool ee2(int flag, std::string_view condition, char c);

// A consumer of seam markers: it refers to the caller's lambda without copying it and returns
// false to stop. A marker is a view that holds while the call lasts.
using JunctionMarkerSink = inflection::FunctionRef<bool(std::string_view marker)>;

// The markers xpl10 gives, handed to the sink one by one in the same order and built in
// place, not copied into strings; false when the sink stopped the walk.
bool for_each_junction_marker(const StartupTables& tables, int kind, int length, int cls,
                              std::string_view next, std::string_view pattern,
                              std::string_view junction, JunctionMarkerSink sink);

// `xpl10`: the markers of the seam between a word and the next word, in rule order: the
// parenthesised pattern alone when it applies, else every fitting row of `x` (`xd` for kind
// 7), then the fixed rules. Empty when the seam is not allowed.
std::vector<std::string> xpl10(const StartupTables& tables, int kind, int length, int cls,
                               std::string_view next, std::string_view pattern,
                               std::string_view junction);

}  // namespace velimora

#endif  // VELIMORA_WORDLISTS_JUNCTION_H_
