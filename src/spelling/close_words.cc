#include "spelling/close_words.h"

#include <algorithm>
#include <array>
#include <limits>

#include "text/charclass.h"

namespace velimora::spelling {
namespace {

// A Nordic letter and the plain spelling that stands for it when the letter is not at hand.
struct NearSpelling {
  char letter;
  std::string_view written;
};

// Each row costs half an edit in either direction.
static constexpr NearSpelling kNearSpellings[] = {
    {.letter = '\xE4', .written = "a"},   // pöytä / pöyta
    {.letter = '\xF6', .written = "o"},   // pöytä / poytä
    {.letter = '\xE5', .written = "aa"},  // måske / maaske
    {.letter = '\xE6', .written = "ae"},  // hjælpe / hjaelpe
    {.letter = '\xF8', .written = "oe"},  // købe / koebe
};

// Words longer than this are left out of the index (no headword comes near it).
constexpr std::size_t kLongestWord = 64;

// The cells of the table saturate here: anything above kMaxCost is too far.
constexpr std::uint8_t kTooFar = kMaxCost + 1;

// For every byte, the letter it makes a half-edit pair with (ä and a, ö and o), or 0.
constexpr std::array<char, 256> near_letters() {
  std::array<char, 256> near{};
  for (const NearSpelling& n : kNearSpellings) {
    if (n.written.size() != 1) continue;
    near[static_cast<unsigned char>(n.letter)] = n.written[0];
    near[static_cast<unsigned char>(n.written[0])] = n.letter;
  }
  return near;
}
constexpr std::array<char, 256> kNear = near_letters();

// For every byte, the index + 1 of the row that spells it with two letters (å: aa), or 0.
constexpr std::array<std::uint8_t, 256> two_letter_rows() {
  std::array<std::uint8_t, 256> rows{};
  for (std::size_t k = 0; k < std::size(kNearSpellings); ++k) {
    if (kNearSpellings[k].written.size() == 2)
      rows[static_cast<unsigned char>(kNearSpellings[k].letter)] = static_cast<std::uint8_t>(k + 1);
  }
  return rows;
}
constexpr std::array<std::uint8_t, 256> kTwoLetterRow = two_letter_rows();

// Whether one letter stands for the two letters x y (å for aa).
bool spelled_as_two(char letter, char x, char y) {
  const std::uint8_t row = kTwoLetterRow[static_cast<unsigned char>(letter)];
  if (row == 0) return false;
  const std::string_view w = kNearSpellings[row - 1].written;
  return x == w[0] && y == w[1];
}

int change_cost(char a, char b) {
  if (a == b) return 0;
  return kNear[static_cast<unsigned char>(a)] == b ? kHalfEdit : kWholeEdit;
}

// Adding or dropping the letter at `i` of `s`: half an edit when it doubles the letter before.
int add_or_drop_cost(std::string_view s, std::size_t i) {
  return i > 0 && s[i] == s[i - 1] ? kHalfEdit : kWholeEdit;
}

std::uint8_t capped(int v) {
  return static_cast<std::uint8_t>(std::min<int>(v, kTooFar));
}

// The edit table, one row per letter of the word (row 0: the empty word), each row one cell
// per prefix of the typed word. Rows of a shared word prefix are computed once.
class CostTable {
 public:
  CostTable(std::string_view typed, std::size_t longest)
      : typed_(typed), width_(typed.size() + 1), cells_((longest + 1) * width_, kTooFar) {
    std::uint8_t* row = cells_.data();
    row[0] = 0;
    for (std::size_t j = 1; j < width_; ++j)
      row[j] = capped(row[j - 1] + add_or_drop_cost(typed_, j - 1));
  }

  // Computes row d (d ≥ 1) for the word's letters; gives its smallest cell.
  std::uint8_t compute(std::string_view word, std::size_t d) {
    const std::uint8_t* up = row(d - 1);
    const std::uint8_t* up2 = d >= 2 ? row(d - 2) : nullptr;
    std::uint8_t* cur = row(d);
    const char c = word[d - 1];
    const int drop = add_or_drop_cost(word, d - 1);
    cur[0] = capped(up[0] + drop);
    std::uint8_t least = cur[0];
    // Cells farther than kMaxCost from the diagonal cost more than kMaxCost: each step off
    // it costs at least half an edit. They keep the value they were made with.
    const std::size_t first = d > kMaxCost ? d - kMaxCost : 1;
    const std::size_t last = std::min(width_ - 1, d + kMaxCost);
    for (std::size_t j = first; j <= last; ++j) {
      const char t = typed_[j - 1];
      int v = up[j] + drop;
      v = std::min(v, cur[j - 1] + add_or_drop_cost(typed_, j - 1));
      v = std::min(v, up[j - 1] + change_cost(c, t));
      if (j >= 2 && spelled_as_two(c, typed_[j - 2], t)) v = std::min(v, up[j - 2] + kHalfEdit);
      if (up2 != nullptr && spelled_as_two(t, word[d - 2], c))
        v = std::min(v, up2[j - 1] + kHalfEdit);
      cur[j] = capped(v);
      least = std::min(least, cur[j]);
    }
    return least;
  }

