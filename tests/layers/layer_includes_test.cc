// Every folder of src/ includes only its own headers and those of the layers its library
// links (the map CMake writes from the link graph), so an upward #include fails here.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <map>
#include <set>
#include <sstream>
#include <string>

namespace velimora {
namespace {

namespace fs = std::filesystem;

// "folder: allowed-folder ..." lines, one per layer library.
std::map<std::string, std::set<std::string>> read_layer_map(const std::string& path) {
  std::map<std::string, std::set<std::string>> map;
  std::ifstream in(path);
  std::string line;
  while (std::getline(in, line)) {
    std::istringstream words(line);
    std::string folder, allowed;
    words >> folder;
    folder.pop_back();  // the colon
    while (words >> allowed) map[folder].insert(allowed);
  }
  return map;
}

// The folder of every quoted #include of a file that names one ("lookup/ranking.h" → lookup).
std::set<std::string> included_folders(const fs::path& file) {
  std::set<std::string> folders;
  std::ifstream in(file);
  std::string line;
  while (std::getline(in, line)) {
    if (!line.starts_with("#include \"")) continue;
    std::string name = line.substr(10, line.find('"', 10) - 10);
    if (std::size_t slash = name.rfind('/'); slash != std::string::npos)
      folders.insert(name.substr(0, slash));
  }
  return folders;
}

TEST(LayerIncludes, EveryFolderIncludesOnlyTheLayersItsLibraryLinks) {
  const auto map = read_layer_map(VELIMORA_LAYER_MAP);
  ASSERT_TRUE(map.contains("text") && map.contains("shell")) << VELIMORA_LAYER_MAP;
  const fs::path src = fs::path(VELIMORA_SOURCE_ROOT) / "src";
  int files = 0;
  for (const fs::directory_entry& e : fs::recursive_directory_iterator(src)) {
    const fs::path& p = e.path();
    if (p.extension() != ".h" && p.extension() != ".cc") continue;
    const std::string folder = p.parent_path().lexically_relative(src).generic_string();
    auto layer = map.find(folder);
    if (folder == "ui/qt" && layer == map.end()) continue;  // not built without Qt
    ASSERT_NE(layer, map.end()) << folder << " is no layer library";
    for (const std::string& inc : included_folders(p)) {
      EXPECT_TRUE(layer->second.contains(inc))
          << p.lexically_relative(src).generic_string() << " includes " << inc
          << "/, which its layer does not link";
    }
    ++files;
  }
  EXPECT_GT(files, 50);
}

}  // namespace
}  // namespace velimora
