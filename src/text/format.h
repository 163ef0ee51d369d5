// Template formatting with the program's placeholder rules.
#ifndef VELIMORA_TEXT_FORMAT_H_
#define VELIMORA_TEXT_FORMAT_H_

#include <initializer_list>
#include <string>
#include <string_view>
#include <variant>

namespace velimora {

// A character argument, distinct from an integer one: they format differently by default.
struct Char {
  char c;
};

// One argument of `format_text`: integer, character, real or text.
using FormatArg = std::variant<long long, Char, double, std::string_view>;

// `format_text`: copies the template; `%%` writes `%`; every other `%` is a placeholder
// `%[-][width][.precision][letter]` that consumes the next argument. A conversion letter is
// taken only when it fits the argument's kind, so `%0` places an argument directly before
// letters. A placeholder without an argument left is copied as it stands.
std::string format_text(std::string_view tmpl, std::initializer_list<FormatArg> args);

}  // namespace velimora

#endif  // VELIMORA_TEXT_FORMAT_H_
