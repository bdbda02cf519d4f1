// Text-mode reading on crafted files: CRs dropped, 0x1A ending the text, byte positions, line
// pieces, reads across the internal buffer, and files that cannot be opened.
#include "support/textfile.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <string>

#include "support/tempfolder.h"

namespace {

class TextFileTest : public ::testing::Test {
 protected:
  // Writes `bytes` to a new file of the folder and opens it.
  bool open(const std::string& bytes) {
    return file.open(folder.write("f" + std::to_string(files++) + ".txt", bytes).c_str());
  }

  std::string read(int count) {
    std::string text(static_cast<size_t>(count), '?');
    text.resize(static_cast<size_t>(file.read(text.data(), count)));
    return text;
  }

  TempFolder folder;
  TextFile file;
  int files = 0;
};

TEST_F(TextFileTest, DropsCarriageReturnsButCountsTheirBytes) {
  ASSERT_TRUE(open("AB\r\nCD\r\n"));
  EXPECT_EQ(file.size(), 8);
  EXPECT_EQ(read(10), "AB\nCD\n");
  file.seek(3);
  EXPECT_EQ(read(2), "\nC");
  file.seek(2);
  EXPECT_EQ(read(100), "\nCD\n");
}

TEST_F(TextFileTest, ByteOneAEndsTheTextUntilTheNextSeek) {
  ASSERT_TRUE(open(std::string("AB\x1A") + "CD"));
  EXPECT_EQ(file.size(), 5);
  EXPECT_EQ(read(5), "AB");
  EXPECT_EQ(read(5), "");
  file.seek(3);
  EXPECT_EQ(read(5), "CD");
}

TEST_F(TextFileTest, ReadsLinesInPiecesThatFitTheBuffer) {
  ASSERT_TRUE(open("ABCDEFG\r\nHI"));
  char line[4];
  for (const char* piece : {"ABC", "DEF", "G\n", "HI", ""}) {
    EXPECT_EQ(file.readLine(line, sizeof line), static_cast<int>(std::strlen(piece)));
    EXPECT_STREQ(line, piece);
  }
}

TEST_F(TextFileTest, ReadsAcrossBufferBoundariesAndSeeksBack) {
  std::string bytes, text;
  for (int i = 0; i < 5000; ++i) {
    bytes += std::to_string(i) + "\r\n";
    text += std::to_string(i) + "\n";
  }
  ASSERT_TRUE(open(bytes));
  EXPECT_EQ(file.size(), static_cast<std::int64_t>(bytes.size()));
  EXPECT_EQ(read(static_cast<int>(bytes.size())), text);
  for (std::int64_t offset : {std::int64_t{20000}, std::int64_t{7}, std::int64_t{4095}}) {
    file.seek(offset);
    std::string expected = bytes.substr(static_cast<size_t>(offset), 40);
    expected.erase(std::remove(expected.begin(), expected.end(), '\r'), expected.end());
    EXPECT_EQ(read(static_cast<int>(expected.size())), expected) << offset;
  }
}

TEST_F(TextFileTest, FailedOpensCloseAndASecondOpenReplacesTheFirstFile) {
  ASSERT_TRUE(open("ONE\n"));
  EXPECT_EQ(read(2), "ON");
  for (const char* name : {"missing.txt", ""}) {
    EXPECT_FALSE(file.open(folder.path(name).c_str())) << name;
    EXPECT_FALSE(file.isOpen()) << name;
  }
  ASSERT_TRUE(open("TWO\n"));
  EXPECT_EQ(file.size(), 4);
  EXPECT_EQ(read(4), "TWO\n");
}

}  // namespace
