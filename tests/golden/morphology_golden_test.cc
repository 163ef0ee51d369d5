// Analysis queries on the data folder compiled from the project's own sources: the morphology
// tables of data/source/tables must lead every form to the article of its base word, with an
// analysis line that cuts the form where its ending begins.
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <optional>
#include <regex>
#include <string>

#include "shell/data_folder.h"
#include "shell/driver.h"
#include "shell/startup.h"
#include "text/codepage.h"

namespace velimora {
namespace {

// The folder the build writes (ctest sets VELIMORA_SAMPLE_DATA), or "" when it is not there.
std::string sample_folder() {
  const char* v = std::getenv("VELIMORA_SAMPLE_DATA");
  if (v == nullptr || !std::filesystem::exists(std::string(v) + "/feu/fe.cns")) return {};
  return v;
}

class MorphologyGoldenTest : public ::testing::Test {
 protected:
  void SetUp() override {
    folder_ = sample_folder();
    if (folder_.empty()) GTEST_SKIP() << "the sample data folder has not been built";
    Result<std::string> prefix = data_prefix_of(folder_);
    ASSERT_TRUE(prefix) << prefix.error();
    ASSERT_TRUE(go1(s_, *prefix, "").ok);
  }

  // The output of one query in UTF-8 ("" when the query shows nothing).
  std::string run(const std::string& query_utf8) {
    Result<std::string> q = utf8_to_cp1252(query_utf8);
    EXPECT_TRUE(q) << query_utf8;
    if (!q) return {};
    std::optional<std::string> out = go2(s_, *q);
    return out ? cp1252_to_utf8(*out) : std::string();
  }

