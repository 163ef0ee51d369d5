// The command-line program as a user runs it: arguments in, standard output, standard error
// and exit status out.
#include <sys/wait.h>

#include <gtest/gtest.h>

#include <cstdio>
#include <fstream>
#include <string>

#include "testing/temp_dir.h"
#include "text/codepage.h"

namespace velimora {
namespace {

struct Outcome {
  std::string out;
  std::string err;
  int status = -1;
};

// Runs velimora-query with the arguments (a shell word list) and optional standard input.
Outcome run(const std::string& args, const std::string& input = "") {
  testing::TempDir io;
  io.write("in", input);
  std::string cmd = std::string(VELIMORA_QUERY_BIN) + " " + args + " <" + io.path() + "/in 2>" +
                    io.path() + "/err";
  Outcome r;
  FILE* p = ::popen(cmd.c_str(), "r");
  char buf[4096];
  std::size_t n;
  while ((n = std::fread(buf, 1, sizeof buf, p)) > 0)
    r.out.append(buf, n);
  int st = ::pclose(p);
  r.status = WIFEXITED(st) ? WEXITSTATUS(st) : -1;
  std::ifstream e(io.path() + "/err", std::ios::binary);
  r.err.assign(std::istreambuf_iterator<char>(e), {});
  return r;
}

// Without word lists every list's last part may hold the word: the search names them all.
constexpr const char* kLookedInAll =
    " looked in (double click / tap) : I99 o199 s99 q49 T39 n49 y156\n";

class CliTest : public ::testing::Test {
 protected:
  void SetUp() override { data_.write("feu/fe.cns", "kh(1000)\n"); }
  std::string data() const { return "--data " + data_.path(); }
  testing::TempDir data_;
};

TEST_F(CliTest, UnknownWordPrintsTheTrySuggestion) {
  Outcome r = run(data() + " talo");
  EXPECT_EQ(r.status, 0);
  EXPECT_EQ(r.out, "\n" + std::string(kLookedInAll) +
                       "\n try  -talo  or  --talo\n  (double click / tap)\n\n");
  EXPECT_EQ(r.err, " \ntalo\n");  // the start-up query and the query, as in the message window
}

TEST_F(CliTest, QueriesAfterTheDoubleDashRunInOneSession) {
  Outcome r = run(data() + " -- - k_talo");
  EXPECT_EQ(r.status, 0);
  EXPECT_EQ(r.out,
            "\n- (also as sign) : shows the lexica as they are\n"
            "talo, k\xC3\xA4\xC3\xA4nteinen : olat\n\n looked in (double click / tap) : a181\n\n");
}

TEST_F(CliTest, QueriesFromStandardInputOnePerLine) {
  Outcome r = run(data(), "talo\r\nb_hus\n");
  EXPECT_EQ(r.status, 0);
  EXPECT_EQ(r.out, "\n" + std::string(kLookedInAll) +
                       "\n try  -talo  or  --talo\n  (double click / tap)\n\n"
                       "hus, bagl\xC3\xA6ns : suh\n\n looked in (double click / tap) : b39\n\n");
}

TEST_F(CliTest, Cp1252OptionReadsAndWritesSingleBytes) {
  Outcome r = run(data() + " --cp1252 k_t\xE4l");
  EXPECT_EQ(r.out,
            "\nt\xE4l, k\xE4\xE4nteinen : l\xE4t\n\n looked in (double click / tap) : a181\n\n");
}

TEST_F(CliTest, UnrepresentableCharacterIsReportedAndTheOthersStillRun) {
  Outcome r = run(data() + " 'x\xE2\x88\x9E' talo");
  EXPECT_EQ(r.status, 1);
  EXPECT_NE(r.err.find("cannot be written in Windows-1252"), std::string::npos) << r.err;
  EXPECT_NE(r.out.find("try  -talo"), std::string::npos);
}

TEST_F(CliTest, StandardErrorIsValidUtf8WithInvalidBytesEscaped) {
  static const struct {
    const char* args;
    const char* shown;  // what standard error shows of the argument
  } kCases[] = {
      {" 'x\xFFy' talo", "query \"x\\xFFy\": malformed UTF-8 at byte 1"},
      {" 'ta\xC3' talo", "query \"ta\\xC3\": malformed UTF-8 at byte 2"},  // cut sequence
      {" --b\xE4"
       "d talo",
       "unknown option --b\\xE4d"},
  };
  for (const auto& c : kCases) {
    Outcome r = run(data() + c.args);
    EXPECT_EQ(r.status, c.args[1] == '-' ? 2 : 1) << c.args;
    EXPECT_NE(r.err.find(c.shown), std::string::npos) << r.err;
    EXPECT_EQ(escape_invalid_utf8(r.err), r.err) << "not valid UTF-8: " << r.err;
  }
}

TEST_F(CliTest, RecordErrorsAtStartUpMakeTheExitStatusOneButQueriesRun) {
  static const struct {
    const char* file;
    const char* text;
    int status;
  } kCases[] = {
      {"feu/fu11.cns", "kh(1)\n", 0},
      {"feu/fu11.cns", "", 1},                 // empty
      {"feu/fu11.cns", "kh(1)\nkh(2\n", 1},   // stops loading at line 2
      {"feu/fu14.cns", "u0([[[[\n", 1},
  };
  for (const auto& c : kCases) {
    testing::TempDir dir;
    dir.write("feu/fe.cns", "kh(1000)\n");
    dir.write(c.file, c.text);
    Outcome r = run("--data " + dir.path() + " talo");
    EXPECT_EQ(r.status, c.status) << c.file << ": " << c.text;
    EXPECT_NE(r.out.find("try  -talo"), std::string::npos) << r.out;
    EXPECT_EQ(r.err.find("error: ") != std::string::npos, c.status == 1) << r.err;
  }
}

TEST(Cli, MissingMainRecordFileIsOneClearLineAndAFailure) {
  testing::TempDir empty;
  Outcome r = run("--data " + empty.path() + " talo");
  EXPECT_EQ(r.status, 1);
  EXPECT_EQ(r.out, "");
  EXPECT_NE(r.err.find("no dictionary data in " + empty.path()), std::string::npos) << r.err;
}

TEST(Cli, StemsListsEveryCandidateInOrder) {
  static const struct {
    const char* args;
    const char* out;
    int status;
  } kCases[] = {
      {"--stems i talo _ talossa", "tal\t0\to\t4\n", 0},
      {"--stems i kukka _ kukka", "kukk\t2\ta\t4\nkuk\t1\ta\t4\nkukk\t3\ta\t4\n", 0},
      {"--stems i mies _ miehen", "mie\t1\th\t4\n", 0},
      {"--stems t museum _ museer", "muse\t0\tM\t0\n", 0},
      {"--stems x talo _ talossa", "", 2},  // not a mode
      {"--stems i talo 7 talossa", "", 2},  // not a class
      {"--stems i talo", "", 2},            // too few arguments
  };
  for (const auto& c : kCases) {
    Outcome r = run(c.args);
    EXPECT_EQ(r.out, c.out) << c.args;
    EXPECT_EQ(r.status, c.status) << c.args;
  }
}

// A verb in -a: gets the same candidates as the -a verb of the same shape: the Windows-1252 a:
// of the dictionary and the code page 850 a: alike (the candidate's a: is that of the form).
TEST(Cli, FrontVowelVerbsGetTheCandidatesOfTheirBackVowelPartners) {
  static const struct {
    const char* back;   // WORD FORM of an -a verb
    const char* out;    // its candidates
    const char* front;  // WORD FORM of the -a: verb of the same shape, UTF-8
    const char* front_out;
  } kPairs[] = {
      {"puhua puhun", "puh\t0\tu\t2\n", "kysy\xC3\xA4 kysyn", "kys\t0\ty\t2\n"},
      {"puhua puhui", "puh\t0\tu\t2\n", "kysy\xC3\xA4 kysyi", "kys\t0\ty\t2\n"},
      {"ottaa otan", "ot\t1\ta\t2\n", "k\xC3\xA4ytt\xC3\xA4\xC3\xA4 k\xC3\xA4yt\xC3\xA4n",
       "k\xC3\xA4yt\t1\t\xC3\xA4\t2\n"},
      {"huutaa huudan", "huud\t1\ta\t2\n", "l\xC3\xB6yt\xC3\xA4\xC3\xA4 l\xC3\xB6yd\xC3\xA4n",
       "l\xC3\xB6yd\t1\t\xC3\xA4\t2\n"},
      {"huutaa huusi", "huus\t0\tj\t2\n", "tiet\xC3\xA4\xC3\xA4 tiesi", "ties\t0\tj\t2\n"},
      {"lukea luen", "lu\t1\te\t2\n", "l\xC3\xA4hte\xC3\xA4 l\xC3\xA4hden",
       "l\xC3\xA4hd\t1\te\t2\n"},
      {"oppia opin", "op\t1\ti\t2\n", "etsi\xC3\xA4 etsin", "ets\t0\ti\t2\n"},
  };
  for (const auto& p : kPairs) {
    const std::string back(p.back), front(p.front);
    const std::size_t b = back.find(' '), f = front.find(' ');
    EXPECT_EQ(run("--stems i " + back.substr(0, b) + " 2 " + back.substr(b + 1)).out, p.out)
        << p.back;
    EXPECT_EQ(run("--stems i " + front.substr(0, f) + " 2 " + front.substr(f + 1)).out, p.front_out)
        << p.front;
  }
  // The code page 850 spelling keeps working: kysya: / kysyn and tieta:a: / tieda:n, as bytes.
  EXPECT_EQ(run("--cp1252 --stems i kysy\x84 2 kysyn").out, "kys\t0\ty\t2\n");
  EXPECT_EQ(run("--cp1252 --stems i tiet\x84\x84 2 tied\x84n").out, "tied\t1\t\x84\t2\n");
  EXPECT_EQ(run("--cp1252 --stems i tiet\xE4\xE4 2 tied\xE4n").out, "tied\t1\t\xE4\t2\n");
}

// An analysis query that shows nothing says so in the message window (standard error), in the
// reader's language and in English; the results window gets what it always got.
TEST_F(CliTest, AnalysisThatFindsNothingSaysSoOnTheMessageLines) {
  static const struct {
    const char* query;
    const char* notice;  // the line after the echoed query, or "" for none
    const char* out;     // the results text, or nullptr when this test does not look at it
  } kCases[] = {
      {"-qwertyx", "-qwertyx: ingen analyse / no analysis\n", "\n\n"},
      {",-qwertyx", ",-qwertyx: ingen analyse / no analysis\n", "\n\n"},
      {"--qwertyx", "--qwertyx: ei analyysi\xC3\xA4 / no analysis\n", "\n\n"},
      {"qwertyx", "", nullptr},   // a plain look-up keeps its "try" line
      {"-", "", nullptr},         // the sign alone shows its help line
      {"+qwertyx", "", nullptr},  // not an analysis
      {"-2", "", nullptr},        // a code number, not a form
  };
  for (const auto& c : kCases) {
    Outcome r = run(data() + " -- '" + c.query + "'");
    EXPECT_EQ(r.err, " \n" + std::string(c.query) + "\n" + c.notice) << c.query;
    if (c.out != nullptr) {
      EXPECT_EQ(r.out, c.out) << c.query;
    }
  }
}

TEST(Cli, UnknownOptionIsAUsageError) {
  Outcome r = run("--bogus talo");
  EXPECT_EQ(r.status, 2);
  EXPECT_NE(r.err.find("usage:"), std::string::npos);
}

}  // namespace
}  // namespace velimora
