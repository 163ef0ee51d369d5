#include "session/data_files.h"

#include "text/format.h"

namespace velimora {

LineAt les(Session& s, std::string_view name, long n) {
  if (n < 1) return {};
  std::shared_ptr<const CachedFile> file = s.files.get(name);
  if (file == nullptr || static_cast<std::size_t>(n) > file->line_count()) return {};
  const auto k = static_cast<std::size_t>(n);
  return {std::string(file->line(k)), file->position(k)};
}

std::string_view nyfg1(char letter) {
  static constexpr std::string_view kDanishLists = "tnrbyj";
  return kDanishLists.find(letter) != std::string_view::npos ? "ftb\\d" : "fib\\f";
}

std::string part_file_name(std::string_view data_prefix, char letter, long part) {
  return format_text("%0%0%0%.pro",
                     {data_prefix, nyfg1(letter), Char{letter}, static_cast<long long>(part)});
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
