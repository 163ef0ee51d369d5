#include "shell/startup.h"

#include <optional>

#include "datafolder/layout.h"
#include "tables/record_registry.h"
#include "text/files.h"

namespace velimora {

std::string main_record_file(std::string_view data_prefix) {
  return record_file_name(data_prefix, kRecordSide, kMainRecordStem);
}

namespace {

// The records of the file into the tables; nothing when there is no such file. Whether it
// exists is asked only when it cannot be read: most are there, and each question is a call
// into the system.
std::optional<Status> load_if_present(std::string_view path, StartupTables& tables) {
  Status st = load_startup_records(path, tables);
  if (!st && !file_exists(path)) return std::nullopt;
  return st;
}

}  // namespace

bool lesu(Session& s, std::string_view data_prefix, char side, char digit, std::string& error) {
  std::string path = record_file_name(data_prefix, side, std::string{'u', '1', digit});
  std::optional<Status> st = load_if_present(path, s.startup);
  if (!st) return true;
  if (!*st) error = st->error();
  return st->ok();
}

StartupReport go1(Session& s, std::string_view data_prefix, std::string_view default_text) {
  StartupReport report;
  std::string main = main_record_file(data_prefix);
  std::optional<Status> st = load_if_present(main, s.startup);
  if (!st) return report;
  if (!*st) report.errors.push_back(st->error());
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
