#include "text/primitives.h"

#include <charconv>
#include <cstring>
#include <limits>

#include "text/charclass.h"

namespace velimora {
namespace {

bool starts_name(char c) {
  return is_letter(c) || c == '_';
}
bool continues_name(char c) {
  return is_letter(c) || is_digit(c) || c == '_';
}

std::size_t digits_from(std::string_view s, std::size_t i) {
  while (i < s.size() && is_digit(s[i]))
    ++i;
  return i;
}

bool digit_at(std::string_view s, std::size_t i) {
  return i < s.size() && is_digit(s[i]);
}

// End of the number token starting at `begin` (a digit): an integer, or a real when a
// fraction or exponent follows directly.
std::size_t number_end(std::string_view s, std::size_t begin) {
  std::size_t i = digits_from(s, begin);
  if (i < s.size() && s[i] == '.' && digit_at(s, i + 1)) i = digits_from(s, i + 1);
  if (i < s.size() && (s[i] == 'e' || s[i] == 'E')) {
    if (digit_at(s, i + 1)) {
      i = digits_from(s, i + 1);
    } else if (i + 1 < s.size() && s[i + 1] == '-' && digit_at(s, i + 2)) {
      i = digits_from(s, i + 2);
    }
  }
  return i;
}

// Where the first token begins, after the spaces; npos at the end of the text or at a NUL.
std::size_t token_start(std::string_view s) {
  std::size_t i = 0;
  while (i < s.size() && is_space(s[i]))
    ++i;
  return i == s.size() || s[i] == '\0' ? std::string_view::npos : i;
}

}  // namespace

std::optional<Split> take_token(std::string_view s) {
  const std::size_t i = token_start(s);
  if (i == std::string_view::npos) return std::nullopt;
  std::size_t end = i + 1;
  if (starts_name(s[i])) {
    while (end < s.size() && continues_name(s[end]))
      ++end;
  } else if (is_digit(s[i])) {
    end = number_end(s, i);
  }
  return Split{s.substr(i, end - i), s.substr(end)};
}

bool has_token(std::string_view s) {
  return token_start(s) != std::string_view::npos;
}

std::optional<std::pair<char, std::string_view>> take_char(std::string_view s) {
  if (s.empty()) return std::nullopt;
  return std::make_pair(s[0], s.substr(1));
}

std::optional<std::string_view> take_char_if(std::string_view s, char c) {
  if (s.empty() || s[0] != c) return std::nullopt;
  return s.substr(1);
}

std::optional<Split> take_prefix(std::size_t n, std::string_view s) {
  if (s.size() < n) return std::nullopt;
  return Split{s.substr(0, n), s.substr(n)};
}

Text join_text(std::string_view a, std::string_view b) {
  Text out;
  out.reserve(a.size() + b.size());
  out.append(a).append(b);
  return out;
}

std::optional<int> text_to_int(std::string_view s) {
  s = trim_leading_blanks(s);
  bool negative = false;
  if (!s.empty() && s[0] == '-') {
    negative = true;
    s.remove_prefix(1);
  }
  if (s.empty()) return std::nullopt;
  long long value = 0;
  for (char c : s) {
    if (!is_digit(c)) return std::nullopt;
    value = value * 10 + (c - '0');
    if (value > static_cast<long long>(std::numeric_limits<int>::max()) + 1) return std::nullopt;
  }
  if (negative) value = -value;
  if (value > std::numeric_limits<int>::max() || value < std::numeric_limits<int>::min()) {
    return std::nullopt;
  }
  return static_cast<int>(value);
}

Text int_to_text(long long n) {
  return std::to_string(n);
}

Text mid_text(std::string_view s, int p, int n) {
  long long first = p;
  long long last = static_cast<long long>(p) + n - 1;
  if (n < 0 || first < 1 || (n > 0 && last > static_cast<long long>(s.size())) ||
      (n == 0 && first > static_cast<long long>(s.size()) + 1)) {
    throw TextRangeError("mid_text: position " + std::to_string(p) + " length " +
                         std::to_string(n) + " outside a text of " + std::to_string(s.size()));
  }
  return Text(s.substr(static_cast<std::size_t>(p - 1), static_cast<std::size_t>(n)));
}

std::string_view trim_leading_blanks(std::string_view s) {
  std::size_t i = 0;
  while (i < s.size() && is_blank(s[i]))
    ++i;
  return s.substr(i);
}

std::string_view trim_blanks(std::string_view s) {
  s = trim_leading_blanks(s);
  while (!s.empty() && is_blank(s.back()))
    s.remove_suffix(1);
  return s;
}

std::size_t count_line_feeds(std::string_view s) {
  // memchr is the library's vectorised search; a byte-by-byte count costs several times more.
  std::size_t n = 0;
  const char* at = s.data();
  const char* const end = s.data() + s.size();
  while (at != end) {
    const void* lf = std::memchr(at, '\n', static_cast<std::size_t>(end - at));
    if (lf == nullptr) break;
    ++n;
    at = static_cast<const char*>(lf) + 1;
  }
  return n;
}

}  // namespace velimora
