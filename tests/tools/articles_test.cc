#include "mkdata/articles.h"

#include <gtest/gtest.h>

#include <string>

namespace velimora::mkdata {
namespace {

// "word/code" for every variant, joined by blanks; the code is shown as '_' when blank.
std::string variants_text(const Article& a) {
  std::string s;
  for (const HeadVariant& v : a.variants) {
    if (!s.empty()) s += ' ';
    s += v.word + "/" + (v.code == ' ' ? '_' : v.code);
  }
  return s;
}

TEST(ParseArticle, ReadsTheVariantChainAsTheMatcherDoes) {
  static const struct {
    const char* name;
    const char* line;
    Side side;
    const char* variants;
    const char* tail;
  } kCases[] = {
      {"finnish, no code", "talo  hus; bygning | +ssa i huset", Side::kFinnish, "talo/_",
       "hus; bygning | +ssa i huset"},
      {"finnish digit code", "aikoa 2 have i sinde", Side::kFinnish, "aikoa/2", "have i sinde"},
      {"finnish > variant", "olla 2 >on  v\xE6re", Side::kFinnish, "olla/2 on/_", "v\xE6re"},
      {"finnish + variant", "kaunis 4 +sti 0 smukt", Side::kFinnish, "kaunis/4 kaunissti/0",
       "smukt"},
      {"finnish class marker skipped", "olla 2 p >on  v\xE6re", Side::kFinnish, "olla/2 on/_",
       "v\xE6re"},
      {"finnish + of running text ends the chain", "aamu  +lla om morgenen", Side::kFinnish,
       "aamu/_", "+lla om morgenen"},
      {"finnish lone + ends the chain", "aika  + paljon meget", Side::kFinnish, "aika/_",
       "+ paljon meget"},
      {"first part takes the danish code", "koulu- 1 skole-", Side::kFinnish, "koulu-/1",
       " skole-"},
      {"first part has no chain", "koulu-  >x  skole-", Side::kFinnish, "koulu-/_", " >x  skole-"},
      {"leading quote", "\"vanha  gammel", Side::kFinnish, "vanha/_", "gammel"},
      {"danish plain", "hus {et; -e} talo", Side::kDanish, "hus/_", "{et; -e} talo"},
      {"danish code 1 ends the chain", "jeg 1 >mig min\xE4", Side::kDanish, "jeg/1",
       " >mig min\xE4"},
      {"danish variants then code", "and >\xE6nder +en 1 sorsa", Side::kDanish,
       "and/_ \xE6nder/_ anden/1", " sorsa"},
      {"danish 1 glued to text is no code", "to 1. kaksi", Side::kDanish, "to/_", "1. kaksi"},
  };
  for (const auto& c : kCases) {
    Result<Article> a = parse_article(c.line, c.side);
    ASSERT_TRUE(a) << c.name << ": " << a.error();
    EXPECT_EQ(variants_text(*a), c.variants) << c.name;
    EXPECT_EQ(std::string(c.line).substr(a->tail), c.tail) << c.name;
  }
}

TEST(ParseArticle, BodyStartsAfterTheHeadwordsBlank) {
  Result<Article> a = parse_article("\"talo 0 hus", Side::kFinnish);
  ASSERT_TRUE(a);
  EXPECT_EQ(a->body, 6u);
  EXPECT_EQ(a->tail, 8u);
}

TEST(ParseArticle, RejectsLinesTheSearchCouldNotUse) {
  static const struct {
    const char* name;
    const char* line;
    Side side;
    const char* error;
  } kCases[] = {
      {"single blank before finnish text", "talo hus", Side::kFinnish, "code field after 'talo'"},
      {"code digit 3", "talo 3 hus", Side::kFinnish, "code field after 'talo'"},
      {"code digit without blank", "talo 0hus", Side::kFinnish, "code field after 'talo'"},
      {"> variant with bad code", "olla 2 >on v\xE6re", Side::kFinnish, "code field after 'on'"},
      {"> variant at the end", "olla 2 >on", Side::kFinnish, "code field after 'on'"},
      {"> without a word", "hus > talo", Side::kDanish, "'>' without a word"},
      {"no text", "talo", Side::kFinnish, "no article text"},
      {"only blanks after headword", "hus   ", Side::kDanish, "no article text"},
      {"leading blank", " talo  hus", Side::kFinnish, "must start with the headword"},
      {"tab", "hus\ttalo", Side::kDanish, "tab"},
      {"unclosed remark", "hus {et talo", Side::kDanish, "never closed"},
      {"sense mark in remark", "hus {et | -e} talo", Side::kDanish, "inside a remark"},
  };
  for (const auto& c : kCases) {
    Result<Article> a = parse_article(c.line, c.side);
    ASSERT_FALSE(a) << c.name;
    EXPECT_NE(a.error().find(c.error), std::string::npos) << c.name << ": " << a.error();
  }
}

}  // namespace
}  // namespace velimora::mkdata
