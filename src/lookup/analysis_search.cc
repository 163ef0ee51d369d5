#include "lookup/analysis_search.h"

#include "lookup/ranking.h"
#include "lookup/segment_search.h"
#include "wordlists/list_search.h"

namespace velimora {
namespace {

constexpr int kDefaultStepLimit = 20000;

// The plain search. The word-list hits of earlier queries (the rows not yet promoted, which code
// queries re-gate) give way to this query's hits when it finds an article to show, since its offers
// then replace the earlier ones; otherwise the query stops before its offers, the earlier
// offers stay in force, and so do their hits.
void plain_lookup(Session& s, const SearchRequest& r) {
  Table<HitRow> earlier = std::move(s.q.f4);
  s.q.f4.clear();
  plain_search(s, r.mode, r.number, r.key, r.form_flag, r.data_prefix);
  if (!s.q.f4.any([](const HitRow& h) { return h.code == kHitPlain; })) s.q.f4 = std::move(earlier);
}

}  // namespace

bool finds0(Session& s, const SearchRequest& r) {
  if (r.level == 0) {
    plain_lookup(s, r);
    return true;
  }
  if (r.form_flag != 0) return false;
  SegmentSearch search;
  // Without a step bound in the record files the search still ends.
  search.limit = s.startup.kh.empty() ? kDefaultStepLimit : s.startup.kh.front();
  search.mode = r.mode;
  search.level = r.level;
  search.data_prefix = std::string(r.data_prefix);
  search.key = std::string(r.key);
  search.variant = std::string(r.variant);
  find_segment_paths(s, search);
  return true;
}

void pas(Session& s, const RankRequest& r) {
  rank_analyses(s, r);
}

}  // namespace velimora
