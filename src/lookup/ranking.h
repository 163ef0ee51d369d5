// Ranking of an analysis: chains of endings are searched from the end of the word towards its
// start and joined with the segment paths that end where a chain begins.
#ifndef VELIMORA_LOOKUP_RANKING_H_
#define VELIMORA_LOOKUP_RANKING_H_

#include <string_view>

#include "inflection/function_ref.h"
#include "lookup/analysis_search.h"
#include "session/session.h"

namespace velimora {

// One answer of `findms1`: an index row of the chain's kind that matches a segment.
struct ChainSegment {
  int key = 0;             // a
  std::string_view first;  // b: a view into the start-up tables, which a query leaves alone
  int code = 0;            // c
  int digit = 0;           // tens digit of the code
  int merged = 0;          // w, an answer of `nyh2`
  int result = 0;          // f
  int g2 = 0;              // g′ = f mod 10
};

// Consumers of the searches below: they refer to the caller's lambda without copying it (no
// allocation per call) and return false to stop.
using ChainSegmentSink = inflection::FunctionRef<bool(const ChainSegment&)>;
using ChainSink = inflection::FunctionRef<bool()>;

// `findms1`: index rows of kind g and length m whose stem is the variant segment, whose digit
// passes the level and whose first letter may follow a chain with these marks (`mcgs`), once
// per merge value; the sink returns false to stop.
bool for_each_chain_segment(const Session& s, int m, int level, std::string_view variant_segment,
                            int g, int reading_class, std::string_view marks,
                            ChainSegmentSink sink);

// `findm`: yields the current chain (the `sl` row), then depth first every chain that extends
// it by one segment to the left. The sink returns false to stop. Only the sink may read the
// `sl` row: the search takes it over once the sink has returned.
bool findm(Session& s, int pass, int level, std::string_view key, std::string_view variant,
           int depth, ChainSink sink);

// `pas` for an analysis query: both passes of chains joined with every path into `f1` rows.
void rank_analyses(Session& s, const RankRequest& r);

}  // namespace velimora

#endif  // VELIMORA_LOOKUP_RANKING_H_
