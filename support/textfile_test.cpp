// Text-mode reading on crafted files: CRs dropped, 0x1A ending the text, byte positions, line
// pieces, reads across the internal buffer, files that change while open, and files that cannot
// be opened (missing, folders, FIFOs, devices, sockets).
#include "support/textfile.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <string>

#include "support/tempfolder.h"

#ifndef _WIN32
#include <fcntl.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <unistd.h>
#endif

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

TEST_F(TextFileTest, TheFirstByteOneAEndsTheTextForEveryRead) {
  const std::string far(70000, 'A');  // beyond the first block that open scans
  const struct {
    std::string bytes;
    std::int64_t textEnd, from;
    const char* text;
  } rows[] = {
      {"AB\x1AXY\n", 2, 0, "AB"},
      {"AB\x1AXY\n", 2, 3, ""},  // a seek past it reads nothing either
      {"AB\r\n\x1A\x1A", 4, 1, "B\n"},
      {"\x1AXY\n", 0, 0, ""},
      {"ABCD", 4, 1, "BCD"},  // none: the text ends with the file
      {far + "\x1AZ", 70000, 69998, "AA"},
  };
  for (const auto& row : rows) {
    ASSERT_TRUE(open(row.bytes));
    EXPECT_EQ(file.size(), static_cast<std::int64_t>(row.bytes.size()));
    EXPECT_EQ(file.textEnd(), row.textEnd);
    file.seek(row.from);
    EXPECT_EQ(read(100), row.text) << row.textEnd << " from " << row.from;
  }
}

TEST_F(TextFileTest, ReadsStopAtTheSizeFoundAtOpenOrWhereTheFileNowEnds) {
  const struct {
    const char* change;
    const char* text;
  } rows[] = {{"grows", "ABCD\n"}, {"shrinks", "AB"}};
  for (const auto& row : rows) {
    std::string name = folder.write(row.change, "ABCD\n");
    ASSERT_TRUE(file.open(name.c_str()));
    EXPECT_EQ(read(1), "A");  // the rest is read ahead
    if (row.change == std::string("grows"))
      std::ofstream(name, std::ios::binary | std::ios::app) << "EFGH\n";
    else
      std::filesystem::resize_file(name, 2);
    file.seek(0);
    file.dropReadAhead();
    EXPECT_EQ(file.size(), 5) << row.change;
    EXPECT_EQ(read(100), row.text) << row.change;
  }
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

// Each row makes at `path` a thing that is no regular file and returns a descriptor that it keeps
// open meanwhile (a FIFO's writer, a socket's listener), or -1. An open that waited would hang.
TEST_F(TextFileTest, RefusesWhatIsNoRegularFileWithoutWaiting) {
#ifdef _WIN32
  GTEST_SKIP() << "FIFOs, devices and sockets are made on POSIX systems only";
#else
  const struct {
    const char* kind;
    int (*make)(const char* path);
  } rows[] = {
      {"FIFO without a writer",
       [](const char* path) {
         EXPECT_EQ(mkfifo(path, 0600), 0);
         return -1;
       }},
      {"FIFO with a writer",
       [](const char* path) {
         EXPECT_EQ(mkfifo(path, 0600), 0);
         int fd = ::open(path, O_RDWR);  // reader and writer at once: it does not wait
         EXPECT_EQ(::write(fd, "ABLE\n", 5), 5);
         return fd;
       }},
      {"link to the zero device",
       [](const char* path) {
         EXPECT_EQ(symlink("/dev/zero", path), 0);
         return -1;
       }},
      {"socket",
       [](const char* path) {
         int fd = socket(AF_UNIX, SOCK_STREAM, 0);
         sockaddr_un address{};
         address.sun_family = AF_UNIX;
         std::strncpy(address.sun_path, path, sizeof address.sun_path - 1);
         EXPECT_EQ(bind(fd, reinterpret_cast<sockaddr*>(&address), sizeof address), 0);
         return fd;
       }},
  };
  for (const auto& row : rows) {
    std::string path = folder.path(row.kind);
    int kept = row.make(path.c_str());
    EXPECT_FALSE(file.open(path.c_str())) << row.kind;
    EXPECT_FALSE(file.isOpen()) << row.kind;
    if (kept >= 0) ::close(kept);
  }
#endif
}

}  // namespace
