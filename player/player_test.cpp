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
#include "support/tempfolder.h"

namespace {

using File = std::unique_ptr<FILE, int (*)(FILE*)>;

// A new file of `folder` holding `bytes`, opened in binary `mode` at its start.
File fileWith(const TempFolder& folder, const std::string& bytes, const char* mode = "r+b") {
  static int files = 0;
  const std::string name = "record" + std::to_string(++files);
  return File(std::fopen(folder.write(name, bytes).c_str(), mode), std::fclose);
}

std::string contents(FILE* stream) {
  std::rewind(stream);
  std::string bytes;
  for (int c; (c = std::fgetc(stream)) != EOF;) bytes += static_cast<char>(c);
  return bytes;
}

std::string saved(const Player& player) {
  TempFolder folder;
  File file = fileWith(folder, "");
  EXPECT_TRUE(player.save(file.get()));
  return contents(file.get());
}

// Loads `bytes` into `player`; returns the result and the stream's position afterwards.
std::pair<bool, long> load(Player& player, const std::string& bytes) {
  TempFolder folder;
  File file = fileWith(folder, bytes);
  bool loaded = player.load(file.get());
  return {loaded, std::ftell(file.get())};
}

std::string zeros(std::size_t count) { return std::string(count, '\0'); }

// The value of field `index` of the file form's groups: total, games, maximum, minimum per length.
std::int32_t field(const Player& player, int index) {
  const std::function<std::int32_t(std::int32_t)> fields[] = {
      [&](std::int32_t l) { return player.total(l); },
      [&](std::int32_t l) { return player.games(l); },
      [&](std::int32_t l) { return player.maximum(l); },
      [&](std::int32_t l) { return player.minimum(l); }};
  return fields[index % 4](index / 4 + 1);
}

struct Result {
  std::int32_t letters, amount;
  bool counted = true;
};

Player recorded(const std::vector<Result>& results) {
  Player player;
  for (const Result& r : results) {
    if (r.counted) {
      player.addResult(r.letters, r.amount);
    } else {
      player.addUncountedResult(r.letters, r.amount);
    }
  }
  return player;
}

// games, total, average, maximum, minimum
using Figures = std::tuple<std::int32_t, std::int32_t, double, std::int32_t, std::int32_t>;

TEST(PlayerTest, FiguresAfterResults) {
  const std::int32_t big = INT32_MAX;
  const struct {
    std::vector<Result> results;
    std::int32_t letters;
    Figures one, overall;
  } rows[] = {
      {{}, 5, {0, 0, 0.0, 0, 0}, {0, 0, 0.0, 0, 0}},
      {{{5, 7}, {5, 3}}, 5, {2, 10, 5.0, 7, 3}, {2, 10, 5.0, 7, 3}},
      {{{6, 9, false}}, 6, {0, 9, 0.0, 9, 0}, {0, 9, 0.0, 9, 0}},
      {{{4, -2}}, 4, {1, -2, -2.0, 0, -2}, {1, -2, -2.0, 0, -2}},
      {{{4, 1}, {4, 2}, {4, 3}, {4, 4}}, 4, {4, 10, 2.5, 4, 1}, {4, 10, 2.5, 4, 1}},
      {{{7, 5}, {7, 8}, {7, 5}, {3, 9}}, 7, {3, 18, 6.0, 8, 5}, {4, 27, 6.75, 9, 5}},
      {{{7, -5, false}, {7, 3}}, 7, {1, -2, -2.0, 3, 3}, {1, -2, -2.0, 3, 3}},
      {{{3, -4}, {3, -6}}, 3, {2, -10, -5.0, 0, -6}, {2, -10, -5.0, 0, -6}},
      {{{2, big}, {2, 1}, {15, big}},
       2,
       {2, INT32_MIN, INT32_MIN / 2.0, big, 1},
       {3, -1, -1.0 / 3, big, 1}},
  };
  for (const auto& row : rows) {
    Player p = recorded(row.results);
    const std::int32_t l = row.letters;
    EXPECT_EQ(Figures(p.games(l), p.total(l), p.average(l), p.maximum(l), p.minimum(l)), row.one)
        << l;
    EXPECT_EQ(Figures(p.totalGames(), p.grandTotal(), p.overallAverage(), p.overallMaximum(),
                      p.overallMinimum()),
              row.overall)
        << l;
  }
}

TEST(PlayerFileTest, ValuesAreLittleEndianTwosComplement) {
  const struct {
    std::int32_t value;
    const char* bytes;
  } rows[] = {{200, "\xC8\0\0\0"},
              {-1, "\xFF\xFF\xFF\xFF"},
              {INT32_MIN, "\0\0\0\x80"},
              {INT32_MAX, "\xFF\xFF\xFF\x7F"},
              {0x12345678, "\x78\x56\x34\x12"}};
  for (const auto& row : rows) {
    TempFolder folder;
    File file = fileWith(folder, "");
    ASSERT_TRUE(Player::writeInt32(file.get(), row.value));
    EXPECT_EQ(contents(file.get()), std::string(row.bytes, 4)) << row.value;
    std::rewind(file.get());
    std::int32_t read = 0;
    EXPECT_TRUE(Player::readInt32(file.get(), &read));
    EXPECT_EQ(read, row.value);
    EXPECT_FALSE(Player::readInt32(fileWith(folder, std::string(row.bytes, 3)).get(), &read));
    EXPECT_EQ(read, row.value);
  }
}

TEST(PlayerFileTest, SavedBytes) {
  Player named;
  named.setName("abc");
  const struct {
    Player player;
    std::string bytes;
  } rows[] = {
      {Player(), zeros(244)},
      {named, std::string("\3\0\0\0abc", 7) + zeros(240)},
      {recorded({{1, 200}, {1, -1}}),
       zeros(4) + std::string("\xC7\0\0\0\2\0\0\0\xC8\0\0\0\xFF\xFF\xFF\xFF", 16) + zeros(224)},
      {recorded({{15, -1, false}}), zeros(228) + "\xFF\xFF\xFF\xFF" + zeros(12)},
  };
  for (const auto& row : rows) EXPECT_EQ(saved(row.player), row.bytes);

  TempFolder folder;
  EXPECT_FALSE(named.save(fileWith(folder, "", "rb").get()));
}

TEST(PlayerFileTest, RoundTripKeepsEveryField) {
  Player original = recorded({{1, INT32_MIN}, {1, INT32_MAX}, {8, -3}, {15, INT32_MAX, false}});
  original.setName(std::string(600, 'n').c_str());
  EXPECT_EQ(original.name().length(), 511u);
  const std::string bytes = saved(original);
  EXPECT_EQ(bytes.size(), 244u + 511u);

  Player loaded = recorded({{2, 5}});
  loaded.setName("old");
  EXPECT_EQ(load(loaded, bytes), std::make_pair(true, 755L));
  EXPECT_STREQ(loaded.name(), original.name());
  EXPECT_EQ(saved(loaded), bytes);
}

TEST(PlayerFileTest, CutRecordsLoadTheirFront) {
  Player source;
  for (std::int32_t l = 1; l < MAX_WORD_LENGTH; ++l) {
    source.addResult(l, 100 * l);
    source.addResult(l, -l);
  }
  source.setName("abc");
  const std::string bytes = saved(source);
  const struct {
    std::size_t cut;
    const char* name;
    int fields;
  } rows[] = {{0, "old", 0},  {3, "old", 0},  {6, "old", 0},    {7, "abc", 0},
              {10, "abc", 0}, {11, "abc", 1}, {130, "abc", 30}, {246, "abc", 59}};
  for (const auto& row : rows) {
    Player loaded;
    loaded.setName("old");
    EXPECT_FALSE(load(loaded, bytes.substr(0, row.cut)).first) << row.cut;
    EXPECT_STREQ(loaded.name(), row.name) << row.cut;
    for (int i = 0; i < 60; ++i) {
      EXPECT_EQ(field(loaded, i), i < row.fields ? field(source, i) : 0) << row.cut << " " << i;
    }
  }
}

TEST(PlayerFileTest, StoredNameLengths) {
  const std::string groups = saved(recorded({{1, 4}})).substr(4);
  const struct {
    const char* length;
    bool loaded;
    long position;
  } rows[] = {{"\0\0\0\0", true, 244},
              {"\xFF\xFF\xFF\xFF", true, 244},
              {"\0\2\0\0", false, 4},
              {"\0\0\1\0", false, 4}};
  for (const auto& row : rows) {
    Player player;
    player.setName("old");
    EXPECT_EQ(load(player, std::string(row.length, 4) + groups),
              std::make_pair(row.loaded, row.position));
    EXPECT_STREQ(player.name(), "old");
    EXPECT_EQ(player.games(1), row.loaded ? 1 : 0);
  }
}

TEST(PlayerFileTest, LoadedGamesDecideTheMinimum) {
  // Length 1: no games but a stored minimum of -9; length 2: one game of -3.
  const std::string bytes = zeros(16) + "\xF7\xFF\xFF\xFF" +
                            std::string("\xFD\xFF\xFF\xFF\1\0\0\0\0\0\0\0\xFD\xFF\xFF\xFF", 16) +
                            zeros(208);
  Player player;
  ASSERT_TRUE(load(player, bytes).first);
  EXPECT_EQ(std::make_tuple(player.minimum(1), player.minimum(2), player.overallMinimum()),
            std::make_tuple(0, -3, -3));
  player.addResult(1, 5);
  player.addResult(2, 4);
  EXPECT_EQ(std::make_tuple(player.minimum(1), player.minimum(2), player.overallMinimum()),
            std::make_tuple(5, -3, -3));
}

TEST(PlayerDeathTest, GuardsReportTheirCondition) {
  Player player;
  std::int32_t value = 0;
  const std::vector<std::function<void(std::int32_t)>> perLength = {
      [&](std::int32_t l) { player.games(l); },
      [&](std::int32_t l) { player.total(l); },
      [&](std::int32_t l) { player.average(l); },
      [&](std::int32_t l) { player.maximum(l); },
      [&](std::int32_t l) { player.minimum(l); },
      [&](std::int32_t l) { player.addResult(l, 1); },
      [&](std::int32_t l) { player.addUncountedResult(l, 1); }};
  std::vector<std::pair<std::string, std::function<void()>>> rows = {
      {"name", [&] { player.setName(nullptr); }},
      {"stream", [&] { Player::writeInt32(nullptr, 1); }},
      {"stream", [&] { Player::readInt32(nullptr, &value); }},
      {"value", [&] { Player::readInt32(stdin, nullptr); }}};
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
