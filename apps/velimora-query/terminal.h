// The interactive terminal: one query per line with line editing and a history kept between
// runs.
#ifndef VELIMORA_APPS_TERMINAL_H_
#define VELIMORA_APPS_TERMINAL_H_

#include <string>

#include "query_runner.h"

namespace velimora {

// Where the history is kept: $XDG_STATE_HOME/velimora/history, else
// ~/.local/state/velimora/history; "" when neither variable is set.
std::string history_file();

// Reads queries from the terminal until end of input and runs each. False when a query could
// not be run.
bool run_terminal(QueryRunner& runner);

}  // namespace velimora

#endif  // VELIMORA_APPS_TERMINAL_H_
