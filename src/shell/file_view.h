// Query forms that name a dictionary file or one dictionary line.
#ifndef VELIMORA_SHELL_FILE_VIEW_H_
#define VELIMORA_SHELL_FILE_VIEW_H_

#include <optional>
#include <string>
#include <string_view>

#include "session/session.h"

namespace velimora {

// File view: a list letter and a file number (optionally ",line") opens the whole file in a
// lexicon window. True when the key had this form and the window was opened.
bool show_file_view(Session& s, int mode, int level, std::string_view data_prefix,
                    std::string_view key);

// Line reference ("i12:345_2"): appends the formatted line and an empty line to the output.
// True when the key had this form.
bool show_line_reference(Session& s, std::string_view data_prefix, std::string_view key);

// The number part of a file view: the file number as typed and the line (0: none).
struct ViewNumber {
  std::string number;
  int line = 0;
};
// `vnn`: "12,40" (line 1 … 999), nothing (no number, line 0) or a whole number; fails
// otherwise.
std::optional<ViewNumber> vnn(std::string_view rest);

// The file a file view shows: its list letter, file number as typed and line.
struct ViewFile {
  char letter = ' ';
  std::string number;
  int line = 0;
};
// `filf`: a typed letter of the list table with a file number for which the last lookup
// recorded a line (`lqn`), or a list letter typed directly with the `vnn` number part.
std::optional<ViewFile> filf(const Session& s, char typed, std::string_view rest);

// `forklar`: the description of a list in the title; for file number "0" the index text.
std::string forklar(char letter, std::string_view number);

// `u2l`: "" for line 0, else "," and the line.
std::string u2l(int line);

// `fpos`: the caret position (0-based, each line break one character) of a line of the
// file; for line 0 the `pos` record of the file (by its name with or without D), else 0.
// A line beyond the end gives 0.
long fpos(Session& s, std::string_view data_prefix, std::string_view name, int line);

// A line reference: "i" or "t", file, ";" or ":", line, and "_" with a sense (0: none).
struct LineReferenceKey {
  char letter = ' ';
  int file = 0;
  int line = 0;
  int sense = 0;
};
// Reads a line reference; fails for any other key.
std::optional<LineReferenceKey> line_reference_key(std::string_view key);

}  // namespace velimora

#endif  // VELIMORA_SHELL_FILE_VIEW_H_
