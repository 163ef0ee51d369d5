// Queries through the driver on data folders without any word list: what the signs, the
// special forms, the display gate and the offer line do on their own.
#include "shell/driver.h"

#include <gtest/gtest.h>

#include "shell/display_gate.h"
#include "shell/startup.h"
#include "testing/temp_dir.h"

namespace velimora {
namespace {

// Without word lists every list's last part may hold the word: the search names them all.
constexpr const char* kLookedInAll =
    " looked in (double click / tap) : I99 o199 s99 q49 T39 n49 y156\n";

class DriverTest : public ::testing::Test {
 protected:
  void SetUp() override {
    dir_.write("feu/fe.cns", "kh(1000)\n");
    ASSERT_TRUE(go1(s_, dir_.prefix(), "").ok);
  }
  std::optional<std::string> run(const char* query) { return go2(s_, query); }

  testing::TempDir dir_;
  Session s_;
};

TEST_F(DriverTest, UnknownWordSuggestsBothAnalysisQueries) {
  EXPECT_EQ(run("talo"),
            std::string(kLookedInAll) + "\n try  -talo  or  --talo\n  (double click / tap)\n\n");
  EXPECT_EQ(*s_.shell.lix, "talo");  // the word becomes the prompt default
}

TEST_F(DriverTest, PlainSignsShowTheTrySuggestionForTheCutKey) {
  static const struct {
    const char* query;
    std::optional<std::string> out;
  } kCases[] = {
      {"+talo", "\n try  -talo  or  --talo\n  (double click / tap)\n\n"},
      {"+-talo", "\n try  -talo  or  --talo\n  (double click / tap)\n\n"},
      {",talo", "\n try  -talo  or  --talo\n  (double click / tap)\n\n"},
      {"_talo koti", "\n try  -talo  or  --talo\n  (double click / tap)\n\n"},
      {"  talo?x",
       std::string(kLookedInAll) + "\n try  -talo  or  --talo\n  (double click / tap)\n\n"},
      {"12:5",
       std::string(kLookedInAll) + "\n try  -012:05  or  --012:05\n  (double click / tap)\n\n"},
      {"---talo", std::nullopt},  // unknown sign combination
      {"++talo", std::nullopt},
      {"?talo", std::nullopt},    // no word character
      {" ", std::nullopt},        // the start-up query
      {"", std::nullopt},
  };
  for (const auto& c : kCases) EXPECT_EQ(run(c.query), c.out) << c.query;
}

TEST_F(DriverTest, QueriesAreCutAtThePromptLimit) {
  // Any front end may hand over a longer text (a double click on a huge selection); the
  // driver runs the first 499 bytes of the word, as the prompt would have taken them.
  const std::string kept(kMaxQueryWord, 'a');
  std::optional<std::string> out = go2(s_, kept + std::string(600, 'b'));
  ASSERT_TRUE(out.has_value());
  EXPECT_NE(out->find(" try  -" + kept + "  or  --" + kept + "\n"), std::string::npos) << *out;
  EXPECT_EQ(*s_.shell.lix, kept);
  static const struct {
    std::string query;
    std::string run;
  } kCases[] = {
      {"talo", "talo"},
      {kept + "b", kept},
      {"  --" + kept + "b", "  --" + kept},  // the signs do not count
      {"-" + std::string(3000, 'a'), "-" + kept},
  };
  for (const auto& c : kCases)
    EXPECT_EQ(within_query_limit(c.query), c.run) << c.query;
}

TEST_F(DriverTest, TimeKeyDoesNotBecomeThePromptDefault) {
  run("talo");
  run("12:5");
  EXPECT_EQ(*s_.shell.lix, "talo");
}

TEST_F(DriverTest, DashAloneShowsItsHelpLine) {
  EXPECT_EQ(run("-"), "- (also as sign) : shows the lexica as they are\n");
  EXPECT_EQ(last_level(s_), 1);
}

TEST_F(DriverTest, AnalysisQueryStartsFromAnEmptyBufferAndRemembersItsWord) {
  // Nothing is found, but the analysis query ran: its sign is not shown and the word is kept
  // for a repeated analysis query.
  EXPECT_EQ(run("-talossa"), "\n");
  EXPECT_EQ(s_.q.len0->text, "talossa");
  EXPECT_EQ(last_level(s_), 1);
  EXPECT_EQ(run("--husene"), "\n");
  EXPECT_EQ(last_level(s_), 2);
}

TEST_F(DriverTest, ReverseQueryNotFoundShowsOnlyItsHeading) {
  EXPECT_EQ(run("k_talo"),
            "talo, k\xE4\xE4nteinen : olat\n\n looked in (double click / tap) : a181\n\n");
  EXPECT_EQ(run("b_hus"), "hus, bagl\xE6ns : suh\n\n looked in (double click / tap) : b39\n\n");
  EXPECT_EQ(*s_.shell.lix, "");  // a reverse word is not offered as default
}

TEST_F(DriverTest, HitLimitPrefixAppliesToThisQueryOnly) {
  run("25 talo");
  EXPECT_EQ(s_.q.len0->limit, 25);
  run("talo");
  EXPECT_EQ(s_.q.len0->limit, 100);
}

TEST_F(DriverTest, OfferedCodeRegatesThePreviousHits) {
  // As if the previous query had met "talo" in the list of Finnish words in I.
  s_.q.f4.add({11, 'i', 12, 345, 2});
  s_.q.len0->text = "talo";
  s_.q.stl1 = OfferRow{{"o"}, {"o : Finnish words in I"}};
  // The promoted hit is shown (its file is missing: an empty article) and consumed; the hit
  // itself stays for further code queries.
  EXPECT_EQ(run("o"), "o : Finnish words in I\n   (i12;345 2) \n\n");
  EXPECT_TRUE(s_.q.f4.any([](const HitRow& r) { return r == HitRow{11, 'i', 12, 345, 2}; }));
  EXPECT_FALSE(s_.q.f4.any([](const HitRow& r) { return r.code >= 30; }));
}

TEST_F(DriverTest, LetterThatWasNotOfferedIsAnOrdinaryWord) {
  s_.q.f4.add({11, 'i', 12, 345, 2});
  s_.q.stl1 = OfferRow{{"n"}, {}};
  EXPECT_EQ(run("o"),
            std::string(kLookedInAll) + "\n try  -o  or  --o\n  (double click / tap)\n\n");
}

TEST_F(DriverTest, NumberedCodeShowsItsAnalysisBlock) {
  s_.q.len0->text = "talossa";
  s_.q.nb.set(100);
  s_.q.f1.add({0, 7, 0, 4, 0, "e", "refs1", "refs2", "pos", 103});
  s_.q.f1.add({0, 7, 0, 4, 0, "f", "refs3", "refs4", "pos", 130});
  s_.q.f1.add({0, 7, 0, 4, 0, "g", "refs5", "refs6", "pos", 105});
  // Only the chosen result within 15 of the best is shown; the output run writes its block,
  // and the one 5 above the best is offered.
  std::optional<std::string> out = run("3");
  ASSERT_TRUE(out);
  EXPECT_EQ(out->substr(0, 2), "3\n");
  EXPECT_EQ(out->find("Analysis"), out->rfind("Analysis")) << *out;
  EXPECT_NE(out->find("<talossa>"), std::string::npos) << *out;
  EXPECT_TRUE(s_.q.f2.empty());
  // The codes met stand last offered first.
  EXPECT_EQ(s_.q.stl1->codes, (std::vector<std::string>{"5", "3"}));
}

TEST_F(DriverTest, ZeroCodeEchoesItsDescription) {
  s_.q.len0->text = "talossa";
  s_.q.nb.set(100);
  s_.q.f1.add({0, 7, 0, 4, 0, "e", "r1", "r2", "pos", 100});
  std::optional<std::string> out = run("0");
  ASSERT_TRUE(out);
  EXPECT_EQ(out->rfind("0 : simplest analysis/analyses\n", 0), 0u) << *out;
}

TEST(DriverWithoutData, RunsNothingBeforeStartUp) {
  Session s;
  EXPECT_FALSE(go2(s, "talo"));
  testing::TempDir empty;
  EXPECT_FALSE(go1(s, empty.prefix(), "").ok);
  EXPECT_FALSE(s.shell.cst);
  EXPECT_FALSE(go2(s, "talo"));
}

TEST(DriverBadInput, AnyBytesOfAnyPromptLengthFinish) {
  testing::TempDir dir;
  dir.write("feu/fe.cns", "kh(1000)\n");
  Session s;
  ASSERT_TRUE(go1(s, dir.prefix(), "").ok);
  unsigned seed = 12345;
  for (int round = 0; round < 300; ++round) {
    std::string q;
    int len = static_cast<int>(seed % 500);
    for (int i = 0; i < len; ++i) {
      seed = seed * 1103515245 + 12345;
      q += static_cast<char>((seed >> 16) & 0xFF);
    }
    seed = seed * 1103515245 + 12345;
    std::optional<std::string> out = go2(s, q);  // must simply return
    if (out) {
      EXPECT_FALSE(out->empty()) << "round " << round;
    }
  }
}

}  // namespace
}  // namespace velimora
