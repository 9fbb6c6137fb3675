// card_database_test.cpp -- cards, zoom texts and boosters from forged files, and damaged databases.
#include <gtest/gtest.h>

#include <cmath>

#include "core/random.h"
#include "data/card_database.h"
#include "tests/data/data_test_support.h"

namespace {

class CardDatabaseTest : public ::testing::Test {
 protected:
  void TearDown() override { CloseCardDatabase(); }
};

// A database of hand-made records: index entries and raw (unscrambled) texts.
bool WriteRawDatabase(const std::vector<std::uint32_t>& index, const std::string& records) {
  std::vector<std::uint8_t> ind;
  for (std::uint32_t e : index) PutU32(ind, e);
  platform::MakeDirectories("DATA\\CARDS\\SET 1");
  return WriteGameFile(CardIndexPath, ind) && WriteGameFile(CardRecordPath, Scrambled(records));
}

bool IsDefaultCard(const Card& card) { return card.id == -1 && card.name.length == 0 && card.icons == 0; }

}  // namespace

TEST_F(CardDatabaseTest, ForgedCardsReadBackAsTheTablesSayWithPricesFromValues) {
  FreshInstallDir("roundtrip");
  auto rows = SmallCardRows(5);
  rows[0].name = "petite \xC3\xA9toile";  // lower case and é become upper case
  rows[1].value = 101;
  rows[2].icons = "00000000";
  rows[3].value = 0;
  ASSERT_TRUE(WriteCardSet(rows, SmallFamilyRows(5), SmallOpponentRows()));
  ASSERT_EQ(CardCount(), 20);
  for (const CardRow& row : rows) {
    Card card = LoadCard(row.id);
    ASSERT_EQ(card.id, row.id);
    EXPECT_EQ(card.level, row.level);
    for (int d = 0; d < 8; ++d) EXPECT_EQ(card.Icon(d), row.icons[static_cast<std::size_t>(d)] - '0');
    EXPECT_EQ(card.price, static_cast<int>(std::trunc((row.value / 2) * 0.74))) << row.id;
  }
  EXPECT_EQ(LoadCard(1).name.View(), "PETITE \xC9TOILE");
  EXPECT_EQ(LoadCard(2).price, 37);
  EXPECT_EQ(LoadCard(3).icons, 0u);
  EXPECT_EQ(LoadCard(4).price, 0);
}

TEST_F(CardDatabaseTest, ValueIsASixteenBitNumberHalvedByAnArithmeticShift) {
  FreshInstallDir("wrap");
  // 70000 keeps its low 16 bits (4464); 40000 reads as -25536, halved to -12768.
  const std::string a = "#A#\r\n#10000000#\r\n#70000#\r\n#1#\r\n", b = "#B#\r\n#10000000#\r\n#40000#\r\n#1#\r\n";
  auto sa = static_cast<std::uint32_t>(a.size());
  ASSERT_TRUE(WriteRawDatabase({2, 0, sa, sa + static_cast<std::uint32_t>(b.size())}, a + b));
  ASSERT_TRUE(OpenCardDatabase());
  EXPECT_EQ(LoadCard(1).price, 1651);
  EXPECT_EQ(LoadCard(2).price, -9448);
}

TEST_F(CardDatabaseTest, InfoTextShowsTheLinesUpToTheCardsLevel) {
  FreshInstallDir("info");
  ASSERT_TRUE(WriteSmallCardSet(5));
  // Card 10 is the last card of level 2 (q = 5), family 4.
  EXPECT_EQ(CardInfoText(10), L"Family 4\nLevel 2\nNo 10\n\n  one 4\n  two 4");
  EXPECT_EQ(CardInfoText(1), L"Family 0\nLevel 1\nNo 1\n\n  one 0");
  EXPECT_EQ(CardInfoText(20), L"Family 4\nLevel 4\nNo 20\n\n  one 4\n  two 4\n  three\n  four");
  EXPECT_EQ(CardInfoText(16), L"Family 0\nLevel 4\nNo 16\n\n  one 0\n  two 0\n  three\n  four");
  EXPECT_EQ(CardInfoText(0), L"");
  EXPECT_EQ(CardInfoText(21), L"");
  platform::RemoveFile(CardInfoPath);
  EXPECT_EQ(CardInfoText(10), L"");
}

