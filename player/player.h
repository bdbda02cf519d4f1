// Player: one player's results by word length, with sums, averages and extremes, and its compact
// file form of little-endian 32-bit values on a stdio stream that the caller opens and closes.
#pragma once

#include <cstdint>
#include <cstdio>

#include "string/string.h"
#include "support/wordlength.h"

// The statistics record. Every per-length operation takes `letters` from 1 to MAX_WORD_LENGTH - 1;
// any other value stops the program through GW_ASSERT ("letters > 0", "letters < MAX_WORD_LENGTH").
// Sums, totals and games counters wrap around with 32-bit two's-complement arithmetic.
//
// File form, 244 + N bytes, every value little-endian two's complement, no header or padding:
// N (the name's length), the name's N bytes, then for each length 1 to 15 in ascending order
// its total, games, maximum and minimum as this record reports them. Every `stream` is an open
// stdio stream in binary mode, never null; the caller opens, positions and closes it.
class Player {
 public:
  // The longest name that the file form carries; setName cuts longer names to it.
  static constexpr unsigned MAX_NAME_LENGTH = 511;

  // An empty name and no results: every figure is 0.
  Player() = default;

  // Sets the name to the first MAX_NAME_LENGTH bytes of `name`. Guard: `name` is not null.
  void setName(const char* name);
  cString name() const;

  // The number of counted games of one length, and over all lengths.
  std::int32_t games(std::int32_t letters) const;
  std::int32_t totalGames() const;
  // The sum of the results, counted or not, of one length, and over all lengths.
  std::int32_t total(std::int32_t letters) const;
  std::int32_t grandTotal() const;
  // The total divided by the games counted, of one length or over all; 0.0 without counted games.
  double average(std::int32_t letters) const;
  double overallAverage() const;
  // The largest result of one length, counted or not; 0 when none was larger. Over all lengths,
  // the largest of the fifteen, lengths without results included.
  std::int32_t maximum(std::int32_t letters) const;
  std::int32_t overallMaximum() const;
  // The smallest counted result of one length; 0 for a length without counted games (a games
  // counter of 0). Over all lengths, the smallest among those with counted games, else 0.
  std::int32_t minimum(std::int32_t letters) const;
  std::int32_t overallMinimum() const;

  // Records `amount` for `letters` and counts one game. The first counted result of a length sets
  // its minimum.
  void addResult(std::int32_t letters, std::int32_t amount);
  // Records `amount` in the total and the maximum of `letters` only; counts no game.
  void addUncountedResult(std::int32_t letters, std::int32_t amount);

  // Reads one value of the file form into *value. False, with *value unchanged, when fewer than
  // four bytes could be read.
  static bool readInt32(FILE* stream, std::int32_t* value);
  // Writes one value of the file form. False when its four bytes could not be written.
  static bool writeInt32(FILE* stream, std::int32_t value);

  // Reads a whole record from `stream`, in binary mode and positioned at its start. False at the
  // first failed read, leaving the record partly loaded: the fields read so far hold their new
  // values, the rest keep theirs. A stored name length of 0 or less keeps the name; one above
  // MAX_NAME_LENGTH fails after reading only the length, keeping the name. A name whose bytes
  // cannot all be read is kept too. Stored name bytes are taken up to their first NUL, if any.
  bool load(FILE* stream);
  // Writes the whole record to `stream`, in binary mode, and flushes it. False at the first failed
  // write or when the flush fails (a full device); the stream then holds what was written before.
  bool save(FILE* stream) const;

 private:
  bool loadName(FILE* stream);

  cString _name;
  // Indexed by the letter count; entry 0 is unused.
  std::int32_t _totals[MAX_WORD_LENGTH] = {};
  std::int32_t _games[MAX_WORD_LENGTH] = {};
  std::int32_t _maxima[MAX_WORD_LENGTH] = {};
  std::int32_t _minima[MAX_WORD_LENGTH] = {};  // meaningful only while _games is not 0
};
