// Look-up aids over the start-up tables: the index rows of one (length, stem) and the junction
// rules of one (length, class, pattern), found through a hash of the key instead of a walk over
// every row.
// Built from the tables on first use and again whenever a table has grown since; rows are
// only ever added to these tables, never changed in place.
#ifndef VELIMORA_TABLES_ROW_INDEX_H_
#define VELIMORA_TABLES_ROW_INDEX_H_

#include <cstddef>
#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace velimora {

struct StartupTables;

// One row of u0, u2, u4 or u1: `table` is 0, 2 or 4 for the first three and 1 for u1; `row`
// its position there.
struct IndexRowRef {
  std::uint8_t table = 0;
  std::uint32_t row = 0;
};

// The rows of the tables sorted by their search key; equal keys keep the walk's order.
class RowIndex {
 public:
  // An index row's search key, where it stands, and the fields the searches read, kept here
  // so that walking a key's rows touches no table.
  struct IndexEntry {
    int length = 0;
    std::string second;
    IndexRowRef ref;
    int kind = 0;  // u1's own kind, else the table (0, 2 or 4)
    int key = 0;
    std::string first;
    int code = 0;
    int result = 0;
  };
  struct JunctionEntry {
    int table = 0;  // 0 for x, 1 for xd
    int length = 0;
    int cls = 0;
    std::string pattern;
    std::uint32_t row = 0;
  };

  // Which entries of a key a search takes: `keep(entry, arg)`, a pure test of the entry.
  struct Filter {
    bool (*keep)(const IndexEntry& e, int arg);
    int arg;
  };
  // The entries of one key that passed a filter, in index order.
  class FilteredRows {
   public:
    class iterator {
     public:
      iterator(const IndexEntry* entries, const std::uint32_t* at) : entries_(entries), at_(at) {}
      const IndexEntry& operator*() const { return entries_[*at_]; }
      iterator& operator++() {
        ++at_;
        return *this;
      }
      bool operator!=(const iterator& o) const { return at_ != o.at_; }

     private:
      const IndexEntry* entries_;
      const std::uint32_t* at_;
    };
    FilteredRows(const IndexEntry* entries, std::span<const std::uint32_t> at)
        : entries_(entries), at_(at) {}
    iterator begin() const { return {entries_, at_.data()}; }
    iterator end() const { return {entries_, at_.data() + at_.size()}; }

   private:
    const IndexEntry* entries_;
    std::span<const std::uint32_t> at_;
  };

  // Rebuilds the index rows from u0, u1, u2 and u4, and the junction rules from x and xd,
  // when one of their tables holds another number of rows than at their last build.
  void refresh_index(const StartupTables& t);
  void refresh_junctions(const StartupTables& t);

  std::span<const IndexEntry> index_rows(int length, std::string_view second) const;
  // index_rows(length, second) without the entries `filter` turns away. The searches walk the
  // same keys many times and keep a tenth of their entries: the kept ones are found once per
  // key and filter and remembered until the next rebuild.
  FilteredRows index_rows(int length, std::string_view second, Filter filter);
  std::span<const JunctionEntry> junction_rows(int table, int length, int cls,
                                               std::string_view pattern) const;

  // The entries [begin, end) of one key; end == 0 marks a free slot of the hash tables.
  struct Run {
    std::uint32_t begin = 0;
    std::uint32_t end = 0;
  };

 private:
  void rebuild_index(const StartupTables& t);
  void rebuild_junctions(const StartupTables& t);

  std::vector<IndexEntry> index_;
  std::vector<JunctionEntry> junctions_;
  // The runs of equal keys, hashed by key (open addressing, a power of two of slots): the
  // searches ask for the same few keys again and again.
  std::vector<Run> index_runs_;
  std::vector<Run> junction_runs_;
  // The entries (positions in index_) kept by each filter asked for so far, by the slot of
  // their key in index_runs_: a search finds its key's slot anyway, and a key is asked for
  // with one to three filters.
  struct KeptRows {
    bool (*keep)(const IndexEntry&, int);
    int arg;
    std::vector<std::uint32_t> positions;
  };
  std::vector<std::vector<KeptRows>> kept_by_slot_;
  // u0, u1, u2 and u4 at the last build of the index rows, x and xd at that of the junctions.
  std::size_t index_sizes_[4] = {~std::size_t{0}};
  std::size_t junction_sizes_[2] = {~std::size_t{0}};
};

// The rows of u0, u2, u4 and u1, in that order and each in table order, whose length and
// stem (`second`) are these.
std::span<const RowIndex::IndexEntry> index_rows(const StartupTables& t, int length,
                                                 std::string_view second);

// The same rows without those `filter` turns away.
RowIndex::FilteredRows index_rows(const StartupTables& t, int length, std::string_view second,
                                  RowIndex::Filter filter);

// The rows of x (table 0) or xd (table 1), in table order, of this length, class and pattern.
std::span<const RowIndex::JunctionEntry> junction_rows(const StartupTables& t, int table,
                                                       int length, int cls,
                                                       std::string_view pattern);

}  // namespace velimora

#endif  // VELIMORA_TABLES_ROW_INDEX_H_
