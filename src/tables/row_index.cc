#include "tables/row_index.h"

#include <algorithm>
#include <tuple>

#include "tables/startup_tables.h"

namespace velimora {
namespace {

using IndexEntry = RowIndex::IndexEntry;
using JunctionEntry = RowIndex::JunctionEntry;

template <class Row>
void add_rows(const Table<Row>& table, std::uint8_t id, std::vector<IndexEntry>& out) {
  for (std::size_t i = 0; i < table.size(); ++i) {
    out.push_back({table[i].length, table[i].second, {id, static_cast<std::uint32_t>(i)}});
  }
}

void add_junctions(const Table<JunctionRow>& table, int id, std::vector<JunctionEntry>& out) {
  for (std::size_t i = 0; i < table.size(); ++i) {
    const JunctionRow& r = table[i];
    out.push_back({id, r.length, r.cls, r.pattern, static_cast<std::uint32_t>(i)});
  }
}

auto index_key(const IndexEntry& e) {
  return std::tuple<int, std::string_view>(e.length, e.second);
}

auto junction_key(const JunctionEntry& e) {
  return std::tuple<int, int, int, std::string_view>(e.table, e.length, e.cls, e.pattern);
}

}  // namespace

void RowIndex::refresh(const StartupTables& t) {
  const std::size_t sizes[6] = {t.u0.size(), t.u1.size(), t.u2.size(),
                                t.u4.size(), t.x.size(),  t.xd.size()};
  if (std::equal(std::begin(sizes), std::end(sizes), std::begin(sizes_))) return;
  index_.clear();
  add_rows(t.u0, 0, index_);
  add_rows(t.u2, 2, index_);
  add_rows(t.u4, 4, index_);
  add_rows(t.u1, 1, index_);
  // Stable: rows of one key stay in the order in which the tables are walked.
  std::stable_sort(index_.begin(), index_.end(), [](const IndexEntry& a, const IndexEntry& b) {
    return index_key(a) < index_key(b);
  });
  junctions_.clear();
  add_junctions(t.x, 0, junctions_);
  add_junctions(t.xd, 1, junctions_);
  std::stable_sort(junctions_.begin(), junctions_.end(),
                   [](const JunctionEntry& a, const JunctionEntry& b) {
                     return junction_key(a) < junction_key(b);
                   });
  std::copy(std::begin(sizes), std::end(sizes), std::begin(sizes_));
}

std::span<const IndexEntry> RowIndex::index_rows(int length, std::string_view second) const {
  const std::tuple<int, std::string_view> key(length, second);
  auto lo = std::lower_bound(index_.begin(), index_.end(), key,
                             [](const IndexEntry& e, const auto& k) { return index_key(e) < k; });
  auto hi = std::upper_bound(lo, index_.end(), key,
                             [](const auto& k, const IndexEntry& e) { return k < index_key(e); });
  return {lo, hi};
}

std::span<const JunctionEntry> RowIndex::junction_rows(int table, int length, int cls,
                                                       std::string_view pattern) const {
  const std::tuple<int, int, int, std::string_view> key(table, length, cls, pattern);
  auto lo =
      std::lower_bound(junctions_.begin(), junctions_.end(), key,
                       [](const JunctionEntry& e, const auto& k) { return junction_key(e) < k; });
  auto hi = std::upper_bound(lo, junctions_.end(), key, [](const auto& k, const JunctionEntry& e) {
    return k < junction_key(e);
  });
  return {lo, hi};
}

std::span<const IndexEntry> index_rows(const StartupTables& t, int length,
                                       std::string_view second) {
  t.index.refresh(t);
  return t.index.index_rows(length, second);
}

std::span<const JunctionEntry> junction_rows(const StartupTables& t, int table, int length, int cls,
                                             std::string_view pattern) {
  t.index.refresh(t);
  return t.index.junction_rows(table, length, cls, pattern);
}

}  // namespace velimora
