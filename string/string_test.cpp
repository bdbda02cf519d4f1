// Unit tests of cString: exact buffer sizes, sharing and copy-on-write, element access, the text
// operations (also on their own text), searches, stream reads, formatting limits and the guards'
// assertion reports.
#include "string/string.h"

#include <gtest/gtest.h>

#include <climits>
#include <cstddef>
#include <initializer_list>
#include <ios>
#include <istream>
#include <iterator>
#include <sstream>
#include <string>
#include <utility>
#include <vector>

#include "testing/piecemealinput.h"
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
  EXPECT_EQ(a.refCount(), 1);
  EXPECT_EQ(a.bufferLength(), 64u);
  EXPECT_EQ(b.refCount(), 2);
  EXPECT_EQ(b.bufferLength(), 6u);

  cString s("hello");
  s[2] = '\0';
  EXPECT_EQ(std::as_const(s)[3], 'l');
  for (int index : {-1, 2, 6, 100}) EXPECT_EQ(std::as_const(s)[index], '\0') << index;
  s[2] = 'x';
  s.setBufferLength(10);
  EXPECT_EQ(std::string(text(s), 10), "hex\0\0\0\0\0\0\0"s);
}

// A change applied to a private value and to a copy of a shared one.
struct ChangeRow {
  const char* start;  // the text before the change
  unsigned preset;    // the private value's buffer length before the change; 0: as made
  void (*change)(cString&);
  const char* expected;   // the text afterwards, on both values
  unsigned bufferLength;  // the private value's buffer length afterwards
};

// The private value must end with the expected text in a buffer of the expected size; the copy with
// the same text, leaving the value it was copied from as it was, with the right count of
// references.
TEST(cStringTest, OperationsGiveTextAndBufferLength) {
  static const std::string LONGEST(1023, 'x');
  const ChangeRow rows[] = {
      {"hello", 0, [](cString& s) { s = cString(0u); }, "", 1},
      {"hello", 0, [](cString& s) { s.setBufferLength(3); }, "he", 3},
      {"hello", 1024, [](cString& s) { s = text(s) + 2; }, "llo", 4},
      {"abc", 10, [](cString& s) { s.append(s); }, "abcabc", 7},
      {"abc", 10, [](cString& s) { s.prepend(text(s) + 1); }, "bcabc", 6},
      {"abc", 10, [](cString& s) { s = s + "def"; }, "abcdef", 7},
      {"ab", 0, [](cString& s) { s += 'x'; }, "abx", 4},
      {"hello", 0, [](cString& s) { s[0] = 'J'; }, "Jello", 6},
      // the append exactly fills a buffer whose last byte is not NUL, so it ends the text itself
      {"", 0, [](cString& s) { s.assignAtMost("hello", 2)[5] = 'x', s.append("abc"); }, "heabc", 6},
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
      {"ab", 2000, [](cString& s) { format(s, text(s)); }, "ab", 2000},
  };
  for (const ChangeRow& row : rows) {
    cString s(row.start), kept(row.start), copy(kept);
    if (row.preset != 0) s.setBufferLength(row.preset);
    for (cString* changed : {&s, &copy}) row.change(*changed);
    SCOPED_TRACE(row.expected);
    EXPECT_EQ(std::string(s), row.expected);
    EXPECT_EQ(s.bufferLength(), row.bufferLength);
    EXPECT_EQ(std::string(copy), row.expected);
    EXPECT_EQ(std::string(kept), row.start);
    EXPECT_EQ(kept.refCount(), text(copy) == text(kept) ? 2 : 1);
  }
}

struct SearchRow {
  unsigned start;
  const char* sought;
  bool firstByteOnly;  // the character forms, with the first byte of `sought`
  int caseSensitive;
  int forward;   // what find gives
  int backward;  // what findBackward gives
};

