// The assertion report: builds "Assertion failed: ..." from the condition's source text, shows it
// and "Abnormal program termination" through the reporter, and ends the process with code 3.
#include "support/assert.h"

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string_view>

#ifdef _WIN32
#include <fcntl.h>
#include <io.h>
#define writeStandardError(text, size) _write(2, text, static_cast<unsigned>(size))
#else
#include <unistd.h>
#define writeStandardError(text, size) write(2, text, size)
#endif

namespace {

// Writes straight to the standard error descriptor, in binary, so that no stream buffer is
// flushed and the runtime translates no line end. Windows' runtime starts the descriptor in text
// mode, which writes each LF as CR LF: it is switched to binary, as the process ends right after.
void reportOnConsole(const char* text) {
#ifdef _WIN32
  _setmode(2, _O_BINARY);
#endif
  std::string_view parts[] = {"\r\n", text, "\r\n"};
  for (std::string_view part : parts) {
    if (writeStandardError(part.data(), part.size()) < 0) return;
  }
}

AssertReporter currentReporter = reportOnConsole;

// The module's name: the file's name without its folder and without its extension.
void copyModuleName(const char* file, char* module, std::size_t size) {
  const char* name = file;
  for (const char* p = file; *p != '\0'; ++p) {
    if (*p == '/' || *p == '\\') name = p + 1;
  }
  const char* dot = std::strrchr(name, '.');
  std::size_t length = dot != nullptr ? static_cast<std::size_t>(dot - name) : std::strlen(name);
  std::snprintf(module, size, "%.*s", static_cast<int>(length), name);
}

}  // namespace

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
  std::_Exit(3);
}
