// The reverse-list query ("k_talo", "b_hus") and the hit-limit prefix ("25 talo").
#ifndef VELIMORA_WORDLISTS_REVERSE_QUERY_H_
#define VELIMORA_WORDLISTS_REVERSE_QUERY_H_

#include <string>
#include <string_view>

#include "session/session.h"

namespace velimora {

// Reverse codes: which reverse word list a search may read.
inline constexpr int kFinnishReverse = -1;  // list a only
inline constexpr int kOrdinaryQuery = -2;   // neither reverse list
inline constexpr int kDanishReverse = -3;   // list b only

struct WordAndCode {
  std::string word;
  int code = kOrdinaryQuery;
};

// `gi1`: the word to search and its reverse code. A reverse query writes its heading
// ("talo, käänteinen : olat" and an empty line) and removes `endret0`; a positive number
// and blanks before a word set this query's hit limit to the number modulo 201.
WordAndCode gi1(Session& s, std::string_view query);

// `ensret`: the key's variant, which is the key itself.
inline std::string ensret(std::string_view key) { return std::string(key); }

}  // namespace velimora

#endif  // VELIMORA_WORDLISTS_REVERSE_QUERY_H_
