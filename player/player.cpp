// The statistics record: results kept per word length with wrapping 32-bit arithmetic, and the
// file form written and read one little-endian value at a time.
#include "player/player.h"

#include "support/assert.h"

namespace {

// The signed value whose two's-complement form is `bits`, computed without overflow.
std::int32_t fromBits(std::uint32_t bits) {
  return bits <= 0x7FFFFFFFu ? static_cast<std::int32_t>(bits)
                             : -static_cast<std::int32_t>(~bits) - 1;
}

std::int32_t wrappingAdd(std::int32_t a, std::int32_t b) {
  return fromBits(static_cast<std::uint32_t>(a) + static_cast<std::uint32_t>(b));
}

std::int32_t sumOfLengths(const std::int32_t (&values)[MAX_WORD_LENGTH]) {
  std::int32_t sum = 0;
  for (std::int32_t letters = 1; letters < MAX_WORD_LENGTH; ++letters) {
    sum = wrappingAdd(sum, values[letters]);
  }
  return sum;
}

double ratio(std::int32_t total, std::int32_t games) {
  return games >= 1 ? static_cast<double>(total) / games : 0.0;
}

void checkLetters(std::int32_t letters) {
  GW_ASSERT(letters > 0);
  GW_ASSERT(letters < MAX_WORD_LENGTH);
}

}  // namespace

void Player::setName(const char* name) {
  GW_ASSERT(name);
  _name = name;
  if (_name.length() > MAX_NAME_LENGTH) _name.setBufferLength(MAX_NAME_LENGTH + 1);
}

cString Player::name() const { return _name; }

std::int32_t Player::games(std::int32_t letters) const {
  checkLetters(letters);
  return _games[letters];
}

std::int32_t Player::totalGames() const { return sumOfLengths(_games); }

std::int32_t Player::total(std::int32_t letters) const {
  checkLetters(letters);
  return _totals[letters];
}

std::int32_t Player::grandTotal() const { return sumOfLengths(_totals); }

double Player::average(std::int32_t letters) const { return ratio(total(letters), games(letters)); }

double Player::overallAverage() const { return ratio(grandTotal(), totalGames()); }

std::int32_t Player::maximum(std::int32_t letters) const {
  checkLetters(letters);
  return _maxima[letters];
}

std::int32_t Player::overallMaximum() const {
  std::int32_t largest = maximum(1);
  for (std::int32_t letters = 1; letters < MAX_WORD_LENGTH; ++letters) {
    if (maximum(letters) > largest) largest = maximum(letters);
  }
  return largest;
}

std::int32_t Player::minimum(std::int32_t letters) const {
  checkLetters(letters);
  return _games[letters] != 0 ? _minima[letters] : 0;
}

std::int32_t Player::overallMinimum() const {
  bool found = false;
  std::int32_t smallest = 0;
  for (std::int32_t letters = 1; letters < MAX_WORD_LENGTH; ++letters) {
    if (_games[letters] != 0 && (!found || minimum(letters) < smallest)) {
      smallest = minimum(letters);
      found = true;
    }
  }
  return smallest;
}

void Player::addResult(std::int32_t letters, std::int32_t amount) {
  addUncountedResult(letters, amount);
  if (_games[letters] == 0 || amount < _minima[letters]) _minima[letters] = amount;
  _games[letters] = wrappingAdd(_games[letters], 1);
}

void Player::addUncountedResult(std::int32_t letters, std::int32_t amount) {
  checkLetters(letters);
  _totals[letters] = wrappingAdd(_totals[letters], amount);
  if (amount > _maxima[letters]) _maxima[letters] = amount;
}

bool Player::readInt32(FILE* stream, std::int32_t* value) {
  unsigned char bytes[4];
  if (std::fread(bytes, sizeof bytes, 1, stream) != 1) return false;
  std::uint32_t bits = 0;
  for (int i = 3; i >= 0; --i) bits = bits << 8 | bytes[i];
  *value = fromBits(bits);
  return true;
}

bool Player::writeInt32(FILE* stream, std::int32_t value) {
  const auto bits = static_cast<std::uint32_t>(value);
  unsigned char bytes[4];
  for (int i = 0; i < 4; ++i) bytes[i] = static_cast<unsigned char>(bits >> (8 * i));
  return std::fwrite(bytes, sizeof bytes, 1, stream) == 1;
}

bool Player::load(FILE* stream) {
  if (!loadName(stream)) return false;
  for (std::int32_t letters = 1; letters < MAX_WORD_LENGTH; ++letters) {
    std::int32_t* const group[] = {&_totals[letters], &_games[letters], &_maxima[letters],
                                   &_minima[letters]};
    for (std::int32_t* field : group) {
      if (!readInt32(stream, field)) return false;
    }
  }
  return true;
}

// Reads the name's length and bytes; the name changes only when its bytes were all read.
bool Player::loadName(FILE* stream) {
  std::int32_t length = 0;
  if (!readInt32(stream, &length)) return false;
  if (length < 1) return true;
  if (length > static_cast<std::int32_t>(MAX_NAME_LENGTH)) return false;
  char buffer[MAX_NAME_LENGTH + 1];
  if (std::fread(buffer, static_cast<std::size_t>(length), 1, stream) != 1) return false;
  buffer[length] = '\0';
  _name = buffer;
  return true;
}

bool Player::save(FILE* stream) const {
  const unsigned length = _name.length();
  if (!writeInt32(stream, static_cast<std::int32_t>(length))) return false;
  if (length != 0 && std::fwrite(static_cast<const char*>(_name), length, 1, stream) != 1) {
    return false;
  }
  for (std::int32_t letters = 1; letters < MAX_WORD_LENGTH; ++letters) {
    const std::int32_t group[] = {total(letters), games(letters), maximum(letters),
                                  minimum(letters)};
    for (std::int32_t value : group) {
      if (!writeInt32(stream, value)) return false;
    }
  }
  // The stream's buffer holds the record until it is flushed: a full device shows only then.
  return std::fflush(stream) == 0;
}
