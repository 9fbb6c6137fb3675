// match_edges_test.cpp -- the duel state machine at its edges: drops, draws, the zoom button, targets, fights, passes.
#include <gtest/gtest.h>

#include "core/random.h"
#include "data/card_database.h"
#include "gfx/pixels.h"
#include "gfx/screen_buffers.h"
#include "match/card_pictures.h"
#include "match/coin_token.h"
#include "match/match_internal.h"
#include "tests/match/match_harness.h"

namespace {

// A card of the data set with the given icon strengths (direction 0 first).
Card CardWith(int id, std::initializer_list<std::pair<int, int>> icons) {
  Card c = LoadCard(id);
  c.icons = 0;
  for (auto [d, v] : icons) SetIcon(c.icons, d, v);
  return c;
}

constexpr int Right = 2, Down = 4, Left = 6;

// A club duel brought to the local side's first move.
class LocalTurn : public ::testing::Test {
 protected:
  void SetUp() override { ASSERT_NO_FATAL_FAILURE(StartDuelAtTheLocalFirstMove()); }

  // A bare board: nothing blocked, nothing placed; the local side to move.
  void ClearBoard() {
    ResetBoard(TheMatch.board, 0, GameRandom());
    DrawMatchScreen();
  }

  void Drag(int slot, int toX, int toY) {
    const int sx = HandSlotX(slot) + 5, sy = HandSlotY + 5;
    MatchStylusDown(sx, sy);
    MatchStylusMove(toX, toY);
    MatchStylusUp(toX, toY);
  }

