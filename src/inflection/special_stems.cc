#include "inflection/special_stems.h"

#include <iterator>

namespace velimora::inflection {
namespace {

constexpr bool in(char c, std::string_view set) {
  return c != '\0' && set.find(c) != std::string_view::npos;
}
constexpr bool kStop = true;
constexpr bool kGo = false;

// clang-format off

// nsi: the stem letters of ordinals and -as/-es adjectives (kolmas, kolmannen).
struct NsiRow {
  std::string_view t;
  std::string_view mark;
  int cls;
  bool third_letter_i = false;  // only when the third letter of the tail is 'i'
  bool stop = false;
};
constexpr NsiRow kNsi[] = {
  // T     mark  class  condition  stop
  { "",    "Z",  0 },
  { "nn",  "I",  1 },
  { "ns",  "I",  2,     true,      kStop },
  { "nt",  "I",  2 },
};

// ks (used by lumi).
struct KsRow {
  std::string_view b;
  std::string_view t;
};
constexpr KsRow kKs[] = {
  { "ks", "h" },
  { "ps", "s" },
  { "ts", "s" },
  { "m",  "n" },
};

// nrt: the consonant-final nouns in -l, -n, -r, -t, in order.
using N = NrtInput;
constexpr bool even(int p) { return p % 2 == 0; }
constexpr NrtRow kNrt[] = {
  // #  final  V2                condition                                                mark  class         C    stop
  { 1, 'l',   "ae",              nullptr,                                                 "L",  kFirstOfNrt1, 'l', kStop },
  { 2, 'n',   "aiu\x84\xE4",     [](const N& x) { return even(x.p) && x.z.starts_with('m')
                                                    && in(at(x.z, 1), "eiuy"); },         "M",  2,            0,   kGo },
  { 3, 'n',   "aiu\x84\xE4",     [](const N& x) { return nrt1(1, 'n', x.z, x.p); },       "M",  1,            0,   kStop },
  { 4, 'n',   "io\x94\xF6",      [](const N& x) { return even(x.p) && x.z.starts_with('m')
                                                    && in(at(x.z, 1), "aiuy\x84\xE4"); }, "E",  2,            0,   kGo },
  { 5, 'n',   "io\x94\xF6",      [](const N& x) { return nrt1(1, 'n', x.z, x.p); },       "E",  1,            0,   kStop },
  { 6, 'n',   "e",               [](const N& x) { return !x.base.ends_with('n'); },       "N",  kFirstOfNrt1, 'n', kStop },
  { 7, 'r',   "ae\x84\xE4",      nullptr,                                                 "R",  kFirstOfNrt1, 'r', kStop },
  { 8, 't',   "uy",              [](const N& x) { return even(x.p)
                                                    && in(at(x.z, 0), "eikuy"); },        "T",  2,            0,   kGo },
  { 9, 't',   "uy",              [](const N& x) { return nrt1(1, 't', x.z, x.p); },       "T",  1,            0,   kGo },
};

// itse: verbs in -ta/-ta: after a vowel, in order. \x84 a:, \x94 o:, \x8E A:, \x99 O: are
// code page 850; \xE4 a:, \xF6 o:, \xC4 A:, \xD6 O: Windows-1252.
using I = ItseInput;
using enum ItseT2;
constexpr ItseRow kItse[] = {
  // #   condition                                                                 T1   class     T2     mark    stop
  {  1, [](const I& x) { return x.a1 == 'i' && x.v3 == 'i' && x.z.starts_with("ts")
                             && in(at(x.z, 2), "ei"); },                               "t", 0,        kA1,   "Z",    kStop },  // T2 = a1 = "i"
  {  2, [](const I& x) { return x.a1 == x.v3 && in(x.v3, "aeo") && x.z.starts_with('n')
                             && in(at(x.z, 1), "ei"); },                               "",  kClassC0, kA1,   "N",    kStop },
  {  3, [](const I& x) { return x.v3 == 'a' && in(x.a1, "aeiou"); },                  "",  kClassC0, kNone, "A",    kStop },
  {  4, [](const I& x) { return x.v3 == 'e' && kVowels.contains(x.a1); },              "",  kClassC0, kNone, "E",    kGo },
  {  5, [](const I& x) { return x.v3 == 'i' && in(x.a1, "ei"); },                     "",  kClassC0, kNone, "I",    kGo },
  {  6, [](const I& x) { return x.v3 == 'o' && in(x.a1, "ao"); },                     "",  kClassC0, kNone, "O",    kGo },
  {  7, [](const I& x) { return x.v3 == 'u' && in(x.a1, "au"); },                     "",  kClassC0, kNone, "U",    kGo },
  {  8, [](const I& x) { return x.v3 == 'y' && in(x.a1, "y\x84\xE4"); },              "",  kClassC0, kNone, "Y",    kGo },    // a: both
  {  9, [](const I& x) { return x.v3 == '\x84' && in(x.a1, "eiy\x84\x94"); },         "",  kClassC0, kNone, "\x8E", kStop },  // 850
  { 10, [](const I& x) { return x.v3 == '\xE4' && in(x.a1, "eiy\xE4\xF6"); },         "",  kClassC0, kNone, "\xC4", kStop },  // 1252
  { 11, [](const I& x) { return x.v3 == '\x94' && in(x.a1, "\x84\x94"); },            "",  kClassC0, kNone, "\x99", kGo },    // 850
  { 12, [](const I& x) { return x.v3 == '\xF6' && in(x.a1, "\xE4\xF6"); },            "",  kClassC0, kNone, "\xD6", kGo },    // 1252
  { 13, [](const I& x) { return in(x.a1, "uy"); },                                    "",  kClassC0, kV3,   "T",    kGo },
};

// clang-format on

static_assert(std::size(kNrt) == 9);
static_assert(std::size(kItse) == 13);

}  // namespace

bool nsi(std::string_view tail, FunctionRef<bool(const NsiAlt&)> sink) {
  for (const NsiRow& row : kNsi) {
    if (row.third_letter_i && at(tail, 2) != 'i') continue;
    if (!sink({row.t, row.mark, row.cls})) return false;
    if (row.stop) break;
  }
  return true;
}

std::optional<std::string_view> ks(std::string_view b) {
  for (const KsRow& row : kKs) {
    if (row.b == b) return row.t;
  }
  return std::nullopt;
}

bool lumi(std::string_view front, int n, std::string_view form,
          FunctionRef<bool(const StemParts&)> sink) {
  for (int k : {2, 3}) {  // ls yields 2, then 3
    if (n < k || front.size() < static_cast<std::size_t>(n - 1)) continue;
    const std::string_view a = front.substr(0, static_cast<std::size_t>(n - k));
    const std::string_view b = front.substr(a.size(), static_cast<std::size_t>(k - 1));
    const auto t = ks(b);
    if (!t) continue;
    const StemParts stem(a, *t);
    if (!stem.is_prefix_of(form)) continue;
    if (!sink(stem)) return false;
  }
  return true;
}

std::optional<int> mieh(char c, std::string_view z) {
  if (c == 's') return 0;
  if (c == 'h' && in(at(z, 0), "eiuy")) return 1;
  return std::nullopt;
}

bool ksd(char second_last, char third_last, FunctionRef<bool(std::string_view)> sink) {
  const bool d = (second_last == 'u' && in(third_last, "aeiou")) ||
                 (second_last == 'y' && in(third_last, "eiy\x84\xE4\x94\xF6"));
  if (d && !sink("d")) return false;
  return sink("x");
}

std::optional<int> dt(char c) {
  if (c == 'd') return 1;
  if (c == 't') return 2;
  return std::nullopt;
}

bool kse(std::string_view mark, std::string_view z, TextClassSink sink) {
  if (z.starts_with('s')) return sink({"", 0});  // then stop
  if (mark == "x" && z.starts_with("ks") && in(at(z, 2), "ei")) {
    if (!sink({"ks", 1})) return false;
  }
  if (mark == "d" && in(at(z, 1), "et")) {
    if (const auto cls = dt(at(z, 0))) return sink({"", *cls});
  }
  return true;
}

std::optional<int> emp(std::string_view two) {
  if (two == "mp") return 2;
  if (two == "mm") return 1;
  return std::nullopt;
}

bool nen(std::string_view z, TextClassSink sink) {
  if (z.starts_with('s')) return sink({"s", 0});  // then stop
  if (z.starts_with("nen")) return sink({"ne", 1});
  return true;
}

std::optional<int> hke(char c) {
  if (c == 'h') return 0;
  if (in(c, "eiy\x94\xF6")) return 1;
  if (c == 'k') return 2;
  return std::nullopt;
}

bool kse1(std::string_view x, std::string_view c1, std::string_view z,
          FunctionRef<bool(const Kse1Alt&)> sink) {
  const bool juo_syo = one_of(x, {"juo", "sy\x94", "sy\xF6"});
  // 1. juosta, syo:sta: with Z beginning with 's': then stop.
  if (c1 == "s" && juo_syo && z.starts_with('s')) return sink({"x", "", 0});
  // 2. juosta, syo:sta:: the search stops here whatever follows.
  if (c1 == "s" && juo_syo) {
    if (z.starts_with("ks") && in(at(z, 2), "eiu")) return sink({"x", "k", 1});
    return true;
  }
  // 3. -lla, -nna, -rra, -sta before a consonant: then stop.
  if (c1.size() == 1 && in(c1[0], "lnrs") && in(at(z, 0), "klnrst")) return sink({c1, "", 0});
  return true;
}

bool nrt1(int cls, char c, std::string_view z, int p) {
  if (cls == 2) return even(p) && at(z, 0) == c && in(at(z, 1), "eiouy\x94\xF6");
  if (cls == 1) return p < 2 && at(z, 0) == c;
  return false;
}

std::optional<int> nrt1_first(char c, std::string_view z, int p) {
  if (nrt1(2, c, z, p)) return 2;
  if (nrt1(1, c, z, p)) return 1;
  return std::nullopt;
}

std::span<const NrtRow> nrt_table() { return kNrt; }

bool nrt(std::string_view base, char v2, char final_letter, std::string_view z, int p,
         MarkClassSink sink) {
  const NrtInput input{base, v2, final_letter, z, p};
  for (const NrtRow& row : kNrt) {
    if (row.final_letter != final_letter || !row.v2.contains(v2)) continue;
    if (row.when != nullptr && !row.when(input)) continue;
    int cls = row.cls;
    if (cls == kFirstOfNrt1) {
      const auto first = nrt1_first(row.c, z, p);
      if (!first) continue;
      cls = *first;
    }
    if (!sink({row.mark, cls})) return false;
    if (row.stop) break;
  }
  return true;
}

std::span<const ItseRow> itse_table() { return kItse; }

bool itse(std::string_view a1, std::string_view z, int c0, std::string_view v3,
          FunctionRef<bool(const ItseAlt&)> sink) {
  if (a1.empty()) return true;
  const ItseInput input{a1[0], z, v3.empty() ? '\0' : v3[0]};
  for (const ItseRow& row : kItse) {
    if (!row.when(input)) continue;
    const std::string_view t2 = row.t2 == ItseT2::kA1 ? a1.substr(0, 1)
                                : row.t2 == ItseT2::kV3 ? v3.substr(0, 1)
                                                        : std::string_view{};
    if (!sink({row.t1, row.cls == kClassC0 ? c0 : row.cls, t2, row.mark})) return false;
    if (row.stop) break;
  }
  return true;
}

bool es(char last, char second_last) {
  if (in(last, "bcdfghjkl") || in(last, "mnprtvwxz")) return true;
  return last == 's' && !in(second_last, "ae\x84\xE4");
}

StemMark sidsti(std::string_view word, std::string_view last) {
  const char c = last.empty() ? '\0' : last[0];
  if (!word.empty() && (in(c, "bcdefghjkl") || in(c, "mnprsStvwz"))) {
    return {drop_back(word, 1), last};
  }
  return {word, " "};
}

}  // namespace velimora::inflection
