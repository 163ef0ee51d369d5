// The word-list search: chooses the parts of every list whose key range can hold the word,
// prints the "looked in" line, reads those parts between their bounds and stores every match
// as a hit (`f4` for a plain search, `st` for a stem search).
#ifndef VELIMORA_WORDLISTS_LIST_SEARCH_H_
#define VELIMORA_WORDLISTS_LIST_SEARCH_H_

#include <cstddef>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "session/session.h"

namespace velimora {

// The arguments of `tnr1`, in the program's order (mode 0, letter blank).
struct ListSearch {
  int selector = 0;  // display mode of the query; chooses the lists
  int reverse = -2;  // query number: -1 only the list a, -3 only the list b, else neither
  int analysis = 0;  // 0: plain hits go to `f4`; else analysis hits go to `st`
  std::string_view word;
  int form_flag = 1;       // 1 plain lookup, 0 analysis form
  std::string_view query;  // an analysis hit is kept only when the query begins with its stem
  int number = 0;          // language of a stem search: 0 none, 1 Finnish, 2 Danish
  std::string_view data_prefix;
};

// One chosen part as a search reads it: its file and the lines within its key group's bounds.
struct PartRange {
  ChosenPartRow part;
  std::shared_ptr<const CachedFile> file;
  std::size_t first = 1;  // the lines first … end-1
  std::size_t end = 1;
  bool tested = false;  // keys not ascending: each line is tested against the bounds instead
};

// The parts one search chose, kept for a second search over the same key groups that differs
// only in what it stores (the plain and the stem search of one split point): it chooses the
// same parts with the same bounds and leaves `tn` and `lqn` as they are.
struct ChosenParts {
  bool made = false;
  // What the parts were chosen for, copied: the texts of a search need not outlive it.
  int selector = 0;
  int reverse = 0;
  int number = 0;
  bool looked_in = false;  // the search printed its "looked in" line
  std::string word;
  std::string data_prefix;
  std::vector<PartRange> parts;
};

// `tnr1`: searches every `stt` key group in the lists; adds to `tn`, `lqn`, `ntq1`, `f4`,
// `st` and the output buffer. Missing files and unparsable lines are skipped. With `kept`,
// the parts chosen are kept there, or taken from there when they fit the search.
void tnr1(Session& s, const ListSearch& search, ChosenParts* kept = nullptr);

// The plain search of a word: the single key group (1, "zz", 1), then `tnr1`.
void plain_search(Session& s, int selector, int reverse, std::string_view word, int form_flag,
                  std::string_view data_prefix);

// The stem search of an analysis at a split point: looks up the `stt` groups the caller has
// added (one per candidate stem) for the remaining text. With `position` not 0 the hits are
// analysis hits in `st`; with 0 they are whole-word hits in `f4` (form flag 0).
void stem_search(Session& s, int selector, int position, std::string_view remaining,
                 std::string_view query, int language, std::string_view data_prefix);

// `tnr`: the bound test of a text x. K 3, below the upper bound: flag 0 x < key + "\xFE",
// flag 1 x < word + "!". K 6, above the lower bound: flag 0 key < x, flag 1 word < x.
// Byte-wise on unsigned values, a proper prefix being smaller.
bool tnr(int k, int flag, std::string_view key, std::string_view word, std::string_view x);

// The rule sets of the list filter `pq` (its k), by what a and b hold.
enum ListFilter : int {
  kFilterLanguageMode = 0,  // (language of a stem search, display mode)
  kFilterKind = 1,          // (kind of the key group, language)
  kFilterReverse = 6,       // (query number, unused): reverse queries read their list only
  kFilterAnalysis = 7,      // (analysis, language)
};

// `pq`: the list filter; the first rule that fits (k, a, b) decides whether the list passes.
bool pq(int k, int a, int b, char letter);

// `pqt`: 0 (stem-prefix search) for a Finnish stem search in i or c and a Danish one in t or
// r; 1 (whole-word search) otherwise.
int pqt(int number, char letter);

}  // namespace velimora

#endif  // VELIMORA_WORDLISTS_LIST_SEARCH_H_
