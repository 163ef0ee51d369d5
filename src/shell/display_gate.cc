#include "shell/display_gate.h"

#include <string>

#include "lookup/danish_check.h"
#include "shell/query_signs.h"

namespace velimora {
namespace {

bool has_fli(const Session& s, int flag, const std::string& code) {
  return s.q.fli.any([&](const CodeRow& r) { return r.flag == flag && r.code == code; });
}

void add_fli_once(Session& s, int flag, const std::string& code) {
  if (!has_fli(s, flag, code)) s.q.fli.add({flag, code});
}

bool is_ordinary_query(const QueryState& q) {
  return !q.any_code_flag() && q.mode == 0 && q.v == 0 && q.number == -2;
}

// Rows 1–9 of the gate; nothing when none of them decides.
std::optional<bool> first_rows(Session& s, const QueryState& q, int k, int x, bool other_word) {
  bool plain = !q.any_code_flag() && q.mode == 0 && q.v == 0;
  bool has_list_hits = s.q.f4.any(
      [](const HitRow& r) { return r.code == kHitFinnishInI || r.code == kHitDanishInT; });
  if (x == 0 && is_ordinary_query(q) && (!has_list_hits || other_word)) return true;
  if (x == 0 && is_ordinary_query(q) && q.u > 0) return true;
  if (x > 15) return false;
  if (plain && x == q.number) {
    add_fli_once(s, 0, std::to_string(x));
    return true;
  }
  if (k == kHitDanishInI && q.flag_y) {
    s.q.fli.add({0, "y"});
    return true;
  }
  if (k == kHitPlain && q.v == 1) return true;
  if (k == kHitDanishInT && q.flag_n) {
    s.q.fli.add({0, "n"});
    return true;
  }
  if (k == kHitFinnishInI && q.mode == 1) {
    s.q.fli.add({0, "o"});
    return true;
  }
  if (k == kHitFinnishInT && q.flag_s) {
    s.q.fli.add({0, "s"});
    return true;
  }
  return std::nullopt;
}

// Rows 11 and 12: in an ordinary analysis query the Finnish-words-in-I and Danish-words-in-T
// hits are shown directly instead of offered.
bool direct_lists(Session& s, const QueryState& q, int k) {
  if (!is_ordinary_query(q) || (k != kHitFinnishInI && k != kHitDanishInT)) return false;
  std::string code = k == kHitFinnishInI ? "o" : "n";
  s.q.fli.remove_if([&](const CodeRow& r) { return r.flag == 1 && r.code == code; });
  s.q.fli.add({0, code});
  return true;
}

// A Danish word that is itself a headword (køber, køb) may also be a form of another word
// (købe); its analysis query shows both. An analysis that only reaches the article of the
// whole-word hit again (køber read as itself) is still only offered, as for any other word.
bool reads_other_word(const Session& s, const QueryState& q, const RankedRow& r) {
  if (q.level != kDanishLevel) return false;
  const StemHitRow* hit = r.tail_start == 0 ? sole_stem_hit(s, r.refs1) : nullptr;
  return hit == nullptr || !s.q.f4.any([&](const HitRow& h) {
    return h.code == kHitDanishInT && h.file == hit->part && h.line == hit->line;
  });
}

void accept(Session& s) {
  s.q.endret0.clear();
  s.q.endret2.clear();
}

}  // namespace

bool filtr(Session& s, const QueryState& q, int k, int x, bool other_word) {
  if (std::optional<bool> decided = first_rows(s, q, k, x, other_word)) return *decided;
  if (std::optional<std::string> code = code_of_kind(k, x)) {
    add_fli_once(s, 1, *code);
    s.q.endret0.clear();
  }
  return direct_lists(s, q, k);
}

std::optional<int> qunp(const QueryState& q, int code, int sense) {
  const bool list_kind = code == kHitFinnishInI || code == kHitDanishInT || code == kHitDanishInI;
  if (q.level == 0 && q.v == 1 && code == kHitPlain) {
    if (sense == 400) return 400;
    if (q.mode == 0) return sense < 300 ? std::optional<int>(sense) : std::nullopt;
    switch (q.mode) {
      case 3: case 4: case 5: case 6: case 8: case 9:
        return sense;
      default:
        return 0;
    }
  }
  if (q.level == 0 && q.v == 0) return sense;
  if (q.v == 0 && q.w == 0 && list_kind) return sense;
  if (q.v == 0 && q.mode == 0 && !list_kind) return 0;
  return std::nullopt;
}

int fit1(Session& s, const QueryState& q) {
  s.q.fli.clear();
  const int best = s.q.nb.empty() ? 300 : s.q.nb.front();
  for (std::size_t i = 0; i < s.q.f1.size(); ++i) {
    const RankedRow r = s.q.f1[i];
    if (!filtr(s, q, r.kind, r.score - best, reads_other_word(s, q, r))) continue;
    s.q.f2.add({r.start, r.meet, r.k, r.tail_start, r.refs1, r.refs2, r.positions});
    accept(s);
  }
  static constexpr std::string_view kLetterOrder = "riqntcayz";
  for (char letter : kLetterOrder) {
    for (std::size_t i = 0; i < s.q.f4.size(); ++i) {
      const HitRow h = s.q.f4[i];
      if (h.letter != letter || h.code >= kFirstShownCode || !filtr(s, q, h.code, -1)) continue;
      std::optional<int> sense = qunp(q, h.code, h.sense);
      if (!sense) continue;
      HitRow shown{promoted(h.code), h.letter, h.file, h.line, *sense};
      if (s.q.f4.any([&](const HitRow& r) { return r == shown; })) continue;
      s.q.f4.add(shown);
      accept(s);
    }
  }
  return (q.u == 0 && q.v == 1 && q.mode == 7) ? 1 : q.u;
}

}  // namespace velimora
