// cString: the project's string value. An 8-bit, NUL-terminated text whose copies share one
// reference-counted record until one of them is changed (copy-on-write).
#pragma once

// A string value. Copying, passing or returning by value shares the record (one count increment);
// every change first gives the value a private record. The length is never cached: it is the number
// of bytes before the first NUL of the buffer. Not thread-safe: a value and its copies belong to
// one thread. Caller errors (null pointers, a zero buffer length, a negative modifying index) stop
// the program through GW_ASSERT; nothing throws.
class cString {
 public:
  // The shared representation. Owns `chars` and frees it when destroyed; the record itself is
  // deleted by the value that drops its last reference.
  struct _srep {
    char* chars;            // bufferLength bytes: the text, its NUL, then unspecified bytes
    int refCount;           // number of values pointing at this record; 1 when made
    unsigned bufferLength;  // bytes in chars, the terminating NUL included

    // Allocates `size` uninitialised bytes with refCount 1. Precondition: size > 0.
    explicit _srep(unsigned size);
    ~_srep();
    _srep(const _srep&) = delete;
    _srep& operator=(const _srep&) = delete;
  };

  // The empty text in a 1-byte buffer.
  cString();
  // A private copy of `string` with bufferLength = its length + 1. Guard: `string` is not null.
  cString(const char* string);
  // Shares `other`'s record; allocates and copies nothing.
  cString(const cString& other);
  // The empty text in a private buffer of exactly `size` bytes; size 0 gets a 1-byte buffer, so
  // bufferLength() is max(size, 1). Bytes after the first are unspecified.
  explicit cString(unsigned size);
  // Drops one reference; the last reference frees the buffer and then the record.
  ~cString();

  // Shares `other`'s record. A no-op when both already share one (self-assignment included).
  cString& operator=(const cString& other);
  // Gives this value a fresh record holding a copy of `s` (bufferLength = its length + 1), even
  // when the old one was private and large enough. `s` may point into this value's own text: it is
  // read before the old record is released. Guard: `s` is not null.
  cString& operator=(const char* s);

  // The number of bytes before the first NUL, counted on each call.
  unsigned length() const;
  // The size of the buffer in bytes, at least length() + 1.
  unsigned bufferLength() const;
  // The number of values sharing this value's record. For diagnostics and tests.
  int refCount() const;
  // The text. Valid until this value is next changed, assigned or destroyed.
  operator const char*() const;

  // The byte at `index` when 0 <= index < bufferLength() (the NUL at length(), or whatever the
  // buffer holds past it); NUL for any other index.
  char operator[](int index) const;
  // A reference to the byte at `index`, after making the record private. The buffer grows to
  // index + 2 bytes when it has no room for a byte after `index`; when index >= length(), the byte
  // after it is set to NUL, so storing at length() appends. The reference stays valid until the
  // next operation that may reallocate. Guard: index >= 0.
  char& operator[](int index);

  // Copy-on-write step: when the record is shared, moves this value to a private copy whose buffer
  // is exactly length() + 1 bytes. Does nothing when the record is already private.
  void makeUnique();
  // Makes the record private and reallocates the buffer to exactly `newBufferLength` bytes: the
  // text is kept up to newBufferLength - 1 characters and the new room is filled with NUL. A
  // private buffer that already has that size is kept as it is. Guard: newBufferLength != 0.
  void setBufferLength(unsigned newBufferLength);

 private:
  _srep* rep;  // never null
};
