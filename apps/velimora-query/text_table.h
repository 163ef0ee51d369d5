// velimora-query --text: every distinct word form of a running text with how often it occurs,
// the base words the dictionaries give for it and, for a form with none, the close headwords.
#ifndef VELIMORA_APPS_TEXT_TABLE_H_
#define VELIMORA_APPS_TEXT_TABLE_H_

#include <iosfwd>
#include <string>

#include "session/session.h"

namespace velimora {

// The column names, the first line of the table.
inline constexpr const char* kTextTableHeader =
    "form\tcount\tbase words\tdictionaries\tfirst senses\tsuggestions\n";

// Reads the text (`name` for messages; UTF-8, or Windows-1252 with `cp1252`) and writes the
// table in order of first appearance, each form looked up once: a plain look-up first, then
// the Finnish and then the Danish analysis, the first that finds a dictionary word giving
// the base words. Lines that are not text (a NUL byte, bad UTF-8), words with a character
// Windows-1252 cannot hold and words longer than a query are skipped with a message on
// `err`; false when something was skipped or the text has no words.
bool write_text_table(Session& s, std::istream& in, const std::string& name, bool cp1252,
                      std::ostream& out, std::ostream& err);

}  // namespace velimora

#endif  // VELIMORA_APPS_TEXT_TABLE_H_
