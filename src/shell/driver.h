// The query driver: one query text in, the text for the results window out.
#ifndef VELIMORA_SHELL_DRIVER_H_
#define VELIMORA_SHELL_DRIVER_H_

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

#include "session/session.h"

namespace velimora {

// The longest word (the text after the signs) a query runs: as many bytes as the prompt
// takes. The driver holds every front end (prompt, double click, terminal) to it itself; a
// command that puts a sign before a full prompt answer keeps all of the answer.
inline constexpr std::size_t kMaxQueryWord = 499;

// The part of a query text that the driver runs: the signs and at most kMaxQueryWord bytes
// of the word after them.
std::string_view within_query_limit(std::string_view query);

// `go2`: runs one query (signs + word) within the query limit. Gives the joined output, or nothing
// when the query produced nothing to show (the output buffer is then emptied). Needs a started
// session.
std::optional<std::string> go2(Session& s, std::string_view query);

// The analysis level of the last query (`niv0`): 0 none, 1 Finnish, 2 Danish.
int last_level(const Session& s);

}  // namespace velimora

#endif  // VELIMORA_SHELL_DRIVER_H_
