// An article line becomes one line of output text: a label naming the dictionary side, the
// file and the line, followed by the article with its signs spelled out or its codes removed.
#ifndef VELIMORA_LOOKUP_ARTICLE_TEXT_H_
#define VELIMORA_LOOKUP_ARTICLE_TEXT_H_

#include <optional>
#include <string>
#include <string_view>

#include "session/session.h"

namespace velimora {

// Where an article line comes from, and the sense to show (0: all of it).
struct ArticleRef {
  char letter = ' ';
  int file = 0;
  int line = 0;
  int sense = 0;
};

// `find3`: the labelled output text of an article line in a display mode (1–3 short label, 2
// codes removed, 7 the line as it is, others the label with language and count). `count` is
// shown as "(count)" from 2 on. Fails only in mode 7 for a line already shown raw since `f0`
// was last cleared.
std::optional<std::string> find3(Session& s, int mode, int count, const ArticleRef& ref,
                                 std::string_view line);

// `find4`: reads line `ref.line` of part `ref.file` of the list and formats it with `find3`,
// the sense first normalised by `fip1`. Gives the text and the kind code (`attri`).
struct FetchedArticle {
  std::string text;
  int kind = 0;
  std::string line;  // the article line as stored
  int sense = 0;     // the sense shown, normalised
};
std::optional<FetchedArticle> find4(Session& s, int mode, std::string_view data_prefix, int count,
                                    const ArticleRef& ref);

// `fia`: sense k of an article text: the k-th part between "|" signs, followed by "*" or "|"
// when more follows; senses are counted modulo 200, and 0, 200 and 400 give the whole text.
// One final blank is removed.
std::string fia(std::string_view text, int k);

// `nas`: "(count)" when count is 2 or more, else "".
std::string nas(int count);

// `misi1`: the text without one final "-".
std::string_view misi1(std::string_view s);

// The record of a fetched article for the query's record of what it showed.
ShownArticle shown_article(const ArticleRef& ref, const FetchedArticle& article);

// `fns`: the language name of a list letter: "suomi", "dansk" or "ukendt".
std::string_view fns(char letter);

}  // namespace velimora

#endif  // VELIMORA_LOOKUP_ARTICLE_TEXT_H_
