#include "mkdata/compiler.h"

#include <gtest/gtest.h>

#include <map>
#include <string>
#include <vector>

#include "mkdata/articles.h"
#include "mkdata/folder_writer.h"
#include "mkdata/text_words.h"
#include "testing/temp_dir.h"
#include "tools/mkdata_testing.h"

namespace velimora::mkdata {
namespace {

using mkdata::testing::chosen_parts;
using mkdata::testing::follow;
using mkdata::testing::head_word;
using mkdata::testing::lines_of;
using mkdata::testing::lines_read;
using mkdata::testing::ListFiles;
using mkdata::testing::read_list;
using mkdata::testing::Referenced;

// A small source folder in UTF-8: homographs, variants, codes, remarks, signs, senses, a
// quoted line, the Nordic letters, and a compound list whose one head word runs over all of
// its three parts.
const std::map<std::string, std::string> kFixture = {
    {"fi-da.txt",
     "# Finnish-Danish\n"
     "\n"
     "talo  hus; bygning | +ssa i huset | iso talo = stort hus\n"
     "talo 0 >talot  hus (flertal) {gammel form}\n"
     "k\xC3\xA4si  h\xC3\xA5nd | +ll\xC3\xA4 med h\xC3\xA5nden\n"
     "kaunis 4 >kauniisti 0 +sti  smuk | p\xC3\xA6n\n"
     "olla 2 p >on  v\xC3\xA6re\n"
     "koulu-  skole-\n"
     "\"vanha  gammel\n"
     "aamu  morgen | +lla om morgenen\n"},
    {"fi-compounds.txt",
     "kouluvuosi  skole\xC3\xA5r\n"
     "koulu-  skole-\n"},
    {"da-fi.txt",
     "hus {et; -e} talo | rakennus\n"
     "hus >huse +et 1 talo (monikko)\n"
     "h\xC3\xA5nd {en; h\xC3\xA6nder} k\xC3\xA4si\n"
     "v\xC3\xA6re {var, v\xC3\xA6ret} olla\n"},
    {"da-compounds.txt",
     "byhus kaupunkitalo\n"
     "husdyr kotiel\xC3\xA4in\n"
     "husdyr kotiel\xC3\xA4in, lemmikki\n"
     "husdyr kotiel\xC3\xA4in | karja\n"
     "husdyr {et} kotiel\xC3\xA4in\n"
     "husleje vuokra\n"
     "sommerhus kes\xC3\xA4m\xC3\xB6kki\n"},
    {"pocket.txt", "talo\nk\xC3\xA4si\n"},
};

class CompilerTest : public ::testing::Test {
 protected:
  void SetUp() override {
    for (const auto& [name, text] : kFixture)
      source_.write(name, text);
    compiled_ = compile(read_sources(source_.path(), "", diag_), diag_);
    ASSERT_FALSE(diag_.failed()) << diag_.errors().front();
  }

  const DataFolder& files() const { return compiled_.files; }

  // Every line of a list, in part order.
  std::vector<std::string> all_lines(char letter) const {
    std::vector<std::string> out;
    for (const auto& part : read_list(files(), letter).parts) {
      out.insert(out.end(), part.begin(), part.end());
    }
    return out;
  }

