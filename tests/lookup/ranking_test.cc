#include "lookup/ranking.h"

#include <gtest/gtest.h>

#include <vector>

namespace velimora {
namespace {

// One u0 row of the stem "ab" (length 2) per case: the code's tens digit is the level digit,
// its hundreds digit the code the first letter is matched with against the chain's marks.
TEST(ForEachChainSegment, YieldsOnlyRowsWhoseFirstLetterMayFollowTheMarks) {
  static const struct {
    const char* first;
    int code;
    const char* marks;
    std::vector<int> merged;  // one entry per yielded segment, in order
  } kCases[] = {
      {"a", 10, "a", {1}},     // letter a with code 0 is among the marks
      {"a", 110, "a", {}},     // a with code 1 needs ".a"
      {"a", 110, ".a", {1}},   //
      {"b", 210, "a:b", {1}},  // b with code 2 after a
      {"c", 10, "a:b", {}},    // past the end of the marks
      {"", 10, "a", {}},       // no first letter
      {"a", 70, "a", {}},      // digit 7 is not of level 1
      {"a", 40, "a", {2, 1}},  // digit 4 merges two ways with class 1
      {"a", 30, "a", {}},      // digit 3 does not merge with class 1
  };
  for (const auto& c : kCases) {
    Session s;
    s.startup.u0.add(IndexRow{2, 7, c.first, "ab", c.code, 10000});
    std::vector<int> merged;
    const bool done =
        for_each_chain_segment(s, 2, 1, "ab", 0, 1, c.marks, [&](const ChainSegment& seg) {
          EXPECT_EQ(seg.key, 7);
          merged.push_back(seg.merged);
          return true;
        });
    EXPECT_TRUE(done);
    EXPECT_EQ(merged, c.merged) << c.first << " " << c.code << " " << c.marks;
  }
}

TEST(ForEachChainSegment, StopsWhenTheSinkSaysSo) {
  Session s;
  s.startup.u0.add(IndexRow{2, 1, "a", "ab", 40, 10000});
  s.startup.u0.add(IndexRow{2, 2, "a", "ab", 10, 10000});
  int calls = 0;
  EXPECT_FALSE(for_each_chain_segment(s, 2, 1, "ab", 0, 1, "a", [&](const ChainSegment&) {
    ++calls;
    return false;
  }));
  EXPECT_EQ(calls, 1);
}

}  // namespace
}  // namespace velimora
