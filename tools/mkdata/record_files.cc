#include "mkdata/record_files.h"

#include "tables/record_registry.h"
#include "text/records.h"

namespace velimora::mkdata {
namespace {

constexpr const char* kRecordFiles[] = {"fe.cns", "fu10.cns", "fu11.cns", "fu12.cns", "fu14.cns"};
constexpr int kMaxIndexLines = 999;

// An index table, the line file its keys point into and the argument that holds the key.
struct IndexTable {
  std::string_view record;
  const char* line_file;
  std::size_t key_arg;
};

constexpr IndexTable kIndexTables[] = {
    {.record = "u0", .line_file = "fu20.cns", .key_arg = 1},
    {.record = "u1", .line_file = "fu21.cns", .key_arg = 2},
    {.record = "u2", .line_file = "fu22.cns", .key_arg = 1},
    {.record = "u4", .line_file = "fu24.cns", .key_arg = 1},
};

bool is_record_file(std::string_view name) {
  for (const char* f : kRecordFiles) {
    if (name == f) return true;
  }
  return false;
}

bool is_line_file(std::string_view name) {
  for (const IndexTable& t : kIndexTables) {
    if (name == t.line_file) return true;
  }
  return false;
}

std::string feu(std::string_view name) {
  return "feu\\" + std::string(name);
}

std::string known_names() {
  std::string s;
  for (const char* f : kRecordFiles)
    s += std::string(f) + " ";
  for (const IndexTable& t : kIndexTables)
    s += std::string(t.line_file) + " ";
  s.pop_back();
  return s;
}

// Checks that an index row's key names an existing line of its line file.
void check_index_key(const SourceFile& f, const SourceLine& l, const Record& r,
                     const std::map<std::string, int>& line_counts, Diagnostics& diag) {
  for (const IndexTable& t : kIndexTables) {
    if (r.name != t.record) continue;
    long long line = r.args[t.key_arg].integer % 1000;
    auto it = line_counts.find(t.line_file);
    int count = it == line_counts.end() ? 0 : it->second;
    if (line < 1 || line > count) {
      diag.error(f.path, l.number,
                 "key " + std::to_string(r.args[t.key_arg].integer) + " of '" + r.name +
                     "' points at line " + std::to_string(line) + " of " + t.line_file +
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
  for (const char* name : kRecordFiles)
    files[feu(name)] = "";
  std::map<std::string, int> line_counts;
  for (const IndexTable& t : kIndexTables)
    files[feu(t.line_file)] = "";
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
  if (!sets_step_limit) files[feu("fe.cns")] += "kh(" + std::to_string(kDefaultStepLimit) + ")\n";
}

}  // namespace velimora::mkdata
