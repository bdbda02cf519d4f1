// The assertion report: builds "Assertion failed: ..." from the condition's source text, shows it
// and "Abnormal program termination" through the reporter, and ends the process with code 3.
#include "support/assert.h"

#include <cstdio>
#include <cstring>
#include <string_view>

#include "support/os.h"

namespace {

// Writes straight to the standard error descriptor, in binary, so that no stream buffer is
// flushed and the runtime translates no line end (the process ends right after).
void reportOnConsole(const char* text) {
  os::setBinaryMode(2);
  std::string_view parts[] = {"\r\n", text, "\r\n"};
  for (std::string_view part : parts) {
    if (!os::writeStandardError(part.data(), part.size())) return;
  }
}

AssertReporter currentReporter = reportOnConsole;

// The module's name: the file's name without its folder and without its extension.
void copyModuleName(const char* file, char* module, std::size_t size) {
  const char* name = fileNameOf(file);
  const char* dot = std::strrchr(name, '.');
  std::size_t length = dot != nullptr ? static_cast<std::size_t>(dot - name) : std::strlen(name);
  std::snprintf(module, size, "%.*s", static_cast<int>(length), name);
}

}  // namespace

const char* fileNameOf(const char* path) {
  const char* name = path;
  for (const char* p = path; *p != '\0'; ++p) {
    if (*p == '/' || *p == '\\') name = p + 1;
  }
  return name;
}

void setAssertReporter(AssertReporter reporter) {
  currentReporter = reporter != nullptr ? reporter : reportOnConsole;
}

void assertionFailed(const char* condition, const char* file, int line) {
  char module[256];
  copyModuleName(file, module, sizeof module);
  char text[1024];
  std::snprintf(text, sizeof text, "Assertion failed: %s, file %s, line %d", condition, module,
                line);
  currentReporter(text);
  currentReporter("Abnormal program termination");
  os::endProcessNow(3);
}
