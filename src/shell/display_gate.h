// The display gate: which hits of a query are shown now and which lists are only offered.
#ifndef VELIMORA_SHELL_DISPLAY_GATE_H_
#define VELIMORA_SHELL_DISPLAY_GATE_H_

#include <optional>

#include "session/session.h"
#include "shell/query_state.h"

namespace velimora {

// `filtr`: does a hit of kind k with number x pass? Records met and offered codes in `fli`.
// `other_word`: an analysis that reaches another article than a whole-word hit shows, which
// passes beside that hit rather than being offered.
bool filtr(Session& s, const QueryState& q, int k, int x, bool other_word = false);

// `qunp`: the last field of a promoted article hit, or nothing when it is not promoted.
std::optional<int> qunp(const QueryState& q, int code, int sense);

// `fit1`: turns passing `f1` rows into `f2` blocks, promotes passing `f4` hits by 20, and
// gives the output run's flag.
int fit1(Session& s, const QueryState& q);

}  // namespace velimora

#endif  // VELIMORA_SHELL_DISPLAY_GATE_H_
