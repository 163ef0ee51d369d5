// The analysis report as `make analysis-report` runs it: a forms list in, the figures out. The
// forms run on the sample data folder, so the counts below are what the analysis really shows.
#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>

#include "testing/temp_dir.h"

namespace velimora {
namespace {

// The report's standard output for a forms list (UTF-8 text) on the sample data folder.
std::string report(const std::string& forms, const std::string& data) {
  testing::TempDir io;
  io.write("forms.tsv", forms);
  const std::string cmd = "python3 " + std::string(VELIMORA_SOURCE_ROOT) +
                          "/scripts/analysis_report.py " + VELIMORA_QUERY_BIN + " --data " + data +
                          " --jobs 1 --failures --forms " + io.path() + "/forms.tsv 2>&1";
  std::string out;
  FILE* p = ::popen(cmd.c_str(), "r");
  char buf[4096];
  std::size_t n;
  while ((n = std::fread(buf, 1, sizeof buf, p)) > 0)
    out.append(buf, n);
  ::pclose(p);
  return out;
}

TEST(AnalysisReportTest, RecallPrecisionTopOneAndNonWords) {
  const char* data = std::getenv("VELIMORA_SAMPLE_DATA");
  if (data == nullptr || !std::filesystem::exists(std::string(data) + "/feu/fe.cns")) {
    GTEST_SKIP() << "the sample data folder has not been built";
  }
  const std::string out = report(
      "fi\tfi-a\ttalossa\ttalo\n"          // found, first, reading named
      "fi\tfi-a\ttalossa\ttalo\tiness.\n"  // the same with its reading
      "fi\tfi-a\ttalossa\ttalo\telat.\n"   // found, but not the reading shown first
      "fi\tfi-a\ttalossa\tkala\n"          // not found
      "fi\tfi-none\tqxzvb\t-\n"            // no analysis: right
      "fi\tfi-none\ttalossa\t-\n"          // an analysis: a false one
      "da\tda-a\thusene\thus\n"
      "da\tda-b\tkøber\tkøbe\t\tkøber\n"  // the noun køber listed as a right reading too
      "da\tda-b\tkøb\tkøbe\n",           // the noun køb not listed
      data);
  // Per category: recall 3 of 4, precision 3 of 4 articles shown, top-1 2 of 4.
  EXPECT_NE(out.find("fi-a                       4   75.0%       (3/4)   75.0%       (3/4)"
                     "   50.0%       (2/4)\n"),
            std::string::npos)
      << out;
  EXPECT_NE(out.find("all Finnish                4   75.0%"), std::string::npos) << out;
  EXPECT_NE(out.find("all                        7   85.7%       (6/7)"), std::string::npos) << out;
  // Readings first, then the whole-word article: top-1 2 of 2; precision counts the listed
  // noun køber but not køb, and a line gives the base word alone.
  EXPECT_NE(out.find("da-b                       2  100.0%       (2/2)   75.0%       (3/4)"
                     "  100.0%       (2/2)\n"),
            std::string::npos)
      << out;
  EXPECT_NE(out.find("precision counting the base word alone: Finnish 75.0% (3/4), Danish 60.0% (3/5)"),
            std::string::npos)
      << out;
  // Non-words stay out of the figures above and get a false-analysis rate of their own.
  EXPECT_NE(out.find("fi-none                    2   50.0%       (1/2)\n"), std::string::npos)
      << out;
  EXPECT_NE(out.find("all Finnish non-words      2   50.0%       (1/2)\n"), std::string::npos)
      << out;
  // The failure list names the wanted reading and the reading shown first.
  EXPECT_NE(out.find("first: talo, talo4.ssa0  (iness.) [i]  ...; wanted 'elat.'"),
            std::string::npos)
      << out;
  EXPECT_NE(out.find("   *-talossa                 base kala"), std::string::npos) << out;
  EXPECT_NE(out.find("Non-words with an analysis (1):\n    -talossa"), std::string::npos) << out;
}

}  // namespace
}  // namespace velimora
