// Reading the leading decimal number of a text the way the C library's atoi and atol do, but with
// the same result everywhere: overflow wraps at the width of the result instead of being undefined.
#pragma once

// Skips leading whitespace (bytes 9 to 13 and 32), takes one optional '+' or '-', then the digits
// up to the first other byte. No digits gives 0. The value wraps at 32 bits. `text` must not be
// null.
int parseLeadingInt(const char* text);
// The same number as a long: it wraps at the width of long (32 bits on Windows, 64 on Linux), so
// every long that printf's "%ld" writes reads back unchanged.
long parseLeadingLong(const char* text);
