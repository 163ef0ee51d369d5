#include "wordlists/line_facts.h"

#include <algorithm>
#include <cstdint>

#include "text/word_helpers.h"
#include "wordlists/entry_match.h"
#include "wordlists/entry_rules.h"

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

}  // namespace

bool line_may_give_stems_at(const CachedFile& file, std::size_t n, char letter,
                            std::string_view line, std::string_view text) {
  if (!is_dictionary_side(letter)) return true;
  std::uint16_t& value = file.line_values(letter)[n - 1];
  if (value == 0) value = derive(letter, line);
  const std::size_t kept = value & kKeptMask;
  if (kept == kKeptMask) {
    const Cut entry = glang0(line, ' ');
    return line_may_give_stems(letter, entry.front, entry.rest, text);
  }
  // The head shares at least `kept` first letters with the text.
  return kept <= text.size() && line.substr(0, kept) == text.substr(0, kept);
}

}  // namespace velimora
