#include "text/records.h"

#include "text/charclass.h"
#include "text/files.h"
#include "text/primitives.h"

namespace velimora {
namespace {

// Lists inside lists deeper than this are refused: the parser and the terms it builds recurse
// once per level, and a hostile line of thousands of '[' must not exhaust the stack.
constexpr int kMaxListDepth = 32;

// A cursor over one line; every parse step either advances or records why it could not.
class Parser {
 public:
  explicit Parser(std::string_view s) : s_(s) {}

  Result<Record> record() {
    skip_blanks();
    Record r;
    while (pos_ < s_.size() && (is_letter(s_[pos_]) || is_digit(s_[pos_]) || s_[pos_] == '_')) {
      r.name += s_[pos_++];
    }
    if (r.name.empty() || !is_letter(r.name[0])) return fail("a record name");
    skip_blanks();
    if (eat('(')) {
      if (!arguments(')', r.args)) return Error{why_};
    }
    skip_blanks();
    if (pos_ != s_.size()) return fail("the end of the line");
    return r;
  }

 private:
  Error fail(const char* expected) {
    why_ = "column " + std::to_string(pos_ + 1) + ": expected " + expected;
    return Error{why_};
  }
  bool failed(const char* expected) {
    fail(expected);
    return false;
  }
  bool failed_depth() {
    why_ = "column " + std::to_string(pos_ + 1) + ": lists nested deeper than " +
           std::to_string(kMaxListDepth);
    return false;
  }
  void skip_blanks() {
    while (pos_ < s_.size() && is_space(s_[pos_])) ++pos_;
  }
  bool eat(char c) {
    if (pos_ < s_.size() && s_[pos_] == c) {
      ++pos_;
      return true;
    }
    return false;
  }

  // Comma-separated terms up to `close` (already past the opening bracket).
  bool arguments(char close, std::vector<Term>& out) {
    skip_blanks();
    if (eat(close)) return true;
    for (;;) {
      Term t;
      if (!term(t)) return false;
      out.push_back(std::move(t));
      skip_blanks();
      if (eat(close)) return true;
      if (!eat(',')) return failed(close == ')' ? "',' or ')'" : "',' or ']'");
    }
  }

  bool term(Term& t) {
    skip_blanks();
    if (pos_ >= s_.size()) return failed("an argument");
    char c = s_[pos_];
    if (c == '"') return text(t);
    if (c == '\'') return character(t);
    if (c == '[') {
      if (depth_ == kMaxListDepth) return failed_depth();
      ++pos_;
      t.kind = Term::Kind::kList;
      ++depth_;
      const bool ok = arguments(']', t.list);
      --depth_;
      return ok;
    }
    if (c == '-' || is_digit(c)) return integer(t);
    return failed("an integer, a text, a character or a list");
  }

  bool integer(Term& t) {
    std::size_t start = pos_;
    if (s_[pos_] == '-') ++pos_;
    while (pos_ < s_.size() && is_digit(s_[pos_])) ++pos_;
    std::optional<int> v = text_to_int(s_.substr(start, pos_ - start));
    if (!v) {
      pos_ = start;
      return failed("an integer");
    }
    t.kind = Term::Kind::kInteger;
    t.integer = *v;
    return true;
  }

  bool text(Term& t) {
    ++pos_;
    t.kind = Term::Kind::kText;
    while (pos_ < s_.size() && s_[pos_] != '"') {
      char c = s_[pos_++];
      if (c == '\\') {
        if (pos_ >= s_.size()) break;
        char e = s_[pos_++];
        switch (e) {
          case 'n': c = '\n'; break;
          case 'r': c = '\r'; break;
          case '\\': c = '\\'; break;
          case '"': c = '"'; break;
          default: --pos_; return failed("one of \\n \\r \\\\ \\\" in a text");
        }
      }
      t.text += c;
    }
    if (!eat('"')) return failed("the closing '\"' of a text");
    return true;
  }

  bool character(Term& t) {
    ++pos_;
    t.kind = Term::Kind::kChar;
    if (pos_ >= s_.size()) return failed("a character");
    char c = s_[pos_++];
    if (c == '\\') {
      if (pos_ >= s_.size()) return failed("an escaped character");
      char e = s_[pos_++];
      switch (e) {
        case 'n': c = '\n'; break;
        case 'r': c = '\r'; break;
        case '0': c = '\0'; break;
        case '\\': c = '\\'; break;
        case '\'': c = '\''; break;
        default: --pos_; return failed("one of \\n \\r \\0 in a character");
      }
    }
    t.text.assign(1, c);
    if (!eat('\'')) return failed("the closing quote of a character");
    return true;
  }

  std::string_view s_;
  std::size_t pos_ = 0;
  int depth_ = 0;  // lists open at pos_
  std::string why_;
};

}  // namespace

const char* term_kind_name(Term::Kind k) {
  switch (k) {
    case Term::Kind::kInteger: return "integer";
    case Term::Kind::kText: return "text";
    case Term::Kind::kChar: return "character";
    case Term::Kind::kList: return "list";
  }
  return "?";
}

Result<Record> parse_record(std::string_view line) { return Parser(line).record(); }

Status load_records(std::string_view path, const RecordSink& sink) {
  LineReader in(path);
  if (!in.ok()) return Error{native_path(path) + ": cannot be opened"};
  long start = 0;
  int number = 0;
  while (std::optional<std::string> line = in.read_line(&start)) {
    ++number;
    if (!has_token(*line)) continue;
    auto where = [&] {
      return native_path(path) + ": byte " + std::to_string(start) + " (line " +
             std::to_string(number) + "): ";
    };
    Result<Record> r = parse_record(*line);
    if (!r) return Error{where() + r.error()};
    Status s = sink(*r);
    if (!s) return Error{where() + s.error()};
  }
  return Status();
}

}  // namespace velimora
