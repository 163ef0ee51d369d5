#include "data/source_files.h"

#include <fstream>

#include "text/codepage.h"

namespace velimora {

std::vector<std::string> source_lines(const std::string& name) {
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

std::string headword(const std::string& article) {
  return article.substr(0, article.find(' '));
}

}  // namespace velimora
