// Writing a compiled data folder to disk so that no half-written folder is ever usable.
#ifndef VELIMORA_TOOLS_MKDATA_FOLDER_WRITER_H_
#define VELIMORA_TOOLS_MKDATA_FOLDER_WRITER_H_

#include <string>

#include "mkdata/compiler.h"
#include "text/status.h"

namespace velimora::mkdata {

// Writes `files` below the operating-system folder `out_dir`, which may already hold an
// older data folder and files of others. Everything is written into a fresh sibling folder
// first; only then are the data subfolders (fib, ftb, ch ...) swapped in, feu last: the old
// feu (with fe.cns, without which the program loads nothing) goes first, the new one last.
// Files outside the data subfolders are left alone. On failure before the swap `out_dir` is
// unchanged.
Status write_data_folder(const DataFolder& files, const std::string& out_dir);

}  // namespace velimora::mkdata

#endif  // VELIMORA_TOOLS_MKDATA_FOLDER_WRITER_H_
