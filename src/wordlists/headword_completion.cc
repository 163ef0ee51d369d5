#include "wordlists/headword_completion.h"

#include <algorithm>
#include <memory>

#include "datafolder/layout.h"
#include "wordlists/list_helpers.h"

namespace velimora {
namespace {

// The article lists whose headwords are offered: I, C, T, R.
constexpr char kArticleLists[] = {'i', 'c', 't', 'r'};

// The headword of an article line: up to the first blank, without a leading '"'.
std::string_view headword_of(std::string_view line) {
  line = kolon(line);
  return line.substr(0, line.find(' '));
}

// The first part that can hold a line beginning with the prefix: the last part whose first
// line is not above the prefix (the first part file when every one starts above it).
int first_part(Session& s, std::string_view data_prefix, char letter, std::string_view prefix) {
  std::shared_ptr<const CachedFile> heads =
      s.files.get(part_file_name(data_prefix, letter, kHeadPart));
  if (heads == nullptr) return 1;
  const int parts = std::min(part_count(letter), static_cast<int>(heads->line_count()));
  int lo = 1;  // head lines are sorted: binary search for the last one <= prefix
  int hi = parts;
  while (lo < hi) {
    const int mid = (lo + hi + 1) / 2;
    if (kolon(heads->line(static_cast<std::size_t>(mid))) <= prefix) {
      lo = mid;
    } else {
      hi = mid - 1;
    }
  }
  return lo;
}

// Appends the list's distinct headwords beginning with the prefix, up to `limit` of them.
void collect(Session& s, std::string_view data_prefix, char letter, std::string_view prefix,
             std::size_t limit, std::vector<std::string>& out) {
  const std::size_t before = out.size();
  for (int part = first_part(s, data_prefix, letter, prefix); part <= part_count(letter); ++part) {
    std::shared_ptr<const CachedFile> file = s.files.get(part_file_name(data_prefix, letter, part));
    if (file == nullptr) continue;
    for (std::size_t n = 1; n <= file->line_count(); ++n) {
      const std::string_view word = headword_of(file->line(n));
      if (word < prefix) continue;
      if (!word.starts_with(prefix)) return;  // the lines are sorted: no later one begins so
      if (word.ends_with('-')) continue;
      if (out.size() > before && out.back() == word) continue;  // homographs
      if (out.size() - before == limit) return;
      out.emplace_back(word);
    }
  }
}

}  // namespace

std::vector<std::string> complete_headword(Session& s, std::string_view data_prefix,
                                           std::string_view prefix, std::size_t limit) {
  std::vector<std::string> words;
  if (prefix.empty() || limit == 0) return words;
  for (char letter : kArticleLists)
    collect(s, data_prefix, letter, prefix, limit, words);
  std::sort(words.begin(), words.end());
  words.erase(std::unique(words.begin(), words.end()), words.end());
  if (words.size() > limit) words.resize(limit);
  return words;
}

}  // namespace velimora
