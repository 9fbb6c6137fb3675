// deck_building_test.cpp -- the quick deck against a plain ranking, the sale of duplicates, the tutorial spread,
// credits at their limits.
#include <gtest/gtest.h>

#include <algorithm>
#include <climits>
#include <vector>

#include "core/random.h"
#include "data/card_database.h"
#include "data/deck_building.h"
#include "tests/data/data_test_support.h"

namespace {

class DeckBuildingTest : public ::testing::Test {
 protected:
  void SetUp() override {
    FreshInstallDir("deck_building");
    ASSERT_TRUE(WriteSmallCardSet(10));
  }
  void TearDown() override { CloseCardDatabase(); }
  PlayerRecord record;
};

std::vector<int> DeckIds(const PlayerRecord& r) {
  std::vector<int> ids;
  for (const Card& c : r.deck.slots) ids.push_back(c.id);
  return ids;
}

int IconScore(const Card& c) {
  int s = 0;
  for (int d = 0; d < 8; ++d) s += QuickDeckIconScore(c.Icon(d));
  return s;
}

}  // namespace

TEST_F(DeckBuildingTest, QuickDeckKeepsTheSixteenBestWithEarlierCardsAheadOnTies) {
  for (std::uint32_t seed : {1u, 7u, 99u, 2024u}) {
    PlayerRecord r;
    for (int id = 1; id <= 40; ++id)
      if (id % 7 != 3) AddCopy(r, id);
    AddCopy(r, 5);  // a second copy changes nothing
    SeedRandom(seed);
    ASSERT_TRUE(QuickDeck(r));
    const std::uint32_t after = RandomState();

    // The same by a plain ranking: one Random(3) per owned id in id order,
    // best score first and the lower id first among equals; the deck holds
    // the best sixteen from the weakest up.
    SeedRandom(seed);
    std::vector<std::pair<int, int>> ranked;  // (-score, id)
    for (int id = 1; id <= 40; ++id)
      if (CopiesOf(r, id) > 0) ranked.push_back({-(IconScore(LoadCard(id)) + Random(3)), id});
    EXPECT_EQ(RandomState(), after);
    std::sort(ranked.begin(), ranked.end());
    std::vector<int> expected;
    for (int i = 15; i >= 0; --i) expected.push_back(ranked[static_cast<std::size_t>(i)].second);
    EXPECT_EQ(DeckIds(r), expected) << "seed " << seed;
    EXPECT_EQ(r.deck.count, 16);
  }
}

TEST_F(DeckBuildingTest, QuickDeckUsesEachCardOnceAndReportsAShortDeck) {
  for (int id = 1; id <= 15; ++id)
    for (int k = 0; k < 3; ++k) AddCopy(record, id);
  AddToDeck(record, 30, false);  // the old deck is cleared first
  SeedRandom(5);
  EXPECT_FALSE(QuickDeck(record));
  EXPECT_EQ(record.deck.count, 15);
  std::vector<int> ids = DeckIds(record);
  EXPECT_EQ(ids[15], -1);
  std::sort(ids.begin(), ids.begin() + 15);
  for (int i = 0; i < 15; ++i) EXPECT_EQ(ids[static_cast<std::size_t>(i)], i + 1);

  PlayerRecord none;
  EXPECT_FALSE(QuickDeck(none));
  EXPECT_EQ(none.deck.count, 0);
}

