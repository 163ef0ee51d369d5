#include "mkdata/sources.h"

#include <algorithm>
#include <filesystem>

#include "datafolder/layout.h"
#include "text/codepage.h"
#include "text/files.h"

namespace velimora::mkdata {
namespace {

namespace fs = std::filesystem;

constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";

bool is_comment_or_blank(std::string_view line) {
  if (!line.empty() && line.front() == '#') return true;
  return line.find_first_not_of(" \t") == std::string_view::npos;
}

void cut_trailing_blanks(std::string& s) {
  std::size_t end = s.find_last_not_of(" \t");
  s.erase(end == std::string::npos ? 0 : end + 1);
}

// The program's name for an operating-system path: the file layer takes Windows-1252 names.
Result<std::string> program_name(const std::string& path) {
  Result<std::string> name = utf8_to_cp1252(path);
  if (!name) return Error{"the path cannot be named in Windows-1252: " + name.error()};
  return name;
}

// Reads a dictionary file when it exists; an absent one leaves an empty list.
void read_optional(const std::string& folder, const char* name, LineMode mode, SourceFile& out,
                   Diagnostics& diag) {
  fs::path path = fs::path(folder) / name;
  out.path = path.string();
  out.name = name;
  if (!fs::exists(path)) {
    diag.warning(out.path, 0, "not found; its list stays empty");
    return;
  }
  read_source_file(out.path, mode, out, diag);
}

void read_tables(const std::string& folder, Sources& s, Diagnostics& diag) {
  fs::path dir = fs::path(folder) / "tables";
  if (!fs::is_directory(dir)) return;
  std::vector<fs::path> files;
  for (const fs::directory_entry& e : fs::directory_iterator(dir)) {
    if (e.is_regular_file()) files.push_back(e.path());
  }
  std::sort(files.begin(), files.end());
  for (const fs::path& p : files) {
    SourceFile f;
    f.name = p.filename().string();
    // Index line files are addressed by line number, so nothing may be dropped from them.
    bool line_file = f.name.starts_with(std::string(1, kRecordSide).append(kIndexLineStem));
    read_source_file(p.string(), line_file ? LineMode::kVerbatim : LineMode::kEntries, f, diag);
    s.tables.push_back(std::move(f));
  }
}

}  // namespace

void read_source_file(const std::string& path, LineMode mode, SourceFile& out, Diagnostics& diag) {
  out.path = path;
  if (out.name.empty()) out.name = fs::path(path).filename().string();
  Result<std::string> name = program_name(path);
  if (!name) return diag.error(path, 0, name.error());
  LineReader in(*name);
  if (!in.ok()) return diag.error(path, 0, "cannot be opened");
  int number = 0;
  while (std::optional<std::string> line = in.read_line()) {
    ++number;
    if (number == 1 && line->starts_with(kByteOrderMark)) line->erase(0, kByteOrderMark.size());
    if (mode == LineMode::kEntries) {
      if (is_comment_or_blank(*line)) continue;
      cut_trailing_blanks(*line);
    }
    Result<std::string> text = utf8_to_cp1252(*line);
    if (!text) {
      diag.error(path, number, text.error());
      continue;
    }
    out.lines.push_back({number, std::move(*text)});
  }
}

Sources read_sources(const std::string& folder, const std::string& guide_folder,
                     Diagnostics& diag) {
  Sources s;
  if (!fs::is_directory(folder)) {
    diag.error(folder, 0, "is not a folder");
    return s;
  }
  read_optional(folder, kFinnishDanishFile, LineMode::kEntries, s.fi_da, diag);
  read_optional(folder, kFinnishCompoundsFile, LineMode::kEntries, s.fi_compounds, diag);
  read_optional(folder, kDanishFinnishFile, LineMode::kEntries, s.da_fi, diag);
  read_optional(folder, kDanishCompoundsFile, LineMode::kEntries, s.da_compounds, diag);
  read_optional(folder, kPocketFile, LineMode::kEntries, s.pocket, diag);
  read_tables(folder, s, diag);
  s.guides = read_guides(guide_folder, diag);
  return s;
}

std::vector<SourceFile> read_guides(const std::string& folder, Diagnostics& diag) {
  std::vector<SourceFile> guides;
  if (folder.empty()) return guides;
  for (const std::string& name : guide_file_names()) {
    fs::path p = fs::path(folder) / name;
    if (!fs::exists(p)) continue;
    SourceFile f;
    f.name = name;
    read_source_file(p.string(), LineMode::kVerbatim, f, diag);
    guides.push_back(std::move(f));
  }
  return guides;
}

std::vector<std::string> guide_file_names() {
  std::vector<std::string> names;
  for (int n = 101; n <= 107; ++n)
    names.push_back("fh" + std::to_string(n) + ".txt");
  return names;
}

}  // namespace velimora::mkdata
