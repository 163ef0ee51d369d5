#include "session/file_cache.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include "text/files.h"

namespace velimora {

namespace {

// A line without one leading double quote: the key the word lists sort by.
std::string_view line_key(std::string_view line) {
  return line.starts_with('"') ? line.substr(1) : line;
}

}  // namespace

// One pass: each line's bounds, and whether its key is below the one before.
CachedFile::CachedFile(std::string bytes) : bytes_(std::move(bytes)) {
  const std::string_view all = bytes_;
  std::string_view previous_key;
  std::size_t start = 0;
  while (start < all.size()) {
    std::size_t lf = all.find('\n', start);
    std::size_t next = lf == std::string::npos ? all.size() : lf + 1;
    std::size_t end = lf == std::string::npos ? all.size() : lf;
    // Only a CR that stands before the LF belongs to the line end.
    if (lf != std::string::npos && end > start && all[end - 1] == '\r') --end;
    const std::string_view key = line_key(all.substr(start, end - start));
    if (keys_ascending_ && !lines_.empty()) keys_ascending_ = previous_key <= key;
    previous_key = key;
    lines_.push_back({start, end});
    start = next;
  }
}

namespace {

// The stamp of what a stat call found; nothing for a failed call or no regular file.
std::optional<FileStamp> stamp_from(int result, const struct stat& st) {
  if (result != 0 || !S_ISREG(st.st_mode)) return std::nullopt;
  return FileStamp{st.st_size,
                   static_cast<std::int64_t>(st.st_mtim.tv_sec) * 1000000000 + st.st_mtim.tv_nsec,
                   st.st_ino};
}

}  // namespace

std::optional<FileStamp> stamp_of(std::string_view name) {
  const std::string path = native_path(name);
  struct stat st;
  const int result = ::stat(path.c_str(), &st);
  return stamp_from(result, st);
}

FileCache::~FileCache() {
  for (const Folder& folder : folders_) {
    if (folder.fd >= 0) ::close(folder.fd);
  }
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
  Entry placed;
  if (it == files_.end()) place(placed, name);
  const Entry& known = it == files_.end() ? placed : it->second;
  std::optional<FileStamp> stamp = stamp_now(known, name);
  if (it != files_.end() && stamp && it->second.file && it->second.stamp == *stamp) {
    return it->second;
  }
  const std::size_t folder = known.folder;
  std::string base = known.base;
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
  return files_[std::string(name)] =
             Entry{stamp.value_or(FileStamp{}), std::move(file), 0, folder, std::move(base)};
}

std::optional<FileStamp> FileCache::stamp_now(const Entry& entry, std::string_view name) {
  const int fd =
      open_scopes_ > 0 && entry.folder != kNoFolder ? folder_fd(folders_[entry.folder]) : -1;
  if (fd < 0) return stamp_of(name);
  struct stat st;
  const int result = ::fstatat(fd, entry.base.c_str(), &st, 0);
  return stamp_from(result, st);
}

int FileCache::folder_fd(Folder& folder) {
  if (folder.checked == generation_) return folder.fd;
  folder.checked = generation_;
  struct stat st;
  const bool same = ::stat(folder.path.c_str(), &st) == 0 && S_ISDIR(st.st_mode) &&
                    folder.fd >= 0 && static_cast<std::uint64_t>(st.st_dev) == folder.device &&
                    static_cast<std::uint64_t>(st.st_ino) == folder.inode;
  if (same) return folder.fd;
  if (folder.fd >= 0) ::close(folder.fd);
  // O_PATH: a folder that may be searched but not listed can still be looked in.
  folder.fd = ::open(folder.path.c_str(), O_PATH | O_DIRECTORY | O_CLOEXEC);
  struct stat opened;
  if (folder.fd >= 0 && ::fstat(folder.fd, &opened) != 0) {
    ::close(folder.fd);
    folder.fd = -1;
  }
  if (folder.fd >= 0) {
    folder.device = static_cast<std::uint64_t>(opened.st_dev);
    folder.inode = static_cast<std::uint64_t>(opened.st_ino);
  }
  return folder.fd;
}

void FileCache::place(Entry& entry, std::string_view name) {
  const std::string path = native_path(name);
  const std::size_t slash = path.rfind('/');
  const std::string folder = slash == std::string::npos ? std::string(".")
                             : slash == 0               ? std::string("/")
                                                        : path.substr(0, slash);
  entry.base = slash == std::string::npos ? path : path.substr(slash + 1);
  for (std::size_t i = 0; i < folders_.size(); ++i) {
    if (folders_[i].path == folder) {
      entry.folder = i;
      return;
    }
  }
  if (folders_.size() >= kMaxFolders) return;
  folders_.push_back(Folder{.path = folder});
  entry.folder = folders_.size() - 1;
}

}  // namespace velimora
