// The word-list search: choosing parts by their first keys, reading them between the bounds,
// and storing hits.
#include "wordlists/list_search.h"

#include <gtest/gtest.h>

#include "session/output_buffer.h"
#include "tables/record_registry.h"
#include "testing/list_folder.h"
#include "wordlists/hit_store.h"

namespace velimora {
namespace {

TEST(Tnr, BoundsOfTheWordAndOfAKeyPrefix) {
  static const struct {
    const char* name;
    int k;
    int flag;
    const char* key;
    const char* word;
    const char* x;
    bool passes;
  } kCases[] = {
      {"word line below the upper bound", 3, 1, "", "talo", "talo i1,1 0", true},
      {"longer word above", 3, 1, "", "talo", "talot i1,1 0", false},
      {"bare word below", 3, 1, "", "talo", "talo", true},
      {"bare word not above the lower bound", 6, 1, "", "talo", "talo", false},
      {"word line above the lower bound", 6, 1, "", "talo", "talo i", true},
      {"smaller word", 6, 1, "", "talo", "tal", false},
      {"key prefix below FE", 3, 0, "ta", "", "tal\xFF", true},
      {"key prefix with FE", 3, 0, "ta", "", "ta\xFE", false},
      {"other key", 3, 0, "ta", "", "tb", false},
      {"key itself not above", 6, 0, "ta", "", "ta", false},
      {"longer than the key", 6, 0, "ta", "", "taa", true},
      {"bytes compare unsigned", 3, 1, "", "a", "\xE4", false},
      {"unknown bound", 4, 1, "", "a", "a", false},
  };
  for (const auto& c : kCases)
    EXPECT_EQ(tnr(c.k, c.flag, c.key, c.word, c.x), c.passes) << c.name;
}

TEST(Pq, ListFilterRows) {
  static const struct {
    int k, a, b;
    const char* passing;
  } kCases[] = {
      {0, 0, 0, "iosaqwtnby"},
      {0, 0, 1, "on"},
      {0, 0, 2, "on"},
      {0, 0, 7, "on"},
      {0, 0, 4, "s"},
      {0, 0, 5, "y"},
      {0, 1, 1, "ios"},
      {0, 1, 0, "iocs"},
      {0, 2, 0, "tnry"},
      {1, 0, 1, "ic"},
      {1, 0, 2, "tr"},
      {1, 1, 0, "iocsaqtnrybw"},
      {6, -1, 0, "a"},
      {6, -3, 0, "b"},
      {6, -2, 0, "iocsqtnryw"},
      {7, 3, 0, ""},
      {7, 3, 1, "iocsaqtnrybw"},
      {7, 0, 0, "iocsaqtnrybw"},
      {0, 0, 3, "iocsaqtnrybw"},
  };
  for (const auto& c : kCases) {
    std::string got;
    for (char l : std::string_view("iocsaqtnrybw")) {
      if (pq(c.k, c.a, c.b, l)) got += l;
    }
    std::string want = c.passing;
    std::sort(want.begin(), want.end());
    std::sort(got.begin(), got.end());
    EXPECT_EQ(got, want) << c.k << " " << c.a << " " << c.b;
  }
}

TEST(Pqt, StemPrefixOnlyOnTheLanguagesOwnDictionarySides) {
  EXPECT_EQ(pqt(1, 'i'), 0);
  EXPECT_EQ(pqt(1, 'c'), 0);
  EXPECT_EQ(pqt(2, 't'), 0);
  EXPECT_EQ(pqt(2, 'r'), 0);
  EXPECT_EQ(pqt(1, 't'), 1);
  EXPECT_EQ(pqt(0, 'i'), 1);
  EXPECT_EQ(pqt(1, 'o'), 1);
}

class ListSearchTest : public ::testing::Test {
 protected:
  void start(std::string records = "") {
    folder_ = std::make_unique<testing::ListFolder>(std::move(records));
  }
  // A plain look-up of the word in display mode 0; gives the text it wrote.
  std::string search(std::string_view word, int selector = 0, int reverse = -2) {
    folder_->write();
    s_.startup = StartupTables{};
    Status st = load_startup_records(folder_->prefix() + "feu/fe.cns", s_.startup);
    EXPECT_TRUE(st.ok()) << st.error();
    s_.q.clear_lookup_tables();
    s_.q.ns.add(0);
    plain_search(s_, selector, reverse, word, 1, folder_->prefix());
    return nystr(s_, "");
  }
  std::vector<HitRow> hits() const { return {s_.q.f4.begin(), s_.q.f4.end()}; }
  // Searches talo in part o5 holding `lines`: the hits it stores and the last line it counts.
  void expect_talo_read(const char* name, const std::vector<std::string>& lines,
                        const std::vector<HitRow>& expected, int last_line) {
    start();
    s_.q.f4.clear();
    s_.q.lqn.clear();
    folder_->part('o', 5, lines);
    search("talo", 1);
    EXPECT_EQ(hits(), expected) << name;
    EXPECT_TRUE(s_.q.lqn.any([&](const LastLineRow& r) {
      return r.letter == 'o' && r.part == 5 && r.line == last_line;
    })) << name;
  }

