// Query forms that name a dictionary file (a lexicon window) or one dictionary line.
#include "shell/file_view.h"

#include <gtest/gtest.h>

#include <vector>

#include "shell/driver.h"
#include "shell/startup.h"
#include "testing/temp_dir.h"

namespace velimora {
namespace {

class RecordingFrontend : public Frontend {
 public:
  void open_lexicon(const LexiconRequest& r) override { opened.push_back(r); }
  std::vector<LexiconRequest> opened;
};

class FileViewTest : public ::testing::Test {
 protected:
  void SetUp() override {
    dir_.write("feu/fe.cns", "kh(1000)\npos(\"fib\\\\fi7.pro\", 0, 42)\n");
    dir_.write("fib/fi5.pro", "aamu  morgen\ntalo  hus\n");
    dir_.write("fib/fi7.pro", "x\n");
    dir_.write("fib/fi12.pro", "a  b\r\n");
    dir_.write("ftb/dt3.pro",
               "hus 1 talo\r\nk\xF8"
               "d 1 liha\r\nbil auto\r\n");
    dir_.write("fib/fi0.pro", "aamu\ntalo\n");
    ASSERT_TRUE(go1(s_, dir_.prefix(), "").ok);
    s_.frontend = &front_;
  }
  std::optional<LexiconRequest> view(std::string_view key, int level = 0) {
    front_.opened.clear();
    if (!show_file_view(s_, 0, level, dir_.prefix(), key)) return std::nullopt;
    EXPECT_EQ(front_.opened.size(), 1u) << key;
    return front_.opened.empty() ? std::nullopt : std::optional(front_.opened.back());
  }

