// ASCII character classes and upper-casing, the same on every system and in every locale:
// bytes 128 to 255 belong to no class and are never changed.
#pragma once

// True for 'A' to 'Z' and 'a' to 'z'.
constexpr bool isAsciiLetter(char c) { return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z'); }

// True for '0' to '9'.
constexpr bool isAsciiDigit(char c) { return c >= '0' && c <= '9'; }

// True for the six whitespace bytes: 9 to 13 and 32.
constexpr bool isAsciiSpace(char c) { return c == ' ' || (c >= '\t' && c <= '\r'); }

// 'a' to 'z' moved to 'A' to 'Z'; every other byte unchanged.
constexpr char asciiUpper(char c) { return c >= 'a' && c <= 'z' ? static_cast<char>(c - 32) : c; }

// Upper-cases the NUL-terminated `text` in place. `text` must not be null.
void upperCaseInPlace(char* text);

// True when `a` and `b` are equal once both are upper-cased. Neither may be null.
bool equalIgnoringCase(const char* a, const char* b);
