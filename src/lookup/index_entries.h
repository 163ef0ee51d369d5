// Resolving index numbers: non-negative ones through the `u` tables and the `u2` line files,
// negative ones through the analysis hits of the query (`st`).
#ifndef VELIMORA_LOOKUP_INDEX_ENTRIES_H_
#define VELIMORA_LOOKUP_INDEX_ENTRIES_H_

#include <optional>
#include <string>
#include <string_view>

#include "session/session.h"

namespace velimora {

// An index line cut into its parts: "first|second[third*tail".
struct IndexLine {
  int value = 0;
  std::string first_raw;
  std::string second;
  std::string third;
  std::string tail;
};

// `fmb`: resolves the non-negative number n of a kind: the first `u0`/`u2`/`u4` row (kinds
// 0, 2, 4) or `u1` row of that kind (any other kind) with key n gives the value, and line
// n mod 1000 of D + C + "eu\" + C + "u2" + K + ".cns" gives the texts. A blank side letter
// gives value 0 and empty texts without reading. Fails when no row has the key.
std::optional<IndexLine> fmb(Session& s, std::string_view data_prefix, char side, int n, int kind);

// An index entry: a value and three texts.
struct IndexEntry {
  int value = 0;
  std::string first;
  std::string second;
  std::string third;
};

// `find`: resolves any index number: below 0 from the `st` row with that sequence (secondary
// score, form, extra 1, extra 2; no file is read), else through `fmb` with one leading ","
// taken off the first text. Fails when nothing has the number.
std::optional<IndexEntry> find(Session& s, std::string_view data_prefix, char side, int kind,
                               int n);

}  // namespace velimora

#endif  // VELIMORA_LOOKUP_INDEX_ENTRIES_H_
