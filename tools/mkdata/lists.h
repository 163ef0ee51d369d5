// The way a sorted word list is cut into its parts with a head file (the lists, their part
// counts and file names are those of the data folder layout).
#ifndef VELIMORA_TOOLS_MKDATA_LISTS_H_
#define VELIMORA_TOOLS_MKDATA_LISTS_H_

#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "datafolder/layout.h"

namespace velimora::mkdata {

// The reference to a dictionary line as index lines carry it: "i12,345 2".
std::string reference_text(char dictionary, int part, int line, int sense);

// A line without one leading double quote: what the search compares.
std::string_view line_key(std::string_view line);

// The order of every list: by the bytes of the keys (unsigned, a proper prefix first), ties
// by the whole line.
bool line_less(std::string_view a, std::string_view b);

// Sorts in list order and drops repeated lines.
void sort_lines(std::vector<std::string>& lines);

// Where a line sits in the folder: 1-based part and line number.
struct LinePosition {
  int part = 0;
  int line = 0;
};

// A sorted list cut into its fixed number of parts of nearly equal size (sizes differ by at
// most one line; with fewer lines than parts the empty parts are spread among the others).
class PartedList {
 public:
  PartedList(char letter, std::vector<std::string> sorted_lines);

  char letter() const { return letter_; }
  int parts() const { return parts_; }
  std::size_t size() const { return lines_.size(); }
  const std::string& line(std::size_t k) const { return lines_[k]; }
  std::span<const std::string> part(int n) const;

  // Line n of the head file: the whole first line of part n. A whole line rather than its
  // head word, so that when one head word runs over a part boundary the next part's first
  // line still sorts above the bare word and the bound test chooses both parts. An empty part
  // repeats the first line of the next part that has lines, which keeps the choice of its
  // neighbours exactly as if it were absent.
  const std::string& head(int n) const;

  // Where line k of the sorted list ended up.
  LinePosition position(std::size_t k) const;

 private:
  std::size_t start(int n) const;  // index of the first line of part n (n = parts + 1: size)

  char letter_;
  int parts_;
  std::vector<std::string> lines_;
  std::vector<LinePosition> positions_;
};

// The part files and the head file of a list, by program name, appended to `files`.
template <class Folder>
void add_list_files(const PartedList& list, Folder& files);

// One file's text: every line followed by a line feed.
std::string join_lines(std::span<const std::string> lines);

template <class Folder>
void add_list_files(const PartedList& list, Folder& files) {
  std::vector<std::string> heads;
  for (int n = 1; n <= list.parts(); ++n) {
    files[part_file_name(list.letter(), n)] = join_lines(list.part(n));
    heads.push_back(list.head(n));
  }
  files[part_file_name(list.letter(), kHeadPart)] = join_lines(heads);
}

}  // namespace velimora::mkdata

#endif  // VELIMORA_TOOLS_MKDATA_LISTS_H_
