// Splitting, joining and number conversion on Windows-1252 texts.
// Operations that "fail" return an empty optional; that is never an error.
#ifndef VELIMORA_TEXT_PRIMITIVES_H_
#define VELIMORA_TEXT_PRIMITIVES_H_

#include <optional>
#include <stdexcept>
#include <string>
#include <string_view>

namespace velimora {

using Text = std::string;

struct Split {
  std::string_view front;
  std::string_view rest;
};

// `take_token`: skips blanks and line ends, then takes a name (letters, digits, `_`, starting
// with a letter or `_`), a number (an integer, or a real when `.`/`e`/`E` and a digit follow),
// or any other single character. The rest keeps its leading blanks. Fails on a blank text.
std::optional<Split> take_token(std::string_view s);

// True when the text holds a token, i.e. anything but blanks and line ends.
bool has_token(std::string_view s);

// `take_char`: the first character and the rest; fails on the empty text.
std::optional<std::pair<char, std::string_view>> take_char(std::string_view s);

// `take_char_if`: the rest after a leading `c`; fails when the text starts otherwise.
std::optional<std::string_view> take_char_if(std::string_view s, char c);

// `take_prefix`: the first n characters and the rest; fails when the text is shorter.
std::optional<Split> take_prefix(std::size_t n, std::string_view s);

// `join_text`: a followed by b.
Text join_text(std::string_view a, std::string_view b);

// `text_length`: the number of bytes.
inline int text_length(std::string_view s) {
  return static_cast<int>(s.size());
}

// `text_to_int`: optional leading blanks, optional `-`, digits to the end. Fails on anything
// else, and on a value outside the int range.
std::optional<int> text_to_int(std::string_view s);

// `int_to_text`: decimal, with `-` for negatives.
Text int_to_text(long long n);

// Thrown for a position outside a text: a program error, reported, never a silent failure.
class TextRangeError : public std::out_of_range {
 public:
  using std::out_of_range::out_of_range;
};

// `mid_text`: n characters from the 1-based position p; throws TextRangeError when p or
// p + n - 1 lies outside the text.
Text mid_text(std::string_view s, int p, int n);

// The text without leading blanks (tab and space).
std::string_view trim_leading_blanks(std::string_view s);

// The text without leading and trailing blanks (tab and space).
std::string_view trim_blanks(std::string_view s);

// The number of LF bytes in s: what sizes a list of its lines before they are cut.
std::size_t count_line_feeds(std::string_view s);

}  // namespace velimora

#endif  // VELIMORA_TEXT_PRIMITIVES_H_
