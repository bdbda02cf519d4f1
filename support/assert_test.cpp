// The assertion report as a player or a log sees it: the exact bytes on standard error, exit code
// 3, no exit handler run, and the reporter seam used by the windowed program.
#include "support/assert.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>

#include "support/stderrmatcher.h"

namespace {

void writeToStandardError(const char* text) { std::fprintf(stderr, "[%s]", text); }

void announceExit() { std::fputs("exit handler ran", stderr); }

void failWithExitHandler() {
  std::atexit(announceExit);
  GW_ASSERT(1 + 1 == 3);
}

TEST(AssertTest, ReportsExactlyTheTwoTextsAndRunsNoExitHandler) {
  EXPECT_EXIT(failWithExitHandler(), ::testing::ExitedWithCode(3),
              standardErrorMatches(
                  "^\r\nAssertion failed: 1 \\+ 1 == 3, file assert_test, line [0-9]+\r\n\r\n"
                  "Abnormal program termination\r\n$"));
}

TEST(AssertTest, NamesTheModuleWithoutFolderOrExtension) {
  EXPECT_EXIT(assertionFailed("_fp", "C:\\src\\dictionary/diskdict.cpp", 57),
              ::testing::ExitedWithCode(3),
              standardErrorMatches("Assertion failed: _fp, file diskdict, line 57\r\n"));
  EXPECT_EXIT(assertionFailed("x", "noextension", 1), ::testing::ExitedWithCode(3),
              standardErrorMatches("file noextension, line 1\r\n"));
}

TEST(AssertTest, InstalledReporterShowsBothTexts) {
  EXPECT_EXIT(
      {
        setAssertReporter(writeToStandardError);
        GW_ASSERT(false);
      },
      ::testing::ExitedWithCode(3),
      standardErrorMatches("^\\[Assertion failed: false, file assert_test, line [0-9]+\\]"
                           "\\[Abnormal program termination\\]$"));
}

}  // namespace
