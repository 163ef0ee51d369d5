#include "wordlists/reverse_query.h"

#include "session/output_buffer.h"
#include "text/charclass.h"
#include "text/format.h"
#include "text/primitives.h"
#include "text/word_helpers.h"

namespace velimora {
namespace {

// A reverse word list by its query letter (`kb`).
struct ReverseList {
  char letter;
  int code;
  std::string_view name;
};
constexpr ReverseList kReverseLists[] = {
    {.letter = 'k', .code = kFinnishReverse, .name = "k\xE4\xE4nteinen"},
    {.letter = 'b', .code = kDanishReverse, .name = "bagl\xE6ns"},
};

}  // namespace

WordAndCode gi1(Session& s, std::string_view query) {
  for (const ReverseList& list : kReverseLists) {
    if (query.size() < 2 || query[0] != list.letter || query[1] != '_') continue;
    std::string_view typed = query.substr(2);
    if (!has_token(typed)) break;
    std::string reversed = vendst(typed);
    sus(s, typed, format_text(", % : %", {list.name, std::string_view(reversed)}));
    sus(s, "\n\n");
    s.q.endret0.clear();
    return {reversed, list.code};
  }
  if (std::optional<Split> t = take_token(query)) {
    std::optional<int> n = text_to_int(t->front);
    if (n && *n > 0 && !t->rest.empty() && is_blank(t->rest[0])) {
      std::string_view after = trim_leading_blanks(t->rest);
      if (s.q.len0) s.q.len0->limit = *n % 201;
      return {std::string(glang0(after, ' ').front), kOrdinaryQuery};
    }
  }
  return {std::string(query), kOrdinaryQuery};
}

}  // namespace velimora