TEST_F(CardDatabaseTest, OnlyAnUnscrambledHashSeparatesFieldsAndTheFilesBytesReadAlike) {
  FreshInstallDir("bytes");
  // '}' scrambles to a '#' byte in the file, which is part of the name, not its end.
  const std::string record = "#A}B#\r\n#01234501#\r\n#100#\r\n#1#\r\n";
  ASSERT_TRUE(WriteRawDatabase({1, 0, static_cast<std::uint32_t>(record.size())}, record));
  ASSERT_TRUE(OpenCardDatabase());
  EXPECT_EQ(LoadCard(1).name.View(), "A}B");
  EXPECT_EQ(LoadCard(1).Icon(7), 1);
  // The same files handed over as bytes give the same cards and texts.
  ASSERT_TRUE(WriteSmallCardSet(5));
  std::vector<std::wstring> texts;
  std::vector<Card> cards;
  for (int id = 0; id <= 21; ++id) {
    texts.push_back(CardInfoText(id));
    cards.push_back(LoadCard(id));
  }
  ASSERT_TRUE(OpenCardDatabaseBytes(ReadGameFile(CardIndexPath), ReadGameFile(CardRecordPath)));
  const std::vector<std::uint8_t> info = ReadGameFile(CardInfoPath);
  EXPECT_TRUE(CheckCardInfoBytes(info));
  for (int id = 0; id <= 21; ++id) {
    EXPECT_EQ(CardInfoTextOf(info, id), texts[static_cast<std::size_t>(id)]) << id;
    EXPECT_EQ(LoadCard(id).name.View(), cards[static_cast<std::size_t>(id)].name.View()) << id;
    EXPECT_EQ(LoadCard(id).icons, cards[static_cast<std::size_t>(id)].icons) << id;
  }
  EXPECT_FALSE(CheckCardInfoBytes(std::vector<std::uint8_t>(info.begin(), info.end() - 3)));
  EXPECT_FALSE(OpenCardDatabaseBytes({1, 0, 0}, {}));
  EXPECT_EQ(CardCount(), 0);
}

TEST_F(CardDatabaseTest, MissingFilesLeaveAnEmptyDatabase) {
  FreshInstallDir("missing");
  EXPECT_FALSE(OpenCardDatabase());
  EXPECT_EQ(CardCount(), 0);
  EXPECT_FALSE(CardDatabaseProblem().empty());
  EXPECT_TRUE(IsDefaultCard(LoadCard(1)));
  EXPECT_TRUE(IsDefaultCard(RandomCardOfLevel(1)));
}

TEST_F(CardDatabaseTest, RecordsOutsideTheFileOrMalformedGiveTheDefaultCard) {
  FreshInstallDir("damaged");
  const std::string good = "#GOOD#\r\n#12345012#\r\n#100#\r\n#2#\r\n";  // 32 bytes
  std::string records = good + "#NOEND#\r\n#1234#";                     // card 2: fields missing
  std::size_t third = records.size();
  records += "#SEVEN#\r\n#12345017#\r\n#100#\r\n#1#\r\n";  // card 3: an icon of 7
  std::size_t fourth = records.size();
  records += "#SHORT#\r\n#1234501#\r\n#100#\r\n#1#\r\n";  // card 4: seven digits
  std::size_t fifth = records.size();
  records += "#LEVEL#\r\n#12345012#\r\n#100#\r\n#9#\r\n";  // card 5: level 9
  auto size = static_cast<std::uint32_t>(records.size());
  auto t = static_cast<std::uint32_t>(third), f4 = static_cast<std::uint32_t>(fourth),
       f5 = static_cast<std::uint32_t>(fifth);
  // Card 6 runs backwards, card 7 runs past the end of CARDS.DAT, card 8
  // starts past it with a huge length, card 9 runs backwards from there, and
  // card 10 has no end entry in the index.
  ASSERT_TRUE(WriteRawDatabase({10, 0, 32, t, f4, f5, size, 10, size + 100, 0x7FFFFFF0u, 0}, records));
  ASSERT_TRUE(OpenCardDatabase());
  ASSERT_EQ(CardCount(), 10);
  Card card = LoadCard(1);
  EXPECT_EQ(card.id, 1);
  EXPECT_EQ(card.name.View(), "GOOD");
  EXPECT_EQ(card.level, 2);
  for (int id : {2, 3, 4, 5, 6, 7, 8, 9, 10, 0, -1, 11, 32767}) EXPECT_TRUE(IsDefaultCard(LoadCard(id))) << id;
}

