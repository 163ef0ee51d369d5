#include "lookup/prefix_candidates.h"

#include <gtest/gtest.h>

namespace velimora {
namespace {

class PrefixCandidatesTest : public ::testing::Test {
 protected:
  void lengths(std::initializer_list<int> ls) {
    for (int n : ls) s_.q.nr.add({0, n});
  }
  std::vector<std::string> keys() const {
    std::vector<std::string> out;
    for (const KeyGroupRow& r : s_.q.stt) out.push_back(r.key + ":" + std::to_string(r.kind));
    return out;
  }
  Session s_;
};

TEST_F(PrefixCandidatesTest, AtMostEightCharactersAndTheWholeTextIsKindOne) {
  lengths({9, 8, 7, 6, 5, 4, 3, 2, 1});
  bs(s_, 0, 1, 9, 3, "talonmies", "", "talonmies");
  EXPECT_EQ(keys(), (std::vector<std::string>{"talonmie:1", "talonmi:0", "talonm:0", "talon:0",
                                              "talo:0", "tal:0", "ta:0", "t:0"}));
  EXPECT_EQ(s_.q.stt.front().group, 1);
  EXPECT_EQ(s_.q.nq.front(), 8);
  EXPECT_TRUE(s_.q.p12.any([](int p) { return p == 3; }));
}

TEST_F(PrefixCandidatesTest, ShortTextSkipsLongerLengths) {
  lengths({9, 8, 7, 6, 5, 4, 3, 2, 1});
  bs(s_, 0, 1, 9, 2, "talo", "", "talo");
  EXPECT_EQ(keys(), (std::vector<std::string>{"talo:1", "tal:0", "ta:0", "t:0"}));
}

TEST_F(PrefixCandidatesTest, GroupsRiseAcrossPositionsAndPositionsAreSearchedOnce) {
  lengths({2, 2, 1});  // a repeated length adds one candidate
  bs(s_, 0, 1, 9, 1, "abc", "", "abc");
  EXPECT_EQ(keys(), (std::vector<std::string>{"ab:0", "a:0"}));
  bs(s_, 0, 1, 9, 2, "bc", "", "bc");
  EXPECT_EQ(s_.q.stt.front().group, 3);
  bs(s_, 0, 1, 9, 2, "zz", "", "zz");  // already searched: nothing changes
  EXPECT_EQ(keys(), (std::vector<std::string>{"bc:1", "b:0"}));
  bs(s_, 0, 1, 4, 5, "zz", "", "zz");  // only state 9 searches
  EXPECT_FALSE(s_.q.p12.any([](int p) { return p == 5; }));
}

}  // namespace
}  // namespace velimora
