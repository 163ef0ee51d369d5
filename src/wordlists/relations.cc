#include "wordlists/relations.h"

#include <cstdlib>
#include <functional>
#include <optional>

#include "session/output_buffer.h"
#include "text/format.h"
#include "text/primitives.h"
#include "text/word_helpers.h"
#include "wordlists/list_helpers.h"

namespace velimora {
namespace {

bool strictly_inside(int x, int a, int b) {
  Ordered o = rtn(a, b);
  return o.low < x && x < o.high;
}

bool spans_a_part(const TieRow& t) {
  return std::abs(t.from - t.to) >= 2;
}

// The code a tie gives a position, or -1 when the tie does not touch it.
int code_at(const TieRow& t, int position) {
  if (t.from == position) return t.from_code;
  if (t.to == position) return t.to_code;
  return -1;
}

}  // namespace

bool ties_compatible(const TieRow& t, const TieRow& u) {
  for (int p : {t.from, t.to}) {
    int cu = code_at(u, p);
    if (cu >= 0 && cu != code_at(t, p)) return false;  // one part, two readings
  }
  if (t.from == u.to && t.to == u.from) return false;  // mutual
  if (t.side == u.side && t.to == u.to) return false;  // parallel
  if (t.to == u.from && spans_a_part(t) && strictly_inside(u.to, t.from, t.to)) return false;
  if (u.to == t.from && spans_a_part(u) && strictly_inside(t.to, u.from, u.to)) return false;
  if (spans_a_part(t) && spans_a_part(u)) {
    // Crossing: one span starts strictly inside the other and ends strictly outside it.
    Ordered a = rtn(t.from, t.to), b = rtn(u.from, u.to);
    bool crossing = (a.low < b.low && b.low < a.high && b.high > a.high) ||
                    (b.low < a.low && a.low < b.high && a.high > b.high);
    if (crossing) return false;
  }
  return true;
}

namespace {

// `numre`: every ordered pair of positions by distance, from the right end.
void build_pairs(Session& s, int n) {
  s.q.numre.clear();
  for (int d = 1; d < n; ++d) {
    for (int a = n; a >= 1; --a) {
      if (a + d <= n) s.q.numre.add({1, d, a, a + d});
      if (a - d >= 1) s.q.numre.add({2, d, a, a - d});
    }
  }
}

// Whether a reading of `from` may lean on a reading of `to` in this direction.
bool may_lean(int direction, const ReadingRow& r1, const ReadingRow& r2) {
  if (direction == 2) {
    bool same = r1.cat2 == r1.cat1 && r2.cat2 == r1.cat1;
    return same && (r1.cat1 == 0 || r1.cat1 == 2 || r1.cat1 == 4) && valh(1, r2.code, r1.code);
  }
  return r2.cat1 == r1.cat2 && r1.cat2 != r2.cat2 && valh(1, r1.code, r2.code);
}

// `alr2`: the candidate ties, each part keeping the nearest partner found first per side.
void build_ties(Session& s) {
  s.q.na.set(0);
  s.q.ra.clear();
  int counter = 0;
  for (const PairRow& pair : s.q.numre) {
    const std::string side = pair.direction == 1 ? "h" : "v";
    for (const ReadingRow& r1 : s.q.orb) {
      if (r1.position != pair.from) continue;
      for (const ReadingRow& r2 : s.q.orb) {
        if (r2.position != pair.to || !may_lean(pair.direction, r1, r2)) continue;
        if (s.q.ra.any([&](const TieRow& t) {
              return t.from == pair.from && t.side == side && t.to != pair.to;
            })) {
          continue;
        }
        s.q.ra.add({++counter, pair.from, r1.code, side, pair.to, r2.code});
      }
    }
  }
  s.q.na.set(counter);
}

// `relvalg1`: chooses ties k = 0 … n-2 in turn; false when the sink stopped the search.
bool choose(Session& s, int n, Structure& chosen,
            const std::function<bool(const Structure&)>& sink) {
  const int k = static_cast<int>(chosen.size());
  if (k == n - 1) return sink(chosen);
  const int last_from = chosen.empty() ? 0 : chosen.back().from;
  for (std::size_t i = 0; i < s.q.ra.size(); ++i) {
    if (!adv2(s, 14, 1000)) return false;
    const TieRow t = s.q.ra[i];
    if (t.from <= last_from || t.from > k + 2) continue;
    bool fits = true;
    for (const TieRow& u : chosen)
      fits = fits && ties_compatible(t, u);
    if (!fits) continue;
    chosen.push_back(t);
    bool go_on = choose(s, n, chosen, sink);
    chosen.pop_back();
    if (!go_on) return false;
  }
  return true;
}

// The code of the first reading of `position` with this code, recorded once in `orb0`.
void record_reading(Session& s, int position, int code) {
  if (s.q.orb0.any([&](const ChosenReadingRow& r) { return r.position == position; })) return;
  const ReadingRow* r =
      s.q.orb.find([&](const ReadingRow& o) { return o.position == position && o.code == code; });
  if (r != nullptr) s.q.orb0.add({position, r->code, r->cat1, r->cat2});
}

// The checks of a structure that is to be written: every part tied, neighbours' codes fit.
bool passes_reading_checks(Session& s, int n, const Structure& structure) {
  s.q.mq.clear();
  s.q.orb0.clear();
  for (const TieRow& t : structure) {
    record_reading(s, t.from, t.from_code);
    record_reading(s, t.to, t.to_code);
    s.q.mq.add({t.from, t.side, t.from_code, t.to_code, t.to});
  }
  if (n > 1) {
    for (int p = 1; p <= n; ++p) {
      if (!s.q.mq.any([&](const ChosenTieRow& t) { return t.from == p || t.to == p; })) {
        return false;
      }
    }
  }
  auto code_of = [&](int p) {
    return s.q.orb0.find([&](const ChosenReadingRow& r) { return r.position == p; });
  };
  for (int p = 1; code_of(p) != nullptr && code_of(p + 1) != nullptr; ++p) {
    if (!valh(1, code_of(p)->code, code_of(p + 1)->code)) return false;
  }
  return true;
}

void write_pieces(Session& s, std::string_view tail) {
  for (const PieceRow& piece : s.q.fuge)
    sus(s, piece.text);
  sus(s, tail);
}

// One analysis block: "   Analysis (2):  koulu/vuosi  =  " and the pieces.
void write_block(Session& s, std::string_view positions, std::string_view word,
                 std::string_view tail, int increment) {
  std::optional<std::string> cut = cut_word(word, positions);
  if (!cut || s.q.ntt.empty()) return;
  const int number = s.q.ntt.front() + increment;
  s.q.ntt.set(number);
  std::string label = number >= 2 ? format_text("(%)", {static_cast<long long>(number)}) : "";
  const std::string heading =
      format_text("   Analysis %:  %  =  ", {std::string_view(label), std::string_view(*cut)});
  sus(s, heading);
  write_pieces(s, tail);
  sus(s, "\n");
  if (s.shown.analyses.empty()) s.shown.analyses.emplace_back();
  ShownAnalysis& shown = s.shown.analyses.back();
  shown.split = *cut;
  shown.text = heading;
  for (const PieceRow& piece : s.q.fuge)
    shown.codes += piece.text;
  shown.text += shown.codes + std::string(tail);
  shown.codes = std::string(trim_blanks(shown.codes));
}

}  // namespace

std::optional<std::string> cut_word(std::string_view word, std::string_view positions) {
  std::string out;
  int prev = 0;
  std::string_view rest = positions;
  while (std::optional<Split> t = take_token(rest)) {
    rest = t->rest;
    std::optional<int> p = text_to_int(t->front);
    if (!p || *p < prev) continue;
    if (*p > static_cast<int>(word.size())) return std::nullopt;
    out.append(word.substr(static_cast<std::size_t>(prev), static_cast<std::size_t>(*p - prev)));
    out += '/';
    prev = *p;
  }
  out.append(word.substr(static_cast<std::size_t>(prev)));
  return out;
}

bool for_each_structure(Session& s, int n, const std::function<bool(const Structure&)>& sink) {
  if (n < 2) return sink({});
  build_pairs(s, n);
  build_ties(s);
  Structure chosen;
  return choose(s, n, chosen, sink);
}

bool findrel1(Session& s, std::string_view positions, int flag, int count, int parts,
              std::string_view word, std::string_view tail, int increment) {
  if (flag == 0) {
    bool found = false;
    for_each_structure(s, parts, [&found](const Structure&) {
      found = true;
      return false;
    });
    return found;
  }
  if (count == 0) {
    write_block(s, positions, word, tail, increment);
  } else if (count > 2) {
    for_each_structure(s, parts, [&](const Structure& structure) {
      if (passes_reading_checks(s, parts, structure)) {
        sus(s, "\n");
        write_pieces(s, tail);
      }
      return true;
    });
  }
  return true;
}

}  // namespace velimora
