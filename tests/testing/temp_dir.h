// A temporary folder for tests that build small data folders; removed with the object.
#ifndef VELIMORA_TESTS_TESTING_TEMP_DIR_H_
#define VELIMORA_TESTS_TESTING_TEMP_DIR_H_

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <string_view>

namespace velimora::testing {

class TempDir {
 public:
  TempDir() {
    std::string tmpl = (std::filesystem::temp_directory_path() / "velimora-XXXXXX").string();
    path_ = ::mkdtemp(tmpl.data()) ? tmpl : std::string();
  }
  ~TempDir() {
    std::error_code ec;
    std::filesystem::remove_all(path_, ec);
  }
  TempDir(const TempDir&) = delete;
  TempDir& operator=(const TempDir&) = delete;

  const std::string& path() const { return path_; }
  // The folder as a data prefix: the path followed by a separator.
  std::string prefix() const { return path_ + "/"; }

  // Writes `bytes` as the file `relative` ('/' or '\' separators), creating its folders.
  void write(std::string_view relative, std::string_view bytes) const {
    std::string rel(relative);
    for (char& c : rel) {
      if (c == '\\') c = '/';
    }
    std::filesystem::path p = std::filesystem::path(path_) / rel;
    std::filesystem::create_directories(p.parent_path());
    std::ofstream(p, std::ios::binary) << bytes;
  }

 private:
  std::string path_;
};

}  // namespace velimora::testing

#endif  // VELIMORA_TESTS_TESTING_TEMP_DIR_H_
