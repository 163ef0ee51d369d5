#include "inflection/gradation.h"

#include <array>
#include <bit>
#include <cstdint>

namespace velimora::inflection {
namespace {

using G = GradationContext;

// c is one of the letters of set ('\0', the missing letter, is in no set).
constexpr bool in(char c, std::string_view set) {
  return c != '\0' && set.find(c) != std::string_view::npos;
}

// Between two u's or two y's after k, m, l, p or s a k grades to v, never to nothing:
// puku -> puvun, kyky -> kyvyn (row 4; row 3 is skipped there).
constexpr bool k_grades_to_v(const GradationContext& g) {
  return g.next == g.v && in(g.v, "uy") && in(back(g.before, 1), "kmlps");
}

constexpr bool kStop = true;
constexpr bool kGo = false;

// The gradation table gx1, in row order. With degree 2 the word's cluster is
// looked up in the strong column and the weak column is the answer; with degree 1 the other way
// round. Rows 42 to 48 relate the word's own cluster c to itself (the non-alternating rows).
// a: is listed in both encodings: \x84 (code page 850) and \xE4 (Windows-1252).
// clang-format off
constexpr GradationRow kGx1[] = {
  // #   strong  weak   degree      condition                                                  stop   X    after V
  {  1, "bb",   "b"  },
  {  2, "gg",   "g"  },
  {  3, "k",    "",    kAnyDegree, [](const G& g) { return !k_grades_to_v(g); } },
  {  4, "k",    "v",   kAnyDegree, k_grades_to_v,                                            kStop },
  {  5, "k",    "",    2,          [](const G& g) { return g.next == 'a'
                                                      && g.before.ends_with("a"); },          kGo,   'j', 'i' },
  {  6, "k",    "",    2,          [](const G& g) { return g.next == 'a'
                                                      && g.before.ends_with("po"); },         kGo,   'j', 'i' },
  {  7, "k",    "'",   kAnyDegree, [](const G& g) { return in(g.next, "a\x84\xE4"); },        kGo,   'i', 'i' },
  {  8, "k",    "'",   kAnyDegree, [](const G& g) { return g.next == g.v
                                                      && in(g.v, "auy\x84\xE4"); } },
  {  9, "hk",   "h"  },
  { 10, "hk",   "hj",  kAnyDegree, [](const G& g) { return in(g.next, "ei"); } },
  { 11, "hk",   "hk",  kAnyDegree, [](const G& g) { return !in(g.next, "ei"); } },
  { 12, "kk",   "k"  },
  { 13, "lk",   "l"  },
  { 14, "lk",   "lj",  kAnyDegree, [](const G& g) { return in(g.next, "ei"); } },
  { 15, "lkk",  "lk" },
  { 16, "nk",   "ng" },
  { 17, "nkk",  "nk" },  // pankki -> pankin, kinkku -> kinkun; hanke -> hankkeen
  { 18, "rk",   "r"  },
  { 19, "rk",   "rj",  kAnyDegree, [](const G& g) { return in(g.next, "ei"); } },
  { 20, "rkk",  "rk" },
  { 21, "p",    "v"  },
  { 22, "lp",   "lv" },
  { 23, "lpp",  "lp" },
  { 24, "mp",   "mm" },
  { 25, "mpp",  "mp" },
  { 26, "pp",   "p"  },
  { 27, "rp",   "rv" },
  { 28, "rpp",  "rp" },
  { 29, "t",    "d"  },
  { 30, "s",    "d",   2,          [](const G& g) { return g.next == 'i'; } },
  { 31, "lt",   "ll" },
  { 32, "ltt",  "lt" },
  { 33, "ht",   "hd" },
  { 34, "ks",   "hd",  2,          [](const G& g) { return g.next == 'i'; } },
  { 35, "ns",   "nn",  2,          [](const G& g) { return g.next == 'i'; } },
  { 36, "nt",   "nn" },
  { 37, "ntt",  "nt" },
  { 38, "rs",   "rr",  2,          [](const G& g) { return g.next == 'i'; } },
  { 39, "rt",   "rr" },
  { 40, "rtt",  "rt" },
  { 41, "tt",   "t"  },
  { 42, kOwnCluster, kOwnCluster, 2, [](const G& g) {
      return one_of(g.cluster, {"'", "d", "hd", "hj", "lj", "ll", "lv"}); } },
  { 43, kOwnCluster, kOwnCluster, 2, [](const G& g) {
      return one_of(g.cluster, {"mm", "ng", "nn", "rj", "rr", "rv"}); } },
  { 44, kOwnCluster, kOwnCluster, 1, [](const G& g) {
      return one_of(g.cluster, {"pp", "tt", "ns", "ht", "ks", "kk", "hk"}); } },
  { 45, kOwnCluster, kOwnCluster, kAnyDegree, [](const G& g) {
      return one_of(g.cluster, {"", "h", "j", "l", "m", "n", "r", "s", "v"}); } },
  { 46, kOwnCluster, kOwnCluster, kAnyDegree, [](const G& g) {
      return one_of(g.cluster, {"hl", "hm", "hn", "hr", "hv", "lh", "lm", "nh", "pt", "rh", "rm"}); } },
  { 47, kOwnCluster, kOwnCluster, kAnyDegree, [](const G& g) {
      return one_of(g.cluster, {"sk", "sl", "sp", "st", "sv", "tj", "tk", "ts", "tv"}); } },
  { 48, kOwnCluster, kOwnCluster, kAnyDegree, [](const G& g) { return g.cluster.size() >= 3; } },
};

// The special alternations vesi (degree 2, strong grade chosen so far), in order.
constexpr VesiRow kVesi[] = {
  // cluster  next vowel       cluster in form  class  D
  { "s",      "i",             "t",             2,     "i" },
  { "t",      "a\x84\xE4",     "s",             0,     "j" },
  { "ks",     "i",             "ht",            0,     "i" },
  { "ht",     "e",             "ks",            2,     "i" },
  { "ht",     "e",             "ks",            0,     "j" },
  { "ns",     "i",             "nt",            2,     "i" },
  { "nt",     "e",             "ns",            0,     "j" },
  { "rs",     "i",             "rt",            2,     "i" },
  { "rt",     "a\x84\xE4",     "rs",            0,     "j" },
};
// clang-format on

static_assert(std::size(kGx1) == 48);

// For degrees 1 and 2, the rows that can apply to a cluster by its first letter (index 256:
// the empty cluster), as bits by position in kGx1: the rows of the degree that relate the
// cluster to itself, and those whose looked-up column begins as the cluster does. The other
// rows fail the comparison with the cluster; skipping them changes nothing.
constexpr std::size_t kEmptyCluster = 256;
using RowMasks = std::array<std::array<std::uint64_t, kEmptyCluster + 1>, 2>;
static_assert(std::size(kGx1) <= 64, "one bit per row");

constexpr std::size_t cluster_index(std::string_view cluster) {
  return cluster.empty() ? kEmptyCluster : static_cast<unsigned char>(cluster[0]);
}

constexpr RowMasks make_row_masks() {
  RowMasks m{};
  for (int degree = 1; degree <= 2; ++degree) {
    for (std::size_t i = 0; i < std::size(kGx1); ++i) {
      const GradationRow& row = kGx1[i];
      if (row.degree != kAnyDegree && row.degree != degree) continue;
      const std::uint64_t bit = std::uint64_t{1} << i;
      if (row.strong.own) {
        for (std::uint64_t& rows : m[degree - 1]) rows |= bit;
        continue;
      }
      m[degree - 1][cluster_index(degree == 2 ? row.strong.text : row.weak.text)] |= bit;
    }
  }
  return m;
}
constexpr RowMasks kRowMasks = make_row_masks();

// The rows that name a letter X standing for V in the form.
constexpr std::uint64_t make_rows_with_x() {
  std::uint64_t rows = 0;
  for (std::size_t i = 0; i < std::size(kGx1); ++i) {
    if (kGx1[i].x != '\0') rows |= std::uint64_t{1} << i;
  }
  return rows;
}
constexpr std::uint64_t kRowsWithX = make_rows_with_x();

// The rows of gx0 that may apply to the cluster at this degree (a superset: conditions are not
// asked).
std::uint64_t candidate_rows(int degree, std::string_view cluster) {
  if (degree == 1 || degree == 2) return kRowMasks[degree - 1][cluster_index(cluster)];
  return ~std::uint64_t{0} >> (64 - std::size(kGx1));
}

// Whether some alternative of gx0 for the cluster may have the letter c as its X. X is V
// unless a row names another letter, so most forms whose next letter is not V are spared
// the walk over the table.
bool may_be_x(int degree, char v, std::string_view cluster, char c) {
  if (c == v) return true;
  for (std::uint64_t rows = candidate_rows(degree, cluster) & kRowsWithX; rows != 0;
       rows &= rows - 1) {
    if (kGx1[std::countr_zero(rows)].x == c) return true;
  }
  return false;
}

// Where stav splits its base: just behind its last vowel (scanning from the end); 0 for a base
// without a vowel.
std::size_t behind_last_vowel(std::string_view base) {
  std::size_t split = base.size();
  while (split > 0 && !kSplitterVowels.contains(base[split - 1]))
    --split;
  return split;
}

}  // namespace

std::size_t stav_least_kept(std::string_view base) {
  const std::size_t split = behind_last_vowel(base);
  if (split == 0) return 0;
  const char v = base[split - 1];
  const std::string_view cluster = base.substr(split);
  // Every stem goes on with X, which is V unless a row for the cluster names another letter.
  for (std::uint64_t rows = (candidate_rows(1, cluster) | candidate_rows(2, cluster)) & kRowsWithX;
       rows != 0; rows &= rows - 1) {
    const GradationRow& row = kGx1[std::countr_zero(rows)];
    if (row.x != v && (row.after == '\0' || row.after == v)) return split - 1;
  }
  return split;
}

std::span<const GradationRow> gradation_table() { return kGx1; }
std::span<const VesiRow> vesi_table() { return kVesi; }

bool gx01(std::string_view first, std::string_view second, ClusterClassSink sink) {
  return sink(first, 2) && sink(second, 1);
}

bool gx0(int degree, char v, char next_vowel, std::string_view before, std::string_view cluster,
         GradeSink sink) {
  const GradationContext context{degree, v, next_vowel, before, cluster};
  const bool strong_word = degree == 2;
  for (std::uint64_t rows = candidate_rows(degree, cluster); rows != 0; rows &= rows - 1) {
    const GradationRow& row = kGx1[std::countr_zero(rows)];
    if (row.degree != kAnyDegree && row.degree != degree) continue;
    if (row.after != '\0' && row.after != v) continue;
    const char x = row.x != '\0' ? row.x : v;
    if (row.strong.own) {
      // Rows 42-48: the cluster does not alternate.
      if (row.when != nullptr && !row.when(context)) continue;
      return sink({x, cluster, 0});
    }
    const std::string_view looked_up = strong_word ? row.strong.text : row.weak.text;
    if (!same_text(looked_up, cluster)) continue;
    if (row.when != nullptr && !row.when(context)) continue;
    const std::string_view answer = strong_word ? row.weak.text : row.strong.text;
    // A row relating the cluster to itself (row 11).
    if (same_text(answer, cluster)) return sink({x, cluster, 0});
    const auto emit = [&](std::string_view graded, int cls) { return sink({x, graded, cls}); };
    const bool go = strong_word ? gx01(cluster, answer, emit) : gx01(answer, cluster, emit);
    if (!go) return false;
    if (row.stop) break;
  }
  return sink({v, cluster, 3});
}

bool vesi(int degree, std::string_view cluster, int cls, std::string_view next_vowel,
          VesiSink sink) {
  if (degree == 2 && cls == 2) {
    const char next = next_vowel.empty() ? '\0' : next_vowel[0];
    for (const VesiRow& row : kVesi) {
      if (row.cluster != cluster || next == '\0' || !row.next.contains(next)) continue;
      if (!sink({row.cls, row.d, row.form_cluster})) return false;
    }
  }
  return sink({cls, next_vowel, cluster});
}

bool si(std::string_view a, std::string_view d) { return d != "j" || a.starts_with('i'); }

bool stav(int flag, int degree, std::string_view base, std::string_view form,
          std::string_view next_vowel, StavSink sink) {
  // 1. The last vowel of the base (scanning from the end).
  const std::size_t split = behind_last_vowel(base);

  if (split == 0) {
    // 3. No vowel in the base.
    if (flag == 1 && degree == 2 && base.size() < 3 && form.starts_with(base)) {
      return sink({form.substr(base.size()), form.substr(0, base.size()), form.substr(0, 0),
                   next_vowel, 0});
    }
    return true;
  }

  // 2. V = base[l], cluster = the letters behind it, B = the l letters in front of it.
  const std::size_t l = split - 1;
  const char v = base[l];
  const std::string_view cluster = base.substr(split);
  if (cluster.size() >= 5) return true;
  const std::string_view b = base.substr(0, l);
  if (!form.starts_with(b)) return true;
  const std::string_view rest = form.substr(l);  // F'
  // Every alternative begins F' with its X.
  if (rest.empty() || !may_be_x(degree, v, cluster, rest[0])) return true;
  const char next = next_vowel.empty() ? '\0' : next_vowel[0];

  return gx0(degree, v, next, b, cluster, [&](const GradeAlt& grade) {
    return vesi(degree, grade.cluster, grade.cls, next_vowel, [&](const VesiAlt& alt) {
      // C = X + the cluster in the form; F' must begin with C.
      if (rest[0] != grade.x || !rest.substr(1).starts_with(alt.form_cluster)) {
        return true;
      }
      const std::string_view c = rest.substr(0, 1 + alt.form_cluster.size());
      const std::string_view a = rest.substr(c.size());
      if (!si(a, alt.d)) return true;
      return sink({a, form.substr(0, l), c, alt.d, alt.cls});
    });
  });
}

}  // namespace velimora::inflection
