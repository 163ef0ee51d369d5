#include "mkdata/articles.h"

#include "mkdata/lists.h"
#include "text/primitives.h"

namespace velimora::mkdata {
namespace {

constexpr std::string_view kFinnishCodes = "01245";

// Skips a Finnish code field; false when it is neither a second blank nor digit + blank.
bool take_finnish_code(std::string_view& rest, char& code) {
  if (!rest.empty() && rest[0] == ' ') {
    code = ' ';
    rest.remove_prefix(1);
    return true;
  }
  if (rest.size() >= 2 && kFinnishCodes.find(rest[0]) != std::string_view::npos && rest[1] == ' ') {
    code = rest[0];
    rest.remove_prefix(2);
    return true;
  }
  return false;
}

// The Danish code: "1 " gives '1' and leaves the blank, which ends any chain.
char take_danish_code(std::string_view& rest) {
  if (rest.size() >= 2 && rest[0] == '1' && rest[1] == ' ') {
    rest.remove_prefix(1);
    return '1';
  }
  return ' ';
}

// After a Finnish code a lone "_", "p" or "P" and one blank are passed over.
void skip_class_marker(std::string_view& rest) {
  std::optional<Split> t = take_token(rest);
  if (!t || (t->front != "_" && t->front != "p" && t->front != "P")) return;
  if (!t->rest.empty() && t->rest[0] == ' ') rest = t->rest.substr(1);
}

// The next link of the chain when `rest` starts with `>` or `+`: its sign and its word.
struct Link {
  char sign = 0;
  std::string_view word;
  std::string_view after;  // the text behind the word's blank
};

std::optional<Link> next_link(std::string_view rest) {
  if (rest.empty() || (rest[0] != '>' && rest[0] != '+')) return std::nullopt;
  std::size_t end = rest.find(' ', 1);
  return Link{.sign = rest[0],
              .word = rest.substr(1, end == rest.npos ? rest.npos : end - 1),
              // At the line's end the rest stays inside the line, for the tail offset.
              .after = end == rest.npos ? rest.substr(rest.size()) : rest.substr(end + 1)};
}

Status check_remarks(std::string_view text) {
  for (std::size_t at = text.find('{'); at != text.npos; at = text.find('{', at + 1)) {
    std::size_t close = text.find('}', at);
    if (close == text.npos) return Error{"a remark '{' is never closed with '}'"};
    // Displays that drop remarks would count the senses differently from those that keep them.
    if (text.substr(at, close - at).find('|') != text.npos) {
      return Error{"a sense mark '|' inside a remark '{...}'"};
    }
    at = close;
  }
  return Status();
}

std::string code_error(std::string_view word) {
  return "the code field after '" + std::string(word) +
         "' must be a second blank or one of 0 1 2 4 5 followed by a blank";
}

// Reads the chain starting with the headword; `rest` ends up at the entry's tail.
Status read_chain(const std::string& head, Side side, std::string_view& rest, Article& a) {
  std::string word = head;
  for (;;) {
    char code = ' ';
    if (side == Side::kDanish) {
      code = take_danish_code(rest);
    } else if (!take_finnish_code(rest, code)) {
      return Error{code_error(word)};
    }
    a.variants.push_back({word, code});
    if (side == Side::kDanish && code == '1') return Status();
    if (side == Side::kFinnish) skip_class_marker(rest);
    std::optional<Link> link = next_link(rest);
    if (!link) return Status();
    if (link->word.empty()) {
      if (link->sign == '>') return Error{"a variant '>' without a word"};
      return Status();  // a lone `+` is the headword sign of running text
    }
    if (side == Side::kFinnish && link->sign == '+') {
      std::string_view probe = link->after;
      char unused;
      // `+` glued to running text ("+ssa i huset"): the chain ends in front of it.
      if (!take_finnish_code(probe, unused)) return Status();
    }
    word = link->sign == '>' ? std::string(link->word) : head + std::string(link->word);
    rest = link->after;
  }
}

}  // namespace

Result<Article> parse_article(std::string_view line, Side side) {
  if (line.find('\t') != line.npos) return Error{"a tab in the line; use blanks"};
  std::string_view text = line_key(line);
  std::size_t blank = text.find(' ');
  if (blank == 0) return Error{"the line must start with the headword, not a blank"};
  if (text.empty() || blank == text.npos || !has_token(text.substr(blank))) {
    return Error{"no article text after the headword"};
  }
  if (Status s = check_remarks(text); !s) return Error{s.error()};

  Article a;
  std::string head(text.substr(0, blank));
  std::string_view rest = text.substr(blank + 1);
  a.body = static_cast<std::size_t>(rest.data() - line.data());
  if (head.back() == '-') {
    a.variants.push_back({head, take_danish_code(rest)});
  } else if (Status s = read_chain(head, side, rest, a); !s) {
    return Error{s.error()};
  }
  a.tail = static_cast<std::size_t>(rest.data() - line.data());
  return a;
}

}  // namespace velimora::mkdata
