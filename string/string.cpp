// cString: the shared record, reference counting, copy-on-write and the exact-size buffer
// reallocation, then the text toolkit built on them. One file, so that every guard of the class
// reports the module "string".
#include "string/string.h"

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <exception>
#include <functional>
#include <istream>
#include <ostream>
#include <streambuf>
#include <string_view>
#include <utility>

#include "string/waiting.h"
#include "support/ascii.h"
#include "support/assert.h"
#include "support/number.h"

namespace {

using Record = cString::_srep;

unsigned textLength(const char* text) { return static_cast<unsigned>(std::strlen(text)); }

// A new record holding a copy of `text` and its NUL, with no spare room.
Record* recordOf(const char* text) {
  unsigned size = textLength(text) + 1;
  Record* record = new Record(size);
  std::memcpy(record->chars, text, size);
  return record;
}

// Drops one reference to `record`, freeing it (buffer, then record) at the last one.
void release(Record* record) {
  if (--record->refCount == 0) delete record;
}

// The smallest buffer that formatting prints into.
constexpr unsigned FORMAT_BUFFER_LENGTH = 1024;
// Characters that read gathers in its local block before appending them.
constexpr unsigned READ_BLOCK_CHARACTERS = 254;

char asciiLower(char c) { return isAsciiLetter(c) ? static_cast<char>(c | 0x20) : c; }

bool sameByte(char a, char b, int caseSensitive) {
  return caseSensitive ? a == b : asciiUpper(a) == asciiUpper(b);
}

// True when the `count` characters of `s` stand at `text`; the text's NUL ends the comparison.
bool matchesAt(const char* text, const char* s, unsigned count, int caseSensitive) {
  for (unsigned i = 0; i < count; ++i) {
    if (!sameByte(text[i], s[i], caseSensitive)) return false;
  }
  return true;
}

// The length of the run of characters for which `matches` holds at the start of `text`.
template <typename Matches>
unsigned leadingRun(const char* text, Matches matches) {
  unsigned run = 0;
  while (text[run] != '\0' && matches(text[run])) ++run;
  return run;
}

// The length of the run at the end of the `length` characters of `text`.
template <typename Matches>
unsigned trailingRun(const char* text, unsigned length, Matches matches) {
  unsigned run = 0;
  while (run < length && matches(text[length - 1 - run])) ++run;
  return run;
}

// True when `c` (not NUL) is one of the characters of `set`.
bool isIn(char c, const char* set) {
  for (; *set != '\0'; ++set) {
    if (*set == c) return true;
  }
  return false;
}

// What ends a read beside a NUL: one delimiter character.
struct OneDelimiter {
  char delimiter;

  bool operator()(char c) const { return c == '\0' || c == delimiter; }
  // The characters at the start of `chars` before the first that ends the read: two fast searches.
  std::string_view before(std::string_view chars) const {
    chars = chars.substr(0, chars.find(delimiter));
    return chars.substr(0, chars.find('\0'));
  }
};

// What ends a read beside a NUL: a character of `delimiters`, or whitespace when it is null.
struct DelimiterSet {
  const char* delimiters;

  bool operator()(char c) const {
    return c == '\0' || (delimiters ? isIn(c, delimiters) : isAsciiSpace(c));
  }
  // The characters at the start of `chars` before the first that ends the read.
  std::string_view before(std::string_view chars) const {
    return chars.substr(
        0, static_cast<size_t>(std::find_if(chars.begin(), chars.end(), *this) - chars.begin()));
  }
};

// Gathers the characters of a read and hands them to `append`, a callable taking two pieces that
// it appends one after the other, where the read appends them: at every 254th character counted
// from the read's start and once more at its end. The appends that fall within one gathered run
// are made as one: of everything up to the run's last such point, or, for the run that ends the
// read, of all of it. What is left stays in a block until the next run or the end.
template <typename Append>
class Blocks {
 public:
  explicit Blocks(Append append) : _append(append) {}

