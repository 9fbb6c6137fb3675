// instant_play_test.cpp -- the opponent list and the challenge in the club: open tables, the refusals in their
// order, the bet, the booking when the duel hands back (also across a quick save), and a card set too small to deal.
#include <gtest/gtest.h>

#include "club/challenge_screen.h"
#include "club/club.h"
#include "club/instant_play_rules.h"
#include "club/instant_play_screen.h"
#include "data/card_database.h"
#include "data/deck_building.h"
#include "data/duel_stats.h"
#include "data/game_state.h"
#include "data/player_record.h"
#include "data/roster.h"
#include "data/save_bytes.h"
#include "data/save_file.h"
#include "match/match.h"
#include "platform/game_state.h"
#include "tests/club/club_harness.h"

namespace {

constexpr int BackX = 212, BackY = 308;  // back, on both screens
constexpr int OkX = 8, OkY = 308;        // the challenge's Ok
constexpr int DeckX = 215, DeckY = 6;    // the challenge's deck button
constexpr int PreviousX = 28, NextX = 196, TabY = 228;
int RowTapY(int row) { return InstantRowY(row) + 5; }

const wchar_t* const NoCards =
    L"I don't have enough cards to play a game, I should buy some more.\nLet's go to the shop.";
const wchar_t* const NoDeck = L"I don't have enough cards in my deck to join this game.";

class InstantPlay : public ::testing::Test {
 protected:
  void SetUp() override {
    SetUpClub();
    CurrentPlayer.slot = 1;  // saved, so the file can be compared
    MatchResult = 2;
  }
  void TearDown() override { InClub = 1; }

  void Tap(int x, int y) { Gesture(x, y, x, y); }
  void Gesture(int x0, int y0, int x1, int y1) {
    ClubStylusDown(x0, y0);
    ClubStylusUp(x1, y1);
  }
  InstantPlayScreen* List() { return dynamic_cast<InstantPlayScreen*>(c.instantPlayScreen.get()); }
  ChallengeScreen* Challenge() { return dynamic_cast<ChallengeScreen*>(c.challengeScreen.get()); }

