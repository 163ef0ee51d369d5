#include "lookup/prefix_candidates.h"

#include <string>

namespace velimora {

void search_stems(Session& s, const StemSearch& r, ChosenParts* kept) {
  tnr1(s,
       {.selector = r.selector,
        .reverse = 0,
        .analysis = r.analysis,
        .word = r.word,
        .form_flag = 0,
        .query = r.query,
        .number = r.language,
        .data_prefix = r.data_prefix},
       kept);
}

void bs(Session& s, int selector, int language, int state, int position, std::string_view query,
        std::string_view data_prefix, std::string_view remaining) {
  if (state != 9 || s.q.p12.any([&](int p) { return p == position; })) return;
  s.q.stt.clear();
  for (const SplitRow& row : s.q.nr) {
    const int n = row.remaining;
    if (n <= 0 || n >= 9 || static_cast<std::size_t>(n) > remaining.size()) continue;
    std::string key(remaining.substr(0, static_cast<std::size_t>(n)));
    const int kind = (static_cast<std::size_t>(n) == remaining.size() || n == 8) ? 1 : 0;
    if (s.q.stt.any([&](const KeyGroupRow& r) { return r.key == key; })) continue;
    const int group = (s.q.nq.empty() ? 0 : s.q.nq.front()) + 1;
    s.q.nq.set(group);
    s.q.stt.add({group, key, kind});
  }
  StemSearch search{selector, position, remaining, query, language, data_prefix};
  if (position == 0) {
    // The first position stores both the whole-word hits of the word lists (a plain search)
    // and the stems (a search whose analysis value must not be 0), from the same parts.
    ChosenParts parts;
    search.analysis = 0;
    search_stems(s, search, &parts);
    search.analysis = 1;
    search_stems(s, search, &parts);
  } else {
    search_stems(s, search);
  }
  s.q.p12.add(position);
}

}  // namespace velimora
