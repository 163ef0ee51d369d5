#include "session/file_cache.h"

#include <fcntl.h>
#include <linux/magic.h>
#include <sys/inotify.h>
#include <sys/stat.h>
#include <sys/vfs.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>

#include "text/files.h"
#include "text/primitives.h"

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
  // Sized at once: grown line by line, the list would be moved again and again, and a
  // short-lived program pays for every page it touches.
  lines_.reserve(count_line_feeds(all) + 1);
  std::string_view previous_key;
  for (std::size_t start = 0; start < all.size();) {
    const std::size_t lf = all.find('\n', start);
    std::size_t end = lf == std::string::npos ? all.size() : lf;
    // Only a CR that stands before the LF belongs to the line end.
    if (lf != std::string::npos && end > start && all[end - 1] == '\r') --end;
    const std::string_view key = line_key(all.substr(start, end - start));
    if (keys_ascending_ && !lines_.empty()) keys_ascending_ = previous_key <= key;
    previous_key = key;
    lines_.push_back({static_cast<std::uint32_t>(start), static_cast<std::uint32_t>(end)});
    start = lf == std::string::npos ? all.size() : lf + 1;
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

namespace {

// What changes a file's bytes, stamp or name, seen on its folder and on the file itself.
constexpr std::uint32_t kFileEvents =
    IN_MODIFY | IN_ATTRIB | IN_CLOSE_WRITE | IN_DELETE_SELF | IN_MOVE_SELF;
constexpr std::uint32_t kFolderEvents =
    kFileEvents | IN_CREATE | IN_DELETE | IN_MOVED_FROM | IN_MOVED_TO;

// True for the local file systems whose every change passes through this kernel, and so is
// reported; a network or user-space file system may change without an event.
bool reports_every_change(std::uint32_t type) {
  switch (type) {
    case EXT4_SUPER_MAGIC:
    case XFS_SUPER_MAGIC:
    case BTRFS_SUPER_MAGIC:
    case F2FS_SUPER_MAGIC:
    case TMPFS_MAGIC:
      return true;
    default:
      return false;
  }
}

// The name under which a watch finds what the open fd (and base within it) names, so that the
// watch is on the very folder that was opened.
std::string fd_path(int fd, std::string_view base = {}) {
  std::string path = "/proc/self/fd/" + std::to_string(fd);
  if (!base.empty()) path.append("/").append(base);
  return path;
}

}  // namespace

FileCache::~FileCache() {
  for (const Folder& folder : folders_) {
    if (folder.fd >= 0) ::close(folder.fd);
  }
  if (notify_fd_ >= 0) ::close(notify_fd_);
}

std::shared_ptr<const CachedFile> FileCache::get(std::string_view name) {
  return entry_for(name).file;
}

FileCache::Entry& FileCache::entry_for(std::string_view name, Entry* known) {
  const bool in_scope = open_scopes_ > 0;
  if (in_scope) take_events();  // before this scope looks at anything
  if (in_scope && known != nullptr && still_fresh(*known)) {
    known->checked = generation_;
    return *known;
  }
  auto it = files_.find(name);
  if (in_scope && it != files_.end() && still_fresh(it->second)) {
    it->second.checked = generation_;
    return it->second;
  }
  Entry& entry = refresh(it, name);
  entry.checked = in_scope ? generation_ : 0;
  return entry;
}

void FileCache::forget_keyed_entries(const Entry* dropped) {
  for (auto& [key, keyed] : keyed_) {
    if (dropped == nullptr || keyed.entry == dropped) {
      keyed.entry = nullptr;
      keyed.generation = 0;
    }
  }
}

bool FileCache::still_fresh(const Entry& entry) {
  if (entry.checked == generation_) return true;
  if (!entry.watched) return false;
  Folder& folder = folders_[entry.folder];
  // The path check: a folder that the path no longer names is opened again, and stirred.
  if (folder_fd(folder) < 0) return false;
  return entry.looked >= folder.stirred;
}

FileCache::Entry& FileCache::refresh(Files::iterator it, std::string_view name) {
  Entry placed;
  if (it == files_.end()) place(placed, name);
  const Entry& known = it == files_.end() ? placed : it->second;
  bool watchable = false;
  const std::optional<FileStamp> stamp = stamp_now(known, name, watchable);
  const bool same = it != files_.end() && stamp && known.file && known.stamp == *stamp;
  Entry& entry = same ? it->second : read_again(it, name, stamp, known.folder, known.base);
  if (open_scopes_ > 0) note_looked(entry, watchable, stamp.has_value());
  return entry;
}

FileCache::Entry& FileCache::read_again(Files::iterator it, std::string_view name,
                                        const std::optional<FileStamp>& stamp, std::size_t folder,
                                        std::string base) {
  std::shared_ptr<const CachedFile> file;
  if (stamp) {
    // A file beyond what a cached file holds counts as one that cannot be read.
    Result<std::string> bytes = read_whole_file(name);
    if (bytes && bytes->size() <= CachedFile::kMaxFileBytes) {
      file = std::make_shared<const CachedFile>(std::move(*bytes));
    }
  }
  if (it != files_.end()) {
    if (it->second.file) bytes_ -= it->second.file->size();
    forget_keyed_entries(&it->second);
    files_.erase(it);
  }
  const std::size_t size = file ? file->size() : 0;
  if (bytes_ + size > kMaxBytes || files_.size() >= kMaxFiles) clear();
  bytes_ += size;
  return files_[std::string(name)] = Entry{.stamp = stamp.value_or(FileStamp{}),
                                           .file = std::move(file),
                                           .folder = folder,
                                           .base = std::move(base)};
}

std::optional<FileStamp> FileCache::stamp_now(const Entry& entry, std::string_view name,
                                              bool& watchable) {
  ++stamp_checks_;
  watchable = false;
  const int fd =
      open_scopes_ > 0 && entry.folder != kNoFolder ? folder_fd(folders_[entry.folder]) : -1;
  if (fd < 0) return stamp_of(name);
  struct stat st;
  const char* base = entry.base.c_str();
  const int result = ::fstatat(fd, base, &st, AT_SYMLINK_NOFOLLOW);
  const bool missing = result != 0 && errno == ENOENT;
  // A link's target may be replaced without an event here: it is looked up every time.
  if (result == 0 && S_ISLNK(st.st_mode)) {
    const int target = ::fstatat(fd, base, &st, 0);
    return stamp_from(target, st);
  }
  watchable = folders_[entry.folder].wd >= 0 && (missing || (result == 0 && S_ISREG(st.st_mode)));
  return stamp_from(result, st);
}

void FileCache::note_looked(Entry& entry, bool watchable, bool found) {
  entry.looked = generation_;
  entry.watched = watchable && (entry.file ? watch_file(entry) : !found);
}

bool FileCache::watch_file(Entry& entry) {
  if (entry.wd >= 0 && watches_.contains(entry.wd)) return true;
  const Folder& folder = folders_[entry.folder];
  entry.wd = ::inotify_add_watch(notify_fd_, fd_path(folder.fd, entry.base).c_str(),
                                 kFileEvents | IN_DONT_FOLLOW);
  if (entry.wd < 0) return false;
  record_watch(entry.wd, entry.folder);
  return true;
}

int FileCache::folder_fd(Folder& folder) {
  if (folder.checked == generation_) return folder.fd;
  // A folder is watched from the second query that looks in it on: a session of one query
  // (a program run for one word) would only pay for setting up and closing the watches.
  const bool again = folder.checked != 0;
  folder.checked = generation_;
  struct stat st;
  const bool same = ::stat(folder.path.c_str(), &st) == 0 && S_ISDIR(st.st_mode) &&
                    folder.fd >= 0 && static_cast<std::uint64_t>(st.st_dev) == folder.device &&
                    static_cast<std::uint64_t>(st.st_ino) == folder.inode;
  if (same) {
    if (again && !folder.watch_tried) watch_folder(folder);
    return folder.fd;
  }
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
  if (again) {
    watch_folder(folder);
  } else {  // not watched yet: what was looked at before is looked at again
    folder.wd = -1;
    folder.watch_tried = false;
    folder.stirred = generation_;
  }
  return folder.fd;
}

void FileCache::watch_folder(Folder& folder) {
  folder.watch_tried = true;
  folder.wd = -1;
  folder.stirred = generation_;  // what was looked at before this watch is looked at again
  struct statfs fs;
  if (folder.fd < 0 || ::fstatfs(folder.fd, &fs) != 0 ||
      !reports_every_change(static_cast<std::uint32_t>(fs.f_type)) || notify_fd() < 0) {
    return;
  }
  folder.wd =
      ::inotify_add_watch(notify_fd_, fd_path(folder.fd).c_str(), kFolderEvents | IN_ONLYDIR);
  if (folder.wd >= 0) record_watch(folder.wd, static_cast<std::size_t>(&folder - folders_.data()));
}

int FileCache::notify_fd() {
  if (!notify_tried_) notify_fd_ = ::inotify_init1(IN_NONBLOCK | IN_CLOEXEC);
  notify_tried_ = true;
  return notify_fd_;
}

void FileCache::record_watch(int wd, std::size_t folder) {
  auto [it, fresh] = watches_.try_emplace(wd, folder);
  if (!fresh && it->second != folder) it->second = kAllFolders;  // one inode, two folders
}

void FileCache::take_events() {
  // Once per scope, and even before there is a watch: events read later in the scope could
  // be newer than what the scope has looked at.
  if (events_taken_ == generation_) return;
  events_taken_ = generation_;
  if (notify_fd_ < 0) return;
  alignas(inotify_event) char buffer[4096];
  for (;;) {
    const ssize_t n = ::read(notify_fd_, buffer, sizeof buffer);
    if (n < 0 && errno == EINTR) continue;
    if (n < 0 && errno == EAGAIN) return;
    if (n <= 0) {  // events may be lost
      stir_all();
      return;
    }
    for (ssize_t at = 0; at + static_cast<ssize_t>(sizeof(inotify_event)) <= n;) {
      inotify_event event;
      std::memcpy(&event, buffer + at, sizeof event);
      take_event(event.wd, event.mask);
      at += static_cast<ssize_t>(sizeof event + event.len);
    }
  }
}

void FileCache::take_event(int wd, std::uint32_t mask) {
  auto it = watches_.find(wd);
  if (mask & IN_Q_OVERFLOW) {
    stir_all();
  } else if (it == watches_.end()) {
    return;  // a watch already given up: nothing here depends on it
  } else if (it->second == kAllFolders) {
    stir_all();
  } else {
    folders_[it->second].stirred = generation_;
  }
  if ((mask & IN_IGNORED) && it != watches_.end()) {  // the watch is gone
    for (Folder& folder : folders_) {
      if (folder.wd == wd) folder.wd = -1;
    }
    watches_.erase(it);
  }
}

void FileCache::stir_all() {
  for (Folder& folder : folders_)
    folder.stirred = generation_;
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
