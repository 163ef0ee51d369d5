// Small text and list helpers shared by the word lists, the lookup and the shell.
#ifndef VELIMORA_TEXT_WORD_HELPERS_H_
#define VELIMORA_TEXT_WORD_HELPERS_H_

#include <optional>
#include <string>
#include <string_view>

namespace velimora {

struct Cut {
  std::string_view front;
  std::string_view rest;
};

// `glang0`: the text before the first `c` and the text after it; without `c`, the whole
// text and an empty rest. The separator belongs to neither part.
Cut glang0(std::string_view s, char c);

// `vendst`: the characters of s in reverse order, followed by tail.
std::string vendst(std::string_view s, std::string_view tail = {});

// `nulfo`: the decimal text of a + b without its first character: a zero-padded to as many
// digits as b (a power of ten) has zeros.
std::string nulfo(long long a, long long b);

// `ftal`: the integer of the first token and the text after it; with flag 1 a leading `-`
// token negates the next one. Fails when the token is not an integer.
struct IntAndRest {
  int n = 0;
  std::string_view rest;
};
std::optional<IntAndRest> ftal(int flag, std::string_view s);

// `mcgs`: true when (x, code) is an entry of the position list, each entry an optional
// marker (`:` code 2, `.` code 1) and a letter, in ascending order; the walk starts at
// (start, start_code) and stops as soon as (x, code) is smaller than an entry.
bool mcgs(char x, char start, int code, int start_code, std::string_view list);

// The result of `genk`: prefix + the text before the first stop character, that character,
// and the rest behind it.
struct StopSplit {
  std::string stop;
  std::string before;
  std::string after;
};
// `genk`: cuts the text at its first character that is one of `stops`.
StopSplit genk(std::string_view s, std::string_view stops, std::string_view prefix);

// `danstr`: empty for an empty text, else before + text + after.
std::string danstr(std::string_view before, std::string_view s, std::string_view after);

// `rtn`: (x, y, 1) when x < y, else (y, x, 2).
struct Ordered {
  int low = 0;
  int high = 0;
  int order = 0;
};
Ordered rtn(int x, int y);

// `str0`: "H:M" of two integers becomes H zero-padded to 3 digits, ":", M padded to 2.
std::optional<std::string> str0(std::string_view s);

}  // namespace velimora

#endif  // VELIMORA_TEXT_WORD_HELPERS_H_
