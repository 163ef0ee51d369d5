// Start-up: loading the record files of the data folder and seeding the shell's tables.
#ifndef VELIMORA_SHELL_STARTUP_H_
#define VELIMORA_SHELL_STARTUP_H_

#include <string>
#include <string_view>
#include <vector>

#include "session/session.h"

namespace velimora {

struct StartupReport {
  bool ok = false;                  // the main record file exists; queries can run
  std::vector<std::string> errors;  // record files that stopped loading, with the position
};

// The main record file of a data folder prefix (D + "feu\fe.cns").
std::string main_record_file(std::string_view data_prefix);

// `lesu`: loads D + "feu\fu1" + digit + ".cns" when it exists; false (with `error` set)
// when it exists but stops loading.
bool lesu(Session& s, std::string_view data_prefix, char side, char digit, std::string& error);

// `go1`: loads the main record file (which must exist) and the numbered ones for the digits
// 0, 1, 2 and 4, then adds the shell's records: run constants, prompt default, word and
// hit limit, best score and the "nothing appended yet" marker.
StartupReport go1(Session& s, std::string_view data_prefix, std::string_view default_text);

// Forgets what queries left behind: the query tables and the shell's records go back to how
// `go1` left them, while the start-up tables and the file cache stay. For programs that run
// many independent query sequences in one started session (fuzzing, soak runs).
void reset_queries(Session& s, std::string_view default_text);

}  // namespace velimora

#endif  // VELIMORA_SHELL_STARTUP_H_
