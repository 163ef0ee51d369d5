#include "wordlists/junction.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace velimora {
namespace {

using Markers = std::vector<std::string>;

TEST(Ee2, LetterConditions) {
  static const struct {
    int flag;
    const char* cond;
    char c;
    bool ok;
  } kCases[] = {
      {0, "", 'x', true},       {0, "<ae", 'a', false}, {0, "<ae", 't', true},
      {0, "(ae", 'a', true},    {0, "(ae", 't', false}, {1, "(ae", '(', true},
      {1, "ae", 'e', true},     {1, "ae", 't', false},  {0, "<", 'x', true},
  };
  for (const auto& c : kCases) EXPECT_EQ(ee2(c.flag, c.cond, c.c), c.ok) << c.cond << c.c;
}

TEST(Xpl10, ParenthesisedPatternAloneDecides) {
  StartupTables t;
  t.x.add({0, 0, "(<aeiou)x", "", "never"});
  EXPECT_EQ(xpl10(t, 1, 0, 0, "talo", "(<aeiou)x", ""), Markers{"x"});
  EXPECT_EQ(xpl10(t, 1, 0, 0, "auto", "(<aeiou)x", ""), Markers{});
  EXPECT_EQ(xpl10(t, 1, 0, 0, "auto", "()m", ""), Markers{"m"});
  EXPECT_EQ(xpl10(t, 1, 0, 0, "talo", "(at)", ""), Markers{""});
  EXPECT_EQ(xpl10(t, 1, 1, 0, "talo", "(<aeiou)x", ""), Markers{});  // length must be 0
}

TEST(Xpl10, TableRowsThenFixedRules) {
  StartupTables t;
  t.x.add({1, 0, "  ", "sa", "{s1"});   // junction "s", condition "a"
  t.x.add({1, 0, "  ", "s<t", "{s2"});  // junction "s", next must not start with t
  t.x.add({1, 0, "E ", "s", "{s3"});    // another pattern
  t.xd.add({1, 0, "  ", "s", "{d"});
  EXPECT_EQ(xpl10(t, 1, 1, 0, "auto", "  ", "s"), (Markers{"{s1", "{s2", "{s"}));
  EXPECT_EQ(xpl10(t, 1, 1, 0, "talo", "  ", "s"), (Markers{"{s"}));
  EXPECT_EQ(xpl10(t, 7, 1, 0, "talo", "  ", "s"), (Markers{"{d", "{s"}));
}

TEST(Xpl10, FixedRules) {
  StartupTables t;
  static const struct {
    const char* name;
    int kind, length, cls;
    const char* next;
    const char* pattern;
    const char* junction;
    Markers out;
  } kCases[] = {
      {"plain seam", 1, 0, 0, "talo", "  ", "", {" "}},
      {"plain seam Danish pattern", 7, 0, 0, "hus", "Sc", "", {" "}},
      {"Danish pattern needs kind 7", 1, 0, 0, "hus", "Sc", "", {}},
      {"class must be 0", 1, 0, 2, "talo", "  ", "", {}},
      {"linking consonant", 1, 1, 0, "talo", "  ", "n", {"{n"}},
      {"no linking vowel letter a", 1, 1, 0, "talo", "  ", "a", {}},
      {"Danish linking s", 7, 1, 0, "hus", "E ", "s", {"{s"}},
      {"Danish has no c", 7, 1, 0, "hus", "  ", "c", {}},
      {"minus N", 1, 1, 4, "auto", "-N", "a", {"{}s:s"}},
      {"plus N with a-umlaut 850", 1, 1, 4, "\x84iti", "+N", "\x84", {"{s:s"}},
      {"plus N with a-umlaut 1252", 1, 1, 4, "\xE4iti", "+N", "\xE4", {"{s:s"}},
      {"plus N needs matching letter", 1, 1, 4, "auto", "+N", "e", {}},
      {"doubled Danish consonant", 7, 2, 0, "kat", "E ", "tt", {"{t"}},
      {"doubled needs kind 7", 1, 2, 0, "kat", "E ", "tt", {}},
      {"one-letter next word", 1, 0, 0, "a", "  ", "", {}},
      {"empty next word", 1, 0, 0, "", "  ", "", {}},
      {"length 3", 7, 3, 0, "kat", "E ", "ttt", {}},
  };
  for (const auto& c : kCases) {
    EXPECT_EQ(xpl10(t, c.kind, c.length, c.cls, c.next, c.pattern, c.junction), c.out) << c.name;
  }
}

// The walk stops at the marker whose sink call says so: a table row, the parenthesised
// pattern or a fixed rule.
TEST(ForEachJunctionMarker, StopsWhereTheSinkSaysSo) {
  StartupTables t;
  t.x.add({1, 0, "  ", "sa", "{s1"});
  t.x.add({1, 0, "  ", "s", "{s2"});
  static const struct {
    int length;
    const char* pattern;
    const char* junction;
    int stop_at;  // the sink returns false for this marker (1 = the first)
    Markers seen;
    bool done;
  } kCases[] = {
      {1, "  ", "s", 1, {"{s1"}, false},
      {1, "  ", "s", 2, {"{s1", "{s2"}, false},
      {1, "  ", "s", 3, {"{s1", "{s2", "{s"}, false},
      {1, "  ", "s", 4, {"{s1", "{s2", "{s"}, true},
      {0, "(a)x", "", 1, {"x"}, false},
      {0, "(e)x", "", 1, {}, true},
      {0, "  ", "", 1, {" "}, false},
  };
  for (const auto& c : kCases) {
    Markers seen;
    const bool done = for_each_junction_marker(t, 1, c.length, 0, "auto", c.pattern, c.junction,
                                               [&](std::string_view marker) {
                                                 seen.emplace_back(marker);
                                                 return static_cast<int>(seen.size()) != c.stop_at;
                                               });
    EXPECT_EQ(seen, c.seen) << c.pattern << c.stop_at;
    EXPECT_EQ(done, c.done) << c.pattern << c.stop_at;
  }
}

}  // namespace
}  // namespace velimora
