// Plain look-ups end to end: one session of queries, each with the complete text it shows.
#include <gtest/gtest.h>

#include <cstdio>
#include <vector>

#include "golden/sample_folder.h"
#include "shell/driver.h"
#include "shell/startup.h"

namespace velimora {
namespace {

class RecordingFrontend : public Frontend {
 public:
  void open_lexicon(const LexiconRequest& r) override { opened.push_back(r); }
  std::vector<LexiconRequest> opened;
};

constexpr const char* kTry = "  (double click / tap)\n\n";

class GoldenTest : public ::testing::Test {
 protected:
  void SetUp() override {
    testing::fill_sample_folder(folder_);
    ASSERT_TRUE(go1(s_, folder_.prefix(), "").ok);
    s_.frontend = &front_;
  }
  testing::ListFolder folder_;
  Session s_;
  RecordingFrontend front_;
};

TEST_F(GoldenTest, OneSessionOfPlainQueries) {
  static const struct {
    const char* query;
    std::optional<std::string> out;
  } kSession[] = {
      // A Finnish headword: its I article, each sense the index lists name; "s" is offered.
      {"talo",
       " looked in (double click / tap) : I1 o1 s1 T1 n1 y1\n"
       "  suomi:  (i1,4) >talo  hus; bygning | >talossa i huset\n"
       "  suomi(2):  (i1;4 2)  >talossa i huset\n"
       "\n"},
      // The offered code re-gates the hits of "talo": the T article whose text holds it.
      {"s",
       "s : Finnish words in the text of T\n"
       "  dansk:  (t1;2 1) >hus 1 talo |\n"
       "\n"},
      // A Danish headword: its T article.
      {"hus",
       " looked in (double click / tap) : I1 o1 T1 n1 y1\n"
       "  dansk:  (t1,2) >hus 1 talo | rakennus\n"
       "\n"},
      // In both languages; the lists of words in the other dictionary's text are offered.
      {"radio",
       " looked in (double click / tap) : I1 o1 s1 T1 n1 y1\n"
       "  suomi:  (i1,3) >radio  radio\n"
       "  dansk:  (t1,3) >radio 1 radio\n"
       "\n"},
      {"y",
       "y : Danish words in the text of I\n"
       "  suomi:  (i1,3) >radio  radio\n"
       "\n  More (double click / tap):  s\n\n"},
      {"s",
       "s : Finnish words in the text of T\n"
       "  dansk:  (t1,3) >radio 1 radio\n"
       "\n  More (double click / tap):  y\n\n"},
      // Full articles, pocket dictionary, articles as they are (shown once).
      {"+talo", "   (i1,4) >talo  hus; bygning | >talossa i huset\n\n"},
      {",+talo", "   (i1,4) >talo  hus; bygning | +ssa i huset\n\n"},
      {"+-talo", "  (i1,4)  talo  hus; bygning | +ssa i huset\n\n"},
      // A Finnish word in T, a Danish word in I.
      {"_talo", "  dansk:  (t1;2 1) >hus 1 talo |\n\n"},
      {",hus", "  suomi:  (i1;4 1) >talo  hus; bygning |\n\n"},
      // The hit limit: one hit per dictionary and kind.
      {"1 talo",
       " looked in (double click / tap) : I1 o1 s1 T1 n1 y1\n"
       "  suomi:  (i1,4) >talo  hus; bygning | >talossa i huset\n"
       "\n"},
      {"talo",
       " looked in (double click / tap) : I1 o1 s1 T1 n1 y1\n"
       "  suomi:  (i1,4) >talo  hus; bygning | >talossa i huset\n"
       "  suomi(2):  (i1;4 2)  >talossa i huset\n"
       "\n"},
      // Reverse lists: the heading and the part that holds the reversed word.
      {"k_talo", "talo, k\xE4\xE4nteinen : olat\n\n looked in (double click / tap) : a1\n\n"},
      {"b_hus", "hus, bagl\xE6ns : suh\n\n looked in (double click / tap) : b1\n\n"},
      // A line reference.
      {"i1:4_2", "  suomi:  (i1;4 2)  >talossa i huset\n\n"},
      {"t1;1", "  dansk:  (t1,1) >fisk 1 kala\n\n"},
      // Words found nowhere.
      {"kissa", std::string(" looked in (double click / tap) : I1 o1 s1 T1 n1 y1\n") +
                    "\n try  -kissa  or  --kissa\n" + kTry},
      {"12:5", std::string(" looked in (double click / tap) :\n") +
                   "\n try  -012:05  or  --012:05\n" + kTry},
      // A file view opens a window and shows nothing here.
      {"i2", std::nullopt},
      // Queries that stopped early leave the offers of the last "talo" in force.
      {"s", "s : Finnish words in the text of T\n  dansk:  (t1;2 1) >hus 1 talo |\n\n"},
  };
  for (const auto& c : kSession)
    EXPECT_EQ(go2(s_, c.query), c.out) << c.query;
  ASSERT_EQ(front_.opened.size(), 1u);
  EXPECT_EQ(front_.opened[0].title, " dictionary : i2  I = Finnish-Danish dictionary");
  EXPECT_EQ(front_.opened[0].text, "tuli  ild\n");
}

// Analysis queries show the lists of Finnish words in I directly and offer the others: "More"
// after articles, "Found" when only offers were met.
TEST_F(GoldenTest, AnalysisQueriesOfferTheWordLists) {
  static const struct {
    const char* query;
    std::optional<std::string> out;
  } kSession[] = {
      {"-sauna", "\n  Found (double click / tap):  s\n\n"},
      {"s", "s : Finnish words in the text of T\n  dansk:  (t1;2 2)  rakennus\n\n"},
      {"-talo",
       "  suomi:  (i1,4) >talo  hus; bygning | >talossa i huset\n"
       "  suomi(2):  (i1;4 2)  >talossa i huset\n"
       "\n  More (double click / tap):  s\n\n"},
  };
  for (const auto& c : kSession)
    EXPECT_EQ(go2(s_, c.query), c.out) << c.query;
}

TEST_F(GoldenTest, ReverseListPartOpensAtTheReversedWord) {
  EXPECT_TRUE(go2(s_, "k_talo"));
  EXPECT_EQ(go2(s_, "a1"), std::nullopt);
  ASSERT_EQ(front_.opened.size(), 1u);
  EXPECT_EQ(front_.opened[0].title, " dictionary : a1,4  reverse Finnish word list");
  EXPECT_EQ(front_.opened[0].caret, 17);  // the first character of "olat"
  EXPECT_EQ(front_.opened[0].text, "alak\nilut\noidar\nolat\numaa\n");
}

TEST_F(GoldenTest, DictionaryPartOfTheLastLookupOpensAtItsLine) {
  EXPECT_TRUE(go2(s_, "talo"));
  EXPECT_EQ(go2(s_, "I1"), std::nullopt);
  ASSERT_EQ(front_.opened.size(), 1u);
  EXPECT_EQ(front_.opened[0].title, " dictionary : i1,4  I = Finnish-Danish dictionary");
  EXPECT_EQ(front_.opened[0].caret, 57);
  EXPECT_EQ(go2(s_, "i0"), std::nullopt);
  EXPECT_EQ(front_.opened[1].title,
            " dictionary : i0 = index file; line no. N = first line in file iN");
}

#ifdef VELIMORA_QUERY_BIN
// The command-line program prints the same texts, after the line break of the first result.
TEST_F(GoldenTest, CommandLineProgramPrintsTheWholeSession) {
  const std::string cmd = std::string(VELIMORA_QUERY_BIN) + " --cp1252 --data " +
                          folder_.dir().path() + " talo s k_talo i2 2>/dev/null";
  FILE* p = ::popen(cmd.c_str(), "r");
  ASSERT_NE(p, nullptr);
  std::string out;
  char buf[4096];
  std::size_t n;
  while ((n = std::fread(buf, 1, sizeof buf, p)) > 0)
    out.append(buf, n);
  EXPECT_EQ(::pclose(p), 0);
  EXPECT_EQ(out,
            "\n"
            " looked in (double click / tap) : I1 o1 s1 T1 n1 y1\n"
            "  suomi:  (i1,4) >talo  hus; bygning | >talossa i huset\n"
            "  suomi(2):  (i1;4 2)  >talossa i huset\n"
            "\n"
            "s : Finnish words in the text of T\n"
            "  dansk:  (t1;2 1) >hus 1 talo |\n"
            "\n"
            "talo, k\xE4\xE4nteinen : olat\n\n looked in (double click / tap) : a1\n\n"
            " dictionary : i2  I = Finnish-Danish dictionary\n"
            "tuli  ild\n");
}
#endif

}  // namespace
}  // namespace velimora