  std::string folder_;
  Session s_;
};

struct Case {
  const char* query;     // the analysis query
  const char* language;  // the label of the article line: suomi or dansk
  const char* base;      // the headword whose article must be shown
  const char* cut;       // the form as the analysis line cuts it
  const char* reading;   // the heading of the analysis, in parentheses
};

const Case kCases[] = {
    {"-talossa", "suomi", "talo", "talo/ssa", "(iness.)"},
    {"-kukan", "suomi", "kukka", "kuka/n", "(gen.)"},
    {"-renkaan", "suomi", "rengas", "renkaa/n", "(gen.)"},
    {"-miehen", "suomi", "mies", "miehe/n", "(gen.)"},
    {"-vasemman", "suomi", "vasen", "vasemma/n", "(gen.)"},
    {"-kirjakaupassa", "suomi", "kirjakauppa", "kirjakaupa/ssa", "(iness.)"},
    {"--husene", "dansk", "hus", "hus/ene", "(bestemt flertal)"},
    // cykler and museer are the plurals their articles list, so they are variants: the
    // analysis starts from them.
    {"--cyklerne", "dansk", "cykel", "cykler/ne", "(bestemt flertal)"},
    {"--museerne", "dansk", "museum", "museer/ne", "(bestemt flertal)"},
    // The category is the one that applies to the word: hus is a neuter noun, stol a noun
    // of common gender (not the verb stole), køre a verb (not the noun kø).
    {"--huset", "dansk", "hus", "hus/et", "(bestemt ental)"},
    {"--stolen", "dansk", "stol", "stol/en", "(bestemt ental)"},
    {"--ventet", "dansk", "vente", "vente/t", "(f\xC3\xB8rnutids till\xC3\xA6gsform)"},
    {"--skriver", "dansk", "skrive", "skrive/r", "(nutid)"},
    {"--k\xC3\xB8r", "dansk", "k\xC3\xB8re", "k\xC3\xB8/r", "(bydeform)"},
};

TEST_F(MorphologyGoldenTest, EachFormShowsItsBaseWordAndAnAnalysisLine) {
  for (const Case& c : kCases) {
    SCOPED_TRACE(c.query);
    const std::string out = run(c.query);
    // "   Analysis :  talo/ssa  =  talo4.ssa0  (iness.) [i]  ..."
    const std::string analysis = std::string("   Analysis :  ") + c.cut + "  =  ";
    const std::size_t at = out.find(analysis);
    ASSERT_NE(at, std::string::npos) << out;
    const std::string line = out.substr(at, out.find('\n', at) - at);
    EXPECT_NE(line.find(std::string("  ") + c.reading), std::string::npos) << line;
    // "  suomi:  (i78;7 1) >talo  hus; bygning |": the article of the base word.
    const std::regex article(std::string("(^|\n)  ") + c.language +
                             R"(:  \([a-z]\d+[,;][^)]*\) >)" + c.base + " ");
    EXPECT_TRUE(std::regex_search(out, article)) << out;
  }
}

// The ending tables give each ending its own reference line: the ending and what it means.
TEST_F(MorphologyGoldenTest, TheEndingHasAReferenceLine) {
  // Finnish endings are explained in Danish first, with the Finnish term and an example.
  EXPECT_NE(run("-talossa").find("  <.ssa0  -ssa> inessiv (sis\xC3\xA4olento): i, inde i \xE2\x80\x94 "
                                 "talossa = i huset\n"),
            std::string::npos);
  EXPECT_NE(run("--husene")
                .find("  <.ene0  -ene> m\xC3\xA4\xC3\xA4r\xC3\xA4inen monikko (bestemt flertal): "
                      "husene = talot\n"),
            std::string::npos);
}

// Endings in a row: plural, case, possessive suffix and clitic, each cut off in the heading.
TEST_F(MorphologyGoldenTest, SeveralEndingsInARow) {
  EXPECT_NE(run("-taloissa").find("   Analysis :  talo/i/ssa  =  "), std::string::npos);
  const std::string out = run("-talossanikin");
  EXPECT_NE(out.find("   Analysis :  talo/ssa/ni/kin  =  "), std::string::npos) << out;
  EXPECT_NE(out.find("(iness. poss. 1. ent. -kin)"), std::string::npos) << out;
}

// A form an article lists is a variant: the plain look-up finds the article under it, and
// the analysis starts from it (st\xC3\xB8rst-e).
TEST_F(MorphologyGoldenTest, ListedFormsFindTheirArticle) {
  struct Listed {
    const char* query;
    const char* base;
  };
  for (const Listed& c : {Listed{"gjort", "g\xC3\xB8re"}, Listed{"st\xC3\xB8rre", "stor"},
                          Listed{"--st\xC3\xB8rste", "stor"}, Listed{"--m\xC3\xA6ndene", "mand"},
                          Listed{"--haft", "have"}}) {
    const std::string out = run(c.query);
    EXPECT_NE(out.find(std::string(") >") + c.base + " "), std::string::npos) << c.query << out;
  }
}

// The pieces of a Danish analysis line show the word's own letters, never a stem rule's mark:
// the imperative skriv (skrive less its e), the definite cyklen (cykel less its e).
TEST_F(MorphologyGoldenTest, PiecesShowNoRuleMark) {
  for (const auto& [query, pieces] : {std::pair{"--skriv", "=  skriv0.0  (bydeform)"},
                                      std::pair{"--cyklen", "=  cykl0.en0  (bestemt ental)"}}) {
    const std::string out = run(query);
    EXPECT_NE(out.find(pieces), std::string::npos) << query << out;
  }
}

// Where the article lists an irregular form, the regular ending on the headword is no
// reading of it: mandene is not mand, boger not bog, g\xC3\xA5ede not g\xC3\xA5; nor is a
// listed form the first part of a compound (g\xC3\xB8rte is not g\xC3\xB8r + te).
TEST_F(MorphologyGoldenTest, RegularisedFormIsNoReadingOfTheWord) {
  struct Wrong {
    const char* query;
    const char* word;
  };
  for (const Wrong& c : {Wrong{"--mandene", "mand"}, Wrong{"--boger", "bog"},
                         Wrong{"--g\xC3\xA5"
                               "ede",
                               "g\xC3\xA5"},
                         Wrong{"--godere", "god"}, Wrong{"--fodder", "fod"},
                         Wrong{"--g\xC3\xB8rte", "g\xC3\xB8re"}}) {
    const std::string out = run(c.query);
    EXPECT_EQ(out.find(std::string(") >") + c.word + " "), std::string::npos) << c.query << out;
  }
}

// An ending of another word class is no reading of a word: the noun skab takes -et, the
// verb skabe (past participle skabt) does not; stole is a verb, kø a noun in -er, varme a
// noun that does not compare.
TEST_F(MorphologyGoldenTest, EndingOfAnotherWordClassIsNoReading) {
  struct Wrong {
    const char* query;
    const char* word;
  };
  for (const Wrong& c :
       {Wrong{"--skabet", "skabe"}, Wrong{"--m\xC3\xA5lt", "m\xC3\xA5l"},
        Wrong{"--stolen", "stole"}, Wrong{"--bedst", "bede"},
        Wrong{"--br\xC3\xB8"
              "det",
              "bryde"},
        Wrong{"--havet", "have"}, Wrong{"--sagt", "sag"}, Wrong{"--k\xC3\xB8r", "k\xC3\xB8"},
        Wrong{"--vent", "ven"}, Wrong{"--varmeste", "varme"}}) {
    const std::string out = run(c.query);
    EXPECT_NE(out.find(") >"), std::string::npos) << c.query << out;  // the right word's
    EXPECT_EQ(out.find(std::string(") >") + c.word + " "), std::string::npos) << c.query << out;
  }
}

// A compound of two dictionary words is analysed to both parts (a short first word too);
// one that the compound list holds shows its own article first.
TEST_F(MorphologyGoldenTest, CompoundShowsBothPartsOrItsOwnArticle) {
  const std::string ol = run("--\xC3\xB8lflasken");
  EXPECT_NE(ol.find("   Analysis :  \xC3\xB8l//flaske/n  =  "), std::string::npos) << ol;
  EXPECT_NE(ol.find(") >\xC3\xB8l "), std::string::npos) << ol;
  EXPECT_NE(ol.find(") >flaske "), std::string::npos) << ol;
  const std::string dor = run("--husd\xC3\xB8ren");
  EXPECT_NE(dor.find("   Analysis :  hus/d\xC3\xB8r/en  =  "), std::string::npos) << dor;
  const std::string bog = run("--skoleb\xC3\xB8ger");
  EXPECT_EQ(bog.find(") >"), bog.find(") >skolebog ")) << bog;
}

// A form of no word of the dictionary shows no analysis.
TEST_F(MorphologyGoldenTest, NoAnalysisForAFormOfNoWord) {
  EXPECT_EQ(run("-xqzssa").find("Analysis"), std::string::npos);
}

}  // namespace
}  // namespace velimora
