// The core of cString: the shared record, reference counting, copy-on-write, construction,
// assignment, character access and the exact-size buffer reallocation the other operations use.
#include "string/string.h"

#include <algorithm>
#include <cstring>

#include "support/assert.h"

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
  if (rep->bufferLength <= position + 1) {
    setBufferLength(position + 2);
  } else if (length() <= position) {
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
  if (newBufferLength == rep->bufferLength) return;
  _srep* resized = new _srep(newBufferLength);
  unsigned kept = std::min(length(), newBufferLength - 1);
  std::memcpy(resized->chars, rep->chars, kept);
  std::memset(resized->chars + kept, 0, newBufferLength - kept);
  delete rep;
  rep = resized;
}
