// The lookup step of a query: preparing the key and running the search and ranking.
#ifndef VELIMORA_SHELL_LOOKUP_RUN_H_
#define VELIMORA_SHELL_LOOKUP_RUN_H_

#include <optional>
#include <string>
#include <string_view>

#include "session/session.h"
#include "shell/query_state.h"

namespace velimora {

// `fin2`: the normal form of a key and its kind: "H:M" → "HHH:MM" (kind 2); a key starting
// with "." or "/" unchanged (kind 0 or 1); "(d)" → "d"; else its leading word characters.
struct NormalKey {
  std::string key;
  int kind = 0;
};
std::optional<NormalKey> fin2(std::string_view key);

// `nyord`: one lookup run for the key, plain form (form flag 1) or analysis form (0).
// Fails for a key with no word characters or when the search does not apply.
bool nyord(Session& s, QueryState& q, int number, std::string_view key, int form_flag);

// `opslag`: chooses and runs the lookup; sets q.u, q.v, q.w and q.key. Fails when the pass
// ends here (a "try" suggestion, a reverse word not found, nothing to re-gate).
bool opslag(Session& s, QueryState& q);

}  // namespace velimora

#endif  // VELIMORA_SHELL_LOOKUP_RUN_H_
