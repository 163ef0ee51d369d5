// Reading the signs in front of a query word, and what they select.
#ifndef VELIMORA_SHELL_QUERY_SIGNS_H_
#define VELIMORA_SHELL_QUERY_SIGNS_H_

#include <optional>
#include <string>
#include <string_view>

namespace velimora {

// The sign counts of a query and its word.
struct QuerySigns {
  int dash = 0;
  int comma = 0;
  int plus = 0;
  int dash2 = 0;  // dashes after the plus signs
  int underscore = 0;
  std::string word;
};

// Reads leading blanks, then runs of sign characters in their fixed order; the first
// character out of that order begins the word.
QuerySigns read_signs(std::string_view query);

// The analysis level (0 none, 1 Finnish, 2 Danish) and display mode a sign combination
// selects.
struct LevelAndMode {
  int level = 0;
  int mode = 0;
};
// Nothing for a combination the program does not know (three dashes, two pluses …).
std::optional<LevelAndMode> level_and_mode(const QuerySigns& s);

// The word-list codes a query can offer, in offer order, and their descriptions (`vsl1`).
inline constexpr std::string_view kOfferOrder[] = {"o", "s", "n", "y", "0",  "1",  "2",
                                                   "3", "4", "5", "6", "7",  "8",  "9",
                                                   "10", "11", "12", "13", "14", "15"};
std::string_view code_description(std::string_view code);

// `s12`: the code a hit kind stands for: 11 o, 17 s, 14 n, 18 y; any other kind the hit's
// number in decimal when that is not negative.
std::optional<std::string> code_of_kind(int kind, int number);

// `frontt`: the leading run of word characters; nothing when that run is empty.
std::optional<std::string> frontt(std::string_view s);

}  // namespace velimora

#endif  // VELIMORA_SHELL_QUERY_SIGNS_H_