  // Gathers `run`, which stays valid until this call returns; `last` when the read ends with it.
  void gather(std::string_view run, bool last) {
    size_t gathered = _stored + run.size();
    size_t handed = last ? gathered : gathered - gathered % READ_BLOCK_CHARACTERS;
    if (handed > 0) {
      size_t taken = handed - _stored;
      _append(std::string_view(_block, _stored), run.substr(0, taken));
      _stored = 0;
      _finished = last;
      run.remove_prefix(taken);
    }
    run.copy(_block + _stored, run.size());
    _stored += static_cast<unsigned>(run.size());
  }

  // Hands over what is left since the last append, also when nothing is, unless the last run has
  // already been handed over whole.
  void finish() {
    if (!_finished) _append(std::string_view(_block, _stored), std::string_view());
  }

 private:
  Append _append;
  char _block[READ_BLOCK_CHARACTERS];
  unsigned _stored = 0;  // below READ_BLOCK_CHARACTERS between runs
  bool _finished = false;
};

// Takes the characters of a read from `source` into `blocks`, up to the end of input, a NUL
// (taken) or a delimiter (taken when `discardDelimiter` is nonzero). Returns the stream state the
// read ends with: eofbit and failbit at the end of input, as a single-character get sets them.
template <typename Ends, typename Append>
std::ios::iostate takeCharacters(std::streambuf& source, Ends ends, int discardDelimiter,
                                 Blocks<Append>& blocks) {
  // Stops at `c`, taking it when it is a NUL or a delimiter to discard.
  const auto stop = [&source, discardDelimiter](char c) {
    if (c == '\0' || discardDelimiter) source.sbumpc();
    return std::ios::goodbit;
  };
  for (;;) {
    std::string_view waiting = waitingCharacters(source);
    if (waiting.empty()) {  // the source is asked for more
      int next = source.sgetc();
      if (next == std::istream::traits_type::eof()) return std::ios::eofbit | std::ios::failbit;
      waiting = waitingCharacters(source);
      if (waiting.empty()) {  // a source without a get area gives one character at a time
        char c = static_cast<char>(next);
        if (ends(c)) return stop(c);
        source.sbumpc();
        blocks.gather({&c, 1}, false);
        continue;
      }
    }
    std::string_view run = ends.before(waiting);
    bool last = run.size() < waiting.size();  // the run stops at the character that ends the read
    blocks.gather(run, last);
    takeWaiting(source, run.size());
    if (last) return stop(waiting[run.size()]);
  }
}

// Ends a read whose stream's buffer threw `thrown`: sets badbit in `is` and passes the exception on
// only when badbit is in the stream's exception mask, as the standard's own input functions do.
void failWith(std::istream& is, const std::exception_ptr& thrown) {
  try {
    is.setstate(std::ios::badbit);
  } catch (const std::ios::failure&) {
    std::rethrow_exception(thrown);
  }
}

}  // namespace

cString::_srep::_srep(unsigned size) : chars(new char[size]), refCount(1), bufferLength(size) {}

cString::_srep::~_srep() { delete[] chars; }

cString::cString() : cString(1u) {}

cString::cString(const char* string) {
  GW_ASSERT(string);
  rep = recordOf(string);
}

cString::cString(const cString& other) : rep(other.rep) { ++rep->refCount; }

cString::cString(unsigned size) : rep(new _srep(std::max(size, 1u))) { rep->chars[0] = '\0'; }

cString::~cString() { release(rep); }

cString& cString::operator=(const cString& other) {
  if (rep == other.rep) return *this;
  ++other.rep->refCount;
  release(rep);
  rep = other.rep;
  return *this;
}

cString& cString::operator=(const char* s) {
  GW_ASSERT(s);
  _srep* fresh = recordOf(s);
  release(rep);
  rep = fresh;
  return *this;
}

unsigned cString::length() const { return textLength(rep->chars); }

unsigned cString::bufferLength() const { return rep->bufferLength; }

int cString::refCount() const { return rep->refCount; }

cString::operator const char*() const { return rep->chars; }

char cString::operator[](int index) const {
  if (index < 0 || static_cast<unsigned>(index) >= rep->bufferLength) return '\0';
  return rep->chars[index];
}

char& cString::operator[](int index) {
  GW_ASSERT(index >= 0);
  makeUnique();
  unsigned position = static_cast<unsigned>(index);
  // Whether length() <= position, found without scanning the text beyond `position`.
  auto endsByPosition = [this, position] { return std::memchr(rep->chars, '\0', position + 1); };
  if (rep->bufferLength <= position + 1) {
    setBufferLength(position + 2);
  } else if (endsByPosition()) {
    rep->chars[position + 1] = '\0';
  }
  return rep->chars[position];
}

