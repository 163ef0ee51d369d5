#include "lookup/ranking.h"

#include "lookup/danish_check.h"
#include "lookup/ranking_rules.h"
#include "session/output_buffer.h"
#include "text/primitives.h"
#include "text/word_helpers.h"
#include "wordlists/junction.h"
#include "wordlists/list_helpers.h"

namespace velimora {
namespace {

// Chains may not grow deeper than this many segments; a zero-length segment would otherwise
// let the search recurse without end.
constexpr int kMaxChainDepth = 24;

template <class Row, class Sink>
bool rows_of_kind(const Table<Row>& table, Sink sink) {
  for (const Row& r : table) {
    if (!sink(r)) return false;
  }
  return true;
}

// The chain extended by one segment (steps 4 to 14 of the chain search).
bool extend(Session& s, int pass, int level, std::string_view key, std::string_view variant,
            int depth, const ChainRow& l, int k, const ChainSegment& seg,
            const std::function<bool()>& sink) {
  if (seg.first.empty()) return true;
  const char ch = seg.first[0];
  if (!mcgs(ch, '\r', (seg.code / 100) % 10, 0, l.l10)) return true;
  if (!sxv(l.l13, seg.result / 10000)) return true;
  int p0 = l.l6;  // `pp0`
  if (seg.g2 == 4) {
    if (l.l6 != 0) return true;
    p0 = l.l11;
  }
  if (!stopki(seg.g2, l.l4, l.l7, 0)) return true;
  const int q3 = seg.code / 1000;
  const int q4 = q3 % 10;
  if (q4 >= 9) return true;
  const int g = l.l3;
  if (pass == -2 && k == l.l11 && q4 == 2 && g == 4) return true;  // `stop0`
  int y = l.l13;                                                   // `nyx`
  if (seg.g2 == 3) {
    y = 2;
  } else if (g == 0 && seg.g2 < 4 && q4 > 0) {
    if (l.l13 != 0) return true;
    y = 1;
  }
  const int best = s.q.nb.empty() ? 300 : s.q.nb.front();
  const int s1 = (seg.code % 10) + l.l9;
  if (s1 >= best + 15) return true;
  const int sv = (seg.result % 10000) / 10;
  for (std::size_t i = 0; i < s.q.dl.size(); ++i) {
    const SplitExtraRow row = s.q.dl[i];
    if (row.end != k) continue;
    const SplitBeforeRow* before =
        s.q.dlx.find([&](const SplitBeforeRow& d) { return d.k == row.k; });
    const std::string x2 = before == nullptr ? std::string("  ") : before->text;
    const int z = k - row.k;
    const std::string junction = row.extra.substr(0, static_cast<std::size_t>(z));
    for (const std::string& marker :
         xpl10(s.startup, seg.digit, z, q4, x2, seg.first.substr(1), junction)) {
      Marked m1 = cs0(1, marker);
      Marked m2 = cs0(2, m1.rest);
      std::optional<int> v = nyv(s.startup, q4, g, sv);
      if (!v || !valh(1, *v, l.l1)) continue;
      const std::string t = " " + int_to_text(sv) + " " + int_to_text(*v) + " " +
                            int_to_text(seg.key) + " " + int_to_text(g);
      std::string positions = int_to_text(row.k + m1.mark) + " " + l.l12;
      const bool at_end = seg.result / 10000 == 1 && seg.g2 == 0 && row.k == l.l11;  // `sl1`
      const int d = l.l14 - (at_end ? 1 : 0);
      if (d <= pass) continue;
      ChainRow next{*v,
                    seg.result,
                    q3,
                    g,
                    p0 == 0 ? l.l5 : t + l.l5,  // `ijl`
                    p0,
                    p0 == 0 ? t + l.l7 : l.l7,
                    seg.merged,
                    s1 + m2.mark,
                    std::string(m2.rest),
                    row.k,
                    positions,
                    y,
                    d};
      s.q.sl.set(next);
      if (!findm(s, pass, level, key, variant, depth + 1, sink)) return false;
    }
  }
  return true;
}

}  // namespace

bool for_each_chain_segment(const Session& s, int m, int level, std::string_view variant_segment,
                            int g, int l8, const std::function<bool(const ChainSegment&)>& sink) {
  auto visit = [&](int length, int key, const std::string& first, const std::string& second,
                   int code, int result) {
    if (length != m) return true;
    const int digit = (code / 10) % 10;
    if (!stoph(level, digit) || second != variant_segment) return true;
    for (int w : nyh2(digit, l8)) {
      if (!sink(ChainSegment{key, first, code, digit, w, result, result % 10})) return false;
    }
    return true;
  };
  if (g == 0 || g == 2 || g == 4) {
    const Table<IndexRow>& t = g == 0 ? s.startup.u0 : g == 2 ? s.startup.u2 : s.startup.u4;
    return rows_of_kind(t, [&](const IndexRow& r) {
      return visit(r.length, r.key, r.first, r.second, r.code, r.result);
    });
  }
  return rows_of_kind(s.startup.u1, [&](const KindIndexRow& r) {
    return r.kind != g || visit(r.length, r.key, r.first, r.second, r.code, r.result);
  });
}

bool findm(Session& s, int pass, int level, std::string_view key, std::string_view variant,
           int depth, const std::function<bool()>& sink) {
  if (!sink()) return false;
  if (depth >= kMaxChainDepth || !adv2(s, 14, 10000)) return true;
  const ChainRow l = s.q.sl.front();
  if (l.l3 >= 9 || l.l11 < 0 || static_cast<std::size_t>(l.l11) > key.size()) return true;
  const std::string_view v1 = variant.substr(0, static_cast<std::size_t>(l.l11));
  for (std::size_t i = 0; i < s.q.nr.size(); ++i) {
    const int k = s.q.nr[i].k;
    if (k <= 0 || k <= l.l11 - 12 || k > l.l11) continue;
    const std::string_view variant_segment = v1.substr(static_cast<std::size_t>(k));
    bool go_on = for_each_chain_segment(
        s, l.l11 - k, level, variant_segment, l.l3, l.l8, [&](const ChainSegment& seg) {
          return extend(s, pass, level, key, variant, depth, l, k, seg, sink);
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
  const std::string x = l.l6 == 0 ? l.l7 : l.l5;  // `ipj`
  const std::string y = l.l6 == 0 ? std::string() : l.l7;
  const int k = l.l3;
  if (!nyh1(k, f.code_c, l.l8)) return;
  if (f.kind != 1 || k != f.group || f.split != l.l11) return;
  if (!mcgs(f.mark, '\r', f.code_a, 0, l.l10) || !valh(1, f.value, l.l1)) return;
  if (!stopki(f.code_b % 10, l.l4, x, l.l13)) return;
  const std::string t1 = f.path + x;
  const std::string t2 = t1 + y;
  const std::string t3 = f.positions + " " + l.l12;
  const std::string label = dil1(s, t2);
  if (s.q.f1.any([&](const RankedRow& row) { return row.label == label; })) return;
  if (!danish_check(s, r, t1)) return;
  const int score = (f.code_b % 10000) / 10 + f.penalty + l.l9;
  if (!bedst(s, score)) return;
  s.q.f1.add({f.split, l.l11, f.group, k, l.l6, label, t1, y, t3, score});
  s.q.sf.remove_if([](const PathRow& p) { return p.kind == 0; });
}

}  // namespace

void rank_analyses(Session& s, const RankRequest& r) {
  if (r.level <= 0) return;
  s.q.no.clear();
  s.q.no.add(-2);
  s.q.no.add(-3);
  for (int pass : {-2, -3}) {
    s.q.sl.clear();
    s.q.sl.add({0, 0, 0, 0, "", 0, "", 6, 0, std::string(1, r.kept_last), r.n_minus_f, "", 0, 0});
    findm(s, pass, r.level, r.key, r.variant, 0, [&]() {
      const ChainRow l = s.q.sl.front();
      for (std::size_t i = 0; i < s.q.sf.size(); ++i)
        join(s, r, l, s.q.sf[i]);
      return true;
    });
  }
}

}  // namespace velimora
