// Writing the reference lists of an analysis result: each reference becomes one output line,
// an article line (negative references, through the analysis hits) or an index line.
#ifndef VELIMORA_LOOKUP_REFERENCE_LISTS_H_
#define VELIMORA_LOOKUP_REFERENCE_LISTS_H_

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "session/session.h"

namespace velimora {

// One output line of a reference and its code (`attri` of an article, 13 for an index line).
struct ReferenceLine {
  std::string text;
  int code = 0;
  std::optional<ShownArticle> article;  // for an article line: which article it is
};

// `find1`: the line of one reference: below 0 the article of the `st` row with that sequence;
// otherwise, unless flag is 1, the index line of `fmb` as "  <number  target> remainder".
// Fails when the reference cannot be shown.
std::optional<ReferenceLine> find1(Session& s, std::string_view data_prefix, char side, int flag,
                                   int ref, int kind);

// The (reference, kind) pairs of a reference text: groups of four integers of which the third
// (which may be negative) and the fourth count. Nothing when the text is not made of whole
// groups up to its very end.
std::optional<std::vector<RefRow>> reference_groups(std::string_view refs);

// `skrst`: writes one line for each reference of the text that `find1` can show, in order;
// writes nothing when the text does not parse.
void skrst(Session& s, std::string_view data_prefix, char side, int flag, std::string_view refs);

}  // namespace velimora

#endif  // VELIMORA_LOOKUP_REFERENCE_LISTS_H_
