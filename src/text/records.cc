#include "text/records.h"

#include "text/charclass.h"
#include "text/files.h"

namespace velimora {
namespace {

// Lists inside lists deeper than this are refused: the parser and the terms it builds recurse
// once per level, and a hostile line of thousands of '[' must not exhaust the stack.
constexpr int kMaxListDepth = 32;

}  // namespace

bool RecordCursor::record(Record& r) {
  std::string_view name_text;
  if (!name(name_text)) return false;
  r.name.assign(name_text);
  skip_blanks();
  std::size_t args = 0;
  if (eat('(')) {
    if (!arguments(')', r.args, args)) return false;
  }
  r.args.resize(args);
  skip_blanks();
  if (pos_ != s_.size()) return failed("the end of the line");
  return true;
}

bool RecordCursor::failed(const char* expected) {
  why_ = "column " + std::to_string(pos_ + 1) + ": expected " + expected;
  return false;
}

bool RecordCursor::failed_at(std::size_t at, const char* expected) {
  pos_ = at;
  return failed(expected);
}

// A text that holds escapes, or none where one was expected.
bool RecordCursor::escaped_text(std::string_view& out, std::string& unescaped) {
  if (pos_ >= s_.size() || s_[pos_] != '"') return failed("a text");
  unescaped.clear();
  if (!read_text(unescaped)) return false;
  out = unescaped;
  return true;
}

bool RecordCursor::failed_depth() {
  why_ = "column " + std::to_string(pos_ + 1) + ": lists nested deeper than " +
         std::to_string(kMaxListDepth);
  return false;
}

// Comma-separated terms up to `close` (already past the opening bracket) into out[count…]:
// terms already there are overwritten, so that their texts keep their storage.
bool RecordCursor::arguments(char close, std::vector<Term>& out, std::size_t& count) {
  skip_blanks();
  if (eat(close)) return true;
  for (;;) {
    if (count == out.size()) out.emplace_back();
    Term& t = out[count++];
    t.integer = 0;
    t.text.clear();
    t.list.clear();
    if (!term(t)) return false;
    skip_blanks();
    if (eat(close)) return true;
    if (!eat(',')) return failed(close == ')' ? "',' or ')'" : "',' or ']'");
  }
}

bool RecordCursor::term(Term& t) {
  skip_blanks();
  if (pos_ >= s_.size()) return failed("an argument");
  const char c = s_[pos_];
  if (c == '"') {
    t.kind = Term::Kind::kText;
    return read_text(t.text);
  }
  if (c == '\'') {
    t.kind = Term::Kind::kChar;
    char one = 0;
    if (!read_character(one)) return false;
    t.text.assign(1, one);
    return true;
  }
  if (c == '[') {
    if (depth_ == kMaxListDepth) return failed_depth();
    ++pos_;
    t.kind = Term::Kind::kList;
    ++depth_;
    std::size_t count = 0;
    const bool ok = arguments(']', t.list, count);
    --depth_;
    return ok;
  }
  if (c == '-' || is_digit(c)) {
    t.kind = Term::Kind::kInteger;
    return read_integer(t.integer);
  }
  return failed("an integer, a text, a character or a list");
}

// From the opening '"'; appends to out.
bool RecordCursor::read_text(std::string& out) {
  ++pos_;
  while (pos_ < s_.size() && s_[pos_] != '"') {
    std::size_t end = pos_;  // the plain run up to a quote or escape, appended at once
    while (end < s_.size() && s_[end] != '"' && s_[end] != '\\')
      ++end;
    out.append(s_.substr(pos_, end - pos_));
    pos_ = end;
    if (pos_ == s_.size() || s_[pos_] == '"') break;
    ++pos_;  // the backslash
    if (pos_ >= s_.size()) break;
    switch (s_[pos_++]) {
      case 'n':
        out += '\n';
        break;
      case 'r':
        out += '\r';
        break;
      case '\\':
        out += '\\';
        break;
      case '"':
        out += '"';
        break;
      default:
        --pos_;
        return failed("one of \\n \\r \\\\ \\\" in a text");
    }
  }
  if (!eat('"')) return failed("the closing '\"' of a text");
  return true;
}

// From the opening quote.
bool RecordCursor::read_character(char& out) {
  ++pos_;
  if (pos_ >= s_.size()) return failed("a character");
  char c = s_[pos_++];
  if (c == '\\') {
    if (pos_ >= s_.size()) return failed("an escaped character");
    switch (s_[pos_++]) {
      case 'n':
        c = '\n';
        break;
      case 'r':
        c = '\r';
        break;
      case '0':
        c = '\0';
        break;
      case '\\':
        c = '\\';
        break;
      case '\'':
        c = '\'';
        break;
      default:
        --pos_;
        return failed("one of \\n \\r \\0 in a character");
    }
  }
  if (!eat('\'')) return failed("the closing quote of a character");
  out = c;
  return true;
}

const char* term_kind_name(Term::Kind k) {
  switch (k) {
    case Term::Kind::kInteger:
      return "integer";
    case Term::Kind::kText:
      return "text";
    case Term::Kind::kChar:
      return "character";
    case Term::Kind::kList:
      return "list";
  }
  return "?";
}

Result<Record> parse_record(std::string_view line) {
  Record r;
  RecordCursor cursor(line);
  if (!cursor.record(r)) return Error{cursor.why()};
  return r;
}

namespace records_detail {

Result<std::string> file_text(std::string_view path) {
  Result<std::string> text = read_whole_file(path);
  if (!text) return Error{native_path(path) + ": cannot be opened"};
  return text;
}

Error line_error(std::string_view path, std::size_t start, int number, const std::string& why) {
  return Error{native_path(path) + ": byte " + std::to_string(start) + " (line " +
               std::to_string(number) + "): " + why};
}

}  // namespace records_detail

Status load_records(std::string_view path, const RecordSink& sink) {
  Record record;  // reused for every line
  return load_record_lines(path, [&](std::string_view line) {
    RecordCursor cursor(line);
    if (!cursor.record(record)) return Status(Error{cursor.why()});
    return sink(record);
  });
}

}  // namespace velimora
