// A named table: rows of one layout, kept in insertion order.
#ifndef VELIMORA_TABLES_TABLE_H_
#define VELIMORA_TABLES_TABLE_H_

#include <algorithm>
#include <cstddef>
#include <optional>
#include <utility>
#include <vector>

namespace velimora {

template <class Row>
class Table {
 public:
  void add(Row r) { rows_.push_back(std::move(r)); }
  // Room for n rows in all, so that adding up to them moves none.
  void reserve(std::size_t n) { rows_.reserve(n); }
  void clear() { rows_.clear(); }
  bool empty() const { return rows_.empty(); }
  std::size_t size() const { return rows_.size(); }

  // Rows are read by index where a walk may add rows: the index stays valid, iterators not.
  const Row& operator[](std::size_t i) const { return rows_[i]; }
  Row& operator[](std::size_t i) { return rows_[i]; }
  auto begin() const { return rows_.begin(); }
  auto end() const { return rows_.end(); }
  const Row& front() const { return rows_.front(); }
  Row& front() { return rows_.front(); }

  // The first row that fits, or null.
  template <class Pred>
  const Row* find(Pred pred) const {
    auto it = std::find_if(rows_.begin(), rows_.end(), pred);
    return it == rows_.end() ? nullptr : &*it;
  }
  template <class Pred>
  bool any(Pred pred) const {
    return find(pred) != nullptr;
  }
  // Takes out the first row that fits.
  template <class Pred>
  std::optional<Row> take_first(Pred pred) {
    auto it = std::find_if(rows_.begin(), rows_.end(), pred);
    if (it == rows_.end()) return std::nullopt;
    Row r = std::move(*it);
    rows_.erase(it);
    return r;
  }
  std::optional<Row> take_first() {
    if (rows_.empty()) return std::nullopt;
    Row r = std::move(rows_.front());
    rows_.erase(rows_.begin());
    return r;
  }
  // Removes every row that fits; returns how many.
  template <class Pred>
  std::size_t remove_if(Pred pred) {
    auto it = std::remove_if(rows_.begin(), rows_.end(), pred);
    std::size_t n = static_cast<std::size_t>(rows_.end() - it);
    rows_.erase(it, rows_.end());
    return n;
  }
  // Replaces the whole table by one row (tables that always hold exactly one).
  void set(Row r) {
    rows_.clear();
    rows_.push_back(std::move(r));
  }

 private:
  std::vector<Row> rows_;
};

// A table without fields: present or absent. `count` keeps how many times it was added, for
// the one table that is used as a counter of remaining steps.
class Marker {
 public:
  void add() { ++count_; }
  void clear() { count_ = 0; }
  bool present() const { return count_ > 0; }
  // Removes one occurrence; false when there was none.
  bool take() {
    if (count_ == 0) return false;
    --count_;
    return true;
  }
  int count() const { return count_; }

 private:
  int count_ = 0;
};

}  // namespace velimora

#endif  // VELIMORA_TABLES_TABLE_H_
