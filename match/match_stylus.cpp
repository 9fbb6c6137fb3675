// match_stylus.cpp -- the local side's stylus: picking up, dragging and dropping cards, drawing, choosing targets.
#include <algorithm>

#include "engine/fight.h"
#include "gfx/draw_image.h"
#include "gfx/screen_buffers.h"
#include "match/duel_cursor.h"
#include "match/match_events.h"
#include "match/match_internal.h"
#include "match/match_link.h"
#include "match/match_state_change.h"

namespace {

Hand& LocalHand() { return TheMatch.hands[LocalSide()]; }

bool InPile(int x, int y) { return x >= 12 && x <= 46 && y >= 258 && y <= 310; }

// The first occupied hand slot whose area holds the point, or -1.
int HandSlotAt(int x, int y) {
  for (int i = 0; i < HandSize; ++i)
    if (x >= HandSlotX(i) && x <= HandSlotX(i) + 32 && y >= HandSlotY && y <= HandSlotY + 50 && LocalHand().Occupied(i))
      return i;
  return -1;
}

}  // namespace

void PickUpHandCard(int slot, int x, int y) {
  Match& m = TheMatch;
  if (m.selectedSlot < HandSize) DrawHandSlot(m.selectedSlot, false);
  const int sx = HandSlotX(slot);
  GrabImage(sx, HandSlotY, m.screen.frameImage, m.screen.slotSave);
  GrabBuffer(sx, HandSlotY, 0, m.screen.cardSave);
  ChangeMatchState(MatchState::DragCard);
  m.dragPos = {static_cast<std::int16_t>(sx), static_cast<std::int16_t>(HandSlotY)};
  m.grab = {static_cast<std::int8_t>(x - sx), static_cast<std::int8_t>(y - HandSlotY)};
  if (slot != m.selectedSlot) {
    m.selectedSlot = static_cast<std::uint8_t>(slot);
    m.liftedCard = LocalHand().Get(slot);
  }
  TintHandSlot(slot);
}

bool CanDrawFromOwnPile() {
  const Match& m = TheMatch;
  const Side side = LocalSide();
  // Once a turn, with room in the hand and a card to draw.
  return !m.hasDrawn && m.hands[side].FirstEmpty() < HandSize && !m.piles[side].Empty();
}

void DrawFromOwnPile() {
  Match& m = TheMatch;
  const Side side = LocalSide();
  Hand& hand = m.hands[side];
  Pile& pile = m.piles[side];
  if (!CanDrawFromOwnPile()) return;
  Card card;
  if (!pile.Pop(card)) return;
  m.hasDrawn = 1;
  MatchEvent e;
  e.kind = MatchEvent::Draw;
  e.side = side;
  e.id = card.id;
  ReportMatchEvent(e);
  const int slot = hand.FirstEmpty();
  hand.Put(slot, card);
  if (m.selectedSlot < HandSize) {
    DrawHandSlot(m.selectedSlot, false);
    m.selectedSlot = 255;
  }
  if (OtherSideRemote(side) && MatchLink.sendCardTaken) MatchLink.sendCardTaken();
  if (m.state == MatchState::Leave) return;
  StartDrawFlight(card, side, slot, MatchState::EndTurn);
}

void DragCardTo(int x, int y) {
  Match& m = TheMatch;
  DrawImage(m.dragPos.x, m.dragPos.y, m.screen.slotSave, 0);
  const int left = std::clamp(x - m.grab.x, 0, 207);
  const int top = std::clamp(y - m.grab.y, 0, 269);
  m.dragPos = {static_cast<std::int16_t>(left), static_cast<std::int16_t>(top)};
  GrabBuffer(left, top, 0, m.screen.slotSave);
  DrawImage(left, top, m.screen.cardSave, 0);
}

