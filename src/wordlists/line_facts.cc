#include "wordlists/line_facts.h"

#include <algorithm>
#include <cstdint>

#include "text/word_helpers.h"
#include "wordlists/entry_match.h"
#include "wordlists/entry_rules.h"

namespace velimora {
namespace {

// A line's value: set once derived; whether its body names another word with ">" (its
// variants then need not begin with the head); and how many first letters of the head a stem
// of any word beginning with it keeps at least, capped at the head (the head shared in full
// always may give one).
constexpr std::uint16_t kDerived = 1u << 15;
constexpr std::uint16_t kNamesOther = 1u << 14;
constexpr std::uint16_t kKeptMask = kNamesOther - 1;  // kKeptMask itself: too long to keep

// The fewest first letters of the head that every stem of any word beginning with it keeps,
// capped at the head. The matcher's own test depends on a text only through the letters it
// shares with the head, and holds for every text that shares more once it holds for one: so
// this is the shortest beginning of the head for which it holds.
std::size_t least_kept(char letter, std::string_view head) {
  std::size_t from = 0;
  std::size_t to = head.size();  // the whole head shared always may
  while (from < to) {
    const std::size_t mid = from + (to - from) / 2;
    if (line_may_give_stems(letter, head, "", head.substr(0, mid))) {
      to = mid;
    } else {
      from = mid + 1;
    }
  }
  return from;
}

std::uint16_t derive(char letter, std::string_view line) {
  const Cut entry = glang0(line, ' ');
  std::uint16_t value = kDerived;
  if (entry.rest.find('>') != std::string_view::npos) value |= kNamesOther;
  return value | static_cast<std::uint16_t>(
                     std::min(least_kept(letter, entry.front), std::size_t{kKeptMask}));
}

}  // namespace

bool line_may_give_stems_at(const CachedFile& file, std::size_t n, char letter,
                            std::string_view line, std::string_view text) {
  if (!is_dictionary_side(letter)) return true;
  std::uint16_t& value = file.line_values(letter)[n - 1];
  if (value == 0) value = derive(letter, line);
  if ((value & kNamesOther) != 0) return true;
  const std::size_t kept = value & kKeptMask;
  if (kept == kKeptMask) {
    const Cut entry = glang0(line, ' ');
    return line_may_give_stems(letter, entry.front, entry.rest, text);
  }
  // The head shares at least `kept` first letters with the text.
  return kept <= text.size() && line.substr(0, kept) == text.substr(0, kept);
}

}  // namespace velimora
