// The source folder of a data folder: UTF-8 dictionary files, record and index line sources
// and guide texts, read as Windows-1252 lines that remember where they came from.
#ifndef VELIMORA_TOOLS_MKDATA_SOURCES_H_
#define VELIMORA_TOOLS_MKDATA_SOURCES_H_

#include <string>
#include <vector>

#include "mkdata/diagnostics.h"

namespace velimora::mkdata {

struct SourceLine {
  int number = 0;    // 1-based line number in the source file
  std::string text;  // Windows-1252
};

struct SourceFile {
  std::string path;  // how messages name the file
  std::string name;  // the file name alone, e.g. "fi-da.txt" or "fu12.cns"
  std::vector<SourceLine> lines;
};

// The dictionary file names inside a source folder.
inline constexpr const char* kFinnishDanishFile = "fi-da.txt";
inline constexpr const char* kFinnishCompoundsFile = "fi-compounds.txt";
inline constexpr const char* kDanishFinnishFile = "da-fi.txt";
inline constexpr const char* kDanishCompoundsFile = "da-compounds.txt";
inline constexpr const char* kPocketFile = "pocket.txt";

struct Sources {
  SourceFile fi_da;                // dictionary I
  SourceFile fi_compounds;         // list c
  SourceFile da_fi;                // dictionary T
  SourceFile da_compounds;         // list r
  SourceFile pocket;               // headwords of I in the pocket dictionary
  std::vector<SourceFile> tables;  // tables/*.cns, by file name
  std::vector<SourceFile> guides;  // fh101.txt ... fh107.txt, those that exist
};

// How a source file's lines are taken.
enum class LineMode {
  kEntries,   // blank lines and lines starting with '#' are dropped, trailing blanks cut
  kVerbatim,  // every line kept as it is, because line numbers matter or the text is shown
};

// Reads one UTF-8 file (a leading byte-order mark is skipped) into `out`. A line that is not
// UTF-8 or holds a character Windows-1252 lacks is reported with file and line.
void read_source_file(const std::string& path, LineMode mode, SourceFile& out, Diagnostics& diag);

// Reads a source folder. A missing dictionary file gives an empty list and a warning; the
// guide texts are taken from `guide_folder` (none when it is empty).
Sources read_sources(const std::string& folder, const std::string& guide_folder, Diagnostics& diag);

// The guide texts fh101.txt ... fh107.txt that exist in `folder`.
std::vector<SourceFile> read_guides(const std::string& folder, Diagnostics& diag);

// The guide file names, fh101.txt to fh107.txt.
std::vector<std::string> guide_file_names();

}  // namespace velimora::mkdata

#endif  // VELIMORA_TOOLS_MKDATA_SOURCES_H_
