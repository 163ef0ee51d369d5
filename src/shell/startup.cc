#include "shell/startup.h"

#include "datafolder/layout.h"
#include "tables/record_registry.h"
#include "text/files.h"

namespace velimora {

std::string main_record_file(std::string_view data_prefix) {
  return record_file_name(data_prefix, kRecordSide, kMainRecordStem);
}

bool lesu(Session& s, std::string_view data_prefix, char side, char digit, std::string& error) {
  std::string path = record_file_name(data_prefix, side, std::string{'u', '1', digit});
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
  for (char digit : kRecordDigits) {
    std::string error;
    if (!lesu(s, data_prefix, kRecordSide, digit, error)) report.errors.push_back(error);
  }
  s.data_prefix = std::string(data_prefix);
  s.shell.cst = RunConstants{std::string(data_prefix), kRecordSide};
  reset_queries(s, default_text);
  report.ok = true;
  return report;
}

void reset_queries(Session& s, std::string_view default_text) {
  s.q = QueryTables{};
  s.shell.lix = std::string(default_text);
  s.q.len0 = WordLimitRow{"", 100};
  s.q.nb.set(300);
  s.shell.endret4.clear();
  s.shell.endret4.add();
}

}  // namespace velimora
