// Text-mode reading on crafted files: CRs dropped, 0x1A ending the text, byte positions, reads
// across the internal buffer, files that change while open, read errors told from the end of the
// text, and files that cannot be opened (missing, folders, FIFOs, devices).
#include "support/textfile.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <string>

#include "testing/failingfile.h"
#include "testing/standinfile.h"
#include "testing/tempfolder.h"

#ifndef _WIN32
#include <fcntl.h>
#include <sys/stat.h>
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
    return text.substr(0, static_cast<size_t>(file.read(text.data(), count)));
  }

  TempFolder folder;
  TextFile file;
  int files = 0;
};

// Each row: the file's bytes and where a read starts. The text ends at the first 0x1A byte; the
// read gives the bytes from its start to there without their CRs, and so does a second read from
// there, taken after the first has left the buffer elsewhere.
TEST_F(TextFileTest, ReadsTheTextUpToTheFirstByteOneAWithoutCarriageReturns) {
  std::string lines;  // CR LF lines over several buffers' worth
  for (int i = 0; i < 5000; ++i) lines += std::to_string(i) + "\r\n";
  const std::string far = std::string(70000, 'A') + "\x1AZ";  // past the first block open scans
  struct Row {
    std::string bytes;
    std::size_t from;
  };
  const Row rows[] = {
      {"AB\r\nCD\r\n", 0},    // CR LF lines
      {"AB\r\nCD\r\n", 4},    // from the second line: positions count the CRs
      {"AB\x1AXY\n", 0},      // 0x1A ends the text
      {"AB\x1AXY\n", 3},      // a seek past the text's end reads nothing either
      {"AB\r\n\x1A\x1A", 1},  // from inside a line, up to the first of two 0x1A
      {"\x1AXY\n", 0},        // no text at all
      {far, 69998},           // a 0x1A past the first block that open scans
      {lines, 0},             // over several buffers
      {lines, 4095},          // from across a buffer's edge
  };
  for (const auto& [bytes, from] : rows) {
    const std::size_t textEnd = std::min(bytes.find('\x1A'), bytes.size());
    ASSERT_TRUE(open(bytes));
    EXPECT_EQ(file.size(), static_cast<std::int64_t>(bytes.size()));
    EXPECT_EQ(file.textEnd(), static_cast<std::int64_t>(textEnd));
    std::string text = bytes.substr(from, std::max(textEnd, from) - from);
    text.erase(std::remove(text.begin(), text.end(), '\r'), text.end());
    for (int pass = 0; pass < 2; ++pass) {
      file.seek(static_cast<std::int64_t>(from));
      EXPECT_EQ(read(static_cast<int>(bytes.size())), text) << from;
    }
  }
}

TEST_F(TextFileTest, ReadsStopAtTheSizeFoundAtOpenOrWhereTheFileNowEnds) {
  for (bool grows : {true, false}) {
    std::string name = folder.write(grows ? "grows" : "shrinks", "ABCD\n");
    ASSERT_TRUE(file.open(name.c_str()));
    EXPECT_EQ(read(1), "A");  // the rest is read ahead
    grows ? (void)(std::ofstream(name, std::ios::binary | std::ios::app) << "EFGH\n")
          : std::filesystem::resize_file(name, 2);
    file.seek(0);
    file.dropReadAhead();
    EXPECT_EQ(file.size(), 5);
    EXPECT_EQ(read(100), grows ? "ABCD\n" : "AB");
  }
}

// Each row: where the disk fails under the file once it has been opened, and where a read of up to
// 100 characters, or of one line, starts. What lies before the bad byte arrives (CRs dropped), and
// the read tells whether it stopped at the error rather than at the end of the text; a later read
// that stops short of the bad byte meets none.
TEST_F(TextFileTest, TellsAReadErrorFromTheEndOfTheText) {
  struct Row {
    std::int64_t errorAt, from;
    bool line;
    std::string text;
    bool failed;
  };
  const Row rows[] = {
      {7, 0, false, "ABLE\nB", true},         // inside the second line
      {7, 0, true, "ABLE\n", false},          // a line that ends before it
      {7, 6, true, "B", true},                // a line that it cuts
      {7, 9, false, "", true},                // from past the bad byte
      {0, 0, true, "", true},                 // at the first byte
      {11, 0, false, "ABLE\nBAKE\n", false},  // at the 0x1A, where the text ends
      {14, 6, false, "BAKE\n", false},        // past the text's end
  };
  for (const Row& row : rows) {
    FailingFile failing("failing", "ABLE\r\nBAKE\n\x1AZERO\n", row.errorAt);
    ASSERT_TRUE(file.open("failing"));
    file.seek(row.from);
    char line[100];
    std::string text = row.line ? std::string(line, file.readLine(line, 100)) : read(100);
    EXPECT_EQ(text, row.text) << row.errorAt << " " << row.from;
    EXPECT_EQ(file.readFailed(), row.failed) << row.errorAt << " " << row.from;
    file.seek(0);
    EXPECT_EQ(read(1), row.errorAt > 0 ? "A" : "");
    EXPECT_EQ(file.readFailed(), row.errorAt == 0);
    file.close();  // before its stand-in goes
  }
}

// A second open replaces the first file and what was read ahead of it; a failed one leaves the
// object closed. Only regular files that can be read open, and an open that waited would hang.
TEST_F(TextFileTest, OpensOnlyReadableRegularFilesWithoutWaiting) {
  ASSERT_TRUE(open("ONE\n"));
  EXPECT_EQ(read(2), "ON");
  ASSERT_TRUE(open("TWO\n"));
  EXPECT_EQ(read(4), "TWO\n");
  EXPECT_FALSE(file.open(folder.path("").c_str()));  // the folder itself
  EXPECT_FALSE(file.isOpen());
  struct : os::StandInFile {  // opens, but every read fails, as on a damaged disk
    std::int64_t size() override { return 1000; }
    long readAt(std::int64_t, char*, int) override { return -1; }
  } unreadable;
  os::putStandInFile("unreadable", &unreadable);
  EXPECT_FALSE(file.open("unreadable"));
  os::putStandInFile("unreadable", nullptr);
#ifndef _WIN32  // FIFOs and devices are made on POSIX systems only
  const std::string fifo = folder.path("fifo"), fed = folder.path("fed");
  ASSERT_EQ(mkfifo(fifo.c_str(), 0600) + mkfifo(fed.c_str(), 0600), 0);
  const int writer = ::open(fed.c_str(), O_RDWR);  // reader and writer at once: it does not wait
  for (const std::string& name : {fifo, fed, std::string("/dev/zero")})
    EXPECT_FALSE(file.open(name.c_str())) << name;
  ::close(writer);
#endif
}

}  // namespace
