#include "lookup/analysis_rows.h"

#include <gtest/gtest.h>

namespace velimora {
namespace {

// Analysis hits resolve without files: value = secondary score, texts = form, extra 1, 2.
class WalkTest : public ::testing::Test {
 protected:
  void hit(int seq, int value, const char* form, const char* extra1, const char* extra2) {
    StemHitRow r;
    r.seq = r.anchor = seq;
    r.score2 = value;
    r.form = form;
    r.extra1 = extra1;
    r.extra2 = extra2;
    s_.q.st.add(r);
  }
  const WalkRow& walk(int mode, const char* refs, int length = 0, const char* label = "") {
    WalkStart start = nyv3(s_, mode, length, static_cast<int>(std::string(label).size()), label, 4);
    start_walk(s_, start, static_cast<int>(std::string(label).size()), refs);
    ok_ = danil(s_, "", 'f', mode);
    return s_.q.sm.front();
  }
  Session s_;
  bool ok_ = false;
};

TEST_F(WalkTest, EmptyListLeavesTheStartRow) {
  const WalkRow& w = walk(1, "");
  EXPECT_TRUE(ok_);
  EXPECT_EQ(w.count, 0);
  EXPECT_EQ(w.code_b, 9);
  EXPECT_TRUE(s_.q.orb.empty());
  EXPECT_TRUE(s_.q.fuge.empty());
}

TEST_F(WalkTest, EvenTenThousandsAddToThePendingTextOnly) {
  hit(-1, 20000, "kirja", "book", "");
  hit(-2, 10000, "kauppa", "shop", "");
  const WalkRow& w = walk(1, " 0 0 -1 4 0 0 -2 4");
  EXPECT_TRUE(ok_);
  ASSERT_EQ(s_.q.fuge.size(), 1u);
  EXPECT_EQ(s_.q.fuge[0].text, "kirjakauppa0 ");  // the last group ends the list: "0 "
  EXPECT_EQ(s_.q.fuge[0].start, 0);
  EXPECT_EQ(s_.q.fuge[0].end, 13);
  EXPECT_EQ(w.heading, "bookshop");
  EXPECT_EQ(w.count, 1);
  EXPECT_EQ(w.position, 13);
}

TEST_F(WalkTest, OddTenThousandsCloseAPieceWithTheKindMark) {
  hit(-1, 10000, "talo", "", "hus");
  hit(-2, 10000, "ssa", "iness.", "i");
  const WalkRow& w = walk(1, " 0 0 -1 4 7 0 -2 0", 5, "<x>3.");
  ASSERT_EQ(s_.q.fuge.size(), 3u);  // the label and two pieces
  EXPECT_EQ(s_.q.fuge[0].text, "<x>3.");
  EXPECT_EQ(s_.q.fuge[1].text, "talo4.");
  EXPECT_EQ(s_.q.fuge[1].start, 5);
  EXPECT_EQ(s_.q.fuge[2].text, "ssa0 ");
  EXPECT_EQ(w.brackets, "hus,i,");
  EXPECT_EQ(w.code_c, 7);  // mode 1 keeps g1
  EXPECT_EQ(w.selector, 1);
}

TEST_F(WalkTest, ModeZeroStoresReadingsAndNoPieces) {
  hit(-1, 10000, "talo", "", "hus");
  walk(0, " 5 3 -1 4");
  EXPECT_TRUE(s_.q.fuge.empty());
  ASSERT_EQ(s_.q.orb.size(), 1u);
  EXPECT_EQ(s_.q.orb[0].position, 1);
  EXPECT_EQ(s_.q.orb[0].code, 3);  // g2 in mode 0, below 900
  EXPECT_EQ(s_.q.orb[0].text1, "talo");
  EXPECT_EQ(s_.q.orb[0].text2, "hus");
}

TEST_F(WalkTest, SelectorThreeOrMoreEndsTheWalk) {
  hit(-1, 30000, "a", "A", "");
  hit(-2, 10000, "b", "B", "");
  const WalkRow& w = walk(1, " 0 0 -1 4 0 0 -2 4");
  EXPECT_TRUE(ok_);
  EXPECT_EQ(w.heading, "A");  // the second group is never resolved
}

TEST_F(WalkTest, UnknownNumberFailsTheWalk) {
  walk(1, " 0 0 -7 4");
  EXPECT_FALSE(ok_);
}

}  // namespace
}  // namespace velimora
