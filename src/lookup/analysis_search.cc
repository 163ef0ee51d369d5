#include "lookup/analysis_search.h"

#include "wordlists/list_search.h"

namespace velimora {

bool finds0(Session& s, const SearchRequest& r) {
  if (r.level == 0) {
    plain_search(s, r.mode, r.number, r.key, r.form_flag, r.key_kind, r.data_prefix);
    return true;
  }
  // The segment search of the analysis form is not built yet: it finds nothing.
  return r.form_flag == 0;
}

void pas(Session&, const RankRequest&) {}

}  // namespace velimora
