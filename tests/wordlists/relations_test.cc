#include "wordlists/relations.h"

#include <gtest/gtest.h>

#include "session/output_buffer.h"

namespace velimora {
namespace {

TEST(CutWord, InsertsSlashesAtForwardPositions) {
  static const struct {
    const char* word;
    const char* positions;
    std::optional<std::string> out;
  } kCases[] = {
      {"kouluvuosi", "5", "koulu/vuosi"},
      {"kouluvuosi", "5 3", "koulu/vuosi"},
      {"kouluvuosi", "5 5", "koulu//vuosi"},
      {"kirjakaupassa", "0 5 10", "/kirja/kaupa/ssa"},
      {"talo", "x 2", "ta/lo"},
      {"talo", "", "talo"},
      {"talo", "4", "talo/"},
      {"talo", "5", std::nullopt},
  };
  for (const auto& c : kCases) EXPECT_EQ(cut_word(c.word, c.positions), c.out) << c.positions;
}

TieRow tie(int from, const char* side, int to, int from_code = 0, int to_code = 0) {
  return {0, from, from_code, side, to, to_code};
}

TEST(TiesCompatible, RulesOutConflictingPairs) {
  static const struct {
    const char* name;
    TieRow t, u;
    bool ok;
  } kCases[] = {
      {"crossing spans", tie(2, "h", 4), tie(1, "h", 3), false},
      {"parallel into one part", tie(2, "h", 3), tie(1, "h", 3), false},
      {"same target from both sides", tie(4, "v", 3), tie(1, "h", 3), true},
      {"mutual", tie(2, "v", 1), tie(1, "h", 2), false},
      {"two readings of one part", tie(2, "v", 1, 0, 3), tie(1, "h", 3, 6, 0), false},
      {"same reading of one part", tie(2, "v", 1, 0, 3), tie(1, "h", 3, 3, 0), true},
      {"covering: target inside the span", tie(1, "h", 4), tie(4, "v", 2), false},
      {"covering reversed", tie(4, "v", 2), tie(1, "h", 4), false},
      {"nested spans", tie(1, "h", 4), tie(2, "h", 3), true},
      {"neighbours", tie(1, "h", 2), tie(2, "h", 3), true},
  };
  for (const auto& c : kCases) EXPECT_EQ(ties_compatible(c.t, c.u), c.ok) << c.name;
}

class RelationsTest : public ::testing::Test {
 protected:
  void reading(int position, int code, int cat1, int cat2) {
    s_.q.orb.add({position, code, cat1, cat2, "", ""});
  }
  int structures(int n) {
    int count = 0;
    for_each_structure(s_, n, [&count](const Structure&) {
      ++count;
      return true;
    });
    return count;
  }
  Session s_;
};

TEST_F(RelationsTest, OnePartAlwaysHasAStructure) {
  EXPECT_TRUE(findrel1(s_, "", 0, 0, 1, "talo", "", 1));
  EXPECT_EQ(nystr(s_, ""), "");
}

TEST_F(RelationsTest, TwoPartsWithoutAnyTieHaveNone) {
  reading(1, 4, 1, 1);  // both leftward and rightward conditions fail
  reading(2, 4, 3, 5);
  EXPECT_FALSE(findrel1(s_, "", 0, 0, 2, "ab", "", 1));
}

TEST_F(RelationsTest, TwoPartsLeaningRight) {
  reading(1, 3, 0, 2);
  reading(2, 5, 2, 7);
  EXPECT_TRUE(findrel1(s_, "", 0, 0, 2, "ab", "", 1));
  ASSERT_EQ(s_.q.ra.size(), 1u);
  EXPECT_EQ(s_.q.ra.front().side, "h");
}

TEST_F(RelationsTest, ThreePartsHeadedByTheLast) {
  // The only ties: the second part leans left on the first, the first right on the third.
  reading(1, 3, 1, 2);
  reading(2, 4, 2, 2);
  reading(3, 5, 2, 7);
  std::vector<Structure> found;
  for_each_structure(s_, 3, [&found](const Structure& st) {
    found.push_back(st);
    return true;
  });
  ASSERT_EQ(s_.q.ra.size(), 2u);
  ASSERT_EQ(found.size(), 1u);
  ASSERT_EQ(found[0].size(), 2u);
  EXPECT_EQ(found[0][0].from, 1);
  EXPECT_EQ(found[0][0].to, 3);
  EXPECT_EQ(found[0][1].from, 2);
  EXPECT_EQ(found[0][1].to, 1);
  // Written with count 3 the structure fails the neighbour check: codes 4 and 5 do not fit.
  s_.q.fuge.add({1, 0, 1, "piece"});
  EXPECT_TRUE(findrel1(s_, "", 1, 3, 3, "abc", "|", 1));
  EXPECT_EQ(nystr(s_, ""), "");
}

TEST_F(RelationsTest, APartKeepsItsNearestPartnerPerSide) {
  // The first part could lean right on the second and on the third: only the nearer stays.
  reading(1, 3, 0, 2);
  reading(2, 5, 2, 7);
  reading(3, 5, 2, 7);
  EXPECT_EQ(structures(3), 0);
  ASSERT_EQ(s_.q.ra.size(), 1u);
  EXPECT_EQ(s_.q.ra.front().to, 2);
}

TEST_F(RelationsTest, APartLeansOnOnePartOnly) {
  // The second part could lean right on the third and left on the first, and no other part
  // on anything: a structure needs two ties from different parts, so there is none.
  reading(1, 4, 1, 2);
  reading(2, 0, 2, 2);
  reading(3, 5, 2, 7);
  EXPECT_EQ(structures(3), 0);
  EXPECT_EQ(s_.q.ra.size(), 2u);
}

TEST_F(RelationsTest, WrittenStructuresRepeatThePieces) {
  reading(1, 3, 0, 2);
  reading(2, 5, 2, 7);
  s_.q.fuge.add({1, 0, 2, "ab"});
  s_.q.fuge.add({2, 2, 4, "cd"});
  EXPECT_TRUE(findrel1(s_, "", 1, 3, 2, "abcd", " ...", 1));
  EXPECT_EQ(nystr(s_, ""), "\nabcd ...");
  EXPECT_EQ(structures(2), 1);
}

TEST_F(RelationsTest, AnalysisBlocksAreNumberedFromTheSecond) {
  s_.q.ntt.set(0);
  s_.q.fuge.add({1, 0, 5, " (iness.)"});
  EXPECT_TRUE(findrel1(s_, "4", 1, 0, 2, "talossa", "  ...", 1));
  EXPECT_TRUE(findrel1(s_, "4", 1, 0, 2, "talossa", "", 1));
  EXPECT_EQ(nystr(s_, ""),
            "   Analysis :  talo/ssa  =   (iness.)  ...\n"
            "   Analysis (2):  talo/ssa  =   (iness.)\n");
}

TEST_F(RelationsTest, BlockIsNotWrittenWithoutACounterOrPastTheWord) {
  EXPECT_TRUE(findrel1(s_, "4", 1, 0, 2, "talossa", "", 1));  // no ntt row
  s_.q.ntt.set(0);
  EXPECT_TRUE(findrel1(s_, "9", 1, 0, 2, "talo", "", 1));  // position beyond the word
  EXPECT_TRUE(findrel1(s_, "1", 1, 1, 2, "talo", "", 1));  // count 1 writes nothing
  EXPECT_EQ(nystr(s_, ""), "");
}

}  // namespace
}  // namespace velimora
