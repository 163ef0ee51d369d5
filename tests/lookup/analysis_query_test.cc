// Analysis queries from end to end on a data folder of one article and a few index rows:
// segment search, ranking, the display gate, analysis blocks and the offer of near results.
#include <gtest/gtest.h>

#include "shell/driver.h"
#include "shell/startup.h"
#include "testing/temp_dir.h"

namespace velimora {
namespace {

class AnalysisQueryTest : public ::testing::Test {
 protected:
  void SetUp() override {
    // Without head files only the last part of a list is chosen, so the article lives there.
    dir_.write("fib/fi99.pro", "talo  hus; bygning | +ssa i huset\n");
    dir_.write("feu/fe.cns", "kh(5000)\n");
    dir_.write("feu/fu10.cns",
               // the inessive after a stem of kind 4 whose vowel comes back at the seam
               "u0(3, 1, \" V\", \"ssa\", 4020, 10010)\n"
               // a worse reading of the same ending, 2 points off the best
               "u0(3, 2, \" W\", \"ssa\", 4022, 10020)\n"
               "x(0, 9, \"  \", \"\", \"#\")\n"
               "x(1, 4, \"V\", \"o\", \"{o\")\n"
               "x(1, 4, \"W\", \"o\", \"{o\")\n");
    dir_.write("feu/fu20.cns", "ssa|iness.[i*ssa>inessive, in\nssa|adess.[?*ssa>not this one\n");
    ASSERT_TRUE(go1(s_, dir_.prefix(), "").ok);
  }
  std::optional<std::string> run(const char* q) { return go2(s_, q); }

  testing::TempDir dir_;
  Session s_;
};

constexpr const char* kTalossa =
    "\n"
    "   Analysis :  talo/ssa  =  talo4.ssa0  (iness.) [i]  ...\n"
    "  suomi:  (i99;1 1) >talo  hus; bygning |\n"
    "  <.ssa0  ssa> inessive, in\n"
    "\n  More (double click / tap):  2\n\n";

TEST_F(AnalysisQueryTest, FinnishAnalysisShowsTheBlockTheArticleAndOffersNearReadings) {
  EXPECT_EQ(run("-talossa"), kTalossa);
  EXPECT_EQ(s_.q.len0->text, "talossa");
  EXPECT_EQ(s_.q.stl1->codes, (std::vector<std::string>{"2"}));
}

TEST_F(AnalysisQueryTest, OfferedNumberShowsThatReadingAndOffersTheBestOne) {
  run("-talossa");
  EXPECT_EQ(run("2"),
            "2\n"
            "   Analysis :  talo/ssa  =  talo4.ssa0  (adess.) [?]  ...\n"
            "  suomi:  (i99;1 1) >talo  hus; bygning |\n"
            "  <.ssa0  ssa> not this one\n"
            "\n  More (double click / tap):  0\n\n");
}

TEST_F(AnalysisQueryTest, DashAloneRepeatsTheLastAnalysisWithoutIndexLines) {
  run("-talossa");
  EXPECT_EQ(run("-"),
            "- (also as sign) : shows the lexica as they are\n"
            "   Analysis :  talo/ssa  =  talo4.ssa0  (iness.) [i]  ...\n"
            "  suomi:  (i99;1 1) >talo  hus; bygning |\n"
            "\n");
}

TEST_F(AnalysisQueryTest, FormThatFitsNoReadingShowsNothingButTheEmptyOfferLine) {
  EXPECT_EQ(run("-talossä"), "\n");
  EXPECT_EQ(run("-talolla"), "\n");
}

TEST_F(AnalysisQueryTest, LongQueriesOfAnyBytesFinish) {
  std::string q = "-";
  for (int i = 0; i < 498; ++i) q += static_cast<char>("talos\xE4\x84-'{"[i % 10]);
  // The step bound and the guard end the search; the session is left fit for the next query.
  ASSERT_TRUE(go2(s_, q).has_value());
  EXPECT_EQ(run("-talossa"), kTalossa);
}

}  // namespace
}  // namespace velimora
