#include "lookup/ranking.h"

#include <optional>
#include <string>
#include <utility>

#include "lookup/danish_check.h"
#include "lookup/ranking_rules.h"
#include "session/output_buffer.h"
#include "tables/row_index.h"
#include "text/primitives.h"
#include "text/word_helpers.h"
#include "wordlists/junction.h"
#include "wordlists/list_helpers.h"

namespace velimora {
namespace {

// Chains may not grow deeper than this many segments; a zero-length segment would otherwise
// let the search recurse without end.
constexpr int kMaxChainDepth = 24;

// What a chain extended by one segment holds whatever the split and marker of the segment:
// worked out once per segment, not once per marker.
struct Extension {
  int reading = 0;
  int left_group = 0;
  int group_digit = 0;
  int tail_start = 0;
  int penalty = 0;
  int link_state = 0;
  std::string head_labels;
  std::string tail_labels;
};

// Steps 4 to 10 of the chain search for a segment that for_each_chain_segment let through:
// the extension, or nothing when no split and marker can extend the chain with it. Every
// step but the last reads the segment and the chain alone; the last (`nyv`, `valh`) reads
// neither split nor marker either.
std::optional<Extension> extension_of(const Session& s, int pass, const ChainRow& l, int k,
                                      const ChainSegment& seg) {
  if (!sxv(l.link_state, seg.result / 10000)) return std::nullopt;
  Extension x;
  x.tail_start = l.tail_start;  // `pp0`
  if (seg.g2 == 4) {
    if (l.tail_start != 0) return std::nullopt;
    x.tail_start = l.start;
  }
  if (!stopki(seg.g2, l.group, l.tail_labels, 0)) return std::nullopt;
  x.left_group = seg.code / 1000;
  x.group_digit = x.left_group % 10;
  if (x.group_digit >= 9) return std::nullopt;
  const int kind = l.left_group;
  if (pass == -2 && k == l.start && x.group_digit == 2 && kind == 4) return std::nullopt;
  x.link_state = l.link_state;  // `nyx`
  if (seg.g2 == 3) {
    x.link_state = 2;
  } else if (kind == 0 && seg.g2 < 4 && x.group_digit > 0) {
    if (l.link_state != 0) return std::nullopt;
    x.link_state = 1;
  }
  const int best = s.q.nb.empty() ? 300 : s.q.nb.front();
  x.penalty = (seg.code % 10) + l.penalty;
  if (x.penalty >= best + 15) return std::nullopt;
  const int coded_reading = (seg.result % 10000) / 10;
  std::optional<int> v = nyv(s.startup, x.group_digit, kind, coded_reading);
  if (!v || !valh(1, *v, l.reading)) return std::nullopt;
  x.reading = *v;
  std::string label = " " + int_to_text(coded_reading) + " " + int_to_text(*v) + " " +
                      int_to_text(seg.key) + " " + int_to_text(kind);
  x.head_labels = x.tail_start == 0 ? l.head_labels : label + l.head_labels;  // `ijl`
  x.tail_labels = x.tail_start == 0 ? std::move(label) + l.tail_labels : l.tail_labels;
  return x;
}

// The chain extended by one segment (steps 4 to 14 of the chain search): one new chain per
// split that ends at k and per marker of its seam, each searched on before the next.
bool extend(Session& s, int pass, int level, std::string_view key, std::string_view variant,
            int depth, const ChainRow& l, int k, const ChainSegment& seg, ChainSink sink) {
  const std::optional<Extension> x = extension_of(s, pass, l, k, seg);
  if (!x) return true;
  for (std::size_t i = 0; i < s.q.dl.size(); ++i) {
    const SplitExtraRow& row = s.q.dl[i];  // the splits are set before the search
    if (row.end != k) continue;
    const bool at_end = seg.result / 10000 == 1 && seg.g2 == 0 && row.k == l.start;  // `sl1`
    const int closings = l.closings - (at_end ? 1 : 0);
    if (closings <= pass) continue;
    const SplitBeforeRow* split_before =
        s.q.dlx.find([&](const SplitBeforeRow& d) { return d.k == row.k; });
    const std::string_view before =
        split_before == nullptr ? std::string_view("  ") : std::string_view(split_before->text);
    const int z = k - row.k;
    const std::string_view junction =
        std::string_view(row.extra).substr(0, static_cast<std::size_t>(z));
    const bool go_on = for_each_junction_marker(
        s.startup, seg.digit, z, x->group_digit, before, seg.first.substr(1), junction,
        [&](std::string_view marker) {
          Marked m1 = cs0(1, marker);
          Marked m2 = cs0(2, m1.rest);
          s.q.sl.set(ChainRow{
              .reading = x->reading,
              .result = seg.result,
              .left_group = x->left_group,
              .group = l.left_group,
              .head_labels = x->head_labels,
              .tail_start = x->tail_start,
              .tail_labels = x->tail_labels,
              .reading_class = seg.merged,
              .penalty = x->penalty + m2.mark,
              .marks = std::string(m2.rest),
              .start = row.k,
              .positions = int_to_text(row.k + m1.mark) + " " + l.positions,
              .link_state = x->link_state,
              .closings = closings,
          });
          return findm(s, pass, level, key, variant, depth + 1, sink);
        });
    if (!go_on) return false;
  }
  return true;
}

// The rows a chain whose left group is g may take next.
bool continues_group(const RowIndex::IndexEntry& e, int g) {
  const bool own_table = g == 0 || g == 2 || g == 4;  // u0, u2, u4; any other kind is in u1
  return own_table ? e.ref.table == g : e.ref.table == 1 && e.kind == g;
}

}  // namespace

bool for_each_chain_segment(const Session& s, int m, int level, std::string_view variant_segment,
                            int g, int reading_class, std::string_view marks,
                            ChainSegmentSink sink) {
  for (const RowIndex::IndexEntry& e :
       index_rows(s.startup, m, variant_segment, {continues_group, g})) {
    const IndexRowFields r = index_row_fields(e);
    const int digit = (r.code / 10) % 10;
    if (!stoph(level, digit)) continue;
    // Most rows fail here; the test reads nothing of the merge value.
    if (r.first.empty() || !mcgs(r.first[0], '\r', (r.code / 100) % 10, 0, marks)) continue;
    for (int w : nyh2(digit, reading_class)) {
      if (!sink(ChainSegment{r.key, r.first, r.code, digit, w, r.result, r.result % 10})) {
        return false;
      }
    }
  }
  return true;
}

bool findm(Session& s, int pass, int level, std::string_view key, std::string_view variant,
           int depth, ChainSink sink) {
  if (!sink()) return false;
  if (depth >= kMaxChainDepth || !adv2(s, 14, 10000)) return true;
  // Taken, not copied: no one reads the row after the sink, and each chain tried next
  // replaces it.
  const ChainRow l = std::move(s.q.sl.front());
  if (l.left_group >= 9 || l.start < 0 || static_cast<std::size_t>(l.start) > key.size()) {
    return true;
  }
  const std::string_view v1 = variant.substr(0, static_cast<std::size_t>(l.start));
  for (std::size_t i = 0; i < s.q.nr.size(); ++i) {
    const int k = s.q.nr[i].k;
    if (k <= 0 || k <= l.start - 12 || k > l.start) continue;
    const std::string_view variant_segment = v1.substr(static_cast<std::size_t>(k));
    bool go_on = for_each_chain_segment(s, l.start - k, level, variant_segment, l.left_group,
                                        l.reading_class, l.marks, [&](const ChainSegment& seg) {
                                          return extend(s, pass, level, key, variant, depth, l, k,
                                                        seg, sink);
                                        });
    if (!go_on) return false;
  }
  return true;
}

namespace {

// `frl2`: the Danish check of a candidate. The program passes the side letter f, for which it
// holds at once, as it does for an empty reference list. A Danish analysis must in addition
// put every ending on a word that takes it.
bool danish_check(const Session& s, const RankRequest& r, std::string_view t1) {
  if (r.level == kDanishLevel && !danish_uses_agree(s, t1)) return false;
  return r.side == 'f' || t1.empty();
}

// Joins one chain with one path into an `f1` row when they meet (`mfi`) and score well.
void join(Session& s, const RankRequest& r, const ChainRow& l, const PathRow& f) {
  const int kind = l.left_group;
  // Most pairs of chain and path do not meet: the cheap tests first.
  if (f.kind != 1 || kind != f.group || f.split != l.start) return;
  if (!nyh1(kind, f.code_c, l.reading_class)) return;
  if (!mcgs(f.mark, '\r', f.code_a, 0, l.marks) || !valh(1, f.value, l.reading)) return;
  // `ipj`: the labels of the first analysis (x) and of a second one (y).
  const std::string& x = l.tail_start == 0 ? l.tail_labels : l.head_labels;
  const std::string y = l.tail_start == 0 ? std::string() : l.tail_labels;
  if (!stopki(f.code_b % 10, l.group, x, l.link_state)) return;
  const std::string t1 = f.path + x;
  const std::string t2 = t1 + y;
  const std::string t3 = f.positions + " " + l.positions;
  const std::string label = dil1(s, t2);
  if (s.q.f1.any([&](const RankedRow& row) { return row.label == label; })) return;
  if (!danish_check(s, r, t1)) return;
  const int score = (f.code_b % 10000) / 10 + f.penalty + l.penalty;
  if (!bedst(s, score)) return;
  s.q.f1.add({f.split, l.start, f.group, kind, l.tail_start, label, t1, y, t3, score});
  s.q.sf.remove_if([](const PathRow& p) { return p.kind == 0; });
}

// The chain that covers nothing yet: it ends where the word does, takes any reading class
// and allows the marks of the kept last letter.
ChainRow seed_chain(const RankRequest& r) {
  ChainRow seed;
  seed.reading_class = 6;
  seed.marks = std::string(1, r.kept_last);
  seed.start = r.n_minus_f;
  return seed;
}

}  // namespace

void rank_analyses(Session& s, const RankRequest& r) {
  if (r.level <= 0) return;
  s.q.no.clear();
  s.q.no.add(-2);
  s.q.no.add(-3);
  for (int pass : {-2, -3}) {
    s.q.sl.clear();
    s.q.sl.add(seed_chain(r));
    findm(s, pass, r.level, r.key, r.variant, 0, [&]() {
      const ChainRow& l = s.q.sl.front();  // joining adds no chain
      for (std::size_t i = 0; i < s.q.sf.size(); ++i)
        join(s, r, l, s.q.sf[i]);
      return true;
    });
  }
}

}  // namespace velimora
