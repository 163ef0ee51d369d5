// Everything one running program owns: the data folder, the start-up tables, the shell's own
// records, the tables of queries, and the window side that file views open windows on.
#ifndef VELIMORA_SESSION_SESSION_H_
#define VELIMORA_SESSION_SESSION_H_

#include <optional>
#include <string>

#include "session/file_cache.h"
#include "session/query_record.h"
#include "session/resource_guard.h"
#include "spelling/close_words.h"
#include "tables/query_tables.h"
#include "tables/startup_tables.h"

namespace velimora {

// A text window to open with a whole text (a file view or a guide text).
struct LexiconRequest {
  std::string text;
  int caret = 1;  // 1-based position in the text
  int level = 0;  // analysis level: 1 shows long lines unwrapped, 7 is the bold welcome text
  std::string title;
};

// What queries need from the windows: opening a lexicon window.
class Frontend {
 public:
  virtual ~Frontend() = default;
  virtual void open_lexicon(const LexiconRequest& request) = 0;
};

// The run constants (`cst`): the data folder prefix D and the side letter C.
struct RunConstants {
  std::string data_prefix;
  char side = 'f';
};

// The shell's own records, added at start-up once the main record file has loaded.
struct ShellTables {
  std::optional<RunConstants> cst;
  std::optional<std::string> lix;  // the prompt default (field 5 of `lix`)
  Marker endret4;                  // no result appended to the results window yet
};

// The headword index for spelling suggestions, built from the data folder's headword file when
// a look-up first needs it, and again when the file changes.
struct SpellingState {
  std::optional<FileStamp> source;  // the version of the file the index was built from
  std::optional<spelling::HeadwordIndex> index;
  std::string error;  // why the file could not be used, with its name and line
  // False: a look-up that finds nothing leaves the suggestions out, for a caller that asks
  // for them itself only when nothing else is found (the table of a whole text).
  bool in_results = true;
};

struct Session {
  // The folder prefix the program was started with (D before start-up has run).
  std::string data_prefix;
  StartupTables startup;
  ShellTables shell;
  QueryTables q;
  ResourceGuard guard;
  FileCache files;  // data files read so far; re-read when they change on disk
  SpellingState spelling;
  QueryRecord shown;             // what the last query showed, in parts
  Frontend* frontend = nullptr;  // not owned; null: lexicon windows are not shown
};

}  // namespace velimora

#endif  // VELIMORA_SESSION_SESSION_H_
