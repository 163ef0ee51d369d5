// Completion of a typed beginning: the headwords of the dictionaries I and T and of the
// compound lists C and R that begin with it, for the search field's popup.
#ifndef VELIMORA_WORDLISTS_HEADWORD_COMPLETION_H_
#define VELIMORA_WORDLISTS_HEADWORD_COMPLETION_H_

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

#include "session/session.h"

namespace velimora {

// At most `limit` distinct headwords (Windows-1252) beginning with `prefix`, in the lists'
// byte order, each once. Compound first parts ("koulu-") are left out: they are no word to
// look up. Only the parts whose key range can hold the prefix are read (through the
// session's file cache). An empty prefix or missing files give no words.
std::vector<std::string> complete_headword(Session& s, std::string_view data_prefix,
                                           std::string_view prefix, std::size_t limit);

}  // namespace velimora

#endif  // VELIMORA_WORDLISTS_HEADWORD_COMPLETION_H_
