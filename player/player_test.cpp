// Unit tests of the statistics record: its figures after recorded results, the exact bytes of its
// file form, round trips, loads of cut or malformed records, and the guards' assertion reports.
#include "player/player.h"

#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <string>
#include <tuple>
#include <vector>

#include "support/stderrmatcher.h"

namespace {

using File = std::unique_ptr<FILE, int (*)(FILE*)>;

// A temporary binary stream holding `bytes`, positioned at its start.
File streamOf(const std::string& bytes) {
  File file(std::tmpfile(), std::fclose);
  std::fwrite(bytes.data(), 1, bytes.size(), file.get());
  std::rewind(file.get());
  return file;
}

std::string saved(const Player& player) {
  File file = streamOf("");
  EXPECT_TRUE(player.save(file.get()));
  std::rewind(file.get());
  std::string bytes;
  for (int c; (c = std::fgetc(file.get())) != EOF;) bytes += static_cast<char>(c);
  return bytes;
}

// Loads `bytes` into `player`, named "old" first; gives the result and the position afterwards.
std::pair<bool, long> load(Player& player, const std::string& bytes) {
  File file = streamOf(bytes);
  player.setName("old");
  return {player.load(file.get()), std::ftell(file.get())};
}

std::string bytes(const char* literal, std::size_t count) { return std::string(literal, count); }
std::string zeros(std::size_t count) { return std::string(count, '\0'); }

// A record of results, each {letters, amount, counted}.
Player recorded(const std::vector<std::tuple<std::int32_t, std::int32_t, bool>>& results) {
  Player player;
  for (const auto& [letters, amount, counted] : results) {
    counted ? player.addResult(letters, amount) : player.addUncountedResult(letters, amount);
  }
  return player;
}

// games, total, average, maximum, minimum
using Figures = std::tuple<std::int32_t, std::int32_t, double, std::int32_t, std::int32_t>;

TEST(PlayerTest, FiguresAfterResults) {
  const std::int32_t big = INT32_MAX;
  const struct {
    std::vector<std::tuple<std::int32_t, std::int32_t, bool>> results;
    std::int32_t letters;
    Figures one, overall;
  } rows[] = {
      {{}, 5, {0, 0, 0.0, 0, 0}, {0, 0, 0.0, 0, 0}},
      {{{5, 7, true}, {5, 3, true}}, 5, {2, 10, 5.0, 7, 3}, {2, 10, 5.0, 7, 3}},
      {{{6, 9, false}}, 6, {0, 9, 0.0, 9, 0}, {0, 9, 0.0, 9, 0}},
      {{{3, -4, true}, {3, -6, true}}, 3, {2, -10, -5.0, 0, -6}, {2, -10, -5.0, 0, -6}},
      {{{7, 5, true}, {7, 8, true}, {7, 5, true}, {3, 9, true}},
       7,
       {3, 18, 6.0, 8, 5},
       {4, 27, 6.75, 9, 5}},
      {{{7, -5, false}, {7, 3, true}}, 7, {1, -2, -2.0, 3, 3}, {1, -2, -2.0, 3, 3}},
      {{{2, big, true}, {2, 1, true}, {15, big, true}},
       2,
       {2, INT32_MIN, INT32_MIN / 2.0, big, 1},
       {3, -1, -1.0 / 3, big, 1}},
  };
  for (const auto& row : rows) {
    Player p = recorded(row.results);
    const std::int32_t l = row.letters;
    EXPECT_EQ(Figures(p.games(l), p.total(l), p.average(l), p.maximum(l), p.minimum(l)), row.one);
    EXPECT_EQ(Figures(p.totalGames(), p.grandTotal(), p.overallAverage(), p.overallMaximum(),
                      p.overallMinimum()),
              row.overall);
  }
}

TEST(PlayerFileTest, SavedBytes) {
  Player named;
  named.setName("abc");
  const std::pair<Player, std::string> rows[] = {
      {Player(), zeros(244)},
      {named, bytes("\3\0\0\0abc", 7) + zeros(240)},
      {recorded({{1, 200, true}, {1, -1, true}}),
       zeros(4) + bytes("\xC7\0\0\0\2\0\0\0\xC8\0\0\0\xFF\xFF\xFF\xFF", 16) + zeros(224)},
      {recorded({{14, INT32_MIN, true}, {15, INT32_MAX, false}}),
       zeros(212) + bytes("\0\0\0\x80\1\0\0\0\0\0\0\0\0\0\0\x80", 16) +
           bytes("\xFF\xFF\xFF\x7F\0\0\0\0\xFF\xFF\xFF\x7F\0\0\0\0", 16)},
  };
  for (const auto& [player, form] : rows) EXPECT_EQ(saved(player), form);
  EXPECT_FALSE(Player().save(stdin));  // open for reading only
  EXPECT_FALSE(named.save(stdin));
}

TEST(PlayerFileTest, RoundTripKeepsEveryField) {
  Player original =
      recorded({{1, INT32_MIN, true}, {1, INT32_MAX, true}, {8, -3, true}, {15, INT32_MAX, false}});
  original.setName(std::string(600, 'n').c_str());
  const std::string form = saved(original);
  EXPECT_EQ(form.size(), 244u + 511u);
  Player loaded = recorded({{2, 5, true}});
  EXPECT_EQ(load(loaded, form), std::make_pair(true, 755L));
  EXPECT_EQ(saved(loaded), form);
}

TEST(PlayerFileTest, CutRecordsLoadTheirFront) {
  Player source;
  for (std::int32_t l = 1; l < MAX_WORD_LENGTH; ++l) source.addResult(l, 100 * l);
  source.setName("abc");
  const std::string form = saved(source);
  const std::tuple<std::size_t, const char*, std::size_t> rows[] = {
      {0, "old", 0},  {3, "old", 0},  {6, "old", 0},     {7, "abc", 0},
      {10, "abc", 0}, {11, "abc", 4}, {130, "abc", 120}, {246, "abc", 236}};
  for (const auto& [cut, name, loadedBytes] : rows) {
    Player loaded;
    EXPECT_FALSE(load(loaded, form.substr(0, cut)).first) << cut;
    EXPECT_EQ(saved(loaded),
              form.substr(0, 4) + name + form.substr(7, loadedBytes) + zeros(240 - loadedBytes))
        << cut;
  }
}

TEST(PlayerFileTest, StoredNameLengthsAndLoadedMinima) {
  // Length 1: no games but a stored minimum of -9; length 2: one game of -3.
  const std::string groups =
      zeros(12) + bytes("\xF7\xFF\xFF\xFF\xFD\xFF\xFF\xFF\1\0\0\0\0\0\0\0\xFD\xFF\xFF\xFF", 20) +
      zeros(208);
  const std::tuple<const char*, bool, long> rows[] = {{"\0\0\0\0", true, 244},
                                                      {"\xFF\xFF\xFF\xFF", true, 244},
                                                      {"\0\2\0\0", false, 4},
                                                      {"\0\0\1\0", false, 4}};
  for (const auto& [length, loaded, position] : rows) {
    Player player;
    EXPECT_EQ(load(player, bytes(length, 4) + groups), std::make_pair(loaded, position));
    EXPECT_STREQ(player.name(), "old");
    EXPECT_EQ(std::make_tuple(player.minimum(1), player.minimum(2), player.overallMinimum()),
              std::make_tuple(0, loaded ? -3 : 0, loaded ? -3 : 0));
    player.addResult(1, 5);
    EXPECT_EQ(player.minimum(1), 5);
  }
}

TEST(PlayerDeathTest, GuardsReportTheirCondition) {
  Player player;
  const std::function<void(std::int32_t)> perLength[] = {
      [&](std::int32_t l) { player.games(l); },
      [&](std::int32_t l) { player.total(l); },
      [&](std::int32_t l) { player.average(l); },
      [&](std::int32_t l) { player.maximum(l); },
      [&](std::int32_t l) { player.minimum(l); },
      [&](std::int32_t l) { player.addResult(l, 1); },
      [&](std::int32_t l) { player.addUncountedResult(l, 1); }};
  std::vector<std::pair<std::string, std::function<void()>>> rows = {
      {"name", [&] { player.setName(nullptr); }}};
  for (const auto& action : perLength) {
    rows.push_back({"letters > 0", [&] { action(0); }});
    rows.push_back({"letters < MAX_WORD_LENGTH", [&] { action(MAX_WORD_LENGTH); }});
  }
  for (const auto& [condition, action] : rows) {
    EXPECT_EXIT(action(), ::testing::ExitedWithCode(3),
                standardErrorMatches("^\r\nAssertion failed: " + condition +
                                     ", file player, line [0-9]+\r\n"))
        << condition;
  }
}

}  // namespace
