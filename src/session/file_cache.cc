#include "session/file_cache.h"

#include <sys/stat.h>

#include "text/files.h"

namespace velimora {

CachedFile::CachedFile(std::string bytes) : bytes_(std::move(bytes)) {
  std::size_t start = 0;
  while (start < bytes_.size()) {
    std::size_t lf = bytes_.find('\n', start);
    std::size_t next = lf == std::string::npos ? bytes_.size() : lf + 1;
    std::size_t end = lf == std::string::npos ? bytes_.size() : lf;
    // Only a CR that stands before the LF belongs to the line end.
    if (lf != std::string::npos && end > start && bytes_[end - 1] == '\r') --end;
    starts_.push_back(start);
    ends_.push_back(end);
    start = next;
  }
  auto key = [&](std::size_t n) {
    std::string_view l = line(n);
    return l.starts_with('"') ? l.substr(1) : l;
  };
  for (std::size_t n = 2; n <= line_count() && keys_ascending_; ++n) {
    keys_ascending_ = key(n - 1) <= key(n);
  }
}

std::optional<FileStamp> stamp_of(std::string_view name) {
  const std::string path = native_path(name);
  struct stat st;
  if (::stat(path.c_str(), &st) != 0 || !S_ISREG(st.st_mode)) return std::nullopt;
  return FileStamp{st.st_size,
                   static_cast<std::int64_t>(st.st_mtim.tv_sec) * 1000000000 + st.st_mtim.tv_nsec,
                   st.st_ino};
}

std::shared_ptr<const CachedFile> FileCache::get(std::string_view name) {
  auto it = files_.find(name);
  const bool in_scope = open_scopes_ > 0;
  if (in_scope && it != files_.end() && it->second.checked == generation_) {
    return it->second.file;
  }
  Entry& entry = refresh(it, name);
  entry.checked = in_scope ? generation_ : 0;
  return entry.file;
}

FileCache::Entry& FileCache::refresh(Files::iterator it, std::string_view name) {
  std::optional<FileStamp> stamp = stamp_of(name);
  if (it != files_.end() && stamp && it->second.file && it->second.stamp == *stamp) {
    return it->second;
  }
  std::shared_ptr<const CachedFile> file;
  if (stamp) {
    if (Result<std::string> bytes = read_whole_file(name)) {
      file = std::make_shared<const CachedFile>(std::move(*bytes));
    }
  }
  if (it != files_.end()) {
    if (it->second.file) bytes_ -= it->second.file->size();
    files_.erase(it);
  }
  const std::size_t size = file ? file->size() : 0;
  if (bytes_ + size > kMaxBytes || files_.size() >= kMaxFiles) clear();
  bytes_ += size;
  return files_[std::string(name)] = Entry{stamp.value_or(FileStamp{}), std::move(file), 0};
}

}  // namespace velimora
