// Record files: one record per line, `name(arg, …)` or a bare `name`, in term syntax.
#ifndef VELIMORA_TEXT_RECORDS_H_
#define VELIMORA_TEXT_RECORDS_H_

#include <functional>
#include <limits>
#include <string>
#include <string_view>
#include <vector>

#include "text/charclass.h"
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
  bool failed_at(std::size_t at, const char* expected);  // pos_ back to `at` first
  bool escaped_text(std::string_view& out, std::string& unescaped);
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

// The steps below are inline: a loader reads every field of every record through them, and a
// call per step cost more than the step. Only the failures and the rare forms (escapes) are
// out of line.

inline void RecordCursor::skip_blanks() {
  while (pos_ < s_.size() && s_[pos_] <= ' ' && is_space(s_[pos_]))
    ++pos_;
}

inline bool RecordCursor::eat(char c) {
  if (pos_ < s_.size() && s_[pos_] == c) {
    ++pos_;
    return true;
  }
  return false;
}

inline bool RecordCursor::name(std::string_view& out) {
  skip_blanks();
  const std::size_t start = pos_;
  while (pos_ < s_.size() && (is_letter(s_[pos_]) || is_digit(s_[pos_]) || s_[pos_] == '_')) {
    ++pos_;
  }
  out = s_.substr(start, pos_ - start);
  if (out.empty() || !is_letter(out[0])) return failed("a record name");
  return true;
}

inline bool RecordCursor::open() {
  skip_blanks();
  return eat('(') || failed("'('");
}

inline bool RecordCursor::comma() {
  // The data compiler writes ", " between arguments: both at once, and the blank need not be
  // skipped by the next step.
  if (pos_ + 1 < s_.size() && s_[pos_] == ',' && s_[pos_ + 1] == ' ') {
    pos_ += 2;
    return true;
  }
  skip_blanks();
  return eat(',') || failed("','");
}

inline bool RecordCursor::close() {
  skip_blanks();
  if (!eat(')')) return failed("')'");
  skip_blanks();
  return pos_ == s_.size() || failed("the end of the line");
}

inline bool RecordCursor::integer(long long& out) {
  skip_blanks();
  if (pos_ < s_.size() && (s_[pos_] == '-' || is_digit(s_[pos_]))) return read_integer(out);
  return failed("an integer");
}

inline bool RecordCursor::text(std::string_view& out, std::string& unescaped) {
  skip_blanks();
  const char* const line = s_.data();
  const std::size_t n = s_.size();
  if (pos_ < n && line[pos_] == '"') {
    std::size_t end = pos_ + 1;
    while (end < n && line[end] != '"' && line[end] != '\\')
      ++end;
    if (end < n && line[end] == '"') {
      out = std::string_view(line + pos_ + 1, end - pos_ - 1);
      pos_ = end + 1;
      return true;
    }
  }
  return escaped_text(out, unescaped);
}

inline bool RecordCursor::character(char& out) {
  skip_blanks();
  if (pos_ < s_.size() && s_[pos_] == '\'') return read_character(out);
  return failed("a character");
}

// An optional '-' and digits whose value fits an int; from the sign or the first digit.
inline bool RecordCursor::read_integer(long long& out) {
  constexpr long long kMax = std::numeric_limits<int>::max();
  const char* const line = s_.data();
  const std::size_t n = s_.size();
  const std::size_t start = pos_;
  const bool negative = line[start] == '-';
  const std::size_t digits = start + (negative ? 1 : 0);
  std::size_t at = digits;
  long long value = 0;
  // Past kMax + 1 the value can only fail; stopping there keeps it from overflowing.
  while (at < n && is_digit(line[at]) && value <= kMax + 1) {
    value = value * 10 + (line[at] - '0');
    ++at;
  }
  if (negative) value = -value;
  if (at == digits || value > kMax || value < -kMax - 1) return failed_at(start, "an integer");
  pos_ = at;
  out = value;
  return true;
}

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
