#include "lookup/analysis_rows.h"

#include "lookup/index_entries.h"
#include "lookup/ranking_rules.h"
#include "text/primitives.h"
#include "text/word_helpers.h"

namespace velimora {
namespace {

struct Group {
  int g1 = 0, g2 = 0, g3 = 0, g4 = 0;
  std::string_view rest;
};

// The next group of four integers (the third may be negative).
std::optional<Group> next_group(std::string_view refs) {
  std::optional<IntAndRest> a = ftal(0, refs);
  if (!a) return std::nullopt;
  std::optional<IntAndRest> b = ftal(0, a->rest);
  if (!b) return std::nullopt;
  std::optional<IntAndRest> c = ftal(1, b->rest);
  if (!c) return std::nullopt;
  std::optional<IntAndRest> d = ftal(0, c->rest);
  if (!d) return std::nullopt;
  return Group{a->n, b->n, c->n, d->n, d->rest};
}

// `dank`: the step mark of a group: nothing for a part that goes on, "0 " at the end of the
// list, else the kind and a full stop.
std::pair<int, std::string> step_mark(int x, const Group& g) {
  if (x == 0) return {0, ""};
  if (!has_token(g.rest)) return {0, "0 "};
  return {g.g4, int_to_text(g.g4) + "."};
}

}  // namespace

WalkStart nyv3(Session& s, int mode, int length, int label_length, std::string_view label,
               int kind) {
  s.q.orb.clear();
  s.q.fuge.clear();
  if (length == 0) return {0, 9};
  if (mode == 1) s.q.fuge.add({1, 0, label_length, std::string(label)});
  return {1, kind};
}

void start_walk(Session& s, const WalkStart& start, int label_length, std::string_view refs) {
  s.q.sm.set({start.count, "", label_length, 0, start.code, 1, 0, std::string(refs), "", ""});
  s.q.endret.clear();
  s.q.endret.add();
}

bool danil(Session& s, std::string_view data_prefix, char side, int mode) {
  while (s.q.endret.take()) {
    const WalkRow w = s.q.sm.front();
    std::optional<Group> g = next_group(w.refs);
    if (!g) break;
    const int k = mode == 1 ? g->g1 : g->g2;  // `nyvi`
    std::optional<IndexEntry> e = find(s, data_prefix, side, g->g4, g->g3);
    if (!e) return false;
    const int q = e->value / 10000;
    const int x = q % 2;
    const auto [mark_number, mark_text] = step_mark(x, *g);
    const std::string pending = w.pending + e->first + mark_text;
    const int count = w.count + x;
    int first_code = 0, second_code = 0;  // `fvk`
    switch (w.selector) {
      case 0:
        first_code = w.code_a, second_code = k;
        break;
      case 1:
        first_code = w.code_b, second_code = k;
        break;
      case 2:
        first_code = w.code_a, second_code = w.code_c;
        break;
      default:
        return true;
    }
    if (mode == 0 && count > 0) {  // `gemo1`
      std::optional<int> reading = nyv(s.startup, first_code, mark_number, second_code);
      if (reading) {
        s.q.orb.add({count, *reading, first_code, mark_number, w.pending + e->first, e->third});
      }
    }
    WalkRow next{count,
                 pending,
                 w.position,
                 first_code,
                 g->g4,
                 q,
                 k,
                 std::string(g->rest),
                 w.heading + e->second,
                 e->third.empty() ? w.brackets : w.brackets + e->third + ","};
    if (count > 0) {  // `gemfu`
      if (mode == 1) {
        const int end = w.position + static_cast<int>(pending.size());
        s.q.fuge.add({count, w.position, end, pending});
        next.position = end;
      } else {
        next.position = 0;
      }
      next.pending.clear();
    }
    s.q.sm.set(next);
    s.q.endret.add();
  }
  return true;
}

}  // namespace velimora
