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

// A cursor over one record line: the whole record (`record`), or, for a reader that knows the
// layout of a record name, its parts one by one without building terms. A step that fails
// returns false, and why() says what was expected at which column.
class RecordCursor {
 public:
  explicit RecordCursor(std::string_view line) : s_(line) {}

  // The whole record into r, reusing r's storage from an earlier line.
  bool record(Record& r);

  bool name(std::string_view& out);
  bool open();   // the '(' after the name
  bool comma();  // the ',' between two arguments
  bool close();  // the ')' that ends the arguments, and nothing after it
  bool integer(long long& out);
  // A text: out views it in the line, or `unescaped` when it holds escapes.
  bool text(std::string_view& out, std::string& unescaped);
  bool character(char& out);

  const std::string& why() const { return why_; }

 private:
  bool failed(const char* expected);
  bool failed_depth();
  void skip_blanks();
  bool eat(char c);
  bool arguments(char close, std::vector<Term>& out, std::size_t& count);
  bool term(Term& t);
  bool read_integer(long long& out);
  bool read_text(std::string& out);
  bool read_character(char& out);

  std::string_view s_;
  std::size_t pos_ = 0;
  int depth_ = 0;  // lists open at pos_
  std::string why_;
};

// Receives each line that holds a record, without its line end; an error stops the load.
using RecordLineSink = std::function<Status(std::string_view line)>;

// Receives a record file's whole text before its lines, so that a loader can size its tables.
using RecordTextSink = std::function<void(std::string_view text)>;

// `load_record_lines`: the lines of the file that are not blank, in file order. An error from
// the sink stops the load and comes back naming the file, the byte position of that line and
// its line number.
Status load_record_lines(std::string_view path, const RecordLineSink& sink,
                         const RecordTextSink& before = nullptr);

// Receives each parsed record; an error (unknown name, arguments that do not fit) stops the
// load.
using RecordSink = std::function<Status(const Record&)>;

// `load_records`: parses the file line by line and hands each record to the sink in file
// order. Blank lines are skipped. The first bad line stops the load with an error naming the
// file, the byte position of that line and its line number; records before it stay delivered.
Status load_records(std::string_view path, const RecordSink& sink);

}  // namespace velimora

#endif  // VELIMORA_TEXT_RECORDS_H_
