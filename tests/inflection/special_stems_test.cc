// The special stem-type operations, with their stop points and the documented edge cases.
#include "inflection/special_stems.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "inflection/test_support.h"

namespace velimora::inflection {
namespace {

// (text, text, class) triples, used for the outputs of nsi, kse, nen, kse1, nrt.
struct Alt {
  std::string first;
  std::string second;
  int cls;
  friend bool operator==(const Alt&, const Alt&) = default;
};
void PrintTo(const Alt& a, std::ostream* os) {
  *os << "{\"" << Escaped(a.first) << "\", \"" << Escaped(a.second) << "\", " << a.cls << "}";
}
using A = std::vector<Alt>;

A Nsi(std::string_view tail) {
  return Collect<Alt>([&](auto sink) { return nsi(tail, sink); },
                      [](const NsiAlt& a) { return Alt{std::string(a.t), std::string(a.mark), a.cls}; });
}
std::vector<std::string> Lumi(std::string_view front, int n, std::string_view form) {
  return Collect<std::string>([&](auto sink) { return lumi(front, n, form, sink); },
                              [](const StemParts& s) { return s.str(); });
}
std::vector<std::string> Ksd(char second_last, char third_last) {
  return Collect<std::string>([&](auto sink) { return ksd(second_last, third_last, sink); },
                              [](std::string_view mark) { return std::string(mark); });
}
A Kse(std::string_view mark, std::string_view z) {
  return Collect<Alt>([&](auto sink) { return kse(mark, z, sink); },
                      [](const TextClassAlt& a) { return Alt{std::string(a.t), "", a.cls}; });
}
A Nen(std::string_view z) {
  return Collect<Alt>([&](auto sink) { return nen(z, sink); },
                      [](const TextClassAlt& a) { return Alt{std::string(a.t), "", a.cls}; });
}
A Kse1(std::string_view x, std::string_view c1, std::string_view z) {
  return Collect<Alt>([&](auto sink) { return kse1(x, c1, z, sink); },
                      [](const Kse1Alt& a) { return Alt{std::string(a.mark), std::string(a.t), a.cls}; });
}
A Nrt(std::string_view base, char v2, char final_letter, std::string_view z, int p) {
  return Collect<Alt>([&](auto sink) { return nrt(base, v2, final_letter, z, p, sink); },
                      [](const MarkClassAlt& a) { return Alt{std::string(a.mark), "", a.cls}; });
}

struct Itse {
  std::string t1;
  int cls;
  std::string t2;
  std::string mark;
  friend bool operator==(const Itse&, const Itse&) = default;
};
void PrintTo(const Itse& a, std::ostream* os) {
  *os << "{T1 \"" << Escaped(a.t1) << "\", " << a.cls << ", T2 \"" << Escaped(a.t2) << "\", \""
      << Escaped(a.mark) << "\"}";
}
using I = std::vector<Itse>;
I RunItse(std::string_view a1, std::string_view z, int c0, std::string_view v3) {
  return Collect<Itse>([&](auto sink) { return itse(a1, z, c0, v3, sink); },
                       [](const ItseAlt& a) {
                         return Itse{std::string(a.t1), a.cls, std::string(a.t2), std::string(a.mark)};
                       });
}

TEST(Nsi, ThirdLetterIStopsAfterNs) {
  EXPECT_EQ(Nsi("nnen"), (A{{"", "Z", 0}, {"nn", "I", 1}, {"nt", "I", 2}}));
  EXPECT_EQ(Nsi("nsia"), (A{{"", "Z", 0}, {"nn", "I", 1}, {"ns", "I", 2}}));
  EXPECT_EQ(Nsi(""), (A{{"", "Z", 0}, {"nn", "I", 1}, {"nt", "I", 2}}));
}

TEST(Lumi, DocumentedEdgeCases) {
  using V = std::vector<std::string>;
  EXPECT_EQ(Lumi("lum", 4, "lunta"), V{"lun"});
  EXPECT_EQ(Lumi("laps", 5, "lasta"), V{"las"});
  EXPECT_EQ(Lumi("yks", 4, "yht\xE4"), V{"yh"});
  EXPECT_EQ(Lumi("veits", 6, "veist\xE4"), V{"veis"});
  EXPECT_EQ(Lumi("lum", 4, "lumen"), V{});  // the stem must begin the form
  EXPECT_EQ(Lumi("kiv", 4, "kiven"), V{});  // v is not in ks
}

TEST(Ks, Map) {
  EXPECT_EQ(ks("ks"), "h");
  EXPECT_EQ(ks("ps"), "s");
  EXPECT_EQ(ks("ts"), "s");
  EXPECT_EQ(ks("m"), "n");
  EXPECT_EQ(ks("s"), std::nullopt);
  EXPECT_EQ(ks("um"), std::nullopt);
}

TEST(Mieh, Classes) {
  EXPECT_EQ(mieh('s', "t\xE4"), 0);
  EXPECT_EQ(mieh('h', "en"), 1);
  EXPECT_EQ(mieh('h', "in"), 1);
  EXPECT_EQ(mieh('h', "u"), 1);
  EXPECT_EQ(mieh('h', "y"), 1);
  EXPECT_EQ(mieh('h', "an"), std::nullopt);
  EXPECT_EQ(mieh('h', ""), std::nullopt);
  EXPECT_EQ(mieh('t', "en"), std::nullopt);
}

TEST(Ksd, DThenAlwaysX) {
  using V = std::vector<std::string>;
  EXPECT_EQ(Ksd('u', 'a'), (V{"d", "x"}));
  EXPECT_EQ(Ksd('u', 'o'), (V{"d", "x"}));
  EXPECT_EQ(Ksd('u', 'y'), V{"x"});
  EXPECT_EQ(Ksd('y', 'e'), (V{"d", "x"}));
  EXPECT_EQ(Ksd('y', '\x94'), (V{"d", "x"}));
  EXPECT_EQ(Ksd('y', '\xE4'), (V{"d", "x"}));
  EXPECT_EQ(Ksd('y', 'a'), V{"x"});
  EXPECT_EQ(Ksd('i', 'a'), V{"x"});
}

TEST(Kse, VastausAndRakkaus) {
  EXPECT_EQ(Kse("x", "ksen"), (A{{"ks", "", 1}}));
  EXPECT_EQ(Kse("x", "ksia"), (A{{"ks", "", 1}}));
  EXPECT_EQ(Kse("x", "ksa"), A{});
  EXPECT_EQ(Kse("d", "ksen"), A{});
  EXPECT_EQ(Kse("d", "den"), (A{{"", "", 1}}));
  EXPECT_EQ(Kse("d", "tta"), (A{{"", "", 2}}));
  EXPECT_EQ(Kse("x", "den"), A{});
  // Z beginning with s: ("", 0) and stop, for either mark.
  EXPECT_EQ(Kse("d", "sta"), (A{{"", "", 0}}));
  EXPECT_EQ(Kse("x", "sta"), (A{{"", "", 0}}));
  // dt needs d or t first.
  EXPECT_EQ(Kse("d", "ket"), A{});
}

TEST(Emp, Classes) {
  EXPECT_EQ(emp("mp"), 2);
  EXPECT_EQ(emp("mm"), 1);
  EXPECT_EQ(emp("ma"), std::nullopt);
  EXPECT_EQ(emp("m"), std::nullopt);
}

TEST(Nen, SThenStop) {
  EXPECT_EQ(Nen("sen"), (A{{"s", "", 0}}));
  EXPECT_EQ(Nen("nen"), (A{{"ne", "", 1}}));
  EXPECT_EQ(Nen("ne"), A{});
  EXPECT_EQ(Nen("ten"), A{});
}

TEST(Hke, Classes) {
  EXPECT_EQ(hke('h'), 0);
  for (char c : std::string_view("eiy\x94\xF6")) EXPECT_EQ(hke(c), 1) << c;
  EXPECT_EQ(hke('k'), 2);
  EXPECT_EQ(hke('a'), std::nullopt);
  EXPECT_EQ(hke('\x84'), std::nullopt);
}

TEST(Kse1, JuostaAndStops) {
  EXPECT_EQ(Kse1("juo", "s", "ksen"), (A{{"x", "k", 1}}));
  EXPECT_EQ(Kse1("juo", "s", "ksun"), (A{{"x", "k", 1}}));
  EXPECT_EQ(Kse1("juo", "s", "sta"), (A{{"x", "", 0}}));
  // Alternative 2 stops the search: 3 is not tried although Z begins with a letter of its set.
  EXPECT_EQ(Kse1("juo", "s", "in"), A{});
  EXPECT_EQ(Kse1("juo", "s", "ksa"), A{});
  EXPECT_EQ(Kse1("juo", "s", "tte"), A{});
  EXPECT_EQ(Kse1("sy\x94", "s", "ksen"), (A{{"x", "k", 1}}));
  EXPECT_EQ(Kse1("sy\xF6", "s", "st\xE4"), (A{{"x", "", 0}}));
  // Alternative 3.
  EXPECT_EQ(Kse1("tu", "l", "len"), (A{{"l", "", 0}}));
  EXPECT_EQ(Kse1("me", "n", "nen"), (A{{"n", "", 0}}));
  EXPECT_EQ(Kse1("pu", "r", "ren"), (A{{"r", "", 0}}));
  EXPECT_EQ(Kse1("nou", "s", "sta"), (A{{"s", "", 0}}));
  EXPECT_EQ(Kse1("nou", "s", "sen"), (A{{"s", "", 0}}));
  EXPECT_EQ(Kse1("tu", "l", "ee"), A{});
  EXPECT_EQ(Kse1("tu", "m", "len"), A{});
}

TEST(Nrt1, Classes) {
  EXPECT_TRUE(nrt1(2, 'l', "len", 0));
  EXPECT_TRUE(nrt1(2, 'l', "l\xF6", 2));
  EXPECT_FALSE(nrt1(2, 'l', "len", 1));  // p odd
  EXPECT_FALSE(nrt1(2, 'l', "lta", 0));  // t after l
  EXPECT_TRUE(nrt1(1, 'l', "lta", 1));
  EXPECT_FALSE(nrt1(1, 'l', "lta", 2));  // p not below 2
  EXPECT_FALSE(nrt1(1, 'l', "ata", 0));
  EXPECT_EQ(nrt1_first('l', "len", 0), 2);
  EXPECT_EQ(nrt1_first('l', "len", 1), 1);
  EXPECT_EQ(nrt1_first('l', "lta", 2), std::nullopt);
}

TEST(Nrt, OneCasePerAlternative) {
  // 1. -el, -al: the first class of nrt1 for l, then stop.
  EXPECT_EQ(Nrt("s\xE4v", 'e', 'l', "len", 0), (A{{"L", "", 2}}));
  EXPECT_EQ(Nrt("s\xE4v", 'e', 'l', "len", 1), (A{{"L", "", 1}}));
  EXPECT_EQ(Nrt("s\xE4v", 'e', 'l', "lta", 2), A{});
  EXPECT_EQ(Nrt("s\xE4v", 'i', 'l', "len", 0), A{});
  // 2. and 3. -an, -in, -un, -a:n.
  EXPECT_EQ(Nrt("ava", 'i', 'n', "men", 0), (A{{"M", "", 2}}));
  EXPECT_EQ(Nrt("ava", 'a', 'n', "nen", 0), (A{{"M", "", 1}}));
  // With V2 = i, alternatives 2 and 4 both hold (m followed by i) ...
  EXPECT_EQ(Nrt("ava", 'i', 'n', "mia", 0), (A{{"M", "", 2}, {"E", "", 2}}));
  // ... and alternative 3 stops before alternative 5.
  EXPECT_EQ(Nrt("ava", 'i', 'n', "nia", 0), (A{{"M", "", 1}}));
  EXPECT_EQ(Nrt("ava", '\x84', 'n', "men", 2), (A{{"M", "", 2}}));
  EXPECT_EQ(Nrt("ava", 'i', 'n', "men", 1), A{});
  // 4. and 5. -on, -o:n.
  EXPECT_EQ(Nrt("puhel", 'o', 'n', "ma", 0), (A{{"E", "", 2}}));
  EXPECT_EQ(Nrt("puhel", 'o', 'n', "nen", 1), (A{{"E", "", 1}}));
  EXPECT_EQ(Nrt("puhel", '\xF6', 'n', "m\xE4", 0), (A{{"E", "", 2}}));
  EXPECT_EQ(Nrt("puhel", 'o', 'n', "me", 0), A{});  // e is not in the set of alternative 4
  // 6. -en, unless the base ends in n.
  EXPECT_EQ(Nrt("vas", 'e', 'n', "n", 0), (A{{"N", "", 1}}));
  EXPECT_EQ(Nrt("vas", 'e', 'n', "nen", 0), (A{{"N", "", 2}}));
  EXPECT_EQ(Nrt("ann", 'e', 'n', "nen", 0), A{});
  // 7. -ar, -er, -a:r.
  EXPECT_EQ(Nrt("sis", 'a', 'r', "ren", 0), (A{{"R", "", 2}}));
  EXPECT_EQ(Nrt("sis", 'a', 'r', "ren", 1), (A{{"R", "", 1}}));
  EXPECT_EQ(Nrt("sis", 'o', 'r', "ren", 0), A{});
  // 8. and 9. -ut, -yt.
  EXPECT_EQ(Nrt("ol", 'u', 't', "en", 0), (A{{"T", "", 2}}));
  EXPECT_EQ(Nrt("ol", 'u', 't', "tta", 1), (A{{"T", "", 1}}));
  EXPECT_EQ(Nrt("ol", 'u', 't', "tta", 0), (A{{"T", "", 1}}));
  EXPECT_EQ(Nrt("ol", 'y', 't', "ket", 0), (A{{"T", "", 2}}));
  EXPECT_EQ(Nrt("ol", 'u', 't', "en", 1), A{});
  EXPECT_EQ(nrt_table().size(), 9u);
}

TEST(Itse, OneCasePerAlternative) {
  // 1. tarvitsen-like: a1 = i, V3 = i, Z = ts + e/i; then stop.
  EXPECT_EQ(RunItse("i", "tsen", 1, "i"), (I{{"t", 0, "i", "Z"}}));
  // 2. a1 = V3 in {a, e, o}, Z = n + e/i: T2 = a1; then stop.
  EXPECT_EQ(RunItse("a", "ne", 1, "a"), (I{{"", 1, "a", "N"}}));
  EXPECT_EQ(RunItse("e", "ni", 2, "e"), (I{{"", 2, "e", "N"}}));
  // 3. V3 = a: then stop (so alternative 13 is not offered for a1 = u).
  EXPECT_EQ(RunItse("o", "x", 1, "a"), (I{{"", 1, "", "A"}}));
  EXPECT_EQ(RunItse("u", "n", 0, "a"), (I{{"", 0, "", "A"}}));
  // 4. V3 = e, any vowel; a1 = y also yields 13.
  EXPECT_EQ(RunItse("\xF6", "n", 1, "e"), (I{{"", 1, "", "E"}}));
  EXPECT_EQ(RunItse("y", "n", 1, "e"), (I{{"", 1, "", "E"}, {"", 1, "e", "T"}}));
  // 5. V3 = i.
  EXPECT_EQ(RunItse("e", "n", 1, "i"), (I{{"", 1, "", "I"}}));
  // 6. V3 = o.
  EXPECT_EQ(RunItse("o", "", 0, "o"), (I{{"", 0, "", "O"}}));
  // 7. V3 = u: the documented cases.
  EXPECT_EQ(RunItse("u", "n", 1, "u"), (I{{"", 1, "", "U"}, {"", 1, "u", "T"}}));
  EXPECT_EQ(RunItse("a", "n", 1, "u"), (I{{"", 1, "", "U"}}));
  // 8. V3 = y, a1 = y or a: in either encoding (hyly-ta:, hylka:a:n).
  EXPECT_EQ(RunItse("\x84", "n", 1, "y"), (I{{"", 1, "", "Y"}}));
  EXPECT_EQ(RunItse("\xE4", "n", 1, "y"), (I{{"", 1, "", "Y"}}));
  EXPECT_EQ(RunItse("y", "n", 1, "y"), (I{{"", 1, "", "Y"}, {"", 1, "y", "T"}}));
  // 9. V3 = a: (850), letters in 850: mark A: 0x8E; then stop (13 is not offered for y).
  EXPECT_EQ(RunItse("e", "n", 1, "\x84"), (I{{"", 1, "", "\x8E"}}));
  EXPECT_EQ(RunItse("y", "n", 1, "\x84"), (I{{"", 1, "", "\x8E"}}));
  EXPECT_EQ(RunItse("\x94", "n", 1, "\x84"), (I{{"", 1, "", "\x8E"}}));
  EXPECT_EQ(RunItse("\xE4", "n", 1, "\x84"), I{});
  // 10. V3 = a: (1252), letters in 1252: mark A: 0xC4.
  EXPECT_EQ(RunItse("\xF6", "n", 1, "\xE4"), (I{{"", 1, "", "\xC4"}}));
  EXPECT_EQ(RunItse("\x84", "n", 1, "\xE4"), I{});
  // 11. V3 = o: (850): mark O: 0x99.
  EXPECT_EQ(RunItse("\x84", "n", 2, "\x94"), (I{{"", 2, "", "\x99"}}));
  EXPECT_EQ(RunItse("\xF6", "n", 2, "\x94"), I{});
  // 12. V3 = o: (1252): mark O: 0xD6.
  EXPECT_EQ(RunItse("\xE4", "n", 2, "\xF6"), (I{{"", 2, "", "\xD6"}}));
  EXPECT_EQ(RunItse("\x84", "n", 2, "\xF6"), I{});
  // 13. a1 in {u, y} whatever V3 is: T2 = V3.
  EXPECT_EQ(RunItse("u", "n", 1, "o"), (I{{"", 1, "o", "T"}}));
  EXPECT_EQ(RunItse("y", "n", 1, "\xF6"), (I{{"", 1, "\xF6", "T"}}));
  // No a1: nothing.
  EXPECT_EQ(RunItse("", "", 1, "u"), I{});
  EXPECT_EQ(itse_table().size(), 13u);
}

TEST(Es, LastLetters) {
  for (char c : std::string_view("bcdfghjklmnprtvwxz")) EXPECT_TRUE(es(c, 'a')) << c;
  EXPECT_TRUE(es('s', 'i'));
  EXPECT_TRUE(es('s', 'u'));
  EXPECT_FALSE(es('s', 'a'));
  EXPECT_FALSE(es('s', 'e'));
  EXPECT_FALSE(es('s', '\x84'));
  EXPECT_FALSE(es('s', '\xE4'));
  for (char c : std::string_view("aeiouyq\x84")) EXPECT_FALSE(es(c, 'k')) << c;
}

TEST(Sidsti, LastLetterSets) {
  StemMark s = sidsti("radar", "r");
  EXPECT_EQ(s.stem, "rada");
  EXPECT_EQ(s.mark, "r");
  s = sidsti("bridge", "e");
  EXPECT_EQ(s.stem, "bridg");
  EXPECT_EQ(s.mark, "e");
  s = sidsti("USS", "S");
  EXPECT_EQ(s.stem, "US");
  EXPECT_EQ(s.mark, "S");
  // A word ending in a vowel other than e: the whole word with mark " ".
  s = sidsti("casino", "o");
  EXPECT_EQ(s.stem, "casino");
  EXPECT_EQ(s.mark, " ");
  s = sidsti("box", "x");  // x is not in sidsti's sets (it is in es's)
  EXPECT_EQ(s.stem, "box");
  EXPECT_EQ(s.mark, " ");
}

}  // namespace
}  // namespace velimora::inflection
