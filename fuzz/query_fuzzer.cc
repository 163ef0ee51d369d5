// Fuzzes query sequences through the driver on the sample data folder (with its morphology
// tables, so analyses run for real). One session serves the whole run and is reset before
// each input, so that every input starts as a fresh session would without paying for
// start-up again. An input is up to kMaxQueries lines, each one query in Windows-1252; after
// them every code the last query offered runs, then the numbered code 1, as a user clicking
// along the offer line would. Every text shown must convert to valid UTF-8.
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "shell/data_folder.h"
#include "shell/driver.h"
#include "shell/startup.h"
#include "text/codepage.h"

namespace velimora {
namespace {

constexpr std::size_t kMaxQueries = 8;

[[noreturn]] void fail(const std::string& why) {
  std::fprintf(stderr, "query_fuzzer: %s\n", why.c_str());
  std::abort();
}

// What the user would see of a text: converted to UTF-8, which must be valid.
void check_shown(std::string_view cp1252) {
  const std::string utf8 = cp1252_to_utf8(cp1252);
  if (escape_invalid_utf8(utf8) != utf8) fail("a shown text is not valid UTF-8");
}

class QueryHarness : public Frontend {
 public:
  QueryHarness() {
    const char* env = std::getenv("VELIMORA_FUZZ_DATA");
    const std::string folder = env != nullptr ? env : VELIMORA_FUZZ_DATA;
    Result<std::string> prefix = data_prefix_of(folder);
    if (!prefix) fail(prefix.error());
    StartupReport report = go1(session_, *prefix, "");
    if (!report.ok) fail("no data folder at " + folder);
    for (const std::string& e : report.errors) fail("start-up: " + e);
    session_.frontend = this;
  }

  void run(std::string_view input) {
    reset_queries(session_, "");
    for (std::size_t n = 0; n < kMaxQueries; ++n) {
      const std::size_t end = input.find('\n');
      query(input.substr(0, end));
      if (end == std::string_view::npos) break;
      input.remove_prefix(end + 1);
    }
    std::vector<std::string> offered;
    if (session_.q.stl1) offered = session_.q.stl1->codes;
    for (const std::string& code : offered) query(code);
    query("1");
  }

  void open_lexicon(const LexiconRequest& request) override {
    check_shown(request.title);
    check_shown(request.text);
  }

 private:
  void query(std::string_view text) {
    if (std::optional<std::string> shown = go2(session_, text)) check_shown(*shown);
  }

  Session session_;
};

}  // namespace
}  // namespace velimora

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  static velimora::QueryHarness harness;  // the one session of the run
  harness.run(std::string_view(reinterpret_cast<const char*>(data), size));
  return 0;
}
