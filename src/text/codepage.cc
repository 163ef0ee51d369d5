#include "text/codepage.h"

#include <cstdio>

namespace velimora {
namespace {

// 0x80–0x9F; the undefined positions hold their own value (a C1 control).
constexpr char32_t kHigh[32] = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,  //
    0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F,  //
    0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,  //
    0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178,
};

void append_utf8(std::string& out, char32_t u) {
  if (u < 0x80) {
    out += static_cast<char>(u);
  } else if (u < 0x800) {
    out += static_cast<char>(0xC0 | (u >> 6));
    out += static_cast<char>(0x80 | (u & 0x3F));
  } else {
    out += static_cast<char>(0xE0 | (u >> 12));
    out += static_cast<char>(0x80 | ((u >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (u & 0x3F));
  }
}

int unicode_to_cp1252(char32_t u) {
  if (u < 0x80 || (u >= 0xA0 && u <= 0xFF)) return static_cast<int>(u);
  for (int i = 0; i < 32; ++i) {
    if (kHigh[i] == u) return 0x80 + i;
  }
  return -1;
}

// Decodes one UTF-8 sequence at s[i]; returns its length, or 0 when malformed.
std::size_t decode(std::string_view s, std::size_t i, char32_t& u) {
  unsigned char b = static_cast<unsigned char>(s[i]);
  std::size_t len = b < 0x80 ? 1 : (b >> 5) == 6 ? 2 : (b >> 4) == 14 ? 3 : (b >> 3) == 30 ? 4 : 0;
  if (len == 0 || i + len > s.size()) return 0;
  u = len == 1 ? b : len == 2 ? (b & 0x1F) : len == 3 ? (b & 0x0F) : (b & 0x07);
  for (std::size_t k = 1; k < len; ++k) {
    unsigned char c = static_cast<unsigned char>(s[i + k]);
    if ((c >> 6) != 2) return 0;
    u = (u << 6) | (c & 0x3F);
  }
  static constexpr char32_t kMin[5] = {0, 0, 0x80, 0x800, 0x10000};
  if (u < kMin[len] || u > 0x10FFFF || (u >= 0xD800 && u <= 0xDFFF)) return 0;
  return len;
}

}  // namespace

char32_t cp1252_to_unicode(unsigned char b) {
  return (b >= 0x80 && b < 0xA0) ? kHigh[b - 0x80] : b;
}

std::string cp1252_to_utf8(std::string_view s) {
  std::string out;
  out.reserve(s.size() + s.size() / 8);
  for (std::size_t i = 0; i < s.size(); ++i) {
    // A run of ASCII, most of any text, is the same in both: copied at once.
    std::size_t end = i;
    while (end < s.size() && static_cast<unsigned char>(s[end]) < 0x80)
      ++end;
    out.append(s.substr(i, end - i));
    if (end == s.size()) break;
    i = end;
    append_utf8(out, cp1252_to_unicode(static_cast<unsigned char>(s[i])));
  }
  return out;
}

Result<std::string> utf8_to_cp1252(std::string_view s) {
  std::string out;
  out.reserve(s.size());
  for (std::size_t i = 0; i < s.size();) {
    char32_t u = 0;
    std::size_t len = decode(s, i, u);
    if (len == 0) return Error{"malformed UTF-8 at byte " + std::to_string(i)};
    int b = unicode_to_cp1252(u);
    if (b < 0) {
      char name[16];
      std::snprintf(name, sizeof name, "U+%04X", static_cast<unsigned>(u));
      return Error{"character " + std::string(s.substr(i, len)) + " (" + name + ") at byte " +
                   std::to_string(i) + " cannot be written in Windows-1252"};
    }
    out += static_cast<char>(b);
    i += len;
  }
  return out;
}

std::string escape_invalid_utf8(std::string_view s) {
  std::string out;
  out.reserve(s.size());
  for (std::size_t i = 0; i < s.size();) {
    char32_t u = 0;
    if (std::size_t len = decode(s, i, u); len > 0) {
      out.append(s.substr(i, len));
      i += len;
      continue;
    }
    char hex[8];
    std::snprintf(hex, sizeof hex, "\\x%02X", static_cast<unsigned char>(s[i]));
    out += hex;
    ++i;
  }
  return out;
}

}  // namespace velimora
