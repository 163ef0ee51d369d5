#include "lookup/segment_search.h"

#include <algorithm>

#include "lookup/prefix_candidates.h"
#include "lookup/ranking_rules.h"
#include "session/output_buffer.h"
#include "tables/row_index.h"
#include "text/primitives.h"
#include "text/word_helpers.h"
#include "wordlists/junction.h"
#include "wordlists/list_helpers.h"

namespace velimora {
namespace {

// An index row a segment search at this level may match: of a kind the level allows and no
// key of a table beyond the first thousand.
bool segment_row_at_level(const RowIndex::IndexEntry& e, int level) {
  return kh1(level, e.kind) && e.key < 1000;
}

std::string_view prefix(std::string_view s, int n) {
  return s.substr(0, static_cast<std::size_t>(std::max(n, 0)));
}

std::string_view from(std::string_view s, int n) {
  return static_cast<std::size_t>(n) >= s.size() ? std::string_view()
                                                 : s.substr(static_cast<std::size_t>(n));
}

const std::string* dlx_text(const Session& s, int k) {
  const SplitBeforeRow* r = s.q.dlx.find([&](const SplitBeforeRow& d) { return d.k == k; });
  return r == nullptr ? nullptr : &r->text;
}

// One step: the segment `match` of length k after split point q; false when the sink
// stopped the search.
bool step(Session& s, const SegmentSearch& search, const SearchStateRow& st, int q,
          std::string_view extra, int k, const SegmentMatch& match, std::string_view x2,
          SearchSink sink) {
  const int g = match.score / 1000;
  if (g != st.group) return true;
  const int h = g % 10;
  const int z = q - st.split;
  const std::string_view junction = prefix(extra, z);
  if (match.text.empty()) return true;
  const char c = match.text[0];
  const std::string_view pattern = std::string_view(match.text).substr(1);
  return for_each_junction_marker(
      s.startup, match.reading, z, h, x2, pattern, junction, [&](std::string_view marker) {
        Marked m1 = cs0(1, marker);
        Marked m2 = cs0(2, m1.rest);
        if (!mcgs(st.mark, '\r', st.code_a, 0, m2.rest)) return true;
        const int w = (match.score2 % 10000) / 10;
        std::optional<int> v = nyv(s.startup, h, match.kind, w);
        if (!v || !valh(1, st.value, *v)) return true;
        const int m = q + k;
        const int d = (match.score % 10) + m2.mark + st.penalty;
        const int b = (match.score2 / 10000) % 2;
        const int depth = st.depth + b;
        if (depth >= 8) return true;
        const int f = (b == 1 && m == st.split) ? 1 : 0;  // `sl1`
        const int u = st.count + f + match.from_index;
        if (u >= 5 || (d * 10) / (m + 8) >= 9) return true;
        SearchStateRow next{depth,
                            st.path + " " + int_to_text(w) + " " + int_to_text(*v) + " " +
                                int_to_text(match.key) + " " + int_to_text(match.kind),
                            st.positions + " " + int_to_text(st.split + m1.mark),
                            m,
                            c,
                            (match.score / 100) % 10,
                            match.kind,
                            d,
                            *v,
                            match.score2,
                            match.merged,
                            u};
        s.q.sn.set(next);
        return fsr(s, search, next, match.key, match.kind, sink);
      });
}

}  // namespace

bool for_each_segment_match(const Session& s, int group, int k, int level,
                            std::string_view variant_stem, int s11, SegmentMatchSink sink) {
  if (k > 0) {
    for (std::size_t i = 0; i < s.q.st.size(); ++i) {
      const StemHitRow& hit = s.q.st[i];
      if (hit.stem_length != k || hit.stem != variant_stem) continue;
      SegmentMatch m{hit.seq, hit.mark,   hit.kind, hit.score, (hit.score / 10) % 10,
                     0,       hit.score2, 0};
      std::optional<int> merged = nyh1(group, m.reading, s11);
      if (!merged) continue;
      m.merged = *merged;
      if (hit.kind == 0 && has_token(hit.extra1) && hit.score2 % 10 == 0) m.score2 += 5;
      if (!sink(m)) return false;
    }
  }
  if (k >= 12) return true;
  for (const RowIndex::IndexEntry& e :
       index_rows(s.startup, k, variant_stem, {segment_row_at_level, level})) {
    const IndexRowFields r = index_row_fields(e);
    const int reading = (r.code / 10) % 10;
    if (!stoph(level, reading)) continue;
    std::optional<int> merged = nyh1(group, reading, s11);
    if (!merged) continue;
    if (!sink(SegmentMatch{r.key, r.first, r.kind, r.code, reading, *merged, r.result, 1})) {
      return false;
    }
  }
  return true;
}

bool fsr(Session& s, const SegmentSearch& search, const SearchStateRow& st, int p5, int p6,
         SearchSink sink) {
  if (p5 < 0 && p6 < 9 && !sink()) return false;
  if (!adv2(s, 14, 65000) || st.code_b % 10 == 2) return true;
  const std::string* x2 = dlx_text(s, st.split);
  // The splits are set before the search.
  const std::string_view before = x2 == nullptr ? std::string_view("  ") : std::string_view(*x2);
  for (std::size_t i = 0; i < s.q.dl.size(); ++i) {
    const SplitExtraRow& row = s.q.dl[i];
    if (row.k != st.split) continue;
    const int q = row.end;
    const int z = q - st.split;
    if ((st.split == 0 && q != 0) || (st.group == 9 && z != 0)) continue;
    std::string_view rest_key = from(search.key, q);
    std::string_view rest_variant = from(search.variant, q);
    bs(s, search.mode, search.level, st.group, q, rest_variant, search.data_prefix, rest_key);
    for (std::size_t j = 0; j < s.q.nr.size(); ++j) {
      const int k = s.q.nr[j].k;
      if (k >= 28) continue;
      int steps = s.q.nt.empty() ? 0 : s.q.nt.front();
      if (steps >= search.limit) return true;
      s.q.nt.set(steps + 1);
      // A segment longer than the rest matches nothing, but it is a step all the same.
      if (static_cast<std::size_t>(k) > rest_key.size()) continue;
      const std::string_view stem = prefix(rest_variant, k);
      bool go_on = for_each_segment_match(
          s, st.group, k, search.level, stem, st.code_c, [&](const SegmentMatch& m) {
            return step(s, search, st, q, row.extra, k, m, before, sink);
          });
      if (!go_on) return false;
    }
  }
  return true;
}

void find_segment_paths(Session& s, const SegmentSearch& search) {
  s.q.nq.set(0);
  s.q.nt.set(0);
  const SearchStateRow start{0, "", "", 0, '#', 0, 9, 0, 0, 0, 6, 0};
  s.q.sn.set(start);
  fsr(s, search, start, 0, 9, [&s]() {
    const SearchStateRow st = s.q.sn.front();
    std::optional<Split> first = take_token(st.positions);
    std::string positions = first ? std::string(first->rest) : st.positions;  // `frt`
    if (!adv2(s, 12, 10000)) return true;
    s.q.sf.add({1, st.path, positions, st.split, st.mark, st.code_a, st.group, st.penalty, st.value,
                st.code_b, st.code_c});
    return true;
  });
  s.q.sf.add({0, "", "", 0, '#', 0, 9, 0, 0, 0, 0});
}

}  // namespace velimora
