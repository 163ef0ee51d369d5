// `velimora-mkdata --check` on the compiled sample folder, whole and with one fault at a time.
#include "mkdata/folder_check.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <string>

#include "testing/temp_dir.h"

namespace velimora::mkdata {
namespace {

namespace fs = std::filesystem;

void put(const fs::path& file, const std::string& text) {
  std::ofstream(file, std::ios::binary | std::ios::trunc) << text;
}

std::string text_of(const fs::path& file) {
  std::ifstream in(file, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), {}};
}

TEST(FolderCheck, TheSampleFolderHasNoFaults) {
  EXPECT_EQ(check_data_folder(std::string(MKDATA_TEST_SAMPLE_DATA) + "/"),
            std::vector<std::string>{});
}

TEST(FolderCheck, EachFaultIsOneLineWithFileAndLine) {
  static const struct {
    const char* what;
    void (*spoil)(const fs::path& folder);
    const char* fault;  // the one line reported, after the folder
  } kCases[] = {
      {"part gone", [](const fs::path& d) { fs::remove(d / "fib/fi1.pro"); },
       "fib/fi1.pro:0: missing or unreadable"},
      {"head gone", [](const fs::path& d) { fs::remove(d / "ftb/dt0.pro"); },
       "ftb/dt0.pro:0: missing or unreadable"},
      {"part out of order",
       [](const fs::path& d) { put(d / "fib/fo150.pro", text_of(d / "fib/fo150.pro") + "a\n"); },
       "fib/fo150.pro:"},
      {"head line changed",
       [](const fs::path& d) {
         std::string h = text_of(d / "fib/fi0.pro");
         put(d / "fib/fi0.pro", "0" + h);
       },
       "fib/fi0.pro:1: not the first line of part 1"},
      {"empty record file", [](const fs::path& d) { put(d / "feu/fu11.cns", ""); },
       "feu/fu11.cns: byte 0 (line 1): holds no records"},
      {"bad record", [](const fs::path& d) { put(d / "feu/fu10.cns", "kh(1)\nkh(\n"); },
       "feu/fu10.cns: byte 6 (line 2): column 4"},
      {"main record file gone", [](const fs::path& d) { fs::remove(d / "feu/fe.cns"); },
       "feu/fe.cns:0: missing"},
  };
  for (const auto& c : kCases) {
    testing::TempDir dir;
    fs::copy(MKDATA_TEST_SAMPLE_DATA, dir.path(), fs::copy_options::recursive);
    c.spoil(dir.path());
    const std::vector<std::string> faults = check_data_folder(dir.prefix());
    ASSERT_EQ(faults.size(), 1u) << c.what << ": " << ::testing::PrintToString(faults);
    EXPECT_EQ(faults[0].rfind(dir.prefix() + c.fault, 0), 0u) << c.what << ": " << faults[0];
  }
}

}  // namespace
}  // namespace velimora::mkdata