void cString::makeUnique() {
  if (rep->refCount == 1) return;
  _srep* copy = recordOf(rep->chars);
  --rep->refCount;
  rep = copy;
}

void cString::setBufferLength(unsigned newBufferLength) {
  GW_ASSERT(newBufferLength != 0);
  makeUnique();
  resize(newBufferLength, length());
}

void cString::resize(unsigned newBufferLength, unsigned length) {
  if (newBufferLength == rep->bufferLength) return;
  // A new buffer in the same private record: the record itself has nothing to reallocate.
  char* chars = new char[newBufferLength];
  unsigned kept = std::min(length, newBufferLength - 1);
  std::memcpy(chars, rep->chars, kept);
  std::memset(chars + kept, 0, newBufferLength - kept);
  delete[] rep->chars;
  rep->chars = chars;
  rep->bufferLength = newBufferLength;
}

bool cString::holds(const char* s) const {
  std::less<const char*> before;
  return !before(s, rep->chars) && before(s, rep->chars + rep->bufferLength);
}

void cString::append(const char* s) {
  GW_ASSERT(s);
  if (holds(s)) return append(cString(s));
  appendCharacters(s, std::string_view(), length());
}

void cString::appendCharacters(std::string_view first, std::string_view second, unsigned length) {
  makeUnique();
  unsigned end = length + static_cast<unsigned>(first.size() + second.size());
  resize(end + 1, length);
  first.copy(rep->chars + length, first.size());
  second.copy(rep->chars + length + first.size(), second.size());
  rep->chars[end] = '\0';
}

void cString::prepend(const char* s) {
  GW_ASSERT(s);
  if (holds(s)) return prepend(cString(s));
  makeUnique();
  unsigned length = this->length();
  unsigned added = textLength(s);
  resize(length + added + 1, length);
  std::memmove(rep->chars + added, rep->chars, length + 1);
  std::memcpy(rep->chars, s, added);
}

cString cString::operator+(const char* s) const {
  GW_ASSERT(s);
  cString result(*this);
  result.append(s);
  return result;
}

cString cString::operator+=(const char* s) {
  GW_ASSERT(s);
  append(s);
  return *this;
}

cString cString::operator+=(char c) {
  (*this)[static_cast<int>(length())] = c;
  return *this;
}

char* cString::appendAtMost(const char* src, unsigned n) {
  GW_ASSERT(src);
  unsigned length = this->length();
  append(src);
  // Compared as n < bufferLength - L, which cannot wrap round as L + n could.
  if (n < rep->bufferLength - length) (*this)[static_cast<int>(length + n)] = '\0';
  makeUnique();
  return rep->chars;
}

char* cString::assignAtMost(const char* src, unsigned n) {
  GW_ASSERT(src);
  *this = src;
  if (n < rep->bufferLength) (*this)[static_cast<int>(n)] = '\0';
  makeUnique();
  return rep->chars;
}

void cString::toLower() {
  makeUnique();
  for (char* c = rep->chars; *c != '\0'; ++c) *c = asciiLower(*c);
}

void cString::toUpper() {
  makeUnique();
  upperCaseInPlace(rep->chars);
}

void cString::capitalize() {
  toLower();
  rep->chars[0] = asciiUpper(rep->chars[0]);
}

int cString::find(unsigned start, const char* s, int caseSensitive) const {
  GW_ASSERT(s);
  GW_ASSERT(start <= length());
  const char* text = rep->chars;
  unsigned length = this->length();
  if (caseSensitive) {
    size_t found = std::string_view(text, length).find(s, start);
    return found == std::string_view::npos ? -1 : static_cast<int>(found);
  }
  unsigned sought = textLength(s);
  if (sought > length - start) return -1;
  for (unsigned p = start; p <= length - sought; ++p) {
    if (matchesAt(text + p, s, sought, caseSensitive)) return static_cast<int>(p);
  }
  return -1;
}