TEST_F(DeckBuildingTest, SellingDuplicatesKeepsOneCopyAndEveryDeckAndTradeBoxEntry) {
  // Cards with 1, 2 and 3 copies, in the deck, in the trade box, and in neither.
  const int copies[9] = {1, 2, 3, 1, 2, 3, 1, 2, 3};
  std::int32_t expected = 0;
  int sold = 0;
  for (int i = 0; i < 9; ++i) {
    const int id = 11 + i;
    for (int k = 0; k < copies[i]; ++k) AddCopy(record, id);
    if (i < 3) {
      ASSERT_TRUE(AddToDeck(record, id, false));
    } else if (i < 6) {
      ASSERT_TRUE(TradeBoxAdd(record, id));
    }
    expected += (copies[i] - 1) * LoadCard(id).price;
    sold += copies[i] - 1;
  }
  record.credits = 50;
  const DuplicateSale sale = SellDuplicates(record);
  EXPECT_EQ(sale.cards, sold);
  EXPECT_EQ(sale.credits, expected);
  EXPECT_EQ(record.credits, 50 + expected);
  for (int i = 0; i < 9; ++i) EXPECT_EQ(CopiesOf(record, 11 + i), 1);
  EXPECT_EQ(record.cardTotal, 9);
  EXPECT_EQ(DeckIds(record)[0], 11);
  EXPECT_EQ(DeckIds(record)[1], 12);
  EXPECT_EQ(DeckIds(record)[2], 13);
  EXPECT_EQ(record.deck.count, 3);
  EXPECT_EQ(TradeBoxCount(record), 3);
  for (int i = 3; i < 6; ++i) EXPECT_TRUE(TradeBoxContains(record, 11 + i));

  const DuplicateSale again = SellDuplicates(record);
  EXPECT_EQ(again.cards, 0);
  EXPECT_EQ(again.credits, 0);
}

TEST_F(DeckBuildingTest, CreditsStopAtTheEndsOfTheirRange) {
  record.credits = INT32_MAX - 10;
  AddCredits(record, 500);
  EXPECT_EQ(record.credits, INT32_MAX);
  AddCopy(record, 3);
  AddCopy(record, 3);
  SellDuplicates(record);
  EXPECT_EQ(record.credits, INT32_MAX);
  record.credits = INT32_MIN + 5;
  SubCredits(record, 100);
  EXPECT_EQ(record.credits, INT32_MIN);
  record.credits = 0;
  SubCredits(record, INT32_MIN);
  EXPECT_EQ(record.credits, INT32_MAX);
  SubCredits(record, 200);
  EXPECT_EQ(record.credits, INT32_MAX - 200);
}

TEST_F(DeckBuildingTest, TutorialSpreadStepsTwoToFourAndStaysInsideTheSet) {
  for (std::uint32_t seed = 1; seed <= 30; ++seed) {
    PlayerRecord r;
    SeedRandom(seed);
    AddTutorialSpread(r);
    const std::uint32_t after = RandomState();
    SeedRandom(seed);
    std::vector<int> reached;
    int id = 0;
    while (id < 40) {
      id += Random(3) + 2;
      reached.push_back(id);
    }
    EXPECT_EQ(RandomState(), after);
    int total = 0;
    for (int card : reached)
      if (card <= 40) {
        EXPECT_EQ(CopiesOf(r, card), 1);
        ++total;
      }
    EXPECT_EQ(r.cardTotal, total);
    EXPECT_EQ(CopiesOf(r, 1), 0);  // the first step is at least two
  }
}

TEST_F(DeckBuildingTest, DeckSlotsTakeOnlyOwnedCardsOnceAndSwapWithoutLosingAny) {
  AddCopy(record, 4);
  AddCopy(record, 4);
  AddCopy(record, 9);
  EXPECT_TRUE(PutInDeckSlot(record, 5, 4));
  EXPECT_FALSE(PutInDeckSlot(record, 6, 4));   // already in the deck, however many copies
  EXPECT_FALSE(PutInDeckSlot(record, 5, 9));   // the slot is taken
  EXPECT_FALSE(PutInDeckSlot(record, 7, 12));  // not owned
  EXPECT_FALSE(PutInDeckSlot(record, 16, 9));
  EXPECT_FALSE(PutInDeckSlot(record, -1, 9));
  EXPECT_EQ(record.deck.count, 1);
  EXPECT_EQ(LeadingDeckCards(record.deck), 0);
  SwapDeckSlots(record.deck, 5, 0);
  EXPECT_EQ(record.deck.slots[0].id, 4);
  EXPECT_EQ(record.deck.slots[5].id, -1);
  EXPECT_TRUE(PutInDeckSlot(record, 1, 9));
  EXPECT_EQ(LeadingDeckCards(record.deck), 2);
  SwapDeckSlots(record.deck, 0, 1);
  SwapDeckSlots(record.deck, 1, 99);
  EXPECT_EQ(DeckIds(record)[0], 9);
  EXPECT_EQ(DeckIds(record)[1], 4);
  EXPECT_EQ(record.deck.count, 2);
  EXPECT_EQ(record.cardTotal, 3);
}
