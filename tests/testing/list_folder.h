// A small data folder of word lists for tests: the lines of chosen parts, and a head file for
// every list with all of its parts, as the data compiler writes them.
#ifndef VELIMORA_TESTS_TESTING_LIST_FOLDER_H_
#define VELIMORA_TESTS_TESTING_LIST_FOLDER_H_

#include <algorithm>
#include <map>
#include <string>
#include <string_view>
#include <vector>

#include "datafolder/layout.h"
#include "testing/temp_dir.h"

namespace velimora::testing {

class ListFolder {
 public:
  // The record file is written with `records` (one per line) besides kh(1000).
  explicit ListFolder(std::string records = "") {
    dir_.write("feu/fe.cns", "kh(1000)\n" + records);
  }

  // Part `part` of list `letter` holds these lines (Windows-1252, sorted by the caller).
  void part(char letter, int part, std::vector<std::string> lines) {
    parts_[letter][part] = std::move(lines);
  }

  // Writes the part files and a head file for each list: line n is the first line of part n,
  // or of the next part that has lines, or "\xFF" (above every word) after the last one.
  void write() const {
    for (const WordList& list : nqrt) {
      auto it = parts_.find(list.letter);
      std::string heads;
      for (int n = 1; n <= list.parts; ++n)
        heads += head(it, n, list.parts) + "\n";
      dir_.write(file(list.letter, kHeadPart), heads);
      if (it == parts_.end()) continue;
      for (const auto& [n, lines] : it->second) {
        std::string text;
        for (const std::string& l : lines)
          text += l + "\n";
        dir_.write(file(list.letter, n), text);
      }
    }
  }

  // The relative name of part n of a list ("fib/fi12.pro").
  static std::string file(char letter, long n) {
    std::string name = part_file_name(letter, n);
    std::replace(name.begin(), name.end(), '\\', '/');
    return name;
  }

  const TempDir& dir() const { return dir_; }
  std::string prefix() const { return dir_.prefix(); }

 private:
  using Parts = std::map<char, std::map<int, std::vector<std::string>>>;

  std::string head(Parts::const_iterator list, int n, int parts) const {
    if (list == parts_.end()) return "\xFF";
    for (int k = n; k <= parts; ++k) {
      auto p = list->second.find(k);
      if (p != list->second.end() && !p->second.empty()) return p->second.front();
    }
    return "\xFF";
  }

  TempDir dir_;
  Parts parts_;
};

}  // namespace velimora::testing

#endif  // VELIMORA_TESTS_TESTING_LIST_FOLDER_H_
