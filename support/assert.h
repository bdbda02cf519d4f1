// Assertions that stay active in every build: a failed condition is reported with its source text,
// the module and the line, then the process ends at once with exit code 3.
#pragma once

// Checks `condition`; when it is false, reports "Assertion failed: <condition>, file <module>,
// line <n>" and "Abnormal program termination" through the installed reporter, then ends the
// process with exit code 3 without running exit handlers or flushing streams.
#define GW_ASSERT(condition) \
  ((condition) ? static_cast<void>(0) : ::assertionFailed(#condition, __FILE__, __LINE__))

// Shows one text of an assertion report. The console default writes it to standard error between
// two CR LF pairs; a windowed program installs one that shows a message box.
using AssertReporter = void (*)(const char* text);

// Installs `reporter` for all later failures; null restores the console default.
void setAssertReporter(AssertReporter reporter);

// Builds and shows the report for a failed condition, then ends the process (exit code 3).
// `file` is a source path; the report names only its module (no folder, no extension).
[[noreturn]] void assertionFailed(const char* condition, const char* file, int line);

// The part of `path` (not null) after its last '/' or '\\': the file's name without its folder.
// A windowed reporter captions its boxes with the program's name found this way.
const char* fileNameOf(const char* path);