  velimora::testing::TempDir source_;
  Diagnostics diag_;
  Compiled compiled_;
};

TEST_F(CompilerTest, WritesEveryListWithExactlyItsPartCount) {
  for (const WordList& l : nqrt) {
    for (int n = 0; n <= l.parts; ++n) {
      EXPECT_EQ(files().count(part_file_name(l.letter, n)), 1u) << l.letter << n;
    }
    EXPECT_EQ(files().count(part_file_name(l.letter, l.parts + 1)), 0u) << l.letter;
    EXPECT_EQ(lines_of(files(), part_file_name(l.letter, 0)).size(),
              static_cast<std::size_t>(l.parts))
        << "head file of " << l.letter;
  }
}

TEST_F(CompilerTest, ListsAreSortedByBytesAcrossParts) {
  for (const WordList& l : nqrt) {
    std::vector<std::string> lines = all_lines(l.letter);
    for (std::size_t k = 1; k < lines.size(); ++k) {
      EXPECT_TRUE(line_less(lines[k - 1], lines[k]))
          << l.letter << ": '" << lines[k - 1] << "' before '" << lines[k] << "'";
    }
  }
  const std::vector<std::string> heads = [&] {
    std::vector<std::string> h;
    for (const std::string& line : all_lines('i'))
      h.push_back(head_word(line));
    return h;
  }();
  const std::vector<std::string> expected = {"aamu", "kaunis", "koulu-", "k\xE4si",
                                             "olla", "talo",   "talo",   "vanha"};
  EXPECT_EQ(heads, expected);
}

TEST_F(CompilerTest, HeadLineIsTheWholeFirstLineOfItsPart) {
  for (const WordList& l : nqrt) {
    ListFiles list = read_list(files(), l.letter);
    for (std::size_t n = 1; n <= list.parts.size(); ++n) {
      if (list.parts[n - 1].empty()) continue;
      EXPECT_EQ(list.heads[n - 1], list.parts[n - 1].front()) << l.letter << n;
    }
  }
}

TEST_F(CompilerTest, EmptyPartsRepeatTheNextFirstLineAndAnEmptyListHasEmptyHeads) {
  ListFiles c = read_list(files(), 'c');  // 2 lines in 137 parts
  ASSERT_TRUE(c.parts[0].empty());
  EXPECT_EQ(c.heads[0], c.heads[68]);
  EXPECT_EQ(c.parts[136].size(), 1u);
  for (const WordList& l : nqrt) {
    if (!all_lines(l.letter).empty()) continue;
    for (const std::string& h : read_list(files(), l.letter).heads)
      EXPECT_EQ(h, "") << l.letter;
  }
}

// The search chooses parts by the head file and reads each chosen part between the bounds;
// with the whole-word flag every line of a head word must come out, from every list.
TEST_F(CompilerTest, WholeWordSearchFindsEveryLineOfEveryList) {
  for (const std::string& line : mkdata::testing::unfindable_lines(files()))
    ADD_FAILURE() << line;
}

// A plain lookup of any headword or variant finds, through the list o or n, a line that
// points at its article.
TEST_F(CompilerTest, EveryHeadwordAndVariantLeadsToItsArticle) {
  static const struct {
    char dictionary;
    char index;
    Side side;
  } kCases[] = {{'i', 'o', Side::kFinnish},
                {'c', 'o', Side::kFinnish},
                {'t', 'n', Side::kDanish},
                {'r', 'n', Side::kDanish}};
  for (const auto& c : kCases) {
    ListFiles index = read_list(files(), c.index);
    ListFiles dictionary = read_list(files(), c.dictionary);
    for (std::size_t part = 1; part <= dictionary.parts.size(); ++part) {
      for (std::size_t line = 1; line <= dictionary.parts[part - 1].size(); ++line) {
        Result<Article> a = parse_article(dictionary.parts[part - 1][line - 1], c.side);
        ASSERT_TRUE(a);
        std::string target =
            reference_text(c.dictionary, static_cast<int>(part), static_cast<int>(line), 0);
        for (const HeadVariant& v : a->variants) {
          bool found = false;
          for (int p : chosen_parts(index, v.word, 1)) {
            for (const std::string& hit : lines_read(index.parts[p - 1], v.word, 1)) {
              found = found || hit == v.word + " " + target;
            }
          }
          EXPECT_TRUE(found) << v.word << " of " << target;
        }
      }
    }
  }
}

TEST_F(CompilerTest, HeadWordSpreadOverThreePartsIsFoundInAllOfThem) {
  ListFiles r = read_list(files(), 'r');
  ASSERT_EQ(head_word(r.parts[0].back()), "husdyr");
  ASSERT_EQ(head_word(r.parts[2].front()), "husdyr");
  std::vector<std::string> found;
  for (int n : chosen_parts(r, "husdyr", 1)) {
    for (const std::string& line : lines_read(r.parts[n - 1], "husdyr", 1)) {
      found.push_back(line);
    }
  }
  EXPECT_EQ(found.size(), 4u);
}

// The analysis searches the dictionary sides for stem prefixes (flag 0).
TEST_F(CompilerTest, PrefixSearchFindsEveryArticleOfTheDictionarySides) {
  for (char letter : {'i', 'c', 't', 'r'}) {
    ListFiles list = read_list(files(), letter);
    for (std::size_t n = 1; n <= list.parts.size(); ++n) {
      for (const std::string& line : list.parts[n - 1]) {
        std::string word = head_word(line);
        for (std::size_t len = 1; len <= word.size(); ++len) {
          std::string key = word.substr(0, len);
          std::vector<int> parts = chosen_parts(list, key, 0);
          bool found = false;
          for (int p : parts) {
            std::vector<std::string> read = lines_read(list.parts[p - 1], key, 0);
            found = found || std::find(read.begin(), read.end(), line) != read.end();
          }
          EXPECT_TRUE(found) << letter << n << ": '" << line << "' not found by '" << key << "'";
        }
      }
    }
  }
}

// Headword lines (sense 0) name an article with that headword or variant; text lines name
// the article and the sense the word stands in.
TEST_F(CompilerTest, EveryIndexLinePointsAtTheArticleItCameFrom) {
  static const struct {
    char list;
    const char* dictionaries;
  } kCases[] = {{'o', "ic"}, {'n', "tr"}, {'q', "i"}, {'y', "ic"}, {'s', "tr"}};
  for (const auto& c : kCases) {
    ASSERT_FALSE(all_lines(c.list).empty()) << c.list;
    for (const std::string& line : all_lines(c.list)) {
      Referenced r = follow(files(), line);
      EXPECT_NE(std::string(c.dictionaries).find(r.letter), std::string::npos) << line;
      EXPECT_EQ(r.sense == 0, std::string("onq").find(c.list) != std::string::npos) << line;
      EXPECT_TRUE(mkdata::testing::points_at_its_word(files(), line))
          << c.list << " line '" << line << "' points at '" << r.text << "'";
    }
  }
}

// With 8 articles in 99 parts, article k (0-based, in list order) is alone in part
// ceil(99 (k + 1) / 8): aamu 13, kaunis 25, koulu- 38, k\xE4si 50, olla 62, talo 75 and 87,
// vanha 99. Likewise c (2 in 137): 69, 137; t (4 in 39): 10, 20, 30, 39; r (7 in 3): 2, 2, 3.
TEST_F(CompilerTest, DerivedListsHoldTheExpectedLines) {
  static const struct {
    char list;
    const char* line;
  } kCases[] = {
      {'o', "talot i87,1 0"},
      {'o', "on i62,1 0"},
      {'o', "kauniisti i25,1 0"},
      {'o', "kaunissti i25,1 0"},
      {'o', "koulu- c69,1 0"},
      {'o', "koulu- i38,1 0"},
      {'o', "vanha i99,1 0"},
      {'n', "huse t10,1 0"},
      {'n', "huset t10,1 0"},
      {'n', "husdyr r1,2 0"},
      {'n', "husdyr r3,1 0"},
      {'y', "huset i75,1 2"},
      {'y', "stort i75,1 3"},
      {'y', "p\xE6n i25,1 2"},
      {'y', "skole\xE5r c137,1 1"},
      {'s', "rakennus t20,1 2"},
      {'s', "lemmikki r2,2 1"},
      {'s', "karja r2,1 2"},
      {'q', "talo i75,1 0"},
      {'q', "talo i87,1 0"},
      {'q', "k\xE4si i50,1 0"},
      {'a', "olat"},
      {'a', "uluok"},
      {'a', "ajrak"},
      {'b', "suh"},
      {'b',
       "r\xE5"
       "eloks"},
  };
  for (const auto& c : kCases) {
    std::vector<std::string> lines = all_lines(c.list);
    EXPECT_NE(std::find(lines.begin(), lines.end(), c.line), lines.end())
        << c.list << " lacks '" << c.line << "'";
  }
}

TEST_F(CompilerTest, SignFormsRemarksAndExamplesStayOutOfTheWordLists) {
  static const struct {
    char list;
    const char* word;
  } kCases[] = {{'y', "ssa"}, {'y', "ll\xE4"}, {'y', "iso"}, {'y', "form"},
                {'s', "et"},  {'s', "e"},      {'s', "en"},  {'a', "-uluok"}};
  for (const auto& c : kCases) {
    for (const std::string& line : all_lines(c.list)) {
      EXPECT_NE(head_word(line), c.word) << c.list << " holds '" << line << "'";
    }
  }
}

TEST_F(CompilerTest, CompilingTwiceGivesByteIdenticalFolders) {
  velimora::testing::TempDir out1, out2;
  ASSERT_TRUE(write_data_folder(files(), out1.path()));
  Diagnostics again;
  Compiled second = compile(read_sources(source_.path(), "", again), again);
  ASSERT_TRUE(write_data_folder(second.files, out2.path()));
  DataFolder a = mkdata::testing::load_folder(out1.path());
  DataFolder b = mkdata::testing::load_folder(out2.path());
  EXPECT_EQ(a.size(), files().size());
  EXPECT_TRUE(a == b);
  EXPECT_TRUE(a == files());
}

// The headword file: plain headwords of the four dictionaries once each, with their letters;
// compound first parts, variants and a quoted line's mark stay out.
TEST_F(CompilerTest, HeadwordFileListsThePlainHeadwordsWithTheirDictionaries) {
  EXPECT_EQ(lines_of(files(), "feu\\headwords.txt"),
            (std::vector<std::string>{"aamu i", "byhus r", "hus t", "husdyr r", "husleje r",
                                      "h\xE5nd t", "kaunis i", "kouluvuosi c", "k\xE4si iq",
                                      "olla i", "sommerhus r", "talo iq", "vanha i", "v\xE6re t"}));
}

TEST_F(CompilerTest, RecordFileHoldsTheStepLimit) {
  EXPECT_EQ(files().at("feu\\fe.cns"), "kh(20000)\n");
  for (const char* name : {"feu\\fu10.cns", "feu\\fu11.cns", "feu\\fu12.cns", "feu\\fu14.cns",
                           "feu\\fu20.cns", "feu\\fu21.cns", "feu\\fu22.cns", "feu\\fu24.cns"}) {
    EXPECT_EQ(files().count(name), 1u) << name;
  }
}

}  // namespace
}  // namespace velimora::mkdata
