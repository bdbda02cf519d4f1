// Unit tests of cString: exact buffer sizes, sharing and copy-on-write, reference counts under
// assignment, element access, the text operations (also on their own text), searches, stream
// reads, formatting limits and the guards' assertion reports.
#include "string/string.h"

#include <gtest/gtest.h>

#include <climits>
#include <cstring>
#include <functional>
#include <sstream>
#include <string>

#include "support/stderrmatcher.h"

namespace {

const char* text(const cString& s) { return static_cast<const char*>(s); }

TEST(cStringTest, BufferLengthsAreExact) {
  cString cut("hello");
  cut.setBufferLength(3);
  cString stored("ab");
  stored[2] = 'x';
  cString assigned(1024u);
  assigned = "abc";
  const struct {
    cString value;
    const char* expected;
    unsigned bufferLength;
  } rows[] = {{cString(), "", 1},   {cString("hello"), "hello", 6},
              {cString(0u), "", 1}, {cString(8u), "", 8},
              {cut, "he", 3},       {stored, "abx", 4},
              {assigned, "abc", 4}};
  for (const auto& row : rows) {
    EXPECT_STREQ(text(row.value), row.expected);
    EXPECT_EQ(row.value.length(), std::strlen(row.expected)) << row.expected;
    EXPECT_EQ(row.value.bufferLength(), row.bufferLength) << row.expected;
  }
}

TEST(cStringTest, ChangingACopyGivesItAPrivateRecord) {
  const struct {
    std::function<void(cString&)> change;
    unsigned bufferLength;
  } rows[] = {{[](cString& s) { s[0] = 'J'; }, 6},
              {[](cString& s) { s.setBufferLength(3); }, 3},
              {[](cString& s) { s.makeUnique(); }, 6},
              {[](cString& s) { s = "other"; }, 6}};
  for (const auto& row : rows) {
    cString a("hello");
    a.setBufferLength(64);
    cString b(a);
    EXPECT_EQ(text(a), text(b));
    EXPECT_EQ(a.refCount(), 2);
    row.change(b);
    EXPECT_STREQ(text(a), "hello");
    EXPECT_EQ(a.bufferLength(), 64u);
    EXPECT_NE(text(a), text(b));
    EXPECT_EQ(a.refCount(), 1);
    EXPECT_EQ(b.refCount(), 1);
    EXPECT_EQ(b.bufferLength(), row.bufferLength);
  }
}

TEST(cStringTest, AssignmentMovesReferencesAndReadsItsOwnText) {
  cString a("hello");
  cString b(a);
  const cString& self = a;
  a = self;
  b = a;
  EXPECT_EQ(a.refCount(), 2);
  cString c("two");
  b = c;
  EXPECT_EQ(a.refCount(), 1);
  EXPECT_EQ(c.refCount(), 2);
  a = text(a) + 2;
  EXPECT_STREQ(text(a), "llo");
}

TEST(cStringTest, ElementAccessAtAndBeyondTheText) {
  cString s("hi");
  s.setBufferLength(10);
  const cString& grown = s;
  for (int i = 2; i < 10; ++i) EXPECT_EQ(grown[i], '\0') << i;
  const char* before = text(s);
  s.setBufferLength(10);
  EXPECT_EQ(text(s), before);

  cString cut("hello");
  cut[2] = '\0';
  const cString& view = cut;
  EXPECT_EQ(view[3], 'l');
  for (int index : {-1, 2, 6, 100}) EXPECT_EQ(view[index], '\0') << index;
  cut[2] = 'x';
  EXPECT_STREQ(text(cut), "hex");
}

using Change = void (*)(cString&);

// Each change on a private value (its buffer first set to `buffer` bytes unless 0), then on a copy,
// which must leave the original as it was with the right count of references.
TEST(cStringTest, OperationsGiveTextAndBufferLength) {
  const std::string longest(1023, 'x');
  static const char* const LONGEST = longest.c_str();
  const struct {
    const char* text;
    unsigned buffer;
    Change change;
    const char* expected;
    unsigned bufferLength;
  } rows[] = {
      {"abc", 10, [](cString& s) { s.append(""); }, "abc", 4},
      {"abc", 0, [](cString& s) { s.append(s); }, "abcabc", 7},
      {"abc", 0, [](cString& s) { s.prepend("xy"); }, "xyabc", 6},
      {"abc", 0, [](cString& s) { s.prepend(text(s) + 1); }, "bcabc", 6},
      {"abc", 10, [](cString& s) { s = s + "def"; }, "abcdef", 7},
      {"ab", 0, [](cString& s) { s += 'x'; }, "abx", 4},
      {"ab", 0, [](cString& s) { s += '\0'; }, "ab", 4},
      {"abc", 0, [](cString& s) { s.appendAtMost("defgh", 2); }, "abcde", 9},
      {"abc", 0, [](cString& s) { s.appendAtMost("de", 5); }, "abcde", 6},
      {"abc", 0, [](cString& s) { s.appendAtMost("de", 2); }, "abcde", 7},
      {"abc", 0, [](cString& s) { s.appendAtMost("de", UINT_MAX - 1); }, "abcde", 6},
      {"", 0, [](cString& s) { s.assignAtMost("hello", 2); }, "he", 6},
      {"", 0, [](cString& s) { s.assignAtMost("hi", 9); }, "hi", 3},
      {"aB1\xC4z", 0, [](cString& s) { s.toUpper(); }, "AB1\xC4Z", 6},
      {"hELLO \xC4wORLD", 0, [](cString& s) { s.capitalize(); }, "Hello \xC4world", 13},
      {"abc", 0, [](cString& s) { s = s.left(2); }, "ab", 3},
      {"hello", 0, [](cString& s) { s = s.mid(1, 100); }, "ello", 5},
      {"hello", 0, [](cString& s) { s = s.mid(9, 2); }, "", 1},
      {"hello", 0, [](cString& s) { s = s.right(2); }, "lo", 3},
      {"hello", 9, [](cString& s) { s = s.left(10); }, "hello", 9},
      {"hello", 0, [](cString& s) { s.replaceLeft(2, "J"); }, "Jllo", 6},
      {"hello", 0, [](cString& s) { s.replaceLeft(9, "x"); }, "x", 2},
      {"hello", 0, [](cString& s) { s.replace(1, 3, "EY"); }, "hEYo", 6},
      {"hello", 0, [](cString& s) { s.replace(1, 100, "i"); }, "hi", 6},
      {"hello", 0, [](cString& s) { s.replace(7, 1, "!"); }, "hello!", 7},
      {"hello", 0, [](cString& s) { s.replace(0, 1, "abcdefg"); }, "abcdefgello", 12},
      {"hello", 0, [](cString& s) { s.replace(0, 1, s); }, "helloello", 10},
      {"hello", 0, [](cString& s) { s.replaceRight(3, "p!"); }, "hep!", 5},
      {"ab", 0, [](cString& s) { s.replaceRight(1, s); }, "aab", 4},
      {"   ", 0, [](cString& s) { s.trimLeft(' '); }, "", 4},
      {"xyxyz", 0, [](cString& s) { s.trimLeft("xy"); }, "z", 6},
      {" \t\vx ", 0, [](cString& s) { s.trimLeft(); }, "x ", 6},
      {"abc \t\n", 0, [](cString& s) { s.trimRight(); }, "abc", 7},
      {"hi!!", 0, [](cString& s) { s.trimRight('!'); }, "hi", 5},
      {"a?!?", 0, [](cString& s) { s.trimRight("!?"); }, "a", 5},
      {" a \t\t b ", 0, [](cString& s) { s.collapseSpace(); }, " a b ", 9},
      {"a\tb", 0, [](cString& s) { s.collapseSpace(); }, "a b", 4},
      {"", 0, [](cString& s) { EXPECT_EQ(s.fromInt(-42), 3); }, "-42", 4},
      {"", 2000, [](cString& s) { s.fromInt(-42); }, "-42", 2000},
      {"", 0, [](cString& s) { s.fromLong(-2147483647 - 1); }, "-2147483648", 12},
      {"", 0, [](cString& s) { EXPECT_EQ(format(s, "%s", LONGEST), 1023); }, LONGEST, 1024},
      {"ab", 0, [](cString& s) { format(s, "%s-%s", text(s), text(s)); }, "ab-ab", 6},
      {"ab", 2000, [](cString& s) { format(s, text(s)); }, "ab", 2000},
  };
  for (const auto& row : rows) {
    cString s(row.text);
    if (row.buffer != 0) s.setBufferLength(row.buffer);
    row.change(s);
    EXPECT_STREQ(text(s), row.expected) << row.text << " -> " << row.expected;
    EXPECT_EQ(s.bufferLength(), row.bufferLength) << row.text << " -> " << row.expected;

    cString original(row.text);
    cString copy(original);
    row.change(copy);
    EXPECT_STREQ(text(original), row.text) << row.expected;
    EXPECT_STREQ(text(copy), row.expected);
    EXPECT_EQ(original.refCount(), text(copy) == text(original) ? 2 : 1) << row.expected;
  }
  cString a("abc");
  EXPECT_EQ(text(a.right(9)), text(a));
  EXPECT_NE(text(a.right(3)), text(a));
  EXPECT_NE(text(a.mid(0, 3)), text(a));
}

TEST(cStringTest, SearchesNumbersAndWrite) {
  const cString hello("hello");
  std::ostringstream out;
  const struct {
    long found;
    long expected;
  } rows[] = {
      {hello.find(0, "LO", 0), 3},
      {hello.find(0, "LO", 1), -1},
      {hello.find(2, "", 1), 2},
      {hello.find(5, "o", 1), -1},
      {hello.find(3, "hello!!", 0), -1},
      {hello.find(0, 'L', 0), 2},
      {hello.find(0, 'L', 1), -1},
      {hello.find(3, '\0', 1), 5},
      {hello.find(0, '\0', 0), -1},
      {hello.findBackward(4, 'l', 1), 3},
      {hello.findBackward(2, "lo", 1), -1},
      {hello.findBackward(3, "lo", 1), 3},
      {hello.findBackward(4, "LL", 0), 2},
      {hello.findBackward(5, "hello!!", 0), -1},
      {hello.findBackward(5, '\0', 0), 5},
      {hello.findBackward(4, '\0', 1), -1},
      {cString("\xC4").find(0, "\xE4", 0), -1},
      {cString("  -17abc").toInt(), -17},
      {cString("abc").toLong(), 0},
      {cString("2147483648").toInt(), INT_MIN},
      {cString("4294967297").toLong(), 1},
      {cString("a b").write(out), 1},
  };
  for (size_t i = 0; i < sizeof rows / sizeof rows[0]; ++i) {
    EXPECT_EQ(rows[i].found, rows[i].expected) << "row " << i;
  }
  EXPECT_EQ(out.str(), "a b");
}

TEST(cStringTest, ReadAppendsUpToADelimiter) {
  const std::string many(600, 'x');
  const struct {
    const char* start;
    std::string input;
    const char* delimiters;  // "self": the value's own text
    int discard;
    std::string expected;
    std::string rest;
  } rows[] = {
      {"", "ab,cd", ",", 1, "ab", "cd"},
      {"", "ab,cd", ",", 0, "ab", ",cd"},
      {"", " ab", nullptr, 0, "", " ab"},
      {"", "ab\tc", nullptr, 1, "ab", "c"},
      {"pre", std::string("ab\0cd", 5), ":;", 0, "preab", "cd"},
      {"", many, ";", 0, many, ""},
      {":;", "x;y", "self", 1, ":;x", "y"},
  };
  for (const auto& row : rows) {
    cString s(row.start);
    s.setBufferLength(1000);
    std::istringstream in(row.input);
    bool self = row.delimiters && std::strcmp(row.delimiters, "self") == 0;
    EXPECT_EQ(s.read(in, self ? text(s) : row.delimiters, row.discard), 1);
    EXPECT_EQ(text(s), row.expected);
    EXPECT_EQ(s.bufferLength(), row.expected.size() + 1);
    EXPECT_EQ(in.eof(), row.rest.empty()) << row.input;
    in.clear();
    EXPECT_EQ(std::string(std::istreambuf_iterator<char>(in), {}), row.rest) << row.input;
  }
}

TEST(cStringDeathTest, GuardsReportTheirCondition) {
  const char* none = nullptr;
  const std::string tooLong(1024, 'x');
  cString empty;
  cString large(2000u);
  const struct {
    const char* condition;
    std::function<void()> action;
  } rows[] = {{"string", [none] { cString{none}; }},
              {"s", [none] { cString() = none; }},
              {"newBufferLength != 0", [] { cString().setBufferLength(0); }},
              {"index >= 0", [] { cString()[-1] = 'x'; }},
              {"s", [none] { cString().append(none); }},
              {"s", [none] { cString().replace(0, 0, none); }},
              {"set", [none] { cString().trimLeft(none); }},
              {"src", [none] { cString().appendAtMost(none, 1); }},
              {"c != NULL", [] { cString().trimRight('\0'); }},
              {"s", [none] { cString().find(0, none, 1); }},
              {"start <= length\\(\\)", [] { cString("ab").find(3, "", 1); }},
              {"start <= length\\(\\)", [] { cString("ab").findBackward(3, 'a', 1); }},
              {"fmt", [&] { format(empty, none); }},
              {"result < dst.bufferLength\\(\\)", [&] { format(empty, "%s", tooLong.c_str()); }},
              {"result < dst.bufferLength\\(\\)", [&] { format(large, "%2000d", 1); }}};
  for (const auto& row : rows) {
    std::string report = std::string("^\r\nAssertion failed: ") + row.condition +
                         ", file string, line [0-9]+\r\n\r\nAbnormal program termination\r\n$";
    EXPECT_EXIT(row.action(), ::testing::ExitedWithCode(3), standardErrorMatches(report))
        << row.condition;
  }
}

}  // namespace
