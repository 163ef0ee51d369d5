// What the compiler reports for broken sources, and that a broken build leaves no folder.
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <string>

#include "mkdata/compiler.h"
#include "testing/temp_dir.h"
#include "tools/mkdata_testing.h"

namespace velimora::mkdata {
namespace {

Diagnostics compile_folder(const velimora::testing::TempDir& dir) {
  Diagnostics diag;
  Sources s = read_sources(dir.path(), "", diag);
  if (!diag.failed()) compile(s, diag);
  return diag;
}

bool mentions(const Diagnostics& d, const std::string& text) {
  for (const std::string& e : d.errors()) {
    if (e.find(text) != std::string::npos) return true;
  }
  return false;
}

std::string all_errors(const Diagnostics& d) {
  std::string s;
  for (const std::string& e : d.errors())
    s += e + "\n";
  return s;
}

TEST(SourceErrors, NameTheFileAndTheLine) {
  static const struct {
    const char* name;
    const char* file;
    const char* text;
    const char* where;  // "file:line"
    const char* what;
  } kCases[] = {
      {"snowman cannot be converted", "fi-da.txt", "talo  hus\n# x\ntalo 0 \xE2\x98\x83\n",
       "fi-da.txt:3", "U+2603"},
      {"broken utf-8", "da-fi.txt", "hus talo\nhus \xC3 talo\n", "da-fi.txt:2", "UTF-8"},
      {"finnish code field", "fi-da.txt", "talo hus\n", "fi-da.txt:1", "code field"},
      {"compound code field", "fi-compounds.txt", "\nkouluvuosi 7 skole\xC3\xA5r\n",
       "fi-compounds.txt:2", "code field"},
      {"no text", "da-compounds.txt", "husdyr\n", "da-compounds.txt:1", "no article text"},
      {"unclosed remark", "da-fi.txt", "hus {et talo\n", "da-fi.txt:1", "never closed"},
      {"pocket word unknown", "pocket.txt", "kissa\n", "pocket.txt:1", "no headword"},
      {"pocket line with blank", "pocket.txt", "talo talo\n", "pocket.txt:1", "one headword"},
      {"bad record", "tables/fe.cns", "kh(1\n", "fe.cns:1", "column"},
      {"unknown record", "tables/fu12.cns", "# x\nzz(1)\n", "fu12.cns:2", "no table"},
      {"record of the wrong kind", "tables/fe.cns", "kh(\"x\")\n", "fe.cns:1", "argument 1"},
      {"index key past its line file", "tables/fu10.cns", "u0(1, 1002, \"a\", \"b\", 0, 0)\n",
       "fu10.cns:1", "line 2 of fu20.cns, which has 0 lines"},
      {"unknown table file", "tables/fu13.cns", "kh(1)\n", "fu13.cns", "not a table file"},
  };
  for (const auto& c : kCases) {
    velimora::testing::TempDir dir;
    dir.write("fi-da.txt", "talo  hus\n");
    dir.write(c.file, c.text);
    Diagnostics d = compile_folder(dir);
    EXPECT_TRUE(d.failed()) << c.name;
    EXPECT_TRUE(mentions(d, std::string(c.where) + ":") || mentions(d, c.where)) << c.name << "\n"
                                                                                 << all_errors(d);
    EXPECT_TRUE(mentions(d, c.what)) << c.name << "\n" << all_errors(d);
  }
}

TEST(SourceErrors, EveryBadLineIsReportedNotOnlyTheFirst) {
  velimora::testing::TempDir dir;
  dir.write("fi-da.txt", "talo hus\naamu  morgen\nk\xC3\xA4si 9 h\xC3\xA5nd\n");
  Diagnostics d = compile_folder(dir);
  EXPECT_EQ(d.errors().size(), 2u) << all_errors(d);
  EXPECT_TRUE(mentions(d, "fi-da.txt:1:"));
  EXPECT_TRUE(mentions(d, "fi-da.txt:3:"));
}

TEST(SourceErrors, IndexLineFileBeyond999LinesIsAnError) {
  velimora::testing::TempDir dir;
  dir.write("tables/fu22.cns", std::string(1000, '\n'));
  Diagnostics d = compile_folder(dir);
  EXPECT_TRUE(mentions(d, "fu22.cns:1000")) << all_errors(d);
}

TEST(SourceWarnings, MissingFilesAndRepeatedLinesAreOnlyWarnings) {
  velimora::testing::TempDir dir;
  dir.write("da-fi.txt", "hus talo\nhus talo\n");
  Diagnostics d = compile_folder(dir);
  EXPECT_FALSE(d.failed()) << all_errors(d);
  std::string warnings;
  for (const std::string& w : d.warnings())
    warnings += w + "\n";
  EXPECT_NE(warnings.find("fi-da.txt: not found"), std::string::npos) << warnings;
  EXPECT_NE(warnings.find("da-fi.txt:2: repeats line 1"), std::string::npos) << warnings;
}

TEST(RecordSources, AreCheckedAndCopiedIntoTheRecordFiles) {
  velimora::testing::TempDir dir;
  dir.write("tables/fe.cns", "# start-up rows\nfi('i', 3)\n\npos(\"fib\\\\fi1.pro\", 0, 5)\n");
  dir.write("tables/fu10.cns", "u0(1, 2, \"ka\", \"k\", 0, 7)\nkh(500)\n");
  dir.write("tables/fu20.cns", "first|x\nsecond|\xC3\xA4[y*z\n");
  Diagnostics diag;
  Compiled c = compile(read_sources(dir.path(), "", diag), diag);
  ASSERT_FALSE(diag.failed()) << all_errors(diag);
  EXPECT_EQ(c.files.at("feu\\fe.cns"), "fi('i', 3)\npos(\"fib\\\\fi1.pro\", 0, 5)\n");
  EXPECT_EQ(c.files.at("feu\\fu10.cns"), "u0(1, 2, \"ka\", \"k\", 0, 7)\nkh(500)\n");
  EXPECT_EQ(c.files.at("feu\\fu20.cns"), "first|x\nsecond|\xE4[y*z\n");
  EXPECT_EQ(c.files.at("feu\\fu24.cns"), "");
}

TEST(GuideTexts, AreConvertedIntoCh) {
  velimora::testing::TempDir dir, guide;
  guide.write("fh101.txt", "Velkommen \xE2\x80\x93 ordbog\n\nSlut\n");
  guide.write("fh107.txt", "{...} bem\xC3\xA6rkning\n");
  Diagnostics diag;
  Compiled c = compile(read_sources(dir.path(), guide.path(), diag), diag);
  ASSERT_FALSE(diag.failed()) << all_errors(diag);
  EXPECT_EQ(c.files.at("ch\\fh101.txt"), "Velkommen \x96 ordbog\n\nSlut\n");
  EXPECT_EQ(c.files.at("ch\\fh107.txt"), "{...} bem\xE6rkning\n");
  EXPECT_EQ(c.files.count("ch\\fh102.txt"), 0u);
}

// The tool as the build runs it.
int run_tool(const std::string& args) {
  std::string command = std::string(VELIMORA_MKDATA_PATH) + " " + args + " >/dev/null 2>&1";
  int status = std::system(command.c_str());
  return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

TEST(Tool, StopsOnABadSourceAndLeavesTheOldFolderAsItWas) {
  velimora::testing::TempDir source, out;
  source.write("da-fi.txt", "hus talo\n");
  std::string data = out.path() + "/data";
  ASSERT_EQ(run_tool("--guide '' " + source.path() + " " + data), 0);
  DataFolder before = mkdata::testing::load_folder(data);
  ASSERT_EQ(before.count("feu\\fe.cns"), 1u);

  source.write("da-fi.txt", "hus talo\nhus {et talo\n");
  EXPECT_EQ(run_tool("--guide '' " + source.path() + " " + data), 1);
  EXPECT_TRUE(mkdata::testing::load_folder(data) == before);
  // Nothing is left beside it either.
  std::size_t entries = 0;
  for (const auto& e : std::filesystem::directory_iterator(out.path())) {
    (void)e;
    ++entries;
  }
  EXPECT_EQ(entries, 1u);
}

TEST(Tool, ReplacesTheDataSubfoldersAndKeepsOtherFiles) {
  velimora::testing::TempDir source, out;
  source.write("da-fi.txt", "hus talo\n");
  out.write("data/CMakeFiles/keep.txt", "mine");
  out.write("data/ftb/stale.pro", "old");
  std::string data = out.path() + "/data";
  ASSERT_EQ(run_tool("--guide '' " + source.path() + " " + data), 0);
  DataFolder f = mkdata::testing::load_folder(data);
  EXPECT_EQ(f.count("CMakeFiles\\keep.txt"), 1u);
  EXPECT_EQ(f.count("ftb\\stale.pro"), 0u);
  EXPECT_EQ(f.at("ftb\\dt39.pro"), "hus talo\n");
}

TEST(Tool, WritesASyntheticFolderOfFullSize) {
  velimora::testing::TempDir out;
  std::string data = out.path() + "/synthetic";
  ASSERT_EQ(run_tool("--synthetic 2 " + data), 0);
  DataFolder f = mkdata::testing::load_folder(data);
  for (const WordList& l : nqrt) {
    EXPECT_FALSE(f.at(part_file_name(l.letter, l.parts)).empty()) << l.letter;
  }
  EXPECT_EQ(f.at("feu\\fe.cns"), "kh(20000)\n");
}

TEST(Tool, RejectsWrongArguments) {
  static const char* const kCases[] = {
      "", "one", "a b c", "--synthetic", "--synthetic x out", "--synthetic 0 out", "--bogus a b"};
  for (const char* args : kCases)
    EXPECT_EQ(run_tool(args), 2) << "'" << args << "'";
}

}  // namespace
}  // namespace velimora::mkdata
