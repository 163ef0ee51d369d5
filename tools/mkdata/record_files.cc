#include "mkdata/record_files.h"

#include "datafolder/layout.h"
#include "tables/record_registry.h"
#include "text/records.h"

namespace velimora::mkdata {
namespace {

constexpr int kMaxIndexLines = 999;

// An index table and the argument that holds its key; its last digit names its line file.
struct IndexTable {
  std::string_view record;
  std::size_t key_arg;
};

constexpr IndexTable kIndexTables[] = {
    {.record = "u0", .key_arg = 1},
    {.record = "u1", .key_arg = 2},
    {.record = "u2", .key_arg = 1},
    {.record = "u4", .key_arg = 1},
};

// The record files: the main one (fe.cns), then the start-up records fu10 … fu14.
std::vector<std::string> record_files() {
  std::vector<std::string> names{record_file_base(kRecordSide, kMainRecordStem)};
  for (char digit : kRecordDigits)
    names.push_back(record_file_base(kRecordSide, std::string(kStartupRecordStem) + digit));
  return names;
}

// The index line file the keys of a table point into (u0 → fu20.cns).
std::string line_file(const IndexTable& t) {
  return record_file_base(kRecordSide, std::string(kIndexLineStem) + t.record.back());
}

bool is_record_file(std::string_view name) {
  for (const std::string& f : record_files()) {
    if (name == f) return true;
  }
  return false;
}

bool is_line_file(std::string_view name) {
  for (const IndexTable& t : kIndexTables) {
    if (name == line_file(t)) return true;
  }
  return false;
}

// The program's name of a file of the record folder ("feu\fe.cns").
std::string feu(std::string_view name) {
  return record_folder() + "\\" + std::string(name);
}

std::string known_names() {
  std::string s;
  for (const std::string& f : record_files())
    s += f + " ";
  for (const IndexTable& t : kIndexTables)
    s += line_file(t) + " ";
  s.pop_back();
  return s;
}

// Checks that an index row's key names an existing line of its line file.
void check_index_key(const SourceFile& f, const SourceLine& l, const Record& r,
                     const std::map<std::string, int>& line_counts, Diagnostics& diag) {
  for (const IndexTable& t : kIndexTables) {
    if (r.name != t.record) continue;
    long long line = r.args[t.key_arg].integer % 1000;
    auto it = line_counts.find(line_file(t));
    int count = it == line_counts.end() ? 0 : it->second;
    if (line < 1 || line > count) {
      diag.error(f.path, l.number,
                 "key " + std::to_string(r.args[t.key_arg].integer) + " of '" + r.name +
                     "' points at line " + std::to_string(line) + " of " + line_file(t) +
                     ", which has " + std::to_string(count) + " lines");
    }
  }
}

// Checks one record file and gives its text; also tells whether it sets `kh`.
std::string record_file_text(const SourceFile& f, const std::map<std::string, int>& line_counts,
                             bool& sets_step_limit, Diagnostics& diag) {
  StartupTables scratch;
  std::string text;
  for (const SourceLine& l : f.lines) {
    Result<Record> r = parse_record(l.text);
    if (!r) {
      diag.error(f.path, l.number, r.error());
      continue;
    }
    if (Status s = add_startup_record(scratch, *r); !s) {
      diag.error(f.path, l.number, s.error());
      continue;
    }
    check_index_key(f, l, *r, line_counts, diag);
    if (r->name == "kh") sets_step_limit = true;
    text += l.text + "\n";
  }
  return text;
}

}  // namespace

void compile_tables(const std::vector<SourceFile>& tables,
                    std::map<std::string, std::string>& files, Diagnostics& diag) {
  for (const std::string& name : record_files())
    files[feu(name)] = "";
  std::map<std::string, int> line_counts;
  for (const IndexTable& t : kIndexTables)
    files[feu(line_file(t))] = "";
  for (const SourceFile& f : tables) {
    if (!is_line_file(f.name)) continue;
    if (f.lines.size() > kMaxIndexLines) {
      diag.error(f.path, kMaxIndexLines + 1,
                 "an index line file holds at most 999 lines; later lines cannot be reached");
    }
    std::string text;
    for (const SourceLine& l : f.lines)
      text += l.text + "\n";
    files[feu(f.name)] = text;
    line_counts[f.name] = static_cast<int>(f.lines.size());
  }
  bool sets_step_limit = false;
  for (const SourceFile& f : tables) {
    if (is_line_file(f.name)) continue;
    if (!is_record_file(f.name)) {
      diag.error(f.path, 0,
                 "not a table file of the data folder; expected one of " + known_names());
      continue;
    }
    files[feu(f.name)] = record_file_text(f, line_counts, sets_step_limit, diag);
  }
  if (!sets_step_limit) files[feu(record_file_base(kRecordSide, kMainRecordStem))] += "kh(" + std::to_string(kDefaultStepLimit) + ")\n";
}

}  // namespace velimora::mkdata
