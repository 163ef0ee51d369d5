// Record files: one record per line, `name(arg, …)` or a bare `name`, in term syntax.
#ifndef VELIMORA_TEXT_RECORDS_H_
#define VELIMORA_TEXT_RECORDS_H_

#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "text/status.h"

namespace velimora {

// One argument: an integer, a quoted text, a quoted character or a bracketed list.
struct Term {
  enum class Kind { kInteger, kText, kChar, kList };
  Kind kind = Kind::kInteger;
  long long integer = 0;
  std::string text;  // kText; kChar holds its one character here too
  std::vector<Term> list;
};

// Human name of a term kind for error messages ("integer", "text" …).
const char* term_kind_name(Term::Kind k);

struct Record {
  std::string name;
  std::vector<Term> args;
};

// Parses one line; the error says what is wrong and at which column.
Result<Record> parse_record(std::string_view line);

// Receives each parsed record; an error (unknown name, arguments that do not fit) stops the
// load.
using RecordSink = std::function<Status(const Record&)>;

// `load_records`: parses the file line by line and hands each record to the sink in file
// order. Blank lines are skipped. The first bad line stops the load with an error naming the
// file, the byte position of that line and its line number; records before it stay delivered.
Status load_records(std::string_view path, const RecordSink& sink);

}  // namespace velimora

#endif  // VELIMORA_TEXT_RECORDS_H_
