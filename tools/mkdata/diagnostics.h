// Problems found while compiling, each naming the source file and line it comes from.
#ifndef VELIMORA_TOOLS_MKDATA_DIAGNOSTICS_H_
#define VELIMORA_TOOLS_MKDATA_DIAGNOSTICS_H_

#include <string>
#include <string_view>
#include <vector>

namespace velimora::mkdata {

class Diagnostics {
 public:
  // "file:line: what"; line 0 leaves the line out.
  void error(std::string_view file, int line, std::string_view what);
  void warning(std::string_view file, int line, std::string_view what);

  bool failed() const { return !errors_.empty(); }
  const std::vector<std::string>& errors() const { return errors_; }
  const std::vector<std::string>& warnings() const { return warnings_; }

 private:
  std::vector<std::string> errors_;
  std::vector<std::string> warnings_;
};

}  // namespace velimora::mkdata

#endif  // VELIMORA_TOOLS_MKDATA_DIAGNOSTICS_H_
