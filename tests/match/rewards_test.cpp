// rewards_test.cpp -- the end of a duel: how many cards change hands, the boxes, perfects and the quick-game question.
#include <gtest/gtest.h>

#include "core/random.h"
#include "data/card_database.h"
#include "data/duel_stats.h"
#include "match/match_internal.h"
#include "match/reward_pick.h"
#include "tests/match/match_harness.h"

namespace {

class DuelEnd : public ::testing::Test {
 protected:
  void SetUp() override {
    SetUpMatchTable();
    MakeCharacter(CurrentPlayer, L"TESTER");
    opponent.name = L"RIVAL";
    opponent.kind = KindComputer;
    opponent.levelCode = 0;
    DealOpponentDeck(opponent);
    SeedRandom(99);
    BeginDuel(CurrentPlayer, opponent, 2);
    InClub = 0;
  }

  // A full board with `red` cells of side 0 and the rest of side 1 (two
  // cells blocked), every card a different id, put down by the two sides in turn.
  void FullBoard(int red, int blocked = 2) {
    Match& m = TheMatch;
    ResetBoard(m.board, 0, GameRandom());
    int placed = 0;
    for (int i = 0; i < BoardCells; ++i) {
      Cell& c = m.board.cells[i];
      if (i < blocked) {
        BlockCell(m.board, i / BoardRows, i % BoardRows);
        continue;
      }
      const Side side = placed < red ? 0 : 1;
      c.free = 0;
      c.owner = side;
      c.firstOwner = static_cast<Side>(placed % 2);
      c.card = LoadCard(10 + i);
      ++placed;
    }
  }

