// save_file_test.cpp -- character files byte for byte, their check value, damaged files and safe saving.
#include <gtest/gtest.h>

#include <unistd.h>

#include <cstdio>

#include "data/card_database.h"
#include "data/save_file.h"
#include "tests/data/data_test_support.h"

namespace {

class SaveFileTest : public ::testing::Test {
 protected:
  void SetUp() override {
    FreshInstallDir(::testing::UnitTest::GetInstance()->current_test_info()->name());
    ASSERT_TRUE(WriteSmallCardSet(10));
    CurrentPlayer = PlayerRecord{};
    ClearDuelStats();
  }
  void TearDown() override {
    CloseCardDatabase();
    RememberLastCharacter = nullptr;
  }
};

void Put16(std::vector<std::uint8_t>& b, int v) {
  b.push_back(static_cast<std::uint8_t>(v & 0xFF));
  b.push_back(static_cast<std::uint8_t>((v >> 8) & 0xFF));
}

void Put32(std::vector<std::uint8_t>& b, std::uint32_t v) { PutU32(b, v); }

// "Al", 42, "x", "", 1000 credits, slot 2, two of card 1 and one of card 3,
// cards 1 and 3 in slots 0 and 2 of the deck, 4 victories against Elite 14.
PlayerRecord SampleRecord() {
  PlayerRecord r;
  r.name = L"Al";
  r.profileNumber = 42;
  r.profileText1 = L"x";
  r.credits = 1000;
  r.slot = 2;
  r.kind = KindComputer;  // saved as a Local record all the same
  AddCopy(r, 1);
  AddCopy(r, 1);
  AddCopy(r, 3);
  r.deck.slots[0] = LoadCard(1);
  r.deck.slots[2] = LoadCard(3);
  r.deck.count = 2;
  return r;
}

std::vector<std::uint8_t> SampleBytes() {
  std::vector<std::uint8_t> b;
  Put16(b, 0x010D);
  Put16(b, 2);
  b.push_back('A' ^ 0x6C);
  b.push_back('l' ^ 0x6C);
  Put16(b, 42);
  Put16(b, 1);
  b.push_back('x' ^ 0x6C);
  Put16(b, 0);
  Put32(b, 1000u ^ 0x2E71C94Au);
  b.push_back(2);
  b.push_back(2);
  std::vector<std::uint8_t> collection(344, 0);
  collection[0] = 2;
  collection[2] = 1;
  b.insert(b.end(), collection.begin(), collection.end());
  b.push_back(2);
  const int deck[16] = {1, -1, 3, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1};
  for (int id : deck) Put16(b, id);
  // 'A' + 1000 - (2 * 0 + 1 * 2)
  Put32(b, 1063u ^ 0x2E71C94Au);
  for (int c = 0; c < 3; ++c) {
    for (int j = 0; j < 15; ++j) {
      Put16(b, c == 0 && j == 1 ? 5 : 0);   // ties
      Put16(b, 0);                          // defeats
      Put16(b, c == 2 && j == 14 ? 4 : 0);  // victories
    }
    Put16(b, c == 1 ? 1 : 0);  // tourneys won
    Put16(b, c == 1 ? 3 : 0);  // tourneys played
  }
  Put16(b, 7);
  Put16(b, -2);
  return b;
}

DuelStatistics SampleStats() {
  DuelStatistics s;
  s.opponents[0][1].ties = 5;
  s.opponents[2][14].victories = 4;
  s.tourneysWon[1] = 1;
  s.tourneysPlayed[1] = 3;
  s.perfectsRealised = 7;
  s.perfectsReceived = -2;
  return s;
}

}  // namespace

TEST_F(SaveFileTest, CharacterFileIsWrittenByteForByte) {
  EXPECT_EQ(EncodeCharacterFile(SampleRecord(), SampleStats()), SampleBytes());
}

TEST_F(SaveFileTest, EmptyRecordHasCheckValueZero) {
  PlayerRecord r;
  EXPECT_EQ(SaveCheckValue(r), 0);
  std::vector<std::uint8_t> bytes = EncodeCharacterFile(r, DuelStatistics{});
  // version, three empty texts, profile number, credits, kind, slot, collection, deck count, ids
  std::size_t checkAt = 2 + 2 + 2 + 2 + 2 + 4 + 1 + 1 + 344 + 1 + 32;
  ByteReader in(bytes.data() + checkAt, 4);
  EXPECT_EQ(in.I32(), SaveMask);
}