TEST_F(CardDatabaseTest, AnIndexTooShortOrAnnouncingTooManyCardsIsRefused) {
  FreshInstallDir("badindex");
  ASSERT_TRUE(WriteRawDatabase({}, ""));
  EXPECT_FALSE(OpenCardDatabase());
  ASSERT_TRUE(WriteRawDatabase({345, 0, 0}, ""));
  EXPECT_FALSE(OpenCardDatabase());
  EXPECT_EQ(CardCount(), 0);
  ASSERT_TRUE(WriteRawDatabase({0xFFFF, 0, 0}, ""));  // -1 cards
  EXPECT_FALSE(OpenCardDatabase());
  ASSERT_TRUE(WriteRawDatabase({0x10004, 0, 0}, ""));  // the low 16 bits count: 4
  EXPECT_TRUE(OpenCardDatabase());
  EXPECT_EQ(CardCount(), 4);
}

TEST_F(CardDatabaseTest, RandomCardsComeFromTheirLevelWithOneDrawEach) {
  FreshInstallDir("random");
  ASSERT_TRUE(WriteSmallCardSet(6));
  for (int level = 1; level <= 4; ++level) {
    SeedRandom(77);
    for (int i = 0; i < 50; ++i) {
      std::uint32_t before = RandomState();
      Card card = RandomCardOfLevel(level);
      SeedRandom(before);
      EXPECT_EQ(card.id, Random(6) + 6 * (level - 1) + 1);
      EXPECT_EQ(card.level, level);
    }
  }
}

TEST_F(CardDatabaseTest, BoosterDrawsFourThreeThenOneCardOfLevelThreeOrFour) {
  FreshInstallDir("booster");
  ASSERT_TRUE(WriteSmallCardSet(10));
  int levelFour = 0;
  const int boosters = 3000;
  SeedRandom(12345);
  for (int b = 0; b < boosters; ++b) {
    std::uint32_t state = RandomState();
    std::array<Card, 8> cards = MakeBooster();
    std::uint32_t after = RandomState();
    // The same draws by hand: seven cards, then Random(3) picks the level, then the card.
    SeedRandom(state);
    for (int i = 0; i < 8; ++i) {
      int level = i < 4 ? 1 : i < 7 ? 2 : (Random(3) == 0 ? 4 : 3);
      EXPECT_EQ(cards[static_cast<std::size_t>(i)].id, Random(10) + 10 * (level - 1) + 1);
      EXPECT_EQ(cards[static_cast<std::size_t>(i)].level, level);
    }
    ASSERT_EQ(RandomState(), after);
    if (cards[7].level == 4) ++levelFour;
  }
  EXPECT_NEAR(static_cast<double>(levelFour) / boosters, 1.0 / 3.0, 0.03);
}

