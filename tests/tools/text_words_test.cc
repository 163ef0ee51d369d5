#include "mkdata/text_words.h"

#include <gtest/gtest.h>

#include <string>

namespace velimora::mkdata {
namespace {

// "word@sense" for every word, joined by blanks.
std::string words_text(std::string_view text, int sense) {
  std::string s;
  for (const TextWord& w : text_words(text, sense)) {
    if (!s.empty()) s += ' ';
    s += w.word + "@" + std::to_string(w.sense);
  }
  return s;
}

TEST(TextWords, TakesTheWordsOfTheTextWithTheirSense) {
  static const struct {
    const char* name;
    const char* text;
    int sense;
    const char* words;
  } kCases[] = {
      {"plain", "hus; bygning", 1, "hus@1 bygning@1"},
      {"senses", "hus | bygning | gammel", 1, "hus@1 bygning@2 gammel@3"},
      {"starting sense", "hus | bygning", 2, "hus@2 bygning@3"},
      {"remark skipped", "hus {et; -e} talo", 1, "hus@1 talo@1"},
      {"unclosed remark runs to the end", "hus {et talo", 1, "hus@1"},
      {"sign abbreviation", "+ssa i huset", 1, "i@1 huset@1"},
      {"lone sign", "+ paljon meget", 1, "paljon@1 meget@1"},
      {"every sign", "&n #x \xA7y \xF5z !e ok!", 1, "ok@1"},
      {"! before blank is punctuation", "hej! du", 1, "hej@1 du@1"},
      {"example before = skipped", "iso talo = stort hus; lille", 1, "stort@1 hus@1 lille@1"},
      {"example only in its clause", "artikkeli: + store by = suuri kaupunki", 1,
       "artikkeli@1 suuri@1 kaupunki@1"},
      {"hyphen and apostrophe inside", "e-mail rock'n'roll", 1, "e-mail@1 rock'n'roll@1"},
      {"trailing hyphen dropped", "skole- og", 1, "skole@1 og@1"},
      {"ending after hyphen skipped", "-ssa -en talo", 1, "talo@1"},
      {"glued to a digit skipped", "2-vuotias 3x ok", 1, "ok@1"},
      {"letters of the code page",
       "k\xE6lder \xF8l \xE5 \xC6"
       "bler",
       1,
       "k\xE6lder@1 \xF8l@1 \xE5@1 \xC6"
       "bler@1"},
      {"parentheses", "(refleksiivinen)", 1, "refleksiivinen@1"},
      {"no words", "12, 13 | --", 1, ""},
  };
  for (const auto& c : kCases)
    EXPECT_EQ(words_text(c.text, c.sense), c.words) << c.name;
}

TEST(Reversed, ReversesTheBytes) {
  EXPECT_EQ(reversed("talo"), "olat");
  EXPECT_EQ(reversed("k\xE4si"), "is\xE4k");
  EXPECT_EQ(reversed(""), "");
}

}  // namespace
}  // namespace velimora::mkdata