  // No word that begins with the first d letters can come within kMaxCost: row d is too far,
  // and so is row d − 1 plus the half edit of a letter that stands for two.
  bool dead_end(std::size_t d, std::uint8_t least) const {
    if (least <= kMaxCost) return false;
    const std::uint8_t* up = row(d - 1);
    return *std::min_element(up, up + width_) + kHalfEdit > kMaxCost;
  }

  std::uint8_t last_cell(std::size_t d) const { return row(d)[width_ - 1]; }

 private:
  std::uint8_t* row(std::size_t d) { return cells_.data() + d * width_; }
  const std::uint8_t* row(std::size_t d) const { return cells_.data() + d * width_; }

  std::string_view typed_;
  std::size_t width_;
  std::vector<std::uint8_t> cells_;
};

}  // namespace

int cost(std::string_view word, std::string_view typed) {
  const std::string w = to_lower(word), t = to_lower(typed);
  CostTable table(t, w.size());
  for (std::size_t d = 1; d <= w.size(); ++d)
    table.compute(w, d);
  return table.last_cell(w.size());
}

Result<HeadwordIndex> HeadwordIndex::parse(std::string_view text) {
  HeadwordIndex index;
  std::uint32_t rank = 0;
  std::size_t line_number = 0;
  while (!text.empty()) {
    const std::size_t end = text.find('\n');
    std::string_view line = text.substr(0, end);
    text = end == std::string_view::npos ? std::string_view() : text.substr(end + 1);
    ++line_number;
    if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
    const std::size_t blank = line.find(' ');
    std::string_view letters = blank == line.npos ? std::string_view() : line.substr(blank + 1);
    if (blank == 0 || letters.empty() ||
        letters.find_first_not_of("itcrq") != std::string_view::npos) {
      return Error{"line " + std::to_string(line_number) +
                   ": not a headword and its dictionary letters (i t c r q)"};
    }
    std::string_view word = line.substr(0, blank);
    if (word.size() > kLongestWord) continue;
    index.entries_.push_back({static_cast<std::uint32_t>(index.words_.size()),
                              static_cast<std::uint32_t>(index.lower_.size()),
                              static_cast<std::uint8_t>(word.size()), 0,
                              letters.find('q') != std::string_view::npos, rank++});
    index.words_.append(word);
    index.lower_.append(to_lower(word));
    index.longest_ = std::max(index.longest_, word.size());
  }
  index.words_.shrink_to_fit();
  index.lower_.shrink_to_fit();
  index.entries_.shrink_to_fit();
  auto lower = [&index](const Entry& e) {
    return std::string_view(index.lower_).substr(e.lower, e.length);
  };
  std::stable_sort(index.entries_.begin(), index.entries_.end(),
                   [&](const Entry& a, const Entry& b) { return lower(a) < lower(b); });
  for (std::size_t k = 1; k < index.entries_.size(); ++k) {
    std::string_view a = lower(index.entries_[k - 1]), b = lower(index.entries_[k]);
    std::size_t n = 0;
    while (n < a.size() && n < b.size() && a[n] == b[n])
      ++n;
    index.entries_[k].shared = static_cast<std::uint8_t>(n);
  }
  return index;
}

std::vector<CloseWord> HeadwordIndex::close_words(std::string_view typed, std::size_t limit) const {
  const std::string t = to_lower(typed);
  if (t.empty() || t.size() > longest_ + kMaxCost || entries_.empty()) return {};
  struct Found {
    std::uint8_t cost;
    const Entry* entry;
  };
  std::vector<Found> found;
  CostTable table(t, longest_);
  std::size_t valid = 0;  // rows 0 … valid hold the prefix of the last word walked
  std::size_t dead = std::numeric_limits<std::size_t>::max();
  for (const Entry& e : entries_) {
    valid = std::min<std::size_t>(valid, e.shared);
    if (dead <= e.shared) continue;  // begins with a prefix already too far
    dead = std::numeric_limits<std::size_t>::max();
    std::string_view w = std::string_view(lower_).substr(e.lower, e.length);
    for (std::size_t d = valid + 1; d <= w.size(); ++d) {
      const std::uint8_t least = table.compute(w, d);
      valid = d;
      if (table.dead_end(d, least)) {
        dead = d;
        break;
      }
    }
    if (dead <= w.size()) continue;
    const std::uint8_t c = table.last_cell(w.size());
    if (c > kMaxCost) continue;
    if (std::string_view(words_).substr(e.word, e.length) == typed) continue;
    found.push_back({c, &e});
  }
  auto better = [](const Found& a, const Found& b) {
    if (a.cost != b.cost) return a.cost < b.cost;
    if (a.entry->pocket != b.entry->pocket) return a.entry->pocket;
    return a.entry->rank < b.entry->rank;
  };
  const std::size_t n = std::min(limit, found.size());
  std::partial_sort(found.begin(), found.begin() + static_cast<std::ptrdiff_t>(n), found.end(),
                    better);
  std::vector<CloseWord> out;
  for (std::size_t k = 0; k < n; ++k) {
    const Entry& e = *found[k].entry;
    out.push_back({words_.substr(e.word, e.length), found[k].cost, e.pocket});
  }
  return out;
}

std::size_t HeadwordIndex::memory_bytes() const {
  return words_.capacity() + lower_.capacity() + entries_.capacity() * sizeof(Entry);
}

}  // namespace velimora::spelling
