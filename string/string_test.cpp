// Unit tests of the cString core: exact buffer sizes, sharing and copy-on-write, reference counts
// under assignment, element access at and beyond the text, and the guards' assertion reports.
#include "string/string.h"

#include <gtest/gtest.h>

#include <cstring>
#include <functional>
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

TEST(cStringDeathTest, GuardsReportTheirCondition) {
  const char* none = nullptr;
  const struct {
    const char* condition;
    std::function<void()> action;
  } rows[] = {{"string", [none] { cString{none}; }},
              {"s", [none] { cString() = none; }},
              {"newBufferLength != 0", [] { cString().setBufferLength(0); }},
              {"index >= 0", [] { cString()[-1] = 'x'; }}};
  for (const auto& row : rows) {
    std::string report = std::string("^\r\nAssertion failed: ") + row.condition +
                         ", file string, line [0-9]+\r\n\r\nAbnormal program termination\r\n$";
    EXPECT_EXIT(row.action(), ::testing::ExitedWithCode(3), standardErrorMatches(report))
        << row.condition;
  }
}

}  // namespace
