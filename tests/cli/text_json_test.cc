// velimora-query --text and --json as scripts use them: a small dictionary folder and text
// in, the exact table or JSON that can be read back out.
#include <sys/wait.h>

#include <gtest/gtest.h>

#include <cstdio>
#include <fstream>
#include <nlohmann/json.hpp>
#include <sstream>
#include <string>

#include "golden/sample_folder.h"

namespace velimora {
namespace {

struct Outcome {
  std::string out;
  std::string err;
  int status = -1;
};

class ScriptTest : public ::testing::Test {
 protected:
  void SetUp() override {
    testing::fill_sample_folder(folder_);
    folder_.dir().write("feu/headwords.txt",
                        "aamu iq\nfisk t\nhus t\nkala i\nradio it\ntalo iq\ntuli i\n");
  }
  // Runs velimora-query on the folder with the arguments and standard input.
  Outcome run(const std::string& args, const std::string& input) {
    io_.write("in", input);
    std::string cmd = std::string(VELIMORA_QUERY_BIN) + " --data " + folder_.dir().path() + " " +
                      args + " <" + io_.path() + "/in 2>" + io_.path() + "/err";
    Outcome r;
    FILE* p = ::popen(cmd.c_str(), "r");
    char buf[4096];
    std::size_t n;
    while ((n = std::fread(buf, 1, sizeof buf, p)) > 0)
      r.out.append(buf, n);
    const int st = ::pclose(p);
    r.status = WIFEXITED(st) ? WEXITSTATUS(st) : -1;
    std::ifstream e(io_.path() + "/err", std::ios::binary);
    r.err.assign(std::istreambuf_iterator<char>(e), {});
    return r;
  }
  testing::ListFolder folder_;
  testing::TempDir io_;
};

constexpr const char* kHeader =
    "form\tcount\tbase words\tdictionaries\tfirst senses\tsuggestions\n";

TEST_F(ScriptTest, TextTableListsEachFormOnceWithItsBaseWordsOrSuggestions) {
  Outcome r = run("--text", "Talo ja kala, talo.\nHus \xE2\x80\x93 tallo radio. Tallo\n");
  EXPECT_EQ(r.status, 0) << r.err;
  EXPECT_EQ(r.out, std::string(kHeader) +
                       "Talo\t1\ttalo\tI\thus; bygning\t\n"  // found in lower case
                       "ja\t1\t\t\t\t\n"                     // nothing, nothing close
                       "kala\t1\tkala\tI\tfisk\t\n"
                       "talo\t1\ttalo\tI\thus; bygning\t\n"
                       "Hus\t1\thus\tT\ttalo\t\n"
                       "tallo\t1\t\t\t\ttalo\n"
                       "radio\t1\tradio | radio\tI | T\tradio | radio\t\n"
                       "Tallo\t1\t\t\t\ttalo\n");  // as tallo, looked up once
}

TEST_F(ScriptTest, TextSkipsWhatItCannotReadAndSaysWhere) {
  const std::string long_word(600, 'a');
  const std::string big_line = std::string(1 << 20, ' ') + "kala " + long_word;
  const std::string binary("binary\0data\n", 12);
  Outcome r =
      run("--text", "kala\n" + binary + "Erd\xC5\x91s talo\n\xFF\xFEkala\n" + big_line + "\n");
  EXPECT_EQ(r.status, 1);
  EXPECT_EQ(r.out, std::string(kHeader) + "kala\t2\tkala\tI\tfisk\t\n" +
                       "talo\t1\ttalo\tI\thus; bygning\t\n");
  for (const char* where : {"-:2: binary data", "-:3: \"Erd\xC5\x91s\"", "-:4: not UTF-8",
                            "-:5: a word of 600 letters"}) {
    EXPECT_NE(r.err.find(where), std::string::npos) << where << "\n" << r.err;
  }
  Outcome empty = run("--text -", "");
  EXPECT_EQ(empty.status, 1);
  EXPECT_EQ(empty.out, kHeader);
  EXPECT_NE(empty.err.find("no words"), std::string::npos) << empty.err;
}

TEST_F(ScriptTest, JsonGivesTheArticlesAsTheTextShowsThem) {
  Outcome text = run("talo", "");
  Outcome r = run("--json talo tallo", "");
  ASSERT_EQ(r.status, 0) << r.err;
  std::istringstream lines(r.out);
  std::string line;
  ASSERT_TRUE(std::getline(lines, line));
  nlohmann::json talo = nlohmann::json::parse(line);
  EXPECT_EQ(talo["query"], "talo");
  ASSERT_EQ(talo["articles"].size(), 2u);
  const nlohmann::json& a = talo["articles"][0];
  EXPECT_EQ(a["dictionary"], "I");
  EXPECT_EQ(a["file"], 1);
  EXPECT_EQ(a["line"], 4);
  EXPECT_EQ(a["headword"], "talo");
  EXPECT_NE(text.out.find(a["text"].get<std::string>() + "\n"), std::string::npos) << text.out;
  EXPECT_EQ(talo["offered"], nlohmann::json::array({"s"}));
  EXPECT_EQ(talo["messages"], nlohmann::json::array({"talo"}));
  ASSERT_TRUE(std::getline(lines, line));
  nlohmann::json tallo = nlohmann::json::parse(line);
  EXPECT_EQ(tallo["articles"].size(), 0u);
  EXPECT_EQ(tallo["suggestions"], nlohmann::json::array({"talo"}));
  EXPECT_FALSE(std::getline(lines, line));
}

// Queries of random bytes, bad UTF-8 among them: every line is one JSON object that parses
// (the parser rejects bad UTF-8), one per query.
TEST_F(ScriptTest, JsonIsValidWhateverTheInput) {
  unsigned seed = 11;
  auto next = [&seed] {
    seed = seed * 1103515245u + 12345u;
    return (seed >> 16) & 0xFF;
  };
  std::string input;
  const int kQueries = 1500;
  for (int q = 0; q < kQueries; ++q) {
    for (unsigned n = next() % 24; n > 0; --n) {
      unsigned char c = static_cast<unsigned char>(next());
      if (c == '\n' || c == '\r') c = 'a';
      if (q % 3 == 0 && c >= 0x80) c = "talo\xE4-+_, "[c % 10];
      input += static_cast<char>(c);
    }
    input += '\n';
  }
  Outcome r = run("--json", input);
  std::istringstream lines(r.out);
  std::string line;
  int count = 0;
  while (std::getline(lines, line)) {
    ++count;
    nlohmann::json j;
    ASSERT_NO_THROW(j = nlohmann::json::parse(line)) << line;
    EXPECT_TRUE(j.contains("query") && j.contains("articles") && j.contains("messages"));
  }
  EXPECT_EQ(count, kQueries);
}

}  // namespace
}  // namespace velimora
