// Where the data folder comes from: --data DIR, else VELIMORA_DATA, else the data installed
// beside the program (PREFIX/share/velimora/data for PREFIX/bin/program, so that a relocated
// install works too), else the sample data folder the build produced.
#ifndef VELIMORA_SHELL_DATA_FOLDER_H_
#define VELIMORA_SHELL_DATA_FOLDER_H_

#include <optional>
#include <string>
#include <string_view>

#include "text/status.h"

namespace velimora {

// The folder (UTF-8, as the user gave it) chosen by the rule above.
std::string choose_data_folder(const std::optional<std::string>& option);

// The main record file inside a data folder, in the platform's form ("feu/fe.cns"); a folder
// holding it is a data folder.
std::string main_record_in_folder();

// The installed data folder that belongs to the running program, when it has one (a folder
// holding the main record file at the install-relative place); empty otherwise.
std::string installed_data_folder();

// The folder as the program's data prefix D: Windows-1252, ending in a separator. Fails when
// the folder name has a character Windows-1252 cannot hold.
Result<std::string> data_prefix_of(std::string_view folder_utf8);

}  // namespace velimora

#endif  // VELIMORA_SHELL_DATA_FOLDER_H_
