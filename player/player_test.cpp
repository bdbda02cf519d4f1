// Unit tests of the statistics record: its figures, the exact bytes of its file form, round trips,
// loads of cut or malformed records, and the guards' assertion reports.
#include "player/player.h"

#include <gtest/gtest.h>

#include <string>

#include "testing/stderrmatcher.h"

namespace {

using namespace std::string_literals;
using testing::ExitedWithCode;

std::string zeros(std::size_t count) { return std::string(count, '\0'); }

// What reload() saw, in words: whether the record loaded, the count of bytes it read, and the bytes
// it saved then (none when saving failed).
std::string reloaded(bool loaded, long position, const std::string& form) {
  return std::string(loaded ? "loaded" : "not loaded") + " after " + std::to_string(position) +
         " bytes, saved as " + testing::PrintToString(form);
}

// Loads `bytes` into a copy of `player`, then saves it, and says what it saw. Loading no bytes
// changes nothing.
std::string reload(Player player, const std::string& bytes) {
  FILE* file = std::tmpfile();
  std::fwrite(bytes.data(), 1, bytes.size(), file);
  std::rewind(file);
  const bool loaded = player.load(file);
  const long position = std::ftell(file);
  std::rewind(file);
  std::string form(player.save(file) ? static_cast<std::size_t>(std::ftell(file)) : 0, '\0');
  std::rewind(file);
  form.resize(std::fread(&form[0], 1, form.size(), file));
  std::fclose(file);
  return reloaded(loaded, position, form);
}

TEST(PlayerTest, FiguresFileFormAndLoads) {
  // Length 1: three games; 2 and 14: uncounted results only, 14's total wrapping round; 15: one
  // game and an uncounted result, its total wrapping round too.
  Player p;
  p.setName("abc");
  for (std::int32_t amount : {300, 200, 302}) p.addResult(1, amount);
  p.addResult(15, 250);
  p.addUncountedResult(2, -1);
  p.addUncountedResult(14, INT32_MAX - 1);
  p.addUncountedResult(14, 2);
  p.addUncountedResult(15, INT32_MAX);
  const std::string form =
      "\3\0\0\0abc\x22\3\0\0\3\0\0\0\x2E\1\0\0\xC8\0\0\0\xFF\xFF\xFF\xFF"s + zeros(188) +
      "\0\0\0\x80\0\0\0\0\xFE\xFF\xFF\x7F\0\0\0\0\xF9\0\0\x80\1\0\0\0\xFF\xFF\xFF\x7F\xFA\0\0\0"s;
  EXPECT_EQ(reload(p, ""), reloaded(false, 0, form));
  EXPECT_EQ(p.average(1), 802 / 3.0);
  EXPECT_EQ(p.average(2), 0.0);
  EXPECT_EQ(p.overallAverage(), 1050 / 4.0);  // grandTotal() over totalGames()
  EXPECT_EQ(p.overallMaximum(), INT32_MAX);
  EXPECT_EQ(p.overallMinimum(), 200);

  const std::string results = form.substr(7), n511 = "\xFF\1\0\0"s + std::string(511, 'n');
  p.setName(std::string(600, 'n').c_str());
  EXPECT_EQ(reload(p, ""), reloaded(false, 0, n511 + results));
  EXPECT_EQ(reload(Player(), ""), reloaded(false, 0, zeros(244)));
  EXPECT_FALSE(Player().save(stdin));                // open for reading only
  if (FILE* full = std::fopen("/dev/full", "wb")) {  // a full device: the flush fails
    EXPECT_FALSE(p.save(full));
    std::fclose(full);
  }

  // Loads into a record named "old" with one game of 2 letters, -5: whole forms, cut ones, and the
  // results after stored name lengths of 0, -1, 512 and 65536.
  Player into;
  into.setName("old");
  into.addResult(2, -5);
  const std::string kept =
      zeros(16) + "\xFB\xFF\xFF\xFF\1\0\0\0\0\0\0\0\xFB\xFF\xFF\xFF"s + zeros(208);
  struct Load {
    std::string input;
    bool loaded;
    long position;      // the bytes read
    std::string name;   // the name's bytes afterwards
    std::size_t count;  // of result bytes loaded
  };
  const Load loads[] = {
      {form, true, 247, form.substr(0, 7), 240},
      {n511 + results, true, 755, n511, 240},
      {form.substr(0, 3), false, 3, "\3\0\0\0old"s, 0},
      {form.substr(0, 6), false, 6, "\3\0\0\0old"s, 0},
      {form.substr(0, 27), false, 27, form.substr(0, 7), 20},
      {form.substr(0, 246), false, 246, form.substr(0, 7), 236},
      {"\0\0\0\0"s + results, true, 244, "\3\0\0\0old"s, 240},
      {"\xFF\xFF\xFF\xFF"s + results, true, 244, "\3\0\0\0old"s, 240},
      {"\0\2\0\0"s + results, false, 4, "\3\0\0\0old"s, 0},
      {"\0\0\1\0"s + results, false, 4, "\3\0\0\0old"s, 0},
  };
  for (const Load& load : loads) {
    const std::string saved = load.name + results.substr(0, load.count) + kept.substr(load.count);
    EXPECT_EQ(reload(into, load.input), reloaded(load.loaded, load.position, saved));
  }
  // Cut after the games of length 2: its stored minimum stays but, without games, is not shown.
  EXPECT_EQ(reload(into, form.substr(0, 34)), reloaded(false, 34, form.substr(0, 31) + zeros(216)));
}

TEST(PlayerDeathTest, GuardsReportTheirCondition) {
  EXPECT_EXIT(Player().setName(nullptr), ExitedWithCode(3), standardErrorMatches("name, file"));
  struct Row {
    std::int32_t letters;
    const char* guard;
  };
  const Row rows[] = {
      {0, "letters > 0,"},
      {MAX_WORD_LENGTH, "< MAX_WORD_LENGTH,"},
  };
  for (const Row& row : rows) {
    const auto guard = standardErrorMatches(row.guard);
    for (auto get : {&Player::games, &Player::total, &Player::maximum, &Player::minimum})
      EXPECT_EXIT((Player().*get)(row.letters), ExitedWithCode(3), guard);
    EXPECT_EXIT(Player().average(row.letters), ExitedWithCode(3), guard);
    EXPECT_EXIT(Player().addUncountedResult(row.letters, 1), ExitedWithCode(3), guard);
  }
}

}  // namespace
