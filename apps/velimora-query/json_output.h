// One query's results as one line of JSON, for scripts: what the query showed, in parts.
#ifndef VELIMORA_APPS_JSON_OUTPUT_H_
#define VELIMORA_APPS_JSON_OUTPUT_H_

#include <string>
#include <vector>

#include "session/query_record.h"
#include "session/session.h"

namespace velimora {

// Everything one query gave, its texts in Windows-1252.
struct QueryResult {
  std::string query;                    // as typed (UTF-8 or Windows-1252, see `cp1252`)
  const QueryRecord* record = nullptr;  // null when the query was not run
  std::vector<std::string> messages;    // message-window lines, in UTF-8
  std::vector<LexiconRequest> windows;  // lexicon windows the query opened
};

// The JSON object of one query on one line, ending in a line feed. Always valid JSON and
// valid UTF-8: engine texts are converted from Windows-1252, and a typed query that is not
// UTF-8 has its bad bytes replaced. `cp1252`: the typed query is Windows-1252.
std::string json_line(const QueryResult& result, bool cp1252);

}  // namespace velimora

#endif  // VELIMORA_APPS_JSON_OUTPUT_H_
