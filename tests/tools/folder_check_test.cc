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

// The copied folder's files are hard links to the sample's: a file is unlinked before it is
// written, so that the sample keeps its text.
void put(const fs::path& file, const std::string& text) {
  fs::remove(file);
  std::ofstream(file, std::ios::binary | std::ios::trunc) << text;
}

std::string text_of(const fs::path& file) {
  std::ifstream in(file, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), {}};
}

// The file with its line `n` (from 1) put in place of the old one.
void set_line(const fs::path& file, int n, const std::string& line) {
  std::string text = text_of(file);
  std::size_t start = 0;
  for (int k = 1; k < n; ++k)
    start = text.find('\n', start) + 1;
  put(file, text.replace(start, text.find('\n', start) - start, line));
}

// The sample folder as hard links (fast); copied where the temporary folder lies elsewhere.
void copy_sample(const fs::path& to) {
  std::error_code linked;
  fs::copy(MKDATA_TEST_SAMPLE_DATA, to,
           fs::copy_options::recursive | fs::copy_options::create_hard_links, linked);
  if (linked) {
    fs::copy(MKDATA_TEST_SAMPLE_DATA, to,
             fs::copy_options::recursive | fs::copy_options::overwrite_existing);
  }
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
       [](const fs::path& d) {
         put(d / "fib/fo150.pro", text_of(d / "fib/fo150.pro") + "a i1,1 0\n");
       },
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
      // Index lines the search cannot read (line 2 is no head line, so only it is at fault).
      {"index line without sense",
       [](const fs::path& d) { set_line(d / "fib/fo1.pro", 2, "Afrikka i1,2"); },
       "fib/fo1.pro:2: no reference such as 'i1,1 0' after the word; the search skips it"},
      {"index line with a part that is no number",
       [](const fs::path& d) { set_line(d / "ftb/dn1.pro", 2, "Afrika tx,2 0"); },
       "ftb/dn1.pro:2: no reference"},
      {"index line without its line number",
       [](const fs::path& d) { set_line(d / "fib/fs1.pro", 2, "Aasia t1, 1"); },
       "fib/fs1.pro:2: no reference"},
      {"index line with the word alone",
       [](const fs::path& d) { set_line(d / "ftb/dy1.pro", 2, "Amerika"); },
       "ftb/dy1.pro:2: no reference"},
      {"main record file gone", [](const fs::path& d) { fs::remove(d / "feu/fe.cns"); },
       "feu/fe.cns:0: missing"},
  };
  for (const auto& c : kCases) {
    testing::TempDir dir;
    copy_sample(dir.path());
    c.spoil(dir.path());
    const std::vector<std::string> faults = check_data_folder(dir.prefix());
    ASSERT_EQ(faults.size(), 1u) << c.what << ": " << ::testing::PrintToString(faults);
    EXPECT_EQ(faults[0].rfind(dir.prefix() + c.fault, 0), 0u) << c.what << ": " << faults[0];
  }
}

}  // namespace
}  // namespace velimora::mkdata
