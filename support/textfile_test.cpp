// Text-mode reading on crafted files: CRs dropped, 0x1A ending the text, byte positions, line
// pieces, reads across the internal buffer, and files that cannot be opened.
#include "support/textfile.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "support/tempfolder.h"

namespace {

std::string readAll(TextFile& file, int count) {
  std::string text(static_cast<size_t>(count), '?');
  text.resize(static_cast<size_t>(file.read(text.data(), count)));
  return text;
}

TEST(TextFileTest, DropsCarriageReturnsButCountsTheirBytes) {
  TempFolder folder;
  TextFile file;
  ASSERT_TRUE(file.open(folder.write("crlf.txt", "AB\r\nCD\r\n").c_str()));
  EXPECT_EQ(file.size(), 8);
  EXPECT_EQ(readAll(file, 10), "AB\nCD\n");
  file.seek(3);
  EXPECT_EQ(readAll(file, 2), "\nC");
  file.seek(2);
  EXPECT_EQ(readAll(file, 100), "\nCD\n");
}

TEST(TextFileTest, ByteOneAEndsTheTextUntilTheNextSeek) {
  TempFolder folder;
  TextFile file;
  ASSERT_TRUE(file.open(folder
                            .write("eof.txt",
                                   "AB\x1A"
                                   "CD")
                            .c_str()));
  EXPECT_EQ(file.size(), 5);
  EXPECT_EQ(readAll(file, 5), "AB");
  EXPECT_EQ(readAll(file, 5), "");
  file.seek(3);
  EXPECT_EQ(readAll(file, 5), "CD");
}

TEST(TextFileTest, ReadsLinesInPiecesThatFitTheBuffer) {
  TempFolder folder;
  TextFile file;
  ASSERT_TRUE(file.open(folder.write("lines.txt", "ABCDEFG\r\nHI").c_str()));
  char line[4];
  const char* expected[] = {"ABC", "DEF", "G\n", "HI", ""};
  for (const char* piece : expected) {
    EXPECT_EQ(file.readLine(line, sizeof line), static_cast<int>(std::strlen(piece)));
    EXPECT_STREQ(line, piece);
  }
}

TEST(TextFileTest, ReadsAcrossBufferBoundariesAndSeeksBack) {
  std::string bytes, text;
  for (int i = 0; i < 5000; ++i) {
    std::string line = std::to_string(i);
    bytes += line + "\r\n";
    text += line + "\n";
  }
  TempFolder folder;
  TextFile file;
  ASSERT_TRUE(file.open(folder.write("big.txt", bytes).c_str()));
  EXPECT_EQ(file.size(), static_cast<std::int64_t>(bytes.size()));
  EXPECT_EQ(readAll(file, static_cast<int>(bytes.size())), text);
  for (std::int64_t offset : {std::int64_t{20000}, std::int64_t{7}, std::int64_t{4095}}) {
    file.seek(offset);
    std::string tail = bytes.substr(static_cast<size_t>(offset), 40);
    std::string expected;
    for (char c : tail) {
      if (c != '\r') expected += c;
    }
    EXPECT_EQ(readAll(file, static_cast<int>(expected.size())), expected) << offset;
  }
}

TEST(TextFileTest, RefusesMissingFilesAndFolders) {
  TempFolder folder;
  TextFile file;
  EXPECT_FALSE(file.open(folder.path("missing.txt").c_str()));
  EXPECT_FALSE(file.isOpen());
  EXPECT_FALSE(file.open(folder.path("").c_str()));
  EXPECT_FALSE(file.isOpen());
}

TEST(TextFileTest, ASecondOpenReplacesTheFirstFile) {
  TempFolder folder;
  TextFile file;
  ASSERT_TRUE(file.open(folder.write("one.txt", "ONE\n").c_str()));
  EXPECT_EQ(readAll(file, 2), "ON");
  ASSERT_TRUE(file.open(folder.write("two.txt", "TWO\n").c_str()));
  EXPECT_EQ(file.size(), 4);
  EXPECT_EQ(readAll(file, 4), "TWO\n");
}

}  // namespace
