#include "inflection/danish_rules.h"

#include <algorithm>
#include <iterator>

namespace velimora::inflection {
namespace {

using D = DanishInput;

constexpr bool in(char c, std::string_view set) {
  return c != '\0' && set.find(c) != std::string_view::npos;
}
std::size_t size_of(int n) { return n > 0 ? static_cast<std::size_t>(n) : 0; }

// Each rule in two steps: its tests on W alone (where they fail it gives nothing, whatever the
// form, so that a search may leave the word out unread), then the rest.

// 1. Latin nouns in -eum/-ium/-æum: museum, museer; akvarium, akvarier; jubilæum, jubilæer.
bool fits01(std::string_view w) {
  return w.size() > 4 && w.back() == 'm' &&
         one_of(w.substr(w.size() - 3, 2), {"eu", "iu", "\xE6u"});
}
bool rule01(const D& d, DanishRuleSink yield) {
  const std::string_view w3 = drop_back(d.w, 3);
  if (!d.p.starts_with(w3) || d.p.size() < w3.size() + 2) return true;
  const std::string_view next_two = d.p.substr(w3.size(), 2);
  // "\xE6" "e" is æe: a hex escape would swallow the e.
  if (!one_of(next_two, {"ee", "ie", "ia", "is", "\xE6" "e"}) || next_two[0] != back(d.w, 3)) {
    return true;
  }
  return yield({w3, back_text(d.w, 3)}, "M");
}

// 2. Words in -es.
bool fits02(std::string_view w) {
  return w.size() > 2 && w.back() == 's' && back(w, 2) == 'e';
}
bool rule02(const D& d, DanishRuleSink yield) {
  const std::string_view w2 = drop_back(d.w, 2);
  if (!d.p.starts_with(w2)) return true;
  return yield(w2, "S");
}

// The tests of stae on W alone, with the final l, n, r of rules 3 and 4 and whether the
// consonant before the e is doubled.
bool e_drops(std::string_view w, std::size_t k, bool doubled) {
  if (w.size() <= k || w.size() < 4 || !in(w.back(), "lnr") || back(w, 2) != 'e') return false;
  const char w3 = back(w, 3);
  return kEDropConsonants.contains(w3) && w3 != w.back() && (back(w, 4) == w3) == doubled;
}

// 3. The e that drops before a final l, n, r: cykel, cykler.
bool fits03(std::string_view w) {
  return e_drops(w, 3, false);
}
bool rule03(const D& d, DanishRuleSink yield) {
  const auto s = stae(3, d.w, d.n, d.front, d.p, d.last);
  if (!s) return true;
  return yield({s->w3, back_text(d.w, 3), d.last}, "R");
}

// 4. The same after a doubled consonant: himmel, himle.
bool fits04(std::string_view w) {
  return e_drops(w, 4, true);
}
bool rule04(const D& d, DanishRuleSink yield) {
  const auto s = stae(4, d.w, d.n, d.front, d.p, d.last);
  if (!s) return true;
  return yield({s->prefix, back_text(d.w, 3), d.last}, "R");
}

// 5. Words in -dle, -gle, -vle, -dre, -gre, -vre.
bool fits05(std::string_view w) {
  return w.size() > 4 && w.back() == 'e' && in(back(w, 2), "lr") && in(back(w, 3), "dgv");
}
bool rule05(const D& d, DanishRuleSink yield) {
  const std::string_view w2 = drop_back(d.w, 2);
  if (!d.p.starts_with(w2)) return true;
  return yield({w2, "e"}, back_text(d.w, 2));
}

// 6. A doubled consonant before a final e: komme, kom.
bool fits06(std::string_view w) {
  return w.size() > 3 && w.back() == 'e' && back(w, 3) == back(w, 2);
}
bool rule06(const D& d, DanishRuleSink yield) {
  const std::string_view w2 = drop_back(d.w, 2);
  if (!d.p.starts_with(w2)) return true;
  return yield(w2, "C");
}

// 7. Verbs in -ere against nouns in -a-: organisere, organisation.
bool fits07(std::string_view w) {
  return w.size() > 5 && w.ends_with("ere");
}
bool rule07(const D& d, DanishRuleSink yield) {
  const std::string_view w3 = drop_back(d.w, 3);
  if (!d.p.starts_with(w3) || at(d.p, w3.size()) != 'a') return true;
  return yield(w3, "A");
}

// 8. Empty tail, final e after a single consonant.
bool fits08(std::string_view w) {
  return w.size() >= 3 && w.back() == 'e' && back(w, 3) != back(w, 2);
}
bool rule08(const D& d, DanishRuleSink yield) {
  if (!d.r.empty() || d.p != d.front) return true;
  return yield(drop_back(d.w, 2), "B");
}

// 9. No tail (the form is shorter than n - 1 letters), final e after a doubled consonant (the
// tests of rule 6 on W).
bool rule09(const D& d, DanishRuleSink yield) {
  if (d.r != kNoTailMarker || !d.p.starts_with(drop_back(d.w, 2))) return true;
  return yield(drop_back(d.w, 3), "D");
}

// 10. The genitive apostrophe.
bool fits_any(std::string_view) {
  return true;
}
bool rule10(const D& d, DanishRuleSink yield) {
  if (d.p != d.front || d.last.empty() || !d.r.starts_with(d.last) ||
      at(d.r, d.last.size()) != '\'') {
    return true;
  }
  return yield(d.w, "Z");
}

// 11. Any real tail behind the word's front.
bool rule11(const D& d, DanishRuleSink yield) {
  if (d.p != d.front || d.r.empty()) return true;
  const StemMark s = sidste(d.w, d.front, d.last);
  return yield(s.stem, s.mark);
}

// What every candidate keeps of W: rule 10 yields W; 11 W-1 or W (sidste); 2, 6, 8 W-2; 5
// W-2 + "e"; 1 W-3 + W[-3] and 3 W-3 + W[-3] + W[-1], both beginning with W-2; 7, 9 W-3; 4
// the first n-4 letters + W[-3] + W[-1] (stae's prefix with k = 4).
constexpr DanishRule kDanishRules[] = {
    {1, 2, fits01, rule01},    {2, 2, fits02, rule02},    {3, 2, fits03, rule03},
    {4, 4, fits04, rule04},    {5, 2, fits05, rule05},    {6, 2, fits06, rule06},
    {7, 3, fits07, rule07},    {8, 2, fits08, rule08},    {9, 3, fits06, rule09},
    {10, 0, fits_any, rule10}, {11, 1, fits_any, rule11},
};
static_assert(std::size(kDanishRules) == 11);

// The most letters a Danish rule's candidates may drop from the end of W.
constexpr int max_keeps() {
  int most = 0;
  for (const DanishRule& rule : kDanishRules) most = rule.keeps > most ? rule.keeps : most;
  return most;
}
constexpr int kMostDropped = max_keeps();

}  // namespace

std::optional<StaeResult> stae(int k, std::string_view w, int n, std::string_view front,
                               std::string_view p, std::string_view last) {
  (void)front;  // in the call's signature; the letters are taken from W itself
  if (k >= n || w.size() != size_of(n) || w.size() < 4) return std::nullopt;
  const std::string_view prefix = w.substr(0, size_of(n - k));
  const char w3 = back(w, 3);
  if (!p.starts_with(prefix) || back(w, 2) != 'e' || !kEDropConsonants.contains(w3)) {
    return std::nullopt;
  }
  if (!last.empty() && w3 == last[0]) return std::nullopt;
  return StaeResult{drop_back(w, 3), prefix, back(w, 4), w3};
}

std::optional<std::string_view> sid(std::string_view s, char letter) {
  if (s.empty() || s.back() != letter) return std::nullopt;
  return drop_back(s, 1);
}

StemMark sidste(std::string_view w, std::string_view front, std::string_view last) {
  const char c = last.empty() ? '\0' : last[0];
  if (in(c, "bcdefghjk") || in(c, "lmnprstv")) return {front, last};
  return {w, " "};
}

std::span<const DanishRule> danish_rules() { return kDanishRules; }

std::size_t danish_least_kept(std::string_view w) {
  return drop_back(w, size_of(kMostDropped)).size();
}

std::size_t danish_word_least_kept(std::string_view w) {
  std::size_t least = w.size();
  for (const DanishRule& rule : kDanishRules) {
    if (rule.fits(w)) least = std::min(least, drop_back(w, size_of(rule.keeps)).size());
  }
  return least;
}

bool ficd(std::string_view w, int n, std::string_view front, std::string_view p,
          std::string_view r, std::string_view last, DanishSink sink, std::size_t agree) {
  if (n < 0 || w.size() != size_of(n)) return true;
  const DanishInput input{w, n, front, p, r, last};
  for (const DanishRule& rule : kDanishRules) {
    // A stem that keeps more of W than W shares with the text cannot begin it.
    if (agree < w.size() && drop_back(w, size_of(rule.keeps)).size() > agree) continue;
    if (!rule.fits(w)) continue;
    const bool go = rule.apply(input, [&](const StemParts& stem, std::string_view mark) {
      return sink({stem, mark, rule.number});
    });
    if (!go) return false;
  }
  return true;
}

}  // namespace velimora::inflection
