// The forms a Danish article lists in its remarks become variants of its chain: source
// folder in, compiled dictionary lines and head index lines out.
#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <string>
#include <vector>

#include "mkdata/compiler.h"
#include "mkdata/sources.h"
#include "testing/temp_dir.h"
#include "tools/mkdata_testing.h"

namespace velimora::mkdata {
namespace {

using mkdata::testing::read_list;

struct ListedCase {
  std::string source;    // one line of da-fi.txt, UTF-8
  std::string compiled;  // the line in the list t, Windows-1252
};
void PrintTo(const ListedCase& c, std::ostream* os) {
  *os << c.source;
}

class DanishFormsTest : public ::testing::TestWithParam<ListedCase> {
 protected:
  std::vector<std::string> compile_lines(const std::string& da_fi, char letter) {
    velimora::testing::TempDir dir;
    dir.write("da-fi.txt", da_fi);
    Diagnostics diag;
    Compiled c = compile(read_sources(dir.path(), "", diag), diag);
    EXPECT_FALSE(diag.failed());
    std::vector<std::string> out;
    for (const auto& part : read_list(c.files, letter).parts)
      out.insert(out.end(), part.begin(), part.end());
    return out;
  }
};

TEST_P(DanishFormsTest, CompiledLineCarriesTheListedForms) {
  const std::vector<std::string> t = compile_lines(GetParam().source + "\n", 't');
  ASSERT_EQ(t.size(), 1u);
  EXPECT_EQ(t[0], GetParam().compiled);
}

INSTANTIATE_TEST_SUITE_P(
    Articles, DanishFormsTest,
    ::testing::Values(
        // The code 1 stays last, after the new variants.
        ListedCase{"stor 1 {stort, store; st\xC3\xB8rre, st\xC3\xB8rst} suuri",
                   "stor >st\xF8rre >st\xF8rst 1 {stort, store; st\xF8rre, st\xF8rst} suuri"},
        // A variant written by hand is not repeated; the present comes after the past.
        ListedCase{"g\xC3\xB8re >gjorde {g\xC3\xB8r, gjorde, gjort} tehd\xC3\xA4",
                   "g\xF8re >gjorde >gjort >g\xF8r {g\xF8r, gjorde, gjort} tehd\xE4"},
        ListedCase{"mand {en; m\xC3\xA6nd} mies", "mand >m\xE6nd {en; m\xE6nd} mies"},
        ListedCase{"have {har, havde, haft} olla | {en; -r} puutarha",
                   "have >havde >haft >har {har, havde, haft} olla | {en; -r} puutarha"},
        // Regular forms and suffixes add nothing.
        ListedCase{"tale {talte, talt} puhua", "tale {talte, talt} puhua"},
        ListedCase{"hus 1 {et; -e} talo", "hus 1 {et; -e} talo"},
        ListedCase{"ny 1 {nyt, nye} uusi", "ny 1 {nyt, nye} uusi"},
        ListedCase{"det {neutri} se", "det {neutri} se"},
        // A variant that ends the line has no blank behind it: the chain ends with the line.
        ListedCase{"gribe >ga", "gribe >ga"},
        // A listed form holding a remark sign would put the | in front into a remark: the
        // line stays as written.
        ListedCase{"hus | {en; b{ger} talo", "hus | {en; b{ger} talo"}));

// A line whose listed forms cannot become variants says so where it is.
TEST_F(DanishFormsTest, FormsThatCannotBeAddedAreAWarning) {
  velimora::testing::TempDir dir;
  dir.write("da-fi.txt", "hus | {en; b{ger} talo\n");
  Diagnostics diag;
  compile(read_sources(dir.path(), "", diag), diag);
  // The other warnings are about the source files this folder does not have.
  std::vector<std::string> here;
  for (const std::string& w : diag.warnings()) {
    if (w.find("da-fi.txt:") != std::string::npos) here.push_back(w.substr(w.find("da-fi.txt:")));
  }
  EXPECT_EQ(here, std::vector<std::string>{
                      "da-fi.txt:1: its listed forms cannot become variants (a sense mark '|' "
                      "inside a remark '{...}'); the line is kept as written"});
}

// The head index n finds the article under every listed form.
TEST_F(DanishFormsTest, PlainIndexHoldsTheListedForms) {
  const std::vector<std::string> n =
      compile_lines("g\xC3\xB8re {g\xC3\xB8r, gjorde, gjort} tehd\xC3\xA4\n", 'n');
  std::vector<std::string> words;
  for (const std::string& line : n)
    words.push_back(line.substr(0, line.find(' ')));
  std::sort(words.begin(), words.end());
  EXPECT_EQ(words, (std::vector<std::string>{"gjorde", "gjort", "g\xF8r", "g\xF8re"}));
}

// A compound first part has no chain: its text is left as it is.
TEST_F(DanishFormsTest, CompoundFirstPartIsLeftAlone) {
  const std::vector<std::string> t = compile_lines("bog- {en; b\xC3\xB8ger} kirja-\n", 't');
  ASSERT_EQ(t.size(), 1u);
  EXPECT_EQ(t[0], "bog- {en; b\xF8ger} kirja-");
}

}  // namespace
}  // namespace velimora::mkdata
