#include "shell/data_folder.h"

#include <cstdlib>

#include "text/codepage.h"

#ifndef VELIMORA_DEFAULT_DATA
#define VELIMORA_DEFAULT_DATA "data"
#endif

namespace velimora {

std::string choose_data_folder(const std::optional<std::string>& option) {
  if (option) return *option;
  if (const char* env = std::getenv("VELIMORA_DATA"); env != nullptr && *env != '\0') return env;
  return VELIMORA_DEFAULT_DATA;
}

Result<std::string> data_prefix_of(std::string_view folder_utf8) {
  Result<std::string> cp = utf8_to_cp1252(folder_utf8);
  if (!cp) return Error{"data folder name: " + cp.error()};
  std::string prefix = *cp;
  if (!prefix.empty() && prefix.back() != '/' && prefix.back() != '\\') prefix += '/';
  return prefix;
}

}  // namespace velimora
