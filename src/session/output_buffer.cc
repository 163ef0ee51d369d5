#include "session/output_buffer.h"

#include "text/primitives.h"

namespace velimora {

void sus(Session& s, std::string_view c, std::string_view d) {
  s.q.mud.push_back(join_text(c, d));
}

std::string nystr(Session& s, std::string_view acc) {
  std::string out(acc);
  for (const std::string& piece : s.q.mud) out += piece;
  s.q.mud.clear();
  return out;
}

bool adv2(Session& s, int /*tag*/, long needed) {
  if (s.guard.allow(needed)) return true;
  sus(s, ".");
  return false;
}

}  // namespace velimora
