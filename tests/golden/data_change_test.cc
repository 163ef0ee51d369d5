// A data file changed on disk between two queries of one session: the later query shows what
// a fresh session on the changed folder shows, while a query in progress keeps the files it
// has already looked at.
#include <gtest/gtest.h>

#include <filesystem>
#include <optional>
#include <string>

#include "golden/sample_folder.h"
#include "shell/driver.h"
#include "shell/startup.h"

namespace velimora {
namespace {

std::optional<std::string> fresh_answer(const testing::ListFolder& folder, const char* query) {
  Session fresh;
  if (!go1(fresh, folder.prefix(), "").ok) return "start-up failed";
  return go2(fresh, query);
}

TEST(DataChange, TheNextQuerySeesAChangedOrRemovedPart) {
  testing::ListFolder folder;
  testing::fill_sample_folder(folder);
  Session s;
  ASSERT_TRUE(go1(s, folder.prefix(), "").ok);
  static const struct {
    const char* name;
    const char* query;
    const char* file;                  // relative name of the part rewritten before the query
    std::optional<std::string> bytes;  // nothing: the part is removed
  } kSteps[] = {
      {"as written", "talo", nullptr, {}},
      {"article text changed", "talo", "fib/fi1.pro",
       "aamu  morgen\nkala  fisk\nradio  radio\ntalo  bygning\n"},
      {"Danish side changed", "hus", "ftb/dt1.pro", "fisk 1 kala\nhus 1 koti\nradio 1 radio\n"},
      {"part removed", "talo", "fib/fi1.pro", std::nullopt},
  };
  std::optional<std::string> previous;
  for (const auto& step : kSteps) {
    if (step.file != nullptr && step.bytes) folder.dir().write(step.file, *step.bytes);
    if (step.file != nullptr && !step.bytes) {
      std::filesystem::remove(folder.dir().path() + "/" + step.file);
    }
    const std::optional<std::string> expected = fresh_answer(folder, step.query);
    if (step.file != nullptr) {
      EXPECT_NE(expected, previous) << step.name << ": no change to see";
    }
    EXPECT_EQ(go2(s, step.query), expected) << step.name;
    previous = expected;
  }
}

}  // namespace
}  // namespace velimora
