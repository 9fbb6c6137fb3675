// duel_flow_test.cpp -- dealing, hands and piles, the result and the cards that change hands.
#include <gtest/gtest.h>

#include <algorithm>

#include "core/random.h"
#include "engine/duel_flow.h"
#include "engine/tutorial_boards.h"
#include "tests/engine/test_cards.h"

namespace {

Deck NumberedDeck() {
  Deck d;
  for (int i = 0; i < DeckSize; ++i) d.slots[i] = AllRound(100 + i, 1);
  d.count = DeckSize;
  return d;
}

}  // namespace

TEST(HandAndPile, SlotsAndStackOrder) {
  Hand h;
  EXPECT_EQ(h.FirstEmpty(), 0);
  for (int i = 0; i < HandSize; ++i) EXPECT_TRUE(h.Add(AllRound(i + 1, 1)));
  EXPECT_FALSE(h.Add(AllRound(9, 1)));
  EXPECT_EQ(h.FirstEmpty(), HandSize);
  Card c;
  EXPECT_TRUE(h.Take(2, c));
  EXPECT_EQ(c.id, 3);
  EXPECT_FALSE(h.Take(2, c));
  EXPECT_FALSE(h.Put(1, AllRound(9, 1)));  // occupied
  EXPECT_EQ(h.FirstEmpty(), 2);
  EXPECT_TRUE(h.Add(AllRound(9, 1)));
  EXPECT_EQ(h.Get(2).id, 9);
  EXPECT_FALSE(h.Occupied(7));

  Pile p;
  EXPECT_FALSE(p.Pop(c));
  for (int i = 0; i < PileSize; ++i) EXPECT_TRUE(p.Push(AllRound(i + 1, 1)));
  EXPECT_FALSE(p.Push(AllRound(99, 1)));
  EXPECT_TRUE(p.Pop(c));
  EXPECT_EQ(c.id, PileSize);  // last pushed comes first
}

TEST(DuelFlow, DealingReplaysThirtyTwoSwaps) {
  Deck deck = NumberedDeck();
  SeedRandom(31337);
  int order[DeckSize];
  for (int i = 0; i < DeckSize; ++i) order[i] = i;
  for (int i = 0; i < 32; ++i) {
    int a = Random(16);
    int b = Random(16);
    std::swap(order[a], order[b]);
  }
  std::uint32_t after = RandomState();
  SeedRandom(31337);
  Hand hand;
  Pile pile;
  hand.Add(AllRound(1, 1));  // leftovers are cleared
  DealSide(deck, hand, pile, GameRandom());
  EXPECT_EQ(RandomState(), after);
  EXPECT_EQ(hand.Count(), 5);
  EXPECT_EQ(pile.count, 11);
  int h = 0, p = 0;
  for (int i = 0; i < DeckSize; ++i) {
    if (order[i] > 4)
      EXPECT_EQ(pile.cards[p++].id, 100 + i);
    else
      EXPECT_EQ(hand.Get(h++).id, 100 + i);
  }
}

TEST(DuelFlow, OutcomeAndRewardCount) {
  Board b;
  auto fill = [&](int red, int blue) {
    ResetBoard(b, 0, GameRandom());
    for (int i = 0; i < red + blue; ++i) PlaceCard(b, AllRound(i + 1, 1), i / 4, i % 4, i < red ? 0 : 1);
  };
  fill(20, 2);
  DuelOutcome o = DecideOutcome(b, false);
  EXPECT_EQ(o.result, 0);
  EXPECT_EQ(o.rewardCount, 4);  // (20 + 3) / 3 = 7, capped
  EXPECT_FALSE(o.perfect);
  EXPECT_EQ(DecideOutcome(b, true).rewardCount, 1);
  fill(12, 10);
  EXPECT_EQ(DecideOutcome(b, false).rewardCount, 1);  // 15 / 11
  fill(11, 11);
  o = DecideOutcome(b, false);
  EXPECT_EQ(o.result, 2);
  EXPECT_EQ(o.rewardCount, 0);
  fill(0, 22);
  o = DecideOutcome(b, false);
  EXPECT_EQ(o.result, 1);
  EXPECT_EQ(o.rewardCount, 1);
  EXPECT_TRUE(o.perfect);
}

