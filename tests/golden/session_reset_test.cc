// A session reset between query sequences: what follows shows exactly what a fresh session
// would, while the start-up tables stay loaded.
#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

#include "golden/sample_folder.h"
#include "shell/driver.h"
#include "shell/startup.h"

namespace velimora {
namespace {

using Outputs = std::vector<std::optional<std::string>>;

Outputs run_all(Session& s, const std::vector<std::string>& queries) {
  Outputs out;
  for (const std::string& q : queries) out.push_back(go2(s, q));
  return out;
}

TEST(SessionReset, QueriesAfterAResetShowWhatAFreshSessionShows) {
  testing::ListFolder folder("u0(3, 1003, \" nV\", \"ssa\", 4020, 10000)\n");
  testing::fill_sample_folder(folder);
  // Each sequence leans on what earlier queries left: codes and "-" repeat the last
  // analysis, a hit limit prefix and the prompt default carry over.
  static const std::vector<std::string> kEarlier[] = {
      {"-talossa", "o"}, {"--huse", "n", "1"}, {"25 kala", "k_talo"}, {"talo", "y"}};
  static const std::vector<std::string> kAfter = {"o", "-", "n", "talo", "s", "0"};

  Session fresh;
  ASSERT_TRUE(go1(fresh, folder.prefix(), "").ok);
  const Outputs expected = run_all(fresh, kAfter);

  Session s;
  ASSERT_TRUE(go1(s, folder.prefix(), "").ok);
  const std::size_t rows = s.startup.u0.size();
  ASSERT_EQ(rows, 1u);
  for (const auto& earlier : kEarlier) {
    run_all(s, earlier);
    reset_queries(s, "");
    EXPECT_EQ(run_all(s, kAfter), expected) << earlier.front();
    EXPECT_TRUE(s.shell.endret4.present());
    reset_queries(s, "");
  }
  EXPECT_EQ(s.startup.u0.size(), rows);
}

}  // namespace
}  // namespace velimora
