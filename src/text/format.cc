#include "text/format.h"

#include <cstdio>
#include <vector>

#include "text/charclass.h"

namespace velimora {
namespace {

struct Placeholder {
  bool left = false;
  bool zero = false;
  int width = 0;
  int precision = -1;
  char letter = 0;  // 0: the kind's default conversion
};

bool is_integer_letter(char c) {
  switch (c) {
    case 'd': case 'D': case 'u': case 'U': case 'x': case 'X': case 'o': case 'O': case 'c':
      return true;
    default:
      return false;
  }
}

bool letter_fits(const FormatArg& arg, char c) {
  if (std::holds_alternative<long long>(arg) || std::holds_alternative<Char>(arg)) {
    return is_integer_letter(c);
  }
  if (std::holds_alternative<double>(arg)) return c == 'f' || c == 'e' || c == 'g';
  return c == 's';
}

std::string integer_text(long long v, char letter) {
  char buf[32];
  unsigned int u = static_cast<unsigned int>(v);
  switch (letter) {
    case 'u': case 'U':
      std::snprintf(buf, sizeof buf, "%u", u);
      break;
    case 'x':
      std::snprintf(buf, sizeof buf, "%x", u);
      break;
    case 'X':
      std::snprintf(buf, sizeof buf, "%X", u);
      break;
    case 'o': case 'O':
      std::snprintf(buf, sizeof buf, "%o", u);
      break;
    case 'c':
      return std::string(1, static_cast<char>(v));
    default:
      std::snprintf(buf, sizeof buf, "%lld", v);
  }
  return buf;
}

std::string real_text(double v, const Placeholder& ph) {
  int precision = ph.precision < 0 ? 10 : (ph.precision > 19 ? 19 : ph.precision);
  char buf[512];
  const char* fmt = ph.letter == 'e' ? "%.*e" : ph.letter == 'g' ? "%.*g" : "%.*f";
  std::snprintf(buf, sizeof buf, fmt, precision, v);
  return buf;
}

std::string convert(const FormatArg& arg, const Placeholder& ph) {
  if (const long long* i = std::get_if<long long>(&arg)) return integer_text(*i, ph.letter);
  if (const Char* ch = std::get_if<Char>(&arg)) {
    if (ph.letter == 0 || ph.letter == 'c') return std::string(1, ch->c);
    return integer_text(static_cast<unsigned char>(ch->c), ph.letter);
  }
  if (const double* d = std::get_if<double>(&arg)) return real_text(*d, ph);
  std::string_view s = std::get<std::string_view>(arg);
  if (ph.precision >= 0 && static_cast<std::size_t>(ph.precision) < s.size()) {
    s = s.substr(0, static_cast<std::size_t>(ph.precision));
  }
  return std::string(s);
}

void pad_into(std::string& out, const std::string& value, const Placeholder& ph) {
  std::size_t fill =
      static_cast<std::size_t>(ph.width) > value.size() ? ph.width - value.size() : 0;
  if (ph.left) {
    out += value;
    out.append(fill, ' ');
  } else {
    out.append(fill, ph.zero ? '0' : ' ');
    out += value;
  }
}

int read_number(std::string_view t, std::size_t& i) {
  int n = 0;
  while (i < t.size() && is_digit(t[i])) {
    if (n < 100000) n = n * 10 + (t[i] - '0');
    ++i;
  }
  return n;
}

}  // namespace

std::string format_text(std::string_view t, std::initializer_list<FormatArg> args) {
  std::string out;
  const FormatArg* next = args.begin();
  std::size_t i = 0;
  while (i < t.size()) {
    char c = t[i];
    if (c != '%') {
      out += c;
      ++i;
      continue;
    }
    if (i + 1 < t.size() && t[i + 1] == '%') {
      out += '%';
      i += 2;
      continue;
    }
    std::size_t start = i++;
    Placeholder ph;
    if (i < t.size() && t[i] == '-') {
      ph.left = true;
      ++i;
    }
    if (i < t.size() && t[i] == '0') ph.zero = !ph.left;
    ph.width = read_number(t, i);
    if (i + 1 < t.size() && t[i] == '.' && is_digit(t[i + 1])) {
      ++i;
      ph.precision = read_number(t, i);
    }
    if (next == args.end()) {
      out.append(t.substr(start, i - start));
      continue;
    }
    if (i < t.size() && letter_fits(*next, t[i])) ph.letter = t[i++];
    pad_into(out, convert(*next, ph), ph);
    ++next;
  }
  return out;
}

}  // namespace velimora
