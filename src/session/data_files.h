// Reading one numbered line of a data file, and the kind code of a fetched article.
#ifndef VELIMORA_SESSION_DATA_FILES_H_
#define VELIMORA_SESSION_DATA_FILES_H_

#include <string>
#include <string_view>

#include "session/session.h"

namespace velimora {

// A line read by number, and the byte position at which it starts in its file.
struct LineAt {
  std::string line;
  long position = 0;
};

// `les`: line n (1-based) of the file, without its line end. A missing file, n below 1 or a
// file with fewer than n lines give the empty line at position 0; never fails.
LineAt les(Session& s, std::string_view name, long n);

// `attri`: the kind code of a fetched article: 11 for the lists i and c, 12 for t and r,
// 10 for every other letter.
int attri(char letter);

}  // namespace velimora

#endif  // VELIMORA_SESSION_DATA_FILES_H_
