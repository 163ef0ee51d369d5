// Compound prefix candidates: at a position where a part may start, the stems the rest of
// the word can begin with are searched once.
#ifndef VELIMORA_LOOKUP_PREFIX_CANDIDATES_H_
#define VELIMORA_LOOKUP_PREFIX_CANDIDATES_H_

#include <string_view>

#include "session/session.h"
#include "wordlists/list_search.h"

namespace velimora {

// The stem search of one position: the word lists searched for the `stt` candidates.
struct StemSearch {
  int selector = 0;      // display mode of the query
  int analysis = 0;      // 0: whole-word hits to `f4`; else stem hits to `st`
  std::string_view word;   // the remaining text
  std::string_view query;  // a hit is kept only when this text begins with its stem
  int language = 0;      // 1 Finnish, 2 Danish
  std::string_view data_prefix;
};

// Runs the word-list search in its stem-search shape; `kept` as for tnr1.
void search_stems(Session& s, const StemSearch& r, ChosenParts* kept = nullptr);

// `bs`: when state is 9 and the position has not been searched in this query, builds the
// `stt` candidates (prefixes of 1 … 8 characters of the remaining text, one per length of
// `nr`), searches them and records the position in `p12`. At position 0 it also runs the
// whole-word search that stores the word-list hits of the whole key.
void bs(Session& s, int selector, int language, int state, int position, std::string_view query,
        std::string_view data_prefix, std::string_view remaining);

}  // namespace velimora

#endif  // VELIMORA_LOOKUP_PREFIX_CANDIDATES_H_
