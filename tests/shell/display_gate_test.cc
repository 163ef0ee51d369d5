#include "shell/display_gate.h"

#include <gtest/gtest.h>

namespace velimora {
namespace {

QueryState plain_lookup() {
  QueryState q;
  q.v = 1;
  return q;
}

QueryState analysis(int mode = 0) {
  QueryState q;
  q.level = 1;
  q.mode = mode;
  return q;
}

TEST(Filtr, PlainLookupShowsDictionaryHitsAndOffersLists) {
  static const struct {
    int kind;
    bool passes;
    const char* offered;
  } kCases[] = {
      {16, true, ""}, {11, false, "o"}, {14, false, "n"},
      {17, false, "s"}, {18, false, "y"}, {10, false, ""},
  };
  for (const auto& c : kCases) {
    Session s;
    s.q.endret0.add();
    EXPECT_EQ(filtr(s, plain_lookup(), c.kind, -1), c.passes) << c.kind;
    bool offered = s.q.fli.any([&](const CodeRow& r) { return r.flag == 1 && r.code == c.offered; });
    EXPECT_EQ(offered, *c.offered != '\0') << c.kind;
  }
}

TEST(Filtr, OrdinaryAnalysisShowsFinnishAndDanishWordListsDirectly) {
  Session s;
  QueryState q = analysis();
  EXPECT_TRUE(filtr(s, q, 11, -1));
  EXPECT_TRUE(s.q.fli.any([](const CodeRow& r) { return r.flag == 0 && r.code == "o"; }));
  EXPECT_FALSE(s.q.fli.any([](const CodeRow& r) { return r.flag == 1; }));
  EXPECT_TRUE(filtr(s, q, 14, -1));
  EXPECT_FALSE(filtr(s, q, 17, -1));
  EXPECT_TRUE(s.q.fli.any([](const CodeRow& r) { return r.flag == 1 && r.code == "s"; }));
}

TEST(Filtr, AnalysisResultsByDistanceFromTheBest) {
  static const struct {
    const char* name;
    int x;
    bool list_hits;
    bool passes;
    const char* offered;
  } kCases[] = {
      {"best without list hits", 0, false, true, ""},
      {"best beside list hits is offered", 0, true, false, "0"},
      {"near the best is offered", 14, false, false, "14"},
      {"15 above the best is still offered", 15, false, false, "15"},
      {"too far is rejected", 16, false, false, ""},
  };
  for (const auto& c : kCases) {
    Session s;
    if (c.list_hits) s.q.f4.add({11, 'o', 1, 1, 0});
    EXPECT_EQ(filtr(s, analysis(), 9, c.x), c.passes) << c.name;
    // Offered: exactly the code given, or none at all.
    bool offered = s.q.fli.any([&](const CodeRow& r) {
      return r.flag == 1 && (*c.offered == '\0' || r.code == c.offered);
    });
    EXPECT_EQ(offered, *c.offered != '\0') << c.name;
  }
}

TEST(Filtr, ChosenCodeLetsItsListThrough) {
  Session s;
  QueryState q;
  q.w = 1;
  q.flag_y = true;
  EXPECT_TRUE(filtr(s, q, 18, -1));
  q = QueryState{};
  q.flag_s = true;
  EXPECT_TRUE(filtr(s, q, 17, -1));
  EXPECT_FALSE(filtr(s, q, 18, -1));
}

TEST(Qunp, LastFieldOfPromotedHits) {
  static const struct {
    const char* name;
    int level, v, mode, code, w, sense;
    std::optional<int> out;
  } kCases[] = {
      {"whole article kept", 0, 1, 0, 16, 0, 400, 400},
      {"plain keeps the sense", 0, 1, 0, 16, 0, 2, 2},
      {"plain drops 300 and up", 0, 1, 0, 16, 0, 300, {}},
      {"Finnish in T keeps", 0, 1, 4, 16, 0, 3, 3},
      {"full articles show all", 0, 1, 1, 16, 0, 3, 0},
      {"code query keeps", 0, 0, 1, 11, 1, 3, 3},
      {"analysis list hit keeps", 1, 0, 0, 11, 0, 3, 3},
      {"analysis other hit whole", 1, 0, 0, 16, 0, 3, 0},
      {"retry of a non-list hit in mode 1", 1, 0, 1, 16, 1, 3, {}},
  };
  for (const auto& c : kCases) {
    QueryState q;
    q.level = c.level;
    q.v = c.v;
    q.mode = c.mode;
    q.w = c.w;
    EXPECT_EQ(qunp(q, c.code, c.sense), c.out) << c.name;
  }
}

TEST(Fit1, PromotesOncePerHitAndKeepsBlocksNearTheBest) {
  Session s;
  s.q.nb.set(90);
  s.q.f4.add({16, 'i', 1, 5, 0});
  s.q.f4.add({16, 't', 2, 7, 1});
  s.q.f4.add({36, 'i', 1, 5, 0});  // already promoted in this form
  s.q.endret0.add();
  s.q.endret2.add();
  QueryState q = plain_lookup();
  EXPECT_EQ(fit1(s, q), 0);
  EXPECT_EQ(s.q.f4.size(), 4u);
  EXPECT_TRUE(s.q.f4.any([](const HitRow& r) { return r == HitRow{36, 't', 2, 7, 1}; }));
  EXPECT_FALSE(s.q.endret0.present());
  EXPECT_FALSE(s.q.endret2.present());
  q.mode = 7;
  EXPECT_EQ(fit1(s, q), 1);  // articles as they are
}

}  // namespace
}  // namespace velimora
