// The queries of the desktop window, oldest first, each with the 1-based position in the
// results window at which its output starts (0: it showed nothing, or it ran in an earlier
// session). Back and forward step through the queries that have a position.
#ifndef VELIMORA_DESKTOP_QUERY_HISTORY_H_
#define VELIMORA_DESKTOP_QUERY_HISTORY_H_

#include <cstddef>
#include <optional>
#include <string>
#include <vector>

namespace velimora::desktop {

struct HistoryEntry {
  std::string query;  // Windows-1252, signs and word as the driver ran it
  int start = 0;
};

class QueryHistory {
 public:
  // The number of queries kept; older ones are dropped.
  static constexpr std::size_t kKept = 500;

  // A new query; the current one becomes this one.
  void add(std::string query, int start);
  // Queries of an earlier session, oldest first (positions 0), in front of today's.
  void restore(const std::vector<std::string>& queries);

  const std::vector<HistoryEntry>& entries() const { return entries_; }
  std::vector<std::string> queries() const;

  // The index of the previous (next) query with a position, which becomes the current one;
  // nothing when there is none.
  std::optional<std::size_t> back();
  std::optional<std::size_t> forward();
  // Makes entry `i` the current one.
  void go_to(std::size_t i) { current_ = i; }

  // Where entry `i`'s output ends: the next later start in the results window, else nothing
  // (it runs to the end of the text).
  std::optional<int> end_of(std::size_t i) const;

 private:
  std::vector<HistoryEntry> entries_;
  std::size_t current_ = 0;  // entries_.size() when none is current
};

}  // namespace velimora::desktop

#endif  // VELIMORA_DESKTOP_QUERY_HISTORY_H_
