// The search and ranking steps of a lookup run.
#ifndef VELIMORA_LOOKUP_ANALYSIS_SEARCH_H_
#define VELIMORA_LOOKUP_ANALYSIS_SEARCH_H_

#include <string_view>

#include "session/session.h"

namespace velimora {

// Arguments of `finds0`, in the program's order.
struct SearchRequest {
  int mode = 0;       // display mode of the query
  int number = -2;    // query number (reverse code)
  int level = 0;      // 0 plain, 1 Finnish analysis, 2 Danish analysis
  int form_flag = 1;  // 1 plain form, 0 analysis form
  std::string_view data_prefix;
  std::string_view key;
  std::string_view variant;
};

// `finds0`: the dictionary and word-list search for the key; fills `f4`, `st`, `sf` and the
// other search tables. Fails when the request fits neither the plain nor the analysis form.
bool finds0(Session& s, const SearchRequest& r);

// Arguments of `pas`, in the program's order.
struct RankRequest {
  std::string_view data_prefix;
  char side = 'f';
  int level = 0;
  std::string_view key;
  std::string_view variant;
  char kept_last = ' ';  // the key's last letter when it may be an ending, else a blank
  int n_minus_f = 0;
};

// `pas`: ranks the analysis combinations into `f1` rows; does nothing for a plain query.
void pas(Session& s, const RankRequest& r);

}  // namespace velimora

#endif  // VELIMORA_LOOKUP_ANALYSIS_SEARCH_H_
