#include "inflection/finnish_rules.h"

#include <array>
#include <bit>
#include <cstdint>
#include <iterator>

#include "inflection/gradation.h"
#include "inflection/special_stems.h"
#include "inflection/vowel_stems.h"

namespace velimora::inflection {
namespace {

using In = FinnishInput;

constexpr bool in(char c, std::string_view set) {
  return c != '\0' && set.find(c) != std::string_view::npos;
}
std::size_t len(int n) { return n > 0 ? static_cast<std::size_t>(n) : 0; }

// Shorthands in the rules' notation: W[-k] as a letter and as a one-letter text, W-k.
char W(const In& x, std::size_t k) { return back(x.w, k); }
std::string_view Wt(const In& x, std::size_t k) { return back_text(x.w, k); }
std::string_view Wm(const In& x, std::size_t k) { return drop_back(x.w, k); }

// The letter sets of the rules (a:, o: in both encodings).
constexpr LetterSet kAOrAe = "a\x84\xE4";               // a, a:
constexpr LetterSet kEsLast = "bcdfghjklmnprstvwxz";    // the last letters es can accept

// --- The rule bodies, one per Finnish rule ------------------------------------------------

// 1. Long vowel or diphthong at the end (maa, maita): juo(n-2, F, W-2, W[-2] + W[-1]).
bool rule01(const In& x, RuleSink yield) {
  return juo(len(x.n - 2), x.f, Wm(x, 2), x.w.substr(len(x.n - 2), 2),
             [&](const JuoAlt& a) { return yield({a.prefix, a.letters}, a.cls, "w"); });
}

// 2. t-words in -ee, -ie (tee, tie).
bool rule02(const In& x, RuleSink yield) {
  if (!x.w.starts_with('t') || !in(W(x, 2), "ei") || !x.f.starts_with(Wm(x, 2))) return true;
  return yield(Wm(x, 1), 0, "W");
}

// 3. Ordinals and -as, -es adjectives (kolmas, kolmannen): P = W-1, nsi(R).
bool rule03(const In& x, RuleSink yield) {
  if (x.p != Wm(x, 1) || !in(W(x, 2), "ea\x84\xE4")) return true;
  return nsi(x.r, [&](const NsiAlt& a) { return yield({Wm(x, 1), a.t}, a.cls, a.mark); });
}

// 4. tuhat.
bool rule04(const In& x, RuleSink yield) {
  if (x.front != "tuha" || x.p != "tuha" || !in(at(x.r, 0), "tn")) return true;
  return yield(std::string_view("tuha"), 0, "Z");
}

// 5. Consonant-final words whose tail repeats the last letter.
bool rule05(const In& x, RuleSink yield) {
  if (!es(W(x, 1), W(x, 2)) || !x.r.starts_with(Wt(x, 1))) return true;
  return yield(Wm(x, 1), 0, Wt(x, 1));
}

// 6. The same, followed by e, i, o, o:.
bool rule06(const In& x, RuleSink yield) {
  if (!es(W(x, 1), W(x, 2)) || !x.r.starts_with(Wt(x, 1))) return true;
  if (!in(at(x.r, 1), "eio\x94\xF6")) return true;
  return yield(x.w, 0, "i");
}

// 7. The same, followed by an apostrophe (mark oe, code page 850).
bool rule07(const In& x, RuleSink yield) {
  if (!es(W(x, 1), W(x, 2)) || !x.r.starts_with(Wt(x, 1)) || at(x.r, 1) != '\'') return true;
  return yield(x.w, 0, kMarkOslash850);
}

// 8. A final e' (code page 850) repeated in the tail: mark aa (850).
bool rule08(const In& x, RuleSink yield) {
  if (!x.r.starts_with(letter::kEacute850)) return true;
  return yield(x.w, 0, kMarkAring850);
}

// 9. The same with e' and aa in Windows-1252.
bool rule09(const In& x, RuleSink yield) {
  if (!x.r.starts_with(letter::kEacute1252)) return true;
  return yield(x.w, 0, kMarkAring1252);
}

// 10. i-words with a consonant stem (lumi, lunta; lapsi, lasta).
bool rule10(const In& x, RuleSink yield) {
  return lumi(Wm(x, 1), x.n, x.f, [&](const StemParts& stem) { return yield(stem, 0, "Q"); });
}

// 11. Nominal stems ending in a vowel other than e, with gradation (talo, kukka).
bool rule11(const In& x, RuleSink yield) {
  if (W(x, 2) == 'e' || uo0(x.w.substr(len(x.n - 2), 2))) return true;
  return stav(0, 2, Wm(x, 1), x.f, Wt(x, 1),
              [&](const StavAlt& a) { return yield(a.bc(), a.cls, Wt(x, 1)); });
}

// 12. Class 4 words in -a, -o, -a: with the head W-1.
bool rule12(const In& x, RuleSink yield) {
  if (x.p != Wm(x, 1)) return true;
  return yield(Wm(x, 1), 0, Wt(x, 1));
}

// 13. Class 4 words in -i (not -ii).
bool rule13(const In& x, RuleSink yield) {
  if (W(x, 2) == 'i') return true;
  return stav(0, 2, Wm(x, 1), x.f, "i",
              [&](const StavAlt& a) { return yield(a.bc(), a.cls, "I"); });
}

// 14. Class 4 words in -e.
bool rule14(const In& x, RuleSink yield) {
  return stav(0, 2, Wm(x, 1), x.f, "e",
              [&](const StavAlt& a) { return yield(a.bc(), a.cls, "Y"); });
}

// 15. Class 4 words in -esi, -ysi, -rsi.
bool rule15(const In& x, RuleSink yield) {
  if (W(x, 2) != 's' || !in(W(x, 3), "eyr") || !x.f.starts_with(Wm(x, 2))) return true;
  return yield(Wm(x, 2), 0, "B");
}

// 16. Words in -ea, -ea:: mark A, or A: in the encoding of the final a:.
bool rule16(const In& x, RuleSink yield) {
  if (W(x, 2) != 'e') return true;
  const std::string_view mark = W(x, 1) == 'a' ? std::string_view("A") : capital_mark_for(W(x, 1));
  return stav(0, 2, Wm(x, 2), x.f, "e",
              [&](const StavAlt& a) { return yield(a.bc(), a.cls, mark); });
}

// 17. Words in -e (not -ee, -ie), weak grade in the word (huone, huoneen).
bool rule17(const In& x, RuleSink yield) {
  if (in(W(x, 2), "ei")) return true;
  return stav(0, 1, Wm(x, 1), x.f, "e", [&](const StavAlt& a) {
    if (!in(at(a.a, 0), "eiouy\x94\xF6")) return true;
    return yield(a.bc(), a.cls, "e");
  });
}

// 18. Words in -as, -es, -us, -ys, -a:s with a long vowel in the stem (rengas, renkaan).
bool rule18(const In& x, RuleSink yield) {
  if (x.w == "mies" || !in(W(x, 2), "aeuy\x84\xE4")) return true;
  return stav(0, 1, Wm(x, 2), x.f, Wt(x, 2), [&](const StavAlt& a) {
    if (at(a.a, 0) != W(x, 2)) return true;
    // X = C + W[-2]; X without its first letter must not be "nne".
    const std::string_view x_text = x.f.substr(a.b.size(), a.c.size() + 1);
    if (x_text.substr(1) == "nne") return true;
    return yield({a.b, x_text}, a.cls, "s");
  });
}

// 19. Words in -as, -a:s.
bool rule19(const In& x, RuleSink yield) {
  if (!kAOrAe.contains(W(x, 2))) return true;
  return stav(0, 1, Wm(x, 2), x.f, Wt(x, 2),
              [&](const StavAlt& a) { return yield(a.bc(), a.cls, "C"); });
}

// 20. Words in -is.
bool rule20(const In& x, RuleSink yield) {
  if (W(x, 2) != 'i') return true;
  return stav(0, 1, Wm(x, 2), x.f, "i", [&](const StavAlt& a) {
    if (!in(at(a.a, 0), "ei")) return true;
    return yield(a.bc(), a.cls, "S");
  });
}

// 21. mies and its compounds (miehen).
bool rule21(const In& x, RuleSink yield) {
  const std::string_view w1 = Wm(x, 1);
  if (!x.w.ends_with("mies") || !x.f.starts_with(w1) || x.f.size() <= w1.size()) return true;
  const auto cls = mieh(x.f[w1.size()], x.f.substr(w1.size() + 1));
  if (!cls) return true;
  return yield(w1, *cls, "h");
}

// 22. Words in -us, -ys (vastaus, vastauksen; rakkaus, rakkauden).
bool rule22(const In& x, RuleSink yield) {
  const std::string_view w1 = Wm(x, 1);
  if (x.w == "mies" || !kVowels.contains(W(x, 2)) || !x.f.starts_with(w1)) return true;
  const std::string_view z = x.f.substr(w1.size());
  return ksd(W(x, 2), W(x, 3), [&](std::string_view mark) {
    return kse(mark, z, [&](const TextClassAlt& a) { return yield({w1, a.t}, a.cls, mark); });
  });
}

// 23. vasen (vasemman, vasempi).
bool rule23(const In& x, RuleSink yield) {
  if (x.front != "vase" || x.p != "vase" || !x.r.starts_with('m') || x.r.size() < 2) return true;
  const std::string_view y = x.r.substr(0, 2);
  const auto cls = emp(y);
  if (!cls) return true;
  return yield({"vase", y}, *cls, "F");
}

// 24. Consonant-final nouns in -l, -n, -r, -t (sa:vel, avain, sisar, olut).
bool rule24(const In& x, RuleSink yield) {
  const char v2 = W(x, 2);
  return stav(0, 1, Wm(x, 2), x.f, Wt(x, 2), [&](const StavAlt& a) {
    if (at(a.a, 0) != v2) return true;
    return nrt(Wm(x, 2), v2, W(x, 1), a.a.substr(1), a.cls % 3, [&](const MarkClassAlt& m) {
      return yield({a.bc(), Wt(x, 2)}, m.cls, m.mark);
    });
  });
}

// 25. keva:t, vena:t-.
bool rule25(const In& x, RuleSink yield) {
  const std::string_view w1 = Wm(x, 1);
  if (!one_of(w1, {"kev\x84", "kev\xE4", "ven\x84", "ven\xE4"})) return true;
  if (!x.f.starts_with(w1) || !in(at(x.f, w1.size()), "it\x84\xE4")) return true;
  return yield(w1, 0, "T");
}

// 26. Words in -li, -ni, -ri (sieni, sienen).
bool rule26(const In& x, RuleSink yield) {
  if (!in(W(x, 2), "lnr")) return true;
  const char w3 = W(x, 3);
  const char w2 = W(x, 2);
  return stav(1, 2, Wm(x, 3), x.f, Wt(x, 3), [&](const StavAlt& a) {
    if (at(a.a, 0) != w3 || at(a.a, 1) != w2) return true;
    return yield({a.bc(), Wt(x, 3), Wt(x, 2)}, a.cls, "J");
  });
}

// 27. Words in -la, -lo, -ra, -ra: ... after a vowel: mark W[-1].
bool rule27(const In& x, RuleSink yield) {
  if (!in(W(x, 2), "lr")) return true;
  const char w3 = W(x, 3);
  const char w2 = W(x, 2);
  return stav(0, 2, Wm(x, 3), x.f, Wt(x, 3), [&](const StavAlt& a) {
    if (at(a.a, 0) != w3 || at(a.a, 1) != w2) return true;
    return yield({a.bc(), Wt(x, 3), Wt(x, 2)}, a.cls, Wt(x, 1));
  });
}

// 28. -nen words (nainen, naisen).
bool rule28(const In& x, RuleSink yield) {
  const std::string_view w3 = Wm(x, 3);
  if (!x.w.ends_with("nen") || !x.f.starts_with(w3)) return true;
  return nen(x.f.substr(w3.size()),
             [&](const TextClassAlt& a) { return yield({w3, a.t}, a.cls, "O"); });
}

// 29. Verbs in -Va, -Va: with the harmony sets ms2 (sanoa, sanon; tieta:a:, tieda:n).
bool rule29(const In& x, RuleSink yield) {
  const LetterSet* s = ms2(W(x, 1));
  if (s == nullptr || !s->contains(W(x, 2))) return true;
  return stav(0, 2, Wm(x, 2), x.f, Wt(x, 2),
              [&](const StavAlt& a) { return yield(a.bc(), a.cls, a.d); });
}

// 30. Verbs in -da, -da: after a long vowel (saada, juoda, ka:yda:).
bool rule30(const In& x, RuleSink yield) {
  if (W(x, 2) != 'd') return true;
  return juo(len(x.n - 4), x.f, Wm(x, 4), x.w.substr(len(x.n - 4), 2),
             [&](const JuoAlt& a) { return yield({a.prefix, a.letters}, a.cls, "w"); });
}

// 31. vieda:.
bool rule31(const In& x, RuleSink yield) {
  if (x.front != "vied" || !x.f.starts_with("vi")) return true;
  return yield(std::string_view("vi"), 0, "W");
}

// 32. h-verbs in -hda: (na:hda:, na:en, na:ki).
bool rule32(const In& x, RuleSink yield) {
  const std::string_view w3 = Wm(x, 3);
  if (W(x, 2) != 'd' || W(x, 3) != 'h' || !x.f.starts_with(w3) || x.f.size() <= w3.size()) {
    return true;
  }
  const auto cls = hke(x.f[w3.size()]);
  if (!cls) return true;
  return yield(w3, *cls, "H");
}

// 33. Verbs in -lla, -nna, -rra, -sta (tulla, menna:, purra, juosta).
bool rule33(const In& x, RuleSink yield) {
  const std::string_view w3 = Wm(x, 3);
  if (!one_of(x.w.substr(len(x.n - 3), 2), {"ll", "nn", "rr", "st"}) || !x.f.starts_with(w3)) {
    return true;
  }
  return kse1(w3, Wt(x, 3), x.f.substr(w3.size()),
              [&](const Kse1Alt& a) { return yield({w3, a.t}, a.cls, a.mark); });
}

// 34. Verbs in -ista, -ista:.
bool rule34(const In& x, RuleSink yield) {
  const std::string_view w4 = Wm(x, 4);
  if (x.w.substr(len(x.n - 4), 3) != "ist" || !x.f.starts_with(w4)) return true;
  if (!in(at(x.f, w4.size()), "uya\x84\xE4")) return true;
  return yield(w4, 0, "J");
}

// 35. Verbs in -ella, -ella: (ajatella, ajattelen): stem B + C + "e".
bool rule35(const In& x, RuleSink yield) {
  if (W(x, 4) != 'e' || W(x, 3) != 'l' || W(x, 2) != 'l') return true;
  return stav(0, 1, Wm(x, 4), x.f, "e", [&](const StavAlt& a) {
    if (!a.a.starts_with("el")) return true;
    return yield({a.bc(), "e"}, a.cls, "l");
  });
}

// 36. Verbs in -ta, -ta: after a vowel (haluta, tarvita, pela:ta:): itse.
bool rule36(const In& x, RuleSink yield) {
  if (W(x, 2) != 't' || !kVowels.contains(W(x, 3))) return true;
  return stav(0, 1, Wm(x, 3), x.f, Wt(x, 3), [&](const StavAlt& a) {
    if (a.a.empty()) return true;
    return itse(a.a.substr(0, 1), a.a.substr(1), a.cls, Wt(x, 3), [&](const ItseAlt& t) {
      return yield({a.bc(), t.t2, t.t1}, t.cls, t.mark);
    });
  });
}

// 37. Class 0 words: sidsti.
bool rule37(const In& x, RuleSink yield) {
  if (x.p != Wm(x, 1) || x.r.empty()) return true;
  const StemMark s = sidsti(x.w, Wt(x, 1));
  return yield(s.stem, 0, s.mark);
}

// --- What the candidates keep of W ------------------------------------------------------
// Every stem a rule yields begins with a beginning of W that the rule leaves as it is, so that
// a stem can begin a text only when W's first letters up to there do: a rule whose kept
// beginning is longer than what W shares with that text cannot yield such a stem. Rule by rule
// (W-k is W without its last k letters, a view of W's beginning):
// - kW0: rules 6-9 yield W itself.
// - kW1: rules 2, 5, 12, 21, 25 yield W-1; 3, 22 W-1 + T; 37 W-1 or W (sidsti); 4 and 23 the
//   fixed "tuha" and "vase" + Y only when W-1 is that text.
// - kW2: rule 1 yields W-2 + letters (juo's prefix is W-2); 15 yields W-2.
// - kW3: rule 10 yields A + ks(B) where A is W-2 or W-3 (lumi); 28, 32, 33 yield W-3 (+ T);
//   31 yields "vi" only when W-1 is "vied" (so W-3 is "vi").
// - kW4: rule 30 yields W-4 + letters (juo's prefix is W-4); 34 yields W-4.
// - kVk: the other rules yield the stav alternatives B + C (+ more) of the base W-k, and stav's
//   B is the base up to its last vowel, which the form must begin with (B = W's first letters);
//   with no vowel in the base stav yields nothing (flag 0) or the base itself (flag 1, rule 26).
//   Rules 11, 13, 14, 17 split W-1; 16, 18, 19, 20, 24, 29 W-2; 26, 27, 36 W-3; 35 W-4.
constexpr KeptPrefix kW0{Kept::kLetters, 0};
constexpr KeptPrefix kW1{Kept::kLetters, 1};
constexpr KeptPrefix kW2{Kept::kLetters, 2};
constexpr KeptPrefix kW3{Kept::kLetters, 3};
constexpr KeptPrefix kW4{Kept::kLetters, 4};
constexpr KeptPrefix kV1{Kept::kBeforeVowel, 1};
constexpr KeptPrefix kV2{Kept::kBeforeVowel, 2};
constexpr KeptPrefix kV3{Kept::kBeforeVowel, 3};
constexpr KeptPrefix kV4{Kept::kBeforeVowel, 4};

// --- The ordered rule list --------------------------------------------------------
// Guards: the class codes K, the allowed last letters W[-1] (the empty set: any), and n > m;
// then the weight and what every candidate keeps of W (see kW0 ... kV4).
// \x84 a:, \x94 o: code page 850; \xE4 a:, \xF6 o: Windows-1252; \x82, \xE9 e'.
// clang-format off
constexpr FinnishRule kRules[] = {
  //  #   K      W[-1]                     n >  weight  keeps   letter tests and candidates
  {  1,  " ",   kVowels,                   1,   4,      kW2,   rule01 },
  {  2,  " ",   "e",                       2,   4,      kW1,   rule02 },
  {  3,  "4",   "s",                       2,   4,      kW1,   rule03 },
  {  4,  "4",   "t",                       0,   4,      kW1,   rule04 },  // front = "tuha"
  {  5,  "45",  kEsLast,                   1,   0,      kW1,   rule05 },
  {  6,  "4",   kEsLast,                   1,   4,      kW0,   rule06 },
  {  7,  "5",   kEsLast,                   1,   4,      kW0,   rule07 },
  {  8,  "4",   "\x82",                    1,   4,      kW0,   rule08 },
  {  9,  "4",   "\xE9",                    1,   4,      kW0,   rule09 },
  { 10,  "4",   "i",                       2,   4,      kW3,   rule10 },
  { 11,  " ",   "aiouy\x84\xE4\x94\xF6",   2,   4,      kV1,   rule11 },
  { 12,  "4",   "ao\x84\xE4",              2,   4,      kW1,   rule12 },
  { 13,  "4",   "i",                       2,   4,      kV1,   rule13 },
  { 14,  "4",   "e",                       2,   4,      kV1,   rule14 },
  { 15,  "4",   "i",                       2,   4,      kW2,   rule15 },
  { 16,  " ",   "a\x84\xE4",               2,   4,      kV2,   rule16 },
  { 17,  " ",   "e",                       2,   4,      kV1,   rule17 },
  { 18,  " ",   "s",                       2,   4,      kV2,   rule18 },
  { 19,  " ",   "s",                       2,   4,      kV2,   rule19 },
  { 20,  " ",   "s",                       3,   4,      kV2,   rule20 },
  { 21,  " ",   "s",                       3,   4,      kW1,   rule21 },
  { 22,  " ",   "s",                       3,   4,      kW1,   rule22 },
  { 23,  " ",   "n",                       0,   4,      kW1,   rule23 },  // front = "vase"
  { 24,  " ",   "lnrt",                    2,   4,      kV2,   rule24 },
  { 25,  " ",   "t",                       4,   4,      kW1,   rule25 },
  { 26,  " 4",  "i",                       2,   4,      kV3,   rule26 },
  { 27,  " ",   "ao\x84\xE4\x94\xF6",      3,   4,      kV3,   rule27 },
  { 28,  " ",   "n",                       4,   4,      kW3,   rule28 },
  { 29,  "2",   "a\x84\xE4",               3,   2,      kV2,   rule29 },  // the domain of ms2
  { 30,  "2",   "a\x84\xE4",               3,   2,      kW4,   rule30 },
  { 31,  "2",   "\x84\xE4",                0,   2,      kW3,   rule31 },  // front = "vied"
  { 32,  "2",   "\x84\xE4",                4,   2,      kW3,   rule32 },
  { 33,  "2",   "a\x84\xE4",               3,   2,      kW3,   rule33 },
  { 34,  "2",   "a\x84\xE4",               4,   2,      kW4,   rule34 },
  { 35,  "2",   "a\x84\xE4",               5,   2,      kV4,   rule35 },
  { 36,  "2",   "a\x84\xE4",               3,   2,      kV3,   rule36 },
  { 37,  "0",   kAnyLetter,                0,   0,      kW1,   rule37 },
};
// clang-format on
static_assert(std::size(kRules) == 37);

// The rules whose class and last-letter guards let a class code or a last letter through, as
// bits by position in kRules: worked out once per letter here rather than for every rule of
// every word (most rules stop at these guards).
struct RuleMasks {
  std::array<std::uint64_t, 256> by_class{};
  std::array<std::uint64_t, 256> by_last{};
};
static_assert(std::size(kRules) <= 64, "one bit per rule");

constexpr RuleMasks make_rule_masks() {
  RuleMasks m;
  for (std::size_t i = 0; i < std::size(kRules); ++i) {
    const std::uint64_t bit = std::uint64_t{1} << i;
    for (std::size_t c = 0; c < 256; ++c) {
      const char letter = static_cast<char>(static_cast<unsigned char>(c));
      if (kRules[i].classes.contains(letter)) m.by_class[c] |= bit;
      if (kRules[i].last.empty() || kRules[i].last.contains(letter)) m.by_last[c] |= bit;
    }
  }
  return m;
}
constexpr RuleMasks kRuleMasks = make_rule_masks();

// For every class code, the most letters that its rules' candidates may drop from the end of
// W: of the rules that keep W-k (letters) and of those that keep what stav keeps of W-k
// (vowel). Every candidate of a word of that class keeps at least what the larger k keeps
// (a shorter beginning of W, and the last vowel of W-k lies no later than that of W-j for
// j < k).
struct ClassReach {
  int letters = -1;  // -1: no rule of that kind
  int vowel = -1;
};
constexpr std::array<ClassReach, 256> make_class_reach() {
  std::array<ClassReach, 256> reach{};
  for (const FinnishRule& rule : kRules) {
    for (std::size_t c = 0; c < 256; ++c) {
      if (!rule.classes.contains(static_cast<char>(static_cast<unsigned char>(c)))) continue;
      int& k = rule.keeps.how == Kept::kLetters ? reach[c].letters : reach[c].vowel;
      if (rule.keeps.k > k) k = rule.keeps.k;
    }
  }
  return reach;
}
constexpr std::array<ClassReach, 256> kClassReach = make_class_reach();

// The same over every class code.
constexpr ClassReach make_any_reach() {
  ClassReach any;
  for (const ClassReach& r : kClassReach) {
    any.letters = r.letters > any.letters ? r.letters : any.letters;
    any.vowel = r.vowel > any.vowel ? r.vowel : any.vowel;
  }
  return any;
}
constexpr ClassReach kAnyReach = make_any_reach();

// The number of first letters of W that every candidate of the rule keeps.
std::size_t kept_length(const FinnishRule& rule, std::string_view w) {
  const std::string_view base = drop_back(w, len(rule.keeps.k));
  // kBeforeVowel: what every stem of stav keeps of its base.
  return rule.keeps.how == Kept::kLetters ? base.size() : stav_least_kept(base);
}

// Whether the fewest first letters of W that any candidate of rules of that reach keeps are
// at most agree: the rules that keep W-k keep |W-k| letters, those that keep what stav keeps
// of W-k the letters in front of its last vowel (W itself when there are no rules). Asked for
// every line an analysis search reads, so it works on lengths, and the vowels behind
// position agree are looked for from the end of W-k, where the last vowel mostly is.
[[gnu::always_inline]] inline bool least_kept_within(ClassReach reach, std::string_view w,
                                                     std::size_t agree) {
  const std::size_t n = w.size();
  const std::size_t dropped = reach.letters >= 0 ? len(reach.letters) : 0;
  if (n <= agree + dropped) return true;
  if (reach.vowel < 0) return false;
  const std::size_t k = len(reach.vowel);
  for (std::size_t i = n > k ? n - k : 0; i > agree + 1; --i) {
    if (kSplitterVowels.contains(w[i - 1])) return false;
  }
  return true;
}

// Whether some candidate of W's class may keep no more than agree first letters.
bool least_kept_within(char class_code, std::string_view w, std::size_t agree) {
  return least_kept_within(kClassReach[static_cast<unsigned char>(class_code)], w, agree);
}

}  // namespace

std::span<const FinnishRule> finnish_rules() { return kRules; }

bool finnish_least_kept_within(char k, std::string_view w, std::size_t agree) {
  return least_kept_within(k, w, agree);
}

std::optional<std::size_t> finnish_least_kept(char k, std::string_view w) {
  std::optional<std::size_t> least;
  std::uint64_t rules = kRuleMasks.by_class[static_cast<unsigned char>(k)] &
                        kRuleMasks.by_last[static_cast<unsigned char>(back(w, 1))];
  for (; rules != 0; rules &= rules - 1) {
    const FinnishRule& rule = kRules[std::countr_zero(rules)];
    if (static_cast<int>(w.size()) <= rule.longer_than) continue;
    const std::size_t kept = kept_length(rule, w);
    if (!least || kept < *least) least = kept;
  }
  return least;
}

bool finnish_beginning_may_begin(std::string_view head, std::string_view text) {
  const std::size_t n = head.size();
  const std::size_t shared = n < text.size() ? n : text.size();
  std::size_t agree = 0;
  while (agree < shared && head[agree] == text[agree]) ++agree;
  // A word that begins with head shares just these letters with text, unless head is all
  // shared. A longer W keeps at least as much: its W-k is longer, and the last vowel of a
  // longer beginning lies no earlier.
  return agree == n || least_kept_within(kAnyReach, head, agree);
}

bool ficc(const FinnishInput& input, FinnishSink sink) {
  if (input.n < 0 || input.w.size() != len(input.n)) return true;
  const bool bounded = input.agree < input.w.size();
  // Most words of a search share too little with the wanted stems for any rule of their class.
  if (bounded && !least_kept_within(input.k, input.w, input.agree)) return true;
  const char last = back(input.w, 1);
  // The rules in order whose class holds the code (none holds '\0') and whose last-letter set
  // is empty or holds the last letter.
  std::uint64_t rules = kRuleMasks.by_class[static_cast<unsigned char>(input.k)] &
                        kRuleMasks.by_last[static_cast<unsigned char>(last)];
  for (; rules != 0; rules &= rules - 1) {
    const FinnishRule& rule = kRules[std::countr_zero(rules)];
    if (input.n <= rule.longer_than) continue;
    if (bounded && kept_length(rule, input.w) > input.agree) continue;
    const bool go = rule.body(input, [&](const StemParts& stem, int cls, std::string_view mark) {
      return sink({stem, cls, mark, rule.weight, rule.number});
    });
    if (!go) return false;
  }
  return true;
}

}  // namespace velimora::inflection
