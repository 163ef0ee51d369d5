// Word and line boundaries in the edit windows, decided on the Windows-1252 text so that every
// toolkit selects the same word on a double click.
#ifndef VELIMORA_UI_WORD_RULE_H_
#define VELIMORA_UI_WORD_RULE_H_

#include <string_view>

#include "ui/toolkit.h"

namespace velimora::ui {

// A word is a run of letters and digits, joined across an apostrophe or a hyphen that stands
// between two letters (linja-auto, ruo'an); "_" and every other sign end it, so that a sign
// glued to the front of a word stays outside. The word at the caret is the one holding the
// character at the caret, else the one ending right before it; none gives (caret, caret).
Selection word_at(std::string_view text, int caret);

// The line holding the caret, without its line break.
Selection line_at(std::string_view text, int caret);

}  // namespace velimora::ui

#endif  // VELIMORA_UI_WORD_RULE_H_
