// Reading data files. Names are Windows-1252 texts with `\` separators, as the program builds
// them; the file layer maps `\` to `/` and the name to UTF-8 for the operating system.
#ifndef VELIMORA_TEXT_FILES_H_
#define VELIMORA_TEXT_FILES_H_

#include <cstdio>
#include <optional>
#include <string>
#include <string_view>

#include "text/status.h"

namespace velimora {

// The operating-system path of a program file name.
std::string native_path(std::string_view name);

// `file_exists`: true for an existing regular file.
bool file_exists(std::string_view name);

// `read_whole_file`: the whole file as one text; an error names the file.
Result<std::string> read_whole_file(std::string_view name);

// A text file read line by line (`read_line`). The file is closed when the reader goes.
class LineReader {
 public:
  // Opens the file; check ok() before reading.
  explicit LineReader(std::string_view name);
  ~LineReader();
  LineReader(const LineReader&) = delete;
  LineReader& operator=(const LineReader&) = delete;

  bool ok() const { return file_ != nullptr; }
  // `read_line`: the next line without its line end (LF or CR LF); nothing at end of file.
  // Lines have no length limit. `start` (optional) receives the byte position of the line.
  std::optional<std::string> read_line(long* start = nullptr);

 private:
  std::FILE* file_ = nullptr;
  long position_ = 0;
  char* buf_ = nullptr;  // reused by getline across lines
  std::size_t capacity_ = 0;
};

}  // namespace velimora

#endif  // VELIMORA_TEXT_FILES_H_