void DropCard() {
  Match& m = TheMatch;
  const int cx = (m.dragPos.x + 12) / 40, cy = (m.dragPos.y + 21) / 58;
  Hand& hand = LocalHand();
  if (m.selectedSlot < HandSize && hand.Occupied(m.selectedSlot) && CanPlace(m.board, m.liftedCard, cx, cy)) {
    if (OtherSideRemote(m.currentSide) && MatchLink.sendPlayCard) {
      MatchLink.sendPlayCard(m.liftedCard.id, cx, cy);
      if (m.state == MatchState::Leave) return;
    }
    PlayMatchEffect(L"SOUNDS\\carte.QXW");
    DrawImage(m.dragPos.x, m.dragPos.y, m.screen.slotSave, 0);
    DrawCardPicture(m.liftedCard, CellPixelX(cx), CellPixelY(cy), false, 0, m.currentSide);
    PresentScreen();
    Card card;
    MatchEvent e;
    e.kind = MatchEvent::Place;
    e.side = m.currentSide;
    e.slot = m.selectedSlot;
    e.id = m.liftedCard.id;
    e.ax = cx;
    e.ay = cy;
    ReportMatchEvent(e);
    hand.Take(m.selectedSlot, card);
    DrawHandSlot(m.selectedSlot, false);
    PlaceAndAttack(card, cx, cy);
    return;
  }
  // Not a free cell: the card goes back to its slot.
  DrawImage(m.dragPos.x, m.dragPos.y, m.screen.slotSave, 0);
  if (m.selectedSlot < HandSize) DrawHandSlot(m.selectedSlot, true);
  ChangeMatchState(MatchState::TapMove);
}

void ChooseAttackTarget(int px, int py, bool multiHit) {
  Match& m = TheMatch;
  if (px < 4 || py < 4) return;
  const int tx = (px - 4) / 40, ty = (py - 4) / 58;
  if (!InBounds(tx, ty) || !CanAttack(m.board, m.attacker.x, m.attacker.y, tx, ty)) return;
  ClearHighlight();
  // A chain is chosen by the owner of the chaining card, whose turn it may not be.
  const Side chooser = multiHit ? m.chainSide : m.currentSide;
  if (OtherSideRemote(chooser) && MatchLink.sendAttack) {
    MatchLink.sendAttack(multiHit, m.attacker, {static_cast<std::int8_t>(tx), static_cast<std::int8_t>(ty)});
    if (m.state == MatchState::Leave) return;
  }
  StartAttack(m.attacker.x, m.attacker.y, tx, ty, multiHit ? MatchState::ResolveMultiHit : MatchState::ResolveAttack);
}

void EndTieWait() {
  DrawMatchScreen();
  ChangeMatchState(TheMatch.nextState);
}

void MatchStylusDown(int x, int y) {
  Match& m = TheMatch;
  DuelCursorStylusUsed();
  if (StylusBlockedByAutoplay()) return;
  if (m.tutorial) {
    if (MatchTutorialStylusDown) MatchTutorialStylusDown(x, y);
    return;
  }
  switch (m.state) {
    case MatchState::TapMove: {
      const int slot = HandSlotAt(x, y);
      if (slot >= 0)
        PickUpHandCard(slot, x, y);
      else if (InPile(x, y))
        DrawFromOwnPile();
      else if (PressButton(m.screen.zoomButton, x, y))
        DrawButton(m.screen.zoomButton, 0);
      break;
    }
    case MatchState::DragCard:
      DragCardTo(x, y);
      break;
    case MatchState::TapAttack:
      ChooseAttackTarget(x, y, false);
      break;
    case MatchState::TapMultiHit:
      ChooseAttackTarget(x, y, true);
      break;
    case MatchState::TieWait:
      EndTieWait();
      break;
    default:
      break;
  }
}

void MatchStylusMove(int x, int y) {
  DuelCursorStylusUsed();
  if (StylusBlockedByAutoplay()) return;
  if (TheMatch.state == MatchState::DragCard) DragCardTo(x, y);
}

void MatchStylusUp(int x, int y) {
  Match& m = TheMatch;
  DuelCursorStylusUsed();
  if (m.tutorial || StylusBlockedByAutoplay()) return;
  switch (m.state) {
    case MatchState::TapMove: {
      const bool wasPressed = m.screen.zoomButton.pressed != 0;
      const bool released = ReleaseButton(m.screen.zoomButton, x, y);
      if (wasPressed) DrawButton(m.screen.zoomButton, 0);
      if (released) OpenCardInfo();
      break;
    }
    case MatchState::DragCard:
      DropCard();
      break;
    case MatchState::CardInfo:
      CloseCardInfo();
      break;
    default:
      break;
  }
}
