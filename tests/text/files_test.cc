#include "text/files.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <cstdio>
#include <thread>

#include "testing/temp_dir.h"

namespace velimora {
namespace {

TEST(Files, BackslashNamesReachSlashPaths) {
  testing::TempDir dir;
  dir.write("feu/fe.cns", "kh(5)\n");
  EXPECT_TRUE(file_exists(dir.prefix() + "feu\\fe.cns"));
  EXPECT_FALSE(file_exists(dir.prefix() + "feu\\fu10.cns"));
  EXPECT_FALSE(file_exists(dir.prefix() + "feu"));  // a folder is not a file
  Result<std::string> all = read_whole_file(dir.prefix() + "feu\\fe.cns");
  ASSERT_TRUE(all);
  EXPECT_EQ(*all, "kh(5)\n");
  EXPECT_FALSE(read_whole_file(dir.prefix() + "missing.txt"));
}

TEST(Files, ReadWholeFileGivesEveryByte) {
  testing::TempDir dir;
  const std::string big(10000, 'x');
  const std::string kTexts[] = {"", std::string("a\0b\r\n\xFF", 6), big + "end"};
  for (const std::string& text : kTexts) {
    dir.write("f.bin", text);
    Result<std::string> got = read_whole_file(dir.prefix() + "f.bin");
    ASSERT_TRUE(got) << text.size();
    EXPECT_EQ(*got, text);
  }
  EXPECT_FALSE(read_whole_file(dir.prefix()));  // a folder
}

// A file whose size is not known beforehand (a pipe) is read to its end.
TEST(Files, ReadWholeFileReadsAPipeToItsEnd) {
  testing::TempDir dir;
  const std::string fifo = dir.prefix() + "pipe";
  ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
  const std::string text(9000, 'p');
  std::thread writer([&] {
    std::FILE* f = std::fopen(fifo.c_str(), "wb");
    if (f == nullptr) return;
    std::fwrite(text.data(), 1, text.size(), f);
    std::fclose(f);
  });
  Result<std::string> got = read_whole_file(fifo);
  writer.join();
  ASSERT_TRUE(got);
  EXPECT_EQ(*got, text);
}

TEST(ReadLine, StripsLineEndsAndReturnsALastLineWithoutOne) {
  testing::TempDir dir;
  dir.write("a.txt", "one\r\ntwo\n\nlast\xE4");
  LineReader in(dir.prefix() + "a.txt");
  ASSERT_TRUE(in.ok());
  long start = -1;
  static const struct {
    const char* line;
    long start;
  } kLines[] = {{"one", 0}, {"two", 5}, {"", 9}, {"last\xE4", 10}};
  for (const auto& l : kLines) {
    auto got = in.read_line(&start);
    ASSERT_TRUE(got) << l.line;
    EXPECT_EQ(*got, l.line);
    EXPECT_EQ(start, l.start) << l.line;
  }
  EXPECT_FALSE(in.read_line());
  EXPECT_FALSE(in.read_line());
}

TEST(ReadLine, LongLinesAreNotCut) {
  testing::TempDir dir;
  std::string long_line(100000, 'x');
  dir.write("long.txt", long_line + "\nend\n");
  LineReader in(dir.prefix() + "long.txt");
  EXPECT_EQ(in.read_line()->size(), long_line.size());
  EXPECT_EQ(*in.read_line(), "end");
}

TEST(ReadLine, MissingFileIsNotOk) {
  LineReader in("/nonexistent/velimora/file");
  EXPECT_FALSE(in.ok());
  EXPECT_FALSE(in.read_line());
}

}  // namespace
}  // namespace velimora
