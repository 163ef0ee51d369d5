// The output buffer of a query and the guard that writes to it when a step is refused.
#ifndef VELIMORA_SESSION_OUTPUT_BUFFER_H_
#define VELIMORA_SESSION_OUTPUT_BUFFER_H_

#include <string>
#include <string_view>

#include "session/session.h"

namespace velimora {

// `sus`: appends c + d to the output buffer.
void sus(Session& s, std::string_view c, std::string_view d = {});

// `nystr`: takes every buffer piece out, in order, and returns acc + their concatenation.
std::string nystr(Session& s, std::string_view acc);

// `adv2`: the resource guard before a costly step. Fails, appending "." to the output, when
// the query's depth or step budget is spent.
bool adv2(Session& s, int tag, long needed);

}  // namespace velimora

#endif  // VELIMORA_SESSION_OUTPUT_BUFFER_H_
