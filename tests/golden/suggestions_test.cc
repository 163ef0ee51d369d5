// Spelling suggestions end to end: a word a plain look-up does not find gets, after its "try"
// lines, the close headwords of the folder's headword file.
#include <gtest/gtest.h>

#include "golden/sample_folder.h"
#include "lookup/suggestions.h"
#include "shell/driver.h"
#include "shell/startup.h"

namespace velimora {
namespace {

constexpr const char* kLookedIn = " looked in (double click / tap) : I1 o1 s1 T1 n1 y1\n";

class SuggestionsTest : public ::testing::Test {
 protected:
  void SetUp() override {
    testing::fill_sample_folder(folder_);
    folder_.dir().write("feu/headwords.txt",
                        "aamu iq\nfisk t\nhus t\nkala i\nradio it\ntalo iq\ntuli i\n");
    ASSERT_TRUE(go1(s_, folder_.prefix(), "").ok);
  }
  std::string try_lines(const std::string& word, const char* looked_in = kLookedIn) {
    return std::string(looked_in) + "\n try  -" + word + "  or  --" + word +
           "\n  (double click / tap)\n";
  }
  testing::ListFolder folder_;
  Session s_;
};

TEST_F(SuggestionsTest, UnknownWordsGetTheCloseHeadwordsAfterTheTryLines) {
  const struct {
    const char* query;
    std::string out;
  } cases[] = {
      // tallo: talo half an edit away; kala two and a half, too far.
      {"tallo", try_lines("tallo") + "  m\xE5ske / ehk\xE4:  talo\n\n"},
      // kalo: kala and talo one edit each, the pocket word talo first.
      {"kalo", try_lines("kalo") + "  m\xE5ske / ehk\xE4:  talo  kala\n\n"},
      {"h\xE4s", try_lines("h\xE4s", " looked in (double click / tap) : I1 o1 T1 n1 y1\n") +
                     "  m\xE5ske / ehk\xE4:  hus\n\n"},
      // Nothing close: the design's lines alone.
      {"kissa", try_lines("kissa") + "\n"},
      // Found words are shown as before.
      {"kala", std::string(kLookedIn) + "  suomi:  (i1,2) >kala  fisk\n\n"},
  };
  for (const auto& c : cases)
    EXPECT_EQ(go2(s_, c.query), c.out) << c.query;
  go2(s_, "kalo");
  EXPECT_EQ(s_.shown.suggestions, (std::vector<std::string>{"talo", "kala"}));
}

TEST_F(SuggestionsTest, LeftOutOfResultsStaysSoOnceTheIndexIsBuilt) {
  s_.spelling.in_results = false;
  EXPECT_EQ(close_headwords(s_, folder_.prefix(), "kalo"),
            (std::vector<std::string>{"talo", "kala"}));
  EXPECT_EQ(go2(s_, "kalo"), try_lines("kalo") + "\n");
  EXPECT_TRUE(s_.shown.suggestions.empty());
}

TEST_F(SuggestionsTest, FollowTheFileOnDisk) {
  folder_.dir().write("feu/headwords.txt", "tallo i\n");
  EXPECT_EQ(go2(s_, "taallo"), try_lines("taallo") + "  m\xE5ske / ehk\xE4:  tallo\n\n");
  // A malformed file gives no suggestions and says where it is wrong.
  folder_.dir().write("feu/headwords.txt", "talo i\nkala\n");
  EXPECT_EQ(go2(s_, "tallo"), try_lines("tallo") + "\n");
  ASSERT_EQ(s_.shown.messages.size(), 1u);
  EXPECT_NE(s_.shown.messages[0].find("headwords.txt: line 2"), std::string::npos)
      << s_.shown.messages[0];
  // A folder without the file: the design's lines alone.
  std::remove((folder_.prefix() + "feu/headwords.txt").c_str());
  EXPECT_EQ(go2(s_, "tallo"), try_lines("tallo") + "\n");
  EXPECT_TRUE(s_.shown.messages.empty());
}

}  // namespace
}  // namespace velimora
