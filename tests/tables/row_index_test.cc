#include "tables/row_index.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "tables/startup_tables.h"

namespace velimora {
namespace {

// The rows a look-up names, as "table:row" texts.
template <class Rows>
std::vector<std::string> named(const Rows& rows) {
  std::vector<std::string> out;
  for (const auto& e : rows)
    out.push_back(std::to_string(e.ref.table) + ":" + std::to_string(e.ref.row));
  return out;
}

std::vector<std::uint32_t> junctions(std::span<const RowIndex::JunctionEntry> rows) {
  std::vector<std::uint32_t> out;
  for (const auto& e : rows)
    out.push_back(e.row);
  return out;
}

StartupTables sample_tables() {
  StartupTables t;
  t.u0.add({2, 10, "a", "ss", 0, 0});
  t.u0.add({3, 11, "b", "ssa", 0, 0});
  t.u0.add({2, 12, "c", "ss", 0, 0});
  t.u2.add({2, 20, "d", "ss", 0, 0});
  t.u4.add({2, 40, "e", "ta", 0, 0});
  t.u4.add({2, 41, "f", "ss", 0, 0});
  t.u1.add({2, 7, 70, "g", "ss", 0, 0});
  t.u1.add({1, 7, 71, "h", "s", 0, 0});
  return t;
}

TEST(RowIndexTest, RowsOfOneLengthAndStemInTheOrderTheTablesAreWalked) {
  const StartupTables t = sample_tables();
  struct Case {
    int length;
    std::string second;
    std::vector<std::string> rows;
  };
  const Case cases[] = {
      {2, "ss", {"0:0", "0:2", "2:0", "4:1", "1:0"}},
      {3, "ssa", {"0:1"}},
      {1, "s", {"1:1"}},
      {2, "ta", {"4:0"}},
      {3, "ss", {}},  // the stem fits, the length does not
      {2, "s", {}},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(named(index_rows(t, c.length, c.second)), c.rows) << c.length << " " << c.second;
  }
}

TEST(RowIndexTest, RowsAddedAfterALookUpAreFound) {
  StartupTables t = sample_tables();
  EXPECT_EQ(named(index_rows(t, 4, "talo")), std::vector<std::string>{});
  t.u2.add({4, 21, "i", "talo", 0, 0});
  t.x.add({1, 0, "  ", "n", "{n"});
  EXPECT_EQ(named(index_rows(t, 4, "talo")), std::vector<std::string>{"2:1"});
  EXPECT_EQ(junctions(junction_rows(t, 0, 1, 0, "  ")), std::vector<std::uint32_t>{0});
}

// Keeps the rows of table `arg`, or of every table but u1 when arg is -1.
bool of_table(const RowIndex::IndexEntry& e, int arg) {
  return arg == -1 ? e.ref.table != 1 : e.ref.table == arg;
}

TEST(RowIndexTest, FilteredRowsKeepTheWalkOrderPerFilterAndSeeRowsAddedLater) {
  StartupTables t = sample_tables();
  struct Case {
    int table;
    std::vector<std::string> rows;
  };
  const Case cases[] = {{0, {"0:0", "0:2"}}, {-1, {"0:0", "0:2", "2:0", "4:1"}}, {1, {"1:0"}}};
  for (int round = 0; round < 2; ++round) {  // the second round answers from what was kept
    for (const Case& c : cases) {
      EXPECT_EQ(named(index_rows(t, 2, "ss", {of_table, c.table})), c.rows) << c.table;
    }
  }
  t.u0.add({2, 13, "j", "ss", 0, 0});
  EXPECT_EQ(named(index_rows(t, 2, "ss", {of_table, 0})),
            (std::vector<std::string>{"0:0", "0:2", "0:3"}));
  EXPECT_EQ(named(index_rows(t, 2, "xx", {of_table, 0})), std::vector<std::string>{});
}

TEST(RowIndexTest, JunctionRulesOfOneTableLengthClassAndPattern) {
  StartupTables t;
  t.x.add({1, 0, "  ", "n", "{n"});
  t.x.add({1, 4, "  ", "s", "{s"});
  t.x.add({1, 0, "  ", "t", "{t"});
  t.x.add({0, 0, "  ", "", " "});
  t.xd.add({1, 0, "  ", "e", "{e"});
  EXPECT_EQ(junctions(junction_rows(t, 0, 1, 0, "  ")), (std::vector<std::uint32_t>{0, 2}));
  EXPECT_EQ(junctions(junction_rows(t, 0, 1, 4, "  ")), std::vector<std::uint32_t>{1});
  EXPECT_EQ(junctions(junction_rows(t, 1, 1, 0, "  ")), std::vector<std::uint32_t>{0});
  EXPECT_EQ(junctions(junction_rows(t, 0, 1, 0, "E ")), std::vector<std::uint32_t>{});
}

TEST(RowIndexTest, ACopyLooksUpItsOwnRows) {
  StartupTables t = sample_tables();
  (void)index_rows(t, 2, "ss");
  StartupTables copy = t;
  copy.u0.add({5, 13, "j", "kissa", 0, 0});
  EXPECT_EQ(named(index_rows(copy, 5, "kissa")), std::vector<std::string>{"0:3"});
  EXPECT_EQ(named(index_rows(t, 5, "kissa")), std::vector<std::string>{});
}

}  // namespace
}  // namespace velimora
