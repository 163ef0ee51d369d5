// Turns the sources of a dictionary into the files of a data folder.
#ifndef VELIMORA_TOOLS_MKDATA_COMPILER_H_
#define VELIMORA_TOOLS_MKDATA_COMPILER_H_

#include <map>
#include <string>
#include <utility>
#include <vector>

#include "mkdata/diagnostics.h"
#include "mkdata/sources.h"

namespace velimora::mkdata {

// The files of a data folder by the program's names ("fib\fi12.pro", "feu\fe.cns"), in name
// order so that writing them is deterministic.
using DataFolder = std::map<std::string, std::string>;

struct Compiled {
  DataFolder files;
  std::vector<std::pair<char, std::size_t>> list_lines;  // lines of every list, in list order
};

// Builds the dictionaries i, c, t, r, the index lists o, n, y, s, q, the reverse lists a, b,
// the record and index line files and the guide texts. Problems go to `diag`; the result is a
// usable folder only when no error was reported.
Compiled compile(const Sources& sources, Diagnostics& diag);

}  // namespace velimora::mkdata

#endif  // VELIMORA_TOOLS_MKDATA_COMPILER_H_
