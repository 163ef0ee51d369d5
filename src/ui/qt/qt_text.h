// Windows-1252 texts to and from Qt strings: one byte is one UTF-16 unit, so positions in the
// program's texts and in Qt's documents are the same.
#ifndef VELIMORA_UI_QT_QT_TEXT_H_
#define VELIMORA_UI_QT_QT_TEXT_H_

#include <QString>
#include <string>
#include <string_view>

namespace velimora::ui {

QString to_qstring(std::string_view cp1252);

// Characters Windows-1252 cannot hold become "?", one per UTF-16 unit; Qt's paragraph and
// line separators become line breaks.
std::string from_qstring(const QString& s);

}  // namespace velimora::ui

#endif  // VELIMORA_UI_QT_QT_TEXT_H_
