// Record files: one record per line, `name(arg, …)` or a bare `name`, in term syntax.
#ifndef VELIMORA_TEXT_RECORDS_H_
#define VELIMORA_TEXT_RECORDS_H_

#include <functional>
#include <limits>
#include <string>
#include <string_view>
#include <vector>

#include "text/charclass.h"
#include "text/primitives.h"
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
  // Takes the name when it is `expected` (a name, such as the one of the line before); false,
  // and nothing taken but blanks, for any other name.
  bool name_is(std::string_view expected);
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

inline bool RecordCursor::name_is(std::string_view expected) {
  skip_blanks();
  if (s_.size() - pos_ < expected.size()) return false;
  for (std::size_t i = 0; i < expected.size(); ++i) {
    if (s_[pos_ + i] != expected[i]) return false;
  }
  const std::size_t end = pos_ + expected.size();
  if (end < s_.size() && (is_letter(s_[end]) || is_digit(s_[end]) || s_[end] == '_')) {
    return false;
  }
  pos_ = end;
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
  if (pos_ + 1 == s_.size() && s_[pos_] == ')') {  // the ')' that ends the line, as written
    ++pos_;
    return true;
  }
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
  if (at == digits || value > (negative ? kMax + 1 : kMax)) return failed_at(start, "an integer");
  pos_ = at;
  out = negative ? -value : value;
  return true;
}

namespace records_detail {
// The whole text of a record file; the error names the file.
Result<std::string> file_text(std::string_view path);
// A sink's error, naming the file, the byte position of the line and its line number.
Error line_error(std::string_view path, std::size_t start, int number, const std::string& why);
}  // namespace records_detail

// `load_record_lines`: the lines of the file that are not blank, without their line ends, to
// `sink` (a callable `Status(std::string_view line)`) in file order; `before` (a callable
// `void(std::string_view text)`) is given the file's whole text first, so that a loader can size
// its tables. An error from the sink stops the load and comes back naming the file, the byte
// position of that line and its line number. A template, so that a loader's handling of a line
// is compiled into the loop over the lines.
template <class LineSink, class TextSink>
Status load_record_lines(std::string_view path, const LineSink& sink, const TextSink& before) {
  Result<std::string> text = records_detail::file_text(path);
  if (!text) return Error{text.error()};
  const std::string_view all = *text;
  before(all);
  int number = 0;
  for (std::size_t start = 0; start < all.size();) {
    const std::size_t newline = all.find('\n', start);
    const std::size_t next = newline == all.npos ? all.size() : newline + 1;
    std::string_view line = all.substr(start, next - start);
    if (newline != all.npos) {
      line.remove_suffix(1);
      if (line.ends_with('\r')) line.remove_suffix(1);
    }
    ++number;
    // A line that begins with a letter holds a token; only others are asked.
    if ((!line.empty() && is_letter(line[0])) || has_token(line)) {
      if (Status s = sink(line); !s) {
        return records_detail::line_error(path, start, number, s.error());
      }
    }
    start = next;
  }
  return Status();
}

template <class LineSink>
Status load_record_lines(std::string_view path, const LineSink& sink) {
  return load_record_lines(path, sink, [](std::string_view) {});
}

// Receives each parsed record; an error (unknown name, arguments that do not fit) stops the
// load.
using RecordSink = std::function<Status(const Record&)>;

// `load_records`: parses the file line by line and hands each record to the sink in file
// order. Blank lines are skipped. The first bad line stops the load with an error naming the
// file, the byte position of that line and its line number; records before it stay delivered.
Status load_records(std::string_view path, const RecordSink& sink);

}  // namespace velimora

#endif  // VELIMORA_TEXT_RECORDS_H_
