// What the stem search asks of every dictionary-side line it reads, kept with the line's file
// so that it is worked out once per file version instead of once per query.
#ifndef VELIMORA_WORDLISTS_LINE_FACTS_H_
#define VELIMORA_WORDLISTS_LINE_FACTS_H_

#include <cstddef>
#include <string_view>

#include "session/file_cache.h"

namespace velimora {

// The answer of line_may_give_stems for line n of the file, whose text (without the key
// quote) is `line`, in the list of the letter.
bool line_may_give_stems_at(const CachedFile& file, std::size_t n, char letter,
                            std::string_view line, std::string_view text);

}  // namespace velimora

#endif  // VELIMORA_WORDLISTS_LINE_FACTS_H_
