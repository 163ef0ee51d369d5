// The forms a Danish article lists in its remarks ({en; bøger}, {gik, gået}, {større, størst})
// become variants of its chain, so that the search finds the article under them.
#ifndef VELIMORA_TOOLS_MKDATA_DANISH_FORMS_H_
#define VELIMORA_TOOLS_MKDATA_DANISH_FORMS_H_

#include <string>
#include <string_view>

#include "mkdata/articles.h"

namespace velimora::mkdata {

// The line with a `>FORM` variant for every irregular form its remarks list that the chain
// does not already hold, placed after the last variant (before a code `1`, which stays last).
// A compound first part and a line whose remarks list nothing new come back unchanged.
std::string with_listed_forms(std::string_view line, const Article& a);

}  // namespace velimora::mkdata

#endif  // VELIMORA_TOOLS_MKDATA_DANISH_FORMS_H_
