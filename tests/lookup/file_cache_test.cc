// The file cache across queries: what a query sees after a file changed on disk, and how
// many files it looks at on disk to know.
#include "session/file_cache.h"

#include <gtest/gtest.h>

#include <chrono>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>

#include "testing/temp_dir.h"

namespace velimora {
namespace {

namespace fs = std::filesystem;

// Runs changes such as "w sub/f.pro new text; mv sub moved" in the folder: w(rite in place),
// mv, ln (a hard link), sym TARGET LINK, rm, cut PATH SIZE, later PATH (its time 1 s on), read.
void run(const testing::TempDir& dir, const std::string& changes) {
  std::istringstream all(changes);
  for (std::string change; std::getline(all, change, ';');) {
    std::istringstream in(change);
    std::string verb, a, b;
    in >> verb >> a >> std::ws;
    std::getline(in, b);
    const std::string pa = dir.path() + "/" + a, pb = dir.path() + "/" + b;
    if (verb == "w") dir.write(a, b + "\n");
    if (verb == "mv") fs::rename(pa, pb);
    if (verb == "ln") fs::create_hard_link(pa, pb);
    if (verb == "sym") fs::create_symlink(a, pb);
    if (verb == "rm") fs::remove(pa);
    if (verb == "cut") fs::resize_file(pa, std::stoul(b));
    if (verb == "later") fs::last_write_time(pa, fs::last_write_time(pa) + std::chrono::seconds(1));
    if (verb == "read") std::ifstream(pa).get();
  }
}

// The first line of the file as the cache gives it in a query of its own; the same when
// the file is asked for by a number instead of its name, as the list searches do.
std::string in_a_query(FileCache& cache, const std::string& name) {
  const FileCache::QueryScope query(cache);
  const std::uint64_t number = std::hash<std::string>{}(name);
  std::shared_ptr<const CachedFile> keyed = cache.get("", number, [&] { return name; });
  std::shared_ptr<const CachedFile> file = cache.get(name);
  const std::string text = file == nullptr ? "(none)" : std::string(file->line(1));
  return keyed == file ? text : text + " (asked by number: another file)";
}

TEST(FileCacheAcrossQueries, TheQueryAfterAChangeGivesTheFileAsItIsNow) {
  static const struct {
    const char* name;
    const char* before;  // after sub/f.pro is written, before the first query
    const char* first;
    const char* change;  // between the second query and the third
    const char* now;
  } kCases[] = {
      {"rewritten in place, same size", "", "old text", "w sub/f.pro new text; later sub/f.pro",
       "new text"},
      {"truncated", "", "old text", "cut sub/f.pro 3", "old"},
      {"replaced by rename", "", "old text", "w sub/n.tmp renamed; mv sub/n.tmp sub/f.pro",
       "renamed"},
      {"deleted", "", "old text", "rm sub/f.pro", "(none)"},
      {"created again", "rm sub/f.pro", "(none)", "w sub/f.pro back again", "back again"},
      {"folder renamed away, another put at its path", "", "old text",
       "mv sub moved; w sub/f.pro other folder", "other folder"},
      {"changed through its other hard link", "ln sub/f.pro o.pro", "old text", "w o.pro via link",
       "via link"},
      {"linked elsewhere once known, changed there", "", "old text",
       "ln sub/f.pro o.pro; w o.pro via link", "via link"},
      {"a symbolic link whose target's folder is replaced",
       "w t/f.pro old text; rm sub/f.pro; sym ../t/f.pro sub/f.pro", "old text",
       "mv t t.old; w t/f.pro new target", "new target"},
  };
  for (const auto& c : kCases) {
    testing::TempDir dir;
    dir.write("sub/f.pro", "old text\n");
    run(dir, c.before);
    FileCache cache;
    const std::string name = dir.prefix() + "sub\\f.pro";
    EXPECT_EQ(in_a_query(cache, name), c.first) << c.name;
    EXPECT_EQ(in_a_query(cache, name), c.first) << c.name;  // known now, nothing changed
    run(dir, c.change);
    EXPECT_EQ(in_a_query(cache, name), c.now) << c.name;
  }
}

// A change made while a query runs, after it looked at the file, shows in the next query.
TEST(FileCacheAcrossQueries, AChangeWhileAQueryRunsShowsInTheNext) {
  testing::TempDir dir;
  run(dir, "w sub/f.pro old; w sub/g.pro g");
  FileCache cache;
  in_a_query(cache, dir.prefix() + "sub/g.pro");  // the folder is known
  {
    const FileCache::QueryScope query(cache);
    cache.get(dir.prefix() + "sub/f.pro");
    run(dir, "w sub/f.pro new text");
    cache.get(dir.prefix() + "sub/g.pro");
  }
  EXPECT_EQ(in_a_query(cache, dir.prefix() + "sub/f.pro"), "new text");
}

// Once its files are known and watched (from the second query on), a query looks at none of
// them on disk, however often it reads them, until something changes in their folder; then
// it looks at that folder's files.
TEST(FileCacheAcrossQueries, AQueryLooksAtFilesOnlyInAFolderWhereSomethingChanged) {
  testing::TempDir dir;
  run(dir, "w a/1.pro x; w a/2.pro x; w a/3.pro x; w b/1.pro x; w b/2.pro x; w b/3.pro x");
  FileCache cache;
  static const struct {
    const char* change;
    std::uint64_t looks;
  } kSteps[] = {{"", 7},
                {"", 7},
                {"", 0},
                {"w a/2.pro y", 4},
                {"", 0},
                {"w b/4.pro z", 3},
                {"read b/1.pro", 0}};
  for (const auto& step : kSteps) {
    run(dir, step.change);
    const std::uint64_t before = cache.stamp_checks();
    {
      const FileCache::QueryScope query(cache);
      for (int pass = 0; pass < 3; ++pass) {
        for (const char* file :
             {"a/1.pro", "a/2.pro", "a/3.pro", "a/none.pro", "b/1.pro", "b/2.pro", "b/3.pro"})
          cache.get(dir.prefix() + file);
      }
    }
    EXPECT_EQ(cache.stamp_checks() - before, step.looks) << step.change;
  }
}

}  // namespace
}  // namespace velimora
