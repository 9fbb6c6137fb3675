// duel_cursor.cpp -- the duel by keys: the cursor's frame, and each key turned into the stylus's own moves.
#include "match/duel_cursor.h"

#include <algorithm>
#include <cstdint>
#include <vector>

#include "engine/fight.h"
#include "gfx/colour_rects.h"
#include "gfx/pixels.h"
#include "gfx/screen_buffers.h"
#include "match/match_internal.h"
#include "platform/game_state.h"

namespace {

struct Rect {
  int x = 0, y = 0, w = 0, h = 0;
};

constexpr int FrameThickness = 2;

struct Cursor {
  bool keysUsed = false;  // a key was used since the last stylus event: the frame shows
  bool keyDrag = false;   // the card being dragged was lifted by a key
  CursorMode mode = CursorMode::None;
  CursorSpot spot;
  CursorSpot handSpot;  // where the cursor last was in the bottom row
  // The frame while it is in screen buffer 0, and the pixels it covers.
  bool drawn = false;
  Rect frame;
  std::vector<std::uint16_t> under;
};

Cursor cursor;

CursorMode ModeNow() {
  const Match& m = TheMatch;
  if (m.tutorial) return CursorMode::None;
  switch (m.state) {
    case MatchState::TapMove:
      return CursorMode::Pick;
    case MatchState::DragCard:
      return cursor.keyDrag ? CursorMode::Place : CursorMode::None;
    case MatchState::TapAttack:
    case MatchState::TapMultiHit:
      return CursorMode::Target;
    default:
      return CursorMode::None;
  }
}

Rect SpotRect(CursorSpot s) {
  if (s.row < HandRow) return {CellPixelX(s.column), CellPixelY(s.row), 32, 50};
  if (s.column == PileColumn) return {11, 257, 36, 54};
  return {HandSlotX(s.column - 1), HandSlotY, 32, 50};
}

CursorSpot LiftedSlotSpot() {
  const std::uint8_t slot = TheMatch.selectedSlot;
  return {slot < HandSize ? slot + 1 : 1, HandRow};
}

// The spot a mode starts on.
CursorSpot StartSpot(CursorMode mode, const CursorGrid& grid) {
  switch (mode) {
    case CursorMode::Pick:
      if (grid.Open(cursor.handSpot)) return cursor.handSpot;
      return NearestInRow(grid, HandRow, cursor.handSpot.column, FirstOpen(grid, cursor.handSpot));
    case CursorMode::Place:
      // The free cell nearest above the lifted card.
      return MoveCursor(LiftedSlotSpot(), CursorMove::Up, grid);
    case CursorMode::Target:
      return FirstOpen(grid, cursor.spot);
    case CursorMode::None:
      break;
  }
  return cursor.spot;
}

// Brings the mode up to the duel's state, and the spot onto one that can be chosen.
void Settle() {
  const CursorMode mode = ModeNow();
  const CursorGrid grid = DuelCursorGrid(mode);
  if (mode != cursor.mode) {
    cursor.mode = mode;
    cursor.spot = StartSpot(mode, grid);
  } else if (mode != CursorMode::None && !grid.Open(cursor.spot)) {
    // The pile emptied or was used, the card under the cursor left the hand.
    cursor.spot = mode == CursorMode::Place || mode == CursorMode::Target
                      ? StartSpot(mode, grid)
                      : NearestInRow(grid, cursor.spot.row, cursor.spot.column, StartSpot(mode, grid));
  }
  if (mode == CursorMode::Pick) cursor.handSpot = cursor.spot;
}

// The lifted card hovers over the cell under the cursor, or sits in its own
// slot while the cursor is on the bottom row.
void FollowSpot() {
  if (cursor.spot.row < HandRow) {
    DragCardTo(CellPixelX(cursor.spot.column), CellPixelY(cursor.spot.row));
  } else {
    DragCardTo(HandSlotX(LiftedSlotSpot().column - 1), HandSlotY);
  }
}

// Lifts the card as a tap on its slot's corner would: the card moves with its corner.
void LiftByKey(int slot) {
  PickUpHandCard(slot, HandSlotX(slot), HandSlotY);
  cursor.keyDrag = true;
  cursor.handSpot = {slot + 1, HandRow};
  Settle();
  FollowSpot();
}

// The lifted card goes back to its slot, which stays selected.
void PutBack() {
  DragCardTo(HandSlotX(LiftedSlotSpot().column - 1), HandSlotY);
  DropCard();
  cursor.keyDrag = false;
}

bool IsArrow(int key) { return key == KeyUp || key == KeyDown || key == KeyLeft || key == KeyRight; }

CursorMove MoveOf(int key) {
  switch (key) {
    case KeyUp:
      return CursorMove::Up;
    case KeyDown:
      return CursorMove::Down;
    case KeyLeft:
      return CursorMove::Left;
    default:
      return CursorMove::Right;
  }
}

void PressA() {
  const CursorSpot s = cursor.spot;
  switch (cursor.mode) {
    case CursorMode::Pick:
      if (s.column == PileColumn)
        DrawFromOwnPile();
      else
        LiftByKey(s.column - 1);
      break;
    case CursorMode::Place:
      if (s.row < HandRow) {
        DropCard();
        cursor.keyDrag = false;
      } else {
        const bool other = s != LiftedSlotSpot();
        PutBack();
        // Another card of the hand is lifted instead.
        if (other && TheMatch.state == MatchState::TapMove) LiftByKey(s.column - 1);
      }
      break;
    case CursorMode::Target:
      ChooseAttackTarget(CellPixelX(s.column), CellPixelY(s.row), TheMatch.state == MatchState::TapMultiHit);
      break;
    case CursorMode::None:
      break;
  }
}

// The zoom on the cursor's card: it is selected as a tap on it selects it, then shown.
void PressB() {
  if (cursor.mode == CursorMode::Pick && cursor.spot.column != PileColumn) {
    PickUpHandCard(cursor.spot.column - 1, HandSlotX(cursor.spot.column - 1), HandSlotY);
    DropCard();
    OpenCardInfo();
  } else if (cursor.mode == CursorMode::Place) {
    PutBack();
    OpenCardInfo();
  }
}

std::uint16_t FrameColour() {
  const Channels max = ChannelMaxima();
  return PackChannels({max.r, max.g, 0});
}

}  // namespace