  testing::TempDir dir_;
  Session s_;
  RecordingFrontend front_;
};

TEST_F(FileViewTest, OpensTheWholeFileWithTitleAndCaret) {
  static const struct {
    const char* key;
    std::string title;
    int caret;
  } kCases[] = {
      {"i5", " dictionary : i5  I = Finnish-Danish dictionary", 1},
      {"i5,2", " dictionary : i5,2  I = Finnish-Danish dictionary", 14},
      {"i5,3", " dictionary : i5,3  I = Finnish-Danish dictionary", 1},  // beyond the end
      {"t3,2", " dictionary : t3,2  T = Danish-Finnish dictionary", 12},
      {"t3,3", " dictionary : t3,3  T = Danish-Finnish dictionary", 23},
      {"i7", " dictionary : i7  I = Finnish-Danish dictionary", 43},  // its `pos` record
      {"i0", " dictionary : i0 = index file; line no. N = first line in file iN", 1},
  };
  for (const auto& c : kCases) {
    std::optional<LexiconRequest> got = view(c.key);
    ASSERT_TRUE(got) << c.key;
    EXPECT_EQ(got->title, c.title) << c.key;
    EXPECT_EQ(got->caret, c.caret) << c.key;
  }
  EXPECT_EQ(view("i5")->text, "aamu  morgen\ntalo  hus\n");
  EXPECT_EQ(view("t3", 1)->level, 1);
}

TEST_F(FileViewTest, OtherKeysAreNoFileView) {
  static const char* const kKeys[] = {
      "m3",   // m is not a list letter of the viewer
      "i6",   // no such file
      "I5",   // the last lookup recorded no line of i5
      "i-5",  // negative number
      "i99999999999999999999",
      "i5,0",  // line out of 1 … 999
      "i5,1000",
      "i 5",
      "i5x",
      "",
      "\xFF\xFE",
  };
  for (const char* key : kKeys)
    EXPECT_FALSE(view(key)) << key;
}

TEST_F(FileViewTest, TypedListLetterUsesTheLineOfTheLastLookup) {
  s_.q.lqn.add({'i', 5, 2});
  std::optional<LexiconRequest> got = view("I5");
  ASSERT_TRUE(got);
  EXPECT_EQ(got->title, " dictionary : i5,2  I = Finnish-Danish dictionary");
  EXPECT_EQ(got->caret, 14);
  s_.q.lqn.add({'t', 3, 3});
  EXPECT_EQ(view("T3")->caret, 23);
}

TEST_F(FileViewTest, FposCountsEachLineBreakAsOneCharacter) {
  EXPECT_EQ(fpos(s_, dir_.prefix(), dir_.prefix() + "ftb\\dt3.pro", 2), 11);
  EXPECT_EQ(fpos(s_, dir_.prefix(), dir_.prefix() + "fib\\fi5.pro", 2), 13);
  EXPECT_EQ(fpos(s_, dir_.prefix(), dir_.prefix() + "fib\\fi5.pro", 9), 0);
  EXPECT_EQ(fpos(s_, dir_.prefix(), dir_.prefix() + "fib\\fi7.pro", 0), 42);
  EXPECT_EQ(fpos(s_, dir_.prefix(), dir_.prefix() + "fib\\none.pro", 0), 0);
}

TEST(Vnn, NumberAndLine) {
  static const struct {
    const char* rest;
    std::optional<std::pair<std::string, int>> out;
  } kCases[] = {
      {"12,40", std::pair<std::string, int>{"12", 40}},
      {"12,999", std::pair<std::string, int>{"12", 999}},
      {"12", std::pair<std::string, int>{"12", 0}},
      {"", std::pair<std::string, int>{"", 0}},
      {"  ", std::pair<std::string, int>{"", 0}},
      {"12,0", std::nullopt},
      {"12,x", std::nullopt},
      {",4", std::nullopt},
      {"-1", std::nullopt},
  };
  for (const auto& c : kCases) {
    std::optional<ViewNumber> got = vnn(c.rest);
    ASSERT_EQ(got.has_value(), c.out.has_value()) << c.rest;
    if (!got) continue;
    EXPECT_EQ(got->number, c.out->first) << c.rest;
    EXPECT_EQ(got->line, c.out->second) << c.rest;
  }
}

TEST(Forklar, DescriptionsOfTheLists) {
  EXPECT_EQ(forklar('m', "3"), "  second part of Finnish compounds");
  EXPECT_EQ(forklar('j', "3"), "  second part of Danish compounds");
  EXPECT_EQ(forklar('q', "3"), "");
  EXPECT_EQ(forklar('t', "0"), " = index file; line no. N = first line in file tN");
  EXPECT_EQ(u2l(0), "");
  EXPECT_EQ(u2l(40), ",40");
}

TEST(LineReferenceKey, ReadsFileLineAndSense) {
  static const struct {
    const char* key;
    std::optional<LineReferenceKey> out;
  } kCases[] = {
      {"i12:345_2", LineReferenceKey{'i', 12, 345, 2}},
      {"t3;4", LineReferenceKey{'t', 3, 4, 0}},
      {"i12:345_x", LineReferenceKey{'i', 12, 345, 0}},
      {"i12:345_0", LineReferenceKey{'i', 12, 345, 0}},
      {"i12;3:4", std::nullopt},  // ";" cuts first: "3:4" is no line number
      {"i0:5", std::nullopt},
      {"i5:0", std::nullopt},
      {"i-5:3", std::nullopt},
      {"i5:-3", std::nullopt},
      {"i5:99999999999", std::nullopt},
      {"o5:3", std::nullopt},
      {"i5", std::nullopt},
      {"i:3", std::nullopt},
  };
  for (const auto& c : kCases) {
    std::optional<LineReferenceKey> got = line_reference_key(c.key);
    ASSERT_EQ(got.has_value(), c.out.has_value()) << c.key;
    if (!got) continue;
    EXPECT_EQ(got->letter, c.out->letter) << c.key;
    EXPECT_EQ(got->file, c.out->file) << c.key;
    EXPECT_EQ(got->line, c.out->line) << c.key;
    EXPECT_EQ(got->sense, c.out->sense) << c.key;
  }
}

TEST_F(FileViewTest, LineReferenceAppendsTheFormattedLine) {
  dir_.write("fib/fi12.pro", std::string(344, '\n') + "aamu morgen | +lla om morgenen\n");
  EXPECT_EQ(go2(s_, "i12:345_2"), "  suomi:  (i12;345 2)  >aamulla om morgenen\n\n");
  EXPECT_EQ(go2(s_, "t3;2"),
            "  dansk:  (t3,2) >k\xF8"
            "d 1 liha\n\n");
  EXPECT_EQ(go2(s_, "i12:999"), "  suomi:  (i12,999) >\n\n");  // a missing line is empty
  EXPECT_TRUE(front_.opened.empty());
}

TEST_F(FileViewTest, ThroughTheDriverAViewShowsNothingInTheResults) {
  EXPECT_FALSE(go2(s_, "i5,2"));
  ASSERT_EQ(front_.opened.size(), 1u);
  EXPECT_EQ(front_.opened[0].caret, 14);
  EXPECT_EQ(go2(s_, "-t3"), std::nullopt);
  EXPECT_EQ(front_.opened.back().level, 1);
}

}  // namespace
}  // namespace velimora