  static int Blocked(int& bx, int& by) {
    for (int x = 0; x < BoardColumns; ++x)
      for (int y = 0; y < BoardRows; ++y)
        if (!TheMatch.board.At(x, y).free) {
          bx = x;
          by = y;
          return 1;
        }
    return 0;
  }
};

TEST_F(LocalTurn, ADropOutsideAFreeCellPutsTheCardBack) {
  const Board before = TheMatch.board;
  const int id = TheMatch.hands[0].Get(2).id;
  int bx = 0, by = 0;
  ASSERT_EQ(Blocked(bx, by), 1) << "every duel blocks two cells or more";
  // On a blocked cell, over the hand row, and off the board at the screen's corner.
  for (auto [x, y] : {std::pair{CellPixelX(bx) + 5, CellPixelY(by) + 5}, std::pair{150, 290}, std::pair{400, 500}}) {
    Drag(2, x, y);
    EXPECT_EQ(TheMatch.state, MatchState::TapMove);
    EXPECT_TRUE(TheMatch.hands[0].Occupied(2));
    EXPECT_EQ(TheMatch.hands[0].Get(2).id, id);
    EXPECT_EQ(TheMatch.selectedSlot, 2);
  }
  for (int i = 0; i < BoardCells; ++i) EXPECT_EQ(TheMatch.board.cells[i].free, before.cells[i].free);
  EXPECT_TRUE(Events.empty());
}

TEST_F(LocalTurn, ACardDraggedPastTheEdgeStopsOnScreen) {
  MatchStylusDown(HandSlotX(0) + 5, HandSlotY + 5);
  MatchStylusMove(400, 500);
  EXPECT_EQ(TheMatch.dragPos.x, 207);
  EXPECT_EQ(TheMatch.dragPos.y, 269);
  MatchStylusMove(-50, -50);
  EXPECT_EQ(TheMatch.dragPos.x, 0);
  EXPECT_EQ(TheMatch.dragPos.y, 0);
  MatchStylusUp(-50, -50);  // over the top-left cell, which may be free
}

TEST_F(LocalTurn, ADropOnAFreeCellPlacesTheCard) {
  ClearBoard();
  const int id = TheMatch.hands[0].Get(1).id;
  Drag(1, CellPixelX(3) + 5, CellPixelY(2) + 5);
  EXPECT_FALSE(TheMatch.hands[0].Occupied(1));
  EXPECT_EQ(TheMatch.board.At(3, 2).card.id, id);
  EXPECT_EQ(TheMatch.board.At(3, 2).owner, 0);
  EXPECT_NE(TheMatch.state, MatchState::TapMove) << "no enemy around: the turn passes";
  ASSERT_EQ(Events.size(), 1u);
  EXPECT_EQ(Events[0].kind, MatchEvent::Place);
}

TEST_F(LocalTurn, NoDrawWithAFullHandTwiceOrFromAnEmptyPile) {
  Match& m = TheMatch;
  const int pile = m.piles[0].count;
  Tap(30, 280);  // a full hand
  EXPECT_EQ(m.state, MatchState::TapMove);
  EXPECT_EQ(m.piles[0].count, pile);

  Card out;
  m.hands[0].Take(0, out);
  m.hasDrawn = 1;  // already drawn this turn
  Tap(30, 280);
  EXPECT_EQ(m.piles[0].count, pile);
  EXPECT_EQ(m.state, MatchState::TapMove);

  m.hasDrawn = 0;
  const std::uint8_t kept = m.piles[0].count;
  m.piles[0].count = 0;  // nothing left to draw
  Tap(30, 280);
  EXPECT_EQ(m.state, MatchState::TapMove);
  EXPECT_FALSE(m.hands[0].Occupied(0));
  m.piles[0].count = kept;

  Tap(30, 280);  // now it draws: the top card flies to the free slot and the turn ends
  EXPECT_EQ(m.state, MatchState::DrawFromPile);
  EXPECT_EQ(m.piles[0].count, pile - 1);
  EXPECT_TRUE(m.hands[0].Occupied(0));
  EXPECT_EQ(m.hasDrawn, 1);
  EXPECT_EQ(m.nextState, MatchState::EndTurn);
  for (int i = 0; i < 200 && m.state == MatchState::DrawFromPile; ++i) MatchFrame();
  EXPECT_EQ(m.state, MatchState::EndTurn);
}

TEST_F(LocalTurn, TheZoomButtonWantsASelectedCard) {
  Match& m = TheMatch;
  ASSERT_EQ(m.selectedSlot, 255);
  Tap(10, 238);
  EXPECT_EQ(m.state, MatchState::TapMove);
  EXPECT_TRUE(ShownBoxes.empty());

  Tap(HandSlotX(3) + 10, HandSlotY + 10);  // lifted and put back: now selected
  EXPECT_EQ(m.selectedSlot, 3);
  Tap(10, 238);
  EXPECT_EQ(m.state, MatchState::CardInfo);
  ASSERT_EQ(ShownBoxes.size(), 1u);
  EXPECT_EQ(ShownBoxes[0].text, CardInfoText(m.hands[0].Get(3).id));
  MatchFrame();
  EXPECT_EQ(m.state, MatchState::CardInfo) << "the frame does nothing while the card is read";
  MatchStylusDown(120, 100);
  MatchStylusUp(120, 100);
  EXPECT_EQ(m.state, MatchState::TapMove);
}

// The status line's band of buffer 0, as the player sees it.
std::vector<std::uint16_t> StatusBand() {
  std::vector<std::uint16_t> band;
  for (int y = StatusTop; y < StatusTop + StatusHeight; ++y)
    for (int x = StatusLeft; x < StatusLeft + StatusWidth; ++x) band.push_back(ScreenBuffer(0)[y * 240 + x]);
  return band;
}

TEST_F(LocalTurn, TheStatusLineDoesNotShowThroughTheCardInformation) {
  Match& m = TheMatch;
  Tap(HandSlotX(1) + 10, HandSlotY + 10);
  ASSERT_EQ(m.selectedSlot, 1);
  std::vector<std::uint16_t> under[2], line[2];
  const wchar_t* texts[2] = {L"RED : 13  BLUE : 11", L""};
  for (int i = 0; i < 2; ++i) {
    SetStatus(m.status, 1, texts[i], L"", L"", 0, false, 0);
    StatusTick(m.status);
    line[i] = StatusBand();
    Tap(10, 238);
    ASSERT_EQ(m.state, MatchState::CardInfo);
    under[i] = StatusBand();
    Tap(120, 100);
    ASSERT_EQ(m.state, MatchState::TapMove);
    EXPECT_EQ(StatusBand(), line[i]) << "the line is back once the information is closed";
  }
  EXPECT_NE(line[0], line[1]);
  EXPECT_EQ(under[0], under[1]) << "the panel shows no trace of the status text";
}

TEST_F(LocalTurn, OnlyAHighlightedCellCanBeAttacked) {
  Match& m = TheMatch;
  ClearBoard();
  PlaceCard(m.board, CardWith(5, {{Left, 1}}), 3, 1, 1);   // a target
  PlaceCard(m.board, CardWith(6, {{0, 1}}), 2, 2, 1);      // a target
  PlaceCard(m.board, CardWith(7, {{Right, 5}}), 1, 1, 1);  // not pointed at
  PlaceAndAttack(CardWith(8, {{Right, 3}, {Down, 3}}), 2, 1);
  ASSERT_EQ(m.state, MatchState::TapAttack);
  // The attacker is tinted red and its two targets blue; the card it does not point at is not.
  auto pixelAt = [](int x, int y) { return SplitPixel(ScreenBuffer(0)[(58 * y + 4 + 10) * 240 + 40 * x + 4 + 3]); };
  auto plainAt = [](int x, int y) { return SplitPixel(ScreenBuffer(1)[(58 * y + 4 + 10) * 240 + 40 * x + 4 + 3]); };
  EXPECT_GT(pixelAt(2, 1).r, plainAt(2, 1).r);
  EXPECT_GT(pixelAt(3, 1).b, plainAt(3, 1).b);
  EXPECT_GT(pixelAt(2, 2).b, plainAt(2, 2).b);
  EXPECT_EQ(pixelAt(1, 1).b, plainAt(1, 1).b);
  Tap(CellPixelX(1) + 10, CellPixelY(1) + 10);
  Tap(CellPixelX(5) + 10, CellPixelY(3) + 10);
  Tap(2, 2);
  EXPECT_EQ(m.state, MatchState::TapAttack);
  Tap(CellPixelX(2) + 10, CellPixelY(2) + 10);
  EXPECT_EQ(m.state, MatchState::AttackMove);
  EXPECT_EQ(m.target.x, 2);
  EXPECT_EQ(m.target.y, 2);
  EXPECT_EQ(m.nextState, MatchState::ResolveAttack);
}

TEST_F(LocalTurn, ASingleTargetIsAttackedWithoutAChoice) {
  Match& m = TheMatch;
  ClearBoard();
  PlaceCard(m.board, CardWith(5, {{Left, 1}}), 3, 1, 1);
  PlaceAndAttack(CardWith(8, {{Right, 3}}), 2, 1);
  EXPECT_EQ(m.state, MatchState::AttackMove);
  EXPECT_EQ(m.target.x, 3);
}

// The fight that follows an attack bump, run to its next decision.
MatchState FightOutcome(bool multiHit) {
  Match& m = TheMatch;
  ResolveAttackState(multiHit);
  return m.state == MatchState::CaptureFlip ? m.nextState : m.state;
}

TEST_F(LocalTurn, FightsEndTheTurnOrChainAsTheRulesSay) {
  Match& m = TheMatch;
  // A draw: equal icons, nobody flips, the turn changes at once.
  ClearBoard();
  PlaceCard(m.board, CardWith(5, {{Left, 3}}), 3, 1, 1);
  PlaceCard(m.board, CardWith(8, {{Right, 3}}), 2, 1, 0);
  m.currentSide = 0;
  m.attacker = {2, 1};
  m.target = {3, 1};
  EXPECT_NE(FightOutcome(false), MatchState::CaptureFlip);
  EXPECT_EQ(m.board.At(3, 1).owner, 1);
  EXPECT_EQ(m.currentSide, 1) << "the turn went to the other side";

  // A plain capture (no icon back) never chains, even with targets.
  ClearBoard();
  PlaceCard(m.board, CardWith(5, {{Right, 1}}), 3, 1, 1);
  PlaceCard(m.board, CardWith(6, {{Left, 5}}), 4, 1, 1);
  PlaceCard(m.board, CardWith(8, {{Right, 3}}), 2, 1, 0);
  m.currentSide = 0;
  m.attacker = {2, 1};
  m.target = {3, 1};
  EXPECT_EQ(FightOutcome(false), MatchState::EndTurn);
  EXPECT_EQ(m.board.At(3, 1).owner, 0);

  // Both pointing at each other: the taken card chains when it has targets.
  ClearBoard();
  PlaceCard(m.board, CardWith(5, {{Left, 1}, {Right, 1}}), 3, 1, 1);
  PlaceCard(m.board, CardWith(6, {{Left, 5}}), 4, 1, 1);
  PlaceCard(m.board, CardWith(8, {{Right, 3}}), 2, 1, 0);
  m.currentSide = 0;
  m.attacker = {2, 1};
  m.target = {3, 1};
  EXPECT_EQ(FightOutcome(false), MatchState::MultiHitStart);
  EXPECT_EQ(m.attacker.x, 3) << "the taken card attacks next";

  // A chain card that loses its fight starts nothing, though it now has targets.
  m.state = MatchState::ResolveMultiHit;
  m.chainSide = 0;
  m.attacker = {3, 1};
  m.target = {4, 1};
  EXPECT_EQ(FightOutcome(true), MatchState::EndTurn);
  EXPECT_EQ(m.board.At(3, 1).owner, 1);

  // A first attack that is lost chains from the lost card for its new owner.
  ClearBoard();
  PlaceCard(m.board, CardWith(5, {{Left, 4}}), 3, 1, 1);
  PlaceCard(m.board, CardWith(8, {{Right, 1}, {Left, 2}}), 2, 1, 0);
  PlaceCard(m.board, CardWith(6, {{Right, 1}}), 1, 1, 0);
  m.currentSide = 0;
  m.attacker = {2, 1};
  m.target = {3, 1};
  EXPECT_EQ(FightOutcome(false), MatchState::MultiHitStart);
  EXPECT_EQ(m.board.At(2, 1).owner, 1);
}

TEST_F(LocalTurn, ASideWithNothingLeftPassesItsTurn) {
  Match& m = TheMatch;
  m.hands[0].Clear();
  m.piles[0].Clear();
  m.currentSide = 1;
  TurnChange();
  EXPECT_EQ(m.state, MatchState::EndTurn);
  ASSERT_FALSE(Events.empty());
  EXPECT_EQ(Events.back().kind, MatchEvent::Pass);
  MatchFrame();
  EXPECT_EQ(m.currentSide, 1);
  EXPECT_EQ(m.state, MatchState::ComputerTurn);
}

TEST_F(LocalTurn, AComputerWithNothingLeftPassesToo) {
  Match& m = TheMatch;
  m.hands[1].Clear();
  m.piles[1].Clear();
  m.currentSide = 0;
  TurnChange();
  ASSERT_EQ(m.state, MatchState::ComputerTurn);
  MatchFrame();
  ASSERT_FALSE(Events.empty());
  EXPECT_EQ(Events.back().kind, MatchEvent::Pass);
  EXPECT_EQ(Events.back().side, 1);
  MatchFrame();
  EXPECT_EQ(m.state, MatchState::TapMove);
  EXPECT_EQ(m.currentSide, 0);
}

TEST(CoinToss, TheSpinAlwaysRestsOnTheStartingSidesColour) {
  CoinStep steps[64];
  for (int target : {0, 12})
    for (int k = 0; k < CoinFrameCount; ++k) {
      const int n = CoinSlowDown(k, target, steps, 64);
      ASSERT_GT(n, 1);
      ASSERT_LE(n, 64);
      EXPECT_EQ(steps[n - 1].frame, target);
      EXPECT_EQ(steps[0].delayMs, 30);
      for (int i = 1; i + 1 < n; ++i) EXPECT_EQ(steps[i].delayMs, steps[i - 1].delayMs + 3);
      EXPECT_EQ(steps[n - 1].delayMs, steps[n - 2].delayMs + 3 + 5);
      EXPECT_GT(steps[n - 2].delayMs + 3, 65) << "it slows down before it rests";
    }
}

TEST(AttackBump, TheCardTravelsTowardItsTarget) {
  // Same column: only y moves; diagonal: 16 ax + 24 tx + 4 and 25 ay + 33 ty + 4.
  PixelPos b = BumpPoint({2, 1}, {2, 2});
  EXPECT_EQ(b.x, CellPixelX(2));
  EXPECT_EQ(b.y, 25 * 1 + 33 * 2 + 4);
  b = BumpPoint({1, 1}, {2, 0});
  EXPECT_EQ(b.x, 16 + 48 + 4);
  EXPECT_EQ(b.y, 25 + 0 + 4);
}

}  // namespace