CursorGrid DuelCursorGrid(CursorMode mode) {
  const Match& m = TheMatch;
  const Hand& hand = m.hands[LocalSide()];
  CursorGrid grid;
  auto open = [&grid](int column, int row) -> bool& {
    return grid.open[static_cast<std::size_t>(row)][static_cast<std::size_t>(column)];
  };
  switch (mode) {
    case CursorMode::Pick:
      open(PileColumn, HandRow) = CanDrawFromOwnPile();
      for (int i = 0; i < HandSize; ++i) open(i + 1, HandRow) = hand.Occupied(i);
      break;
    case CursorMode::Place:
      for (int y = 0; y < BoardRows; ++y)
        for (int x = 0; x < BoardColumns; ++x) open(x, y) = CanPlace(m.board, m.liftedCard, x, y);
      for (int i = 0; i < HandSize; ++i) open(i + 1, HandRow) = hand.Occupied(i);
      break;
    case CursorMode::Target:
      for (int d = 0; d < 8; ++d) {
        const int tx = m.attacker.x + DirectionDx[d], ty = m.attacker.y + DirectionDy[d];
        if (InBounds(tx, ty) && CanAttack(m.board, m.attacker.x, m.attacker.y, tx, ty)) open(tx, ty) = true;
      }
      break;
    case CursorMode::None:
      break;
  }
  return grid;
}

