#include "text/records.h"

#include <gtest/gtest.h>

#include "testing/temp_dir.h"

namespace velimora {
namespace {

TEST(ParseRecord, ReadsEveryArgumentKind) {
  Result<Record> r =
      parse_record(R"( u0( 5, -12, "a\"b\\c\n", 'x', '\n', ['q', "r", [1]] , "" ) )");
  ASSERT_TRUE(r) << r.error();
  EXPECT_EQ(r->name, "u0");
  ASSERT_EQ(r->args.size(), 7u);
  EXPECT_EQ(r->args[0].integer, 5);
  EXPECT_EQ(r->args[1].integer, -12);
  EXPECT_EQ(r->args[2].kind, Term::Kind::kText);
  EXPECT_EQ(r->args[2].text, "a\"b\\c\n");
  EXPECT_EQ(r->args[3].kind, Term::Kind::kChar);
  EXPECT_EQ(r->args[3].text, "x");
  EXPECT_EQ(r->args[4].text, "\n");
  ASSERT_EQ(r->args[5].list.size(), 3u);
  EXPECT_EQ(r->args[5].list[2].list[0].integer, 1);
  EXPECT_EQ(r->args[6].text, "");
}

TEST(ParseRecord, BareNameAndEmptyArguments) {
  EXPECT_TRUE(parse_record("endret4"));
  EXPECT_EQ(parse_record("nb()")->args.size(), 0u);
  EXPECT_EQ(parse_record("t('\\0')")->args[0].text, std::string(1, '\0'));
}

TEST(ParseRecord, RejectsMalformedLinesNamingTheColumn) {
  static const char* const kBad[] = {
      "u0(1,",   "u0(1 2)",     "u0(\"abc)", "u0('ab')",        "(1)",     "u0(1))", "u0(x)",
      "u0(1) z", "u0(\"\\q\")", "1abc",      "u0(99999999999)", "u0([1,)",
  };
  for (const char* s : kBad) {
    Result<Record> r = parse_record(s);
    EXPECT_FALSE(r) << s;
    if (!r) {
      EXPECT_NE(r.error().find("column"), std::string::npos) << r.error();
    }
  }
}

// An integer fits an int or is refused, on both sides and however many leading zeros it has;
// the loader's own reader of known layouts and the full parse agree.
TEST(RecordCursor, IntegersAtTheEdgesOfAnInt) {
  static const struct {
    const char* text;
    bool ok;
    long long value;
  } kCases[] = {
      {"2147483647", true, 2147483647},
      {"2147483648", false, 0},
      {"-2147483648", true, -2147483648LL},
      {"-2147483649", false, 0},
      {"000000000000002147483647", true, 2147483647},
      {"-0", true, 0},
      {"99999999999999999999999", false, 0},
      {"-", false, 0},
  };
  for (const auto& c : kCases) {
    long long value = 0;
    RecordCursor cursor(c.text);
    EXPECT_EQ(cursor.integer(value), c.ok) << c.text;
    if (c.ok) {
      EXPECT_EQ(value, c.value) << c.text;
    } else {
      EXPECT_EQ(cursor.why(), "column 1: expected an integer") << c.text;
    }
    Result<Record> r = parse_record(std::string("n(") + c.text + ")");
    EXPECT_EQ(static_cast<bool>(r), c.ok) << c.text;
    if (r) {
      EXPECT_EQ(r->args[0].integer, c.value) << c.text;
    }
  }
}

// name_is takes only a whole name: one that goes on is another name, read in full after.
TEST(RecordCursor, NameIsTakesOnlyTheWholeName) {
  static const struct {
    const char* line;
    const char* expected;
    bool is;
    const char* name;  // what name() reads after a false
  } kCases[] = {
      {"u0(1)", "u0", true, ""},      {"  u0 (1)", "u0", true, ""}, {"x(2)", "x", true, ""},
      {"u01(1)", "u0", false, "u01"}, {"xd(1)", "x", false, "xd"},  {"x_(1)", "x", false, "x_"},
      {"u", "u0", false, "u"},        {"u1(1)", "u0", false, "u1"},
  };
  for (const auto& c : kCases) {
    RecordCursor cursor(c.line);
    EXPECT_EQ(cursor.name_is(c.expected), c.is) << c.line;
    if (c.is) {
      EXPECT_TRUE(cursor.open()) << c.line;
    } else {
      std::string_view name;
      EXPECT_TRUE(cursor.name(name)) << c.line;
      EXPECT_EQ(name, c.name) << c.line;
    }
  }
}

TEST(ParseRecord, DeepNestingIsAnErrorNotACrash) {
  // 30,000 levels once overflowed the stack of the recursive parser.
  struct Case {
    int depth;
    bool ok;
  };
  static constexpr Case kCases[] = {{1, true}, {32, true}, {33, false}, {30000, false}};
  for (const Case& c : kCases) {
    const std::string line = "u0(" + std::string(c.depth, '[') + std::string(c.depth, ']') + ")";
    Result<Record> r = parse_record(line);
    EXPECT_EQ(static_cast<bool>(r), c.ok) << c.depth;
    if (!r) {
      EXPECT_NE(r.error().find("column 36: lists nested deeper than 32"), std::string::npos)
          << r.error();
    }
  }
}

TEST(LoadRecords, DeepNestingNamesFileAndLine) {
  testing::TempDir dir;
  dir.write("feu/fu10.cns", "a(1)\nu0(" + std::string(30000, '[') + "\n");
  Status s = load_records(dir.prefix() + "feu\\fu10.cns", [](const Record&) { return Status(); });
  ASSERT_FALSE(s);
  EXPECT_NE(s.error().find("fu10.cns: byte 5 (line 2): column 36: lists nested"), std::string::npos)
      << s.error();
}

TEST(LoadRecords, StopsAtTheFirstBadLineKeepingEarlierRecords) {
  testing::TempDir dir;
  dir.write("feu/fe.cns", "a(1)\n\nb(2)\nc(3\nd(4)\n");
  std::vector<std::string> seen;
  Status s = load_records(dir.prefix() + "feu\\fe.cns", [&seen](const Record& r) {
    seen.push_back(r.name);
    return Status();
  });
  EXPECT_FALSE(s);
  EXPECT_EQ(seen, (std::vector<std::string>{"a", "b"}));
  EXPECT_NE(s.error().find("fe.cns: byte 11 (line 4)"), std::string::npos) << s.error();
}

TEST(LoadRecords, SinkErrorsCarryThePosition) {
  testing::TempDir dir;
  dir.write("r.cns", "ok(1)\nbad(2)\n");
  Status s = load_records(dir.prefix() + "r.cns", [](const Record& r) {
    return r.name == "bad" ? Status(Error{"no table is named 'bad'"}) : Status();
  });
  ASSERT_FALSE(s);
  EXPECT_NE(s.error().find("byte 6 (line 2): no table is named 'bad'"), std::string::npos)
      << s.error();
}

// Each record reaches the sink with only its own arguments, whatever the line before held.
TEST(LoadRecords, EachRecordCarriesOnlyItsOwnArguments) {
  testing::TempDir dir;
  dir.write("r.cns",
            "u0(1, -2, \"a text longer than a short string\", 'c')\r\nw(5, 6, \"b\")\nkh(7)\n"
            "t(\"x\\\"y\", [3, [4]])\nend");
  std::vector<std::string> seen;
  Status s = load_records(dir.prefix() + "r.cns", [&seen](const Record& r) {
    std::string shown = r.name;
    for (const Term& t : r.args)
      shown += " " + std::to_string(t.integer) + ":" + t.text + ":" + std::to_string(t.list.size());
    seen.push_back(shown);
    return Status();
  });
  ASSERT_TRUE(s) << s.error();
  EXPECT_EQ(seen,
            (std::vector<std::string>{"u0 1::0 -2::0 0:a text longer than a short string:0 0:c:0",
                                      "w 5::0 6::0 0:b:0", "kh 7::0", "t 0:x\"y:0 0::2", "end"}));
}

TEST(LoadRecords, MissingFileIsAnError) {
  EXPECT_FALSE(load_records("/nonexistent/x.cns", [](const Record&) { return Status(); }));
}

}  // namespace
}  // namespace velimora
