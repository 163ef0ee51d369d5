// The small decision rules of the analysis search and ranking: each reads packed codes of
// segments and chains and says whether, or how, they may be joined.
#ifndef VELIMORA_LOOKUP_RANKING_RULES_H_
#define VELIMORA_LOOKUP_RANKING_RULES_H_

#include <array>
#include <cstddef>
#include <initializer_list>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "session/session.h"

namespace velimora {

// `nyh1`: how a segment of reading class s merges with the chain's class l (k: the group).
std::optional<int> nyh1(int k, int s, int l);

// At most two merge values, in order, held in place: asked for every index row of a chain
// step.
class MergeValues {
 public:
  MergeValues() = default;
  MergeValues(std::initializer_list<int> values) {
    for (int v : values)
      values_[count_++] = v;
  }
  const int* begin() const { return values_.data(); }
  const int* end() const { return values_.data() + count_; }

 private:
  std::array<int, 2> values_{};
  std::size_t count_ = 0;
};

// `nyh2`: the merge values of an ending's digit with the chain's class, in order.
MergeValues nyh2(int digit, int reading_class);

// `stoph`: may an ending with this tens digit stand in an analysis of this level? Inline: it is
// asked for every index row of every chain step.
inline bool stoph(int level, int digit) {
  if (level == 1) return digit < 7;
  if (level == 2) return digit == 7;
  return false;
}

// `kh1`: may an index row of this kind be used as a segment at this level?
bool kh1(int level, int kind);

// `stopki`: a stop code against a chain's group, labels and link state.
bool stopki(int code, int group, std::string_view x, int link_state);

// `sxv`: the chain's link state against the ten-thousands of a result.
bool sxv(int link_state, int v);

// `cs0`: a leading mark of a joined form and the rest; 0 and the text when there is none.
struct Marked {
  int mark = 0;
  std::string_view rest;
};
Marked cs0(int mode, std::string_view s);

// `nyv`: the reading code of a segment: x below 900 as it is, else from the `nv` table.
std::optional<int> nyv(const StartupTables& t, int h, int r, int x);

// `bedst`: accepts a score within 15 of the best so far, lowering the best in `nb`.
bool bedst(Session& s, int score);

// `dil1`: the normal form of a reference list: " g1 g3' g4" per group of four, g3' being an
// analysis hit's anchor. Two results with one normal form are the same result.
std::string dil1(const Session& s, std::string_view refs);

}  // namespace velimora

#endif  // VELIMORA_LOOKUP_RANKING_RULES_H_
