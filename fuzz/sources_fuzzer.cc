// Fuzzes the data compiler's source reading and parsing: the first byte of an input picks
// one source file of a source folder, the rest is that file's text (UTF-8, as written by
// lexicographers); the folder is read and compiled as velimora-mkdata would. Problems must
// come out as diagnostics, never as a crash, an endless loop or undefined behaviour.
#include <unistd.h>

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>

#include "mkdata/compiler.h"
#include "mkdata/sources.h"

namespace velimora::mkdata {
namespace {

namespace fs = std::filesystem;

// The files an input can stand for; a record or index line source goes to tables/.
constexpr const char* kFiles[] = {
    kFinnishDanishFile, kDanishFinnishFile, kFinnishCompoundsFile, kDanishCompoundsFile,
    kPocketFile,        "tables/fu10.cns",  "tables/fu12.cns",
};
constexpr std::size_t kFileCount = sizeof kFiles / sizeof kFiles[0];

class SourcesHarness {
 public:
  SourcesHarness() {
    char folder[] = "/tmp/velimora-sources-fuzz-XXXXXX";
    if (::mkdtemp(folder) == nullptr) {
      std::fputs("sources_fuzzer: cannot make a temporary folder\n", stderr);
      std::abort();
    }
    folder_ = folder;
    fs::create_directories(folder_ / "tables");
  }
  ~SourcesHarness() {
    std::error_code ignored;
    fs::remove_all(folder_, ignored);
  }

  void run(const std::uint8_t* data, std::size_t size) {
    if (size == 0) return;
    const fs::path file = folder_ / kFiles[data[0] % kFileCount];
    {
      std::ofstream out(file, std::ios::binary | std::ios::trunc);
      out.write(reinterpret_cast<const char*>(data + 1), static_cast<std::streamsize>(size - 1));
    }
    Diagnostics diag;
    Sources sources = read_sources(folder_.string(), "", diag);
    if (!diag.failed()) compile(sources, diag);
    fs::remove(file);
  }

 private:
  fs::path folder_;
};

}  // namespace
}  // namespace velimora::mkdata

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  static velimora::mkdata::SourcesHarness harness;
  harness.run(data, size);
  return 0;
}
