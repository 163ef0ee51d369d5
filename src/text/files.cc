#include "text/files.h"

#include <sys/stat.h>

#include <cerrno>
#include <cstdlib>
#include <cstring>

#include "text/codepage.h"

namespace velimora {

std::string native_path(std::string_view name) {
  std::string utf8 = cp1252_to_utf8(name);
  for (char& c : utf8) {
    if (c == '\\') c = '/';
  }
  return utf8;
}

bool file_exists(std::string_view name) {
  struct stat st;
  return ::stat(native_path(name).c_str(), &st) == 0 && S_ISREG(st.st_mode);
}

Result<std::string> read_whole_file(std::string_view name) {
  std::string path = native_path(name);
  std::FILE* f = std::fopen(path.c_str(), "rb");
  if (f == nullptr) return Error{path + ": " + std::strerror(errno)};
  std::string out;
  char buf[65536];
  std::size_t n;
  while ((n = std::fread(buf, 1, sizeof buf, f)) > 0) out.append(buf, n);
  bool failed = std::ferror(f) != 0;
  std::fclose(f);
  if (failed) return Error{path + ": read error"};
  return out;
}

LineReader::LineReader(std::string_view name) {
  file_ = std::fopen(native_path(name).c_str(), "rb");
}

LineReader::~LineReader() {
  if (file_ != nullptr) std::fclose(file_);
  std::free(buf_);
}

std::optional<std::string> LineReader::read_line(long* start) {
  if (file_ == nullptr) return std::nullopt;
  if (start != nullptr) *start = position_;
  ssize_t n = ::getline(&buf_, &capacity_, file_);
  if (n <= 0) return std::nullopt;
  position_ += n;
  std::string line(buf_, static_cast<std::size_t>(n));
  if (line.back() == '\n') {
    line.pop_back();
    if (!line.empty() && line.back() == '\r') line.pop_back();
  }
  return line;
}

}  // namespace velimora
