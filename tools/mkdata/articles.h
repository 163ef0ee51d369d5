// An article line as the search reads it: headword, variant chain and the text after it.
#ifndef VELIMORA_TOOLS_MKDATA_ARTICLES_H_
#define VELIMORA_TOOLS_MKDATA_ARTICLES_H_

#include <string>
#include <string_view>
#include <vector>

#include "text/status.h"

namespace velimora::mkdata {

// Which dictionary side an article belongs to; it decides how code fields are read.
enum class Side { kFinnish, kDanish };

// A headword or variant with its inflection class code (' ' when none is given).
struct HeadVariant {
  std::string word;
  char code = ' ';
};

struct Article {
  std::vector<HeadVariant> variants;  // the headword first, then `>` and `+` variants in order
  std::size_t body = 0;  // offset of the text after the headword's blank: sense 1 starts here
  std::size_t tail = 0;  // offset of the text after the variant chain
};

// Reads the headword and the variant chain exactly as the matcher does. Finnish code fields
// are a second blank or one of 0 1 2 4 5 followed by a blank; the Danish code is "1 ", which
// ends the chain. A headword ending in `-` has no chain and takes the Danish code rule.
// Fails, saying why, on a line the search could not use: no text after the headword, a tab,
// a bad Finnish code field after the headword or after a `>` variant, a `>` without a word,
// a remark `{` that is never closed or that holds a `|`. A `+` whose code field does not fit simply
// ends the chain there, because `+` is also the headword sign of running text.
Result<Article> parse_article(std::string_view line, Side side);

}  // namespace velimora::mkdata

#endif  // VELIMORA_TOOLS_MKDATA_ARTICLES_H_
