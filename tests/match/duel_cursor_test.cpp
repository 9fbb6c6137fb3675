// duel_cursor_test.cpp -- the duel by keys: the cursor's steps, its moves through the stylus's own calls, a whole duel.
#include <gtest/gtest.h>

#include <set>
#include <vector>

#include "core/random.h"
#include "data/card_database.h"
#include "gfx/screen_buffers.h"
#include "match/duel_cursor.h"
#include "match/match_internal.h"
#include "platform/clock.h"
#include "platform/display.h"
#include "platform/game_state.h"
#include "platform/messages.h"
#include "tests/match/match_harness.h"

namespace {

CursorGrid GridWith(std::initializer_list<CursorSpot> open) {
  CursorGrid g;
  for (CursorSpot s : open) g.open[static_cast<std::size_t>(s.row)][static_cast<std::size_t>(s.column)] = true;
  return g;
}

TEST(CursorSteps, LeftAndRightSkipClosedSpotsAndWrapRoundTheRow) {
  const CursorGrid g = GridWith({{0, 4}, {2, 4}, {5, 4}, {3, 1}});
  EXPECT_EQ(MoveCursor({2, 4}, CursorMove::Right, g), (CursorSpot{5, 4}));
  EXPECT_EQ(MoveCursor({5, 4}, CursorMove::Right, g), (CursorSpot{0, 4}));
  EXPECT_EQ(MoveCursor({0, 4}, CursorMove::Left, g), (CursorSpot{5, 4}));
  EXPECT_EQ(MoveCursor({5, 4}, CursorMove::Left, g), (CursorSpot{2, 4}));
  // Alone in its row the cursor stays: it never leaves the row sideways.
  EXPECT_EQ(MoveCursor({3, 1}, CursorMove::Right, g), (CursorSpot{3, 1}));
  EXPECT_EQ(MoveCursor({3, 1}, CursorMove::Left, g), (CursorSpot{3, 1}));
}

TEST(CursorSteps, UpAndDownSkipEmptyRowsTakeTheNearestColumnAndStopAtTheEdges) {
  const CursorGrid g = GridWith({{0, 0}, {5, 0}, {2, 2}, {4, 2}, {1, 4}});
  // Row 3 has nothing: from the hand the cursor goes on to row 2; of columns 2 and 4, as near to 3, the left one.
  EXPECT_EQ(MoveCursor({3, 4}, CursorMove::Up, g), (CursorSpot{2, 2}));
  EXPECT_EQ(MoveCursor({4, 2}, CursorMove::Up, g), (CursorSpot{5, 0}));
  EXPECT_EQ(MoveCursor({2, 2}, CursorMove::Up, g), (CursorSpot{0, 0}));
  EXPECT_EQ(MoveCursor({5, 0}, CursorMove::Up, g), (CursorSpot{5, 0}));
  EXPECT_EQ(MoveCursor({5, 0}, CursorMove::Down, g), (CursorSpot{4, 2}));
  EXPECT_EQ(MoveCursor({4, 2}, CursorMove::Down, g), (CursorSpot{1, 4}));
  EXPECT_EQ(MoveCursor({1, 4}, CursorMove::Down, g), (CursorSpot{1, 4}));
  // Nothing open at all: nowhere to go, and the helpers fall back.
  const CursorGrid none;
  EXPECT_EQ(MoveCursor({2, 1}, CursorMove::Down, none), (CursorSpot{2, 1}));
  EXPECT_EQ(FirstOpen(none, {3, 3}), (CursorSpot{3, 3}));
  EXPECT_EQ(NearestInRow(g, 3, 2, {9, 9}), (CursorSpot{9, 9}));
}

// A club duel brought to the local side's first move, the cursor not used yet.
class KeyTurn : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_NO_FATAL_FAILURE(StartDuelAtTheLocalFirstMove());
    ResetDuelCursor();
  }
  void TearDown() override { ResetDuelCursor(); }

  // A key as the window procedure hands it on, and the frame that follows it.
  static bool Press(int key) {
    const bool used = MatchKeyDown(key);
    MatchFrame();
    return used;
  }
};

