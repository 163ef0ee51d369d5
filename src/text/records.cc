#include "text/records.h"

#include <limits>

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

  // Fills r (reusing its storage from an earlier line); false with why() set on a bad line.
  bool record(Record& r) {
    skip_blanks();
    const std::size_t name_start = pos_;
    while (pos_ < s_.size() && (is_letter(s_[pos_]) || is_digit(s_[pos_]) || s_[pos_] == '_')) {
      ++pos_;
    }
    r.name.assign(s_.substr(name_start, pos_ - name_start));
    if (r.name.empty() || !is_letter(r.name[0])) return failed("a record name");
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

  const std::string& why() const { return why_; }

 private:
  bool failed(const char* expected) {
    why_ = "column " + std::to_string(pos_ + 1) + ": expected " + expected;
    return false;
  }
  bool failed_depth() {
    why_ = "column " + std::to_string(pos_ + 1) + ": lists nested deeper than " +
           std::to_string(kMaxListDepth);
    return false;
  }
  void skip_blanks() {
    while (pos_ < s_.size() && s_[pos_] <= ' ' && is_space(s_[pos_]))
      ++pos_;
  }
  bool eat(char c) {
    if (pos_ < s_.size() && s_[pos_] == c) {
      ++pos_;
      return true;
    }
    return false;
  }

  // Comma-separated terms up to `close` (already past the opening bracket) into out[count…]:
  // terms already there are overwritten, so that their texts keep their storage.
  bool arguments(char close, std::vector<Term>& out, std::size_t& count) {
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
      std::size_t count = 0;
      const bool ok = arguments(']', t.list, count);
      --depth_;
      return ok;
    }
    if (c == '-' || is_digit(c)) return integer(t);
    return failed("an integer, a text, a character or a list");
  }

  // An optional '-' and digits whose value fits an int.
  bool integer(Term& t) {
    constexpr long long kMax = std::numeric_limits<int>::max();
    const std::size_t start = pos_;
    const bool negative = s_[pos_] == '-';
    if (negative) ++pos_;
    const std::size_t digits = pos_;
    long long value = 0;
    while (pos_ < s_.size() && is_digit(s_[pos_])) {
      value = value * 10 + (s_[pos_++] - '0');
      if (value > kMax + 1) break;
    }
    if (negative) value = -value;
    if (pos_ == digits || value > kMax || value < -kMax - 1) {
      pos_ = start;
      return failed("an integer");
    }
    t.kind = Term::Kind::kInteger;
    t.integer = value;
    return true;
  }

  bool text(Term& t) {
    ++pos_;
    t.kind = Term::Kind::kText;
    while (pos_ < s_.size() && s_[pos_] != '"') {
      std::size_t end = pos_;  // the plain run up to a quote or escape, appended at once
      while (end < s_.size() && s_[end] != '"' && s_[end] != '\\')
        ++end;
      t.text.append(s_.substr(pos_, end - pos_));
      pos_ = end;
      if (pos_ == s_.size() || s_[pos_] == '"') break;
      char c = s_[pos_++];
      if (c == '\\') {
        if (pos_ >= s_.size()) break;
        char e = s_[pos_++];
        switch (e) {
          case 'n':
            c = '\n';
            break;
          case 'r':
            c = '\r';
            break;
          case '\\':
            c = '\\';
            break;
          case '"':
            c = '"';
            break;
          default:
            --pos_;
            return failed("one of \\n \\r \\\\ \\\" in a text");
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
  Parser p(line);
  if (!p.record(r)) return Error{p.why()};
  return r;
}

Status load_records(std::string_view path, const RecordSink& sink) {
  Result<std::string> text = read_whole_file(path);
  if (!text) return Error{native_path(path) + ": cannot be opened"};
  const std::string_view all = *text;
  Record record;  // reused for every line
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
    if (has_token(line)) {
      auto where = [&] {
        return native_path(path) + ": byte " + std::to_string(start) + " (line " +
               std::to_string(number) + "): ";
      };
      Parser p(line);
      if (!p.record(record)) return Error{where() + p.why()};
      Status s = sink(record);
      if (!s) return Error{where() + s.error()};
    }
    start = next;
  }
  return Status();
}

}  // namespace velimora
