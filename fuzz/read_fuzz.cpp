// Fuzz target: cString::read of bytes that an input serves in pieces of sizes drawn from the fuzz
// input, or one at a time with nothing held ready, and that may fail part way, checked against the
// same read done a character at a time: text, buffer, what is left, the stream's state and throws.
#include <cstddef>
#include <cstdint>
#include <ios>
#include <istream>
#include <string>
#include <vector>

#include "fuzz/oracle.h"
#include "string/string.h"
#include "testing/piecemealinput.h"

namespace {

constexpr std::size_t BLOCK = 254;  // the characters a read appends at a time

// Where a read stops in its input, what it keeps before, and the stream's state it leaves.
struct Outcome {
  std::string kept;
  std::size_t next;  // the first character left in the input
  std::ios::iostate state;
};

// The read a character at a time: up to the end of `input`, its failure at `failAt`, a NUL (taken)
// or a character for which `isDelimiter` holds (taken when `discard`).
template <typename IsDelimiter>
Outcome readByTheRules(const std::string& input, std::size_t failAt, IsDelimiter isDelimiter,
                       bool discard) {
  std::size_t i = 0;
  while (i != failAt && i < input.size() && input[i] != '\0' && !isDelimiter(input[i])) ++i;
  const std::string kept = input.substr(0, i);
  if (i == failAt) return {kept, i, std::ios::badbit};
  if (i == input.size()) return {kept, i, std::ios::eofbit | std::ios::failbit};
  return {kept, i + (input[i] == '\0' || discard), std::ios::goodbit};
}

// What `input` still holds, read past its failure when that is still to come.
std::string restOf(std::streambuf& input) {
  std::string rest;
  for (;;) {
    try {
      for (int c; (c = input.sbumpc()) != std::char_traits<char>::eof();)
        rest += static_cast<char>(c);
      return rest;
    } catch (const PiecemealInput::Failure&) {
    }
  }
}

// Reads into `value` from `stream` up to whitespace, `delimiter`, a character of `set` or of the
// value's own text, as `kind` says. Returns what the read throws: 0 nothing, 1 the stream's
// failure, 2 the input's own.
int readCatching(cString& value, std::istream& stream, unsigned kind, char delimiter,
                 const std::string& set, bool discard) {
  try {
    const char* delimiters = kind == 0   ? nullptr
                             : kind == 2 ? set.c_str()
                                         : static_cast<const char*>(value);
    check((kind == 1 ? value.read(stream, delimiter, discard)
                     : value.read(stream, delimiters, discard)) == 1);
    return 0;
  } catch (const std::ios::failure&) {
    return 1;
  } catch (const PiecemealInput::Failure&) {
    return 2;
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  Input in{data, size};
  const unsigned flags = in.byte();
  const bool discard = flags & 1, shared = flags & 2, fails = flags & 4;
  const std::ios::iostate mask = (flags & 8 ? std::ios::failbit : std::ios::goodbit) |
                                 (flags & 16 ? std::ios::badbit : std::ios::goodbit);
  const unsigned kind = flags >> 5 & 3;  // whitespace, one delimiter, a set, the value's own text
  const char delimiter = static_cast<char>(in.byte());
  const std::string start = in.text(), set = kind == 3 ? start : in.text();
  std::vector<std::size_t> pieces(in.byte() % 4 + 1);  // 0: one character, nothing held ready
  for (std::size_t& piece : pieces) piece = in.byte();
  const unsigned failure = in.byte() << 8 | in.byte(), spare = in.byte();
  const std::string text(reinterpret_cast<const char*>(in.data), in.size);
  const std::size_t failAt = fails ? failure % (text.size() + 1) : std::string::npos;

  cString value(start.c_str());
  value.setBufferLength(static_cast<unsigned>(start.size()) + 1 + spare);
  const cString copy = shared ? value : cString();
  const unsigned bufferBefore = value.bufferLength();
  bool reading = true;
  PiecemealInput input(text, pieces, failAt, [&](std::size_t served) {
    // Asked for more, the input finds the value as appends of a block at a time leave it.
    const std::size_t appended = served / BLOCK * BLOCK;
    check(!reading || (value.length() == start.size() + appended &&
                       value.bufferLength() == (appended ? value.length() + 1 : bufferBefore)));
  });
  std::istream stream(&input);
  stream.exceptions(mask);
  const int thrown = readCatching(value, stream, kind, delimiter, set, discard);
  reading = false;

  const auto isDelimiter = [&](char c) {
    return kind == 0 ? isSpace(c) : kind == 1 ? c == delimiter : set.find(c) != std::string::npos;
  };
  const Outcome expected = readByTheRules(text, failAt, isDelimiter, discard);
  check(std::string(value) == start + expected.kept && value.bufferLength() == value.length() + 1);
  check(stream.rdstate() == expected.state);
  check(thrown == ((expected.state & mask) == 0 ? 0 : expected.state == std::ios::badbit ? 2 : 1));
  check(restOf(input) == text.substr(expected.next));
  check(std::string(copy) == (shared ? start : ""));
  return 0;
}
