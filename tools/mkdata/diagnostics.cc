#include "mkdata/diagnostics.h"

namespace velimora::mkdata {
namespace {

std::string where(std::string_view file, int line, std::string_view what) {
  std::string s(file);
  if (line > 0) s += ":" + std::to_string(line);
  s += ": ";
  s += what;
  return s;
}

}  // namespace

void Diagnostics::error(std::string_view file, int line, std::string_view what) {
  errors_.push_back(where(file, line, what));
}

void Diagnostics::warning(std::string_view file, int line, std::string_view what) {
  warnings_.push_back(where(file, line, what));
}

}  // namespace velimora::mkdata
