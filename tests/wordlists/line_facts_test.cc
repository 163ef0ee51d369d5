#include "wordlists/line_facts.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>

#include "text/files.h"
#include "text/word_helpers.h"
#include "wordlists/entry_match.h"
#include "wordlists/list_helpers.h"

namespace velimora {
namespace {

// The kept answer agrees with the matcher's own test on every dictionary-side line of the
// sample data, for texts that share all, some or none of each head, the first time a line is
// asked (derived) and the second (kept).
TEST(LineFacts, AgreeWithTheMatchersTestOnTheSampleData) {
  const char* data = std::getenv("VELIMORA_SAMPLE_DATA");
  if (data == nullptr) GTEST_SKIP() << "no sample data";
  int lines = 0;
  int passing = 0;
  for (const auto& entry : std::filesystem::recursive_directory_iterator(data)) {
    const std::string name = entry.path().filename().string();
    const char letter = name.size() > 1 ? name[1] : ' ';
    if (!entry.path().string().ends_with(".pro") ||
        std::string_view("ictr").find(letter) == std::string_view::npos) {
      continue;
    }
    Result<std::string> bytes = read_whole_file(entry.path().string());
    ASSERT_TRUE(bytes) << name;
    const CachedFile file(*bytes);
    for (int round = 0; round < 2; ++round) {
      for (std::size_t n = 1; n <= file.line_count(); ++n) {
        const std::string_view line = kolon(file.line(n));
        const Cut cut = glang0(line, ' ');
        const std::string head(cut.front);
        for (const std::string& text : {head + "ssa", head.substr(0, head.size() / 2) + "ko",
                                        head.substr(0, 1), std::string("zzz")}) {
          const bool want = line_may_give_stems(letter, cut.front, cut.rest, text);
          ASSERT_EQ(line_may_give_stems_at(file, n, letter, line, text), want)
              << name << ":" << n << " " << text;
          passing += want;
          ++lines;
        }
      }
    }
  }
  EXPECT_GT(lines, 1000);
  EXPECT_GT(passing, 0);
  EXPECT_LT(passing, lines);
}

// The walk over a file visits every line the test passes, in order, and leaves out others,
// for texts that share all, some or none of the heads of the sample data.
TEST(LineFacts, TheWalkVisitsEveryLineThatMayGiveStems) {
  const char* data = std::getenv("VELIMORA_SAMPLE_DATA");
  if (data == nullptr) GTEST_SKIP() << "no sample data";
  std::size_t passing = 0;
  std::size_t visited = 0;
  std::size_t lines = 0;
  for (const auto& entry : std::filesystem::recursive_directory_iterator(data)) {
    const std::string name = entry.path().filename().string();
    const char letter = name.size() > 1 ? name[1] : ' ';
    if (!name.ends_with(".pro") || std::string_view("ictr").find(letter) == std::string_view::npos)
      continue;
    Result<std::string> bytes = read_whole_file(entry.path().string());
    ASSERT_TRUE(bytes) << name;
    const CachedFile file(*bytes);
    for (const std::string& text : {std::string("talossa"), std::string("tuoli"),
                                    std::string("huset"), std::string("k"), std::string()}) {
      std::vector<std::size_t> want;
      for (std::size_t n = 1; n <= file.line_count(); ++n) {
        if (line_may_give_stems_at(file, n, letter, kolon(file.line(n)), text)) want.push_back(n);
      }
      std::vector<std::size_t> got;
      for_each_line_that_may_give_stems(file, letter, 1, file.line_count() + 1, text,
                                        [&](std::size_t n) { got.push_back(n); });
      ASSERT_TRUE(std::is_sorted(got.begin(), got.end())) << name << " " << text;
      ASSERT_TRUE(std::includes(got.begin(), got.end(), want.begin(), want.end()))
          << name << " " << text;
      passing += want.size();
      visited += got.size();
      lines += file.line_count();
    }
  }
  EXPECT_GT(passing, 0u);
  EXPECT_LT(visited, lines / 2);
}

// A head too long to keep its bound is tested in full; a file asked for another list starts
// its values over.
TEST(LineFacts, LongHeadsAndAnotherListAreWorkedOutAgain) {
  std::string head;
  for (int i = 0; i < 10000; ++i)
    head += "ka";
  const CachedFile file(head + " 12\ntalo 5\n");
  EXPECT_TRUE(line_may_give_stems_at(file, 1, 'i', kolon(file.line(1)), head + "ssa"));
  // Shares more than the most a value holds, less than the stems keep.
  EXPECT_FALSE(line_may_give_stems_at(file, 1, 'i', kolon(file.line(1)), head.substr(0, 17000)));
  for (char letter : {'i', 't'}) {
    EXPECT_EQ(line_may_give_stems_at(file, 2, letter, "talo 5", "tal"),
              line_may_give_stems(letter, "talo", "5", "tal"))
        << letter;
  }
}

}  // namespace
}  // namespace velimora
