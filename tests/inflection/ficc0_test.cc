// The entry ficc0: the derived inputs, the modes, early stopping, the convenience functions and
// the absence of heap allocation.
#include "inflection/ficc0.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "inflection/allocation_counter.h"
#include "inflection/letters.h"
#include "inflection/test_support.h"

namespace velimora::inflection {
namespace {

using C = std::vector<StemCandidate>;

TEST(MakeStemQuery, DerivesTheInputsAsTheMatcherDoes) {
  StemQuery q = make_stem_query('i', "talo", ' ', "talossa");
  EXPECT_EQ(q.mode, 'i');
  EXPECT_EQ(q.word, "talo");
  EXPECT_EQ(q.length, 4);
  EXPECT_EQ(q.front, "tal");
  EXPECT_EQ(q.last, "o");
  EXPECT_EQ(q.form, "talossa");
  EXPECT_EQ(q.head, "tal");
  EXPECT_EQ(q.tail, "ossa");
  EXPECT_EQ(q.class_code, ' ');
  // The overload with the form before the class code.
  const StemQuery same = make_stem_query('i', "talo", "talossa", ' ');
  EXPECT_EQ(same.head, q.head);
  EXPECT_EQ(same.tail, q.tail);
  EXPECT_EQ(same.class_code, ' ');
  // Exactly n - 1 letters: the tail is empty.
  q = make_stem_query('i', "talo", ' ', "tal");
  EXPECT_EQ(q.head, "tal");
  EXPECT_EQ(q.tail, "");
  // Fewer than n - 1 letters: the whole form and the no-tail marker.
  q = make_stem_query('t', "komme", '0', "kom");
  EXPECT_EQ(q.head, "kom");
  EXPECT_EQ(q.tail, "\xCF");
  EXPECT_EQ(q.tail, kNoTailMarker);
  // A one-letter word: empty front and head.
  q = make_stem_query('i', "a", ' ', "abc");
  EXPECT_EQ(q.front, "");
  EXPECT_EQ(q.last, "a");
  EXPECT_EQ(q.head, "");
  EXPECT_EQ(q.tail, "abc");
  // The empty word (the matcher never passes one).
  q = make_stem_query('i', "", ' ', "abc");
  EXPECT_EQ(q.length, 0);
  EXPECT_EQ(q.front, "");
  EXPECT_EQ(q.last, "");
  EXPECT_EQ(q.head, "");
  EXPECT_EQ(q.tail, "abc");
}

TEST(Ficc0, FullArgumentListAsTheMatcherPassesIt) {
  StemQuery q;
  q.mode = 'i';
  q.word = "kukka";
  q.length = 5;
  q.front = "kukk";
  q.form = "kukka";
  q.head = "kukk";
  q.tail = "a";
  q.last = "a";
  q.class_code = ' ';
  EXPECT_EQ(ficc0_all(q), (C{{"kukk", 2, "a", 4}, {"kuk", 1, "a", 4}, {"kukk", 3, "a", 4}}));
}

TEST(Ficc0, DanishModesCompleteClassAndWeightWithZero) {
  for (char mode : {'t', 'r'}) {
    EXPECT_EQ(stems_all(mode, "museum", '0', "museer"), (C{{"muse", 0, "M", 0}})) << mode;
    EXPECT_EQ(stems_all(mode, "akvarium", '0', "akvarier"), (C{{"akvari", 0, "M", 0}})) << mode;
    EXPECT_EQ(stems_all(mode, "komme", '0', "kom"), (C{{"kom", 0, "C", 0}, {"ko", 0, "D", 0}}))
        << mode;
    EXPECT_EQ(stems_all(mode, "cykel", '0', "cykler"), (C{{"cykl", 0, "R", 0}})) << mode;
    EXPECT_EQ(stems_all(mode, "himmel", '0', "himle"), (C{{"himl", 0, "R", 0}})) << mode;
    EXPECT_EQ(stems_all(mode, "organisere", '0', "organisation"), (C{{"organis", 0, "A", 0}}))
        << mode;
    EXPECT_EQ(stems_all(mode, "kage", '0', "kage's"), (C{{"kage", 0, "Z", 0}, {"kag", 0, "e", 0}}))
        << mode;
    // The class code is not used by the Danish rules.
    EXPECT_EQ(stems_all(mode, "cykel", ' ', "cykler"), (C{{"cykl", 0, "R", 0}})) << mode;
  }
}

TEST(Ficc0, TheModeChoosesTheRules) {
  // A Finnish pair under the Danish rules and a Danish pair under the Finnish rules.
  EXPECT_EQ(stems_all('t', "kukka", ' ', "kukan"), C{});
  EXPECT_EQ(stems_all('i', "cykel", ' ', "cykler"), C{});
  // Any other mode yields nothing.
  for (char mode : {'x', 'I', 'T', 'o', '\0', '-'}) {
    EXPECT_EQ(stems_all(mode, "talo", ' ', "talossa"), C{}) << mode;
    EXPECT_EQ(stems_all(mode, "museum", '0', "museer"), C{}) << mode;
  }
}

TEST(Ficc0, LengthMustMatchTheWord) {
  StemQuery q = make_stem_query('i', "talo", ' ', "talossa");
  q.length = 5;
  EXPECT_EQ(ficc0_all(q), C{});
  q.length = -1;
  EXPECT_EQ(ficc0_all(q), C{});
}

TEST(Ficc0, ConsumerCanStopAfterAnyCandidate) {
  const StemQuery q = make_stem_query('i', "kukka", ' ', "kukka");
  for (int stop_after = 1; stop_after <= 3; ++stop_after) {
    C seen;
    const bool ran_out = ficc0(q, [&](const StemCandidate& c) {
      seen.push_back(c);
      return static_cast<int>(seen.size()) < stop_after;
    });
    EXPECT_EQ(seen.size(), static_cast<std::size_t>(stop_after));
    EXPECT_EQ(ran_out, false);
  }
  EXPECT_TRUE(ficc0(q, [](const StemCandidate&) { return true; }));
  // Stopping inside a rule stops the later rules too (rule 18 before 19 here).
  C first;
  stems('i', "rengas", ' ', "renkaan", [&](const StemCandidate& c) {
    first.push_back(c);
    return false;
  });
  EXPECT_EQ(first, (C{{"renka", 2, "s", 4}}));
}

TEST(Ficc0, AcceptsAStdFunctionSink) {
  C seen;
  const std::function<bool(const StemCandidate&)> sink = [&](const StemCandidate& c) {
    seen.push_back(c);
    return true;
  };
  EXPECT_TRUE(ficc0(make_stem_query('i', "maa", ' ', "maita"), sink));
  EXPECT_EQ(seen, (C{{"ma", 1, "w", 4}}));
}

TEST(Ficc0, TracedGivesTheRuleNumbers) {
  std::vector<int> rules;
  ficc0_traced(make_stem_query('i', "vastaus", ' ', "vastauksen"),
               [&](const StemCandidate&, int rule) {
                 rules.push_back(rule);
                 return true;
               });
  EXPECT_EQ(rules, (std::vector<int>{18, 18, 22}));
}

TEST(Ficc0, StemsEqualsFicc0OnTheDerivedQuery) {
  EXPECT_EQ(stems_all('i', "rengas", ' ', "renkaan"),
            ficc0_all(make_stem_query('i', "rengas", ' ', "renkaan")));
  C seen;
  EXPECT_TRUE(stems('c', "tuhat", '4', "tuhannen", [&](const StemCandidate& c) {
    seen.push_back(c);
    return true;
  }));
  EXPECT_EQ(seen, (C{{"tuha", 0, "Z", 4}}));
}

// The analysis allocates nothing for pairs that yield nothing, and, with stems short enough for
// the string's own buffer, nothing for the pairs that yield either.
TEST(Ficc0, DoesNotAllocate) {
  {
    const long before = allocation_count();
    std::string large(100, 'x');  // beyond the string's own buffer: one allocation
    EXPECT_EQ(allocation_count() - before, 1) << "the allocation counter is not active";
  }
  struct Pair {
    char mode;
    const char* word;
    char k;
    const char* form;
  };
  const Pair pairs[] = {
      {'i', "talo", ' ', "koira"},       {'i', "talo", ' ', "talossa"},
      {'i', "kukka", ' ', "kukka"},      {'i', "rengas", ' ', "renkaan"},
      {'i', "vastaus", ' ', "vastauksen"}, {'i', "vesi", '4', "vett\xE4"},
      {'i', "tiet\x84\x84", '2', "tiesi"}, {'i', "haluta", '2', "haluun"},
      {'i', "juosta", '2', "juoksen"},   {'i', "kolmas", '4', "kolmannen"},
      {'i', "radar", '0', "radarin"},    {'i', "avain", ' ', "avaimen"},
      {'t', "komme", '0', "kom"},        {'t', "organisere", '0', "organisation"},
      {'r', "museum", '0', "museer"},    {'x', "talo", ' ', "talossa"},
  };
  long candidates = 0;
  for (const Pair& p : pairs) {
    const StemQuery q = make_stem_query(p.mode, p.word, p.k, p.form);
    const long before = allocation_count();
    ficc0(q, [&](const StemCandidate& c) {
      candidates += static_cast<long>(c.stem.size() > 0);
      return true;
    });
    EXPECT_EQ(allocation_count() - before, 0) << p.word << " " << Escaped(p.form);
  }
  EXPECT_GT(candidates, 20);
}

}  // namespace
}  // namespace velimora::inflection
