#include "mkdata/lists.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace velimora::mkdata {
namespace {

std::vector<std::string> numbered_lines(std::size_t n) {
  std::vector<std::string> lines;
  for (std::size_t k = 0; k < n; ++k)
    lines.push_back("w" + std::to_string(1000 + k) + " x");
  return lines;
}

TEST(PartFileName, FollowsTheSideOfTheLetter) {
  static const struct {
    char letter;
    int n;
    const char* name;
  } kCases[] = {
      {'i', 12, "fib\\fi12.pro"}, {'o', 5, "fib\\fo5.pro"}, {'a', 181, "fib\\fa181.pro"},
      {'c', 1, "fib\\fc1.pro"},   {'s', 2, "fib\\fs2.pro"}, {'q', 49, "fib\\fq49.pro"},
      {'t', 3, "ftb\\dt3.pro"},   {'n', 0, "ftb\\dn0.pro"}, {'b', 7, "ftb\\db7.pro"},
      {'r', 3, "ftb\\dr3.pro"},   {'y', 0, "ftb\\dy0.pro"},
  };
  for (const auto& c : kCases) {
    EXPECT_EQ(part_file_name(c.letter, c.n), c.name) << c.letter << c.n;
  }
}

TEST(PartCount, MatchesTheListTable) {
  static const struct {
    char letter;
    int parts;
  } kCases[] = {{'i', 99}, {'o', 199}, {'a', 181}, {'c', 137}, {'s', 99},  {'q', 49},
                {'t', 39}, {'n', 49},  {'b', 39},  {'r', 3},   {'y', 156}, {'m', 0}};
  for (const auto& c : kCases)
    EXPECT_EQ(part_count(c.letter), c.parts) << c.letter;
}

TEST(ReferenceText, IsLetterPartCommaLineBlankSense) {
  EXPECT_EQ(reference_text('i', 12, 345, 2), "i12,345 2");
  EXPECT_EQ(reference_text('t', 1, 1, 0), "t1,1 0");
}

TEST(SortLines, OrdersByUnsignedBytesAndDropsRepeats) {
  std::vector<std::string> lines = {"k\xE4si a", "kaunis a", "Talo a",  "talo b",  "talo a",
                                    "talo a",    "\"talo c", "talo- a", "\xC5r a", "tal a"};
  sort_lines(lines);
  const std::vector<std::string> expected = {"Talo a", "kaunis a", "k\xE4si a", "tal a",  "talo a",
                                             "talo b", "\"talo c", "talo- a",   "\xC5r a"};
  EXPECT_EQ(lines, expected);
}

TEST(PartedList, PartSizesDifferByAtMostOneAndKeepEveryLine) {
  static const struct {
    std::size_t size;
    char letter;
  } kCases[] = {{0, 'r'}, {1, 'r'},  {2, 'r'},  {3, 'r'},  {7, 'r'},    {100, 'r'},
                {5, 'q'}, {48, 'q'}, {49, 'q'}, {50, 'q'}, {1000, 'o'}, {12345, 'y'}};
  for (const auto& c : kCases) {
    PartedList l(c.letter, numbered_lines(c.size));
    ASSERT_EQ(l.parts(), part_count(c.letter));
    std::size_t smallest = c.size, largest = 0, total = 0;
    for (int n = 1; n <= l.parts(); ++n) {
      smallest = std::min(smallest, l.part(n).size());
      largest = std::max(largest, l.part(n).size());
      total += l.part(n).size();
    }
    EXPECT_EQ(total, c.size) << c.size << " lines in " << c.letter;
    EXPECT_LE(largest - std::min(smallest, largest), 1u) << c.size << " lines in " << c.letter;
  }
}

TEST(PartedList, LastPartHoldsLinesWhenTheListIsShort) {
  PartedList l('q', numbered_lines(3));
  EXPECT_EQ(l.part(49).size(), 1u);
  EXPECT_TRUE(l.part(1).empty());
}

TEST(PartedList, HeadIsTheWholeFirstLineOfThePart) {
  PartedList l('r', {"a 1", "b 1", "b 2", "b 3", "c 1", "d 1"});
  EXPECT_EQ(l.head(1), "a 1");
  EXPECT_EQ(l.head(2), "b 2");
  EXPECT_EQ(l.head(3), "c 1");
}

TEST(PartedList, EmptyPartRepeatsTheFirstLineOfTheNextPartWithLines) {
  static const struct {
    const char* name;
    std::vector<std::string> lines;
    std::vector<std::size_t> sizes;
    std::vector<std::string> heads;
  } kCases[] = {
      {"no lines", {}, {0, 0, 0}, {"", "", ""}},
      {"one line", {"a x"}, {0, 0, 1}, {"a x", "a x", "a x"}},
      {"two lines", {"a x", "b x"}, {0, 1, 1}, {"a x", "a x", "b x"}},
  };
  for (const auto& c : kCases) {
    PartedList l('r', c.lines);
    for (int n = 1; n <= 3; ++n) {
      EXPECT_EQ(l.part(n).size(), c.sizes[n - 1]) << c.name << ", part " << n;
      EXPECT_EQ(l.head(n), c.heads[n - 1]) << c.name << ", part " << n;
    }
  }
}

TEST(PartedList, PositionIsPartAndLineWithinIt) {
  PartedList l('r', numbered_lines(7));  // parts of 2, 2 and 3 lines
  static const struct {
    std::size_t k;
    int part, line;
  } kCases[] = {{0, 1, 1}, {1, 1, 2}, {2, 2, 1}, {3, 2, 2}, {4, 3, 1}, {6, 3, 3}};
  for (const auto& c : kCases) {
    EXPECT_EQ(l.position(c.k).part, c.part) << "line " << c.k;
    EXPECT_EQ(l.position(c.k).line, c.line) << "line " << c.k;
    EXPECT_EQ(l.part(c.part)[c.line - 1], l.line(c.k)) << "line " << c.k;
  }
}

TEST(AddListFiles, WritesEveryPartAndAHeadFileWithOneLinePerPart) {
  std::map<std::string, std::string> files;
  add_list_files(PartedList('r', {"a x", "b x"}), files);
  EXPECT_EQ(files.size(), 4u);
  EXPECT_EQ(files["ftb\\dr0.pro"], "a x\na x\nb x\n");
  EXPECT_EQ(files["ftb\\dr1.pro"], "");
  EXPECT_EQ(files["ftb\\dr2.pro"], "a x\n");
  EXPECT_EQ(files["ftb\\dr3.pro"], "b x\n");
}

}  // namespace
}  // namespace velimora::mkdata
