// The segment search of an analysis query: the word is walked from its start over split
// points, segment by segment, until a path ends in a dictionary stem.
#ifndef VELIMORA_LOOKUP_SEGMENT_SEARCH_H_
#define VELIMORA_LOOKUP_SEGMENT_SEARCH_H_

#include <string>
#include <string_view>

#include "inflection/function_ref.h"
#include "session/session.h"

namespace velimora {

// One answer of the segment match.
struct SegmentMatch {
  int key = 0;         // r1: an analysis hit's sequence (negative) or an index row's key
  std::string text;    // r2: the mark text or the index row's first text
  int kind = 0;        // r3
  int score = 0;       // r4
  int reading = 0;     // r5: tens digit of the score
  int merged = 0;      // r6: `nyh1` of the group, the reading and S11
  int score2 = 0;      // r7
  int from_index = 0;  // r8: 1 for an index row
};

// Consumers of the searches below: they refer to the caller's lambda without copying it (no
// allocation per call) and return false to stop.
using SegmentMatchSink = inflection::FunctionRef<bool(const SegmentMatch&)>;
using SearchSink = inflection::FunctionRef<bool()>;

// `findms`: the analysis hits of stem length k equal to the variant stem, then the index rows
// of length k (below 12) that fit the level and group; the sink returns false to stop.
bool for_each_segment_match(const Session& s, int group, int k, int level,
                            std::string_view variant_stem, int s11, SegmentMatchSink sink);

// Everything `fsr` needs that stays the same through one search.
struct SegmentSearch {
  int limit = 0;  // steps allowed (`kh`)
  int mode = 0;
  int level = 0;
  std::string data_prefix;
  std::string key;
  std::string variant;
};

// `fsr`: yields every completed path from `state`; the state of each path's last step is the
// `sn` row when the sink sees it. Steps are counted in `nt`. The sink returns false to stop.
bool fsr(Session& s, const SegmentSearch& search, const SearchStateRow& state, int p5, int p6,
         SearchSink sink);

// The analysis form of `finds0`: seeds the search state, runs `fsr` and stores every completed
// path as an `sf` row, then the closing row.
void find_segment_paths(Session& s, const SegmentSearch& search);

}  // namespace velimora

#endif  // VELIMORA_LOOKUP_SEGMENT_SEARCH_H_
