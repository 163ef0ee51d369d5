#include "session/output_buffer.h"
#include "text/word_helpers.h"

#include <gtest/gtest.h>

namespace velimora {
namespace {

TEST(Genk, CutsAtTheFirstStopCharacter) {
  static const struct {
    const char* s;
    const char* stops;
    const char* prefix;
    const char* stop;
    const char* before;
    const char* after;
  } kCases[] = {
      {"12:345_2", ";:", "", ":", "12", "345_2"},
      {"12;3:4", ";:", "", ";", "12", "3:4"},
      {"1234", ";:", "p", "", "p1234", ""},
      {"", ";:", "x", "", "x", ""},
  };
  for (const auto& c : kCases) {
    StopSplit r = genk(c.s, c.stops, c.prefix);
    EXPECT_EQ(r.stop, c.stop) << c.s;
    EXPECT_EQ(r.before, c.before) << c.s;
    EXPECT_EQ(r.after, c.after) << c.s;
  }
}

TEST(SmallHelpers, BehaveAsTheirCallersExpect) {
  EXPECT_EQ(danstr(" [", "", "]"), "");
  EXPECT_EQ(danstr(" [", "a", "]"), " [a]");
  EXPECT_EQ(rtn(3, 5).order, 1);
  EXPECT_EQ(rtn(5, 3).low, 3);
  EXPECT_EQ(rtn(5, 3).order, 2);
  EXPECT_EQ(str0("12:5"), "012:05");
  EXPECT_FALSE(str0("12"));
  EXPECT_FALSE(str0("a:5"));
}

TEST(OutputBuffer, SusAppendsAndNystrJoinsAndEmpties) {
  Session s;
  sus(s, "a", "b");
  sus(s, "c");
  EXPECT_EQ(nystr(s, ">"), ">abc");
  EXPECT_EQ(nystr(s, ""), "");
}

TEST(Adv2, RefusesStepsBeyondTheBudgetAndMarksTheOutput) {
  Session s;
  s.guard.set_limits(ResourceGuard::kStackBytes, 3);
  s.guard.start_query();
  EXPECT_TRUE(adv2(s, 14, 100));
  EXPECT_TRUE(adv2(s, 14, 100));
  EXPECT_TRUE(adv2(s, 14, 100));
  EXPECT_FALSE(adv2(s, 14, 100));
  EXPECT_TRUE(s.guard.tripped());
  EXPECT_EQ(nystr(s, ""), ".");
  s.guard.start_query();
  EXPECT_TRUE(adv2(s, 14, 100));
}

// Recurses until the guard refuses; returns the depth reached. The frame is used after the
// call so that the recursion really takes stack.
int dive(Session& s, int depth) {
  volatile char pad[256];
  pad[0] = 1;
  if (!adv2(s, 14, 10000)) return depth;
  int reached = dive(s, depth + 1);
  return reached + pad[0] - 1;
}

// Many steps at the same depth, as a long query makes them, are all within a small stack
// bound. (A sanitizer's use-after-return check keeps locals on a heap "fake stack", where
// the address of a local drifts further with every call; the bound is on the stack itself.)
TEST(Adv2, ManyStepsAtOneDepthStayWithinTheStackBound) {
  Session s;
  constexpr long kMany = 200'000;
  s.guard.set_limits(64 * 1024, kMany + 1);
  s.guard.start_query();
  long refused = 0;
  for (long k = 0; k < kMany; ++k)
    refused += adv2(s, 14, 100) ? 0 : 1;
  EXPECT_EQ(refused, 0);
  EXPECT_FALSE(s.guard.tripped());
}

TEST(Adv2, BoundsRecursionDepthBeforeTheStackRunsOut) {
  Session s;
  s.guard.start_query();
  int depth = dive(s, 0);
  EXPECT_GT(depth, 100);
  EXPECT_LT(depth, 100000);
  EXPECT_TRUE(s.guard.tripped());
}

}  // namespace
}  // namespace velimora
