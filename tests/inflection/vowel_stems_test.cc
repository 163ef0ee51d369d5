// Long vowels and the plural-i shortening (juo, uo1, uo, uo0) and ms2.
#include "inflection/vowel_stems.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "inflection/test_support.h"

namespace velimora::inflection {
namespace {

struct Uo {
  std::string letters;
  int cls;
  friend bool operator==(const Uo&, const Uo&) = default;
};
void PrintTo(const Uo& u, std::ostream* os) { *os << "{\"" << Escaped(u.letters) << "\", " << u.cls << "}"; }
using U = std::vector<Uo>;

U RunJuo(std::size_t k, std::string_view form, std::string_view prefix, std::string_view ending) {
  return Collect<Uo>([&](auto sink) { return juo(k, form, prefix, ending, sink); },
                     [](const JuoAlt& a) {
                       return Uo{std::string(a.prefix) + std::string(a.letters), a.cls};
                     });
}
U RunUo1(std::string_view ending, std::string_view found) {
  return Collect<Uo>([&](auto sink) { return uo1(ending, found, sink); },
                     [](const UoAlt& a) { return Uo{std::string(a.letters), a.cls}; });
}

TEST(Juo, DocumentedEdgeCases) {
  EXPECT_EQ(RunJuo(1, "maita", "m", "aa"), (U{{"ma", 1}}));
  EXPECT_EQ(RunJuo(1, "maassa", "m", "aa"), (U{{"maa", 0}}));
  EXPECT_EQ(RunJuo(1, "soita", "s", "uo"), (U{{"so", 1}}));
  EXPECT_EQ(RunJuo(1, "k\x84vi", "k", "\x84y"), (U{{"k\x84v", 1}}));
  EXPECT_EQ(RunJuo(1, "k\xE4vi", "k", "\xE4y"), (U{{"k\xE4v", 1}}));
}

TEST(Juo, PrefixAndLength) {
  EXPECT_EQ(RunJuo(1, "saita", "m", "aa"), U{});  // prefix differs
  EXPECT_EQ(RunJuo(1, "ma", "m", "aa"), U{});     // no second letter of the pair
  EXPECT_EQ(RunJuo(0, "aita", "", "aa"), (U{{"a", 1}}));
  // Mixed encodings are never a pair of the tables.
  EXPECT_EQ(RunJuo(1, "k\xE4vi", "k", "\x84y"), U{});
}

TEST(Uo1, OrderOfTheThreeAlternatives) {
  // Found = ending in the list, and the ending is Y + i: (ending, 0), then (Y, 1).
  EXPECT_EQ(RunUo1("ai", "ai"), (U{{"ai", 0}, {"a", 1}}));
  EXPECT_EQ(RunUo1("\x84i", "\x84i"), (U{{"\x84i", 0}, {"\x84", 1}}));
  // ii: Y = i is excluded.
  EXPECT_EQ(RunUo1("ii", "ii"), (U{{"ii", 0}}));
  EXPECT_EQ(RunUo1("ie", "ie"), (U{{"ie", 0}}));
  // Not in the long-vowel list: nothing, even when found = ending.
  EXPECT_EQ(RunUo1("lo", "lo"), U{});
  EXPECT_EQ(RunUo1("ea", "ea"), U{});
  // Found differs: the shortening table.
  EXPECT_EQ(RunUo1("ie", "ei"), (U{{"e", 1}}));
  EXPECT_EQ(RunUo1("y\xF6", "\xF6i"), (U{{"\xF6", 1}}));
  EXPECT_EQ(RunUo1("\x94\x94", "\x94i"), (U{{"\x94", 1}}));
  EXPECT_EQ(RunUo1("aa", "au"), U{});
}

TEST(Uo0, TheLongVowelListInBothEncodings) {
  EXPECT_EQ(long_vowel_list().size(), 31u);  // 24 entries, 7 of them with a: or o: twice
  for (std::string_view pair : {"aa", "ai", "au", "ee", "ei", "eu", "ie", "ii", "iu", "oi", "oo",
                                "ou", "ui", "uo", "uu", "yi", "yy"}) {
    EXPECT_TRUE(uo0(pair)) << pair;
  }
  for (std::string_view pair : {"y\x94", "\x84i", "\x84y", "\x84\x84", "\x94i", "\x94y",
                                "\x94\x94", "y\xF6", "\xE4i", "\xE4y", "\xE4\xE4", "\xF6i",
                                "\xF6y", "\xF6\xF6"}) {
    EXPECT_TRUE(uo0(pair)) << Escaped(pair);
  }
  EXPECT_FALSE(uo0("\x84\xE4"));  // no mixed pairs
  EXPECT_FALSE(uo0("ea"));
  EXPECT_FALSE(uo0("ao"));
  EXPECT_FALSE(uo0("a"));
}

TEST(Uo, ShorteningTable) {
  EXPECT_EQ(uo("aa", "ai"), "a");
  EXPECT_EQ(uo("oo", "oi"), "o");
  EXPECT_EQ(uo("uu", "ui"), "u");
  EXPECT_EQ(uo("yy", "yi"), "y");
  EXPECT_EQ(uo("\x84\x84", "\x84i"), "\x84");
  EXPECT_EQ(uo("\xE4\xE4", "\xE4i"), "\xE4");
  EXPECT_EQ(uo("\x94\x94", "\x94i"), "\x94");
  EXPECT_EQ(uo("\xF6\xF6", "\xF6i"), "\xF6");
  EXPECT_EQ(uo("ie", "ei"), "e");
  EXPECT_EQ(uo("uo", "oi"), "o");
  EXPECT_EQ(uo("y\x94", "\x94i"), "\x94");
  EXPECT_EQ(uo("y\xF6", "\xF6i"), "\xF6");
  EXPECT_EQ(uo("\x84y", "\x84v"), "\x84v");
  EXPECT_EQ(uo("\xE4y", "\xE4v"), "\xE4v");
  EXPECT_EQ(uo("\x84\x84", "\xE4i"), std::nullopt);
  EXPECT_EQ(uo("aa", "aa"), std::nullopt);
  EXPECT_EQ(shortening_table().size(), 14u);
}

TEST(Ms2, HarmonySets) {
  const LetterSet* a = ms2('a');
  ASSERT_NE(a, nullptr);
  for (char c : std::string_view("aeiou")) EXPECT_TRUE(a->contains(c)) << c;
  for (char c : std::string_view("y\x84\xE4\x94\xF6")) EXPECT_FALSE(a->contains(c)) << c;

  const LetterSet* ae = ms2('\x84');
  ASSERT_NE(ae, nullptr);
  for (char c : std::string_view("eiy\x84\x94\xE4\xF6")) EXPECT_TRUE(ae->contains(c)) << c;
  for (char c : std::string_view("aou")) EXPECT_FALSE(ae->contains(c)) << c;

  // a: in Windows-1252, the encoding of the data folder, gives the same set.
  const LetterSet* ae1252 = ms2('\xE4');
  ASSERT_NE(ae1252, nullptr);
  for (int c = 0; c < 256; ++c)
    EXPECT_EQ(ae1252->contains(static_cast<char>(c)), ae->contains(static_cast<char>(c))) << c;
  EXPECT_EQ(ms2('e'), nullptr);
  EXPECT_EQ(ms2('\0'), nullptr);
}

}  // namespace
}  // namespace velimora::inflection
