// Query forms that name a dictionary file or one dictionary line.
#ifndef VELIMORA_SHELL_FILE_VIEW_H_
#define VELIMORA_SHELL_FILE_VIEW_H_

#include <string_view>

#include "shell/session.h"

namespace velimora {

// File view: a list letter and a file number (optionally ",line") opens the whole file in a
// lexicon window. True when the key had this form and the window was opened.
bool show_file_view(Session& s, int mode, int level, std::string_view data_prefix,
                    std::string_view key);

// Line reference ("i12:345_2"): appends the formatted line and an empty line to the output.
// True when the key had this form.
bool show_line_reference(Session& s, std::string_view data_prefix, std::string_view key);

}  // namespace velimora

#endif  // VELIMORA_SHELL_FILE_VIEW_H_
