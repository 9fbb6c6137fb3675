// save_damage_test.cpp -- every single-byte change, zeroed run and truncation of a real character file is
// either refused (nothing in memory changes) or loads a character that saves back to exactly those bytes.
#include <gtest/gtest.h>

#include <cstdio>

#include "data/card_database.h"
#include "data/duel_stats.h"
#include "data/save_file.h"
#include "tests/data/data_test_support.h"

namespace {

class SaveDamage : public ::testing::Test {
 protected:
  void SetUp() override {
    FreshInstallDir("save-damage");
    ASSERT_TRUE(WriteSmallCardSet(10));
    // A career: profile lines, cards of every level with a few doubles, a full deck, statistics.
    PlayerRecord& r = CurrentPlayer;
    r = PlayerRecord{};
    ResetPlayer(r);
    r.name = L"Marguerite";
    r.profileNumber = 4711;
    r.profileText1 = L"plays at night";
    r.profileText2 = L"";
    r.kind = KindLocal;
    r.slot = 1;
    r.credits = 12345;
    for (int id = 1; id <= 40; id += 3) AddCopy(r, id);
    for (int id = 2; id <= 40; id += 7) AddCopy(r, id);
    for (int id = 1; id <= 40 && r.deck.count < 14; id += 3) AddToDeck(r, id, false);
    ClearDuelStats();
    DuelStats.opponents[1][7].victories = 3;
    DuelStats.opponents[2][0].defeats = 2;
    DuelStats.tourneysPlayed[0] = 1;
    DuelStats.perfectsReceived = 1;
    ASSERT_TRUE(SaveCharacter());
    good = ReadGameFile(CharacterSavePath(1));
    ASSERT_FALSE(good.empty());
    ASSERT_TRUE(LoadCharacterBytes(1, good));
    // What memory holds before each damaged file: something else entirely.
    sentinel = CurrentPlayer;
    sentinel.name = L"SENTINEL";
    sentinel.credits = 99;
    sentinelStats = DuelStats;
    sentinelStats.perfectsRealised = 77;
    sentinelBytes = EncodeCharacterFile(sentinel, sentinelStats);
  }
  void TearDown() override { CloseCardDatabase(); }

  // Loads `bytes` over the sentinel; true when the property holds.
  bool RefusedOrExact(const std::vector<std::uint8_t>& bytes) {
    CurrentPlayer = sentinel;
    DuelStats = sentinelStats;
    if (LoadCharacterBytes(1, bytes)) {
      ++loaded;
      return EncodeCharacterFile(CurrentPlayer, DuelStats) == bytes;
    }
    ++refused;
    return EncodeCharacterFile(CurrentPlayer, DuelStats) == sentinelBytes;
  }

  std::vector<std::uint8_t> good;
  PlayerRecord sentinel;
  DuelStatistics sentinelStats;
  std::vector<std::uint8_t> sentinelBytes;
  long loaded = 0, refused = 0;
};

TEST_F(SaveDamage, EverySingleByteChangeIsRefusedOrSavesBackTheSame) {
  int broken = 0;
  for (std::size_t at = 0; at < good.size(); ++at)
    for (int v = 0; v < 256; ++v) {
      if (v == good[at]) continue;
      std::vector<std::uint8_t> bytes = good;
      bytes[at] = static_cast<std::uint8_t>(v);
      if (!RefusedOrExact(bytes) && ++broken <= 5) ADD_FAILURE() << "byte " << at << " set to " << v;
    }
  EXPECT_EQ(broken, 0);
  std::printf("%zu bytes x 255 changes: %ld loaded and saved back the same, %ld refused\n", good.size(), loaded,
              refused);
  // The fields the check value covers do refuse: credits (bytes 10.. after the texts) and the collection.
  EXPECT_GT(refused, 0);
  EXPECT_GT(loaded, 0);
}

TEST_F(SaveDamage, ZeroedRunsAndEveryTruncationAreRefusedOrSaveBackTheSame) {
  int broken = 0;
  for (std::size_t run : {2u, 4u, 16u, 64u})
    for (std::size_t at = 0; at + run <= good.size(); ++at) {
      std::vector<std::uint8_t> bytes = good;
      for (std::size_t i = 0; i < run; ++i) bytes[at + i] = 0;
      if (!RefusedOrExact(bytes) && ++broken <= 5) ADD_FAILURE() << run << " zeros at " << at;
    }
  EXPECT_TRUE(RefusedOrExact(std::vector<std::uint8_t>(good.size(), 0)));
  const long loadedBefore = loaded;
  for (std::size_t size = 0; size < good.size(); ++size) {
    std::vector<std::uint8_t> cut(good.begin(), good.begin() + static_cast<std::ptrdiff_t>(size));
    if (!RefusedOrExact(cut) && ++broken <= 5) ADD_FAILURE() << "cut to " << size;
  }
  EXPECT_EQ(loaded, loadedBefore) << "a truncated file loaded";
  EXPECT_EQ(broken, 0);
}

TEST_F(SaveDamage, HeaderBytesTheCheckValueDoesNotCoverAreStillRefused) {
  std::vector<std::uint8_t> bytes = good;
  bytes[0] ^= 1;  // version stamp
  EXPECT_FALSE(LoadCharacterBytes(1, bytes));
  // The slot and kind bytes stand right after the masked credits.
  const std::size_t kindAt = 2 + (2 + 10) + 2 + (2 + 14) + 2 + 4;
  bytes = good;
  ASSERT_EQ(bytes[kindAt], KindLocal);
  bytes[kindAt] = KindComputer;
  EXPECT_FALSE(LoadCharacterBytes(1, bytes));
  bytes = good;
  ASSERT_EQ(bytes[kindAt + 1], 1);
  bytes[kindAt + 1] = 2;  // the file of slot 1 claiming slot 2 would be saved over slot 2
  EXPECT_FALSE(LoadCharacterBytes(1, bytes));
  // Through the file as the game loads it, the refused file leaves the character as it was.
  ASSERT_TRUE(WriteGameFile(CharacterSavePath(1), bytes));
  CurrentPlayer = sentinel;
  EXPECT_FALSE(LoadCharacter(1));
  EXPECT_EQ(CurrentPlayer.name, L"SENTINEL");
  ASSERT_TRUE(WriteGameFile(CharacterSavePath(1), good));
  EXPECT_TRUE(LoadCharacter(1));
  EXPECT_EQ(CurrentPlayer.name, L"Marguerite");
}

}  // namespace
