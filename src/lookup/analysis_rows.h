// The walk of an analysis result's reference list: every group is resolved to its index entry
// and the texts are gathered into one work row, with the readings (`orb`) and output pieces
// (`fuge`) of the parts stored on the way.
#ifndef VELIMORA_LOOKUP_ANALYSIS_ROWS_H_
#define VELIMORA_LOOKUP_ANALYSIS_ROWS_H_

#include <string_view>

#include "session/session.h"

namespace velimora {

// `nyv3`: prepares a walk: clears `orb` and `fuge`; in mode 1 the label becomes the first
// piece. Gives the start count and code (0 and 9 for an empty segment).
struct WalkStart {
  int count = 0;
  int code = 9;
};
WalkStart nyv3(Session& s, int mode, int length, int label_length, std::string_view label,
               int kind);

// Clears `sm` and adds the start row of a walk over `refs`.
void start_walk(Session& s, const WalkStart& start, int label_length, std::string_view refs);

// `danil`: walks the `sm` row's reference list to its end, group by group (mode 1 for the
// output, mode 0 for the Danish check). Fails when a group's number resolves to nothing.
bool danil(Session& s, std::string_view data_prefix, char side, int mode);

}  // namespace velimora

#endif  // VELIMORA_LOOKUP_ANALYSIS_ROWS_H_
