// duel_tutorial_test.cpp -- the duel's tutorial: its pages, the four examples on the board, the taps it waits for.
#include <gtest/gtest.h>

#include "core/random.h"
#include "data/card_database.h"
#include "engine/fight.h"
#include "engine/tutorial_boards.h"
#include "match/match_internal.h"
#include "match/match_snapshot.h"
#include "match/match_tutorial.h"
#include "platform/game_state.h"
#include "tests/match/match_harness.h"

namespace {

class DuelTutorial : public ::testing::Test {
 protected:
  void SetUp() override {
    SetUpMatchTable();
    MakeCharacter(CurrentPlayer, L"TESTER");
    SeedRandom(7);
    StartClubDuel(0, 0);
    StartDuelTutorial();
    ShownBoxes.clear();
  }

  // Frames until the tutorial waits (a page to tap past, a target to pick) or has ended.
  int RunToWait(int limit = 5000) {
    Match& m = TheMatch;
    for (int i = 0; i < limit; ++i) {
      if (!m.tutorial || m.tutorialStep == TutorialExampleTap ||
          (m.tutorialStep >= TutorialFirstWait && m.tutorialStep <= TutorialLastWait))
        return m.tutorialStep;
      MatchFrame();
    }
    return -1;
  }

  // The centre of a board cell, where a tap picks it.
  static void TapCell(int x, int y) { Tap(CellPixelX(x) + 16, CellPixelY(y) + 25); }