TEST_F(KeyTurn, TheFirstKeyShowsTheCursorAndTheFrameLeavesNoTrace) {
  // The bottom rows: the pile and the hand, below the status line that ticks on its own.
  constexpr int Below = 250 * 240;
  MatchFrame();
  const std::vector<std::uint16_t> before(ScreenBuffer(0) + Below, ScreenBuffer(0) + 240 * 320);
  EXPECT_FALSE(DuelCursorShown()) << "no frame before a key";
  EXPECT_TRUE(Press(KeyA));
  EXPECT_EQ(TheMatch.state, MatchState::TapMove) << "the first key only shows the cursor";
  ASSERT_TRUE(DuelCursorShown());
  EXPECT_EQ(DuelCursorMode(), CursorMode::Pick);
  EXPECT_EQ(DuelCursorSpot(), (CursorSpot{1, HandRow})) << "on the first card of the hand";
  HideDuelCursor();
  EXPECT_TRUE(std::equal(before.begin(), before.end(), ScreenBuffer(0) + Below)) << "the frame left pixels behind";
  // Start and KeyC stay the game's own; the stylus puts the frame away.
  EXPECT_FALSE(MatchKeyDown(KeyStart));
  EXPECT_FALSE(MatchKeyDown(KeyC));
  MatchFrame();
  EXPECT_TRUE(DuelCursorShown());
  MatchStylusMove(10, 10);
  EXPECT_FALSE(DuelCursorShown());
  MatchFrame();
  EXPECT_FALSE(DuelCursorShown());
}

TEST_F(KeyTurn, TheActionKeyLiftsACardAndPlacesItOnTheCellUnderTheCursor) {
  Press(KeyRight);  // shows
  Press(KeyRight);  // on the second card
  const int id = TheMatch.hands[0].Get(1).id;
  Press(KeyA);
  EXPECT_EQ(TheMatch.state, MatchState::DragCard);
  EXPECT_EQ(DuelCursorMode(), CursorMode::Place);
  const CursorSpot first = DuelCursorSpot();
  ASSERT_LT(first.row, HandRow);
  EXPECT_TRUE(CanPlace(TheMatch.board, TheMatch.liftedCard, first.column, first.row));
  Press(KeyUp);
  const CursorSpot cell = DuelCursorSpot();
  ASSERT_LT(cell.row, HandRow);
  ASSERT_TRUE(TheMatch.board.At(cell.column, cell.row).free);
  // The card hovers over the cell under the cursor.
  EXPECT_EQ(TheMatch.dragPos.x, CellPixelX(cell.column));
  EXPECT_EQ(TheMatch.dragPos.y, CellPixelY(cell.row));
  Press(KeyA);
  EXPECT_FALSE(TheMatch.hands[0].Occupied(1));
  EXPECT_FALSE(TheMatch.board.At(cell.column, cell.row).free);
  EXPECT_EQ(TheMatch.board.At(cell.column, cell.row).card.id, id);
  ASSERT_FALSE(Events.empty());
  EXPECT_EQ(Events[0].kind, MatchEvent::Place);
  EXPECT_EQ(Events[0].ax, cell.column);
  EXPECT_EQ(Events[0].ay, cell.row);
}

