#include "spelling/close_words.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <tuple>
#include <vector>

namespace velimora::spelling {
namespace {

struct CostCase {
  const char* word;
  const char* typed;
  int cost;  // in half edits
};

TEST(SpellingCost, NordicLettersAndDoubledLettersCountHalf) {
  const CostCase cases[] = {
      {"talo", "talo", 0},
      {"talo", "TALO", 0},             // case is ignored
      {"p\xF6yt\xE4", "p\xF6yta", 1},  // ä typed as a
      {"p\xF6yt\xE4", "poyta", 2},     // ö and ä both plain
      {"m\xE5ske", "maaske", 1},       // å written aa
      {"maaske", "m\xE5ske", 1},       // and the other way
      {"hj\xE6lpe", "hjaelpe", 1},     // æ written ae
      {"k\xF8"
       "be",
       "koebe", 1},                     // ø written oe
      {"kanna", "kana", 1},             // a double letter typed single
      {"kana", "kaana", 1},             // a single letter typed double
      {"talo", "qalo", 2},              // one letter changed
      {"talo", "tal", 2},               // one letter dropped
      {"talo", "tlao", 4},              // two letters swapped: two changes
      {"talo", "kelo", 4},              // two letters changed
      {"talo", "kelot", kMaxCost + 1},  // three: too far
      {"talo", "ta", 4},                // two letters dropped
      {"hus", "h\xE5s", 2},             // å for u is an ordinary change
      {"p\xE4\xE4", "paa", 2},          // two ä
  };
  for (const CostCase& c : cases) {
    EXPECT_EQ(cost(c.word, c.typed), c.cost) << c.word << " / " << c.typed;
  }
}

std::vector<std::string> words_of(const std::vector<CloseWord>& close) {
  std::vector<std::string> out;
  for (const CloseWord& c : close)
    out.push_back(c.word);
  return out;
}

HeadwordIndex index_of(const char* text) {
  Result<HeadwordIndex> index = HeadwordIndex::parse(text);
  EXPECT_TRUE(index.ok()) << (index ? "" : index.error());
  return index ? std::move(*index) : HeadwordIndex();
}

TEST(HeadwordIndex, RanksByCostThenPocketThenDictionaryOrder) {
  const HeadwordIndex index = index_of(
      "aalto i\n"
      "kala i\n"
      "kalo i\n"
      "talo iq\n"
      "tali i\n"
      "talli i\n"
      "tila i\n"
      "valo iq\n"
      "hus t\n");
  // qalo: talo, valo (pocket words) and kalo one change away; aalto, kala and tali two, in
  // dictionary order; talli two and a half and tila three are too far.
  EXPECT_EQ(words_of(index.close_words("qalo")),
            (std::vector<std::string>{"talo", "valo", "kalo", "aalto", "kala", "tali"}));
  EXPECT_EQ(words_of(index.close_words("qalo", 2)), (std::vector<std::string>{"talo", "valo"}));
  // The typed word itself is not suggested; a differently written one is, first.
  EXPECT_EQ(words_of(index.close_words("talo", 1)), (std::vector<std::string>{"valo"}));
  EXPECT_EQ(words_of(index.close_words("Talo", 1)), (std::vector<std::string>{"talo"}));
  EXPECT_TRUE(index.close_words("xyzzyq").empty());
  EXPECT_TRUE(index.close_words("").empty());
}

TEST(HeadwordIndex, FindsWordsBehindSharedPrefixes) {
  // The walk reuses the rows of a shared prefix and skips words behind a prefix that is too
  // far; a word after such a run must still be found.
  const HeadwordIndex index = index_of(
      "hjem t\n"
      "hj\xE6lp t\n"
      "hj\xE6lpe t\n"
      "hj\xE6lper t\n"
      "hjort t\n"
      "m\xE5ske t\n"
      "maskine t\n");
  // hjælpe half an edit away; hjælp and hjælper one and a half, in dictionary order.
  EXPECT_EQ(words_of(index.close_words("hjaelpe")),
            (std::vector<std::string>{"hj\xE6lpe", "hj\xE6lp", "hj\xE6lper"}));
  EXPECT_EQ(words_of(index.close_words("maaske", 1)), (std::vector<std::string>{"m\xE5ske"}));
}

// The walk over shared prefixes gives what comparing the typed word with every headword
// gives, on many words made of few letters (so that prefixes are shared and cut off often).
TEST(HeadwordIndex, AgreesWithComparingEveryWord) {
  const std::string letters = "akl\xE4t\xE5o";
  unsigned seed = 7;
  auto next = [&seed](unsigned n) {
    seed = seed * 1103515245u + 12345u;
    return (seed >> 16) % n;
  };
  auto random_word = [&] {
    std::string w;
    for (unsigned n = 1 + next(7); n > 0; --n)
      w += letters[next(letters.size())];
    return w;
  };
  std::vector<std::string> words;
  for (int k = 0; k < 1500; ++k)
    words.push_back(random_word());
  std::sort(words.begin(), words.end());
  words.erase(std::unique(words.begin(), words.end()), words.end());
  std::string file;
  for (const std::string& w : words)
    file += w + (w.size() % 3 == 0 ? " iq\n" : " t\n");
  const HeadwordIndex index = index_of(file.c_str());
  for (int k = 0; k < 60; ++k) {
    const std::string typed = random_word();
    std::vector<std::tuple<int, bool, std::size_t>> expected;
    for (std::size_t r = 0; r < words.size(); ++r) {
      const int c = cost(words[r], typed);
      if (c <= kMaxCost && words[r] != typed) expected.emplace_back(c, words[r].size() % 3 != 0, r);
    }
    std::sort(expected.begin(), expected.end());
    std::vector<std::string> want;
    for (const auto& e : expected)
      want.push_back(words[std::get<2>(e)]);
    EXPECT_EQ(words_of(index.close_words(typed, words.size())), want) << typed;
  }
}

TEST(HeadwordIndex, RejectsMalformedLinesWithTheirNumber) {
  const char* bad[] = {"talo iq\nkala\n", "talo ix\n", " i\n"};
  const char* line[] = {"line 2", "line 1", "line 1"};
  for (int k = 0; k < 3; ++k) {
    Result<HeadwordIndex> index = HeadwordIndex::parse(bad[k]);
    ASSERT_FALSE(index.ok()) << bad[k];
    EXPECT_EQ(index.error().rfind(line[k], 0), 0u) << index.error();
  }
  EXPECT_EQ(HeadwordIndex::parse("").value().size(), 0u);
}

}  // namespace
}  // namespace velimora::spelling
