// An article line becomes its labelled output text.
#include "lookup/article_text.h"

#include <gtest/gtest.h>

#include "lookup/sign_expansion.h"
#include "testing/temp_dir.h"

namespace velimora {
namespace {

TEST(Addp0, SpellsOutSignsOrRemovesCodes) {
  static const struct {
    const char* name;
    int mode;
    const char* marker;
    const char* headword;
    const char* body;
    std::string out;
  } kCases[] = {
      {"plus is the headword", 1, ">talo ", "talo", "+n koti", ">talo >talon koti"},
      {"signs of mode 1", 1, "", "talo", "&x \xA7x \xF5x #x", ";talox ;talonx ;talonx ;talosx"},
      {"stem of a first part", 1, ">koti- ", "koti", "+", ">koti- >koti"},
      {"! before a letter", 1, "", "talo", "!e", ";taloee"},
      {"! last stays", 1, "", "talo", "a!", "a!"},
      {"! before a blank stays", 1, "", "talo", "! a", "! a"},
      {"remark becomes a dot", -1, "", "", "a {remark} b", "a . b"},
      {"unclosed remark drops the rest", -1, "", "", "a {remark b", "a ."},
      {"coded part dropped, bar kept", -1, "", "", "| &x 2 | rest", "| rest"},
      {"coded part at the end dropped", -1, "", "", "x | &y 2 ", "x "},
      {"plain part kept", -1, "", "", "| sana |", "| sana |"},
      {"coded part with a word kept", -1, "", "", "| &x sana | b", "| &x sana | b"},
      {"colon opens a coded part too", -1, "", "", "a: +x 1 | b", "a: b"},
      {"mode -1 keeps the signs", -1, "", "talo", "+n", "+n"},
  };
  for (const auto& c : kCases) {
    EXPECT_EQ(addp0(c.mode, c.marker, c.headword, c.body), c.out) << c.name;
  }
}

TEST(Addp5, NestedRunDropsCodesAndSignedWords) {
  static const struct {
    const char* body;
    std::string out;
  } kCases[] = {
      {" &x 2 ", " "}, {"0 1 2 4 5 ; , +", ""}, {"a,b", "a,b"}, {"(x) y", "y"}, {"sana 2", "sana "},
      {">x", ""},      {"3 x", "3 x"},
  };
  for (const auto& c : kCases)
    EXPECT_EQ(addp5(kRemoveCodesNested, "", "", c.body), c.out) << c.body;
}

TEST(Fia, SelectsOneSense) {
  static const struct {
    const char* text;
    int k;
    std::string out;
  } kCases[] = {
      {"a | b | c ", 0, "a | b | c"},
      {"a | b | c", 200, "a | b | c"},
      {"a | b | c", 1, "a |"},
      {"a | b | c", 2, " b |"},
      {"a | b | c", 3, " c"},
      {"a | b | c", 4, ""},
      {"a | b |* c", 2, " b *"},
      {"a | b |  ", 2, " b"},
      {"a | b | c", 203, " c"},
      {"a | b | c", -1, "a | b | c"},
      {"", 1, ""},
  };
  for (const auto& c : kCases)
    EXPECT_EQ(fia(c.text, c.k), c.out) << c.text << " " << c.k;
}

TEST(Nas, CountFromTwo) {
  EXPECT_EQ(nas(0), "");
  EXPECT_EQ(nas(1), "");
  EXPECT_EQ(nas(2), "(2)");
  EXPECT_EQ(nas(12), "(12)");
}

TEST(Misi1, DropsOneFinalDash) {
  EXPECT_EQ(misi1("koti-"), "koti");
  EXPECT_EQ(misi1("koti--"), "koti-");
  EXPECT_EQ(misi1("koti"), "koti");
  EXPECT_EQ(misi1(""), "");
}

TEST(Find3, LabelsAndFormatsTheArticle) {
  static const struct {
    const char* name;
    int mode;
    int count;
    ArticleRef ref;
    const char* line;
    std::string out;
  } kCases[] = {
      {"plain",
       0,
       0,
       {'i', 12, 345, 0},
       "talo hus; bygning",
       "  suomi:  (i12,345) >talo hus; bygning"},
      {"full article label",
       1,
       0,
       {'i', 12, 345, 0},
       "talo hus; bygning",
       "   (i12,345) >talo hus; bygning"},
      {"count shown from 2", 0, 2, {'t', 3, 4, 0}, "hus 1 talo", "  dansk(2):  (t3,4) >hus 1 talo"},
      {"count 1 not shown", 5, 1, {'c', 1, 1, 0}, "a b", "  suomi:  (c1,1) >a b"},
      {"other letters are unknown", 0, 0, {'o', 1, 2, 0}, "a b", "  ukendt:  (o1,2) >a b"},
      {"leading quote dropped",
       0,
       0,
       {'i', 1, 1, 0},
       "\"talo +ssa",
       "  suomi:  (i1,1) >talo >talossa"},
      {"sense 2",
       0,
       0,
       {'i', 1, 7, 2},
       "aamu morgen | +lla om morgenen",
       "  suomi:  (i1;7 2)  >aamulla om morgenen"},
      {"sense 1 without more senses",
       0,
       0,
       {'i', 1, 7, 1},
       "aamu morgen",
       "  suomi:  (i1,7) >aamu morgen"},
      {"sense beyond the last",
       0,
       0,
       {'i', 1, 7, 5},
       "aamu morgen | illalla",
       "  suomi:  (i1;7 5) "},
      {"sense 200 is the whole article",
       0,
       0,
       {'i', 1, 7, 200},
       "aamu a | b",
       "  suomi:  (i1;7 200) >aamu a | b"},
      {"sense 202 shows sense 2", 0, 0, {'i', 1, 7, 202}, "aamu a | b", "  suomi:  (i1;7 202)  b"},
      {"sense 400 is the whole article",
       0,
       0,
       {'i', 1, 7, 400},
       "aamu a | b",
       "  suomi:  (i1;7 100) >aamu a | b"},
      {"pocket dictionary removes codes",
       2,
       0,
       {'i', 1, 1, 0},
       "talo hus {talo} | &x 4 ",
       "   (i1,1) >talo hus ."},
      {"empty line", 0, 0, {'i', 1, 9, 0}, "", "  suomi:  (i1,9) >"},
      {"line without a blank", 0, 0, {'i', 1, 9, 0}, "talo", "  suomi:  (i1,9) >talo"},
  };
  for (const auto& c : kCases) {
    Session s;
    EXPECT_EQ(find3(s, c.mode, c.count, c.ref, c.line), c.out) << c.name;
  }
}

TEST(Find3, RawLineIsShownOnceUntilF0IsCleared) {
  Session s;
  const ArticleRef ref{'i', 12, 345, 0};
  EXPECT_EQ(find3(s, 7, 0, ref, "\"talo hus; bygning"), "  (i12,345)  \"talo hus; bygning");
  EXPECT_FALSE(find3(s, 7, 0, ref, "\"talo hus; bygning"));
  EXPECT_TRUE(find3(s, 7, 0, {'i', 12, 346, 0}, "x"));
  s.q.f0.clear();
  EXPECT_TRUE(find3(s, 7, 0, ref, "talo"));
}

TEST(Find4, ReadsTheLineAndDerivesSenseOne) {
  testing::TempDir dir;
  dir.write("fib/fi3.pro", "aamu morgen\ntalo hus | koti\n");
  dir.write("ftb/dt1.pro", "hus 1 talo\n");
  Session s;
  std::optional<FetchedArticle> a = find4(s, 0, dir.prefix(), 0, {'i', 3, 1, 1});
  ASSERT_TRUE(a);
  EXPECT_EQ(a->text, "  suomi:  (i3,1) >aamu morgen");  // one sense: sense 1 is the whole
  EXPECT_EQ(a->kind, 11);
  std::optional<FetchedArticle> b = find4(s, 0, dir.prefix(), 0, {'i', 3, 2, 1});
  EXPECT_EQ(b->text, "  suomi:  (i3;2 1) >talo hus |");
  std::optional<FetchedArticle> t = find4(s, 1, dir.prefix(), 0, {'t', 1, 1, 0});
  EXPECT_EQ(t->text, "   (t1,1) >hus 1 talo");
  EXPECT_EQ(t->kind, 12);
  std::optional<FetchedArticle> missing = find4(s, 0, dir.prefix(), 0, {'i', 4, 1, 0});
  EXPECT_EQ(missing->text, "  suomi:  (i4,1) >");
}

}  // namespace
}  // namespace velimora
