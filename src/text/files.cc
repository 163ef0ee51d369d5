#include "text/files.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

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
  const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
  if (fd < 0) return Error{path + ": " + std::strerror(errno)};
  // Read straight into a text of the file's size: no stream buffer and no copy, so that a
  // short-lived program touches only the pages the bytes need.
  struct stat st;
  std::string out;
  if (::fstat(fd, &st) == 0 && S_ISREG(st.st_mode) && st.st_size > 0) {
    out.resize(static_cast<std::size_t>(st.st_size));
  }
  std::size_t used = 0;
  bool failed = false;
  char more[4096];  // what lies beyond the size fstat gave: the end, or a file that grew
  for (;;) {
    const bool room = used < out.size();
    const ssize_t n =
        room ? ::read(fd, out.data() + used, out.size() - used) : ::read(fd, more, sizeof more);
    if (n < 0 && errno == EINTR) continue;
    if (n <= 0) {
      failed = n < 0;
      break;
    }
    if (!room) out.append(more, static_cast<std::size_t>(n));
    used += static_cast<std::size_t>(n);
  }
  ::close(fd);
  if (failed) return Error{path + ": read error"};
  out.resize(used);  // a file that shrank since fstat
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
