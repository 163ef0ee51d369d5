// Small text and number helpers of the word lists, used across the program.
#ifndef VELIMORA_WORDLISTS_LIST_HELPERS_H_
#define VELIMORA_WORDLISTS_LIST_HELPERS_H_

#include <optional>
#include <span>
#include <string>
#include <string_view>

namespace velimora {

// `sidst1`: the length of the text, the text without its last character, and that character
// as a one-character text; "" gives 0, "", "".
struct LastSplit {
  int length = 0;
  std::string_view front;
  std::string_view last;
};
LastSplit sidst1(std::string_view s);

// `kolon`: the text without one leading double quote (inline: asked for every line read).
inline std::string_view kolon(std::string_view s) {
  return (!s.empty() && s[0] == '"') ? s.substr(1) : s;
}

// a compared with b byte-wise on unsigned values, as std::string_view::compare does (its
// sign). Written out: the bisections over a list's lines compare short keys that mostly part
// within their first letters, where a call of memcmp costs more than the loop.
inline int compare_keys(std::string_view a, std::string_view b) {
  const std::size_t shared = a.size() < b.size() ? a.size() : b.size();
  for (std::size_t i = 0; i < shared; ++i) {
    const auto x = static_cast<unsigned char>(a[i]);
    const auto y = static_cast<unsigned char>(b[i]);
    if (x != y) return x < y ? -1 : 1;
  }
  return a.size() == b.size() ? 0 : (a.size() < b.size() ? -1 : 1);
}

// `fig`: a leading `:` gives code 2, a leading `.` code 1, each with the rest; otherwise
// code 0 and the whole text.
struct CodedText {
  int code = 0;
  std::string_view rest;
};
CodedText fig(std::string_view s);

// `fip2`: true when the rest holds no token.
bool fip2(std::string_view rest);

// `fip1`: the sense to show of a line: 0 when the sense is 1 and nothing follows the line's
// first `|` (or it has none); otherwise the sense itself.
int fip1(std::string_view line, int sense);

// `mcs`: true when c equals `current` or occurs in the text.
bool mcs(char c, char current, std::string_view s);

// `m2s`: reads the list as (key, value) pairs and uses the first pair that fits.
// With a key: that pair's value. A final unpaired element is ignored.
std::optional<std::string> m2s_value(std::string_view key, std::span<const std::string> list);
// With a value: that pair's key.
std::optional<std::string> m2s_key(std::string_view value, std::span<const std::string> list);
// With both: true when the pair exists.
bool m2s_has(std::string_view key, std::string_view value, std::span<const std::string> list);

// `vokal`: true when c or any character of the text is a vowel (both code pages for the
// letters beyond a–z) or `/`.
bool vokal(std::string_view s, char c);
bool is_vokal_char(char c);

// `valh`: mode 1 holds when a's last digit is divisible by 3 or b's last digit is below 3
// (the right value of a or the left value of b is 0); mode 2 exchanges a and b.
bool valh(int mode, int a, int b);

}  // namespace velimora

#endif  // VELIMORA_WORDLISTS_LIST_HELPERS_H_
