// Fuzzes the record-file loader: each input is written as a record file and loaded into fresh
// start-up tables, as start-up loads the files of a data folder. A file that does not load
// must say where: its error names the line.
#include <unistd.h>

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>

#include "tables/record_registry.h"

namespace velimora {
namespace {

[[noreturn]] void fail(const std::string& why) {
  std::fprintf(stderr, "records_fuzzer: %s\n", why.c_str());
  std::abort();
}

class RecordsHarness {
 public:
  RecordsHarness() {
    char folder[] = "/tmp/velimora-records-fuzz-XXXXXX";
    if (::mkdtemp(folder) == nullptr) fail("cannot make a temporary folder");
    folder_ = folder;
    path_ = folder_ + "/fu10.cns";
  }
  ~RecordsHarness() {
    std::remove(path_.c_str());
    ::rmdir(folder_.c_str());
  }

  void run(const std::uint8_t* data, std::size_t size) {
    std::FILE* f = std::fopen(path_.c_str(), "wb");
    if (f == nullptr) fail("cannot write " + path_);
    if (size > 0 && std::fwrite(data, 1, size, f) != size) fail("cannot write " + path_);
    std::fclose(f);
    StartupTables tables;
    Status s = load_startup_records(path_, tables);
    if (!s && s.error().find("(line ") == std::string::npos) fail("no line in: " + s.error());
  }

 private:
  std::string folder_;
  std::string path_;
};

}  // namespace
}  // namespace velimora

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  static velimora::RecordsHarness harness;
  harness.run(data, size);
  return 0;
}
