// The dictionary sources as the content tests read them: article lines in Windows-1252.
#pragma once

#include <string>
#include <vector>

namespace velimora {

// The lines of data/source/NAME that are neither blank nor comments, converted to
// Windows-1252 (a line that cannot be converted is left out; the compiler reports it).
std::vector<std::string> source_lines(const std::string& name);

// The first blank-separated field of an article line.
std::string headword(const std::string& article);

}  // namespace velimora
