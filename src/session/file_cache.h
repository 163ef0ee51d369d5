// Data files kept in memory between queries. A file is read whole the first time it is asked
// for and read again whenever its size or modification time on disk has changed, so every
// answer is the one a fresh read would give. Within a query (a QueryScope) each file is
// checked on disk once, when the query first asks for it, so that a query with thousands of
// line reads costs a handful of stat calls; the query sees its files as they were then.
// Those checks look the file up in its folder, held open, instead of walking its whole path:
// the folder's path is looked at once per query and the folder opened again when the path
// names another one.
// On a local file system a query does not even look at each file: from the second query that
// looks in a folder on, the folder and each file read from it are watched (inotify), and a
// file is looked at again only when something happened in its folder or to the file since it
// was last looked at. Writes through a shared memory mapping are not reported by the kernel
// and so are not seen until such an event.
#ifndef VELIMORA_SESSION_FILE_CACHE_H_
#define VELIMORA_SESSION_FILE_CACHE_H_

#include <cstddef>
#include <cstdint>
#include <functional>
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
  // bytes: at most kMaxFileBytes.
  explicit CachedFile(std::string bytes);

  // The largest file kept: its line bounds are held in 32 bits to halve their memory.
  static constexpr std::size_t kMaxFileBytes = 0xFFFFFFFFu;

  std::size_t line_count() const { return lines_.size(); }
  // Line n (1-based) without its line end; n must be in 1 … line_count(). Inline: a search
  // asks for every line it reads.
  std::string_view line(std::size_t n) const {
    const LineSpan& l = lines_[n - 1];
    return std::string_view(bytes_).substr(l.start, l.end - l.start);
  }
  // The byte position at which line n (1-based) starts.
  long position(std::size_t n) const { return static_cast<long>(lines_[n - 1].start); }
  std::size_t size() const { return bytes_.size(); }
  // True when the lines, each without one leading double quote (the key quoting of the word
  // lists), never decrease byte-wise: a search may then bisect a run of keys instead of
  // reading every line.
  bool keys_ascending() const { return keys_ascending_; }

  // What a reader derives from the lines and keeps with this version of the file, so that
  // later queries need not derive it again: one value per line (index n - 1), 0 until
  // derived, and a list of line numbers, not yet made until `numbers_made`. `kind` names what
  // they mean: asking with another kind starts them over. Not for use from two threads at
  // once (a session's files belong to its thread).
  struct LineFacts {
    std::vector<std::uint16_t> values;
    std::vector<std::uint32_t> numbers;
    bool numbers_made = false;
  };
  LineFacts& line_facts(char kind) const {
    if (line_facts_kind_ != kind || line_facts_.values.size() != lines_.size()) {
      line_facts_.values.assign(lines_.size(), 0);
      line_facts_.numbers.clear();
      line_facts_.numbers_made = false;
      line_facts_kind_ = kind;
    }
    return line_facts_;
  }

 private:
  std::string bytes_;
  struct LineSpan {
    std::uint32_t start;
    std::uint32_t end;  // end of the line's text, its line end excluded
  };
  std::vector<LineSpan> lines_;
  bool keys_ascending_ = true;
  mutable LineFacts line_facts_;
  mutable char line_facts_kind_ = 0;
};

// The files of one session, by their program file name.
class FileCache {
 public:
  // Files above this total are dropped from memory (all at once) before the next is kept.
  static constexpr std::size_t kMaxBytes = 64u << 20;
  // So many names (missing files count too) are dropped the same way.
  static constexpr std::size_t kMaxFiles = 8192;
  // At most so many folders are held open; files elsewhere are looked at by their whole path.
  static constexpr std::size_t kMaxFolders = 32;

  // While one lives, a file's stamp is checked the first time it is asked for and trusted
  // for later requests; a scope opened inside another belongs to the outer one.
  class QueryScope {
   public:
    explicit QueryScope(FileCache& cache) : cache_(cache) {
      if (cache_.open_scopes_++ == 0) ++cache_.generation_;
    }
    ~QueryScope() { --cache_.open_scopes_; }
    QueryScope(const QueryScope&) = delete;
    QueryScope& operator=(const QueryScope&) = delete;

   private:
    FileCache& cache_;
  };

  // The file as it is on disk now (inside a scope: as it was when the scope first asked for
  // it); null when it does not exist, is not a regular file or cannot be read.
  std::shared_ptr<const CachedFile> get(std::string_view name);

  // The file a caller names by a number of its own under a name prefix (a list's part by its
  // letter and number under the data folder): inside a scope, looked up by that number once
  // the scope has asked for it, without building or hashing its name again; name() builds the
  // name the first time the number is asked for under the prefix. Outside a scope the same as
  // get(name()).
  template <class Name>
  std::shared_ptr<const CachedFile> get(std::string_view prefix, std::uint64_t key, Name name) {
    if (open_scopes_ == 0) return get(name());
    if (keyed_prefix_ != prefix || keyed_.size() >= kMaxFiles) {
      keyed_.clear();
      keyed_prefix_.assign(prefix);
    }
    auto [it, fresh] = keyed_.try_emplace(key);
    Keyed& keyed = it->second;
    if (fresh) keyed.name = name();
    if (keyed.generation != generation_) {
      keyed.entry = &entry_for(keyed.name, keyed.entry);
      keyed.generation = generation_;
    }
    return keyed.entry->file;
  }

