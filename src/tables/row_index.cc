#include "tables/row_index.h"

#include <algorithm>
#include <initializer_list>
#include <tuple>

#include "tables/startup_tables.h"

namespace velimora {
namespace {

using IndexEntry = RowIndex::IndexEntry;
using JunctionEntry = RowIndex::JunctionEntry;

template <class Row>
void add_rows(const Table<Row>& table, std::uint8_t id, std::vector<IndexEntry>& out) {
  for (std::size_t i = 0; i < table.size(); ++i) {
    const Row& r = table[i];
    int kind = id;
    if constexpr (requires { r.kind; }) kind = r.kind;
    out.push_back({r.length,
                   r.second,
                   {id, static_cast<std::uint32_t>(i)},
                   kind,
                   r.key,
                   r.first,
                   r.code,
                   r.result});
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

// FNV-1a over the key's numbers and text.
std::size_t mix(std::size_t h, unsigned char byte) {
  return (h ^ byte) * 0x100000001b3u;
}
std::size_t key_hash(std::initializer_list<int> numbers, std::string_view text) {
  std::size_t h = 0xcbf29ce484222325u;
  for (int n : numbers)
    h = mix(h, static_cast<unsigned char>(n));
  for (char c : text)
    h = mix(h, static_cast<unsigned char>(c));
  return h;
}
std::size_t hash_of(const std::tuple<int, std::string_view>& k) {
  return key_hash({std::get<0>(k)}, std::get<1>(k));
}
std::size_t hash_of(const std::tuple<int, int, int, std::string_view>& k) {
  return key_hash({std::get<0>(k), std::get<1>(k), std::get<2>(k)}, std::get<3>(k));
}

// Hashes every run of equal keys of the sorted entries into twice as many slots or more.
template <class Entry, class KeyOf>
std::vector<RowIndex::Run> hash_runs(const std::vector<Entry>& entries, KeyOf key_of) {
  std::size_t runs = 0;
  for (std::size_t i = 0; i < entries.size(); ++i) {
    if (i == 0 || key_of(entries[i]) != key_of(entries[i - 1])) ++runs;
  }
  std::size_t slots = 16;
  while (slots < 2 * runs)
    slots *= 2;
  std::vector<RowIndex::Run> table(slots);
  for (std::size_t i = 0; i < entries.size();) {
    std::size_t end = i + 1;
    while (end < entries.size() && key_of(entries[end]) == key_of(entries[i]))
      ++end;
    std::size_t h = hash_of(key_of(entries[i])) & (slots - 1);
    while (table[h].end != 0)
      h = (h + 1) & (slots - 1);
    table[h] = {static_cast<std::uint32_t>(i), static_cast<std::uint32_t>(end)};
    i = end;
  }
  return table;
}

constexpr std::size_t kNoSlot = static_cast<std::size_t>(-1);

// The slot of the key's run in the table, or kNoSlot.
template <class Entry, class KeyOf, class Key>
std::size_t find_slot(const std::vector<Entry>& entries, const std::vector<RowIndex::Run>& table,
                      KeyOf key_of, const Key& key) {
  if (table.empty()) return kNoSlot;
  const std::size_t mask = table.size() - 1;
  for (std::size_t h = hash_of(key) & mask;; h = (h + 1) & mask) {
    const RowIndex::Run run = table[h];
    if (run.end == 0) return kNoSlot;
    if (key_of(entries[run.begin]) == key) return h;
  }
}

// The entries of the key: its run, or none.
template <class Entry, class KeyOf, class Key>
std::span<const Entry> find_run(const std::vector<Entry>& entries,
                                const std::vector<RowIndex::Run>& table, KeyOf key_of,
                                const Key& key) {
  const std::size_t slot = find_slot(entries, table, key_of, key);
  if (slot == kNoSlot) return {};
  const RowIndex::Run run = table[slot];
  return {entries.data() + run.begin, static_cast<std::size_t>(run.end - run.begin)};
}

}  // namespace

// Asked on every look-up: the sizes are compared one by one, not through an array, which
// costs a call of memcmp each time.
void RowIndex::refresh_index(const StartupTables& t) {
  if (t.u0.size() != index_sizes_[0] || t.u1.size() != index_sizes_[1] ||
      t.u2.size() != index_sizes_[2] || t.u4.size() != index_sizes_[3]) {
    rebuild_index(t);
  }
}

void RowIndex::refresh_junctions(const StartupTables& t) {
  if (t.x.size() != junction_sizes_[0] || t.xd.size() != junction_sizes_[1]) rebuild_junctions(t);
}

void RowIndex::rebuild_index(const StartupTables& t) {
  index_.clear();
  add_rows(t.u0, 0, index_);
  add_rows(t.u2, 2, index_);
  add_rows(t.u4, 4, index_);
  add_rows(t.u1, 1, index_);
  // Stable: rows of one key stay in the order in which the tables are walked.
  std::stable_sort(index_.begin(), index_.end(), [](const IndexEntry& a, const IndexEntry& b) {
    return index_key(a) < index_key(b);
  });
  index_runs_ = hash_runs(index_, index_key);
  kept_by_slot_.assign(index_runs_.size(), {});
  index_sizes_[0] = t.u0.size();
  index_sizes_[1] = t.u1.size();
  index_sizes_[2] = t.u2.size();
  index_sizes_[3] = t.u4.size();
}

void RowIndex::rebuild_junctions(const StartupTables& t) {
  junctions_.clear();
  add_junctions(t.x, 0, junctions_);
  add_junctions(t.xd, 1, junctions_);
  std::stable_sort(junctions_.begin(), junctions_.end(),
                   [](const JunctionEntry& a, const JunctionEntry& b) {
                     return junction_key(a) < junction_key(b);
                   });
  junction_runs_ = hash_runs(junctions_, junction_key);
  junction_sizes_[0] = t.x.size();
  junction_sizes_[1] = t.xd.size();
}

std::span<const IndexEntry> RowIndex::index_rows(int length, std::string_view second) const {
  return find_run(index_, index_runs_, index_key,
                  std::tuple<int, std::string_view>(length, second));
}

RowIndex::FilteredRows RowIndex::index_rows(int length, std::string_view second, Filter filter) {
  const std::size_t slot =
      find_slot(index_, index_runs_, index_key, std::tuple<int, std::string_view>(length, second));
  if (slot == kNoSlot) return {index_.data(), {}};
  std::vector<KeptRows>& kept = kept_by_slot_[slot];
  for (const KeptRows& k : kept) {
    if (k.keep == filter.keep && k.arg == filter.arg) return {index_.data(), k.positions};
  }
  // Another filter's list may move within `kept` later, its positions stay where they are.
  KeptRows& added = kept.emplace_back(KeptRows{filter.keep, filter.arg, {}});
  for (std::uint32_t i = index_runs_[slot].begin; i < index_runs_[slot].end; ++i) {
    if (filter.keep(index_[i], filter.arg)) added.positions.push_back(i);
  }
  return {index_.data(), added.positions};
}

std::span<const JunctionEntry> RowIndex::junction_rows(int table, int length, int cls,
                                                       std::string_view pattern) const {
  return find_run(junctions_, junction_runs_, junction_key,
                  std::tuple<int, int, int, std::string_view>(table, length, cls, pattern));
}

std::span<const IndexEntry> index_rows(const StartupTables& t, int length,
                                       std::string_view second) {
  t.index.refresh_index(t);
  return t.index.index_rows(length, second);
}

RowIndex::FilteredRows index_rows(const StartupTables& t, int length, std::string_view second,
                                  RowIndex::Filter filter) {
  t.index.refresh_index(t);
  return t.index.index_rows(length, second, filter);
}

std::span<const JunctionEntry> junction_rows(const StartupTables& t, int table, int length, int cls,
                                             std::string_view pattern) {
  t.index.refresh_junctions(t);
  return t.index.junction_rows(table, length, cls, pattern);
}

}  // namespace velimora
