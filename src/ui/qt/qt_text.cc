#include "ui/qt/qt_text.h"

#include <array>

#include "text/codepage.h"

namespace velimora::ui {
namespace {

// From a UTF-16 unit to its Windows-1252 byte; 0 marks "none" (byte 0 never occurs in text).
using ReverseTable = std::array<unsigned char, 0x10000>;

const ReverseTable& reverse_table() {
  static const ReverseTable* table = [] {
    auto* t = new ReverseTable{};
    for (int b = 1; b < 256; ++b) {
      (*t)[cp1252_to_unicode(static_cast<unsigned char>(b))] = static_cast<unsigned char>(b);
    }
    (*t)[QChar::ParagraphSeparator] = '\n';
    (*t)[QChar::LineSeparator] = '\n';
    return t;
  }();
  return *table;
}

}  // namespace

QString to_qstring(std::string_view cp1252) {
  QString s;
  s.reserve(static_cast<qsizetype>(cp1252.size()));
  for (char c : cp1252) {
    s.append(QChar(static_cast<char16_t>(cp1252_to_unicode(static_cast<unsigned char>(c)))));
  }
  return s;
}

std::string from_qstring(const QString& s) {
  const ReverseTable& table = reverse_table();
  std::string out;
  out.reserve(static_cast<std::size_t>(s.size()));
  for (QChar c : s) {
    const unsigned char b = table[c.unicode()];
    out += b == 0 ? '?' : static_cast<char>(b);
  }
  return out;
}

}  // namespace velimora::ui
