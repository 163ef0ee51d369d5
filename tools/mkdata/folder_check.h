// `velimora-mkdata --check`: the faults of a data folder that queries would only skip over,
// one "file:line: problem" text each.
#ifndef VELIMORA_TOOLS_MKDATA_FOLDER_CHECK_H_
#define VELIMORA_TOOLS_MKDATA_FOLDER_CHECK_H_

#include <string>
#include <vector>

namespace velimora::mkdata {

// Checks the folder given by its program prefix (ending in a separator): every part and head
// file of every list present and readable, the lines of each part in ascending byte order,
// line n of each head file the first line of part n (or of the next part that has lines),
// every line of an index list's parts a word with a reference the search can read,
// and every record file that exists non-empty and loadable. No faults: an empty list.
std::vector<std::string> check_data_folder(const std::string& prefix);

}  // namespace velimora::mkdata

#endif  // VELIMORA_TOOLS_MKDATA_FOLDER_CHECK_H_
