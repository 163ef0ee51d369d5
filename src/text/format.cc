#include "text/format.h"

#include <cstdio>
#include <vector>

#include "text/charclass.h"

namespace velimora {
namespace {

struct Spec {
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

std::string real_text(double v, const Spec& spec) {
  int precision = spec.precision < 0 ? 10 : (spec.precision > 19 ? 19 : spec.precision);
  char buf[512];
  const char* fmt = spec.letter == 'e' ? "%.*e" : spec.letter == 'g' ? "%.*g" : "%.*f";
  std::snprintf(buf, sizeof buf, fmt, precision, v);
  return buf;
}

std::string convert(const FormatArg& arg, const Spec& spec) {
  if (const long long* i = std::get_if<long long>(&arg)) return integer_text(*i, spec.letter);
  if (const Char* ch = std::get_if<Char>(&arg)) {
    if (spec.letter == 0 || spec.letter == 'c') return std::string(1, ch->c);
    return integer_text(static_cast<unsigned char>(ch->c), spec.letter);
  }
  if (const double* d = std::get_if<double>(&arg)) return real_text(*d, spec);
  std::string_view s = std::get<std::string_view>(arg);
  if (spec.precision >= 0 && static_cast<std::size_t>(spec.precision) < s.size()) {
    s = s.substr(0, static_cast<std::size_t>(spec.precision));
  }
  return std::string(s);
}

void pad_into(std::string& out, const std::string& value, const Spec& spec) {
  std::size_t fill =
      static_cast<std::size_t>(spec.width) > value.size() ? spec.width - value.size() : 0;
  if (spec.left) {
    out += value;
    out.append(fill, ' ');
  } else {
    out.append(fill, spec.zero ? '0' : ' ');
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
    Spec spec;
    if (i < t.size() && t[i] == '-') {
      spec.left = true;
      ++i;
    }
    if (i < t.size() && t[i] == '0') spec.zero = !spec.left;
    spec.width = read_number(t, i);
    if (i + 1 < t.size() && t[i] == '.' && is_digit(t[i + 1])) {
      ++i;
      spec.precision = read_number(t, i);
    }
    if (next == args.end()) {
      out.append(t.substr(start, i - start));
      continue;
    }
    if (i < t.size() && letter_fits(*next, t[i])) spec.letter = t[i++];
    pad_into(out, convert(*next, spec), spec);
    ++next;
  }
  return out;
}

}  // namespace velimora
