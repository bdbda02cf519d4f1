// Unit tests of cString: exact buffer sizes, sharing and copy-on-write, element access, the text
// operations (also on their own text), searches, stream reads, formatting limits and the guards'
// assertion reports.
#include "string/string.h"

#include <gtest/gtest.h>

#include <climits>
#include <sstream>
#include <string>
#include <tuple>
#include <utility>

#include "testing/stderrmatcher.h"

namespace {

using namespace std::string_literals;

const char* text(const cString& s) { return static_cast<const char*>(s); }
cString printed;  // what the death rows format into

TEST(cStringTest, SharingAndBufferBytes) {
  cString a("hello");
  a = std::as_const(a);  // the last reference assigned to itself
  a.setBufferLength(64);
  cString b(a), c(b);
  b.makeUnique();
  c = b;  // moves c's reference from a's record to b's
  EXPECT_EQ(std::make_tuple(a.refCount(), a.bufferLength(), b.refCount(), b.bufferLength()),
            std::make_tuple(1, 64u, 2, 6u));

  cString s("hello");
  s[2] = '\0';
  EXPECT_EQ(std::as_const(s)[3], 'l');
  for (int index : {-1, 2, 6, 100}) EXPECT_EQ(std::as_const(s)[index], '\0') << index;
  s[2] = 'x';
  s.setBufferLength(10);
  EXPECT_EQ(std::string(text(s), 10), "hex\0\0\0\0\0\0\0"s);
}

// Each change on a private value (its buffer first set to `preset` bytes unless 0), which must
// leave it with the expected text in a buffer of `size` bytes, then on a copy, which must leave the
// original as it was with the right count of references.
TEST(cStringTest, OperationsGiveTextAndBufferLength) {
  static const std::string LONGEST(1023, 'x');
  const std::tuple<const char*, unsigned, void (*)(cString&), const char*, unsigned> rows[] = {
      {"hello", 0, [](cString& s) { s = cString(0u); }, "", 1},
      {"hello", 0, [](cString& s) { s.setBufferLength(3); }, "he", 3},
      {"hello", 1024, [](cString& s) { s = text(s) + 2; }, "llo", 4},
      {"abc", 10, [](cString& s) { s.append(s); }, "abcabc", 7},
      {"abc", 10, [](cString& s) { s.prepend(text(s) + 1); }, "bcabc", 6},
      {"abc", 10, [](cString& s) { s = s + "def"; }, "abcdef", 7},
      {"ab", 0, [](cString& s) { s += 'x'; }, "abx", 4},
      {"abc", 0, [](cString& s) { s.appendAtMost("defgh", 2); }, "abcde", 9},
      {"abc", 0, [](cString& s) { s.appendAtMost("de", 2); }, "abcde", 7},
      {"abc", 0, [](cString& s) { s.appendAtMost("de", UINT_MAX - 1); }, "abcde", 6},
      {"", 0, [](cString& s) { s.assignAtMost("hello", 2); }, "he", 6},
      {"", 0, [](cString& s) { s.assignAtMost("hi", 9); }, "hi", 3},
      {"aB1\xC4z", 0, [](cString& s) { s.toUpper(); }, "AB1\xC4Z", 6},
      {"hELLO \xC4wORLD", 0, [](cString& s) { s.capitalize(); }, "Hello \xC4world", 13},
      {"hello", 0, [](cString& s) { s = s.mid(9, 2); }, "", 1},
      {"hello", 9, [](cString& s) { s = s.right(5); }, "hello", 6},
      {"hello", 9, [](cString& s) { s = s.right(9).left(5).left(4); }, "hell", 5},
      {"hello", 0, [](cString& s) { s.replaceLeft(2, "J"); }, "Jllo", 6},
      {"hello", 9, [](cString& s) { s.replaceLeft(5, "x"); }, "x", 2},
      {"hello", 0, [](cString& s) { s.replace(1, 3, "EY"); }, "hEYo", 6},
      {"hello", 9, [](cString& s) { s.replace(5, 1, "!"); }, "hello!", 7},
      {"hello", 0, [](cString& s) { s.replace(0, 1, s); }, "helloello", 10},
      {"hello", 0, [](cString& s) { s.replaceRight(3, "p!"); }, "hep!", 5},
      {"   ", 0, [](cString& s) { s.trimLeft(' '); }, "", 4},
      {" \t\vx !", 0, [](cString& s) { s.trimLeft(), s.trimRight("! "); }, "x", 7},
      {"abc \t\n", 0, [](cString& s) { s.trimRight(); }, "abc", 7},
      {"?hi!!", 0, [](cString& s) { s.trimRight('!'), s.trimLeft("!?"); }, "hi", 6},
      {"\ta \t\t b ", 0, [](cString& s) { s.collapseSpace(); }, " a b ", 9},
      {"", 0, [](cString& s) { EXPECT_EQ(s.fromLong(-2147483647 - 1), 11); }, "-2147483648", 12},
      {"", 0, [](cString& s) { format(s, "%s", LONGEST.c_str()); }, LONGEST.c_str(), 1024},
      {"ab", 0, [](cString& s) { format(s, "%s-%s", text(s), text(s)); }, "ab-ab", 6},
      {"ab", 2000, [](cString& s) { format(s, text(s)); }, "ab", 2000}};
  for (const auto& [start, preset, change, expected, size] : rows) {
    cString s(start), kept(start), copy(kept);
    if (preset != 0) s.setBufferLength(preset);
    for (cString* changed : {&s, &copy}) change(*changed);
    EXPECT_EQ(std::tuple(std::string(s), s.bufferLength(), std::string(copy), std::string(kept),
                         kept.refCount()),
              std::tuple(expected, size, expected, start, text(copy) == text(kept) ? 2 : 1));
  }
}

TEST(cStringTest, SearchesNumbersAndWrite) {
  const cString w("hello\xC4");  // ignoring case leaves the last byte, no ASCII letter, as it is
  // start, sought, whether its first byte alone is sought, cs (caseSensitive), then what find and
  // findBackward give
  const std::tuple<unsigned, const char*, bool, int, int, int> rows[] = {
      {0, "LO", 0, 0, 3, -1}, {4, "ll", 0, 1, -1, 2}, {3, "hello!!", 0, 0, -1, -1},
      {6, "", 1, 1, 6, 6},    {0, "L", 1, 0, 2, -1},  {0, "L", 1, 1, -1, -1},
      {4, "l", 1, 1, -1, 3},  {6, "", 1, 0, -1, 6},   {5, "\xE4", 0, 0, -1, -1}};
  for (const auto& [start, s, byte, cs, forward, backward] : rows) {
    const auto found = byte ? std::pair(w.find(start, *s, cs), w.findBackward(start, *s, cs))
                            : std::pair(w.find(start, s, cs), w.findBackward(start, s, cs));
    EXPECT_EQ(found, std::pair(forward, backward)) << s << " from " << start;
  }
  std::ostringstream out;
  cString("a b").write(out);
  EXPECT_EQ(std::make_tuple(cString("4294967297").toLong(), out.str()), std::make_tuple(1L, "a b"));
}

TEST(cStringTest, ReadAppendsUpToADelimiter) {
  static const char SELF[] = "self";
  // 600 characters fill more than one block of the read; `longer` adds a delimiter and one more
  // character, `grown` is what a value starting ":;" holds after reading up to that delimiter.
  const std::string many(600, 'x'), longer = many + ";y", grown = ":;" + many;
  // start, input, delimiters (SELF: the value's own text), discard, expected, rest of input
  const std::tuple<const char*, std::string, const char*, int, std::string, std::string> rows[] = {
      {"", "ab,cd", ",", 1, "ab", "cd"},    {"", " ab", nullptr, 0, "", " ab"},
      {"", "ab\tc", nullptr, 1, "ab", "c"}, {"pre", "ab\0cd"s, ":;", 0, "preab", "cd"},
      {"", many, ";", 0, many, ""},         {":;", longer, SELF, 1, grown, "y"}};
  for (const auto& [start, input, delimiters, discard, expected, rest] : rows) {
    cString s(start);
    s.setBufferLength(1000);
    std::istringstream in(input);
    s.read(in, delimiters == SELF ? text(s) : delimiters, discard);
    EXPECT_EQ(std::make_tuple(std::string(s), s.bufferLength(), in.eof() && in.fail(),
                              std::string(std::istreambuf_iterator<char>(in), {})),
              std::make_tuple(expected, expected.size() + 1, rest.empty(), rest));
  }
}

TEST(cStringDeathTest, GuardsReportTheirCondition) {
  const std::pair<const char*, void (*)()> rows[] = {
      {"string", [] { cString{nullptr}; }},
      {"s", [] { cString() = nullptr; }},
      {"newBufferLength != 0", [] { cString().setBufferLength(0); }},
      {"index >= 0", [] { cString()[-1] = 'x'; }},
      {"set", [] { cString().trimLeft(nullptr); }},
      {"src", [] { cString().appendAtMost(nullptr, 1); }},
      {"c != NULL", [] { cString().trimRight('\0'); }},
      {"start <= length\\(\\)", [] { cString("ab").find(3, "", 1); }},
      {"fmt", [] { format(printed, nullptr); }},
      {"result < dst.bufferLength\\(\\)", [] { format(printed, "%1024d", 1); }},
      // a printed NUL cuts the text short of the buffer fitted to the count
      {"result < dst.bufferLength\\(\\)", [] { format(printed, "%c", 0); }}};
  for (const auto& [condition, action] : rows) {
    EXPECT_EXIT(action(), ::testing::ExitedWithCode(3),
                standardErrorMatches(std::string("^\r\nAssertion failed: ") + condition +
                                     ", file string, line [0-9]+\r\n"));
  }
}

}  // namespace
