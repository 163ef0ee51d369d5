// The start-up record files and index line files of feu\, taken from the optional sources in
// the source folder's tables/ and checked the way the program will load them.
#ifndef VELIMORA_TOOLS_MKDATA_RECORD_FILES_H_
#define VELIMORA_TOOLS_MKDATA_RECORD_FILES_H_

#include <map>
#include <string>
#include <vector>

#include "mkdata/diagnostics.h"
#include "mkdata/sources.h"

namespace velimora::mkdata {

// The step bound `kh` written to fe.cns when no record source sets one.
inline constexpr int kDefaultStepLimit = 20000;

// Adds feu\fe.cns, feu\fu10.cns, fu11, fu12, fu14 (records) and feu\fu20.cns, fu21, fu22,
// fu24 (index lines) to `files`; a file without a source is written empty, and fe.cns always
// holds a `kh` row. Every record must parse and fit a start-up table; an index line file may
// hold at most 999 lines (lines are addressed by a number modulo 1000); an index row `u0`,
// `u1`, `u2` or `u4` must point at an existing line of its line file. Problems name the
// source file and line.
void compile_tables(const std::vector<SourceFile>& tables,
                    std::map<std::string, std::string>& files, Diagnostics& diag);

}  // namespace velimora::mkdata

#endif  // VELIMORA_TOOLS_MKDATA_RECORD_FILES_H_