namespace {

TEST(ShortDeck, EmptyDeckSlotsAreNeverDealt) {
  SetUpMatchTable();
  MakeCharacter(CurrentPlayer, L"TESTER");
  // A deck that lost three cards (their last copies went in earlier duels).
  for (int i : {0, 7, 15}) {
    CurrentPlayer.deck.slots[i] = Card{};
    --CurrentPlayer.deck.count;
  }
  SeedRandom(8);
  StartClubDuel(1, 0);
  const Match& m = TheMatch;
  EXPECT_EQ(m.hands[0].Count() + m.piles[0].count, 13);
  for (const HandSlot& s : m.hands[0].slots) EXPECT_TRUE(s.empty || s.card.id >= 1);
  for (int i = 0; i < m.piles[0].count; ++i) EXPECT_GE(m.piles[0].cards[i].id, 1);
  EXPECT_TRUE(PlayToEnd(LocalStyle::Strong));
}

}  // namespace

namespace {

TEST(EmptyDecks, ADuelWithNothingToPlayEndsInsteadOfTurningForever) {
  SetUpMatchTable();
  static PlayerRecord a, b;
  a.name = L"A";
  b.name = L"B";
  a.kind = b.kind = KindLocal;
  EmptyDeck(a.deck);
  EmptyDeck(b.deck);
  InClub = 0;
  BeginDuel(a, b, 3);
  EXPECT_EQ(TheMatch.firstTurnState, MatchState::MatchOver);
  EXPECT_EQ(MatchResult, 2);
  EXPECT_EQ(TheMatch.rewardCount, 0);
  EXPECT_TRUE(PlayToEnd(LocalStyle::Strong, 5000));
  EXPECT_EQ(InClub, 1);
}

}  // namespace

