// The query driver: one query text in, the text for the results window out.
#ifndef VELIMORA_SHELL_DRIVER_H_
#define VELIMORA_SHELL_DRIVER_H_

#include <optional>
#include <string>
#include <string_view>

#include "session/session.h"

namespace velimora {

// `go2`: runs one query (signs + word). Gives the joined output, or nothing when the query
// produced nothing to show (the output buffer is then emptied). Needs a started session.
std::optional<std::string> go2(Session& s, std::string_view query);

// The analysis level of the last query (`niv0`): 0 none, 1 Finnish, 2 Danish.
int last_level(const Session& s);

}  // namespace velimora

#endif  // VELIMORA_SHELL_DRIVER_H_
