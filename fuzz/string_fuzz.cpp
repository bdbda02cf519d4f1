// Fuzz target: sequences of cString operations decoded from the input, each checked against the
// same operation on std::string. A copy taken along the way must keep its text while the value
// changes (copy-on-write), and arguments may be the value's own text.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <string>

#include "string/string.h"

namespace {

// Reads the input a byte at a time; 0 once it is used up.
struct Input {
  const std::uint8_t* data;
  std::size_t size;
  unsigned byte() { return size > 0 ? (--size, *data++) : 0u; }
  // A text of up to 15 bytes without NUL.
  std::string text() {
    std::string text;
    for (unsigned length = byte() % 16; length > 0; --length) text += static_cast<char>(byte() | 1);
    return text;
  }
};

bool isSpace(char c) { return c == ' ' || (c >= '\t' && c <= '\r'); }

std::string collapsed(const std::string& text) {
  std::string result;
  for (char c : text) {
    if (!isSpace(c))
      result += c;
    else if (result.empty() || result.back() != ' ')
      result += ' ';
  }
  return result;
}

void expectSame(const cString& value, const std::string& model) {
  if (value.length() != model.size() || std::memcmp(value, model.data(), model.size()) != 0 ||
      value.bufferLength() <= value.length())
    std::abort();
}

void expectEqual(long got, long expected) {
  if (got != expected) std::abort();
}

// Applies one operation chosen by the input to `value` and its model.
void step(Input& in, cString& value, std::string& model) {
  const unsigned length = static_cast<unsigned>(model.size());
  const unsigned start = length > 0 ? in.byte() % (length + 1) : 0;
  const unsigned count = in.byte() % 20;
  // The value's own text as the argument, while it is short: appending it doubles the length, and
  // a few dozen doublings would build a text of gigabytes.
  const bool self = in.byte() % 4 == 0 && length < 1024;
  const std::string text = self ? model : in.text();
  const char* argument = self ? static_cast<const char*>(value) : text.c_str();
  switch (in.byte() % 12) {
    case 0:
      value.append(argument);
      model += text;
      break;
    case 1:
      value.prepend(argument);
      model.insert(0, text);
      break;
    case 2:
      value.appendAtMost(argument, count);
      model += text.substr(0, count);
      break;
    case 3:
      value.replace(start, count, argument);
      model.replace(start, count, text);
      break;
    case 4:
      value.replaceLeft(count, argument);
      model = count >= length ? text : model.replace(0, count, text);
      break;
    case 5:
      value.replaceRight(count, argument);
      model = count >= length ? text : model.replace(length - count, count, text);
      break;
    case 6:
      value.trimLeft(argument);
      model.erase(0, model.find_first_not_of(text));
      break;
    case 7: {
      std::size_t last = model.find_last_not_of(text);
      value.trimRight(argument);
      model.erase(last == std::string::npos ? 0 : last + 1);
      break;
    }
    case 8:
      value.collapseSpace();
      model = collapsed(model);
      break;
    case 9:
      expectEqual(value.find(start, argument, 1), static_cast<long>(model.find(text, start)));
      expectEqual(value.findBackward(start, argument, 1),
                  static_cast<long>(model.rfind(text, start)));
      break;
    case 10: {
      std::string piece = model.substr(start, count);
      expectSame(value.mid(start, count), piece);
      expectSame(value.left(count), model.substr(0, count));
      expectSame(value.right(count), model.substr(length - std::min(count, length)));
      break;
    }
    default: {
      int number = static_cast<int>(in.byte() << 24 | in.byte() << 8 | in.byte());
      value.fromInt(number);
      model = std::to_string(number);
      expectEqual(value.toInt(), number);
    }
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  Input in{data, size};
  cString value;
  std::string model;
  cString copy;
  std::string copyModel;
  while (in.size > 0) {
    if (in.byte() % 8 == 0) {
      copy = value;
      copyModel = model;
    }
    step(in, value, model);
    expectSame(value, model);
    expectSame(copy, copyModel);
  }
  return 0;
}
