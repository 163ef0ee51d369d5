#include "mkdata/synthetic.h"

#include <gtest/gtest.h>

#include <string>

#include "mkdata/compiler.h"
#include "tools/mkdata_testing.h"

namespace velimora::mkdata {
namespace {

using mkdata::testing::chosen_parts;
using mkdata::testing::head_word;
using mkdata::testing::lines_of;
using mkdata::testing::lines_read;
using mkdata::testing::read_list;

Compiled compile_synthetic(int lines_per_part) {
  Diagnostics diag;
  Compiled c = compile(synthetic_sources(lines_per_part), diag);
  EXPECT_FALSE(diag.failed()) << diag.errors().front();
  return c;
}

TEST(Synthetic, SameNumberGivesTheSameFolder) {
  EXPECT_TRUE(compile_synthetic(4).files == compile_synthetic(4).files);
  EXPECT_FALSE(compile_synthetic(4).files == compile_synthetic(5).files);
}

TEST(Synthetic, EveryListHasAboutTheAskedLinesInEachOfItsParts) {
  static const int kLinesPerPart[] = {5, 20};
  for (int n : kLinesPerPart) {
    Compiled c = compile_synthetic(n);
    for (const auto& [letter, lines] : c.list_lines) {
      double per_part = static_cast<double>(lines) / part_count(letter);
      EXPECT_GE(per_part, 0.5 * n) << letter << " with " << n << " a part";
      EXPECT_LE(per_part, 1.5 * n) << letter << " with " << n << " a part";
      for (int part = 1; part <= part_count(letter); ++part) {
        EXPECT_FALSE(lines_of(c.files, part_file_name(letter, part)).empty()) << letter << part;
      }
    }
  }
}

TEST(Synthetic, EveryIndexLinePointsAtAnArticleHoldingItsWord) {
  Compiled c = compile_synthetic(3);
  for (char list : {'o', 'n', 'y', 's', 'q'}) {
    for (const auto& part : read_list(c.files, list).parts) {
      for (const std::string& line : part) {
        EXPECT_TRUE(mkdata::testing::points_at_its_word(c.files, line))
            << list << " line '" << line << "'";
      }
    }
  }
}

TEST(Synthetic, WholeWordSearchFindsEveryLine) {
  Compiled c = compile_synthetic(2);
  for (const std::string& line : mkdata::testing::unfindable_lines(c.files))
    ADD_FAILURE() << line;
}

}  // namespace
}  // namespace velimora::mkdata