TEST_F(SaveFileTest, HandMadeFileDecodesWithItsDeckAndStatistics) {
  SavedCharacter saved = DecodeCharacterFile(SampleBytes());
  ASSERT_TRUE(saved.valid);
  EXPECT_EQ(saved.record.name, L"Al");
  EXPECT_EQ(saved.record.credits, 1000);
  EXPECT_EQ(saved.record.kind, KindLocal);
  EXPECT_EQ(saved.record.cardTotal, 3);
  EXPECT_EQ(saved.deckIds[2], 3);
  EXPECT_EQ(saved.stats.opponents[2][14].victories, 4);
  EXPECT_EQ(saved.stats.perfectsReceived, -2);

  PlayerRecord r;
  std::vector<std::uint8_t> bytes = SampleBytes();
  ByteReader in(bytes.data() + 2, bytes.size() - 2);
  ASSERT_TRUE(ReadPlayerRecord(r, in));
  EXPECT_EQ(r.deck.count, 2);
  EXPECT_EQ(r.deck.slots[2].name.View(), "CARD 3");
  EXPECT_EQ(r.deck.slots[1].id, -1);
}

TEST_F(SaveFileTest, HandEditedCountsBreakTheCheckButDeckIdsDoNot) {
  const std::size_t collectionAt = 2 + 4 + 2 + 3 + 2 + 4 + 2;
  std::vector<std::uint8_t> bytes = SampleBytes();
  bytes[collectionAt + 5] = 1;  // one of card 6
  EXPECT_FALSE(DecodeCharacterFile(bytes).valid);
  bytes = SampleBytes();
  bytes[collectionAt] = 9;  // element 0 is weighted by 0
  EXPECT_TRUE(DecodeCharacterFile(bytes).valid);
  bytes = SampleBytes();
  bytes[collectionAt + 344 + 1] = 9;  // deck slot 0 now holds card 9
  EXPECT_TRUE(DecodeCharacterFile(bytes).valid);
  bytes = SampleBytes();
  bytes[2 + 2] ^= 1;  // first letter of the name
  EXPECT_FALSE(DecodeCharacterFile(bytes).valid);
  bytes = SampleBytes();
  bytes[collectionAt + 344] = 17;  // a deck count above 16
  EXPECT_FALSE(DecodeCharacterFile(bytes).valid);
}

TEST_F(SaveFileTest, TruncatedOverLongAndGarbageFilesAreInvalid) {
  const std::vector<std::uint8_t> good = SampleBytes();
  for (std::size_t size = 0; size < good.size(); ++size) {
    std::vector<std::uint8_t> cut(good.begin(), good.begin() + static_cast<std::ptrdiff_t>(size));
    EXPECT_FALSE(DecodeCharacterFile(cut).valid) << size;
  }
  std::vector<std::uint8_t> longer = good;
  longer.push_back(0);
  EXPECT_FALSE(DecodeCharacterFile(longer).valid);
  std::vector<std::uint8_t> garbage(good.size());
  std::uint32_t x = 1;
  for (int round = 0; round < 200; ++round) {
    for (std::uint8_t& b : garbage) b = static_cast<std::uint8_t>((x = x * 1103515245u + 12345u) >> 24);
    EXPECT_FALSE(DecodeCharacterFile(garbage).valid);
  }
  // A text length of -1 and one of 32767 with a few bytes behind it.
  std::vector<std::uint8_t> negative = {0x0D, 0x01, 0xFF, 0xFF, 1, 2, 3};
  EXPECT_FALSE(DecodeCharacterFile(negative).valid);
  std::vector<std::uint8_t> huge = {0x0D, 0x01, 0xFF, 0x7F, 1, 2, 3};
  EXPECT_FALSE(DecodeCharacterFile(huge).valid);
}

TEST_F(SaveFileTest, SavedCharacterLoadsBackWithItsStatistics) {
  CurrentPlayer = SampleRecord();
  CurrentPlayer.name = L"\u00C9lodie";
  CurrentPlayer.credits = -5;
  DuelStats = SampleStats();
  int remembered = 0;
  RememberLastCharacter = [&](std::uint8_t slot) { remembered = slot; };
  ASSERT_TRUE(SaveCharacter());
  EXPECT_EQ(remembered, 2);
  ASSERT_TRUE(platform::FileExists("SAVE\\Player2.QXP"));

  CurrentPlayer = PlayerRecord{};
  ClearDuelStats();
  ASSERT_TRUE(LoadCharacter(2));
  EXPECT_EQ(CurrentPlayer.name, L"\u00C9lodie");
  EXPECT_EQ(CurrentPlayer.credits, -5);
  EXPECT_EQ(CurrentPlayer.slot, 2);
  EXPECT_EQ(CurrentPlayer.collection[0], 2);
  EXPECT_EQ(CurrentPlayer.cardTotal, 3);
  EXPECT_EQ(CurrentPlayer.deck.count, 2);
  EXPECT_EQ(CurrentPlayer.deck.slots[0].id, 1);
  EXPECT_EQ(DuelStats.opponents[0][1].ties, 5);
  EXPECT_EQ(DuelStats.tourneysPlayed[1], 3);
  EXPECT_EQ(DuelStats.perfectsRealised, 7);
}

