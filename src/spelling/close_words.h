// Spelling suggestions: the headwords of the dictionaries that lie within two edits of a typed
// word, where the slips a reader of Finnish and Danish makes most often (ä for a, aa for å, a
// single letter for a double one) count half. Text is Windows-1252; case is ignored.
#ifndef VELIMORA_SPELLING_CLOSE_WORDS_H_
#define VELIMORA_SPELLING_CLOSE_WORDS_H_

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "text/status.h"

namespace velimora::spelling {

// Costs in half edits: an ordinary letter added, dropped or changed is a whole edit.
inline constexpr int kWholeEdit = 2;
inline constexpr int kHalfEdit = 1;
// The farthest a suggestion may be: two whole edits.
inline constexpr int kMaxCost = 2 * kWholeEdit;
// How many suggestions a look-up shows at most.
inline constexpr std::size_t kMaxSuggestions = 6;

// The cost of turning `word` into `typed`, in half edits, or kMaxCost + 1 when it is more
// than kMaxCost. Half an edit each: ä/a, ö/o, å/aa, æ/ae, ø/oe, and a letter doubled or made
// single (kana/kanna); a whole edit each: any other letter added, dropped or changed.
int cost(std::string_view word, std::string_view typed);

// One suggestion and how far it is from the typed word.
struct CloseWord {
  std::string word;
  int cost = 0;
  bool pocket = false;
};

// The headwords of a data folder, ready to be searched for close words.
class HeadwordIndex {
 public:
  // Reads the headword file: one line per word, `WORD LETTERS`, in dictionary order; LETTERS
  // are the dictionaries that have it as a headword (i t c r) and q for a pocket word. An
  // error names the line ("line 12: ...").
  static Result<HeadwordIndex> parse(std::string_view text);

  // Up to `limit` headwords within kMaxCost of `typed`, the nearest first, then pocket words,
  // then in dictionary order. The typed word itself is never among them.
  std::vector<CloseWord> close_words(std::string_view typed,
                                     std::size_t limit = kMaxSuggestions) const;

  std::size_t size() const { return entries_.size(); }
  // The bytes the index holds on the heap.
  std::size_t memory_bytes() const;

 private:
  struct Entry {
    std::uint32_t word;   // offset of the word as written in `words_`
    std::uint32_t lower;  // offset of its lower-case form in `lower_`
    std::uint8_t length;
    std::uint8_t shared;  // leading bytes its lower-case form shares with the entry before
    bool pocket;
    std::uint32_t rank;  // dictionary order
  };

  std::string words_;
  std::string lower_;
  std::vector<Entry> entries_;  // by lower-case form, so that shared prefixes are walked once
  std::size_t longest_ = 0;
};

}  // namespace velimora::spelling

#endif  // VELIMORA_SPELLING_CLOSE_WORDS_H_
