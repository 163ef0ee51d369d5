#include "wordlists/line_facts.h"

#include <algorithm>
#include <cstdint>
#include <vector>

#include "text/word_helpers.h"
#include "wordlists/entry_match.h"
#include "wordlists/entry_rules.h"
#include "wordlists/list_helpers.h"

namespace velimora {
namespace {

// A line's value: set once derived; how many first letters of its head a text must share
// with it for the line to give a stem, capped at the head (see least_shared_for_stems).
constexpr std::uint16_t kDerived = 1u << 15;
constexpr std::uint16_t kKeptMask = kDerived - 1;  // kKeptMask itself: too long to keep

std::uint16_t derive(char letter, std::string_view line) {
  const Cut entry = glang0(line, ' ');
  return kDerived |
         static_cast<std::uint16_t>(std::min(
             least_shared_for_stems(letter, entry.front, entry.rest), std::size_t{kKeptMask}));
}

// The value of line n, derived the first time it is asked for.
std::uint16_t value_of(CachedFile::LineFacts& facts, std::size_t n, char letter,
                       std::string_view line) {
  std::uint16_t& value = facts.values[n - 1];
  if (value == 0) value = derive(letter, line);
  return value;
}

// A line whose text needs to share no more than this many first letters with its head: all
// others can pass only among the lines that share one more with the text, a run of the
// sorted lines.
constexpr std::size_t kFewShared = 1;

// The numbers of the lines that may pass however little more than kFewShared letters of their
// head a text shares (their bound is at most kFewShared, or is tested in full), ascending.
const std::vector<std::uint32_t>& few_shared_lines(const CachedFile& file, char letter) {
  CachedFile::LineFacts& facts = file.line_facts(letter);
  if (facts.numbers_made) return facts.numbers;
  for (std::size_t n = 1; n <= file.line_count(); ++n) {
    const std::size_t kept = value_of(facts, n, letter, kolon(file.line(n))) & kKeptMask;
    if (kept <= kFewShared || kept == kKeptMask)
      facts.numbers.push_back(static_cast<std::uint32_t>(n));
  }
  facts.numbers_made = true;
  return facts.numbers;
}

// The first line n in first … end-1 whose key is not below `key` (key_below: true for the
// keys below), end when there is none; the keys must ascend. Written out: clang's check of
// the standard ranges of libstdc++ 12 fails on std::ranges::partition_point over an iota view.
template <class KeyBelow>
std::size_t first_not_below(std::size_t first, std::size_t end, KeyBelow key_below) {
  while (first < end) {
    const std::size_t mid = first + (end - first) / 2;
    if (key_below(mid)) {
      first = mid + 1;
    } else {
      end = mid;
    }
  }
  return first;
}

}  // namespace

void for_each_line_that_may_give_stems(const CachedFile& file, char letter, std::size_t first,
                                       std::size_t end, std::string_view text,
                                       inflection::FunctionRef<void(std::size_t)> visit) {
  auto key_at = [&](std::size_t n) { return kolon(file.line(n)); };
  if (!is_dictionary_side(letter) || !file.keys_ascending()) {
    for (std::size_t n = first; n < end; ++n)
      visit(n);
    return;
  }
  // The run of the lines whose key begins with the text's first kFewShared + 1 letters.
  const std::string_view run_key = text.substr(0, kFewShared + 1);
  std::size_t run_begin = end;
  std::size_t run_end = end;
  if (run_key.size() == kFewShared + 1 && first < end && key_at(first).starts_with(run_key) &&
      key_at(end - 1).starts_with(run_key)) {
    run_begin = first;  // all of the range, as its first and last lines are (a search by a
    run_end = end;      // key of two letters or more)
  } else if (run_key.size() == kFewShared + 1) {
    run_begin = first_not_below(
        first, end, [&](std::size_t n) { return compare_keys(key_at(n), run_key) < 0; });
    run_end = first_not_below(run_begin, end,
                            [&](std::size_t n) { return key_at(n).starts_with(run_key); });
  }
  const std::vector<std::uint32_t>& few = few_shared_lines(file, letter);
  auto visit_few = [&](std::size_t from, std::size_t to) {
    for (auto it = std::lower_bound(few.begin(), few.end(), from); it != few.end() && *it < to;
         ++it) {
      visit(*it);
    }
  };
  visit_few(first, run_begin);
  for (std::size_t n = run_begin; n < run_end; ++n)
    visit(n);
  visit_few(run_end, end);
}

bool line_may_give_stems_at(const CachedFile& file, std::size_t n, char letter,
                            std::string_view line, std::string_view text) {
  if (!is_dictionary_side(letter)) return true;
  const std::uint16_t value = value_of(file.line_facts(letter), n, letter, line);
  const std::size_t kept = value & kKeptMask;
  if (kept == kKeptMask) {
    const Cut entry = glang0(line, ' ');
    return line_may_give_stems(letter, entry.front, entry.rest, text);
  }
  // The head shares at least `kept` first letters with the text.
  return kept <= text.size() && line.substr(0, kept) == text.substr(0, kept);
}

}  // namespace velimora
