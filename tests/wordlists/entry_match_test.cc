// Matching one word-list line against the searched word.
#include "wordlists/entry_match.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "wordlists/entry_rules.h"

namespace velimora {
namespace {

std::vector<VariantHit> variant_hits(char letter, std::string_view v, char code,
                                     std::string_view word) {
  std::vector<VariantHit> hits;
  fiv1(letter, v, code, word, [&](const VariantHit& h) {
    hits.push_back(h);
    return true;
  });
  return hits;
}

std::vector<EntryHit> entry_hits(Session& s, const EntryLine& line) {
  std::vector<EntryHit> hits;
  fiv(s, line, [&](const EntryHit& h) {
    hits.push_back(h);
    return true;
  });
  return hits;
}

TEST(ReadVariants, ReadsTheChainOfHeadVariants) {
  static const struct {
    const char* name;
    char letter;
    const char* head;
    const char* body;
    std::vector<std::pair<std::string, char>> variants;
    std::string tail;
  } kCases[] = {
      {"no code", 'i', "aamu", " morgen", {{"aamu", ' '}}, "morgen"},
      {"code and a variant", 'i', "talo", "2 >talon  x", {{"talo", '2'}, {"talon", ' '}}, "x"},
      {"suffix variant", 'i', "kirja", " +sto 4 rest", {{"kirja", ' '}, {"kirjasto", '4'}}, "rest"},
      {"malformed code: no variant", 'i', "x", "3 y", {}, "3 y"},
      {"malformed variant code ends the chain", 'i', "x", " >y 9 z", {{"x", ' '}}, "9 z"},
      {"underscore token skipped", 'i', "talo", " _ hus", {{"talo", ' '}}, "hus"},
      {"p token skipped", 'i', "talo", "0 p hus", {{"talo", '0'}}, "hus"},
      {"a word starting with p stays", 'i', "talo", " pala", {{"talo", ' '}}, "pala"},
      {"Danish code 1 ends the chain", 't', "hus", "1 >huse x", {{"hus", '1'}}, " >huse x"},
      {"Danish without code", 't', "hus", "talo", {{"hus", ' '}}, "talo"},
      {"Danish variant with code", 't', "hus", ">huse 1 x", {{"hus", ' '}, {"huse", '1'}}, " x"},
      {"Danish 1 without blank is text", 't', "hus", "1x", {{"hus", ' '}}, "1x"},
      {"first part: Danish code rule", 'i', "koulu-", "1 x", {{"koulu-", '1'}}, " x"},
      {"first part without code", 'i', "koulu-", "2 x", {{"koulu-", ' '}}, "2 x"},
      {"empty Finnish line", 'i', "", "", {}, ""},
      {"variant at the end of the line", 'i', "a", " >b", {{"a", ' '}}, ""},
  };
  for (const auto& c : kCases) {
    VariantChain chain = read_variants(c.letter, c.head, c.body);
    std::vector<std::pair<std::string, char>> got;
    for (const HeadVariant& v : chain.variants)
      got.emplace_back(v.word, v.code);
    EXPECT_EQ(got, c.variants) << c.name;
    EXPECT_EQ(chain.tail, c.tail) << c.name;
  }
}

TEST(C0k, ClassCharacterKindAndBonus) {
  static const struct {
    char code;
    char letter;
    std::optional<ClassCode> out;
  } kCases[] = {
      {'0', 'i', ClassCode{'0', 0, 0}},  {'2', 'c', ClassCode{'2', 2, 0}},
      {'4', 'i', ClassCode{'4', 4, 0}},  {' ', 'i', ClassCode{' ', 4, 0}},
      {'5', 'c', ClassCode{'5', 4, 0}},  {'1', 'i', ClassCode{'0', 0, 40}},
      {'1', 't', ClassCode{'0', 0, 40}}, {' ', 't', ClassCode{'0', 0, 0}},
      {'2', 'r', ClassCode{'0', 0, 0}},  {'3', 'i', std::nullopt},
  };
  for (const auto& c : kCases) {
    std::optional<ClassCode> got = c0k(c.code, c.letter);
    ASSERT_EQ(got.has_value(), c.out.has_value()) << c.code << c.letter;
    if (!got) continue;
    EXPECT_EQ(got->class_char, c.out->class_char) << c.code << c.letter;
    EXPECT_EQ(got->kind, c.out->kind) << c.code << c.letter;
    EXPECT_EQ(got->bonus, c.out->bonus) << c.code << c.letter;
  }
}

TEST(Ne2, EndingOfAMark) {
  static const struct {
    char letter;
    int weight;
    const char* stem;
    const char* mark;
    std::string_view ending;
    const char* word = "";
  } kCases[] = {
      {'i', 4, "tal", "x", "x"}, {'i', 4, "kaud", "x", ""}, {'i', 2, "kas", "x", ""},
      {'t', 0, "hu", "x", "x"},  {'t', 0, "hu", " ", ""},   {'i', 0, "a", " ", ""},
      {'i', 2, "a", "Z", ""},    {'i', 2, "a", "w", ""},    {'t', 2, "a", "w", "w"},
      {'i', 4, "a", "O", ""},    {'i', 4, "a", " ", ""},    {'i', 4, "a", "o", "o"},
      {'i', 2, "a", "O", "O"},
      // Danish rule marks never show: the word's letter, or nothing.
      {'t', 0, "k\xF8", "B", "b", "k\xF8" "be"}, {'t', 0, "ko", "D", "m", "komme"},
      {'t', 0, "hen", "C", "", "henne"},      {'i', 0, "a", "B", "B", "abe"},
  };
  for (const auto& c : kCases) {
    EXPECT_EQ(ne2(c.letter, c.weight, c.stem, c.mark, c.word), c.ending)
        << c.letter << c.weight << c.stem << "[" << c.mark << "]";
  }
}

TEST(Fix, FirstFittingRow) {
  EXPECT_EQ(fix('i', ' ', 3, 0), 3);  // weight 0 on the Finnish side first
  EXPECT_EQ(fix('c', ' ', 3, 4), 5);
  EXPECT_EQ(fix('t', '1', 0, 0), 5);
  EXPECT_EQ(fix('-', ' ', 0, 4), 2);
  EXPECT_EQ(fix('t', ' ', 3, 0), 1);
  EXPECT_EQ(fix('i', ' ', 1, 2), 1);
}

TEST(Harm, FirstBackOrFrontVowelFromTheEnd) {
  static const struct {
    const char* word;
    int harmony;
  } kCases[] = {
      {"talo", 2},   {"kes\xE4", 1}, {"tie", 0},           {"kirje", 0}, {"kai", 2},
      {"koulu-", 2}, {"", 0},        {"pyy", 1},           {"kivi", 0},  {"m\x94k", 1},
      {"sieni", 0},  {"pappi", 2},   {"kstrmnplkjhgf", 0},
  };
  for (const auto& c : kCases)
    EXPECT_EQ(harm(c.word), c.harmony) << c.word;
}

TEST(Fiv1, CompoundFirstPart) {
  static const struct {
    const char* word;
    std::optional<std::string> stem;
  } kCases[] = {
      {"kouluvuosi", "koulu"},
      {"koulu-opettaja", "koulu-"},
      {"koulu", std::nullopt},
      {"kala", std::nullopt},
  };
  for (const auto& c : kCases) {
    std::optional<VariantHit> compound;
    for (const VariantHit& h : variant_hits('i', "koulu-", ' ', c.word)) {
      if (h.kind == 9) compound = h;
    }
    ASSERT_EQ(compound.has_value(), c.stem.has_value()) << c.word;
    if (!compound) continue;
    EXPECT_EQ(compound->stem, *c.stem) << c.word;
    EXPECT_EQ(compound->form, *c.stem) << c.word;
    EXPECT_EQ(compound->mark, "#  ") << c.word;
    EXPECT_EQ(compound->position, 2) << c.word;
  }
  EXPECT_EQ(variant_hits('i', "koulu-", '1', "kouluvuosi").front().position, 5);
}

TEST(Fiv1, InflectedFormThroughTheStemRules) {
  std::vector<VariantHit> hits = variant_hits('i', "talo", ' ', "talossa");
  ASSERT_FALSE(hits.empty());
  EXPECT_EQ(hits.front().stem, "tal");
  EXPECT_EQ(hits.front().form, "talo");  // the mark "o" is its own ending
  EXPECT_EQ(hits.front().mark, "o  ");
  EXPECT_EQ(hits.front().kind, 4);
  EXPECT_EQ(hits.front().harmony, 2);
  EXPECT_EQ(hits.front().position, 1);
  EXPECT_TRUE(variant_hits('i', "tlk", ' ', "tlkssa").empty());  // no vowel
}

TEST(Fiv1, OneLetterWord) {
  std::vector<VariantHit> hits = variant_hits('i', "a", ' ', "aalto");
  ASSERT_EQ(hits.size(), 1u);
  EXPECT_EQ(hits[0].stem, "a");
  EXPECT_EQ(hits[0].mark, "   ");
  EXPECT_EQ(hits[0].kind, 4);
  EXPECT_EQ(hits[0].position, 2);
  EXPECT_EQ(variant_hits('t', "\x86", '1',
                         "\x86"
                         "en")
                .front()
                .bonus,
            40);  // å in code page 850
  EXPECT_TRUE(variant_hits('i', "e", ' ', "eka").empty());
}

TEST(Fiv, PlainKindByListModeAndForm) {
  static const struct {
    char letter;
    int form_flag;
    int selector;
    int kind;
  } kCases[] = {
      {'o', 0, 0, 11}, {'o', 1, 0, 16}, {'o', 1, 7, 16}, {'o', 1, 4, 11},
      {'n', 0, 1, 14}, {'n', 1, 2, 16}, {'s', 1, 4, 16}, {'s', 1, 0, 17},
      {'q', 1, 0, 16}, {'q', 1, 1, 10}, {'y', 1, 5, 16}, {'y', 1, 0, 18},
      {'w', 1, 0, 16}, {'w', 0, 0, 20}, {'a', 1, 0, 0},  {'i', 1, 0, 0},
  };
  for (const auto& c : kCases) {
    EXPECT_EQ(plain_kind(c.letter, c.form_flag, c.selector), c.kind)
        << c.letter << c.form_flag << c.selector;
  }
}

TEST(Fiv, IndexListLineGivesOnePlainHit) {
  Session s;
  std::vector<EntryHit> hits = entry_hits(s, {.selector = 0,
                                              .analysis = 0,
                                              .letter = 'o',
                                              .form_flag = 0,
                                              .word = "talo",
                                              .head = "talo",
                                              .body = "i12,345 2",
                                              .sense = 2});
  ASSERT_EQ(hits.size(), 1u);
  EXPECT_EQ(hits[0].kind, 11);
  EXPECT_EQ(hits[0].score, 9000);
  EXPECT_EQ(hits[0].score2, 0);
  EXPECT_EQ(hits[0].sense, 2);
  EXPECT_EQ(hits[0].stem, "talo");
  EXPECT_TRUE(
      entry_hits(s, {.letter = 'o', .word = "talo", .head = "talot", .body = "i1,1 0"}).empty());
}

TEST(Fiv, AnalysisWayScoresEveryVariant) {
  Session s;
  std::vector<EntryHit> fi = entry_hits(s, {.analysis = 1,
                                            .letter = 'i',
                                            .form_flag = 0,
                                            .word = "talossa",
                                            .head = "talo",
                                            .body = " hus",
                                            .sense = 0});
  ASSERT_FALSE(fi.empty());
  EXPECT_EQ(fi[0].score, 10 * 2 + 9002 + 1);
  EXPECT_EQ(fi[0].score2, 10000);
  EXPECT_EQ(fi[0].form, "talo");
  std::vector<EntryHit> da = entry_hits(s, {.analysis = 1,
                                            .letter = 't',
                                            .form_flag = 0,
                                            .word = "huset",
                                            .head = "hus",
                                            .body = "1 talo"});
  ASSERT_FALSE(da.empty());
  EXPECT_EQ(da[0].score2, 10040);  // class bonus of code 1
  EXPECT_EQ(da[0].score, 9072 + 5);
  std::vector<EntryHit> dotted = entry_hits(s, {.analysis = 1,
                                                .letter = 'c',
                                                .form_flag = 0,
                                                .word = "talossa",
                                                .head = "talo",
                                                .body = " .x"});
  std::vector<EntryHit> plain = entry_hits(s, {.analysis = 1,
                                               .letter = 'c',
                                               .form_flag = 0,
                                               .word = "talossa",
                                               .head = "talo",
                                               .body = " x"});
  ASSERT_FALSE(dotted.empty());
  ASSERT_FALSE(plain.empty());
  EXPECT_EQ(dotted[0].score, plain[0].score - 1);
}

TEST(Fiv, LaterVariantsComeFirst) {
  Session s;
  std::vector<EntryHit> hits = entry_hits(
      s, {.analysis = 1, .letter = 'i', .form_flag = 0, .word = "a", .head = "a", .body = " >i x"});
  // "i" is tried before "a"; only "a" begins the word.
  ASSERT_EQ(hits.size(), 1u);
  EXPECT_EQ(hits[0].stem, "a");
}

// With `stems_within` set the analysis way gives exactly the hits of the line's variants whose
// stem begins that text, whatever it leaves out early, and the line test of the search passes
// every line with such a hit: every beginning of the word and each with a letter the word does
// not go on with, on lines whose variants are the head, the head + a suffix, another word
// (">"), a first part and a one-letter word.
TEST(Fiv, StemsWithinKeepsExactlyTheHitsBeginningTheText) {
  static const struct {
    char letter;
    const char* head;
    const char* body;
    const char* word;
  } kCases[] = {
      {'i', "kirjasto", " bibliotek", "kirjastossa"},
      {'i', "aika", " tid", "ajassa"},
      {'i', "kirja", " +sto 4 rest", "kirjastossa"},
      {'i', "aamupala", "2 >talo  x", "talossa"},
      {'i', "ajatella", "2 t\xE6nke", "ajattelen"},
      {'i', "kuunnella", "2 lytte", "kuuntelen"},
      {'i', "koulu-", "1 x", "koulutalo"},
      {'i', "a", " >i x", "a"},
      {'c', "kukka", " x", "kukan"},
      {'t', "hus", "1 talo", "husene"},
      {'t', "himmel", " taivas", "himlen"},
      {'r', "organisere", " x", "organisationen"},
  };
  Session s;
  for (const auto& c : kCases) {
    std::size_t hits = 0;  // over all texts: every line gives some
    const std::string word = c.word;
    std::vector<std::string> texts;
    for (std::size_t n = 0; n <= word.size(); ++n) {
      texts.push_back(word.substr(0, n));
      texts.push_back(word.substr(0, n) + "q");
    }
    for (const std::string& text : texts) {
      std::vector<std::string> got;
      for (const EntryHit& h : entry_hits(s, {.analysis = 1,
                                               .letter = c.letter,
                                               .form_flag = 0,
                                               .word = c.word,
                                               .head = c.head,
                                               .body = c.body,
                                               .stems_within = text})) {
        got.push_back(h.stem + "|" + h.form + "|" + h.mark);
      }
      std::vector<std::string> expected;
      const VariantChain chain = read_variants(c.letter, c.head, c.body);
      for (auto v = chain.variants.rbegin(); v != chain.variants.rend(); ++v) {
        for (const VariantHit& h : variant_hits(c.letter, v->word, v->code, c.word)) {
          if (text.starts_with(h.stem)) expected.push_back(h.stem + "|" + h.form + "|" + h.mark);
        }
      }
      EXPECT_EQ(got, expected) << c.head << " / " << text;
      // The search leaves out the lines this test rejects: never one with a hit.
      if (!expected.empty()) {
        EXPECT_TRUE(line_may_give_stems(c.letter, c.head, c.body, text)) << c.head << " / " << text;
      }
      hits += expected.size();
    }
    EXPECT_GT(hits, 0u) << c.head;
  }
}

// How many first letters of its head a text must share for a line to give a stem: the stem
// rules of each variant's class, last letter and length decide; a compound first part keeps
// all but its hyphen; a line naming another word, or of a list without stems, may give one
// whatever the text shares.
TEST(LeastSharedForStems, FollowsTheWaysOfEachVariant) {
  static const struct {
    char letter;
    const char* head;
    const char* body;
    std::size_t least;
  } kCases[] = {
      {'i', "kirjasto", " bibliotek", 5},  // kirja|st: W-1 up to its last vowel, X being it
      {'i', "tyly", "  uvenlig", 2},
      {'i', "kirja", " +sto 4 rest", 2},
      {'i', "ajatella", "2 t\xE6nke", 3},
      {'i', "koulu-", "1 x", 5},
      {'i', "aamupala", "2 >talo  x", 0},
      {'t', "himmel", " taivas", 2},  // himle: four letters dropped
      {'t', "hus", "1 talo", 2},      // hu|s: the rules that fit it drop one letter
      {'t', "hveps", " ampiainen", 4},
      {'o', "talo", " i3", 0},
  };
  for (const auto& c : kCases) {
    EXPECT_EQ(least_shared_for_stems(c.letter, c.head, c.body), c.least) << c.head;
  }
}

TEST(Fiv, EmptyWordListsThePartsReadInFull) {
  Session s;
  s.startup.fi.add({'i', 3});
  s.q.no.add(5);
  EntryLine line{.analysis = 0,
                 .letter = 'i',
                 .form_flag = 1,
                 .word = "",
                 .head = "talo",
                 .body = " hus",
                 .sense = 7};
  std::vector<EntryHit> hits = entry_hits(s, line);
  ASSERT_EQ(hits.size(), 1u);
  EXPECT_EQ(hits[0].kind, 16);
  EXPECT_EQ(hits[0].sense, 0);
  ASSERT_EQ(s.q.no.size(), 1u);
  EXPECT_EQ(s.q.no.front(), 0);
  line.form_flag = 0;
  EXPECT_EQ(entry_hits(s, line)[0].kind, 11);
  line.letter = 't';
  EXPECT_TRUE(entry_hits(s, line).empty());  // no part of t is read in full
  s.startup.fi.add({'t', 1});
  EXPECT_EQ(entry_hits(s, line)[0].kind, 14);
  line.head = "";
  EXPECT_TRUE(entry_hits(s, line).empty());
}

TEST(Fiv, SinkCanStopTheMatcher) {
  Session s;
  int seen = 0;
  bool finished = fiv(
      s, {.analysis = 1, .letter = 'i', .form_flag = 0, .word = "a", .head = "a", .body = " >a x"},
      [&](const EntryHit&) {
        ++seen;
        return false;
      });
  EXPECT_FALSE(finished);
  EXPECT_EQ(seen, 1);
}

}  // namespace
}  // namespace velimora
