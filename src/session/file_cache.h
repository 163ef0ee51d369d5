// Data files kept in memory between queries. A file is read whole the first time it is asked
// for and read again whenever its size or modification time on disk has changed, so every
// answer is the one a fresh read would give.
#ifndef VELIMORA_SESSION_FILE_CACHE_H_
#define VELIMORA_SESSION_FILE_CACHE_H_

#include <cstddef>
#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

namespace velimora {

// What tells one version of a file on disk from another: its size, modification time and
// inode.
struct FileStamp {
  std::int64_t size = 0;
  std::int64_t mtime_ns = 0;
  std::uint64_t inode = 0;
  bool operator==(const FileStamp&) const = default;
};

// The stamp of a regular file as it is now; nothing when it does not exist or is no regular
// file.
std::optional<FileStamp> stamp_of(std::string_view name);

// One file's bytes, cut into lines exactly as the line reader cuts them: at LF, with a CR
// before the LF dropped; a last line without LF counts, an empty file has no lines.
class CachedFile {
 public:
  explicit CachedFile(std::string bytes);

  std::size_t line_count() const { return starts_.size(); }
  // Line n (1-based) without its line end; n must be in 1 … line_count().
  std::string_view line(std::size_t n) const;
  // The byte position at which line n (1-based) starts.
  long position(std::size_t n) const { return static_cast<long>(starts_[n - 1]); }
  std::size_t size() const { return bytes_.size(); }

 private:
  std::string bytes_;
  std::vector<std::size_t> starts_;
  std::vector<std::size_t> ends_;  // end of each line's text, its line end excluded
};

// The files of one session, by their program file name.
class FileCache {
 public:
  // Files above this total are dropped from memory (all at once) before the next is kept.
  static constexpr std::size_t kMaxBytes = 64u << 20;

  // The file as it is on disk now; null when it does not exist, is not a regular file or
  // cannot be read.
  std::shared_ptr<const CachedFile> get(std::string_view name);

  // Forgets every file.
  void clear() {
    files_.clear();
    bytes_ = 0;
  }

 private:
  struct Entry {
    FileStamp stamp;
    std::shared_ptr<const CachedFile> file;
  };
  std::unordered_map<std::string, Entry> files_;
  std::size_t bytes_ = 0;
};

}  // namespace velimora

#endif  // VELIMORA_SESSION_FILE_CACHE_H_