TEST_F(SaveFileTest, AnInvalidFileChangesNeitherTheCharacterNorTheStatistics) {
  std::vector<std::uint8_t> bytes = SampleBytes();
  bytes[20] ^= 0x40;
  ASSERT_TRUE(WriteGameFile("SAVE\\Player1.QXP", bytes));
  CurrentPlayer.name = L"KEEP";
  DuelStats.perfectsRealised = 11;
  EXPECT_FALSE(LoadCharacter(1));
  EXPECT_FALSE(LoadCharacter(3));  // no file
  EXPECT_FALSE(LoadCharacter(0));
  EXPECT_EQ(CurrentPlayer.name, L"KEEP");
  EXPECT_EQ(DuelStats.perfectsRealised, 11);
}

TEST_F(SaveFileTest, AQuickGameCharacterIsNeverWritten) {
  CurrentPlayer.slot = 255;
  bool remembered = false;
  RememberLastCharacter = [&](std::uint8_t) { remembered = true; };
  EXPECT_TRUE(SaveCharacter());
  EXPECT_FALSE(remembered);
  EXPECT_FALSE(platform::FileExists("SAVE\\Player255.QXP"));
}

TEST_F(SaveFileTest, AFailedSaveLeavesThePreviousSaveWholeAndALeftoverTempFileIsHarmless) {
  CurrentPlayer = SampleRecord();
  DuelStats = SampleStats();
  ASSERT_TRUE(SaveCharacter());
  const std::vector<std::uint8_t> before = ReadGameFile("SAVE\\Player2.QXP");

  // The temporary file cannot be made (a folder stands in its way): the save fails.
  ASSERT_TRUE(platform::MakeDirectories("SAVE\\Player2.QXP.tmp"));
  CurrentPlayer.credits = 1;
  EXPECT_FALSE(SaveCharacter());
  EXPECT_EQ(ReadGameFile("SAVE\\Player2.QXP"), before);
  ASSERT_TRUE(LoadCharacter(2));
  EXPECT_EQ(CurrentPlayer.credits, 1000);
  ASSERT_EQ(::rmdir(platform::HostPath("SAVE\\Player2.QXP.tmp").c_str()), 0);

  // A half-written temporary file from a killed save is simply replaced.
  ASSERT_TRUE(platform::MakeDirectories("SAVE"));
  std::vector<std::uint8_t> half(before.begin(), before.begin() + 30);
  ASSERT_TRUE(WriteGameFile("SAVE\\Player2.QXP.tmp.x", half));
  ASSERT_EQ(::rename(platform::HostPath("SAVE\\Player2.QXP.tmp.x").c_str(),
                     platform::HostPath("SAVE\\Player2.QXP.tmp").c_str()),
            0);
  ASSERT_TRUE(LoadCharacter(2));
  CurrentPlayer.credits = 2;
  ASSERT_TRUE(SaveCharacter());
  ASSERT_TRUE(LoadCharacter(2));
  EXPECT_EQ(CurrentPlayer.credits, 2);
  EXPECT_FALSE(platform::FileExists("SAVE\\Player2.QXP.tmp"));

  // No save folder at all: nothing is written, nothing is claimed.
  CloseCardDatabase();
  FreshInstallDir("nosavefolder");
  EXPECT_FALSE(SaveCharacter());
}

TEST_F(SaveFileTest, TheCharacterListReadsIdentitiesWithoutTheCheck) {
  std::vector<std::uint8_t> bytes = SampleBytes();
  bytes[30] ^= 0x11;  // a collection count: the file is invalid, its identity still shows
  ASSERT_TRUE(WriteGameFile("SAVE\\Player3.QXP", bytes));
  PlayerRecord identity;
  ASSERT_TRUE(ReadSlotIdentity(3, identity));
  EXPECT_EQ(identity.name, L"Al");
  EXPECT_EQ(identity.profileNumber, 42);
  EXPECT_EQ(identity.profileText1, L"x");
  EXPECT_EQ(identity.credits, 1000);
  EXPECT_EQ(identity.kind, KindLocal);
  EXPECT_EQ(identity.slot, 3);
  ASSERT_TRUE(WriteGameFile("SAVE\\Player1.QXP", std::vector<std::uint8_t>(bytes.begin(), bytes.begin() + 12)));
  for (int slot : {1, 2}) {
    EXPECT_FALSE(ReadSlotIdentity(slot, identity));
    EXPECT_EQ(identity.name, L"");
    EXPECT_EQ(identity.profileNumber, -1);
    EXPECT_EQ(identity.profileText1, L"");
    EXPECT_EQ(identity.credits, 700);
    EXPECT_EQ(identity.slot, slot);
  }
}
