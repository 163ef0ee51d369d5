// Word helpers shared by the lookup, the word lists and the shell.
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

// `nyop`: gives its first argument.
template <class A, class B, class C>
const A& nyop(const A& a, const B&, const C&) {
  return a;
}

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

}  // namespace velimora

#endif  // VELIMORA_TEXT_WORD_HELPERS_H_
