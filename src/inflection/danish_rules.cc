#include "inflection/danish_rules.h"

#include <iterator>

namespace velimora::inflection {
namespace {

using D = DanishInput;

constexpr bool in(char c, std::string_view set) {
  return c != '\0' && set.find(c) != std::string_view::npos;
}
char last_of(const D& d) { return d.last.empty() ? '\0' : d.last[0]; }
std::size_t size_of(int n) { return n > 0 ? static_cast<std::size_t>(n) : 0; }

// 1. Latin nouns in -eum/-ium/-æum: museum, museer; akvarium, akvarier; jubilæum, jubilæer.
bool rule01(const D& d, DanishRuleSink yield) {
  if (last_of(d) != 'm' || d.n <= 4 ||
      !one_of(d.w.substr(d.w.size() - 3, 2), {"eu", "iu", "\xE6u"})) {
    return true;
  }
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
bool rule02(const D& d, DanishRuleSink yield) {
  if (last_of(d) != 's' || d.n <= 2 || back(d.w, 2) != 'e') return true;
  const std::string_view w2 = drop_back(d.w, 2);
  if (!d.p.starts_with(w2)) return true;
  return yield(w2, "S");
}

// 3. The e that drops before a final l, n, r: cykel, cykler.
bool rule03(const D& d, DanishRuleSink yield) {
  if (!in(last_of(d), "lnr")) return true;
  const auto s = stae(3, d.w, d.n, d.front, d.p, d.last);
  if (!s || s->w4 == s->w3_letter) return true;
  return yield({s->w3, back_text(d.w, 3), d.last}, "R");
}

// 4. The same after a doubled consonant: himmel, himle.
bool rule04(const D& d, DanishRuleSink yield) {
  if (!in(last_of(d), "lnr")) return true;
  const auto s = stae(4, d.w, d.n, d.front, d.p, d.last);
  if (!s || s->w4 != s->w3_letter) return true;
  return yield({s->prefix, back_text(d.w, 3), d.last}, "R");
}

// 5. Words in -dle, -gle, -vle, -dre, -gre, -vre.
bool rule05(const D& d, DanishRuleSink yield) {
  if (last_of(d) != 'e' || d.n <= 4) return true;
  const std::string_view w2 = drop_back(d.w, 2);
  if (!d.p.starts_with(w2) || !in(back(d.w, 2), "lr") || !in(back(d.w, 3), "dgv")) return true;
  return yield({w2, "e"}, back_text(d.w, 2));
}

// 6. A doubled consonant before a final e: komme, kom.
bool rule06(const D& d, DanishRuleSink yield) {
  if (last_of(d) != 'e' || d.n <= 3) return true;
  const std::string_view w2 = drop_back(d.w, 2);
  if (!d.p.starts_with(w2) || back(d.w, 3) != back(d.w, 2)) return true;
  return yield(w2, "C");
}

// 7. Verbs in -ere against nouns in -a-: organisere, organisation.
bool rule07(const D& d, DanishRuleSink yield) {
  if (last_of(d) != 'e' || d.n <= 5 || !d.w.ends_with("ere")) return true;
  const std::string_view w3 = drop_back(d.w, 3);
  if (!d.p.starts_with(w3) || at(d.p, w3.size()) != 'a') return true;
  return yield(w3, "A");
}

// 8. Empty tail, final e after a single consonant.
bool rule08(const D& d, DanishRuleSink yield) {
  if (!d.r.empty() || last_of(d) != 'e' || d.n <= 1 || d.p != d.front) return true;
  if (d.w.size() < 3 || back(d.w, 3) == back(d.w, 2)) return true;
  return yield(drop_back(d.w, 2), "B");
}

// 9. No tail (the form is shorter than n - 1 letters), final e after a doubled consonant.
bool rule09(const D& d, DanishRuleSink yield) {
  if (d.r != kNoTailMarker || last_of(d) != 'e' || d.n <= 3) return true;
  if (!d.p.starts_with(drop_back(d.w, 2)) || back(d.w, 3) != back(d.w, 2)) return true;
  return yield(drop_back(d.w, 3), "D");
}

// 10. The genitive apostrophe.
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
    {1, 2, rule01}, {2, 2, rule02}, {3, 2, rule03}, {4, 4, rule04},   {5, 2, rule05},
    {6, 2, rule06}, {7, 3, rule07}, {8, 2, rule08}, {9, 3, rule09},   {10, 0, rule10},
    {11, 1, rule11},
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

bool ficd(std::string_view w, int n, std::string_view front, std::string_view p,
          std::string_view r, std::string_view last, DanishSink sink, std::size_t agree) {
  if (n < 0 || w.size() != size_of(n)) return true;
  const DanishInput input{w, n, front, p, r, last};
  for (const DanishRule& rule : kDanishRules) {
    // A stem that keeps more of W than W shares with the text cannot begin it.
    if (agree < w.size() && drop_back(w, size_of(rule.keeps)).size() > agree) continue;
    const bool go = rule.apply(input, [&](const StemParts& stem, std::string_view mark) {
      return sink({stem, mark, rule.number});
    });
    if (!go) return false;
  }
  return true;
}

}  // namespace velimora::inflection
