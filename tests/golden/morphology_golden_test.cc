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
    {"--husene", "dansk", "hus", "hus/ene", "(def. pl.)"},
    {"--cykler", "dansk", "cykel", "cykl/er", "(pl./pres.)"},
    {"--museer", "dansk", "museum", "muse/er", "(pl./pres.)"},
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
    const std::regex article(std::string("(^|\n)  ") + c.language + R"(:  \([a-z]\d+[,;][^)]*\) >)" +
                             c.base + " ");
    EXPECT_TRUE(std::regex_search(out, article)) << out;
  }
}

// The ending tables give each ending its own reference line: the ending and what it means.
TEST_F(MorphologyGoldenTest, TheEndingHasAReferenceLine) {
  EXPECT_NE(run("-talossa").find("  <.ssa0  -ssa> inessive"), std::string::npos);
  EXPECT_NE(run("--husene").find("  <.ene0  -ene> definite plural"), std::string::npos);
}

// Endings in a row: plural, case, possessive suffix and clitic, each cut off in the heading.
TEST_F(MorphologyGoldenTest, SeveralEndingsInARow) {
  EXPECT_NE(run("-taloissa").find("   Analysis :  talo/i/ssa  =  "), std::string::npos);
  const std::string out = run("-talossanikin");
  EXPECT_NE(out.find("   Analysis :  talo/ssa/ni/kin  =  "), std::string::npos) << out;
  EXPECT_NE(out.find("(iness. poss. 1sg -kin)"), std::string::npos) << out;
}

// A form of no word of the dictionary shows no analysis.
TEST_F(MorphologyGoldenTest, NoAnalysisForAFormOfNoWord) {
  EXPECT_EQ(run("-xqzssa").find("Analysis"), std::string::npos);
}

}  // namespace
}  // namespace velimora
