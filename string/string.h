// cString: the project's string value. An 8-bit, NUL-terminated text whose copies share one
// reference-counted record until one of them is changed (copy-on-write), and its text toolkit.
#pragma once

#include <cstdarg>
#include <iosfwd>
#include <string_view>

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

  // The changes below work on a private record (copy-on-write). A string argument may point into
  // this value's own text: it is read as it stood before the change. L is length() before the call
  // and k the length of the string argument. Guards: string arguments are not null.

  // Appends `s`; the buffer becomes exactly L + k + 1 bytes, also when that shrinks it.
  void append(const char* s);
  // Puts `s` in front of the text; the buffer becomes exactly L + k + 1 bytes.
  void prepend(const char* s);
  // A new private value of exactly L + k + 1 bytes holding this text followed by `s`.
  cString operator+(const char* s) const;
  // Appends `s` and returns a copy of the result that shares its record.
  cString operator+=(const char* s);
  // Appends `c` through the modifying element access (a buffer of exactly L + 1 bytes grows to
  // L + 2); NUL leaves the text unchanged. Returns a copy of the result that shares its record.
  cString operator+=(char c);
  // Appends the first `n` characters of `src` (all of it when n is at least its length). Returns
  // this value's private buffer, valid until the value is next changed, assigned or destroyed.
  char* appendAtMost(const char* src, unsigned n);
  // Assigns the first `n` characters of `src` (a fresh record, as assignment makes). Returns this
  // value's private buffer, like appendAtMost.
  char* assignAtMost(const char* src, unsigned n);

  // ASCII case conversion in place; bytes other than letters stay as they are. The buffer keeps
  // its size.
  void toLower();
  void toUpper();
  // Upper-cases the first character and lower-cases all others.
  void capitalize();

  // Searches. A nonzero `caseSensitive` compares bytes exactly, zero ignores the case of ASCII
  // letters. Each returns the position of the match or -1. Guard: start <= length().
  // The first `s` that begins at or after `start`; an empty `s` is found at `start`.
  int find(unsigned start, const char* s, int caseSensitive) const;
  // The first `c` at or after `start`. Compared exactly, NUL is found at L; ignoring case, never.
  int find(unsigned start, char c, int caseSensitive) const;
  // The last `s` that begins at or before `start` (it may run past `start`); an empty `s` is found
  // at `start`.
  int findBackward(unsigned start, const char* s, int caseSensitive) const;
  // The last `c` at or before `start`; from start = L, NUL is found at L.
  int findBackward(unsigned start, char c, int caseSensitive) const;

  // Substrings; positions and counts beyond the text are cut to it. A result that is the whole
  // text shares this record for left(count >= L) and right(count > L); otherwise the result is a
  // new record of exactly its length + 1 bytes.
  cString left(unsigned count) const;
  cString mid(unsigned start, unsigned count) const;
  cString right(unsigned count) const;

  // Replaces the first `count` characters with `s`. When count >= L this assigns `s`; otherwise
  // the buffer grows to exactly the size needed when it is too small, and never shrinks.
  void replaceLeft(unsigned count, const char* s);
  // Replaces `count` characters at `start` with `s` (count cut to the text). When start >= L this
  // appends `s`; otherwise the buffer grows like replaceLeft's.
  void replace(unsigned start, unsigned count, const char* s);
  // Replaces the last `count` characters with `s`. When count >= L this assigns `s`; otherwise the
  // buffer becomes exactly L - count + k + 1 bytes.
  void replaceRight(unsigned count, const char* s);

  // Trimming in place; the buffer keeps its size. The forms with a character remove a run of
  // that character (guard: c is not NUL), those with a string a run of the characters it holds,
  // and those without an argument a run of ASCII whitespace (bytes 9 to 13 and 32).
  void trimLeft(char c);
  void trimLeft(const char* set);
  void trimLeft();
  void trimRight(char c);
  void trimRight(const char* s);
  void trimRight();
  // Turns every run of whitespace, at the ends too, into one blank. A shared value is made
  // private only when its text holds whitespace; the buffer keeps its size.
  void collapseSpace();

  // The text becomes `n` in decimal, as format with "%d" (or "%ld") makes it. Returns the count of
  // characters.
  int fromInt(int n);
  int fromLong(long n);
  // The leading decimal number: whitespace skipped, one optional sign, then digits; 0 when there
  // is no digit. toInt wraps at 32 bits, toLong at the width of long (32 bits on Windows, 64 on
  // Linux), so toLong reads back every number fromLong writes.
  int toInt() const;
  long toLong() const;

  // Inserts the text into `os`. Returns 1.
  int write(std::ostream& os) const;
  // Appends characters taken from `is` until the end of input, a NUL (consumed, not stored) or a
  // delimiter: a character of `delimiters`, or whitespace when `delimiters` is null. The delimiter
  // is never stored; it is consumed when `discardDelimiter` is nonzero and left in `is` otherwise.
  // Characters are taken in runs from what the stream's buffer holds ready. Whenever the stream's
  // buffer is asked for more, the value stands as appends of 254 characters at a time leave it (the
  // appends that fall within one run are made as one); one more append at the end sets the buffer
  // to exactly the text's size. The end of input sets the stream's eofbit and failbit, as a
  // single-character get does, and an exception from the stream's buffer ends the read with badbit
  // set; the characters taken before either are appended all the same. Exceptions go on as the
  // stream's exception mask asks: the buffer's own when badbit is in it. Returns 1.
  int read(std::istream& is, const char* delimiters, int discardDelimiter);
  // The same with the single delimiter `delimiter`.
  int read(std::istream& is, char delimiter, int discardDelimiter);

 private:
  friend int vformat(cString& dst, const char* fmt, va_list args);

  // append of the characters of `first` and then of `second` to the text, which is `length`
  // characters long: the buffer becomes exactly the size of the result. Neither holds a NUL or
  // points into this value's buffer.
  void appendCharacters(std::string_view first, std::string_view second, unsigned length);
  // read, ended by a NUL or by a character for which `ends` holds.
  template <typename Ends>
  int readUpTo(std::istream& is, Ends ends, int discardDelimiter);
  // setBufferLength for a private record whose text is `length` characters long.
  void resize(unsigned newBufferLength, unsigned length);
  // True when `s` points into this value's buffer, where a change could move or overwrite it.
  bool holds(const char* s) const;
  // Replaces `count` characters at `start` (both within the text) with `s` in a private record,
  // growing its buffer to exactly the need when it is too small.
  void splice(unsigned start, unsigned count, const char* s);
  // Remove the first or the last `count` characters of the private text.
  void removeLeft(unsigned count);
  void removeRight(unsigned count);
  // A new value holding the `count` characters at `from`, in exactly count + 1 bytes.
  static cString piece(const char* from, unsigned count);

  _srep* rep;  // never null
};

// Prints `fmt` with the following arguments into `dst`, replacing its text, by the C library's
// printf rules; returns the count of characters printed. Works in a buffer of at least 1024 bytes:
// a buffer that was smaller ends exactly fitted to the text, a larger one keeps its size. `fmt`
// and the arguments may point into dst's text. Guards: `fmt` is not null, and the output with its
// NUL fits the working buffer, so an over-long output or a print error stops the program. format
// checks the output's count against the final buffer too, which also stops it when a printed NUL
// byte cut the text short of a fitted buffer.
int format(cString& dst, const char* fmt, ...);
int vformat(cString& dst, const char* fmt, va_list args);