  // Walks in through the room's fade.
  void EnterInstantPlay() {
    BeginEnterRoom(true);
    ASSERT_TRUE(RunClubUntil([] { return GameClub.currentScreen == ScreenInstantPlay && GameClub.ready; }));
    ASSERT_NE(List(), nullptr);
  }
  // The character owns 16 cards and plays them as its deck.
  void GiveDeck() {
    for (int id = 1; id <= 16; ++id) AddCopy(CurrentPlayer, id);
    ASSERT_TRUE(QuickDeck(CurrentPlayer));
    ASSERT_EQ(CurrentPlayer.deck.count, DeckSize);
  }
  // The list, then the challenge of (class, row), ready for Ok.
  void OpenOpponent(int opponentClass, int row) {
    EnterInstantPlay();
    for (int k = 0; k < opponentClass; ++k) Tap(NextX, TabY);
    ASSERT_EQ(List()->ShownClass(), opponentClass);
    Tap(40, RowTapY(row));
    ASSERT_EQ(c.currentScreen, ScreenChallenge);
    ASSERT_NE(Challenge(), nullptr);
  }
  // What LeaveMatch leaves when a duel ends with that result.
  void DuelEnds(std::uint8_t result) {
    ASSERT_EQ(InClub, 0);
    MatchResult = result;
    LeaveMatch();
    ClubFrameOnce();
  }
  void ExpectSavedAsShown() {
    const SavedCharacter saved = SavedCurrentCharacter();
    ASSERT_TRUE(saved.valid);
    EXPECT_EQ(saved.record.credits, CurrentPlayer.credits);
    for (int k = 0; k < OpponentClasses; ++k)
      for (int r = 0; r < OpponentsPerClass; ++r) {
        EXPECT_EQ(saved.stats.opponents[k][r].victories, DuelStats.opponents[k][r].victories);
        EXPECT_EQ(saved.stats.opponents[k][r].ties, DuelStats.opponents[k][r].ties);
        EXPECT_EQ(saved.stats.opponents[k][r].defeats, DuelStats.opponents[k][r].defeats);
      }
  }
  Club& c = GameClub;
};

TEST_F(InstantPlay, StakesByClass) {
  const InstantStakes expected[3] = {{10, 40, 10}, {50, 100, 50}, {100, 200, 100}};
  for (int k = 0; k < 3; ++k) {
    EXPECT_EQ(StakesOf(k).bet, expected[k].bet);
    EXPECT_EQ(StakesOf(k).paidOnWin, expected[k].paidOnWin);
    EXPECT_EQ(StakesOf(k).paidOnTie, expected[k].paidOnTie);
  }
  // A counter at its limit stays there instead of turning negative.
  DuelStats.opponents[1][3].victories = 32767;
  CurrentPlayer.credits = 0;
  EXPECT_EQ(BookInstantResult(3, 1, 0), 100);
  EXPECT_EQ(DuelStats.opponents[1][3].victories, 32767);
  EXPECT_EQ(BookInstantResult(3, 1, 7), 0);  // not a result
  EXPECT_EQ(CurrentPlayer.credits, 100);
}

TEST_F(InstantPlay, TheMemberAndEliteTablesOpenOnlyWhenTheClassBelowIsBeatenAndItsTournamentWon) {
  EnterInstantPlay();
  Tap(NextX, TabY);
  EXPECT_EQ(List()->ShownClass(), 1);
  Tap(40, RowTapY(2));
  ASSERT_EQ(RoomBoxes.size(), 1u);
  EXPECT_EQ(RoomBoxes[0].text,
            L"I can't play on this table, I need to have beaten all guests players, and won the guest's tourney.");
  EXPECT_EQ(c.currentScreen, ScreenInstantPlay);
  EXPECT_EQ(List()->SelectedRow(), -1);

  // Fourteen Guests beaten and the tournament won: still closed.
  for (int r = 0; r < 14; ++r) DuelStats.opponents[0][r].victories = 1;
  DuelStats.tourneysWon[0] = 1;
  EXPECT_FALSE(ClassOpen(1));
  // All fifteen, but no tournament: closed.
  DuelStats.opponents[0][14].victories = 2;
  DuelStats.tourneysWon[0] = 0;
  EXPECT_FALSE(ClassOpen(1));
  DuelStats.tourneysWon[0] = 1;
  EXPECT_TRUE(ClassOpen(1));
  EXPECT_FALSE(ClassOpen(2));

  Tap(NextX, TabY);  // Elite
  Tap(40, RowTapY(0));
  ASSERT_EQ(RoomBoxes.size(), 2u);
  EXPECT_EQ(RoomBoxes[1].text,
            L"I can't play on this table, I need to have beaten all members players, and won the member's tourney.");
  Tap(NextX, TabY);  // wraps to Guest
  EXPECT_EQ(List()->ShownClass(), 0);
  KeyFlags[KeyLeft] = true;
  ClubFrameOnce();
  EXPECT_EQ(List()->ShownClass(), 2);
  Tap(PreviousX, TabY);
  EXPECT_EQ(List()->ShownClass(), 1);
  Tap(40, RowTapY(14));
  EXPECT_EQ(c.currentScreen, ScreenChallenge);
  EXPECT_EQ(Challenge()->OpponentClass(), 1);
  EXPECT_EQ(Challenge()->Row(), 14);
  EXPECT_EQ(c.returnFromChallenge, ScreenInstantPlay);
  EXPECT_EQ(OpenClubScreens(), "instantPlay challenge");
}

TEST_F(InstantPlay, ChoosingNeedsTheStylusDownAndUpOnTheSameRow) {
  EnterInstantPlay();
  ClubStylusDown(40, RowTapY(3));
  EXPECT_EQ(List()->SelectedRow(), 3);
  ClubStylusUp(40, RowTapY(4));  // slid to the next row
  EXPECT_EQ(List()->SelectedRow(), -1);
  EXPECT_EQ(c.currentScreen, ScreenInstantPlay);
  Gesture(10, RowTapY(3), 10, RowTapY(3));  // left of the names
  EXPECT_EQ(c.currentScreen, ScreenInstantPlay);
  Gesture(40, RowTapY(5), 41, RowTapY(5));
  ASSERT_EQ(c.currentScreen, ScreenChallenge);
  EXPECT_EQ(Challenge()->Row(), 5);
  // Back to the list, and from it to the corridor.
  Tap(BackX, BackY);
  EXPECT_EQ(c.currentScreen, ScreenInstantPlay);
  EXPECT_EQ(OpenClubScreens(), "instantPlay");
  Tap(BackX, BackY);
  EXPECT_EQ(c.currentScreen, ScreenCorridor);
  EXPECT_EQ(OpenClubScreens(), "none");
}

TEST_F(InstantPlay, OkRefusesForCardsThenDeckThenCreditsAndTakesExactlyTheBet) {
  OpenOpponent(0, 0);
  Tap(OkX, OkY);
  ASSERT_EQ(RoomBoxes.size(), 1u);
  EXPECT_EQ(RoomBoxes[0].text, NoCards);
  EXPECT_EQ(c.nextScreen, ScreenShop);  // the shop fades in over the challenge
  EXPECT_EQ(c.returnFromShop, ScreenChallenge);
  ASSERT_TRUE(RunClubUntil([] { return GameClub.currentScreen == ScreenShop && GameClub.ready; }));
  Tap(210, 305);  // the shop's back: the challenge again
  EXPECT_EQ(c.currentScreen, ScreenChallenge);

  for (int id = 1; id <= 16; ++id) AddCopy(CurrentPlayer, id);
  Tap(OkX, OkY);
  ASSERT_EQ(RoomBoxes.size(), 2u);
  EXPECT_EQ(RoomBoxes[1].text, NoDeck);
  ASSERT_TRUE(RunClubUntil([] { return GameClub.currentScreen == ScreenShop && GameClub.ready; }));
  Tap(210, 305);

  ASSERT_TRUE(QuickDeck(CurrentPlayer));
  CurrentPlayer.credits = 9;
  Tap(OkX, OkY);
  ASSERT_EQ(RoomBoxes.size(), 3u);
  EXPECT_EQ(RoomBoxes[2].text, L"I can't join this game.\nI need 10 Credits!");
  EXPECT_EQ(c.currentScreen, ScreenChallenge);
  EXPECT_EQ(InClub, 1);

  CurrentPlayer.credits = 10;
  Tap(OkX, OkY);
  EXPECT_EQ(RoomBoxes.size(), 3u);
  EXPECT_EQ(CurrentPlayer.credits, 0);
  EXPECT_EQ(InClub, 0);
  EXPECT_TRUE(Challenge()->DuelStarted());
  EXPECT_EQ(TheMatch.players[1], &RosterOpponent(0, 0));
  // The bet is on file before the duel begins.
  EXPECT_EQ(SavedCurrentCharacter().record.credits, 0);
}

TEST_F(InstantPlay, AWinIsPaidAndALossIsNotAndBothAreSavedAtOnce) {
  GiveDeck();
  CurrentPlayer.credits = 25;
  OpenOpponent(0, 4);
  Tap(OkX, OkY);
  EXPECT_EQ(CurrentPlayer.credits, 15);
  DuelEnds(0);
  EXPECT_FALSE(Challenge()->DuelStarted());
  EXPECT_EQ(CurrentPlayer.credits, 55);
  EXPECT_EQ(DuelStats.opponents[0][4].victories, 1);
  ExpectSavedAsShown();
  RunClubFrames(5);  // booked once
  EXPECT_EQ(CurrentPlayer.credits, 55);

  KeyFlags[KeyRight] = true;  // the next Guest
  ClubFrameOnce();
  EXPECT_EQ(Challenge()->Row(), 5);
  Tap(OkX, OkY);
  DuelEnds(1);
  EXPECT_EQ(CurrentPlayer.credits, 45);
  EXPECT_EQ(DuelStats.opponents[0][5].defeats, 1);
  EXPECT_EQ(DuelStats.opponents[0][5].victories, 0);
  ExpectSavedAsShown();
}

TEST_F(InstantPlay, AnEliteTieCostsNothingInTheEnd) {
  GiveDeck();
  for (int k = 0; k < 2; ++k) {
    DuelStats.tourneysWon[k] = 1;
    for (OpponentResults& r : DuelStats.opponents[k]) r.victories = 1;
  }
  CurrentPlayer.credits = 150;
  OpenOpponent(2, 12);
  Tap(OkX, OkY);
  EXPECT_EQ(CurrentPlayer.credits, 50);
  DuelEnds(2);
  EXPECT_EQ(CurrentPlayer.credits, 150);
  EXPECT_EQ(DuelStats.opponents[2][12].ties, 1);
  ExpectSavedAsShown();
}

TEST_F(InstantPlay, AQuickSaveDuringTheDuelBooksTheResultOnceAfterResuming) {
  GiveDeck();
  OpenOpponent(0, 7);
  Tap(OkX, OkY);
  ASSERT_EQ(InClub, 0);
  const std::int32_t afterBet = CurrentPlayer.credits;
  const std::vector<std::uint8_t> saved = ClubStateBytes();  // taken while the duel runs

  // A new start reads the record back: the challenge is open and waits for its duel.
  ResetClubState();
  ByteReader in(saved);
  ASSERT_TRUE(ReadClubState(in));
  CommitClubState();
  ASSERT_EQ(c.currentScreen, ScreenChallenge);
  ASSERT_NE(Challenge(), nullptr);
  EXPECT_EQ(Challenge()->Row(), 7);
  EXPECT_TRUE(Challenge()->DuelStarted());
  EXPECT_EQ(OpenClubScreens(), "instantPlay challenge");
  DuelEnds(0);
  EXPECT_EQ(CurrentPlayer.credits, afterBet + 40);
  EXPECT_EQ(DuelStats.opponents[0][7].victories, 1);
  RunClubFrames(3);
  EXPECT_EQ(DuelStats.opponents[0][7].victories, 1);
  ExpectSavedAsShown();
}

TEST_F(InstantPlay, AQuickSaveBetweenTheDuelsEndAndItsBookingKeepsTheResult) {
  GiveDeck();
  OpenOpponent(0, 2);
  Tap(OkX, OkY);
  const std::int32_t afterBet = CurrentPlayer.credits;
  MatchResult = 1;
  LeaveMatch();  // the duel handed back; the club has not run yet
  const std::vector<std::uint8_t> saved = ClubStateBytes();
  MatchResult = 0;  // a new start knows nothing of the last duel

  ResetClubState();
  ByteReader in(saved);
  ASSERT_TRUE(ReadClubState(in));
  CommitClubState();
  ClubFrameOnce();
  EXPECT_EQ(DuelStats.opponents[0][2].defeats, 1);
  EXPECT_EQ(DuelStats.opponents[0][2].victories, 0);
  EXPECT_EQ(CurrentPlayer.credits, afterBet);
  // A record whose duel has not started is resumed with nothing to book.
  const std::vector<std::uint8_t> idle = ClubStateBytes();
  ResetClubState();
  ByteReader again(idle);
  ASSERT_TRUE(ReadClubState(again));
  CommitClubState();
  RunClubFrames(3);
  EXPECT_EQ(DuelStats.opponents[0][2].defeats, 1);
}

TEST_F(InstantPlay, DamagedScreenRecordsAreRefused) {
  EnterInstantPlay();
  Tap(40, RowTapY(1));
  std::vector<std::uint8_t> bytes = ClubStateBytes();
  // The challenge's five bytes stand last but the trade and final challenge flags.
  const std::size_t challengeAt = bytes.size() - 2 - 2 - 5;  // tournament, options flags before trade, final
  ASSERT_EQ(bytes[challengeAt - 1], 1);                      // open
  ByteReader good(bytes);
  EXPECT_TRUE(ReadClubState(good));
  DropClubState();
  for (std::size_t k : {challengeAt, challengeAt + 1, challengeAt + 2, challengeAt + 4}) {
    std::vector<std::uint8_t> bad = bytes;
    bad[k] = 40;
    ByteReader in(bad);
    EXPECT_FALSE(ReadClubState(in)) << k;
    DropClubState();
  }
}

TEST_F(InstantPlay, ACardSetTooSmallForTheOpponentsDeckIsRefusedBeforeTheBet) {
  GiveDeck();
  CurrentPlayer.credits = 500;
  OpenOpponent(0, 0);
  // A card set of no cards cannot give any opponent a deck.
  CloseCardDatabase();
  Tap(OkX, OkY);
  ASSERT_TRUE(OpenCardDatabase());
  ASSERT_EQ(RoomBoxes.size(), 1u);
  EXPECT_NE(RoomBoxes[0].text.find(L"too few cards"), std::wstring::npos);
  EXPECT_EQ(CurrentPlayer.credits, 500);
  EXPECT_EQ(InClub, 1);
  EXPECT_FALSE(Challenge()->DuelStarted());
  Tap(OkX, OkY);  // with the full set the duel starts
  EXPECT_EQ(InClub, 0);
}

TEST_F(InstantPlay, TheDeckButtonOpensTheShopOverTheChallenge) {
  OpenOpponent(0, 9);
  Tap(DeckX, DeckY);
  EXPECT_EQ(c.nextScreen, ScreenShop);
  EXPECT_EQ(c.returnFromShop, ScreenChallenge);
  ASSERT_TRUE(RunClubUntil([] { return GameClub.currentScreen == ScreenShop && GameClub.ready; }));
  EXPECT_EQ(OpenClubScreens(), "shop instantPlay challenge");
  Tap(210, 305);
  EXPECT_EQ(c.currentScreen, ScreenChallenge);
  EXPECT_EQ(Challenge()->Row(), 9);
}

}  // namespace
