// Reading the leading decimal number of a text the way the C library's atoi does, but with the
// same result everywhere: overflow wraps at 32 bits instead of being undefined.
#pragma once

// Skips leading whitespace (bytes 9 to 13 and 32), takes one optional '+' or '-', then the digits
// up to the first other byte. No digits gives 0. `text` must not be null.
int parseLeadingInt(const char* text);
