// player_record_test.cpp -- collection counts, boosters, deck slots and the trade box.
#include <gtest/gtest.h>

#include "core/random.h"
#include "data/card_database.h"
#include "data/player_record.h"
#include "tests/data/data_test_support.h"

namespace {

class PlayerRecordTest : public ::testing::Test {
 protected:
  void SetUp() override {
    FreshInstallDir("player");
    ASSERT_TRUE(WriteSmallCardSet(10));
  }
  void TearDown() override { CloseCardDatabase(); }
  PlayerRecord record;
};

}  // namespace

TEST_F(PlayerRecordTest, ACountStopsAt127InsteadOfWrapping) {
  for (int i = 0; i < 130; ++i) AddCopy(record, 5);
  EXPECT_EQ(record.collection[4], 127);
  EXPECT_EQ(record.cardTotal, 127);
  EXPECT_FALSE(AddCopy(record, 5));
  EXPECT_TRUE(AddCopy(record, 344));
  EXPECT_FALSE(AddCopy(record, 0));
  EXPECT_FALSE(AddCopy(record, 345));
  EXPECT_EQ(record.cardTotal, 128);
  EXPECT_EQ(DistinctCards(record), 2);
}

TEST_F(PlayerRecordTest, RemovingTheLastCopyEmptiesItsDeckSlotAndTradeBoxEntry) {
  AddCopy(record, 3);
  AddCopy(record, 3);
  AddCopy(record, 7);
  ASSERT_TRUE(AddToDeck(record, 7, false));
  ASSERT_TRUE(AddToDeck(record, 3, false));
  ASSERT_TRUE(TradeBoxAdd(record, 3));
  ASSERT_TRUE(TradeBoxAdd(record, 7));
  ASSERT_TRUE(RemoveCopy(record, 3));  // one copy left: stays everywhere
  EXPECT_TRUE(DeckContains(record.deck, 3));
  EXPECT_TRUE(TradeBoxContains(record, 3));
  ASSERT_TRUE(RemoveCopy(record, 3));
  EXPECT_FALSE(DeckContains(record.deck, 3));
  EXPECT_EQ(record.deck.slots[1].id, -1);
  EXPECT_EQ(record.deck.slots[0].id, 7);  // the others keep their slots
  EXPECT_EQ(record.deck.count, 1);
  EXPECT_EQ(TradeBoxCount(record), 1);
  EXPECT_EQ(TradeBoxAt(record, 0), 7);
  EXPECT_EQ(record.cardTotal, 1);
  // Nothing left to remove: the count never goes negative.
  EXPECT_FALSE(RemoveCopy(record, 3));
  EXPECT_EQ(record.collection[2], 0);
  EXPECT_EQ(record.cardTotal, 1);
}

TEST_F(PlayerRecordTest, TradeBoxHoldsNineInOrderAndClosesGaps) {
  for (int id = 1; id <= 9; ++id) ASSERT_TRUE(TradeBoxAdd(record, id));
  EXPECT_FALSE(TradeBoxAdd(record, 10));
  EXPECT_EQ(TradeBoxCount(record), 9);
  EXPECT_TRUE(TradeBoxRemoveAt(record, 0));
  EXPECT_TRUE(TradeBoxRemove(record, 5));
  EXPECT_FALSE(TradeBoxRemove(record, 5));
  EXPECT_FALSE(TradeBoxRemoveAt(record, 7));
  const std::int16_t expected[9] = {2, 3, 4, 6, 7, 8, 9, -1, -1};
  for (int i = 0; i < 9; ++i) EXPECT_EQ(record.tradeBox[i], expected[i]);
  EXPECT_EQ(TradeBoxAt(record, 6), 9);
  EXPECT_EQ(TradeBoxAt(record, 7), -1);
  EXPECT_TRUE(TradeBoxAdd(record, 1));
  EXPECT_EQ(record.tradeBox[7], 1);
  EXPECT_EQ(record.tradeBox[8], -1);
}

