// The Danish stem rules (ficd), stae, sid, sidste. Modes t and r of ficc0 are tested in
// ficc0_test.cc.
#include "inflection/danish_rules.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "inflection/ficc0.h"
#include "inflection/test_support.h"

namespace velimora::inflection {
namespace {

struct DanishCase {
  std::string name;
  std::string word;
  std::string form;
  std::vector<Ruled> expected;  // (rule, stem, 0, mark, 0)
};
void PrintTo(const DanishCase& c, std::ostream* os) { *os << c.name; }

// ficd on a word and a form, with head and tail split as the entry matcher does.
std::vector<Ruled> Ficd(std::string_view word, std::string_view form) {
  const std::size_t n = word.size();
  const bool short_form = form.size() < n - 1;
  const std::string_view head = short_form ? form : form.substr(0, n - 1);
  const std::string_view tail = short_form ? kNoTailMarker : form.substr(n - 1);
  std::vector<Ruled> out;
  ficd(word, static_cast<int>(n), word.substr(0, n - 1), head, tail, word.substr(n - 1),
       [&](const DanishAlt& alt) {
         out.push_back({alt.rule, alt.stem.str(), 0, std::string(alt.mark), 0});
         return true;
       });
  return out;
}

class DanishTest : public ::testing::TestWithParam<DanishCase> {};

// With `within` set, exactly the candidates whose stem begins that text, in the same order.
TEST_P(DanishTest, WithinKeepsExactlyTheCandidatesBeginningTheText) {
  const DanishCase& c = GetParam();
  for (const std::string& text : WithinTexts(c.form, c.expected)) {
    StemQuery q = make_stem_query('t', c.word, '0', c.form);
    q.within = text;
    EXPECT_EQ(AllRuled([&](auto sink) { return ficc0_traced(q, sink); }),
              BeginningText(c.expected, text))
        << Escaped(text);
  }
}

TEST_P(DanishTest, YieldsTheOrderedCandidates) {
  EXPECT_EQ(Ficd(GetParam().word, GetParam().form), GetParam().expected);
}

const DanishCase kDanishCases[] = {
    // Rule 1: Latin nouns in -eum, -ium.
    {"Rule01_museum_museer", "museum", "museer", {{1, "muse", 0, "M", 0}}},
    {"Rule01_akvarium_akvarier", "akvarium", "akvarier", {{1, "akvari", 0, "M", 0}}},
    {"Rule01_akvarium_akvariet", "akvarium", "akvariet", {{1, "akvari", 0, "M", 0}}},
    {"Rule01_jubilaeum_jubilaeet", "jubil\xE6um", "jubil\xE6" "et", {{1, "jubil\xE6", 0, "M", 0}}},
    {"Rule01_museum_museal", "museum", "museal", {}},          // "ea" is not in the set
    // Rule 2 (-es) and rule 11.
    {"Rule02_proces_processen", "proces", "processen", {{2, "proc", 0, "S", 0}, {11, "proce", 0, "s", 0}}},
    // Rule 3: the e drops before l, n, r.
    {"Rule03_cykel_cykler", "cykel", "cykler", {{3, "cykl", 0, "R", 0}}},
    {"Rule03_vinter_vintre", "vinter", "vintre", {{3, "vintr", 0, "R", 0}}},
    {"Rule03_aften_aftner", "aften", "aftner", {{3, "aftn", 0, "R", 0}}},
    // Rule 4: the same after a doubled consonant; rule 3 yields nothing.
    {"Rule04_himmel_himle", "himmel", "himle", {{4, "himl", 0, "R", 0}}},
    {"Rule04_himmel_himlen", "himmel", "himlen", {{4, "himl", 0, "R", 0}}},
    {"Rule04_sommer_somre", "sommer", "somre", {{4, "somr", 0, "R", 0}}},
    // Rule 5: -dle, -gle, -vle, -dre, -gre, -vre; rule 11 follows.
    {"Rule05_handle_handlede", "handle", "handlede", {{5, "hande", 0, "l", 0}, {11, "handl", 0, "e", 0}}},
    // Rule 6 and rule 9: komme, kom (the form is shorter than n - 1 letters).
    {"Rule06_Rule09_komme_kom", "komme", "kom", {{6, "kom", 0, "C", 0}, {9, "ko", 0, "D", 0}}},
    // The head komm with an empty tail: rule 6 only (rule 8 needs W[-3] != W[-2]).
    {"Rule06_komme_komm", "komme", "komm", {{6, "kom", 0, "C", 0}}},
    {"Rule06_komme_kommer", "komme", "kommer", {{6, "kom", 0, "C", 0}, {11, "komm", 0, "e", 0}}},
    // Rule 7: -ere against -a-.
    {"Rule07_organisere_organisation", "organisere", "organisation", {{7, "organis", 0, "A", 0}}},
    // Rule 8: an empty tail.
    {"Rule08_kage_kag", "kage", "kag", {{8, "ka", 0, "B", 0}}},
    // A real tail enables only rules 10 and 11 of rules 8 to 11.
    {"Rule11_kage_kages", "kage", "kages", {{11, "kag", 0, "e", 0}}},
    {"Rule10_kage_apostrophe", "kage", "kage's", {{10, "kage", 0, "Z", 0}, {11, "kag", 0, "e", 0}}},
    {"Rule10_tax_apostrophe", "tax", "tax's", {{10, "tax", 0, "Z", 0}, {11, "tax", 0, " ", 0}}},
    // Rule 11 with a last letter outside both sidste sets: the whole word, mark " ".
    {"Rule11_pizza_pizzaer", "pizza", "pizzaer", {{11, "pizza", 0, " ", 0}}},
    {"Rule11_hus_huse", "hus", "huse", {{11, "hu", 0, "s", 0}}},
    // Letters beyond a-z: o-slash is outside the sets.
    {"Rule11_oslash", "s\xF8", "s\xF8" "en", {{11, "s\xF8", 0, " ", 0}}},
    // Nothing applies.
    {"None_form_elsewhere", "kage", "bord", {}},
    {"None_two_letter_e_word", "se", "s", {}},  // rule 8 needs W[-3]
};

INSTANTIATE_TEST_SUITE_P(Rules, DanishTest, ::testing::ValuesIn(kDanishCases),
                         [](const auto& info) { return info.param.name; });

TEST(Ficd, YieldsStemAndMarkWithTheRuleNumber) {
  std::vector<std::pair<std::string, std::string>> out;
  std::vector<int> rules;
  ficd("komme", 5, "komm", "kom", kNoTailMarker, "e", [&](const DanishAlt& alt) {
    out.emplace_back(alt.stem.str(), std::string(alt.mark));
    rules.push_back(alt.rule);
    return true;
  });
  EXPECT_EQ(out, (std::vector<std::pair<std::string, std::string>>{{"kom", "C"}, {"ko", "D"}}));
  EXPECT_EQ(rules, (std::vector<int>{6, 9}));
  EXPECT_EQ(danish_rules().size(), 11u);
}

TEST(Ficd, ConsumerCanStopEarly) {
  int seen = 0;
  EXPECT_FALSE(ficd("komme", 5, "komm", "kom", kNoTailMarker, "e",
                    [&](const DanishAlt&) { return ++seen < 1; }));
  EXPECT_EQ(seen, 1);
}

TEST(Stae, Conditions) {
  auto s = stae(3, "cykel", 5, "cyke", "cykl", "l");
  ASSERT_TRUE(s.has_value());
  EXPECT_EQ(s->w3, "cy");
  EXPECT_EQ(s->prefix, "cy");
  EXPECT_EQ(s->w4, 'y');
  EXPECT_EQ(s->w3_letter, 'k');
  s = stae(4, "himmel", 6, "himme", "himle", "l");
  ASSERT_TRUE(s.has_value());
  EXPECT_EQ(s->w3, "him");
  EXPECT_EQ(s->prefix, "hi");
  EXPECT_EQ(s->w4, 'm');
  EXPECT_EQ(s->w3_letter, 'm');
  EXPECT_FALSE(stae(4, "kael", 4, "kae", "kal", "l"));    // k < n fails
  EXPECT_FALSE(stae(3, "cykel", 5, "cyke", "bykl", "l"));  // P does not begin with W's start
  EXPECT_FALSE(stae(3, "cykal", 5, "cyka", "cykl", "l"));  // W[-2] is not e
  EXPECT_FALSE(stae(3, "cyhel", 5, "cyhe", "cyhl", "l"));  // h is not an e-drop consonant
  EXPECT_FALSE(stae(3, "cylel", 5, "cyle", "cyll", "l"));  // W[-3] equals the last letter
}

TEST(Sid, DropsTheLetter) {
  EXPECT_EQ(sid("huse", 'e'), "hus");
  EXPECT_EQ(sid("hus", 'e'), std::nullopt);
  EXPECT_EQ(sid("", 'e'), std::nullopt);
}

TEST(Sidste, Sets) {
  for (char c : std::string_view("bcdefghjklmnprstv")) {
    const std::string w = std::string("ko") + c;
    const std::string last = w.substr(2);  // the result views into it: it must outlive s
    const StemMark s = sidste(w, "ko", last);
    EXPECT_EQ(s.stem, "ko") << c;
    EXPECT_EQ(s.mark, last) << c;
  }
  for (char c : std::string_view("aiouwxyzS\xE6")) {
    const std::string w = std::string("ko") + c;
    const std::string last = w.substr(2);
    const StemMark s = sidste(w, "ko", last);
    EXPECT_EQ(s.stem, w) << c;
    EXPECT_EQ(s.mark, " ") << c;
  }
}

}  // namespace
}  // namespace velimora::inflection