namespace {

// The pile's rectangle on screen, as drawn now.
std::vector<std::uint16_t> PileArea() {
  std::vector<std::uint16_t> out;
  const std::uint16_t* screen = ScreenBuffer(0);
  for (int y = 257; y < 257 + 54; ++y)
    for (int x = 11; x < 11 + 36; ++x) out.push_back(screen[y * 240 + x]);
  return out;
}

TEST_F(LocalTurn, ThePileShowsOneBackPerFourCards) {
  Match& m = TheMatch;
  const std::uint8_t kept = m.piles[0].count;
  auto shown = [&](int count) {
    m.piles[0].count = static_cast<std::uint8_t>(count);
    DrawLocalPile();
    return PileArea();
  };
  const auto empty = shown(0);
  const auto one = shown(1), three = shown(3), four = shown(4), eleven = shown(11);
  m.piles[0].count = kept;
  // The bare frame, then one back for 1..3 cards, two from 4, three for 11.
  std::vector<std::uint16_t> frame;
  for (int y = 257; y < 257 + 54; ++y)
    for (int x = 11; x < 11 + 36; ++x)
      frame.push_back(m.screen.frameImage.Pixels()[y * m.screen.frameImage.Width() + x]);
  EXPECT_EQ(empty, frame);
  EXPECT_NE(one, empty);
  EXPECT_EQ(one, three);
  EXPECT_NE(four, three);
  EXPECT_NE(eleven, four);
  // The third back's top-left corner at (13, 259) is the back's own corner.
  const ImageView back = CardBackPicture();
  EXPECT_EQ(eleven[(259 - 257) * 36 + (13 - 11)], back.pixels[0]);
}

}  // namespace
