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

// True when `c` ends a read: a NUL, or a delimiter (a character of `delimiters`, or whitespace when
// `delimiters` is null).
bool endsRead(char c, const char* delimiters) {
  return c == '\0' || (delimiters ? isIn(c, delimiters) : isAsciiSpace(c));
}

// The characters at the start of `chars` that do not end a read. A single delimiter, the commonest
// case, is looked for with two fast searches.
std::string_view beforeEnd(std::string_view chars, const char* delimiters) {
  if (delimiters && delimiters[0] != '\0' && delimiters[1] == '\0') {
    chars = chars.substr(0, chars.find(delimiters[0]));
    return chars.substr(0, chars.find('\0'));
  }
  auto end = std::find_if(chars.begin(), chars.end(),
                          [delimiters](char c) { return endsRead(c, delimiters); });
  return chars.substr(0, static_cast<size_t>(end - chars.begin()));
}

// Gathers the characters of a read in blocks and hands each full block, and at the end the rest,
// to `append`, a callable taking the characters and their count. A full block's worth that one
// gathered run holds whole is handed over from where it stands, without a copy.
template <typename Append>
class Blocks {
 public:
  explicit Blocks(Append append) : _append(append) {}

  // Gathers `chars`, which stay valid until this call returns.
  void gather(std::string_view chars) {
    while (!chars.empty()) {
      size_t piece = std::min<size_t>(chars.size(), READ_BLOCK_CHARACTERS - _stored);
      bool whole = _stored == 0 && piece == READ_BLOCK_CHARACTERS;
      if (!whole) std::memcpy(_block + _stored, chars.data(), piece);
      _stored += static_cast<unsigned>(piece);
      if (_stored == READ_BLOCK_CHARACTERS) {
        _append(whole ? chars.data() : _block, _stored);
        _stored = 0;
      }
      chars.remove_prefix(piece);
    }
  }

  // Hands over the characters gathered since the last full block, also when there are none.
  void finish() { _append(_block, _stored); }

 private:
  Append _append;
  char _block[READ_BLOCK_CHARACTERS];
  unsigned _stored = 0;
};

// Takes the characters of a read from `source` into `blocks`, up to the end of input, a NUL
// (taken) or a delimiter (taken when `discardDelimiter` is nonzero). Returns the stream state the
// read ends with: eofbit and failbit at the end of input, as a single-character get sets them.
template <typename Append>
std::ios::iostate takeCharacters(std::streambuf& source, const char* delimiters,
                                 int discardDelimiter, Blocks<Append>& blocks) {
  for (;;) {
    int next = source.sgetc();
    if (next == std::istream::traits_type::eof()) return std::ios::eofbit | std::ios::failbit;
    char c = static_cast<char>(next);
    if (endsRead(c, delimiters)) {
      if (c == '\0' || discardDelimiter) source.sbumpc();
      return std::ios::goodbit;
    }
    std::string_view run = beforeEnd(waitingCharacters(source), delimiters);
    if (run.empty()) {  // a source without a get area gives one character at a time
      source.sbumpc();
      blocks.gather({&c, 1});
    } else {
      blocks.gather(run);
      takeWaiting(source, run.size());
    }
  }
}

// Sets `ending` in the state of `is`, which throws as its exception mask asks. When the stream's
// buffer threw (`thrown`), sets badbit instead and passes that exception on only when badbit is in
// the mask, as the standard's own input functions do.
void endRead(std::istream& is, std::ios::iostate ending, const std::exception_ptr& thrown) {
  if (!thrown) return is.setstate(ending);
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
  appendCharacters(s, textLength(s), length());
}

void cString::appendCharacters(const char* s, unsigned count, unsigned length) {
  makeUnique();
  resize(length + count + 1, length);
  std::memcpy(rep->chars + length, s, count);
  rep->chars[length + count] = '\0';
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
  if (delimiters && holds(delimiters)) return read(is, cString(delimiters), discardDelimiter);
  // Reads in a loop mostly start on a value just emptied in place: its first byte tells, without a
  // scan of the bytes just written.
  unsigned length = rep->chars[0] == '\0' ? 0 : this->length();
  Blocks blocks([this, &length](const char* chars, unsigned count) {
    appendCharacters(chars, count, length);
    length += count;
  });
  std::istream::sentry ready(is, true);
  std::ios::iostate ending = std::ios::goodbit;
  std::exception_ptr thrown;  // by the stream's buffer
  try {
    if (ready) ending = takeCharacters(*is.rdbuf(), delimiters, discardDelimiter, blocks);
  } catch (...) {
    thrown = std::current_exception();
  }
  blocks.finish();
  endRead(is, ending, thrown);
  return 1;
}

int cString::read(std::istream& is, char delimiter, int discardDelimiter) {
  const char set[] = {delimiter, '\0'};
  return read(is, set, discardDelimiter);
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
