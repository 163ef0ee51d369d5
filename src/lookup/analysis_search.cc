#include "lookup/analysis_search.h"

namespace velimora {

// The word lists and the segment search are not searched yet: every lookup finds nothing.
bool finds0(Session&, const SearchRequest& r) { return r.level == 0 || r.form_flag == 0; }

void pas(Session&, const RankRequest&) {}

}  // namespace velimora
