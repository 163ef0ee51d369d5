#include "tables/record_registry.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "inflection/danish_paradigm.h"
#include "testing/temp_dir.h"

namespace velimora {
namespace {

Status add(StartupTables& t, const char* line) {
  Result<Record> r = parse_record(line);
  if (!r) return Error{r.error()};
  return add_startup_record(t, *r);
}

// One record of every table, in both the forms the loader reads straight and the forms it
// leaves to the full parse (blanks around the fields, escapes).
constexpr const char* kEveryTable[] = {
    "u0(3, 12, \"ssa\", \"ssa\", 120, 7)",
    "u1(2, 3, 14, \"n\", \"n\", 5, 9)",
    "u2(2, 1, \"t\", \"t\", 0, 0)",
    "u4(1, 2, \"i\", \"i\", 0, 0)",
    "fi('i', 3)",
    "kh(20000)",
    "x(1, 0, \"  \", \"s\", \"{s\")",
    "xd(2, 0, \"E \", \"tt\", \"{t\")",
    " nv( 105 ,3 , 42 ) ",
    "pos(\"fib\\\\fi1.pro\", 0, 17)",
    "du(1147, \"pl-er  verb\")",
};

void expect_every_table(const StartupTables& t) {
  EXPECT_EQ(t.u0.front().first, "ssa");
  EXPECT_EQ(t.u0.front().result, 7);
  EXPECT_EQ(t.u1.front().kind, 3);
  EXPECT_EQ(t.u1.front().key, 14);
  EXPECT_EQ(t.u2.size(), 1u);
  EXPECT_EQ(t.u4.front().first, "i");
  EXPECT_EQ(t.fi.front().letter, 'i');
  EXPECT_EQ(t.kh.front(), 20000);
  EXPECT_EQ(t.x.front().marker, "{s");
  EXPECT_EQ(t.xd.front().junction, "tt");
  EXPECT_EQ(t.nv.front().result, 42);
  EXPECT_EQ(t.pos.front().file, "fib\\fi1.pro");
  EXPECT_EQ(t.pos.front().position, 17);
  EXPECT_EQ(t.du.front().key, 1147);
  EXPECT_EQ(t.du.front().uses, inflection::kPluralEr | inflection::kVerb);
}

// A file of these lines through load_startup_records.
Status load(StartupTables& t, const std::vector<std::string>& lines) {
  testing::TempDir dir;
  std::string text;
  for (const std::string& line : lines)
    text += line + "\n";
  dir.write("feu/fu10.cns", text);
  return load_startup_records(dir.prefix() + "feu\\fu10.cns", t);
}

TEST(RecordRegistry, FillsEveryStartupTable) {
  StartupTables added;
  for (const char* line : kEveryTable) {
    Status s = add(added, line);
    EXPECT_TRUE(s) << line << ": " << s.error();
  }
  expect_every_table(added);
  StartupTables loaded;
  Status s = load(loaded, {std::begin(kEveryTable), std::end(kEveryTable)});
  ASSERT_TRUE(s) << s.error();
  expect_every_table(loaded);
}

TEST(RecordRegistry, RejectsUnknownNamesAndArgumentsThatDoNotFit) {
  static const struct {
    const char* line;
    const char* message_part;
  } kCases[] = {
      {"zz(1)", "no table is named 'zz'"},
      {"kh(1, 2)", "takes 1 arguments"},
      {"kh(\"1\")", "argument 1 of 'kh' is a text"},
      {"fi(\"i\", 3)", "argument 1 of 'fi' is a text; expected fi(character, integer)"},
      {"nv(1, 2)", "takes 3 arguments"},
      {"kh", "takes 1 arguments"},
      {"u0(3, 12, \"a\", \"b\", 1, [1])", "argument 6 of 'u0' is a list"},
      {"du(1147, \"pl-er plural\")", "no Danish ending use is named 'plural'"},
      {"du(1147, \" \")", "names no use"},
  };
  for (const auto& c : kCases) {
    StartupTables t;
    Status s = add(t, c.line);
    ASSERT_FALSE(s) << c.line;
    EXPECT_NE(s.error().find(c.message_part), std::string::npos) << s.error();
    s = load(t, {c.line});
    ASSERT_FALSE(s) << c.line;
    EXPECT_NE(s.error().find("fu10.cns: byte 0 (line 1): "), std::string::npos) << s.error();
    EXPECT_NE(s.error().find(c.message_part), std::string::npos) << s.error();
  }
}

TEST(RecordRegistry, LoadStopsAtTheBadRecordKeepingEarlierRows) {
  testing::TempDir dir;
  dir.write("feu/fe.cns", "kh(10)\nkh(20)\nnb(300)\nkh(30)\n");
  StartupTables t;
  Status s = load_startup_records(dir.prefix() + "feu\\fe.cns", t);
  ASSERT_FALSE(s);
  EXPECT_NE(s.error().find("byte 14 (line 3): no table is named 'nb'"), std::string::npos)
      << s.error();
  EXPECT_EQ(t.kh.size(), 2u);
}

TEST(RecordRegistry, AFileWithoutRecordsIsAnError) {
  static const struct {
    const char* text;
    bool ok;
  } kCases[] = {{"", false}, {"\n  \n\n", false}, {"kh(1)\n", true}, {"\nkh(1)", true}};
  for (const auto& c : kCases) {
    testing::TempDir dir;
    dir.write("feu/fu12.cns", c.text);
    StartupTables t;
    Status s = load_startup_records(dir.prefix() + "feu\\fu12.cns", t);
    EXPECT_EQ(s.ok(), c.ok) << c.text;
    if (!s) {
      EXPECT_NE(s.error().find("fu12.cns: byte 0 (line 1): holds no records"), std::string::npos)
          << s.error();
    }
  }
}

}  // namespace
}  // namespace velimora
