#include "lookup/ranking.h"

#include <gtest/gtest.h>

#include <ostream>
#include <string>
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

// The chains findm yields for the word "xab" from a seed chain at its end (3) whose marks
// allow a first letter a, with one u0 row for the segment "ab" at split 1. The row's first
// text is a followed by the seam pattern "  ", which takes the fixed marker " ".
struct ChainSeen {
  int start;
  std::string head_labels;
  std::string tail_labels;
  std::string positions;
  std::string marks;
  int penalty;
  bool operator==(const ChainSeen&) const = default;
  friend std::ostream& operator<<(std::ostream& o, const ChainSeen& c) {
    return o << c.start << " [" << c.head_labels << "] [" << c.tail_labels << "] [" << c.positions
             << "] [" << c.marks << "] " << c.penalty;
  }
};

std::vector<ChainSeen> chains_for(int code, int result, int pass, int best) {
  Session s;
  s.startup.u0.add(IndexRow{2, 5, "a  ", "ab", code, result});
  s.q.nr.add(SplitRow{1, 0});
  s.q.dl.add(SplitExtraRow{1, "", 1});
  ChainRow seed;
  seed.reading_class = 6;
  seed.marks = "a";
  seed.start = 3;
  s.q.sl.add(seed);
  s.q.nb.set(best);  // a chain's penalty must stay below the best score so far + 15
  std::vector<ChainSeen> seen;
  findm(s, pass, 1, "xab", "xab", 0, [&]() {
    const ChainRow& l = s.q.sl.front();
    seen.push_back({l.start, l.head_labels, l.tail_labels, l.positions, l.marks, l.penalty});
    return true;
  });
  return seen;
}

TEST(Findm, ExtendsTheChainOncePerSplitAndMarker) {
  const ChainSeen seed{3, "", "", "", "a", 0};
  static const struct {
    const char* name;
    int code, result, pass, best;
    std::vector<ChainSeen> out;
  } kCases[] = {
      {"label of reading, value, key and kind",
       12,
       10,
       -2,
       0,
       {seed, {1, "", " 1 1 5 0", "1 ", " ", 2}}},
      {"a result ending in 4 starts a second analysis",
       10,
       24,
       -2,
       0,
       {seed, {1, " 2 2 5 0", "", "1 ", " ", 0}}},
      {"a coded reading is looked up in nv, here in vain", 10, 9000, -2, 0, {seed}},
      {"a penalty of 15 over the best is too much", 15, 10, -2, -10, {seed}},
      {"", 14, 10, -2, -10, {seed, {1, "", " 1 1 5 0", "1 ", " ", 4}}},
      {"group 9 goes no further", 9010, 10, -2, 0, {seed}},
      {"closings must stay above the pass", 10, 10, 0, 0, {seed}},
  };
  for (const auto& c : kCases) {
    EXPECT_EQ(chains_for(c.code, c.result, c.pass, c.best), c.out) << c.name;
  }
}

}  // namespace
}  // namespace velimora
