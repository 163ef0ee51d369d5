// The data folder the build compiles from the project's own sources, and the guide texts.
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <string>

#include "mkdata/lists.h"
#include "mkdata/sources.h"
#include "text/codepage.h"
#include "tools/mkdata_testing.h"

namespace velimora::mkdata {
namespace {

// A setting from the test's environment (set by ctest), else the one built in.
std::string setting(const char* name, const char* built_in) {
  const char* v = std::getenv(name);
  return v == nullptr ? std::string(built_in) : std::string(v);
}

TEST(SampleData, IsACompleteDataFolder) {
  std::string root = setting("VELIMORA_SAMPLE_DATA", MKDATA_TEST_SAMPLE_DATA);
  if (root.empty() || !std::filesystem::exists(root + "/feu/fe.cns")) {
    GTEST_SKIP() << "the sample data folder has not been built";
  }
  DataFolder f = mkdata::testing::load_folder(root);
  for (const WordList& l : nqrt) {
    for (int n = 0; n <= l.parts; ++n) {
      EXPECT_EQ(f.count(part_file_name(l.letter, n)), 1u) << l.letter << n;
    }
  }
  for (const std::string& g : guide_file_names()) {
    EXPECT_EQ(f.count("ch\\" + g), 1u) << g;
  }
}

// The search finds every line of the lists built from the project's own sources.
TEST(SampleData, WholeWordSearchFindsEveryLine) {
  std::string root = setting("VELIMORA_SAMPLE_DATA", MKDATA_TEST_SAMPLE_DATA);
  if (root.empty() || !std::filesystem::exists(root + "/feu/fe.cns")) {
    GTEST_SKIP() << "the sample data folder has not been built";
  }
  DataFolder f = mkdata::testing::load_folder(root);
  for (const std::string& line : mkdata::testing::unfindable_lines(f))
    ADD_FAILURE() << line;
}

// Guide lines stay short enough to read without wrapping in a guide window.
TEST(GuideSources, AreWindows1252TextWithShortLines) {
  std::string root = setting("VELIMORA_SOURCE_DIR", MKDATA_TEST_SOURCE_DIR);
  ASSERT_FALSE(root.empty());
  for (const std::string& name : guide_file_names()) {
    std::string path = root + "/data/guide/" + name;
    Result<std::string> text = read_whole_file(path);
    ASSERT_TRUE(text) << text.error();
    EXPECT_FALSE(text->empty()) << name;
    int number = 0;
    std::size_t start = 0;
    while (start < text->size()) {
      std::size_t end = text->find('\n', start);
      if (end == std::string::npos) end = text->size();
      std::string line = text->substr(start, end - start);
      ++number;
      Result<std::string> converted = utf8_to_cp1252(line);
      ASSERT_TRUE(converted) << name << ":" << number << ": " << converted.error();
      EXPECT_LT(converted->size(), 90u) << name << ":" << number;
      EXPECT_EQ(line.find('\t'), std::string::npos) << name << ":" << number;
      start = end + 1;
    }
  }
}

}  // namespace
}  // namespace velimora::mkdata
