// Everything one running program owns: the data folder, the start-up tables, the shell's own
// records, the tables of queries, and the window side that file views open windows on.
#ifndef VELIMORA_SESSION_SESSION_H_
#define VELIMORA_SESSION_SESSION_H_

#include <optional>
#include <string>

#include "session/file_cache.h"
#include "session/resource_guard.h"
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

struct Session {
  // The folder prefix the program was started with (D before start-up has run).
  std::string data_prefix;
  StartupTables startup;
  ShellTables shell;
  QueryTables q;
  ResourceGuard guard;
  FileCache files;  // data files read so far; re-read when they change on disk
  Frontend* frontend = nullptr;  // not owned; null: lexicon windows are not shown
};

}  // namespace velimora

#endif  // VELIMORA_SESSION_SESSION_H_