TEST_F(CardDatabaseTest, RandomlyDamagedFilesNeverGiveAHalfReadCard) {
  FreshInstallDir("fuzz");
  ASSERT_TRUE(WriteSmallCardSet(6));
  const std::vector<std::uint8_t> index = ReadGameFile(CardIndexPath);
  const std::vector<std::uint8_t> records = ReadGameFile(CardRecordPath);
  std::uint32_t x = 7;
  auto next = [&] { return (x = x * 1664525u + 1013904223u) >> 8; };
  for (int round = 0; round < 300; ++round) {
    std::vector<std::uint8_t> ind = index, dat = records;
    for (int k = 0; k < 4; ++k) {
      std::vector<std::uint8_t>& target = next() % 2 ? ind : dat;
      target[next() % target.size()] = static_cast<std::uint8_t>(next());
    }
    ind[1] = 0;  // keep the card count small enough to be accepted
    dat.resize(next() % (dat.size() + 1));
    ASSERT_TRUE(WriteGameFile(CardIndexPath, ind));
    ASSERT_TRUE(WriteGameFile(CardRecordPath, dat));
    if (!OpenCardDatabase()) continue;
    for (int id = 0; id <= CardCount() + 1; ++id) {
      Card card = LoadCard(id);
      if (card.id == -1) {
        EXPECT_TRUE(IsDefaultCard(card));
        continue;
      }
      EXPECT_EQ(card.id, id);
      EXPECT_GE(card.level, 1);
      EXPECT_LE(card.level, 4);
      for (int d = 0; d < 8; ++d) EXPECT_LE(card.Icon(d), 5);
    }
  }
}

TEST_F(CardDatabaseTest, TheStartUpCheckRefusesADamagedSetAndNamesTheFile) {
  FreshInstallDir("check-good");
  ASSERT_TRUE(WriteSmallCardSet(5));
  EXPECT_TRUE(CheckCardDatabase()) << CardDatabaseProblem();
  EXPECT_TRUE(CardDatabaseProblem().empty());

  // One record cut short: the set opens, but the check names CARDS.DAT and the card.
  std::vector<std::uint8_t> dat = ReadGameFile(CardRecordPath);
  ASSERT_GT(dat.size(), 20u);
  std::vector<std::uint8_t> cut(dat.begin(), dat.begin() + static_cast<std::ptrdiff_t>(dat.size() - 10));
  ASSERT_TRUE(WriteGameFile(CardRecordPath, cut));
  ASSERT_TRUE(OpenCardDatabase());
  EXPECT_FALSE(CheckCardDatabase());
  EXPECT_NE(CardDatabaseProblem().find("CARDS.DAT"), std::string::npos) << CardDatabaseProblem();
  EXPECT_NE(CardDatabaseProblem().find("card 20"), std::string::npos) << CardDatabaseProblem();

  // A card of the wrong level for its number.
  FreshInstallDir("check-level");
  auto rows = SmallCardRows(5);
  rows[2].level = 3;
  ASSERT_TRUE(WriteCardSet(rows, SmallFamilyRows(5), SmallOpponentRows()));
  EXPECT_FALSE(CheckCardDatabase());
  EXPECT_NE(CardDatabaseProblem().find("card 3 has level 3"), std::string::npos) << CardDatabaseProblem();

  // CARDS.INF missing or ending before the last family's texts.
  FreshInstallDir("check-info");
  ASSERT_TRUE(WriteSmallCardSet(5));
  std::vector<std::uint8_t> inf = ReadGameFile(CardInfoPath);
  inf.resize(inf.size() / 2);
  ASSERT_TRUE(WriteGameFile(CardInfoPath, inf));
  EXPECT_FALSE(CheckCardDatabase());
  EXPECT_NE(CardDatabaseProblem().find("CARDS.INF"), std::string::npos) << CardDatabaseProblem();
  platform::RemoveFile(CardInfoPath);
  EXPECT_FALSE(CheckCardDatabase());

  // Fewer than four cards cannot fill the four levels.
  FreshInstallDir("check-few");
  const std::string a = "#A#\r\n#10000000#\r\n#100#\r\n#1#\r\n";
  auto sa = static_cast<std::uint32_t>(a.size());
  std::vector<std::uint8_t> ind;
  for (std::uint32_t e : {2u, 0u, sa, 2 * sa}) PutU32(ind, e);
  platform::MakeDirectories("DATA\\CARDS\\SET 1");
  ASSERT_TRUE(WriteGameFile(CardIndexPath, ind) && WriteGameFile(CardRecordPath, Scrambled(a + a)));
  ASSERT_TRUE(OpenCardDatabase());
  EXPECT_FALSE(CheckCardDatabase());
}