  PlayerRecord opponent;
};

TEST_F(DuelEnd, AWinHandsOverOneToFourCardsOfTheLosersColour) {
  struct Case {
    int red, cards;
  };
  // 22 cells: 13-9 -> 16/10 = 1; 17-5 -> 20/6 = 3; 20-2 -> 23/3 = 7, at most 4, and the loser holds only 2.
  for (Case c : {Case{13, 1}, Case{17, 3}, Case{20, 2}, Case{12, 1}}) {
    FullBoard(c.red);
    DecideDuelEnd();
    EXPECT_EQ(MatchResult, 0);
    ASSERT_EQ(TheMatch.rewardCount, c.cards) << c.red << " red cells";
    for (int k = 1; k <= c.cards; ++k) {
      bool onBlue = false;
      for (const Cell& cell : TheMatch.board.cells)
        if (cell.owner == 1 && cell.card.id == TheMatch.rewardCards[k]) onBlue = true;
      EXPECT_TRUE(onBlue) << "card " << TheMatch.rewardCards[k];
      for (int j = 1; j < k; ++j) EXPECT_NE(TheMatch.rewardCards[j], TheMatch.rewardCards[k]);
    }
  }
}

TEST_F(DuelEnd, ALossCostsOneCardAndATieNone) {
  FullBoard(5);
  DecideDuelEnd();
  EXPECT_EQ(MatchResult, 1);
  EXPECT_EQ(TheMatch.rewardCount, 1);
  FullBoard(11);
  DecideDuelEnd();
  EXPECT_EQ(MatchResult, 2);
  EXPECT_EQ(TheMatch.rewardCount, 0);
}

TEST_F(DuelEnd, TheFinalChallengeAndALinkDuelHandOverOneCard) {
  FullBoard(17);
  TheMatch.finalChallenge = 1;
  DecideDuelEnd();
  EXPECT_EQ(TheMatch.rewardCount, 1);
  TheMatch.finalChallenge = 0;
  opponent.kind = KindRemoteGuest;
  DecideDuelEnd();
  EXPECT_EQ(TheMatch.rewardCount, 1);
  // A perfect there still hands over one card: one the loser put down.
  FullBoard(22);
  DecideDuelEnd();
  EXPECT_TRUE(IsPerfect(TheMatch.board));
  ASSERT_EQ(TheMatch.rewardCount, 1);
  for (Cell& c : TheMatch.board.cells)
    if (c.card.id == TheMatch.rewardCards[1]) {
      EXPECT_EQ(c.firstOwner, 1);
    }
  // The remote deck is not on this device: the perfect is settled as one card.
  TheMatch.state = MatchState::MatchOver;
  MatchFrame();
  EXPECT_EQ(TheMatch.state, MatchState::SettleWin);
}

TEST_F(DuelEnd, AWonCardIsAddedAndCounted) {
  Match& m = TheMatch;
  const int id = CurrentPlayer.deck.slots[0].id;
  MatchResult = 0;
  m.rewardCards[1] = static_cast<std::int16_t>(id);
  m.rewardCards[2] = 200;
  m.rewardCount = 2;
  m.state = MatchState::SettleWin;
  MatchFrame();
  EXPECT_EQ(m.state, MatchState::ShowReward);
  MatchFrame();
  EXPECT_EQ(m.state, MatchState::ApplyReward);
  const int before = CopiesOf(CurrentPlayer, 200);
  MatchFrame();  // card 200 first: rewardCards[rewardCount]
  EXPECT_EQ(CopiesOf(CurrentPlayer, 200), before + 1);
  EXPECT_EQ(m.rewardCount, 1);
  EXPECT_EQ(m.state, MatchState::SettleWin);
  ASSERT_EQ(ShownBoxes.size(), 2u);
  EXPECT_EQ(ShownBoxes[0].text, CardInfoText(200));
  EXPECT_EQ(ShownBoxes[1].text, L"This card is added to your Collection.\nYou have now " + std::to_wstring(before + 1));
  EXPECT_EQ(ShownBoxes[1].left, L"");
  EXPECT_EQ(ShownBoxes[1].right, L"Ok");  // a notice's one button is on the right
  for (int i = 0; i < 3; ++i) MatchFrame();
  EXPECT_EQ(CopiesOf(CurrentPlayer, id), 2);
  EXPECT_EQ(m.rewardCount, 0);
  EXPECT_EQ(m.state, MatchState::Leave);
  MatchFrame();
  EXPECT_EQ(InClub, 1);
}

TEST_F(DuelEnd, ALostCardOfTwoCopiesAsksNothing) {
  Match& m = TheMatch;
  const int id = CurrentPlayer.deck.slots[4].id;
  AddCopy(CurrentPlayer, id);
  MatchResult = 1;
  m.rewardCards[1] = static_cast<std::int16_t>(id);
  m.rewardCount = 1;
  m.state = MatchState::ApplyReward;
  MatchFrame();
  EXPECT_EQ(CopiesOf(CurrentPlayer, id), 1);
  ASSERT_EQ(ShownBoxes.size(), 2u);
  EXPECT_EQ(ShownBoxes[1].text, L"This card is Removed to your Collection.\nYou have now 1");
  EXPECT_EQ(m.state, MatchState::Leave);
  EXPECT_TRUE(DeckContains(CurrentPlayer.deck, id));
}

TEST_F(DuelEnd, TheLastCopyLostOffersToRefillTheDeck) {
  Match& m = TheMatch;
  const int id = CurrentPlayer.deck.slots[4].id;
  const int spare = 300;
  ASSERT_FALSE(DeckContains(CurrentPlayer.deck, spare));
  AddCopy(CurrentPlayer, spare);
  MatchResult = 1;
  m.rewardCards[1] = static_cast<std::int16_t>(id);
  m.rewardCount = 1;
  m.state = MatchState::ApplyReward;
  BoxAnswers = {false};  // "Ok" is the right button
  MatchFrame();
  EXPECT_EQ(CopiesOf(CurrentPlayer, id), 0);
  ASSERT_EQ(ShownBoxes.size(), 2u);
  EXPECT_EQ(ShownBoxes[1].text,
            L"This card is Removed to your Collection.\nYou have now 0\n"
            L"Do you want to add a card automatically to the deck ?");
  EXPECT_EQ(ShownBoxes[1].left, L"Cancel");
  EXPECT_EQ(ShownBoxes[1].right, L"Ok");
  EXPECT_FALSE(DeckContains(CurrentPlayer.deck, id));
  EXPECT_TRUE(DeckContains(CurrentPlayer.deck, spare));
  EXPECT_EQ(CurrentPlayer.deck.count, DeckSize);

  // Nothing left to add: the failure box, and the duel ends all the same.
  const int other = CurrentPlayer.deck.slots[5].id;
  m.rewardCards[1] = static_cast<std::int16_t>(other);
  m.rewardCount = 1;
  m.state = MatchState::ApplyReward;
  ShownBoxes.clear();
  BoxAnswers = {false};
  MatchFrame();
  ASSERT_EQ(ShownBoxes.size(), 3u);
  EXPECT_EQ(ShownBoxes[2].text, L"Failed. No more cards could be added.");
  EXPECT_EQ(ShownBoxes[2].left, L"");
  EXPECT_EQ(ShownBoxes[2].right, L"Ok");
  EXPECT_EQ(m.state, MatchState::Leave);
}

TEST_F(DuelEnd, APerfectWinTakesTheWholeDeck) {
  Match& m = TheMatch;
  FullBoard(22);
  MatchResult = 0;
  const std::int16_t realised = DuelStats.perfectsRealised;
  m.state = MatchState::MatchOver;
  MatchFrame();
  EXPECT_EQ(m.state, MatchState::PerfectReward);
  int before[DeckSize];
  for (int i = 0; i < DeckSize; ++i) before[i] = CopiesOf(CurrentPlayer, opponent.deck.slots[i].id);
  MatchFrame();
  for (int i = 0; i < DeckSize; ++i) EXPECT_EQ(CopiesOf(CurrentPlayer, opponent.deck.slots[i].id), before[i] + 1);
  EXPECT_EQ(DuelStats.perfectsRealised, realised + 1);
  ASSERT_FALSE(ShownBoxes.empty());
  EXPECT_EQ(ShownBoxes.back().text, L"You won all the cards in your opponents deck !");
  EXPECT_EQ(ShownBoxes.back().left, L"");
  EXPECT_EQ(ShownBoxes.back().right, L"Ok");
  EXPECT_EQ(m.state, MatchState::Leave);
}

TEST_F(DuelEnd, APerfectLossTakesTheCharactersDeck) {
  Match& m = TheMatch;
  FullBoard(0);
  MatchResult = 1;
  const std::int16_t received = DuelStats.perfectsReceived;
  m.state = MatchState::PerfectReward;
  MatchFrame();
  EXPECT_EQ(DuelStats.perfectsReceived, received + 1);
  EXPECT_EQ(CurrentPlayer.cardTotal, 0);
  EXPECT_EQ(ShownBoxes.back().text, L"You lost all the cards in your  deck !");
}

TEST_F(DuelEnd, APerfectInTheFinalChallengeHandsOverOneCard) {
  Match& m = TheMatch;
  m.finalChallenge = 1;
  FullBoard(0);  // the local player is blue there
  DecideDuelEnd();
  EXPECT_EQ(MatchResult, 1);
  m.state = MatchState::MatchOver;
  MatchFrame();
  EXPECT_EQ(m.state, MatchState::SettleWin);
  EXPECT_EQ(m.rewardCount, 1);
}

TEST_F(DuelEnd, AQuickGameAsksForAnotherAndHandsOverNothing) {
  Match& m = TheMatch;
  m.quickGame = 1;
  FullBoard(17);
  DecideDuelEnd();
  const int total = CurrentPlayer.cardTotal;
  m.state = MatchState::MatchOver;
  BoxAnswers = {false};  // "No"
  MatchFrame();
  ASSERT_EQ(ShownBoxes.size(), 1u);
  EXPECT_EQ(ShownBoxes[0].text, L"Do you want to play another quickgame ?");
  EXPECT_EQ(ShownBoxes[0].left, L"Ok");
  EXPECT_EQ(ShownBoxes[0].right, L"No");
  EXPECT_EQ(InClub, 1);
  EXPECT_EQ(CurrentPlayer.cardTotal, total);

  InClub = 0;
  m.quickGame = 1;
  m.state = MatchState::MatchOver;
  BoxAnswers = {true};  // "Ok": a new quick game at once
  MatchFrame();
  EXPECT_EQ(InClub, 0);
  EXPECT_EQ(m.state, MatchState::Versus);
  EXPECT_EQ(m.quickGame, 1);
  EXPECT_EQ(CurrentPlayer.name, L"Player 1");
}

}  // namespace

