// The reference an index list's line carries after its word ("talo i1,1 0"): the dictionary
// line it points to and the sense to show. Read by the search and by the data folder check.
#ifndef VELIMORA_WORDLISTS_INDEX_REFERENCE_H_
#define VELIMORA_WORDLISTS_INDEX_REFERENCE_H_

#include <optional>
#include <string_view>

namespace velimora {

// A dictionary line a word-list line points to, with the sense to show.
struct LineReference {
  char letter = ' ';
  int part = 0;
  int line = 0;
  int sense = 0;
};

// True for the lists whose lines are index lines (word, blank, reference): neither a
// dictionary side nor a reverse word list.
bool holds_references(char letter);

// The reference at the start of an index-list body (the text after the word's blank):
// letter, part, a separator, line up to "_" or a blank, and the sense token after it.
// Nothing when the body is not such a reference.
std::optional<LineReference> parse_reference(std::string_view body);

}  // namespace velimora

#endif  // VELIMORA_WORDLISTS_INDEX_REFERENCE_H_
