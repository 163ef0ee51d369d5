#include "wordlists/reverse_query.h"

#include <gtest/gtest.h>

#include "session/output_buffer.h"

namespace velimora {
namespace {

TEST(Gi1, RecognisesReverseQueriesLimitPrefixesAndPlainWords) {
  static const struct {
    const char* query;
    const char* word;
    int code;
    int limit;
    const char* heading;
  } kCases[] = {
      {"k_talo", "olat", kFinnishReverse, 100, "talo, k\xE4\xE4nteinen : olat\n\n"},
      {"b_hus", "suh", kDanishReverse, 100, "hus, bagl\xE6ns : suh\n\n"},
      {"k_", "k_", kOrdinaryQuery, 100, ""},     // no token after the underscore
      {"k_  ", "k_  ", kOrdinaryQuery, 100, ""},
      {"25 talo", "talo", kOrdinaryQuery, 25, ""},
      {"250 talo", "talo", kOrdinaryQuery, 49, ""},
      {"201 talo", "talo", kOrdinaryQuery, 0, ""},
      {"25  talo koti", "talo", kOrdinaryQuery, 25, ""},
      {"25talo", "25talo", kOrdinaryQuery, 100, ""},
      {"-5 talo", "-5 talo", kOrdinaryQuery, 100, ""},
      {"0 talo", "0 talo", kOrdinaryQuery, 100, ""},
      {"x_talo", "x_talo", kOrdinaryQuery, 100, ""},
  };
  for (const auto& c : kCases) {
    Session s;
    s.q.len0 = WordLimitRow{"w", 100};
    s.q.endret0.add();
    WordAndCode r = gi1(s, c.query);
    EXPECT_EQ(r.word, c.word) << c.query;
    EXPECT_EQ(r.code, c.code) << c.query;
    EXPECT_EQ(s.q.len0->limit, c.limit) << c.query;
    EXPECT_EQ(s.q.len0->text, "w") << c.query;
    EXPECT_EQ(nystr(s, ""), c.heading) << c.query;
    EXPECT_EQ(s.q.endret0.present(), c.code == kOrdinaryQuery) << c.query;
  }
}

}  // namespace
}  // namespace velimora
