#include "desktop/query_history.h"

namespace velimora::desktop {

void QueryHistory::add(std::string query, int start) {
  entries_.push_back({std::move(query), start});
  if (entries_.size() > kKept) entries_.erase(entries_.begin());
  current_ = entries_.size() - 1;
}

void QueryHistory::restore(const std::vector<std::string>& queries) {
  std::vector<HistoryEntry> old;
  const std::size_t skip = queries.size() > kKept ? queries.size() - kKept : 0;
  for (std::size_t i = skip; i < queries.size(); ++i)
    old.push_back({queries[i], 0});
  entries_.insert(entries_.begin(), old.begin(), old.end());
  if (entries_.size() > kKept) entries_.erase(entries_.begin(), entries_.end() - kKept);
  current_ = entries_.size();
}

std::vector<std::string> QueryHistory::queries() const {
  std::vector<std::string> out;
  out.reserve(entries_.size());
  for (const HistoryEntry& e : entries_)
    out.push_back(e.query);
  return out;
}

std::optional<std::size_t> QueryHistory::back() {
  for (std::size_t i = std::min(current_, entries_.size()); i-- > 0;) {
    if (entries_[i].start > 0) return current_ = i;
  }
  return std::nullopt;
}

std::optional<std::size_t> QueryHistory::forward() {
  for (std::size_t i = current_ + 1; i < entries_.size(); ++i) {
    if (entries_[i].start > 0) return current_ = i;
  }
  return std::nullopt;
}

std::optional<int> QueryHistory::end_of(std::size_t i) const {
  std::optional<int> end;
  for (const HistoryEntry& e : entries_) {
    if (e.start > entries_[i].start && (!end || e.start < *end)) end = e.start;
  }
  return end;
}

}  // namespace velimora::desktop
