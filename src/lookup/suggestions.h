// Spelling suggestions for a word that a plain look-up does not find: the close headwords of
// the dictionaries, offered on one line of the results, ready to be double-clicked.
#ifndef VELIMORA_LOOKUP_SUGGESTIONS_H_
#define VELIMORA_LOOKUP_SUGGESTIONS_H_

#include <string>
#include <string_view>
#include <vector>

#include "session/session.h"

namespace velimora {

// The close headwords of `word` (at most six, nearest first). The index is read from the
// headword file the first time and again after the file changes; a folder without the file
// gives none, and so does a malformed file, whose problem is kept in `s.spelling.error`.
std::vector<std::string> close_headwords(Session& s, std::string_view data_prefix,
                                         std::string_view word);

// The results line that offers the words ("  måske / ehkä:  talo  tali\n"); "" for none.
std::string suggestion_line(const std::vector<std::string>& words);

}  // namespace velimora

#endif  // VELIMORA_LOOKUP_SUGGESTIONS_H_
