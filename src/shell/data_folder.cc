#include "shell/data_folder.h"

#include <cstdlib>
#include <filesystem>
#include <system_error>

#include "datafolder/layout.h"
#include "text/codepage.h"

#ifndef VELIMORA_DEFAULT_DATA
#define VELIMORA_DEFAULT_DATA "data"
#endif
#ifndef VELIMORA_INSTALLED_DATA
#define VELIMORA_INSTALLED_DATA "share/velimora/data"
#endif

namespace velimora {

std::string choose_data_folder(const std::optional<std::string>& option) {
  if (option) return *option;
  if (const char* env = std::getenv("VELIMORA_DATA"); env != nullptr && *env != '\0') return env;
  if (std::string installed = installed_data_folder(); !installed.empty()) return installed;
  return VELIMORA_DEFAULT_DATA;
}

std::string main_record_in_folder() {
  return record_folder() + "/" + record_file_base(kRecordSide, kMainRecordStem);
}

std::string installed_data_folder() {
  namespace fs = std::filesystem;
  std::error_code ec;
  const fs::path exe = fs::read_symlink("/proc/self/exe", ec);
  if (ec || !exe.has_parent_path()) return {};
  const fs::path folder = exe.parent_path().parent_path() / VELIMORA_INSTALLED_DATA;
  if (!fs::is_regular_file(folder / main_record_in_folder(), ec)) return {};
  return folder.lexically_normal().string();
}

Result<std::string> data_prefix_of(std::string_view folder_utf8) {
  Result<std::string> cp = utf8_to_cp1252(folder_utf8);
  if (!cp) return Error{"data folder name: " + cp.error()};
  std::string prefix = *cp;
  if (!prefix.empty() && prefix.back() != '/' && prefix.back() != '\\') prefix += '/';
  return prefix;
}

}  // namespace velimora
