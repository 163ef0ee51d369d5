#include "mkdata/lists.h"

#include <algorithm>
#include <cstring>

namespace velimora::mkdata {
namespace {

// Unsigned byte order with a proper prefix first; std::string's own order is the same, but
// it is written out here because the search depends on it.
bool bytes_less(std::string_view a, std::string_view b) {
  std::size_t n = std::min(a.size(), b.size());
  int c = n == 0 ? 0 : std::memcmp(a.data(), b.data(), n);
  return c != 0 ? c < 0 : a.size() < b.size();
}

const std::string kEmpty;

}  // namespace

std::string reference_text(char dictionary, int part, int line, int sense) {
  return std::string(1, dictionary) + std::to_string(part) + "," + std::to_string(line) + " " +
         std::to_string(sense);
}

std::string_view line_key(std::string_view line) {
  if (!line.empty() && line.front() == '"') line.remove_prefix(1);
  return line;
}

bool line_less(std::string_view a, std::string_view b) {
  std::string_view ka = line_key(a), kb = line_key(b);
  if (ka != kb) return bytes_less(ka, kb);
  return bytes_less(a, b);
}

void sort_lines(std::vector<std::string>& lines) {
  std::sort(lines.begin(), lines.end(),
            [](const std::string& a, const std::string& b) { return line_less(a, b); });
  lines.erase(std::unique(lines.begin(), lines.end()), lines.end());
}

PartedList::PartedList(char letter, std::vector<std::string> sorted_lines)
    : letter_(letter), parts_(part_count(letter)), lines_(std::move(sorted_lines)) {
  positions_.resize(lines_.size());
  for (int n = 1; n <= parts_; ++n) {
    for (std::size_t k = start(n); k < start(n + 1); ++k) {
      positions_[k] = {.part = n, .line = static_cast<int>(k - start(n) + 1)};
    }
  }
}

std::size_t PartedList::start(int n) const {
  // floor((n - 1) * size / parts): the last part is never empty while the list has lines.
  return static_cast<std::size_t>(static_cast<unsigned long long>(n - 1) * lines_.size() /
                                  static_cast<unsigned long long>(parts_));
}

std::span<const std::string> PartedList::part(int n) const {
  return std::span<const std::string>(lines_).subspan(start(n), start(n + 1) - start(n));
}

const std::string& PartedList::head(int n) const {
  std::size_t k = start(n);
  return k < lines_.size() ? lines_[k] : kEmpty;
}

LinePosition PartedList::position(std::size_t k) const {
  return positions_[k];
}

std::string join_lines(std::span<const std::string> lines) {
  std::string out;
  for (const std::string& l : lines) {
    out += l;
    out += '\n';
  }
  return out;
}

}  // namespace velimora::mkdata
