// The dictionary sources as the checks read them: the article lines of a file in data/source,
// converted to Windows-1252, comments and blank lines left out.
#ifndef VELIMORA_TESTS_DATA_SOURCE_FILES_H_
#define VELIMORA_TESTS_DATA_SOURCE_FILES_H_

#include <fstream>
#include <string>
#include <vector>

#include "text/codepage.h"

namespace velimora::source_files {

// A line that cannot be written in Windows-1252 is left out: the compiler reports it.
inline std::vector<std::string> lines(const std::string& name) {
  std::ifstream in(std::string(SOURCE_CONTENT_DIR) + "/" + name);
  std::vector<std::string> out;
  std::string line;
  while (std::getline(in, line)) {
    if (line.empty() || line[0] == '#') continue;
    Result<std::string> cp = utf8_to_cp1252(line);
    if (cp) out.push_back(*cp);
  }
  return out;
}

// The headword of an article line: up to the first blank, without the leading '"' that every
// reader ignores.
inline std::string headword(const std::string& article) {
  std::string w = article.substr(0, article.find(' '));
  return !w.empty() && w[0] == '"' ? w.substr(1) : w;
}

}  // namespace velimora::source_files

#endif  // VELIMORA_TESTS_DATA_SOURCE_FILES_H_