TEST(cStringTest, SearchesForwardAndBackward) {
  const cString w("hello\xC4");  // ignoring case leaves the last byte, no ASCII letter, as it is
  const SearchRow rows[] = {
      {0, "LO", false, 0, 3, -1}, {4, "ll", false, 1, -1, 2}, {3, "hello!!", false, 0, -1, -1},
      {6, "", true, 1, 6, 6},     {0, "L", true, 0, 2, -1},   {0, "L", true, 1, -1, -1},
      {4, "l", true, 1, -1, 3},   {6, "", true, 0, -1, 6},    {5, "\xE4", false, 0, -1, -1},
      {4, "L", true, 0, -1, 3},   {4, "LL", false, 0, -1, 2},
  };
  for (const SearchRow& row : rows) {
    SCOPED_TRACE(std::string(row.sought) + " from " + std::to_string(row.start));
    const auto expectFound = [&](auto sought) {  // a character or a string
      EXPECT_EQ(w.find(row.start, sought, row.caseSensitive), row.forward);
      EXPECT_EQ(w.findBackward(row.start, sought, row.caseSensitive), row.backward);
    };
    row.firstByteOnly ? expectFound(*row.sought) : expectFound(row.sought);
  }
}

// toInt reads as parseLeadingInt does, which wraps at 32 bits everywhere (its own rows show it);
// toLong wraps at the width of long, so that it reads back every number fromLong writes.
TEST(cStringTest, NumbersWrapAtTheirOwnWidth) {
  EXPECT_EQ(cString("  -17abc").toInt(), -17);
  const std::string beyond = std::to_string(static_cast<unsigned long>(LONG_MAX) + 1);
  EXPECT_EQ(cString(beyond.c_str()).toLong(), LONG_MIN);
  EXPECT_EQ(cString(std::to_string(ULONG_MAX).c_str()).toLong(), -1);
  for (long n : {LONG_MAX, LONG_MIN, 0L, -1L}) {
    cString s;
    s.fromLong(n);
    EXPECT_EQ(s.toLong(), n) << text(s);
  }
}

const char SELF[] = "self";  // in place of a delimiter set: the value's own text
const auto ENDED = std::ios::eofbit | std::ios::failbit, GOOD = std::ios::goodbit;
const auto FAILED = std::ios::failbit, BAD = std::ios::badbit;
const std::string MANY(600, 'x');  // more than one block of the read

// Calls `read`, which returns what cString::read returns, and expects an exception of the type
// `Thrown` to come out of it exactly when the stream's end `state` is in its exception `mask`.
template <typename Thrown, typename Read>
void expectPassedOn(Read read, std::ios::iostate state, std::ios::iostate mask) {
  bool thrown = false;
  try {
    EXPECT_EQ(read(), 1);
  } catch (const Thrown&) {
    thrown = true;
  }
  EXPECT_EQ(thrown, (state & mask) != 0);
}

struct ReadRow {
  const char* start;  // the value's text before the read, in a buffer of 1000 bytes
  std::string input;
  const char* delimiters;  // nullptr: whitespace
  int discard;
  std::string expected;     // the value's text afterwards, in a buffer fitted to it
  std::string rest;         // what the stream holds afterwards
  std::ios::iostate state;  // the stream's state afterwards
  std::ios::iostate before = GOOD;
  std::ios::iostate exceptions = GOOD;  // the stream's exception mask
};

