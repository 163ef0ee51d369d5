#include "text/word_helpers.h"

#include "text/primitives.h"

namespace velimora {

Cut glang0(std::string_view s, char c) {
  std::size_t i = s.find(c);
  if (i == std::string_view::npos) return {s, {}};
  return {s.substr(0, i), s.substr(i + 1)};
}

std::string vendst(std::string_view s, std::string_view tail) {
  std::string out(s.rbegin(), s.rend());
  out.append(tail);
  return out;
}

std::string nulfo(long long a, long long b) { return int_to_text(a + b).substr(1); }

std::optional<IntAndRest> ftal(int flag, std::string_view s) {
  std::optional<Split> t = take_token(s);
  if (!t) return std::nullopt;
  bool negate = false;
  if (flag == 1 && t->front == "-") {
    negate = true;
    t = take_token(t->rest);
    if (!t) return std::nullopt;
  }
  std::optional<int> n = text_to_int(t->front);
  if (!n) return std::nullopt;
  return IntAndRest{negate ? -*n : *n, t->rest};
}

namespace {

// Orders entries by the letter's byte value, then by code.
int compare(char x, int code, char letter, int entry_code) {
  unsigned char a = static_cast<unsigned char>(x);
  unsigned char b = static_cast<unsigned char>(letter);
  if (a != b) return a < b ? -1 : 1;
  return code < entry_code ? -1 : (code > entry_code ? 1 : 0);
}

}  // namespace

bool mcgs(char x, char start, int code, int start_code, std::string_view list) {
  char letter = start;
  int entry_code = start_code;
  for (;;) {
    int c = compare(x, code, letter, entry_code);
    if (c < 0) return false;
    if (c == 0) return true;
    if (list.empty()) return false;
    entry_code = 0;
    if (list[0] == ':' || list[0] == '.') {
      entry_code = list[0] == ':' ? 2 : 1;
      list.remove_prefix(1);
      if (list.empty()) return false;
    }
    letter = list[0];
    list.remove_prefix(1);
  }
}

StopSplit genk(std::string_view s, std::string_view stops, std::string_view prefix) {
  std::size_t i = s.find_first_of(stops);
  if (stops.empty() || i == std::string_view::npos) return {"", join_text(prefix, s), ""};
  return {std::string(1, s[i]), join_text(prefix, s.substr(0, i)), std::string(s.substr(i + 1))};
}

std::string danstr(std::string_view before, std::string_view s, std::string_view after) {
  if (s.empty()) return {};
  std::string out(before);
  out.append(s).append(after);
  return out;
}

Ordered rtn(int x, int y) { return x < y ? Ordered{x, y, 1} : Ordered{y, x, 2}; }

std::optional<std::string> str0(std::string_view s) {
  std::size_t colon = s.find(':');
  if (colon == std::string_view::npos) return std::nullopt;
  std::optional<int> h = text_to_int(s.substr(0, colon));
  std::optional<int> m = text_to_int(s.substr(colon + 1));
  if (!h || !m) return std::nullopt;
  return nulfo(*h, 1000) + ":" + nulfo(*m, 100);
}

}  // namespace velimora