TEST(DuelFlow, RewardPickDrawsCellsUntilAFreshCardOfTheLoser) {
  Board b;
  PlaceCard(b, AllRound(5, 1), 0, 0, 1);
  PlaceCard(b, AllRound(6, 1), 3, 2, 1);
  PlaceCard(b, AllRound(500, 1), 4, 1, 1);  // above the card count: never handed over
  PlaceCard(b, AllRound(7, 1), 5, 3, 0);
  std::int16_t rewards[5] = {0, 0, 0, 0, 0};
  SeedRandom(4);
  ASSERT_EQ(PickRewardCards(b, 1, 2, 344, rewards, GameRandom()), 2);
  EXPECT_NE(rewards[1], rewards[2]);
  for (int k : {1, 2}) EXPECT_TRUE(rewards[k] == 5 || rewards[k] == 6);
  // Replay: the first cell drawn that holds 5 or 6 gives rewards[2].
  SeedRandom(4);
  std::int16_t first = 0;
  while (first == 0) {
    int x = Random(6), y = Random(4);
    if (b.At(x, y).owner == 1 && b.At(x, y).card.id <= 344) first = b.At(x, y).card.id;
  }
  EXPECT_EQ(rewards[2], first);
}

TEST(DuelFlow, RewardPickNeverAsksForMoreCardsThanTheLoserHolds) {
  Board b;
  // An 18-3 win whose three blue cells hold only two different cards.
  for (int i = 0; i < 18; ++i) PlaceCard(b, AllRound(i + 1, 1), i / 4, i % 4, 0);
  PlaceCard(b, AllRound(30, 1), 4, 2, 1);
  PlaceCard(b, AllRound(30, 1), 4, 3, 1);
  PlaceCard(b, AllRound(31, 1), 5, 0, 1);
  DuelOutcome o = DecideOutcome(b, false);
  ASSERT_EQ(o.rewardCount, 4);
  std::int16_t rewards[5] = {0, 0, 0, 0, 0};
  SeedRandom(1);
  EXPECT_EQ(PickRewardCards(b, 1, o.rewardCount, 344, rewards, GameRandom()), 2);
  EXPECT_TRUE((rewards[2] == 30 && rewards[1] == 31) || (rewards[2] == 31 && rewards[1] == 30));
  // A loser with no cell at all hands over nothing.
  Board blue;
  PlaceCard(blue, AllRound(1, 1), 0, 0, 1);
  EXPECT_EQ(PickRewardCards(blue, 0, 1, 344, rewards, GameRandom()), 0);
}

TEST(TutorialBoards, FourScriptedBoardsForRed) {
  auto loader = [](int id) { return AllRound(id, 2); };
  Board b;
  SeedRandom(9);
  ASSERT_TRUE(SetUpTutorialBoard(b, 4, loader));
  EXPECT_EQ(RandomState(), 9u);  // no blocked cell, no draw
  EXPECT_EQ(CountFree(b), 18);
  EXPECT_EQ(b.At(1, 0).card.id, 149);
  EXPECT_EQ(b.At(4, 2).card.id, 247);
  EXPECT_EQ(CellOwner(b, 3, 1), 0);
  ASSERT_TRUE(SetUpTutorialBoard(b, 1, loader));
  EXPECT_EQ(CountFree(b), 23);
  EXPECT_EQ(b.At(3, 3).card.id, 38);
  ASSERT_TRUE(SetUpTutorialBoard(b, 3, loader));
  EXPECT_EQ(b.At(2, 2).card.id, 13);
  EXPECT_EQ(b.At(3, 2).card.id, 18);
  EXPECT_EQ(b.At(4, 2).card.id, 33);
  EXPECT_FALSE(SetUpTutorialBoard(b, 0, loader));
  EXPECT_FALSE(SetUpTutorialBoard(b, 5, loader));
}