TEST(cStringTest, StreamsReadUpToADelimiterAndWrite) {
  const ReadRow rows[] = {
      {"", "ab,cd", ",", 1, "ab", "cd", GOOD},
      {"", "ab,cd", ",", 0, "ab", ",cd", GOOD},
      {"", "ab,", ",", 1, "ab", "", GOOD},
      {"", " ab", nullptr, 0, "", " ab", GOOD},
      {"", "a\v\f\r\nb", nullptr, 1, "a", "\f\r\nb", GOOD},
      {"", "\xFF\x85\xA0 x", nullptr, 0, "\xFF\x85\xA0", " x", GOOD},
      {"", "ab\xE4z", "\xE4", 1, "ab", "z", GOOD},
      {"pre", "ab\0cd"s, ":;", 0, "preab", "cd", GOOD},
      {"pre", "\0:"s, ":", 0, "pre", ":", GOOD},
      {"pre", "ab", ",", 0, "preab", "", ENDED},
      {"pre", "ab", ",", 0, "preab", "", ENDED, GOOD, FAILED},
      {"pre", "", ",", 1, "pre", "", ENDED},
      {"pre", "ab", ",", 1, "pre", "ab", FAILED, FAILED},
      {"", MANY, ";", 0, MANY, "", ENDED},
      {":;", MANY + ";y", SELF, 1, ":;" + MANY, "y", GOOD},
  };
  for (const ReadRow& row : rows) {
    cString s(row.start);
    s.setBufferLength(1000);
    std::istringstream in(row.input);
    in.setstate(row.before);
    in.exceptions(row.exceptions);
    const char* delimiters = row.delimiters == SELF ? text(s) : row.delimiters;
    SCOPED_TRACE(row.input);
    expectPassedOn<std::ios::failure>([&] { return s.read(in, delimiters, row.discard); },
                                      row.state, row.exceptions);
    EXPECT_EQ(std::string(s), row.expected);
    EXPECT_EQ(s.bufferLength(), row.expected.size() + 1);
    EXPECT_EQ(in.rdstate(), row.state);
    EXPECT_EQ(std::string(std::istreambuf_iterator<char>(in), {}), row.rest);
  }
  std::ostringstream out;
  EXPECT_EQ(cString("a b").write(out), 1);
  EXPECT_EQ(out.str(), "a b");
}

struct PiecemealRow {
  std::size_t piece;  // characters the input serves at a time (PiecemealInput)
  std::string input;  // read up to ';', which is kept in the input
  // The length and buffer length of the value whenever the input is asked for more
  std::vector<std::pair<unsigned, unsigned>> seen;
  unsigned length;  // the text's length after the read
  std::string rest;
  std::ios::iostate state;
  std::size_t failAt = std::string::npos;  // where the input throws
  std::ios::iostate exceptions = GOOD;
};

// Reads append 254 characters at a time and once more at the end, starting from "pre" in a buffer
// of 10 bytes. When the input throws, what it served is appended all the same, the stream's badbit
// is set and the exception goes on only when badbit is in the stream's exception mask.
TEST(cStringTest, ReadAppendsInBlocks) {
  const std::pair<unsigned, unsigned> unread(3, 10);
  const std::vector<std::pair<unsigned, unsigned>> many = {unread, unread, {257, 258}, {511, 512}};
  const PiecemealRow rows[] = {
      {200, MANY, many, 603, "", ENDED},
      {200, MANY, many, 603, "", BAD, 600},
      {200, MANY, many, 603, "", BAD, 600, BAD},
      {127, MANY.substr(0, 254) + ";x", {unread, unread, {257, 258}}, 257, ";x", GOOD},
      {1, "ab;x", {unread, unread, unread}, 5, ";x", GOOD},
      {4, "ab\0x"s, {unread}, 5, "x", GOOD},
      {0, "ab;x", {unread, unread, unread, unread, unread}, 5, ";x", GOOD},
      {0, "ab;x", {unread, unread, unread}, 4, "b;x", BAD, 1, BAD},
  };
  for (const PiecemealRow& row : rows) {
    cString s("pre");
    s.setBufferLength(10);
    std::vector<std::pair<unsigned, unsigned>> seen;
    PiecemealInput input(row.input, {row.piece}, row.failAt,
                         [&](std::size_t) { seen.emplace_back(s.length(), s.bufferLength()); });
    std::istream in(&input);
    in.exceptions(row.exceptions);
    SCOPED_TRACE(row.piece);
    expectPassedOn<PiecemealInput::Failure>([&] { return s.read(in, ';', 0); }, row.state,
                                            row.exceptions);
    EXPECT_EQ(seen, row.seen);
    EXPECT_EQ(s.length(), row.length);
    EXPECT_EQ(s.bufferLength(), row.length + 1);
    EXPECT_EQ(in.rdstate(), row.state);
    EXPECT_EQ(std::string(std::istreambuf_iterator<char>(in), {}), row.rest);
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
      {"start <= length\\(\\)", [] { cString("ab").find(3, 'a', 1); }},
      {"start <= length\\(\\)", [] { cString("ab").findBackward(3, "", 1); }},
      {"s", [] { cString("ab").findBackward(0, nullptr, 1); }},
      {"start <= length\\(\\)", [] { cString("ab").findBackward(3, 'a', 1); }},
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
