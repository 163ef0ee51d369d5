// The gradation table gx1 through gx0 (one case per row, both directions), gx01, the
// special alternations vesi, si and the splitter stav, with the documented edge cases.
#include "inflection/gradation.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "inflection/test_support.h"

namespace velimora::inflection {
namespace {

// --- gx0 ----------------------------------------------------------------------------------------

struct Grade {
  char x;
  std::string cluster;
  int cls;
  friend bool operator==(const Grade&, const Grade&) = default;
};
void PrintTo(const Grade& g, std::ostream* os) {
  *os << "{'" << Escaped(std::string(1, g.x)) << "', \"" << Escaped(g.cluster) << "\", " << g.cls
      << "}";
}

struct Gx0Case {
  std::string name;
  int degree;
  char v;
  char next;
  std::string before;
  std::string cluster;
  std::vector<Grade> expected;
};
void PrintTo(const Gx0Case& c, std::ostream* os) { *os << c.name; }

std::vector<Grade> RunGx0(const Gx0Case& c) {
  return Collect<Grade>([&](auto sink) { return gx0(c.degree, c.v, c.next, c.before, c.cluster, sink); },
                        [](const GradeAlt& g) { return Grade{g.x, std::string(g.cluster), g.cls}; });
}

class Gx0Test : public ::testing::TestWithParam<Gx0Case> {};

TEST_P(Gx0Test, YieldsTheOrderedAlternatives) {
  EXPECT_EQ(RunGx0(GetParam()), GetParam().expected);
}

// Every case lists the complete ordered output. Degree 2 looks the word's cluster up in the
// strong column, degree 1 in the weak column.
const Gx0Case kGx0Cases[] = {
    // Rows 1-2: geminates of loan words.
    {"Row01_bb", 2, 'u', 'a', "k", "bb", {{'u', "bb", 2}, {'u', "b", 1}, {'u', "bb", 3}}},
    {"Row01_b_weak", 1, 'u', 'a', "k", "b", {{'u', "bb", 2}, {'u', "b", 1}, {'u', "b", 3}}},
    {"Row02_gg", 2, 'o', 'i', "d", "gg", {{'o', "gg", 2}, {'o', "g", 1}, {'o', "gg", 3}}},
    // Row 3: k to nothing (rows 4-8 do not hold: V = o, next vowel a).
    {"Row03_k", 2, 'o', 'a', "l", "k", {{'o', "k", 2}, {'o', "", 1}, {'o', "k", 3}}},
    // Row 4 (puku, puvun): row 3 does not hold (never puun), row 4 stops the search (row 8
    // would hold).
    {"Row04_puku_stops", 2, 'u', 'u', "p", "k", {{'u', "k", 2}, {'u', "v", 1}, {'u', "k", 3}}},
    // Row 4 weak to strong: the stop also skips row 21 (p, v) and row 45 (v).
    {"Row04_weak_v_stops", 1, 'u', 'u', "p", "v", {{'u', "k", 2}, {'u', "v", 1}, {'u', "v", 3}}},
    // Without row 4's condition the weak v is found in row 21 and then in row 45.
    {"Row21_weak_v", 1, 'u', 'u', "t", "v", {{'u', "p", 2}, {'u', "v", 1}, {'u', "v", 0}}},
    // Row 5 (aika, ajan): X = j; row 7 follows.
    {"Row05_aika",
     2, 'i', 'a', "a", "k",
     {{'i', "k", 2}, {'i', "", 1}, {'j', "k", 2}, {'j', "", 1}, {'i', "k", 2}, {'i', "'", 1},
      {'i', "k", 3}}},
    // Row 6 (poika, pojan).
    {"Row06_poika",
     2, 'i', 'a', "po", "k",
     {{'i', "k", 2}, {'i', "", 1}, {'j', "k", 2}, {'j', "", 1}, {'i', "k", 2}, {'i', "'", 1},
      {'i', "k", 3}}},
    // Rows 5 and 6 need degree 2: in the weak-to-strong direction only rows 3 and 44 remain.
    {"Row05_not_weak", 1, 'i', 'a', "a", "", {{'i', "k", 2}, {'i', "", 1}, {'i', "", 0}}},
    // Row 7: V = i, next vowel a: in either encoding.
    {"Row07_ae850",
     2, 'i', '\x84', "l", "k",
     {{'i', "k", 2}, {'i', "", 1}, {'i', "k", 2}, {'i', "'", 1}, {'i', "k", 3}}},
    {"Row07_ae1252",
     2, 'i', '\xE4', "l", "k",
     {{'i', "k", 2}, {'i', "", 1}, {'i', "k", 2}, {'i', "'", 1}, {'i', "k", 3}}},
    // Row 8: next vowel = V in {a, u, y, a:}.
    {"Row08_a",
     2, 'a', 'a', "r", "k",
     {{'a', "k", 2}, {'a', "", 1}, {'a', "k", 2}, {'a', "'", 1}, {'a', "k", 3}}},
    {"Row08_ae1252",
     2, '\xE4', '\xE4', "r", "k",
     {{'\xE4', "k", 2}, {'\xE4', "", 1}, {'\xE4', "k", 2}, {'\xE4', "'", 1}, {'\xE4', "k", 3}}},
    {"Row08_weak_apostrophe", 1, 'a', 'a', "r", "'", {{'a', "k", 2}, {'a', "'", 1}, {'a', "'", 3}}},
    // Rows 9-11: hk. Before a, row 11 relates hk to itself: class 0 and stop, no class 3.
    {"Row09_Row11_hk", 2, 'a', 'a', "t", "hk", {{'a', "hk", 2}, {'a', "h", 1}, {'a', "hk", 0}}},
    {"Row10_hk_before_e",
     2, 'e', 'e', "t", "hk",
     {{'e', "hk", 2}, {'e', "h", 1}, {'e', "hk", 2}, {'e', "hj", 1}, {'e', "hk", 3}}},
    {"Row10_weak_hj", 1, 'a', 'i', "v", "hj", {{'a', "hk", 2}, {'a', "hj", 1}, {'a', "hj", 3}}},
    {"Row11_weak_hk_itself", 1, 'a', 'a', "v", "hk", {{'a', "hk", 0}}},
    {"Row09_weak_h", 1, 'a', 'a', "v", "h", {{'a', "hk", 2}, {'a', "h", 1}, {'a', "h", 0}}},
    {"Row12_kk", 2, 'u', 'a', "k", "kk", {{'u', "kk", 2}, {'u', "k", 1}, {'u', "kk", 3}}},
    {"Row12_weak_k", 1, 'i', 'e', "li", "k", {{'i', "kk", 2}, {'i', "k", 1}, {'i', "k", 3}}},
    {"Row13_lk", 2, 'a', 'a', "j", "lk", {{'a', "lk", 2}, {'a', "l", 1}, {'a', "lk", 3}}},
    {"Row14_lk_before_i",
     2, 'a', 'i', "j", "lk",
     {{'a', "lk", 2}, {'a', "l", 1}, {'a', "lk", 2}, {'a', "lj", 1}, {'a', "lk", 3}}},
    {"Row13_weak_l", 1, 'o', 'u', "", "l", {{'o', "lk", 2}, {'o', "l", 1}, {'o', "l", 0}}},
    // Row 15: a three-letter cluster also matches row 48.
    {"Row15_lkk", 2, 'a', 'a', "j", "lkk", {{'a', "lkk", 2}, {'a', "lk", 1}, {'a', "lkk", 0}}},
    {"Row15_weak_lk", 1, 'a', 'a', "j", "lk", {{'a', "lkk", 2}, {'a', "lk", 1}, {'a', "lk", 3}}},
    {"Row16_nk", 2, 'e', 'a', "r", "nk", {{'e', "nk", 2}, {'e', "ng", 1}, {'e', "nk", 3}}},
    {"Row16_weak_ng_rengas", 1, 'e', 'a', "r", "ng", {{'e', "nk", 2}, {'e', "ng", 1}, {'e', "ng", 3}}},
    // Row 17: nkk and nk (pankki, pankin; hanke, hankkeen); nkk also matches row 48.
    {"Row17_nkk_pankki", 2, 'a', 'i', "p", "nkk", {{'a', "nkk", 2}, {'a', "nk", 1}, {'a', "nkk", 0}}},
    {"Row17_weak_nk_hanke", 1, 'a', 'e', "h", "nk", {{'a', "nkk", 2}, {'a', "nk", 1}, {'a', "nk", 3}}},
    {"Row18_rk", 2, 'o', 'a', "k", "rk", {{'o', "rk", 2}, {'o', "r", 1}, {'o', "rk", 3}}},
    {"Row19_rk_before_e",
     2, 'o', 'e', "k", "rk",
     {{'o', "rk", 2}, {'o', "r", 1}, {'o', "rk", 2}, {'o', "rj", 1}, {'o', "rk", 3}}},
    {"Row20_rkk", 2, 'a', 'a', "k", "rkk", {{'a', "rkk", 2}, {'a', "rk", 1}, {'a', "rkk", 0}}},
    {"Row21_p", 2, 'a', 'a', "t", "p", {{'a', "p", 2}, {'a', "v", 1}, {'a', "p", 3}}},
    {"Row22_lp", 2, 'e', 'a', "h", "lp", {{'e', "lp", 2}, {'e', "lv", 1}, {'e', "lp", 3}}},
    {"Row23_lpp", 2, 'e', 'a', "h", "lpp", {{'e', "lpp", 2}, {'e', "lp", 1}, {'e', "lpp", 0}}},
    {"Row24_mp", 2, 'a', 'i', "l", "mp", {{'a', "mp", 2}, {'a', "mm", 1}, {'a', "mp", 3}}},
    {"Row24_weak_mm", 1, 'a', 'i', "l", "mm", {{'a', "mp", 2}, {'a', "mm", 1}, {'a', "mm", 3}}},
    {"Row25_mpp", 2, 'a', 'i', "l", "mpp", {{'a', "mpp", 2}, {'a', "mp", 1}, {'a', "mpp", 0}}},
    {"Row25_weak_mp", 1, 'a', 'i', "l", "mp", {{'a', "mpp", 2}, {'a', "mp", 1}, {'a', "mp", 3}}},
    {"Row26_pp", 2, 'a', 'a', "k", "pp", {{'a', "pp", 2}, {'a', "p", 1}, {'a', "pp", 3}}},
    {"Row27_rp", 2, 'a', 'a', "h", "rp", {{'a', "rp", 2}, {'a', "rv", 1}, {'a', "rp", 3}}},
    {"Row28_rpp", 2, 'a', 'a', "h", "rpp", {{'a', "rpp", 2}, {'a', "rp", 1}, {'a', "rpp", 0}}},
    {"Row29_t", 2, 'e', 'i', "ti", "t", {{'e', "t", 2}, {'e', "d", 1}, {'e', "t", 3}}},
    {"Row29_weak_d", 1, 'e', 'i', "ti", "d", {{'e', "t", 2}, {'e', "d", 1}, {'e', "d", 3}}},
    // Row 30 (vesi): s to d before i, degree 2 only; then row 45 relates s to itself.
    {"Row30_vesi", 2, 'e', 'i', "v", "s", {{'e', "s", 2}, {'e', "d", 1}, {'e', "s", 0}}},
    {"Row30_not_before_a", 2, 'e', 'a', "v", "s", {{'e', "s", 0}}},
    {"Row31_lt", 2, 'a', 'a', "k", "lt", {{'a', "lt", 2}, {'a', "ll", 1}, {'a', "lt", 3}}},
    {"Row31_weak_ll", 1, 'a', 'i', "k", "ll", {{'a', "lt", 2}, {'a', "ll", 1}, {'a', "ll", 3}}},
    {"Row32_ltt", 2, 'a', 'a', "k", "ltt", {{'a', "ltt", 2}, {'a', "lt", 1}, {'a', "ltt", 0}}},
    {"Row33_ht", 2, 'e', 'i', "l", "ht", {{'e', "ht", 2}, {'e', "hd", 1}, {'e', "ht", 3}}},
    {"Row33_weak_hd", 1, 'e', 'i', "l", "hd", {{'e', "ht", 2}, {'e', "hd", 1}, {'e', "hd", 3}}},
    {"Row34_ks", 2, 'y', 'i', "", "ks", {{'y', "ks", 2}, {'y', "hd", 1}, {'y', "ks", 3}}},
    {"Row34_not_before_e", 2, 'y', 'e', "", "ks", {{'y', "ks", 3}}},
    {"Row35_ns", 2, 'a', 'i', "k", "ns", {{'a', "ns", 2}, {'a', "nn", 1}, {'a', "ns", 3}}},
    {"Row36_nt", 2, 'a', 'a', "r", "nt", {{'a', "nt", 2}, {'a', "nn", 1}, {'a', "nt", 3}}},
    // Row 35 needs degree 2: the weak nn comes from row 36 only.
    {"Row36_weak_nn", 1, 'a', 'i', "r", "nn", {{'a', "nt", 2}, {'a', "nn", 1}, {'a', "nn", 3}}},
    {"Row37_ntt", 2, 'a', 'a', "r", "ntt", {{'a', "ntt", 2}, {'a', "nt", 1}, {'a', "ntt", 0}}},
    {"Row38_rs", 2, 'o', 'i', "v", "rs", {{'o', "rs", 2}, {'o', "rr", 1}, {'o', "rs", 3}}},
    {"Row39_rt", 2, 'o', 'a', "v", "rt", {{'o', "rt", 2}, {'o', "rr", 1}, {'o', "rt", 3}}},
    {"Row39_weak_rr", 1, 'o', 'i', "v", "rr", {{'o', "rt", 2}, {'o', "rr", 1}, {'o', "rr", 3}}},
    {"Row40_rtt", 2, 'o', 'a', "v", "rtt", {{'o', "rtt", 2}, {'o', "rt", 1}, {'o', "rtt", 0}}},
    {"Row41_tt", 2, 'a', 'a', "k", "tt", {{'a', "tt", 2}, {'a', "t", 1}, {'a', "tt", 3}}},
    {"Row41_weak_t", 1, 'a', 'e', "aj", "t", {{'a', "tt", 2}, {'a', "t", 1}, {'a', "t", 3}}},
    // Rows 42-48: the cluster does not alternate.
    {"Row42_ll", 2, 'a', 'i', "k", "ll", {{'a', "ll", 0}}},
    {"Row42_apostrophe", 2, 'a', 'a', "r", "'", {{'a', "'", 0}}},
    {"Row42_lv", 2, 'e', 'a', "h", "lv", {{'e', "lv", 0}}},
    {"Row43_ng", 2, 'e', 'a', "k", "ng", {{'e', "ng", 0}}},
    {"Row43_rv", 2, 'a', 'a', "t", "rv", {{'a', "rv", 0}}},
    {"Row44_kk_weak", 1, 'u', 'a', "k", "kk", {{'u', "kk", 0}}},
    {"Row44_hk_weak_before_e", 1, 'a', 'e', "v", "hk", {{'a', "hk", 0}}},
    {"Row44_not_strong", 2, 'a', 'a', "k", "ht", {{'a', "ht", 2}, {'a', "hd", 1}, {'a', "ht", 3}}},
    {"Row45_n", 2, 'a', 'o', "s", "n", {{'a', "n", 0}}},
    {"Row45_empty", 2, 'i', 'e', "s", "", {{'i', "", 0}}},
    {"Row45_empty_weak", 1, 'a', 'i', "av", "", {{'a', "k", 2}, {'a', "", 1}, {'a', "", 0}}},
    {"Row46_rh", 2, 'e', 'e', "p", "rh", {{'e', "rh", 0}}},
    {"Row47_st", 2, 'a', 'a', "k", "st", {{'a', "st", 0}}},
    {"Row47_ts", 2, 'i', 'i', "ve", "ts", {{'i', "ts", 0}}},
    {"Row48_nst", 1, 'a', 'a', "", "nst", {{'a', "nst", 0}}},
    // No row at all: class 3 only.
    {"Class3_ps", 2, 'a', 'i', "l", "ps", {{'a', "ps", 3}}},
    {"Class3_c", 2, 'a', 'a', "", "c", {{'a', "c", 3}}},
};

INSTANTIATE_TEST_SUITE_P(Rows, Gx0Test, ::testing::ValuesIn(kGx0Cases),
                         [](const auto& info) { return info.param.name; });

TEST(Gx1Table, HasTheFortyEightRowsInOrder) {
  const auto table = gradation_table();
  ASSERT_EQ(table.size(), 48u);
  for (std::size_t i = 0; i < table.size(); ++i) EXPECT_EQ(table[i].number, static_cast<int>(i + 1));
  // Rows 42-48 are the non-alternating rows; all others relate two fixed clusters.
  for (const GradationRow& row : table) {
    EXPECT_EQ(row.strong.own, row.number >= 42) << row.number;
    EXPECT_EQ(row.weak.own, row.number >= 42) << row.number;
  }
  // Only row 4 stops; only rows 5, 6 and 7 replace V.
  for (const GradationRow& row : table) {
    EXPECT_EQ(row.stop, row.number == 4) << row.number;
    EXPECT_EQ(row.x != '\0', row.number >= 5 && row.number <= 7) << row.number;
  }
}

TEST(Gx0, ConsumerCanStopEarly) {
  int seen = 0;
  EXPECT_FALSE(gx0(2, 'u', 'u', "p", "k", [&](const GradeAlt&) { return ++seen < 2; }));
  EXPECT_EQ(seen, 2);
}

TEST(Gx01, YieldsFirstStrongThenWeak) {
  std::vector<std::pair<std::string, int>> out;
  EXPECT_TRUE(gx01("kk", "k", [&](std::string_view c, int cls) {
    out.emplace_back(c, cls);
    return true;
  }));
  EXPECT_EQ(out, (std::vector<std::pair<std::string, int>>{{"kk", 2}, {"k", 1}}));
}

// --- vesi and si ------------------------------------------------------------------------------

struct Vesi {
  int cls;
  std::string d;
  std::string cluster;
  friend bool operator==(const Vesi&, const Vesi&) = default;
};
void PrintTo(const Vesi& v, std::ostream* os) {
  *os << "{" << v.cls << ", \"" << Escaped(v.d) << "\", \"" << Escaped(v.cluster) << "\"}";
}

std::vector<Vesi> RunVesi(int degree, std::string_view cluster, int cls, std::string_view next) {
  return Collect<Vesi>([&](auto sink) { return vesi(degree, cluster, cls, next, sink); },
                       [](const VesiAlt& a) {
                         return Vesi{a.cls, std::string(a.d), std::string(a.form_cluster)};
                       });
}

TEST(Vesi, EachSpecialRowThenTheUnchangedCluster) {
  using V = std::vector<Vesi>;
  EXPECT_EQ(RunVesi(2, "s", 2, "i"), (V{{2, "i", "t"}, {2, "i", "s"}}));
  EXPECT_EQ(RunVesi(2, "t", 2, "a"), (V{{0, "j", "s"}, {2, "a", "t"}}));
  EXPECT_EQ(RunVesi(2, "t", 2, "\x84"), (V{{0, "j", "s"}, {2, "\x84", "t"}}));
  EXPECT_EQ(RunVesi(2, "t", 2, "\xE4"), (V{{0, "j", "s"}, {2, "\xE4", "t"}}));
  EXPECT_EQ(RunVesi(2, "ks", 2, "i"), (V{{0, "i", "ht"}, {2, "i", "ks"}}));
  // Both ht rows hold before e.
  EXPECT_EQ(RunVesi(2, "ht", 2, "e"), (V{{2, "i", "ks"}, {0, "j", "ks"}, {2, "e", "ht"}}));
  EXPECT_EQ(RunVesi(2, "ns", 2, "i"), (V{{2, "i", "nt"}, {2, "i", "ns"}}));
  EXPECT_EQ(RunVesi(2, "nt", 2, "e"), (V{{0, "j", "ns"}, {2, "e", "nt"}}));
  EXPECT_EQ(RunVesi(2, "rs", 2, "i"), (V{{2, "i", "rt"}, {2, "i", "rs"}}));
  EXPECT_EQ(RunVesi(2, "rt", 2, "\xE4"), (V{{0, "j", "rs"}, {2, "\xE4", "rt"}}));
  EXPECT_EQ(vesi_table().size(), 9u);
}

TEST(Vesi, OnlyForDegreeTwoAndTheStrongGrade) {
  using V = std::vector<Vesi>;
  EXPECT_EQ(RunVesi(1, "t", 2, "a"), (V{{2, "a", "t"}}));
  EXPECT_EQ(RunVesi(2, "t", 1, "a"), (V{{1, "a", "t"}}));
  EXPECT_EQ(RunVesi(2, "t", 3, "a"), (V{{3, "a", "t"}}));
  EXPECT_EQ(RunVesi(2, "t", 0, "a"), (V{{0, "a", "t"}}));
  EXPECT_EQ(RunVesi(2, "t", 2, "e"), (V{{2, "e", "t"}}));
  EXPECT_EQ(RunVesi(2, "ht", 2, "i"), (V{{2, "i", "ht"}}));
}

TEST(Si, JNeedsAnIAfterTheStem) {
  EXPECT_TRUE(si("i", "j"));
  EXPECT_TRUE(si("ivat", "j"));
  EXPECT_FALSE(si("en", "j"));
  EXPECT_FALSE(si("", "j"));
  EXPECT_TRUE(si("en", "i"));
  EXPECT_TRUE(si("", "a"));
}

// --- stav --------------------------------------------------------------------------------------

struct Stav {
  std::string a, b, c, d;
  int cls;
  friend bool operator==(const Stav&, const Stav&) = default;
};
void PrintTo(const Stav& s, std::ostream* os) {
  *os << "{A \"" << Escaped(s.a) << "\", B \"" << Escaped(s.b) << "\", C \"" << Escaped(s.c)
      << "\", D \"" << Escaped(s.d) << "\", " << s.cls << "}";
}

std::vector<Stav> RunStav(int flag, int degree, std::string_view base, std::string_view form,
                          std::string_view next) {
  return Collect<Stav>([&](auto sink) { return stav(flag, degree, base, form, next, sink); },
                       [](const StavAlt& s) {
                         return Stav{std::string(s.a), std::string(s.b), std::string(s.c),
                                     std::string(s.d), s.cls};
                       });
}

using S = std::vector<Stav>;

TEST(Stav, VesiSpecialRowAndNonAlternatingRow) {
  // gx0 gives (e s 2) (e d 1) (e s 0); vesi turns the first into C = "et" and "es".
  EXPECT_EQ(RunStav(0, 2, "ves", "vett\xE4", "i"), (S{{"t\xE4", "v", "et", "i", 2}}));
  EXPECT_EQ(RunStav(0, 2, "ves", "vesi", "i"),
            (S{{"i", "v", "es", "i", 2}, {"i", "v", "es", "i", 0}}));
  EXPECT_EQ(RunStav(0, 2, "ves", "veden", "i"), (S{{"en", "v", "ed", "i", 1}}));
}

TEST(Stav, PukuPuvun) {
  EXPECT_EQ(RunStav(0, 2, "puk", "puvun", "u"), (S{{"un", "p", "uv", "u", 1}}));
}

TEST(Stav, KukkaInOrder) {
  EXPECT_EQ(RunStav(0, 2, "kukk", "kukan", "a"), (S{{"an", "k", "uk", "a", 1}}));
  EXPECT_EQ(RunStav(0, 2, "kukk", "kukka", "a"),
            (S{{"a", "k", "ukk", "a", 2}, {"ka", "k", "uk", "a", 1}, {"a", "k", "ukk", "a", 3}}));
}

TEST(Stav, TietaaTtoS) {
  EXPECT_EQ(RunStav(0, 2, "tiet", "tiesi", "\x84"), (S{{"i", "ti", "es", "j", 0}}));
  // si: the form must continue with 'i' after the s.
  EXPECT_EQ(RunStav(0, 2, "tiet", "ties\x84", "\x84"), S{});
  EXPECT_EQ(RunStav(0, 2, "tiet", "tied\x84n", "\x84"), (S{{"\x84n", "ti", "ed", "\x84", 1}}));
}

TEST(Stav, RengasWeakToStrong) {
  EXPECT_EQ(RunStav(0, 1, "reng", "renkaan", "a"), (S{{"aan", "r", "enk", "a", 2}}));
}

TEST(Stav, XReplacesTheVowel) {
  EXPECT_EQ(RunStav(0, 2, "aik", "ajan", "a"), (S{{"an", "a", "j", "a", 1}}));
  EXPECT_EQ(RunStav(0, 2, "poik", "pojan", "a"), (S{{"an", "po", "j", "a", 1}}));
}

TEST(Stav, SplitterCountsCapitalAIYButNotEOU) {
  EXPECT_EQ(RunStav(0, 2, "tAk", "tAkka", "a"),
            (S{{"ka", "t", "Ak", "a", 2}, {"kka", "t", "A", "a", 1}, {"ka", "t", "Ak", "a", 3}}));
  EXPECT_EQ(RunStav(0, 2, "tIn", "tIni", "i"), (S{{"i", "t", "In", "i", 0}}));
  EXPECT_EQ(RunStav(0, 2, "tYn", "tYni", "i"), (S{{"i", "t", "Yn", "i", 0}}));
  EXPECT_EQ(RunStav(0, 2, "tEk", "tEka", "a"), S{});
  EXPECT_EQ(RunStav(0, 2, "tOk", "tOka", "a"), S{});
  EXPECT_EQ(RunStav(0, 2, "tUk", "tUka", "a"), S{});
  // a: and o: count in both encodings.
  EXPECT_EQ(RunStav(0, 2, "t\x84n", "t\x84ni", "i"), (S{{"i", "t", "\x84n", "i", 0}}));
  EXPECT_EQ(RunStav(0, 2, "t\xF6n", "t\xF6ni", "i"), (S{{"i", "t", "\xF6n", "i", 0}}));
}

TEST(Stav, ClusterLength) {
  // Four letters are allowed (row 48), five are not.
  EXPECT_EQ(RunStav(0, 2, "anstr", "anstra", "a"), (S{{"a", "", "anstr", "a", 0}}));
  EXPECT_EQ(RunStav(0, 2, "anstrk", "anstrka", "a"), S{});
}

TEST(Stav, FormMustBeginWithB) {
  EXPECT_EQ(RunStav(0, 2, "kukk", "lukan", "a"), S{});
}

TEST(Stav, BaseWithoutVowel) {
  // Only flag 1, degree 2, fewer than 3 letters and a form beginning with the base.
  EXPECT_EQ(RunStav(1, 2, "t", "tulen", "u"), (S{{"ulen", "t", "", "u", 0}}));
  EXPECT_EQ(RunStav(1, 2, "", "abc", "a"), (S{{"abc", "", "", "a", 0}}));
  EXPECT_EQ(RunStav(0, 2, "t", "tulen", "u"), S{});
  EXPECT_EQ(RunStav(1, 1, "t", "tulen", "u"), S{});
  EXPECT_EQ(RunStav(1, 2, "t", "kulen", "u"), S{});
}

// Known gap: one documented case says a base kkk yields B = kkk, but step 3
// only lets a base without a vowel yield when it has fewer than 3 letters. The rule is kept; the
// edge case is tested with kk.
TEST(Stav, KnownGapBaseKkIsKeptKkkIsNot) {
  EXPECT_EQ(RunStav(1, 2, "kk", "kkoa", "o"), (S{{"oa", "kk", "", "o", 0}}));
  EXPECT_EQ(RunStav(0, 2, "kk", "kkoa", "o"), S{});
  EXPECT_EQ(RunStav(1, 2, "kkk", "kkkoa", "o"), S{});
  EXPECT_EQ(RunStav(0, 2, "kkk", "kkkoa", "o"), S{});
}

TEST(Stav, ConsumerCanStopEarly) {
  int seen = 0;
  EXPECT_FALSE(stav(0, 2, "kukk", "kukka", "a", [&](const StavAlt&) { return ++seen < 2; }));
  EXPECT_EQ(seen, 2);
  EXPECT_TRUE(stav(0, 2, "kukk", "kukka", "a", [](const StavAlt&) { return true; }));
}

}  // namespace
}  // namespace velimora::inflection
