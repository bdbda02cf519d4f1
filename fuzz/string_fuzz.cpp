// Fuzz target: sequences of cString operations decoded from the input, each checked against the
// same operation on std::string. A copy taken along the way must keep its text while the value
// changes (copy-on-write), and arguments may be the value's own text.
#include <algorithm>
#include <cstdint>
#include <string>

#include "fuzz/oracle.h"
#include "string/string.h"

namespace {

void expectSame(const cString& value, const std::string& model) {
  check(std::string(value) == model && value.bufferLength() > value.length());
}

// One operation's operands: the value `v` and its model `m`, the argument `a` (the value's own text
// or a text from the input) and its model `t`, a position `at` within the text and a count `n`.
struct Operands {
  Input& in;
  cString& v;
  std::string& m;
  const std::string t;
  const char* a;
  unsigned at, n;
  // Where the last `n` bytes of the model start.
  std::size_t tail() const { return m.size() - std::min<std::size_t>(n, m.size()); }
};

// Each applies one operation to the value and to its model, or checks what a query returns.
void (*const OPERATIONS[])(Operands&) = {
    [](Operands& o) { o.v.append(o.a), o.m += o.t; },
    [](Operands& o) { o.v.prepend(o.a), o.m.insert(0, o.t); },
    [](Operands& o) { o.v.appendAtMost(o.a, o.n), o.m += o.t.substr(0, o.n); },
    [](Operands& o) { o.v.replace(o.at, o.n, o.a), o.m.replace(o.at, o.n, o.t); },
    [](Operands& o) { o.v.replaceLeft(o.n, o.a), o.m.replace(0, o.n, o.t); },
    [](Operands& o) { o.v.replaceRight(o.n, o.a), o.m.replace(o.tail(), o.n, o.t); },
    [](Operands& o) { o.v.trimLeft(o.a), o.m.erase(0, o.m.find_first_not_of(o.t)); },
    [](Operands& o) { o.v.trimRight(o.a), o.m.erase(o.m.find_last_not_of(o.t) + 1); },
    [](Operands& o) {
      // Every run of whitespace becomes one blank.
      o.v.collapseSpace();
      std::replace_if(o.m.begin(), o.m.end(), isSpace, ' ');
      const auto blanks = [](char a, char b) { return a == ' ' && b == ' '; };
      o.m.erase(std::unique(o.m.begin(), o.m.end(), blanks), o.m.end());
    },
    [](Operands& o) { check(o.v.find(o.at, o.a, 1) == static_cast<int>(o.m.find(o.t, o.at))); },
    [](Operands& o) {
      check(o.v.findBackward(o.at, o.a, 1) == static_cast<int>(o.m.rfind(o.t, o.at)));
    },
    [](Operands& o) { expectSame(o.v.mid(o.at, o.n), o.m.substr(o.at, o.n)); },
    [](Operands& o) { expectSame(o.v.left(o.n), o.m.substr(0, o.n)); },
    [](Operands& o) { expectSame(o.v.right(o.n), o.m.substr(o.tail())); },
    [](Operands& o) {
      const int number = static_cast<int>(o.in.byte() << 24 | o.in.byte() << 8 | o.in.byte());
      o.v.fromInt(number);
      o.m = std::to_string(number);
      check(o.v.toInt() == number);
    }};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  Input in{data, size};
  cString value, copy;
  std::string model, copyModel;
  while (in.size > 0) {
    if (in.byte() % 8 == 0) copy = value, copyModel = model;
    const unsigned at = in.byte() % static_cast<unsigned>(model.size() + 1), n = in.byte() % 20;
    // The value's own text as the argument, while it is short: appending it doubles the length, and
    // a few dozen doublings would build a text of gigabytes.
    const bool self = in.byte() % 4 == 0 && model.size() < 1024;
    Operands o{in, value, model, self ? model : in.text(), nullptr, at, n};
    o.a = self ? static_cast<const char*>(value) : o.t.c_str();
    OPERATIONS[in.byte() % std::size(OPERATIONS)](o);
    expectSame(value, model);
    expectSame(copy, copyModel);
  }
  return 0;
}
