#include "mkdata/folder_writer.h"

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <set>

#include "datafolder/layout.h"
#include "text/files.h"

namespace velimora::mkdata {
namespace {

namespace fs = std::filesystem;

// A new empty folder next to `out`, named after it.
fs::path make_sibling(const fs::path& out, std::string_view role) {
  std::string tmpl =
      (out.parent_path() / ("." + out.filename().string() + "." + std::string(role) + "-XXXXXX"))
          .string();
  if (::mkdtemp(tmpl.data()) == nullptr) {
    throw fs::filesystem_error("cannot make a folder next to it", out,
                               std::error_code(errno, std::generic_category()));
  }
  return tmpl;
}

void write_files(const DataFolder& files, const fs::path& root) {
  for (const auto& [name, bytes] : files) {
    fs::path p = root / native_path(name);
    fs::create_directories(p.parent_path());
    std::ofstream out(p, std::ios::binary);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    out.close();
    if (!out) {
      throw fs::filesystem_error("cannot write", p, std::make_error_code(std::errc::io_error));
    }
  }
}

// The first-level folders of the files, the record folder last.
std::vector<std::string> subfolders(const DataFolder& files) {
  std::set<std::string> names;
  for (const auto& [name, bytes] : files)
    names.insert(name.substr(0, name.find('\\')));
  // The record folder makes a data folder loadable, so it is swapped in last.
  const std::string records = record_folder();
  std::vector<std::string> order;
  for (const std::string& n : names) {
    if (n != records) order.push_back(n);
  }
  if (names.count(records) != 0) order.push_back(records);
  return order;
}

void swap_in(const fs::path& staging, const fs::path& out, const std::vector<std::string>& subs) {
  const std::string records = record_folder();
  fs::path trash = make_sibling(out, "old");
  if (fs::exists(out / records)) fs::rename(out / records, trash / records);
  for (const std::string& s : subs) {
    if (s != records && fs::exists(out / s)) fs::rename(out / s, trash / s);
    fs::rename(staging / s, out / s);
  }
  fs::remove_all(trash);
}

}  // namespace

Status write_data_folder(const DataFolder& files, const std::string& out_dir) {
  fs::path out = fs::path(out_dir).lexically_normal();
  if (!out.has_filename()) out = out.parent_path();
  if (out.parent_path().empty()) out = fs::path(".") / out;
  fs::path staging;
  try {
    fs::create_directories(out);
    staging = make_sibling(out, "new");
    write_files(files, staging);
    swap_in(staging, out, subfolders(files));
    fs::remove_all(staging);
    return Status();
  } catch (const fs::filesystem_error& e) {
    std::error_code ignored;
    if (!staging.empty()) fs::remove_all(staging, ignored);
    return Error{e.what()};
  }
}

}  // namespace velimora::mkdata
