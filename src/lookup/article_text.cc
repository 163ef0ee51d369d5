#include "lookup/article_text.h"

#include "datafolder/layout.h"
#include "lookup/sign_expansion.h"
#include "session/data_files.h"
#include "text/format.h"
#include "text/primitives.h"
#include "text/word_helpers.h"
#include "wordlists/list_helpers.h"

namespace velimora {
namespace {

// The display modes whose label is short (no language, no count).
bool short_label(int mode) {
  return mode == 1 || mode == 2 || mode == 3;
}

// Display mode 7 shows the lines as they are.
constexpr int kRawMode = 7;

// The raw form: shown once between two clearings of `f0`.
std::optional<std::string> raw_article(Session& s, const ArticleRef& ref, std::string_view line) {
  if (s.q.f0.any([&](const ShownLineRow& r) {
        return r.letter == ref.letter && r.file == ref.file && r.line == ref.line;
      })) {
    return std::nullopt;
  }
  s.q.f0.add({ref.letter, ref.file, ref.line});
  return format_text("  (%0%,%)  %", {Char{ref.letter}, static_cast<long long>(ref.file),
                                      static_cast<long long>(ref.line), line});
}

// The label in front of the article text.
std::string label(int mode, int count, const ArticleRef& ref, std::string_view body) {
  const int shown = fip1(body, ref.sense) % 300;
  std::string where =
      shown == 0
          ? format_text(",%", {static_cast<long long>(ref.line)})
          : format_text(";% %", {static_cast<long long>(ref.line), static_cast<long long>(shown)});
  if (short_label(mode)) {
    return format_text("   (%0%0%) ", {Char{ref.letter}, static_cast<long long>(ref.file),
                                       std::string_view(where)});
  }
  const std::string counted = nas(count);
  return format_text("  %0%:  (%0%0%) ",
                     {fns(ref.letter), std::string_view(counted), Char{ref.letter},
                      static_cast<long long>(ref.file), std::string_view(where)});
}

}  // namespace

std::optional<std::string> find3(Session& s, int mode, int count, const ArticleRef& ref,
                                 std::string_view line) {
  if (mode == kRawMode) return raw_article(s, ref, line);
  Cut parts = glang0(kolon(line), ' ');
  const std::string marker = format_text(">% ", {parts.front});
  const int expansion = mode == 2 ? kRemoveCodes : kSpellOutSigns;
  const std::string expanded = addp0(expansion, marker, misi1(parts.front), parts.rest);
  // Sense 400 shows the whole article; other senses are taken modulo 300 as in the label.
  const int k = ref.sense == 400 ? 0 : ref.sense % 300;
  return label(mode, count, ref, parts.rest) + fia(expanded, k);
}

std::optional<FetchedArticle> find4(Session& s, int mode, std::string_view data_prefix, int count,
                                    const ArticleRef& ref) {
  const std::string line = les(s, part_file_name(data_prefix, ref.letter, ref.file), ref.line).line;
  ArticleRef normal = ref;
  normal.sense = fip1(line, ref.sense);
  std::optional<std::string> text = find3(s, mode, count, normal, line);
  if (!text) return std::nullopt;
  return FetchedArticle{std::move(*text), attri(ref.letter), line, normal.sense};
}

std::string fia(std::string_view text, int k) {
  std::string out;
  if (k <= 0 || k % 200 == 0) {
    out = std::string(text);
  } else {
    Cut cut{{}, text};
    for (int i = 0; i < k % 200; ++i)
      cut = glang0(cut.rest, '|');
    out = std::string(cut.front);
    if (!cut.rest.empty() && cut.rest[0] == '*') {
      out += '*';
    } else if (has_token(cut.rest)) {
      out += '|';
    }
  }
  if (!out.empty() && out.back() == ' ') out.pop_back();
  return out;
}

ShownArticle shown_article(const ArticleRef& ref, const FetchedArticle& article) {
  std::string_view line = kolon(article.line);
  return ShownArticle{ref.letter,
                      ref.file,
                      ref.line,
                      article.sense,
                      std::string(line.substr(0, line.find(' '))),
                      article.line,
                      article.text};
}

std::string nas(int count) {
  return count >= 2 ? format_text("(%)", {static_cast<long long>(count)}) : std::string();
}

std::string_view misi1(std::string_view s) {
  return (!s.empty() && s.back() == '-') ? s.substr(0, s.size() - 1) : s;
}

std::string_view fns(char letter) {
  switch (letter) {
    case 'i':
    case 'c':
    case 'q':
      return "suomi";
    case 't':
    case 'r':
      return "dansk";
    default:
      return "ukendt";
  }
}

}  // namespace velimora
