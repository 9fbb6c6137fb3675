// roster_test.cpp -- the roster file, generated opponent decks and the final opponent's deck.
#include <gtest/gtest.h>

#include <set>

#include "core/random.h"
#include "data/card_database.h"
#include "data/deck_table.h"
#include "data/roster.h"
#include "tests/data/data_test_support.h"

namespace {

class RosterTest : public ::testing::Test {
 protected:
  void TearDown() override { CloseCardDatabase(); }
};

// The deck generation as the club's rules describe it, written out plainly.
void ReferenceDeck(int opponentClass, int tier, int q, std::vector<int>& ids) {
  ids.clear();
  auto contains = [&](int id) { return std::find(ids.begin(), ids.end(), id) != ids.end(); };
  for (int level = 1; level <= 4; ++level) {
    for (int n = 0; n < OpponentDeckTable[opponentClass][tier][level - 1]; ++n) {
      int pick;
      do pick = Random(q) + q * (level - 1) + 1;
      while (contains(pick));
      for (int k = 0; k < opponentClass + tier; ++k) {
        int candidate;
        do candidate = Random(q) + q * (level - 1) + 1;
        while (contains(candidate));
        if (LoadCard(candidate).price > LoadCard(pick).price) pick = candidate;
      }
      ids.push_back(pick);
    }
  }
}

}  // namespace

TEST_F(RosterTest, LoadsNamesProfilesAndLevelCodesInFileOrder) {
  FreshInstallDir("load");
  auto opponents = SmallOpponentRows();
  opponents[1].name = "l\xC3\xA9o";
  ASSERT_TRUE(WriteCardSet(SmallCardRows(4), SmallFamilyRows(4), opponents));
  ASSERT_TRUE(LoadRoster());
  EXPECT_EQ(RosterOpponent(1, 0).name, L"L\u00C9O");
  for (int c = 0; c < 3; ++c)
    for (int j = 0; j < 15; ++j) {
      const PlayerRecord& r = OpponentRoster[j * 3 + c];
      EXPECT_EQ(&r, &RosterOpponent(j, c));
      if (c != 0 || j != 1) {
        EXPECT_EQ(r.name, L"RIVAL " + std::to_wstring(c) + L" " + std::to_wstring(j));
      }
      EXPECT_EQ(r.profileNumber, 100 * c + j);
      EXPECT_EQ(r.profileText1, L"likes " + std::to_wstring(j));
      EXPECT_EQ(r.profileText2, L"drinks tea");
      EXPECT_EQ(r.kind, KindComputer);
      EXPECT_EQ(r.slot, 0);
      EXPECT_EQ(OpponentDescription(j, c), L"description " + std::to_wstring(c * 15 + j));
    }
  EXPECT_EQ(RosterOpponent(11, 2).levelCode, 22);
  for (int j : {12, 13, 14}) EXPECT_EQ(RosterOpponent(j, 1).levelCode, 13);
  EXPECT_EQ(FindRosterOpponent(L"RIVAL 2 7"), &RosterOpponent(7, 2));
  EXPECT_EQ(FindRosterOpponent(L"NOBODY"), nullptr);
  EXPECT_EQ(OpponentDescription(15, 0), L"");
}

TEST_F(RosterTest, MissingOrTruncatedFileIsReportedAndDescriptionsAreEmpty) {
  FreshInstallDir("missing");
  EXPECT_FALSE(LoadRoster());
  EXPECT_EQ(OpponentDescription(0, 0), L"");
  // A file that stops inside its third entry.
  ASSERT_TRUE(platform::MakeDirectories("DATA"));
  ASSERT_TRUE(WriteGameFile(RosterPath, Scrambled("#A##1##x##d##y#\r\n#B##2##x##d##y#\r\n#C##3##x#")));
  EXPECT_FALSE(LoadRoster());
  EXPECT_EQ(RosterOpponent(0, 0).name, L"A");
  EXPECT_EQ(RosterOpponent(1, 0).profileNumber, 2);
  EXPECT_EQ(OpponentDescription(1, 0), L"d");
  EXPECT_EQ(OpponentDescription(2, 0), L"");
  // The description is given as soon as it has been read, even when the entry stops after it.
  ASSERT_TRUE(WriteGameFile(RosterPath, Scrambled("#A##1##x##d##y#\r\n#B##2##x##the last#")));
  EXPECT_EQ(OpponentDescription(1, 0), L"the last");
}

TEST_F(RosterTest, EveryClassAndTierGetsSixteenDistinctCardsByTheTable) {
  FreshInstallDir("decks");
  ASSERT_TRUE(WriteSmallCardSet(14));
  SeedRandom(2024);
  for (int c = 0; c < 3; ++c)
    for (int t = 0; t < 4; ++t) {
      Deck deck;
      ASSERT_TRUE(BuildOpponentDeck(deck, c, t));
      ASSERT_EQ(deck.count, 16);
      std::set<int> ids;
      int perLevel[5] = {};
      int lastLevel = 1;
      for (const Card& card : deck.slots) {
        ids.insert(card.id);
        ++perLevel[card.level];
        EXPECT_GE(card.level, lastLevel);
        lastLevel = card.level;
      }
      EXPECT_EQ(ids.size(), 16u);
      for (int level = 1; level <= 4; ++level) EXPECT_EQ(perLevel[level], OpponentDeckTable[c][t][level - 1]);
    }
}

