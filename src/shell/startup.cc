#include "shell/startup.h"

#include "tables/record_registry.h"
#include "text/files.h"
#include "text/format.h"

namespace velimora {
namespace {

constexpr char kSide = 'f';

}  // namespace

std::string main_record_file(std::string_view data_prefix) {
  return format_text("%0%eu\\%e.cns", {data_prefix, Char{kSide}, Char{kSide}});
}

bool lesu(Session& s, std::string_view data_prefix, char side, char digit, std::string& error) {
  std::string path =
      format_text("%0%eu\\%0%0%.cns", {data_prefix, Char{side}, Char{side}, "u1", Char{digit}});
  if (!file_exists(path)) return true;
  Status st = load_startup_records(path, s.startup);
  if (!st) error = st.error();
  return st.ok();
}

StartupReport go1(Session& s, std::string_view data_prefix, std::string_view default_text) {
  StartupReport report;
  std::string main = main_record_file(data_prefix);
  if (!file_exists(main)) return report;
  if (Status st = load_startup_records(main, s.startup); !st) report.errors.push_back(st.error());
  for (char digit : {'0', '1', '2', '4'}) {
    std::string error;
    if (!lesu(s, data_prefix, kSide, digit, error)) report.errors.push_back(error);
  }
  s.data_prefix = std::string(data_prefix);
  s.shell.cst = RunConstants{std::string(data_prefix), kSide};
  s.shell.lix = std::string(default_text);
  s.q.len0 = WordLimitRow{"", 100};
  s.q.nb.set(300);
  s.shell.endret4.add();
  report.ok = true;
  return report;
}

}  // namespace velimora