TEST_F(KeyTurn, TheCardGoesBackFromTheHandRowAndTheZoomShowsTheCursorsCard) {
  Press(KeyA);
  Press(KeyA);  // the first card lifted
  ASSERT_EQ(TheMatch.state, MatchState::DragCard);
  Press(KeyDown);
  EXPECT_EQ(DuelCursorSpot(), (CursorSpot{1, HandRow}));
  Press(KeyRight);
  Press(KeyRight);
  EXPECT_EQ(DuelCursorSpot(), (CursorSpot{3, HandRow}));
  // The action key on another card of the hand puts the first back and lifts that one.
  Press(KeyA);
  EXPECT_EQ(TheMatch.state, MatchState::DragCard);
  EXPECT_EQ(TheMatch.selectedSlot, 2);
  EXPECT_EQ(TheMatch.hands[0].Count(), HandSize);
  Press(KeyDown);
  Press(KeyA);  // on its own slot: back in the hand, still selected
  EXPECT_EQ(TheMatch.state, MatchState::TapMove);
  EXPECT_EQ(TheMatch.selectedSlot, 2);
  EXPECT_TRUE(Events.empty()) << "nothing was played";

  // KeyB zooms on the card under the cursor and is the duel's, not the game's question.
  Press(KeyLeft);
  KeyFlags[KeyB] = true;
  EXPECT_TRUE(Press(KeyB));
  EXPECT_EQ(TheMatch.state, MatchState::CardInfo);
  EXPECT_EQ(TheMatch.selectedSlot, 1);
  EXPECT_FALSE(DuelCursorShown()) << "no frame over the card's information";
  EXPECT_TRUE(Press(KeyA));
  EXPECT_EQ(TheMatch.state, MatchState::TapMove);
  EXPECT_TRUE(DuelCursorShown());
}

TEST_F(KeyTurn, ThePileIsOfferedOnlyWhileItCanBeTakenFrom) {
  // A full hand cannot take from the pile.
  EXPECT_FALSE(DuelCursorGrid(CursorMode::Pick).Open({PileColumn, HandRow}));
  Press(KeyA);
  Press(KeyLeft);
  EXPECT_EQ(DuelCursorSpot(), (CursorSpot{5, HandRow})) << "past the pile round to the last card";
  Card card;
  TheMatch.hands[0].Take(0, card);
  DrawHandAndPile();
  EXPECT_TRUE(DuelCursorGrid(CursorMode::Pick).Open({PileColumn, HandRow}));
  Press(KeyRight);
  EXPECT_EQ(DuelCursorSpot(), (CursorSpot{0, HandRow}));
  const int pile = TheMatch.piles[0].count;
  Press(KeyA);
  EXPECT_EQ(TheMatch.piles[0].count, pile - 1);
  EXPECT_EQ(TheMatch.state, MatchState::DrawFromPile);
}

// The whole duel by the action key alone: it always offers something to do.
TEST(KeyDuel, AClubDuelPlaysToItsEndByTheActionKey) {
  SetUpMatchTable();
  MakeCharacter(CurrentPlayer, L"TESTER");
  CurrentPlayer.slot = 2;
  ResetDuelCursor();
  SeedRandom(5);
  StartClubDuel(0, 0);
  std::set<MatchState> pressedIn;
  bool ended = false;
  for (int i = 0; i < 200000 && !ended; ++i) {
    if (InClub) {
      ended = true;
      break;
    }
    const MatchState s = TheMatch.state;
    if (s == MatchState::CoinToss) {
      platform::Message key;
      key.kind = platform::MessageKind::KeyDown;
      key.key = platform::VkAppA;
      platform::PostMessage(key);
    }
    if ((s == MatchState::TapMove || s == MatchState::DragCard || s == MatchState::TapAttack ||
         s == MatchState::TapMultiHit || s == MatchState::TieWait) &&
        MatchKeyDown(KeyA))
      pressedIn.insert(s);
    MatchFrame();
    platform::SleepMs(16);
  }
  ASSERT_TRUE(ended) << "the duel never ended";
  for (MatchState s : {MatchState::TapMove, MatchState::DragCard, MatchState::TapAttack})
    EXPECT_EQ(pressedIn.count(s), 1u) << static_cast<int>(s);
  int placed = 0;
  for (const MatchEvent& e : Events)
    if (e.kind == MatchEvent::Place && e.side == 0) ++placed;
  EXPECT_GE(placed, 5);
  ResetDuelCursor();
}

}  // namespace
