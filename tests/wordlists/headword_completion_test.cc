// Completion of a typed beginning from the headwords of I, C, T and R.
#include "wordlists/headword_completion.h"

#include <gtest/gtest.h>

#include "testing/list_folder.h"

namespace velimora {
namespace {

class HeadwordCompletionTest : public ::testing::Test {
 protected:
  void SetUp() override {
    // talo runs over the boundary between the 40th and 41st part files of I.
    lists_.part('i', 40, {"tai  eller", "taivas  himmel", "talo  hus", "talo  bygning"});
    lists_.part('i', 41,
                {"talo 0 slot", "talonpoika  bonde", "\"talous  \xF8konomi", "tapa  skik"});
    lists_.part('c', 70,
                {"talo-  hus-",
                 "talokauppa  husk\xF8"
                 "b",
                 "taloyhti\xF6  boligselskab"});
    lists_.part('t', 30, {"tag {et} katto", "tale {en} puhe", "talent {et} lahjakkuus"});
    lists_.part('r', 3,
                {"talem\xE5"
                 "de {en} sanonta"});
    lists_.write();
  }

  std::vector<std::string> complete(std::string_view prefix, std::size_t limit = 10) {
    return complete_headword(s_, lists_.prefix(), prefix, limit);
  }

  testing::ListFolder lists_;
  Session s_;
};

TEST_F(HeadwordCompletionTest, HeadwordsOfAllFourListsInByteOrder) {
  using Words = std::vector<std::string>;
  static const struct {
    const char* prefix;
    std::size_t limit;
    Words words;
  } kCases[] = {
      // I across a part boundary, homographs once, the quote of talous ignored, the first
      // part talo- left out, T and R merged in.
      {"tal",
       10,
       {"tale",
        "talem\xE5"
        "de",
        "talent", "talo", "talokauppa", "talonpoika", "talous", "taloyhti\xF6"}},
      {"talo", 10, {"talo", "talokauppa", "talonpoika", "talous", "taloyhti\xF6"}},
      {"tal",
       3,
       {"tale",
        "talem\xE5"
        "de",
        "talent"}},
      {"ta", 2, {"tag", "tai"}},
      {"tapa", 10, {"tapa"}},
      {"tapaus", 10, {}},
      {"x", 10, {}},
      {"", 10, {}},
      {"Tal", 10, {}},  // the case is the typed one
  };
  for (const auto& c : kCases)
    EXPECT_EQ(complete(c.prefix, c.limit), c.words) << c.prefix << " " << c.limit;
}

TEST_F(HeadwordCompletionTest, AFolderWithoutListsGivesNothing) {
  Session s;
  EXPECT_TRUE(complete_headword(s, "/nonexistent/", "ta", 10).empty());
}

}  // namespace
}  // namespace velimora
