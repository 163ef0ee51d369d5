// Data folders with broken files: queries of every form finish and never crash.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "shell/driver.h"
#include "shell/startup.h"
#include "testing/list_folder.h"

namespace velimora {
namespace {

class NullFrontend : public Frontend {
 public:
  void open_lexicon(const LexiconRequest& r) override { caret = r.caret; }
  int caret = 0;
};

// Bytes of every value in lines of random length, some of them very long.
std::string random_lines(unsigned& seed, int lines) {
  std::string out;
  for (int i = 0; i < lines; ++i) {
    seed = seed * 1103515245 + 12345;
    int length = static_cast<int>((seed >> 16) % 60);
    if (i % 17 == 0) length = 70000;
    for (int k = 0; k < length; ++k) {
      seed = seed * 1103515245 + 12345;
      out += static_cast<char>((seed >> 16) & 0xFF);
    }
    out += '\n';
  }
  return out;
}

TEST(BadData, QueriesOfEveryFormFinishOnBrokenFiles) {
  testing::ListFolder folder("u0(1, 5, \"a\", \"b\", 0, 0)\nfi('i', 2)\nfi('o', 3)\n");
  folder.part('o', 1,
              {"talo i1,1 0", "talo i99999999999,1 0", "talo i1,-5 2", "talo x-3,7_-2",
               "talo i1,999999 999999", "talo \xFF\xFE", "talo"});
  folder.part('o', 2, {"talo i2,1 400", "talo i2,1 203", "talo t1,1 0"});
  folder.part('i', 1, {"talo +&!\xA7\xF5# {| &x 1 | ;y 2 |* a"});
  folder.write();
  unsigned seed = 7;
  const testing::TempDir& dir = folder.dir();
  dir.write("fib/fi2.pro", random_lines(seed, 300));
  dir.write("fib/fo3.pro", random_lines(seed, 300));
  dir.write("fib/fs0.pro", random_lines(seed, 99));  // a head file of garbage
  dir.write("ftb/dt1.pro", random_lines(seed, 50));
  dir.write("ftb/dy0.pro", "");  // an empty head file
  dir.write("feu/fu20.cns", random_lines(seed, 10));
  Session s;
  NullFrontend front;
  ASSERT_TRUE(go1(s, folder.prefix(), "").ok);
  s.frontend = &front;
  static const char* const kQueries[] = {
      "talo",  "o",      "s",      "+talo",  ",+talo",       "+-talo",   "_talo",
      ",talo", "3 talo", "k_talo", "b_talo", "i1",           "i2,200",   "I2",
      "O3",    "i0",     "i1:1_2", "i2:5",   "i1:999999999", "t1;3_400", "i-1:1",
      "i1,",   "i1:",    "i:1",    "-talo",  "--talo",       "talo\xFF", "\xE4\xF6",
  };
  for (int round = 0; round < 3; ++round) {
    for (const char* q : kQueries) {
      std::optional<std::string> out = go2(s, q);
      if (out) {
        EXPECT_FALSE(out->empty()) << q;
      }
    }
  }
  // The article with all its signs, in each display mode.
  std::optional<std::string> plain = go2(s, "talo");
  ASSERT_TRUE(plain);
  EXPECT_NE(plain->find("(i1,1) >talo >talo;talo;taloe;talon;talon;talos"), std::string::npos)
      << *plain;
}

}  // namespace
}  // namespace velimora