  std::unique_ptr<testing::ListFolder> folder_ = std::make_unique<testing::ListFolder>();
  Session s_;
};

constexpr const char* kLookedIn = " looked in (double click / tap) :";

TEST_F(ListSearchTest, PlainLookupNamesThePartsAndStoresTheHits) {
  folder_->part('o', 5, {"kala i3,1 0", "talo i12,345 0", "talo i12,345 2", "talot i12,346 0"});
  folder_->part('o', 6, {"tuli i14,1 0"});
  folder_->part('s', 1, {"talo t3,4 1"});
  folder_->part('y', 1, {"talo i12,345 0"});
  folder_->part('n', 3, {"hus t1,1 0"});
  // n3 may hold every word after "hus": its next part has no key below the word.
  EXPECT_EQ(search("talo"), std::string(kLookedIn) + " o5 s1 n3 y1\n");
  EXPECT_EQ(hits(), (std::vector<HitRow>{{16, 'i', 12, 345, 0},
                                         {16, 'i', 12, 345, 2},
                                         {17, 't', 3, 4, 1},
                                         {18, 'i', 12, 345, 0}}));
  ASSERT_TRUE(s_.q.lqn.any(
      [](const LastLineRow& r) { return r.letter == 'o' && r.part == 5 && r.line == 3; }));
}

// A part in key order is bisected, one out of order read line by line: both give every hit of
// the word and count the lines up to the first one above it.
TEST_F(ListSearchTest, PartsInAndOutOfKeyOrderGiveTheSameHits) {
  static const struct {
    const char* name;
    std::vector<std::string> lines;
    int last_line;
  } kCases[] = {
      {"in key order",
       {"aamu i1,1 0", "kala i1,2 0", "talo i12,345 0", "talo i12,345 2", "talot i12,346 0",
        "tuli i1,9 0"},
       4},
      {"the word on the first line", {"talo i12,345 0", "talo i12,345 2", "tuli i1,9 0"}, 2},
      {"out of order", {"talo i12,345 0", "aamu i1,1 0", "talo i12,345 2", "kala i1,2 0"}, 4},
      {"quoted keys in order", {"\"kala i1,2 0", "talo i12,345 0", "\"talo i12,345 2"}, 3},
  };
  for (const auto& c : kCases)
    expect_talo_read(c.name, c.lines, {{16, 'i', 12, 345, 0}, {16, 'i', 12, 345, 2}},
                     c.last_line);
}

// The bounds end the reading of a part at its first line above the word: in key order that
// is where the run of the word's lines ends; out of order the lines behind it are not read.
TEST_F(ListSearchTest, FirstLineAboveTheWordEndsThePart) {
  static const struct {
    const char* name;
    std::vector<std::string> lines;
    std::vector<HitRow> hits;
    int last_line;
  } kCases[] = {
      {"in key order",
       {"kala i1,2 0", "talo i12,345 0", "tuli i1,9 0", "tuli i1,10 0"},
       {{16, 'i', 12, 345, 0}},
       2},
      {"out of order",
       {"talo i12,345 0", "tuli i1,9 0", "talo i12,345 2"},
       {{16, 'i', 12, 345, 0}},
       1},
      {"every line the word's",
       {"talo i12,345 0", "talo i12,345 2"},
       {{16, 'i', 12, 345, 0}, {16, 'i', 12, 345, 2}},
       2},
  };
  for (const auto& c : kCases) expect_talo_read(c.name, c.lines, c.hits, c.last_line);
}

TEST_F(ListSearchTest, OtherDisplayModesSearchTheirListsSilently) {
  folder_->part('o', 5, {"talo i12,345 2"});
  folder_->part('s', 2, {"talo t3,4 1"});
  folder_->part('y', 9, {"talo i12,345 0"});
  EXPECT_EQ(search("talo", 1), "");
  EXPECT_EQ(hits(), (std::vector<HitRow>{{16, 'i', 12, 345, 2}}));
  s_.q.f4.clear();
  EXPECT_EQ(search("talo", 4), "");
  EXPECT_EQ(hits(), (std::vector<HitRow>{{16, 't', 3, 4, 1}}));
  s_.q.f4.clear();
  EXPECT_EQ(search("talo", 5), "");
  EXPECT_EQ(hits(), (std::vector<HitRow>{{16, 'i', 12, 345, 0}}));
}

TEST_F(ListSearchTest, WordBeforeTheFirstKeySelectsNoPart) {
  folder_->part('o', 1, {"kala i1,1 0"});
  EXPECT_EQ(search("aamu"), std::string(kLookedIn) + "\n");
  EXPECT_TRUE(hits().empty());
}

TEST_F(ListSearchTest, LastPartIsChosenWhenItsKeyIsBelow) {
  folder_->part('r', 3, {"hus r3,1 0"});
  EXPECT_EQ(search("zebra"), std::string(kLookedIn) + "\n");  // r is not a plain-lookup list
  folder_->part('y', 156, {"abe i1,1 0"});
  EXPECT_EQ(search("zebra"), std::string(kLookedIn) + " y156\n");
}

TEST_F(ListSearchTest, MissingHeadFileLeavesOnlyTheLastPart) {
  folder_->part('o', 199, {"talo i1,1 0"});
  folder_->write();
  std::filesystem::remove(folder_->dir().path() + "/fib/fo0.pro");
  s_.q.ns.add(0);
  plain_search(s_, 0, -2, "talo", 1, folder_->prefix());
  // The other lists have head files whose keys lie above the word.
  EXPECT_EQ(nystr(s_, ""), std::string(kLookedIn) + " o199\n");
  EXPECT_EQ(hits(), (std::vector<HitRow>{{16, 'i', 1, 1, 0}}));
}

TEST_F(ListSearchTest, BareWordLineIsOutsideTheRange) {
  folder_->part('o', 5, {"talo", "talo i1,1 0"});
  search("talo");
  EXPECT_EQ(hits(), (std::vector<HitRow>{{16, 'i', 1, 1, 0}}));
}

TEST_F(ListSearchTest, PartsReadInFullAreNotNamedAndDropTheirIndexLines) {
  start("fi('o', 7)\nfi('i', 2)\n");
  folder_->part('o', 7, {"aamu i2,1 0", "talo i1,1 0"});
  folder_->part('o', 8, {"talo i2,5 0", "talo i3,5 0"});
  EXPECT_EQ(search("talo"), std::string(kLookedIn) + " o8\n");
  // o8's line into i2 (read in full anyway) is dropped; o7 is read whole.
  EXPECT_EQ(hits(), (std::vector<HitRow>{{16, 'i', 1, 1, 0}, {16, 'i', 3, 5, 0}}));
}

TEST_F(ListSearchTest, ReverseQueryReadsOnlyItsReverseList) {
  folder_->part('a', 40, {"olas", "olat", "olau"});
  folder_->part('b', 2, {"olat"});
  folder_->part('o', 100, {"olat i1,1 0"});
  EXPECT_EQ(search("olat", 0, -1), std::string(kLookedIn) + " a40\n");
  EXPECT_TRUE(hits().empty());
  EXPECT_TRUE(s_.q.lqn.any([](const LastLineRow& r) { return r.letter == 'a' && r.line == 2; }));
  EXPECT_EQ(search("olat", 0, -3), std::string(kLookedIn) + " b2\n");
}

TEST_F(ListSearchTest, HitLimitPerLetterAndKind) {
  std::vector<std::string> lines;
  for (int i = 1; i <= 103; ++i)
    lines.push_back("talo i1," + std::to_string(1000 + i) + " 0");
  lines.push_back("talo t1,1 0");
  folder_->part('o', 5, lines);
  s_.q.len0 = WordLimitRow{"", 100};
  search("talo");
  EXPECT_EQ(s_.q.f4.size(), 101u);  // 100 of i, and the one of t
  s_.q.f4.clear();
  s_.q.len0->limit = 2;
  search("talo");
  EXPECT_EQ(hits(), (std::vector<HitRow>{
                        {16, 'i', 1, 1001, 0}, {16, 'i', 1, 1002, 0}, {16, 't', 1, 1, 0}}));
  s_.q.f4.clear();
  s_.q.len0->limit = 0;
  search("talo");
  EXPECT_TRUE(hits().empty());
}

TEST_F(ListSearchTest, UnparsableLinesAndBytesOfEveryValueAreSkipped) {
  std::string junk;
  for (int b = 1; b < 256; ++b) {
    if (b != '\n' && b != '\r') junk += static_cast<char>(b);
  }
  folder_->part('o', 5,
                {"talo", "talo ", "talo x", "talo i", "talo i12", "talo i12,", "talo i12,3",
                 "talo i12,3 ", "talo i12,x 1", "talo i1.5,3 1", "talo " + junk,
                 "talo " + std::string(100000, 'i'), "talo i12,3_4", "talo i12;3 5 x"});
  search("talo");
  EXPECT_EQ(hits(), (std::vector<HitRow>{{16, 'i', 12, 3, 4}, {16, 'i', 12, 3, 5}}));
}

TEST_F(ListSearchTest, MissingPartFileIsSkipped) {
  folder_->part('o', 1, {"talo i1,1 0"});
  folder_->write();
  std::filesystem::remove(folder_->dir().path() + "/fib/fo1.pro");
  s_.q.ns.add(0);
  plain_search(s_, 0, -2, "talo", 1, folder_->prefix());
  EXPECT_EQ(nystr(s_, ""), std::string(kLookedIn) + " o1\n");
  EXPECT_TRUE(hits().empty());
}

TEST_F(ListSearchTest, StemSearchStoresAnalysisHitsWithSequenceAndAnchor) {
  folder_->part('i', 30, {"taide  konst", "talo  hus", "talvi  vinter"});
  folder_->write();
  s_.q.ns.add(0);
  s_.q.stt.add({1, "tal", 0});
  s_.q.stt.add({2, "talo", 1});
  stem_search(s_, 0, 3, "talossa", "talossa", 1, folder_->prefix());
  EXPECT_EQ(nystr(s_, ""), "");  // a stem search writes no "looked in" line
  ASSERT_FALSE(s_.q.st.empty());
  const StemHitRow& first = s_.q.st.front();
  EXPECT_EQ(first.seq, -1);
  EXPECT_EQ(first.anchor, -1);
  EXPECT_EQ(first.stem, "tal");
  EXPECT_EQ(first.letter, 'i');
  EXPECT_EQ(first.part, 30);
  EXPECT_EQ(first.line, 2);
  for (std::size_t i = 0; i < s_.q.st.size(); ++i) {
    EXPECT_EQ(s_.q.st[i].seq, -static_cast<int>(i) - 1);
    EXPECT_TRUE(std::string_view("talossa").starts_with(s_.q.st[i].stem));
  }
  // Group 2 read the part again between its own bounds; its hits were stored already.
  EXPECT_EQ(s_.q.tn.size(), 2u);
  EXPECT_EQ(s_.q.st.size(), 1u);
}

// The plain and the stem search of one split point choose the same parts: kept from the
// first, they give the second what choosing afresh gives; a search of another word chooses its
// own parts.
TEST_F(ListSearchTest, KeptPartsGiveWhatChoosingAfreshGives) {
  folder_->part('i', 30, {"taide  konst", "talo  hus", "talvi  vinter"});
  folder_->part('o', 5, {"talossa i30,2 0", "tulessa i31,1 0"});
  folder_->write();
  // Runs the searches in turn, keeping the parts or not; what they stored and counted.
  auto run = [&](std::vector<std::pair<int, std::string_view>> searches, bool keep) {
    Session s;
    s.q.ns.add(0);
    s.q.stt.add({1, "t", 0});
    s.q.stt.add({2, "talossa", 1});
    ChosenParts kept;
    for (const auto& [analysis, word] : searches) {
      tnr1(s,
           {.analysis = analysis,
            .word = word,
            .form_flag = 0,
            .query = word,
            .number = 1,
            .data_prefix = folder_->prefix()},
           keep ? &kept : nullptr);
    }
    std::string out;
    for (const HitRow& h : s.q.f4)
      out += "f4 " + std::to_string(h.code) + h.letter + std::to_string(h.file) + "\n";
    for (const StemHitRow& h : s.q.st)
      out += "st " + h.stem + " " + h.letter + std::to_string(h.line) + "\n";
    for (const ChosenPartRow& r : s.q.tn)
      out += "tn " + std::to_string(r.group) + r.letter + std::to_string(r.part) + "\n";
    for (const LastLineRow& r : s.q.lqn)
      out += "lqn " + std::string(1, r.letter) + std::to_string(r.part) + ":" +
             std::to_string(r.line) + "\n";
    return out;
  };
  static const struct {
    const char* name;
    std::vector<std::pair<int, std::string_view>> searches;
  } kCases[] = {
      {"plain, then stems", {{0, "talossa"}, {1, "talossa"}}},
      {"stems, then plain", {{1, "talossa"}, {0, "talossa"}}},
      {"another word", {{0, "talossa"}, {0, "tulessa"}}},
  };
  for (const auto& c : kCases) {
    const std::string fresh = run(c.searches, false);
    EXPECT_NE(fresh.find("f4 "), std::string::npos) << c.name;
    EXPECT_EQ(run(c.searches, true), fresh) << c.name;
  }
}

EntryHit make_hit(int kind, std::string stem = "", int score = 0, int score2 = 0) {
  EntryHit h;
  h.kind = kind;
  h.stem = std::move(stem);
  h.mark = "o  ";
  h.score = score;
  h.score2 = score2;
  return h;
}

TEST(Samme, AnalysisHitsAnchorToTheFirstRowOfTheirLine) {
  Session s;
  s.q.ns.add(0);
  EntryHit a = make_hit(4, "tal", 9023, 10000);
  EntryHit b = a;
  b.score = 9050;
  samme(s, 1, "talossa", {'i', 1, 2, 0}, a);
  samme(s, 1, "talossa", {'i', 1, 3, 0}, a);
  samme(s, 1, "talossa", {'i', 1, 2, 0}, b);
  samme(s, 1, "talossa", {'i', 1, 2, 0}, a);  // equal: dropped
  EntryHit c = a;
  c.score2 = 10040;
  samme(s, 1, "talossa", {'i', 1, 2, 0}, c);  // `maksi`: same but for the secondary score
  samme(s, 1, "kalassa", {'i', 1, 2, 0}, b);  // the query does not begin with the stem
  ASSERT_EQ(s.q.st.size(), 3u);
  EXPECT_EQ(s.q.st[2].seq, -3);
  EXPECT_EQ(s.q.st[2].anchor, -1);
  EXPECT_EQ(s.q.st[1].anchor, -2);
  EXPECT_EQ(s.q.ns.front(), -3);
}

TEST(Samme, IndexListAnalysisHitsDifferBySecondaryScore) {
  Session s;
  s.q.ns.add(0);
  EntryHit a = make_hit(4, "tal", 9023, 10000);
  EntryHit c = a;
  c.score2 = 10040;
  samme(s, 1, "talo", {'q', 1, 2, 0}, a);
  samme(s, 1, "talo", {'q', 1, 2, 0}, c);
  EXPECT_EQ(s.q.st.size(), 2u);
}

TEST(Samme, PlainHitsNeedAKindAboveNineAndAreNotRepeated) {
  Session s;
  samme(s, 0, "", {'i', 1, 2, 0}, make_hit(9));
  samme(s, 0, "", {'i', 1, 2, 0}, make_hit(16));
  samme(s, 0, "", {'i', 1, 2, 0}, make_hit(16));
  ASSERT_EQ(s.q.f4.size(), 1u);
  ASSERT_EQ(s.q.ntq1.size(), 1u);
  EXPECT_EQ(s.q.ntq1.front().count, 1);
  EXPECT_EQ(s.q.ntq1.front().limit, 100);  // without a len0 row
}

}  // namespace
}  // namespace velimora