int cString::find(unsigned start, char c, int caseSensitive) const {
  GW_ASSERT(start <= length());
  const char* text = rep->chars;
  if (caseSensitive) {
    const char* found = std::strchr(text + start, c);
    return found ? static_cast<int>(found - text) : -1;
  }
  for (unsigned p = start; text[p] != '\0'; ++p) {
    if (sameByte(text[p], c, caseSensitive)) return static_cast<int>(p);
  }
  return -1;
}

int cString::findBackward(unsigned start, const char* s, int caseSensitive) const {
  GW_ASSERT(s);
  GW_ASSERT(start <= length());
  unsigned sought = textLength(s);
  for (int p = static_cast<int>(start); p >= 0; --p) {
    if (matchesAt(rep->chars + p, s, sought, caseSensitive)) return p;
  }
  return -1;
}

int cString::findBackward(unsigned start, char c, int caseSensitive) const {
  GW_ASSERT(start <= length());
  for (int p = static_cast<int>(start); p >= 0; --p) {
    if (sameByte(rep->chars[p], c, caseSensitive)) return p;
  }
  return -1;
}

cString cString::piece(const char* from, unsigned count) {
  cString result(count + 1);
  std::memcpy(result.rep->chars, from, count);
  result.rep->chars[count] = '\0';
  return result;
}

cString cString::left(unsigned count) const {
  if (count >= length()) return *this;
  return piece(rep->chars, count);
}

cString cString::mid(unsigned start, unsigned count) const {
  unsigned length = this->length();
  start = std::min(start, length);
  return piece(rep->chars + start, std::min(count, length - start));
}

cString cString::right(unsigned count) const {
  unsigned length = this->length();
  if (count > length) return *this;
  return cString(rep->chars + length - count);
}

void cString::splice(unsigned start, unsigned count, const char* s) {
  makeUnique();
  unsigned length = this->length();
  unsigned added = textLength(s);
  unsigned needed = added + (length - count) + 1;
  if (rep->bufferLength < needed) resize(needed, length);
  std::memmove(rep->chars + start + added, rep->chars + start + count, length - start - count + 1);
  std::memcpy(rep->chars + start, s, added);
}

void cString::replaceLeft(unsigned count, const char* s) {
  GW_ASSERT(s);
  if (holds(s)) return replaceLeft(count, cString(s));
  if (count >= length()) {
    *this = s;
  } else {
    splice(0, count, s);
  }
}

void cString::replace(unsigned start, unsigned count, const char* s) {
  GW_ASSERT(s);
  if (holds(s)) return replace(start, count, cString(s));
  unsigned length = this->length();
  if (start >= length) {
    append(s);
  } else {
    splice(start, std::min(count, length - start), s);
  }
}

void cString::replaceRight(unsigned count, const char* s) {
  GW_ASSERT(s);
  if (holds(s)) return replaceRight(count, cString(s));
  unsigned length = this->length();
  if (count >= length) {
    *this = s;
    return;
  }
  makeUnique();
  unsigned added = textLength(s);
  resize(added + (length - count) + 1, length);
  std::memcpy(rep->chars + length - count, s, added + 1);
}

void cString::removeLeft(unsigned count) {
  std::memmove(rep->chars, rep->chars + count, length() - count + 1);
}

void cString::removeRight(unsigned count) { rep->chars[length() - count] = '\0'; }

void cString::trimLeft(char c) {
  // Written out rather than through GW_ASSERT: the condition names the NUL byte NULL, which the
  // compilers warn about when it is compiled.
  if (c == '\0') assertionFailed("c != NULL", __FILE__, __LINE__);
  makeUnique();
  removeLeft(leadingRun(rep->chars, [c](char x) { return x == c; }));
}

void cString::trimLeft(const char* set) {
  GW_ASSERT(set);
  makeUnique();
  removeLeft(leadingRun(rep->chars, [set](char x) { return isIn(x, set); }));
}

void cString::trimLeft() {
  makeUnique();
  removeLeft(leadingRun(rep->chars, isAsciiSpace));
}

void cString::trimRight(char c) {
  if (c == '\0') assertionFailed("c != NULL", __FILE__, __LINE__);  // as in trimLeft(char)
  makeUnique();
  removeRight(trailingRun(rep->chars, length(), [c](char x) { return x == c; }));
}