  FileCache() = default;
  ~FileCache();  // closes the folders and the watch
  FileCache(const FileCache&) = delete;
  FileCache& operator=(const FileCache&) = delete;

  // How many times a file's stamp was looked up on disk: what the queries cost, for tests.
  std::uint64_t stamp_checks() const { return stamp_checks_; }

  // Forgets every file.
  void clear() {
    files_.clear();
    forget_keyed_entries(nullptr);
    bytes_ = 0;
  }

 private:
  static constexpr std::size_t kNoFolder = static_cast<std::size_t>(-1);
  // A file as last seen on disk; no file when it was missing or could not be read.
  struct Entry {
    FileStamp stamp;
    std::shared_ptr<const CachedFile> file;
    std::uint64_t checked = 0;       // the scope generation in which it was last found current
    std::size_t folder = kNoFolder;  // index in folders_
    std::string base;                // the native name within that folder
    std::uint64_t looked = 0;        // the scope generation that last looked it up on disk
    bool watched = false;  // then any change to it shows as an event: missing, or a plain file
    int wd = -1;           // the file's own watch, which also sees writes through other links
  };
  // A folder of cached files, open for the stat calls of a query.
  struct Folder {
    std::string path;  // native, without the trailing slash ("/" for the root, "." for none)
    int fd = -1;       // -1: not open (no folder there, or not yet looked at)
    std::uint64_t device = 0, inode = 0;  // of the folder open at fd
    std::uint64_t checked = 0;            // the scope generation that last looked at path
    int wd = -1;                          // its watch; -1 when it cannot be watched or is not yet
    bool watch_tried = false;             // whether a watch was asked for the folder open at fd
    std::uint64_t stirred = 0;            // the latest scope generation that saw an event in it
  };
  // Lets a name be looked up without building a string.
  struct NameHash {
    using is_transparent = void;
    std::size_t operator()(std::string_view s) const { return std::hash<std::string_view>{}(s); }
  };
  using Files = std::unordered_map<std::string, Entry, NameHash, std::equal_to<>>;

  // What get(name) gives, as the entry kept for the name. `known`, when not null, is the
  // entry kept for the name when last asked: it is tested first, without a look-up by name.
  Entry& entry_for(std::string_view name, Entry* known = nullptr);
  // Clears the pointers of keyed_ to the entry about to be dropped (to every entry: null).
  void forget_keyed_entries(const Entry* dropped);
  // True when the entry needs no look on disk in this scope: looked at in it already, or its
  // folder is watched and saw no event since the entry was last looked at.
  bool still_fresh(const Entry& entry);
  // Keeps what the disk holds now under the name (a missing or unreadable file as no file).
  Entry& refresh(Files::iterator it, std::string_view name);
  // Reads the file again and keeps it in place of the entry at it (if any).
  Entry& read_again(Files::iterator it, std::string_view name,
                    const std::optional<FileStamp>& stamp, std::size_t folder, std::string base);
  // The stamp of the entry's file now: inside a scope looked up in its open folder. Sets
  // watchable when the folder is watched and the name is missing or a regular file, no link.
  std::optional<FileStamp> stamp_now(const Entry& entry, std::string_view name, bool& watchable);
  // Notes that the entry was looked at in this scope; found: its name has a stamp.
  void note_looked(Entry& entry, bool watchable, bool found);
  // Watches the entry's file itself (once per inode); false when that cannot be had.
  bool watch_file(Entry& entry);
  // The folder's fd, opened again when its path names another folder than the one open;
  // -1 when the path names no folder. Looks at the path once per scope.
  int folder_fd(Folder& folder);
  // Watches the folder just opened when its file system reports every change; stirs it.
  void watch_folder(Folder& folder);
  // The inotify fd, made the first time it is needed; -1 when there is none.
  int notify_fd();
  // Notes that events of the watch concern the folder (every folder when shared).
  void record_watch(int wd, std::size_t folder);
  // Reads every event queued since, once per scope, and stirs the folders they concern.
  void take_events();
  void take_event(int wd, std::uint32_t mask);
  void stir_all();
  // Sets the entry's folder and base name from the program file name.
  void place(Entry& entry, std::string_view name);

  Files files_;
  std::vector<Folder> folders_;  // a handful: the data folder's subfolders
  std::size_t bytes_ = 0;
  std::uint64_t generation_ = 0;  // bumped when an outermost scope opens
  // A file asked for by number under keyed_prefix_: its name, built once (a query asks for
  // the same few dozen again), and the entry kept for it when the scope of `generation` last
  // asked (null once that entry is dropped), so that later scopes find it without hashing
  // the name.
  struct Keyed {
    std::string name;
    Entry* entry = nullptr;
    std::uint64_t generation = 0;
  };
  std::unordered_map<std::uint64_t, Keyed> keyed_;
  std::string keyed_prefix_;
  int open_scopes_ = 0;
  int notify_fd_ = -1;
  bool notify_tried_ = false;
  std::uint64_t events_taken_ = 0;  // the scope generation that last read the events
  static constexpr std::size_t kAllFolders = kNoFolder;
  std::unordered_map<int, std::size_t> watches_;  // live watch -> its folder, or kAllFolders
  std::uint64_t stamp_checks_ = 0;
};

}  // namespace velimora

#endif  // VELIMORA_SESSION_FILE_CACHE_H_
