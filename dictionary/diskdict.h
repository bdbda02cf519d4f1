// DiskDictionary: the game's dictionary. It keeps the sorted words file open and answers each
// lookup by a binary search over byte offsets, holding nothing of the list in memory.
#pragma once

#include <cstdint>
#include <memory>

#include "dictionary/dictionary.h"
#include "support/textfile.h"

// Looks words up in a words file sorted by unsigned byte value (LF or CR LF line ends), whose text
// ends at its first 0x1A byte, if any. Each probe reads a 32-character window that starts 20 bytes
// before it and takes the word there. Every word of up to 11 letters is found and no absent one
// is; a longer word may be cut at the window's end, which can misorder it against a longer word
// sought. A window that a read error cuts short holds no word, rather than a word cut there.
// Counting and indexing fall back to Dictionary's answers (-1, ""). Not copyable; one thread at a
// time.
class DiskDictionary : public Dictionary {
 public:
  DiskDictionary() = default;
  // Closes the words file, if one is open.
  ~DiskDictionary() override;

  // Remembers `filename` (even on failure) and opens it, closing any file opened before. On
  // failure *error (when `error` is not null) becomes "Error opening '<filename>' for reading".
  bool open(const cString& filename, cString* error) override;

  // True when `word` (not null) is a word of the file; false for every word while no file is open,
  // and false when a read of the file fails on the way (a lookup cannot answer then).
  bool contains(const char* word) override;

  // The word at a random byte offset of the text ("" for an empty one, or when the read fails);
  // longer words come up more often. The offset has 31 bits: of a text longer than 2 GiB only the
  // first 2 GiB are drawn from. A file must be open.
  cString randomWord() override;

  // The first of at most 100 randomWord() draws that has `length` letters, or "".
  cString randomWord(int length) override;

 private:
  static constexpr int WINDOW_SIZE = 32;  // characters read around each probe

  // The word at or after byte `offset`: the run of letters holding the probe, or else the run that
  // starts just after it; where the text ends right after the probe, the last word before it, or
  // "" when that run may have been cut off by the window's start; "" when the read fails.
  cString wordAt(std::int64_t offset);

  // The word of wordAt(offset), written to `word` (WINDOW_SIZE + 1 bytes) without allocating.
  // Returns true when the run reached the window's last character: the word may go on beyond it.
  bool readWordAt(std::int64_t offset, char* word);

  // How the word at `offset`, written to `found` (WINDOW_SIZE + 1 bytes), sorts against `word`:
  // below 0, 0 or above 0, as strcmp. A word cut by the window is followed to its end.
  int orderAt(std::int64_t offset, const char* word, char* found);

  cString _filename;
  std::unique_ptr<TextFile> _fp;  // the open words file; null while none is open
  // The bytes of the text, CRs included (the file's size, or the offset of its first 0x1A byte),
  // as found by open; 0 while no file is open.
  std::int64_t _size = 0;
};