void cString::trimRight(const char* s) {
  GW_ASSERT(s);
  makeUnique();
  removeRight(trailingRun(rep->chars, length(), [s](char x) { return isIn(x, s); }));
}

void cString::trimRight() {
  makeUnique();
  removeRight(trailingRun(rep->chars, length(), isAsciiSpace));
}

void cString::collapseSpace() {
  unsigned length = this->length();
  for (unsigned i = 0; i < length; ++i) {
    while (i < length && !isAsciiSpace(rep->chars[i])) ++i;
    if (i == length) return;
    unsigned last = i;
    while (last + 1 < length && isAsciiSpace(rep->chars[last + 1])) ++last;
    replace(i, last - i + 1, " ");
    length -= last - i;
  }
}

int cString::fromInt(int n) { return format(*this, "%d", n); }

int cString::fromLong(long n) { return format(*this, "%ld", n); }

int cString::toInt() const { return parseLeadingInt(rep->chars); }

long cString::toLong() const { return parseLeadingLong(rep->chars); }

int cString::write(std::ostream& os) const {
  os << rep->chars;
  return 1;
}

int cString::read(std::istream& is, const char* delimiters, int discardDelimiter) {
  // A set of one character reads as that delimiter does, with its fast searches; so does an empty
  // set, as a NUL delimiter leaves the NUL alone to end the read.
  if (delimiters && (delimiters[0] == '\0' || delimiters[1] == '\0')) {
    return read(is, delimiters[0], discardDelimiter);
  }
  if (delimiters && holds(delimiters)) return read(is, cString(delimiters), discardDelimiter);
  return readUpTo(is, DelimiterSet{delimiters}, discardDelimiter);
}

int cString::read(std::istream& is, char delimiter, int discardDelimiter) {
  return readUpTo(is, OneDelimiter{delimiter}, discardDelimiter);
}

template <typename Ends>
int cString::readUpTo(std::istream& is, Ends ends, int discardDelimiter) {
  // Reads in a loop mostly start on a value just emptied in place: its first byte tells, without a
  // scan of the bytes just written.
  unsigned length = rep->chars[0] == '\0' ? 0 : this->length();
  Blocks blocks([this, &length](std::string_view gathered, std::string_view more) {
    appendCharacters(gathered, more, length);
    length += static_cast<unsigned>(gathered.size() + more.size());
  });
  std::istream::sentry ready(is, true);
  std::ios::iostate ending = std::ios::goodbit;
  std::exception_ptr thrown;  // by the stream's buffer
  try {
    if (ready) ending = takeCharacters(*is.rdbuf(), ends, discardDelimiter, blocks);
  } catch (...) {
    thrown = std::current_exception();
  }
  blocks.finish();
  if (thrown) {
    failWith(is, thrown);
  } else if (ending != std::ios::goodbit) {
    is.setstate(ending);  // throws as the stream's exception mask asks
  }
  return 1;
}

int vformat(cString& dst, const char* fmt, va_list args) {
  GW_ASSERT(fmt);
  // The buffer dst would have once private: a shared record would be copied to its text's size.
  unsigned own = dst.rep->refCount > 1 ? dst.length() + 1 : dst.bufferLength();
  bool raised = own < FORMAT_BUFFER_LENGTH;
  // The print goes into a fresh private buffer of the working size and the old record is let go
  // only afterwards, so `fmt` and the arguments may point into dst's text.
  cString printed(std::max(own, FORMAT_BUFFER_LENGTH));
  // A print error (a negative count) becomes a count that no buffer can hold.
  unsigned result =
      static_cast<unsigned>(std::vsnprintf(printed.rep->chars, printed.bufferLength(), fmt, args));
  std::swap(dst.rep, printed.rep);
  GW_ASSERT(result < dst.bufferLength());
  if (raised) dst.setBufferLength(dst.length() + 1);
  return static_cast<int>(result);
}

int format(cString& dst, const char* fmt, ...) {
  GW_ASSERT(fmt);
  va_list args;
  va_start(args, fmt);
  unsigned result = static_cast<unsigned>(vformat(dst, fmt, args));
  va_end(args);
  GW_ASSERT(result < dst.bufferLength());
  return static_cast<int>(result);
}
