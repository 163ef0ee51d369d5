#include "lookup/ranking_rules.h"

#include "text/primitives.h"
#include "text/word_helpers.h"
#include "wordlists/list_helpers.h"

namespace velimora {

std::optional<int> nyh1(int k, int s, int l) {
  // The rows in order; the first whose condition holds gives the answer. Written out rather
  // than as a table of conditions: it is asked for every segment and chain the searches try.
  if (l == 6) return s;
  if (s == 7 && l == 7) return 7;
  if (l == 7 || s == 7) return std::nullopt;
  if (k == 9) return s;
  if (s == 4 && (l == 2 || l == 1)) return 2;
  if (s > 2) return std::nullopt;
  if (l == s || l == 0) return s;
  if (s == 0) return l;
  return std::nullopt;
}

MergeValues nyh2(int digit, int reading_class) {
  if (reading_class == 6) return {digit};
  if (digit == 7 && reading_class == 7) return {7};
  if (reading_class == 7 || digit == 7) return {};
  if (digit == 4) return {2, 1};
  if (digit > 2) return {};
  if (reading_class == digit || reading_class == 0) return {digit};
  if (digit == 0) return {reading_class};
  return {};
}

bool kh1(int level, int kind) {
  if (kind == 0 || kind == 9) return true;
  if (kind == 2 || kind == 4) return level == 1;
  return false;
}

bool stopki(int code, int group, std::string_view x, int link_state) {
  switch (code) {
    case 5: return link_state == 0;
    case 1: return group == 0 || group == 1 || group == 3;
    case 2: return x.empty();
    default: return true;
  }
}

bool sxv(int link_state, int v) {
  if (link_state < 2) return true;
  return link_state == 2 && (v == 0 || v == 2);
}

Marked cs0(int mode, std::string_view s) {
  if (s.empty()) return {0, s};
  char c = s[0];
  int mark = 0;
  if (mode == 1) {
    mark = c == '\'' ? -1 : c == '{' ? 1 : c == '|' ? 2 : c == '[' ? 3 : 0;
  } else if (mode == 2) {
    mark = c == '}' ? 1 : c == ']' ? 2 : 0;
  }
  return mark == 0 ? Marked{0, s} : Marked{mark, s.substr(1)};
}

std::optional<int> nyv(const StartupTables& t, int h, int r, int x) {
  if (x < 900) return x;
  const int key = h * 100 + r;
  const ReadingCodeRow* row =
      t.nv.find([&](const ReadingCodeRow& n) { return n.key == key && n.code == x - 900; });
  if (row == nullptr) return std::nullopt;
  return row->result;
}

bool bedst(Session& s, int score) {
  const int best = s.q.nb.empty() ? 300 : s.q.nb.front();
  if (score < best) {
    s.q.nb.set(score);
    return true;
  }
  return score < best + 15;
}

std::string dil1(const Session& s, std::string_view refs) {
  std::string out;
  std::string_view rest = refs;
  for (;;) {
    std::optional<IntAndRest> g1 = ftal(0, rest);
    if (!g1) break;
    std::optional<IntAndRest> g2 = ftal(0, g1->rest);
    if (!g2) break;
    std::optional<IntAndRest> g3 = ftal(1, g2->rest);
    if (!g3) break;
    std::optional<IntAndRest> g4 = ftal(0, g3->rest);
    if (!g4) break;
    int anchor = g3->n;
    if (g3->n < 0) {
      const StemHitRow* hit = s.q.st.find([&](const StemHitRow& r) { return r.seq == g3->n; });
      if (hit != nullptr) anchor = hit->anchor;
    }
    out += " " + int_to_text(g1->n) + " " + int_to_text(anchor) + " " + int_to_text(g4->n);
    rest = g4->rest;
  }
  return out;
}

}  // namespace velimora