  static Side OwnerAt(int x, int y) { return TheMatch.board.At(x, y).owner; }
  static int IdAt(int x, int y) { return TheMatch.board.At(x, y).card.id; }
};

TEST_F(DuelTutorial, PagesAndExamplesRunInOrderAndLeaveTheDuel) {
  Match& m = TheMatch;
  ASSERT_EQ(RunToWait(), 20);
  ASSERT_EQ(ShownBoxes.size(), 1u);
  EXPECT_EQ(ShownBoxes[0].text.substr(0, 30), L"This is the board of the game.");
  EXPECT_EQ(ShownBoxes[0].right, L"Ok");
  // The duel that was set up keeps its hand and blocked cells under page 1.
  EXPECT_EQ(m.hands[0].Count(), HandSize);

  // A tap shows page 2; example 1: the card at (3, 2) takes its only target (3, 3) by itself.
  Tap(120, 150);
  EXPECT_EQ(m.tutorialStep, 14);
  ASSERT_EQ(RunToWait(), 21);
  EXPECT_EQ(ShownBoxes.back().text.substr(0, 20), L"To attack an opponen");
  EXPECT_EQ(IdAt(3, 2), 16);
  EXPECT_EQ(OwnerAt(3, 2), 1);
  EXPECT_EQ(IdAt(3, 3), 38);
  EXPECT_EQ(OwnerAt(3, 3), 1);
  int free = 0;
  for (int x = 0; x < BoardColumns; ++x)
    for (int y = 0; y < BoardRows; ++y) free += m.board.At(x, y).free;
  EXPECT_EQ(free, 22);  // the scripted board has no blocked cell

  // Example 2: a fight decided by the two facing icons.
  Tap(120, 150);
  ASSERT_EQ(RunToWait(), 22);
  EXPECT_EQ(IdAt(2, 2), 2);
  EXPECT_EQ(IdAt(3, 2), 17);
  const Side winner = OwnerAt(2, 2) == OwnerAt(3, 2) ? OwnerAt(2, 2) : NoSide;
  EXPECT_NE(winner, NoSide) << "one card changed colour";

  // Example 3: several targets; a tap beside them changes nothing, a highlighted one is attacked.
  Tap(120, 150);
  ASSERT_EQ(RunToWait(), TutorialExampleTap);
  EXPECT_EQ(m.state, MatchState::TapAttack);
  EXPECT_EQ(m.attacker.x, 3);
  EXPECT_EQ(m.attacker.y, 3);
  EXPECT_GT(CountAttackTargets(m.board, 3, 3), 1);
  TapCell(0, 0);
  EXPECT_EQ(m.tutorialStep, TutorialExampleTap);
  EXPECT_EQ(m.state, MatchState::TapAttack);
  TapCell(3, 2);
  EXPECT_EQ(m.tutorialStep, TutorialExampleRuns);
  EXPECT_EQ(m.state, MatchState::AttackMove);
  EXPECT_EQ(m.target.x, 3);
  EXPECT_EQ(m.target.y, 2);
  ASSERT_EQ(RunToWait(), 23);

  // Example 4: the multi-hit; every choice of several targets waits for a tap.
  Tap(120, 150);
  int taps = 0;
  for (int step = RunToWait(); step == TutorialExampleTap; step = RunToWait()) {
    ASSERT_LT(++taps, 8);
    for (int x = 0, done = 0; x < BoardColumns && !done; ++x)
      for (int y = 0; y < BoardRows && !done; ++y)
        if (CanAttack(m.board, m.attacker.x, m.attacker.y, x, y)) {
          TapCell(x, y);
          done = 1;
        }
  }
  ASSERT_EQ(m.tutorialStep, 24);
  EXPECT_EQ(IdAt(0, 0), 2);
  EXPECT_EQ(OwnerAt(1, 0), 1) << "the first fight is won and chains";

  // Page 6 ends the tutorial: the flag is off, the duel left, the next duel an ordinary one.
  InClub = 0;
  Tap(120, 150);
  ASSERT_EQ(RunToWait(), TutorialLastPage);
  EXPECT_EQ(m.tutorial, 0);
  EXPECT_EQ(InClub, 1);
  EXPECT_EQ(ShownBoxes.back().text.substr(0, 20), L"The match ends when ");
  EXPECT_EQ(ShownBoxes.size(), 6u);
  StartClubDuel(0, 0);
  EXPECT_EQ(m.tutorial, 0);
  EXPECT_EQ(m.state, MatchState::Versus);
}

TEST_F(DuelTutorial, TapsOutsideTheWaitingStepsAreIgnored) {
  Match& m = TheMatch;
  // Before page 1 has been shown, and while an example runs, taps do nothing.
  Tap(120, 150);
  EXPECT_EQ(m.tutorialStep, TutorialFirstPage);
  ASSERT_EQ(RunToWait(), 20);
  Tap(120, 150);
  MatchFrame();  // page 2, example 1 under way
  ASSERT_EQ(m.tutorialStep, TutorialExampleRuns);
  const MatchState running = m.state;
  Tap(CellPixelX(3) + 16, CellPixelY(3) + 25);
  EXPECT_EQ(m.tutorialStep, TutorialExampleRuns);
  EXPECT_EQ(m.state, running);
  MatchStylusUp(120, 150);  // stylus up does nothing in the tutorial
  EXPECT_EQ(m.state, running);
}

// A first attack lost in an example turns the attacker over to side 0; when
// that card then has several targets, the chain's choice is the tutorial's tap
// too (the duel's own tap handler never sees it while the tutorial runs).
TEST_F(DuelTutorial, ALostFirstAttackWithSeveralChainTargetsWaitsForTheTutorialsTap) {
  Match& m = TheMatch;
  ASSERT_EQ(RunToWait(), 20);
  // Side 1's weak card attacks a strong side-0 card and loses; two side-1
  // cards stand where the lost card's icons point.
  Card strong = LoadCard(40), weak = LoadCard(41), prey1 = LoadCard(42), prey2 = LoadCard(43);
  strong.icons = weak.icons = prey1.icons = prey2.icons = 0;
  SetIcon(strong.icons, 6, 5);  // toward the attacker on its left
  SetIcon(weak.icons, 2, 1);    // toward the strong card, too weak
  SetIcon(weak.icons, 0, 3);    // up, at prey1
  SetIcon(weak.icons, 4, 3);    // down, at prey2
  ResetBoard(m.board, 0, GameRandom());
  PlaceCard(m.board, strong, 3, 1, 0);
  PlaceCard(m.board, prey1, 2, 0, 1);
  PlaceCard(m.board, prey2, 2, 2, 1);
  DrawMatchScreen();
  m.tutorialStep = TutorialExampleRuns;
  m.tutorialResume = 22;
  m.currentSide = m.chainSide = 1;
  PlaceAndAttack(weak, 2, 1);
  ASSERT_EQ(m.state, MatchState::AttackMove);
  ASSERT_EQ(RunToWait(), TutorialExampleTap);
  EXPECT_EQ(OwnerAt(2, 1), 0) << "the attacker was lost";
  EXPECT_EQ(m.state, MatchState::TapMultiHit);
  EXPECT_EQ(m.chainSide, 0);
  TapCell(2, 2);
  EXPECT_EQ(m.tutorialStep, TutorialExampleRuns);
  EXPECT_EQ(m.nextState, MatchState::ResolveMultiHit);
  ASSERT_EQ(RunToWait(), 22);
  EXPECT_EQ(OwnerAt(2, 2), 0) << "side 0's chain took the card it was aimed at";
  EXPECT_EQ(OwnerAt(2, 0), 1);
}

TEST_F(DuelTutorial, AQuickSaveKeepsTheTutorialAndRefusesStepsItCouldNeverLeave) {
  Match& m = TheMatch;
  ASSERT_EQ(RunToWait(), 20);
  std::vector<std::uint8_t> bytes;
  SaveMatchSnapshot(bytes);
  m.tutorial = 0;
  ASSERT_TRUE(LoadMatchSnapshot(bytes));
  EXPECT_EQ(m.tutorial, 1);
  EXPECT_EQ(m.tutorialStep, 20);
  struct Damage {
    std::uint8_t tutorial, step, resume;
  };
  for (const Damage d : {Damage{1, 0, 0}, Damage{1, 19, 0}, Damage{1, 26, 0}, Damage{1, 25, 7}, Damage{2, 20, 0}}) {
    m.tutorial = d.tutorial;
    m.tutorialStep = d.step;
    m.tutorialResume = d.resume;
    std::vector<std::uint8_t> damaged;
    SaveMatchSnapshot(damaged);  // step 26 outside a choice of target: no tap would ever be taken
    EXPECT_FALSE(LoadMatchSnapshot(damaged)) << int(d.tutorial) << " " << int(d.step) << " " << int(d.resume);
  }
}

}  // namespace