namespace {

// The card of a link duel's result leaves the loser's collection, so it is always one the loser put down:
// never one of the winner's cards the loser captured, which would give the winner a copy from nowhere.
TEST(LinkRewardPick, TheLoserGivesOnlyACardItPutDown) {
  Board board;
  ClearBoard(board);
  const auto put = [&](int x, int y, Side first, Side owner, int id) {
    Cell& c = board.At(x, y);
    c.free = 0;
    c.firstOwner = first;
    c.owner = owner;
    c.card.id = static_cast<std::int16_t>(id);
  };
  // The loser (side 1) holds three of the winner's cards and one of its own; the winner holds one of the loser's.
  put(0, 0, 0, 1, 100);
  put(1, 1, 0, 1, 101);
  put(2, 2, 0, 1, 102);
  put(3, 3, 1, 1, 20);
  put(5, 0, 1, 0, 21);
  for (std::uint32_t seed = 1; seed <= 50; ++seed) {
    RandomStream random(seed);
    std::int16_t rewards[5] = {};
    ASSERT_EQ(PickHeldRewardCard(board, 1, 344, rewards, random), 1);
    EXPECT_EQ(rewards[1], 20) << "seed " << seed;
  }
  // Holding none of its own, the loser has no held card to give (the duel's end then takes one it put down).
  board.At(3, 3).owner = 0;
  RandomStream other(3);
  std::int16_t none[5] = {};
  EXPECT_EQ(PickHeldRewardCard(board, 1, 344, none, other), 0);
  // A loser that put nothing down gives nothing.
  ClearBoard(board);
  put(0, 0, 0, 1, 100);
  RandomStream random(7);
  std::int16_t rewards[5] = {};
  EXPECT_EQ(PickHeldRewardCard(board, 1, 344, rewards, random), 0);
}

}  // namespace
