// The words of an article's text, for the lists of words found in the other language.
#ifndef VELIMORA_TOOLS_MKDATA_TEXT_WORDS_H_
#define VELIMORA_TOOLS_MKDATA_TEXT_WORDS_H_

#include <string>
#include <string_view>
#include <vector>

namespace velimora::mkdata {

struct TextWord {
  std::string word;
  int sense = 1;  // the `|`-separated part of the article the word stands in
};

// The words of `text` in order, `sense` being the number of the part the text starts in.
// A word is a run of letters that may hold single hyphens or apostrophes between letters.
// Not taken: remarks in braces; the letters glued to a headword sign (+ & # \xA7 \xF5, and !
// before a non-blank), which spell out forms of the headword; a run glued behind a hyphen or
// a digit (an ending such as "-ssa"); and, in a clause written "example = translation", the
// example in front of the `=`, which is in the headword's language. Clauses end at `|`, `;`
// and `:`.
std::vector<TextWord> text_words(std::string_view text, int sense);

// A word with its characters in reverse order, as the reverse lists hold it.
std::string reversed(std::string_view word);

}  // namespace velimora::mkdata

#endif  // VELIMORA_TOOLS_MKDATA_TEXT_WORDS_H_
