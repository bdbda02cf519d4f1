// The assertion report as a player or a log sees it: the exact bytes on standard error, exit code
// 3, no exit handler run, the module named by its file alone, and the reporter seam of the window.
#include "support/assert.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>

#include "testing/stderrmatcher.h"

namespace {

void writeToStandardError(const char* text) { std::fprintf(stderr, "[%s]", text); }

void announceExit() { std::fputs("exit handler ran", stderr); }

TEST(AssertTest, ReportsTheConditionModuleAndLineAndEndsAtOnce) {
  struct Row {
    void (*fail)();
    const char* report;  // a pattern of what standard error then holds
  };
  const Row rows[] = {
      {[] {
         std::atexit(announceExit);
         GW_ASSERT(1 + 1 == 3);
       },
       "^\r\nAssertion failed: 1 \\+ 1 == 3, file assert_test, line [0-9]+\r\n\r\n"
       "Abnormal program termination\r\n$"},
      {[] { assertionFailed("_fp", "C:\\src\\dictionary/diskdict.cpp", 57); },
       "Assertion failed: _fp, file diskdict, line 57\r\n"},
      {[] { assertionFailed("x", "noextension", 1); }, "file noextension, line 1\r\n"},
      {[] {
         setAssertReporter(writeToStandardError);
         GW_ASSERT(false);
       },
       "^\\[Assertion failed: false, file assert_test, line [0-9]+\\]"
       "\\[Abnormal program termination\\]$"}};
  for (const Row& row : rows)
    EXPECT_EXIT(row.fail(), ::testing::ExitedWithCode(3), standardErrorMatches(row.report));
}

}  // namespace
