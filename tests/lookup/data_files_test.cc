// Data file names, reading one numbered line, and resolving index numbers.
#include "session/data_files.h"
#include "datafolder/layout.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "lookup/index_entries.h"
#include "testing/temp_dir.h"

namespace velimora {
namespace {

TEST(Nyfg1, DanishListsLiveUnderFtb) {
  static const struct {
    char letter;
    std::string_view prefix;
  } kCases[] = {{'t', "ftb\\d"}, {'n', "ftb\\d"}, {'r', "ftb\\d"}, {'b', "ftb\\d"},
                {'y', "ftb\\d"}, {'j', "ftb\\d"}, {'i', "fib\\f"}, {'o', "fib\\f"},
                {'c', "fib\\f"}, {'a', "fib\\f"}, {'q', "fib\\f"}, {'\0', "fib\\f"}};
  for (const auto& c : kCases)
    EXPECT_EQ(nyfg1(c.letter), c.prefix) << c.letter;
}

TEST(PartFileName, JoinsPrefixSideLetterAndNumber) {
  EXPECT_EQ(part_file_name("D/", 'i', 12), "D/fib\\fi12.pro");
  EXPECT_EQ(part_file_name("", 't', 3), "ftb\\dt3.pro");
  EXPECT_EQ(part_file_name("", 'o', 0), "fib\\fo0.pro");            // the head file
  EXPECT_EQ(part_file_name("D/", 'i', "012"), "D/fib\\fi012.pro");  // a typed number as it is
}

TEST(RecordFileName, RecordFolderOfTheSide) {
  EXPECT_EQ(record_file_name("D/", 'f', kMainRecordStem), "D/feu\\fe.cns");
  EXPECT_EQ(record_file_name("", 'f', "u12"), "feu\\fu12.cns");
}

TEST(Attri, KindCodeOfTheDictionarySides) {
  EXPECT_EQ(attri('i'), 11);
  EXPECT_EQ(attri('c'), 11);
  EXPECT_EQ(attri('t'), 12);
  EXPECT_EQ(attri('r'), 12);
  EXPECT_EQ(attri('o'), 10);
}

class LesTest : public ::testing::Test {
 protected:
  std::string name(std::string_view relative) { return dir_.prefix() + std::string(relative); }
  testing::TempDir dir_;
  Session s_;
};

TEST_F(LesTest, GivesTheLineAndItsStartPosition) {
  dir_.write("f.pro", "first\r\nsecond\nthird\r");
  static const struct {
    const char* name;
    long n;
    std::string line;
    long position;
  } kCases[] = {
      {"first line", 1, "first", 0},
      {"line after CR LF", 2, "second", 7},
      {"last line without LF keeps its CR", 3, "third\r", 14},
      {"beyond the end", 4, "", 0},
      {"line 0", 0, "", 0},
      {"negative line", -3, "", 0},
  };
  for (const auto& c : kCases) {
    LineAt got = les(s_, name("f.pro"), c.n);
    EXPECT_EQ(got.line, c.line) << c.name;
    EXPECT_EQ(got.position, c.position) << c.name;
  }
}

TEST_F(LesTest, MissingFileOrFolderGivesTheEmptyLine) {
  dir_.write("sub/x.pro", "a\n");
  EXPECT_EQ(les(s_, name("none.pro"), 1).line, "");
  EXPECT_EQ(les(s_, name("sub"), 1).line, "");  // a folder is not a file
  EXPECT_EQ(les(s_, name("sub\\x.pro"), 1).line, "a");
}

TEST_F(LesTest, BytesOfEveryValueAndLongLinesComeBackWhole) {
  std::string all;
  for (int b = 0; b < 256; ++b) {
    if (b != '\n') all += static_cast<char>(b);
  }
  const std::string long_line(200000, 'x');
  dir_.write("f.pro", all + "\n" + long_line + "\n");
  EXPECT_EQ(les(s_, name("f.pro"), 1).line, all);
  EXPECT_EQ(les(s_, name("f.pro"), 2).line, long_line);
}

TEST_F(LesTest, NoticesAFileChangedOnDisk) {
  dir_.write("f.pro", "old\n");
  EXPECT_EQ(les(s_, name("f.pro"), 1).line, "old");
  dir_.write("f.pro", "newer text\n");
  EXPECT_EQ(les(s_, name("f.pro"), 1).line, "newer text");
  std::filesystem::remove(dir_.path() + "/f.pro");
  EXPECT_EQ(les(s_, name("f.pro"), 1).line, "");
}

// Inside a query scope each file is looked at on disk once: later reads of the same query
// see it as it was then; the next scope (and every read outside one) looks again.
TEST_F(LesTest, AQueryScopeLooksAtEachFileOnce) {
  dir_.write("f.pro", "old\n");
  auto f = [&] { return les(s_, name("f.pro"), 1).line; };
  auto g = [&] { return les(s_, name("g.pro"), 1).line; };
  {
    const FileCache::QueryScope query(s_.files);
    EXPECT_EQ(f(), "old");
    EXPECT_EQ(g(), "");
    dir_.write("f.pro", "newer text\n");
    dir_.write("g.pro", "g\n");
    EXPECT_EQ(f(), "old");
    EXPECT_EQ(g(), "");  // still missing for this query
    {
      const FileCache::QueryScope inner(s_.files);  // part of the same query
      EXPECT_EQ(f(), "old");
    }
    EXPECT_EQ(f(), "old");
  }
  {
    const FileCache::QueryScope query(s_.files);
    EXPECT_EQ(f(), "newer text");
    EXPECT_EQ(g(), "g");
    std::filesystem::remove(dir_.path() + "/f.pro");
    EXPECT_EQ(f(), "newer text");
  }
  EXPECT_EQ(f(), "");
  dir_.write("f.pro", "back\n");
  EXPECT_EQ(f(), "back");
}

// A query looks files up in their folder as its path names it then: a folder moved away and
// another put in its place, or removed, shows in the next query.
TEST_F(LesTest, AQueryScopeSeesAFolderReplacedOrRemoved) {
  namespace fs = std::filesystem;
  const std::string sub = dir_.path() + "/sub";
  auto query = [&](std::string_view file) {
    const FileCache::QueryScope scope(s_.files);
    return les(s_, name("sub\\") + std::string(file), 1).line;
  };
  dir_.write("sub/f.pro", "old\n");
  dir_.write("sub/g.pro", "g\n");
  EXPECT_EQ(query("f.pro"), "old");
  fs::rename(sub, dir_.path() + "/moved");
  dir_.write("sub/f.pro", "new text\n");
  EXPECT_EQ(query("f.pro"), "new text");
  EXPECT_EQ(query("g.pro"), "");  // not in the folder that now has the name
  fs::remove_all(sub);
  EXPECT_EQ(query("f.pro"), "");
  dir_.write("sub/f.pro", "back\n");
  EXPECT_EQ(query("f.pro"), "back");
}

// A file asked for by number is the file of its name as the query first saw it; the name is
// built once per prefix, not again in later queries.
TEST_F(LesTest, AFileAskedForByNumberIsTheFileOfItsNameInThatQuery) {
  int built = 0;
  auto by_number = [&](std::string_view prefix, std::string_view file) {
    std::shared_ptr<const CachedFile> got = s_.files.get(prefix, 7, [&] {
      ++built;
      return name(file);
    });
    return got == nullptr ? std::string("none") : std::string(got->line(1));
  };
  dir_.write("f.pro", "old\n");
  dir_.write("g.pro", "g\n");
  {
    const FileCache::QueryScope query(s_.files);
    EXPECT_EQ(by_number("B", "g.pro"), "g");  // another prefix: another file
    EXPECT_EQ(by_number("A", "f.pro"), "old");
    dir_.write("f.pro", "newer text\n");
    EXPECT_EQ(by_number("A", "f.pro"), "old");
    EXPECT_EQ(built, 2);
  }
  {
    const FileCache::QueryScope query(s_.files);
    EXPECT_EQ(by_number("A", "f.pro"), "newer text");
    EXPECT_EQ(built, 2);
  }
  std::filesystem::remove(dir_.path() + "/f.pro");
  EXPECT_EQ(by_number("A", "f.pro"), "none");  // outside a scope: as on disk now
}

TEST(CachedFile, CutsLinesAsTheLineReaderDoes) {
  static const struct {
    std::string bytes;
    std::vector<std::string> lines;
  } kCases[] = {
      {"", {}},
      {"\n", {""}},
      {"a\r\n\r\n\nb", {"a", "", "", "b"}},
      {"a\rb\r\n", {"a\rb"}},  // a CR inside a line stays
      {"last\r", {"last\r"}},
      {"x\ny\r\n", {"x", "y"}},
  };
  for (const auto& c : kCases) {
    const CachedFile file(c.bytes);
    std::vector<std::string> got;
    for (std::size_t n = 1; n <= file.line_count(); ++n)
      got.emplace_back(file.line(n));
    EXPECT_EQ(got, c.lines) << ::testing::PrintToString(c.bytes);
  }
}

TEST(CachedFile, KeysAscendWhenNoLineIsBelowTheOneBefore) {
  static const struct {
    const char* name;
    std::string bytes;
    bool ascending;
  } kCases[] = {
      {"in order", "aamu\nkala\ntalo\n", true},
      {"one pair out of order", "aamu\ntalo\nkala\n", false},
      {"equal lines", "kala\nkala\n", true},
      {"a leading quote is not part of the key", "\"kala\ntalo\n\"tuli\n", true},
      {"a quoted key below the one before", "kala\n\"aamu\n", false},
      {"bytes compare unsigned", "\xE4iti\nzebra\n", false},
      {"line ends are not part of the key", "a\r\na\n", true},
      {"empty file", "", true},
      {"one line", "x", true},
  };
  for (const auto& c : kCases)
    EXPECT_EQ(CachedFile(c.bytes).keys_ascending(), c.ascending) << c.name;
}

class IndexTest : public ::testing::Test {
 protected:
  void SetUp() override {
    s_.startup.u0.add({3, 5, "", "", 0, 70});
    s_.startup.u2.add({3, 1002, "", "", 0, 72});
    s_.startup.u4.add({3, 7, "", "", 0, 74});
    s_.startup.u1.add({3, 3, 9, "", "", 0, 71});
    s_.startup.u1.add({3, 6, 9, "", "", 0, 76});
    dir_.write("feu/fu20.cns", "0\n0\n0\n0\n,talo|koti[hus*x\n");
    dir_.write("feu/fu22.cns", "0\nkala|fisk\n");
    dir_.write("feu/fu24.cns", "0\n0\n0\n0\n0\n0\nsana|ord*tail>x\n");
    dir_.write("feu/fu21.cns", "\n\n\n\n\n\n\n\nuusi|ny[nyt*>uusi y\nyksi\n");
  }
  std::string d() const { return dir_.prefix(); }
  testing::TempDir dir_;
  Session s_;
};

TEST_F(IndexTest, FmbCutsTheIndexLine) {
  static const struct {
    const char* name;
    int n;
    int kind;
    int value;
    std::string first, second, third, tail;
  } kCases[] = {
      {"kind 0, comma kept", 5, 0, 70, ",talo", "koti", "hus", "x"},
      {"kind 2 reads line n mod 1000 of fu22", 1002, 2, 72, "kala", "fisk", "", ""},
      {"kind 4 with tail", 7, 4, 74, "sana", "ord", "", "tail>x"},
      {"kind 3 takes u1 and fu21", 9, 3, 71, "uusi", "ny", "nyt", ">uusi y"},
      {"kind 6 takes its own u1 row", 9, 6, 76, "uusi", "ny", "nyt", ">uusi y"},
  };
  for (const auto& c : kCases) {
    std::optional<IndexLine> got = fmb(s_, d(), 'f', c.n, c.kind);
    ASSERT_TRUE(got) << c.name;
    EXPECT_EQ(got->value, c.value) << c.name;
    EXPECT_EQ(got->first_raw, c.first) << c.name;
    EXPECT_EQ(got->second, c.second) << c.name;
    EXPECT_EQ(got->third, c.third) << c.name;
    EXPECT_EQ(got->tail, c.tail) << c.name;
  }
}

TEST_F(IndexTest, FmbFailsWithoutARowAndReadsNothingForABlankSide) {
  EXPECT_FALSE(fmb(s_, d(), 'f', 6, 0));
  EXPECT_FALSE(fmb(s_, d(), 'f', 9, 5));  // u1 has key 9 only for kinds 3 and 6
  std::optional<IndexLine> blank = fmb(s_, d(), ' ', 12345, 0);
  ASSERT_TRUE(blank);
  EXPECT_EQ(blank->value, 0);
  EXPECT_EQ(blank->first_raw, "");
}

TEST_F(IndexTest, FmbOfAMissingFileGivesEmptyTexts) {
  s_.startup.u0.add({3, 8, "", "", 0, 1});
  dir_.write("feu/fu20.cns", "");
  std::optional<IndexLine> got = fmb(s_, d(), 'f', 8, 0);
  ASSERT_TRUE(got);
  EXPECT_EQ(got->first_raw, "");
  EXPECT_EQ(got->tail, "");
}

TEST_F(IndexTest, FindTakesTheCommaOffAndUsesStForNegativeNumbers) {
  std::optional<IndexEntry> e = find(s_, d(), 'f', 0, 5);
  ASSERT_TRUE(e);
  EXPECT_EQ(e->first, "talo");
  EXPECT_EQ(e->second, "koti");
  EXPECT_EQ(e->third, "hus");
  StemHitRow hit;
  hit.seq = -5;
  hit.score2 = 10040;
  hit.form = "talo";
  hit.extra1 = "a";
  hit.extra2 = "b";
  s_.q.st.add(hit);
  std::optional<IndexEntry> neg = find(s_, "/nonexistent/", 'f', 0, -5);
  ASSERT_TRUE(neg);
  EXPECT_EQ(neg->value, 10040);
  EXPECT_EQ(neg->first, "talo");
  EXPECT_EQ(neg->second, "a");
  EXPECT_EQ(neg->third, "b");
  EXPECT_FALSE(find(s_, d(), 'f', 0, -6));
}

}  // namespace
}  // namespace velimora
