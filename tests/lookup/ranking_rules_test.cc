#include "lookup/ranking_rules.h"

#include <gtest/gtest.h>

namespace velimora {
namespace {

TEST(Nyh1, MergesReadingClassesByTheFirstFittingRow) {
  static const struct {
    int k, s, l;
    std::optional<int> out;
  } kCases[] = {
      {9, 3, 5, 3},  {1, 4, 1, 2},  {1, 3, 5, {}}, {1, 5, 6, 5},  {1, 7, 7, 7},
      {9, 2, 7, {}}, {9, 7, 1, {}}, {1, 4, 2, 2},  {1, 2, 2, 2},  {1, 1, 0, 1},
      {1, 0, 2, 2},  {1, 1, 2, {}}, {9, 5, 3, 5},
  };
  for (const auto& c : kCases) {
    EXPECT_EQ(nyh1(c.k, c.s, c.l), c.out) << "k " << c.k << " s " << c.s << " l " << c.l;
  }
}

TEST(Nyh2, GivesTheMergeValuesInOrder) {
  static const struct {
    int digit, l8;
    std::vector<int> out;
  } kCases[] = {
      {3, 6, {3}}, {7, 7, {7}}, {1, 7, {}},  {7, 1, {}}, {4, 1, {2, 1}},
      {3, 1, {}},  {2, 2, {2}}, {1, 0, {1}}, {0, 2, {2}}, {1, 2, {}},
  };
  for (const auto& c : kCases) {
    const MergeValues got = nyh2(c.digit, c.l8);
    EXPECT_EQ(std::vector<int>(got.begin(), got.end()), c.out) << c.digit << "," << c.l8;
  }
}

TEST(Bedst, KeepsScoresWithinFifteenOfTheBest) {
  Session s;
  s.q.nb.set(300);
  EXPECT_TRUE(bedst(s, 100));
  EXPECT_EQ(s.q.nb.front(), 100);
  EXPECT_TRUE(bedst(s, 114));
  EXPECT_FALSE(bedst(s, 115));
  EXPECT_TRUE(bedst(s, 90));
  EXPECT_EQ(s.q.nb.front(), 90);
}

TEST(Dil1, NormalFormUsesTheAnchorsOfAnalysisHits) {
  Session s;
  StemHitRow first, second;
  first.seq = first.anchor = -1;
  second.seq = -2;
  second.anchor = -1;
  s.q.st.add(first);
  s.q.st.add(second);
  EXPECT_EQ(dil1(s, " 0 4 -2 0 3 1 15 2"), " 0 -1 0 3 15 2");
  EXPECT_EQ(dil1(s, " 0 4 -1 0"), dil1(s, " 0 7 -2 0"));  // same article, same result
  EXPECT_EQ(dil1(s, " 5 1 -9 2"), " 5 -9 2");             // no such hit: the number itself
  EXPECT_EQ(dil1(s, ""), "");
  EXPECT_EQ(dil1(s, " 1 2 3"), "");  // an incomplete group ends the walk
}

TEST(SmallRules, StopCodesMarksAndLevels) {
  EXPECT_TRUE(stopki(5, 9, "x", 0));
  EXPECT_FALSE(stopki(5, 9, "x", 1));
  EXPECT_TRUE(stopki(1, 3, "x", 1));
  EXPECT_FALSE(stopki(1, 2, "x", 1));
  EXPECT_TRUE(stopki(2, 2, "", 1));
  EXPECT_FALSE(stopki(2, 2, "x", 1));
  EXPECT_TRUE(stopki(7, 2, "x", 1));
  EXPECT_TRUE(sxv(1, 5));
  EXPECT_TRUE(sxv(2, 2));
  EXPECT_FALSE(sxv(2, 1));
  EXPECT_FALSE(sxv(3, 0));
  EXPECT_TRUE(stoph(1, 6));
  EXPECT_FALSE(stoph(1, 7));
  EXPECT_TRUE(stoph(2, 7));
  EXPECT_FALSE(stoph(0, 0));
  EXPECT_TRUE(kh1(2, 9));
  EXPECT_FALSE(kh1(2, 2));
  EXPECT_TRUE(kh1(1, 4));
  EXPECT_FALSE(kh1(1, 3));
  static const struct {
    int mode;
    const char* s;
    int mark;
    const char* rest;
  } kMarks[] = {{1, "'a", -1, "a"}, {1, "{a", 1, "a"}, {1, "|a", 2, "a"}, {1, "[a", 3, "a"},
                {1, "}a", 0, "}a"}, {2, "}a", 1, "a"}, {2, "]a", 2, "a"}, {2, "", 0, ""}};
  for (const auto& c : kMarks) {
    EXPECT_EQ(cs0(c.mode, c.s).mark, c.mark) << c.s;
    EXPECT_EQ(cs0(c.mode, c.s).rest, c.rest) << c.s;
  }
}

TEST(Nyv, TranslatesCodesFrom900ThroughTheTable) {
  StartupTables t;
  t.nv.add({203, 5, 42});
  EXPECT_EQ(nyv(t, 2, 3, 17), 17);
  EXPECT_EQ(nyv(t, 2, 3, 905), 42);
  EXPECT_FALSE(nyv(t, 2, 4, 905));
}

}  // namespace
}  // namespace velimora