TEST_F(RosterTest, DecksKeepTheFirstOfEquallyPricedDrawsInTheGamesDrawOrder) {
  FreshInstallDir("draws");
  ASSERT_TRUE(WriteSmallCardSet(14));  // prices repeat every 13 ids, so ties occur
  for (auto [c, t] : {std::pair{0, 0}, {1, 2}, {2, 3}}) {
    for (std::uint32_t seed : {1u, 99u, 4242u}) {
      SeedRandom(seed);
      Deck deck;
      ASSERT_TRUE(BuildOpponentDeck(deck, c, t));
      std::uint32_t after = RandomState();
      SeedRandom(seed);
      std::vector<int> expected;
      ReferenceDeck(c, t, 14, expected);
      EXPECT_EQ(RandomState(), after);
      for (int i = 0; i < 16; ++i) EXPECT_EQ(deck.slots[i].id, expected[static_cast<std::size_t>(i)]);
    }
  }
}

TEST_F(RosterTest, ACardSetTooSmallForADeckIsRefusedWithoutDrawing) {
  FreshInstallDir("small");
  ASSERT_TRUE(WriteSmallCardSet(7));
  Deck deck;
  SeedRandom(5);
  EXPECT_FALSE(BuildOpponentDeck(deck, 2, 3));  // needs 12 level-4 cards
  EXPECT_EQ(RandomState(), 5u);
  EXPECT_EQ(deck.count, 0);
  EXPECT_NE(OpponentDeckProblem(2, 3).find("needs 12"), std::string::npos);
  EXPECT_TRUE(BuildOpponentDeck(deck, 0, 0));  // 7 of level 1 and 2: every card once
  EXPECT_FALSE(BuildOpponentDeck(deck, 3, 0));
  EXPECT_FALSE(BuildOpponentDeck(deck, 0, 4));
  CloseCardDatabase();
  EXPECT_FALSE(BuildOpponentDeck(deck, 0, 0));
}

TEST_F(RosterTest, ADamagedRecordEndsTheDeckInsteadOfDrawingForEver) {
  FreshInstallDir("damagedrecord");
  ASSERT_TRUE(WriteSmallCardSet(7));
  // Cut CARDS.DAT inside card 3's record: that level-1 card can no longer be read,
  // and a Guest tier-0 deck needs all seven level-1 cards.
  std::vector<std::uint8_t> index = ReadGameFile(CardIndexPath);
  std::uint32_t start3 = index[12] | index[13] << 8;
  index[16] = static_cast<std::uint8_t>(start3 + 3);
  index[17] = static_cast<std::uint8_t>((start3 + 3) >> 8);
  ASSERT_TRUE(WriteGameFile(CardIndexPath, index));
  ASSERT_TRUE(OpenCardDatabase());
  ASSERT_EQ(LoadCard(3).id, -1);
  Deck deck;
  SeedRandom(8);
  EXPECT_FALSE(BuildOpponentDeck(deck, 0, 0));
  EXPECT_EQ(deck.count, 0);
}

TEST_F(RosterTest, FinalDeckHoldsOneToThreeSuperCardsOverAnEliteDeck) {
  FreshInstallDir("final");
  ASSERT_TRUE(WriteSmallCardSet(12));
  std::set<int> superCounts;
  for (std::uint32_t seed = 1; seed <= 300; ++seed) {
    SeedRandom(seed);
    PlayerRecord record;
    ASSERT_TRUE(BuildFinalDeck(record));
    ASSERT_EQ(record.deck.count, 16);
    int supers = 0;
    for (const Card& card : record.deck.slots) {
      ASSERT_GE(card.id, 1);
      if (card.id > CardCount()) {
        ++supers;
        EXPECT_LE(card.id, CardCount() + 10);
        EXPECT_EQ(card.level, 5);
        int v = card.Icon(0);
        EXPECT_TRUE(v >= 3 && v <= 5);
        for (int d = 1; d < 8; ++d) EXPECT_EQ(card.Icon(d), v);
        EXPECT_EQ(card.name.View().substr(0, 5), "CARD ");
      }
    }
    superCounts.insert(supers);
  }
  EXPECT_EQ(superCounts, (std::set<int>{1, 2, 3}));
}

TEST_F(RosterTest, SuperCardTakesItsNameThenItsIdFromTheGenerator) {
  FreshInstallDir("super");
  ASSERT_TRUE(WriteSmallCardSet(12));
  SeedRandom(31);
  Card card = MakeSuperCard(4);
  SeedRandom(31);
  int nameId = Random(12) + 1;
  int id = 48 + Random(10) + 1;
  EXPECT_EQ(card.name, LoadCard(nameId).name);
  EXPECT_EQ(card.id, id);
  EXPECT_EQ(card.icons, 044444444u);
}
