// Small helpers of the shell used throughout the program.
#ifndef VELIMORA_SESSION_OUTPUT_BUFFER_H_
#define VELIMORA_SESSION_OUTPUT_BUFFER_H_

#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "session/session.h"

namespace velimora {

// `mi`, `mc`, `ms`: true when the element is in the list.
bool mi(int x, std::span<const int> list);
bool mc(std::string_view list, char c);
bool ms(std::span<const std::string> list, std::string_view s);
// `ms` (list, out first): the first element of a non-empty list.
std::optional<std::string> ms_first(std::span<const std::string> list);

// The result of `genk`: prefix + the text before the first stop character, that character,
// and the rest behind it.
struct StopSplit {
  std::string stop;
  std::string before;
  std::string after;
};
// `genk`: cuts the text at its first character that is one of `stops`.
StopSplit genk(std::string_view s, std::string_view stops, std::string_view prefix);

// `findtegn`: removes every leading `c` and counts them from `count0`.
struct StripCount {
  std::string stripped;
  int count = 0;
};
StripCount findtegn(std::string_view s, char c, int count0);

// `danstr`: empty for an empty text, else before + text + after.
std::string danstr(std::string_view before, std::string_view s, std::string_view after);

// `rtn`: (x, y, 1) when x < y, else (y, x, 2).
struct Ordered {
  int low = 0;
  int high = 0;
  int order = 0;
};
Ordered rtn(int x, int y);
// The second form of `rtn`: x and y back from low, high and order.
std::pair<int, int> rtn_back(const Ordered& o);

// `tolkl`: splits at every comma; the empty text gives the empty list.
std::vector<std::string> tolkl(std::string_view s);

// `str0`: "H:M" of two integers becomes H zero-padded to 3 digits, ":", M padded to 2.
std::optional<std::string> str0(std::string_view s);

// `sus`: appends c + d to the output buffer.
void sus(Session& s, std::string_view c, std::string_view d = {});

// `nystr`: takes every buffer piece out, in order, and returns acc + their concatenation.
std::string nystr(Session& s, std::string_view acc);

// `adv2`: the resource guard before a costly step. Fails, appending "." to the output, when
// the query's depth or step budget is spent.
bool adv2(Session& s, int tag, long needed);

}  // namespace velimora

#endif  // VELIMORA_SESSION_OUTPUT_BUFFER_H_
