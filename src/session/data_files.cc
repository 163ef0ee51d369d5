#include "session/data_files.h"

namespace velimora {

LineAt les(Session& s, std::string_view name, long n) {
  if (n < 1) return {};
  std::shared_ptr<const CachedFile> file = s.files.get(name);
  if (file == nullptr || static_cast<std::size_t>(n) > file->line_count()) return {};
  const auto k = static_cast<std::size_t>(n);
  return {std::string(file->line(k)), file->position(k)};
}

int attri(char letter) {
  switch (letter) {
    case 'i':
    case 'c':
      return 11;
    case 't':
    case 'r':
      return 12;
    default:
      return 10;
  }
}

}  // namespace velimora