TEST_F(PlayerRecordTest, GivingAwayTheTradeBoxRemovesOneCopyOfEachCardItHeld) {
  AddCopy(record, 3);
  AddCopy(record, 4);
  AddCopy(record, 4);
  AddCopy(record, 6);
  TradeBoxAdd(record, 3);
  TradeBoxAdd(record, 4);
  TradeBoxAdd(record, 6);
  GiveAwayTradeBox(record);
  EXPECT_EQ(record.collection[2], 0);
  EXPECT_EQ(record.collection[3], 1);
  EXPECT_EQ(record.collection[5], 0);
  EXPECT_EQ(record.cardTotal, 1);
  EXPECT_EQ(TradeBoxCount(record), 1);  // card 4 still owned, still offered
}

TEST_F(PlayerRecordTest, BoostersFillLastBoosterAndClearTheRest) {
  SeedRandom(3);
  ASSERT_TRUE(OpenBoosters(record, 3));
  EXPECT_EQ(record.cardTotal, 24);
  for (int i = 0; i < 24; ++i) EXPECT_GE(record.lastBooster[i], 1);
  for (int i = 24; i < 80; ++i) EXPECT_EQ(record.lastBooster[i], -1);
  ASSERT_TRUE(OpenBoosters(record, 10));
  for (int i = 0; i < 80; ++i) EXPECT_GE(record.lastBooster[i], 1);
  EXPECT_EQ(record.cardTotal, 104);
  int sum = 0;
  for (std::int8_t count : record.collection) sum += count;
  EXPECT_EQ(sum, 104);
  ASSERT_TRUE(OpenBoosters(record, 0));
  for (int i = 0; i < 80; ++i) EXPECT_EQ(record.lastBooster[i], -1);
  std::uint32_t state = RandomState();
  EXPECT_FALSE(OpenBoosters(record, 11));
  EXPECT_EQ(RandomState(), state);
  EXPECT_EQ(record.cardTotal, 104);
}

TEST_F(PlayerRecordTest, DeckTakesSixteenCardsIntoTheFirstEmptySlot) {
  for (int id = 1; id <= 16; ++id) ASSERT_TRUE(AddToDeck(record, id, false));
  EXPECT_FALSE(AddToDeck(record, 17, false));
  RemoveFromDeck(record.deck, 5);
  EXPECT_EQ(record.deck.count, 15);
  int pictures = 0;
  DeckPictureLoader = [&](Card&) { ++pictures; };
  ASSERT_TRUE(AddToDeck(record, 20, true));
  DeckPictureLoader = nullptr;
  EXPECT_EQ(pictures, 1);
  EXPECT_EQ(record.deck.slots[4].id, 20);
  EXPECT_EQ(record.deck.slots[4].name.View(), "CARD 20");
  ClearDeck(record);
  EXPECT_EQ(record.deck.count, 0);
  EXPECT_FALSE(AddToDeck(record, 41, false));  // not a card of this set
  EXPECT_EQ(record.deck.count, 0);
}

TEST_F(PlayerRecordTest, ResetKeepsIdentityTextsLastBoosterAndTradeBox) {
  record.name = L"ANNA";
  record.profileText1 = L"x";
  record.credits = 5;
  record.slot = 2;
  AddCopy(record, 1);
  AddToDeck(record, 1, false);
  TradeBoxAdd(record, 1);
  record.lastBooster[0] = 9;
  ResetPlayer(record);
  EXPECT_EQ(record.name, L"ANNA");
  EXPECT_EQ(record.profileText1, L"x");
  EXPECT_EQ(record.credits, 700);
  EXPECT_EQ(record.slot, 255);
  EXPECT_EQ(record.cardTotal, 0);
  EXPECT_EQ(record.collection[0], 0);
  EXPECT_EQ(record.deck.count, 0);
  EXPECT_EQ(record.tradeBox[0], 1);
  EXPECT_EQ(record.lastBooster[0], 9);
}
