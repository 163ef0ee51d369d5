// The output run: accepted article hits become text; reference lists become lines.
#include "lookup/output_run.h"

#include <gtest/gtest.h>

#include "lookup/reference_lists.h"
#include "session/output_buffer.h"
#include "testing/temp_dir.h"

namespace velimora {
namespace {

class OutputRunTest : public ::testing::Test {
 protected:
  void SetUp() override {
    dir_.write("fib/fi1.pro", "aamu morgen\ntalo hus\n");
    dir_.write("ftb/dt2.pro", "hus 1 talo\n");
    dir_.write("feu/fu20.cns", ",12|a[b*koti>kotona x\n0|a*x\n3|y*\n4|z*>w\n");
  }
  std::string out() { return nystr(s_, ""); }
  testing::TempDir dir_;
  Session s_;
};

TEST_F(OutputRunTest, ArticlesAreNumberedPerList) {
  s_.q.f4.add({36, 'i', 1, 1, 0});
  s_.q.f4.add({29, 'i', 1, 2, 0});  // not accepted: stays
  s_.q.f4.add({36, 't', 2, 1, 0});
  s_.q.f4.add({36, 'i', 1, 2, 0});
  fit(s_, 0, dir_.prefix(), 'f', 0, "talo", 't');
  EXPECT_EQ(out(),
            "  suomi:  (i1,1) >aamu morgen\n"
            "  dansk:  (t2,1) >hus 1 talo\n"
            "  suomi(2):  (i1,2) >talo hus\n");
  ASSERT_EQ(s_.q.f4.size(), 1u);
  EXPECT_EQ(s_.q.f4.front().code, 29);
  EXPECT_EQ(s_.q.nct.size(), 2u);
}

TEST_F(OutputRunTest, RawModeClearsShownLinesBeforeEachFetch) {
  s_.q.f4.add({36, 'i', 1, 2, 0});
  s_.q.f4.add({36, 'i', 1, 2, 3});
  fit(s_, 7, dir_.prefix(), 'f', 1, "talo", 't');
  // f0 is cleared before each fetch, so both rows show their line.
  EXPECT_EQ(out(), "  (i1,2)  talo hus\n  (i1,2)  talo hus\n");
}

TEST_F(OutputRunTest, ReferenceGroupsMustFillTheWholeText) {
  static const struct {
    const char* refs;
    std::optional<std::vector<RefRow>> groups;
  } kCases[] = {
      {"", std::vector<RefRow>{}},
      {"0 0 -17 0 3 1 1024 2", std::vector<RefRow>{{-17, 0}, {1024, 2}}},
      {"0 0 -17 0 ", std::nullopt},  // a blank after the last group
      {"0 0 -17", std::nullopt},     // incomplete
      {"0 0 x 0", std::nullopt},     // not an integer
      {"-1 0 2 0", std::nullopt},    // only the third may be negative
  };
  for (const auto& c : kCases) {
    std::optional<std::vector<RefRow>> got = reference_groups(c.refs);
    ASSERT_EQ(got.has_value(), c.groups.has_value()) << c.refs;
    if (!got) continue;
    ASSERT_EQ(got->size(), c.groups->size()) << c.refs;
    for (std::size_t i = 0; i < got->size(); ++i) {
      EXPECT_EQ((*got)[i].ref, (*c.groups)[i].ref) << c.refs;
      EXPECT_EQ((*got)[i].kind, (*c.groups)[i].kind) << c.refs;
    }
  }
}

TEST_F(OutputRunTest, Find1ShowsArticlesAndIndexLines) {
  StemHitRow hit;
  hit.seq = -1;
  hit.letter = 't';
  hit.part = 2;
  hit.line = 1;
  s_.q.st.add(hit);
  s_.startup.u0.add({0, 1, "", "", 0, 0});
  s_.startup.u0.add({0, 2, "", "", 0, 0});
  s_.startup.u0.add({0, 3, "", "", 0, 0});
  s_.startup.u0.add({0, 4, "", "", 0, 0});
  static const struct {
    const char* name;
    int flag;
    int ref;
    std::optional<std::string> text;
    int code;
  } kCases[] = {
      {"article of an analysis hit", 0, -1, "  dansk:  (t2,1) >hus 1 talo", 12},
      {"no such hit", 0, -2, std::nullopt, 0},
      {"index line with a comma", 0, 1, "  <120.  koti> kotona x", 13},
      {"index line without a comma", 0, 2, "  <.00  x> ", 13},
      {"empty tail is skipped", 0, 3, std::nullopt, 0},
      {"empty target", 0, 4, "  <.40  > w", 13},
      {"flag 1 skips index lines", 1, 1, std::nullopt, 0},
      {"flag 1 keeps articles", 1, -1, "  dansk:  (t2,1) >hus 1 talo", 12},
      {"no index row", 0, 9, std::nullopt, 0},
  };
  for (const auto& c : kCases) {
    std::optional<ReferenceLine> got = find1(s_, dir_.prefix(), 'f', c.flag, c.ref, 0);
    ASSERT_EQ(got.has_value(), c.text.has_value()) << c.name;
    if (!got) continue;
    EXPECT_EQ(got->text, *c.text) << c.name;
    EXPECT_EQ(got->code, c.code) << c.name;
  }
}

TEST_F(OutputRunTest, SkrstWritesTheLinesItCanShow) {
  StemHitRow hit;
  hit.seq = -1;
  hit.letter = 'i';
  hit.part = 1;
  hit.line = 2;
  s_.q.st.add(hit);
  s_.startup.u0.add({0, 1, "", "", 0, 0});
  skrst(s_, dir_.prefix(), 'f', 0, "0 0 -1 0 0 0 1 0 0 0 -9 0");
  EXPECT_EQ(out(), "  suomi:  (i1,2) >talo hus\n  <120.  koti> kotona x\n");
  skrst(s_, dir_.prefix(), 'f', 0, "0 0 -1 0 0 0 1 0 ");
  EXPECT_EQ(out(), "");
}

}  // namespace
}  // namespace velimora
