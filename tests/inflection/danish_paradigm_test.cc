// What the remarks of a Danish article say about its headword's endings and listed forms.
#include "inflection/danish_paradigm.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace velimora::inflection {
namespace {

struct ParadigmCase {
  std::string head;
  std::string text;  // the article text after the chain
  unsigned head_uses;
  std::vector<DanishListedForm> forms;
};
void PrintTo(const ParadigmCase& c, std::ostream* os) {
  *os << c.head << " " << c.text;
}

constexpr unsigned kNoun = kGenitive;
// A verb by its remarks: the verb endings and the bare-stem forms.
constexpr unsigned kMarkedVerbUses = kVerb | kMarkedVerb;
constexpr unsigned kDefPl = kDefPluralNe | kGenitive;  // uses of a listed plural in -e/-r

class DanishParadigmTest : public ::testing::TestWithParam<ParadigmCase> {};

TEST_P(DanishParadigmTest, ReadsTheRemarks) {
  const ParadigmCase& c = GetParam();
  const DanishParadigm p = danish_paradigm(c.head, c.text);
  EXPECT_EQ(p.head_uses, c.head_uses);
  EXPECT_EQ(p.forms, c.forms);
}

INSTANTIATE_TEST_SUITE_P(
    Remarks, DanishParadigmTest,
    ::testing::Values(
        ParadigmCase{
            "bil", "{en; -er} auto", kNoun | kDefiniteCommon | kPluralEr | kDefPluralErne, {}},
        ParadigmCase{"hus",
                     "{et; -e} talo | +et = talo",
                     kNoun | kDefiniteNeuter | kPluralE | kDefPluralEne,
                     {}},
        ParadigmCase{
            "skole", "{en; -r} koulu", kNoun | kDefiniteCommon | kPluralR | kDefPluralRne, {}},
        ParadigmCase{
            "ven", "{en; -ner} ystävä", kNoun | kDefiniteCommon | kPluralEr | kDefPluralErne, {}},
        ParadigmCase{"år", "{et; =} vuosi", kNoun | kDefiniteNeuter | kDefPluralEne, {}},
        ParadigmCase{"øl",
                     "{en, et; =} olut",
                     kNoun | kDefiniteCommon | kDefiniteNeuter | kDefPluralEne,
                     {}},
        ParadigmCase{"varme", "{en} lämpö", kNoun | kDefiniteCommon, {}},
        // A listed plural: the headword takes no regular plural, the plural its own endings.
        ParadigmCase{"bog", "{en; bøger} kirja", kNoun | kDefiniteCommon, {{"bøger", kDefPl}}},
        ParadigmCase{"mand",
                     "{en; mænd} mies",
                     kNoun | kDefiniteCommon,
                     {{"mænd", kDefPluralEne | kGenitive}}},
        ParadigmCase{"fisk",
                     "{en; fisk, fiske} kala",
                     kNoun | kDefiniteCommon | kDefPluralEne,
                     {{"fiske", kDefPl}}},
        ParadigmCase{"bukser", "{flertal} housut", kDefPluralNe | kGenitive, {}},
        ParadigmCase{"købe", "{-te} ostaa", kMarkedVerbUses | kPastTe, {}},
        ParadigmCase{"vente", "{-ede} odottaa", kMarkedVerbUses | kPastEde, {}},
        ParadigmCase{"tale", "{talte, talt} puhua", kMarkedVerbUses | kPastTe, {}},
        ParadigmCase{"gå", "{gik, gået} kävellä", kMarkedVerbUses, {{"gik", 0}, {"gået", 0}}},
        ParadigmCase{
            "gøre", "{gør, gjorde, gjort} tehdä", kMarkedVerbUses, {{"gjorde", 0}, {"gjort", 0}, {"gør", 0}}},
        // A verb with a noun sense: both readings.
        ParadigmCase{"have",
                     "{har, havde, haft} olla | {en; -r} puutarha",
                     kMarkedVerbUses | kNoun | kDefiniteCommon | kPluralR | kDefPluralRne,
                     {{"havde", 0}, {"haft", 0}, {"har", 0}}},
        ParadigmCase{"ny", "{nyt, nye} uusi", kAdjective | kComparison, {}},
        ParadigmCase{"smuk", "{smukt, smukke} kaunis", kAdjective | kComparison, {}},
        ParadigmCase{"stor",
                     "{stort, store; større, størst} suuri",
                     kAdjective,
                     {{"større", 0}, {"størst", kAfterSuperlative}}},
        ParadigmCase{"gammel",
                     "{gammelt, gamle; ældre, ældst} vanha",
                     0,
                     {{"gammelt", 0}, {"gamle", 0}, {"ældre", 0}, {"ældst", kAfterSuperlative}}},
        ParadigmCase{"lille",
                     "{små; mindre, mindst} pieni",
                     0,
                     {{"små", 0}, {"mindre", 0}, {"mindst", kAfterSuperlative}}},
        ParadigmCase{"mange",
                     "{flere, flest} monta",
                     kAdjective,
                     {{"flere", 0}, {"flest", kAfterSuperlative}}},
        // A word that takes no ending.
        ParadigmCase{"vi", "{taipumaton} me", 0, {}},
        // No grammar: every ending, nothing listed.
        ParadigmCase{"varm", "lämmin | kuuma", kAnyDanishUse, {}},
        ParadigmCase{"det", "{neutri} se", kAnyDanishUse, {}},
        ParadigmCase{"den", "{yleissukuinen; det, de} se", kAnyDanishUse, {}},
        ParadigmCase{"x", "{en; -er", kAnyDanishUse, {}}));

TEST(DanishUseNames, NameEveryUseOnce) {
  unsigned all = 0;
  for (std::string_view name : {"def-common", "def-neuter", "pl-er", "pl-r", "pl-e", "defpl-erne",
                                "defpl-rne", "defpl-ene", "defpl-ne", "gen", "verb", "past-te",
                                "past-ede", "adj", "comparison", "after-superlative"}) {
    std::optional<unsigned> use = danish_use_named(name);
    ASSERT_TRUE(use) << name;
    EXPECT_EQ(all & *use, 0u) << name;
    all |= *use;
  }
  EXPECT_EQ(all, kAnyDanishUse);
  EXPECT_FALSE(danish_use_named("plural"));
}

}  // namespace
}  // namespace velimora::inflection
