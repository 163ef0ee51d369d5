// What the stem search asks of every dictionary-side line it reads, kept with the line's file
// so that it is worked out once per file version instead of once per query.
#ifndef VELIMORA_WORDLISTS_LINE_FACTS_H_
#define VELIMORA_WORDLISTS_LINE_FACTS_H_

#include <cstddef>
#include <string_view>

#include "inflection/function_ref.h"
#include "session/file_cache.h"

namespace velimora {

// The answer of line_may_give_stems for line n of the file, whose text (without the key
// quote) is `line`, in the list of the letter.
bool line_may_give_stems_at(const CachedFile& file, std::size_t n, char letter,
                            std::string_view line, std::string_view text);

// Calls visit(n), in ascending order, for every line n in first … end-1 of the file (in the
// list of the letter) that line_may_give_stems_at passes for text, and for some that it
// rejects: on ascending keys, the lines whose bound needs more than one letter of the head
// shared are left out unless they share two with the text (a run of the lines, bisected).
void for_each_line_that_may_give_stems(const CachedFile& file, char letter, std::size_t first,
                                       std::size_t end, std::string_view text,
                                       inflection::FunctionRef<void(std::size_t)> visit);

}  // namespace velimora

#endif  // VELIMORA_WORDLISTS_LINE_FACTS_H_