bool MatchKeyDown(int key) {
  Match& m = TheMatch;
  if (key == KeyStart || key == KeyC) return false;  // the game's own questions, as ever
  if (m.tutorial || StylusBlockedByAutoplay()) return false;
  HideDuelCursor();
  if (m.state == MatchState::CardInfo) {
    if (key != KeyA && key != KeyB) return false;
    cursor.keysUsed = true;
    CloseCardInfo();
    return true;
  }
  if (m.state == MatchState::TieWait) {
    if (key != KeyA) return false;
    cursor.keysUsed = true;
    EndTieWait();
    return true;
  }
  Settle();
  if (cursor.mode == CursorMode::None) {
    // Nothing to choose now (the other side plays, a card flies): the frame
    // shows when there is; KeyB stays the game's own question.
    if (key != KeyB) cursor.keysUsed = true;
    return false;
  }
  // The first key only shows where the cursor is.
  if (!cursor.keysUsed) {
    cursor.keysUsed = true;
    return true;
  }
  if (IsArrow(key)) {
    cursor.spot = MoveCursor(cursor.spot, MoveOf(key), DuelCursorGrid(cursor.mode));
    if (cursor.mode == CursorMode::Pick) cursor.handSpot = cursor.spot;
    if (cursor.mode == CursorMode::Place) FollowSpot();
  } else if (key == KeyA) {
    PressA();
  } else if (key == KeyB) {
    PressB();
  }
  return true;
}

void ShowDuelCursor() {
  if (!cursor.keysUsed || cursor.drawn || !BuffersAllocated()) return;
  Settle();
  if (cursor.mode == CursorMode::None || !DuelCursorGrid(cursor.mode).Open(cursor.spot)) return;
  const Rect r = SpotRect(cursor.spot);
  const int width = ScreenWidth(), height = ScreenHeight();
  Rect f{r.x - FrameThickness, r.y - FrameThickness, r.w + 2 * FrameThickness, r.h + 2 * FrameThickness};
  f.x = std::max(0, f.x);
  f.y = std::max(0, f.y);
  f.w = std::min(width - f.x, f.w);
  f.h = std::min(height - f.y, f.h);
  std::uint16_t* screen = ScreenBuffer(0);
  cursor.under.resize(static_cast<std::size_t>(f.w * f.h));
  for (int row = 0; row < f.h; ++row)
    std::copy_n(screen + (f.y + row) * width + f.x, f.w, cursor.under.begin() + row * f.w);
  const std::uint16_t colour = FrameColour();
  FillRect(f.x, f.y, f.w, FrameThickness, colour, 0);
  FillRect(f.x, f.y + f.h - FrameThickness, f.w, FrameThickness, colour, 0);
  FillRect(f.x, f.y, FrameThickness, f.h, colour, 0);
  FillRect(f.x + f.w - FrameThickness, f.y, FrameThickness, f.h, colour, 0);
  cursor.frame = f;
  cursor.drawn = true;
}

void HideDuelCursor() {
  if (!cursor.drawn) return;
  cursor.drawn = false;
  if (!BuffersAllocated()) return;
  const Rect f = cursor.frame;
  const int width = ScreenWidth();
  std::uint16_t* screen = ScreenBuffer(0);
  // Only the frame's own pixels go back: what lies inside it is the duel's.
  for (int row = 0; row < f.h; ++row)
    for (int col = 0; col < f.w; ++col) {
      const bool edge =
          row < FrameThickness || row >= f.h - FrameThickness || col < FrameThickness || col >= f.w - FrameThickness;
      if (edge) screen[(f.y + row) * width + f.x + col] = cursor.under[static_cast<std::size_t>(row * f.w + col)];
    }
}

void DuelCursorStylusUsed() {
  HideDuelCursor();
  cursor.keysUsed = false;
  cursor.keyDrag = false;
}

CursorMode DuelCursorMode() { return cursor.mode; }
CursorSpot DuelCursorSpot() { return cursor.spot; }
bool DuelCursorShown() { return cursor.drawn; }

void ResetDuelCursor() {
  HideDuelCursor();
  cursor = Cursor{};
}
