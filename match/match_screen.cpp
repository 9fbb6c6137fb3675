// match_screen.cpp -- drawing the duel screen: frame, cells, the local hand and pile, highlights, the card info view.
#include <string>

#include "data/card_database.h"
#include "engine/fight.h"
#include "gfx/colour_rects.h"
#include "gfx/draw_image.h"
#include "gfx/message_box.h"
#include "gfx/picture_load.h"
#include "gfx/screen_buffers.h"
#include "match/card_pictures.h"
#include "match/match_internal.h"
#include "match/match_state_change.h"
#include "platform/game_state.h"

namespace {

const Hand& LocalHand() { return TheMatch.hands[LocalSide()]; }

}  // namespace

void DrawCardPicture(const Card& card, int x, int y, bool big, int buffer, int tint) {
  if (card.id < 0) return;
  // A card rebuilt from an id the database does not hold (a resumed super
  // card) has no name, hence no picture file to ask for.
  DrawCard(card, TheMatch.screen.cardPictures.Get(card, big), x, y, big, buffer, tint);
}

int DuelPictureFailures() { return TheMatch.screen.cardPictures.Failures(); }

int HandSlotX(int slot) { return 62 + 35 * slot; }

void DrawBoardCell(int x, int y) {
  const Match& m = TheMatch;
  const Cell& c = m.board.At(x, y);
  const int px = CellPixelX(x), py = CellPixelY(y);
  if (c.free) {
    DrawImageSameRect(px, py, 32, 50, m.screen.frameImage, 0);
  } else if (c.owner == NoSide) {
    DrawImage(px, py, BlockPicture(), 0);
  } else {
    if (c.card.id < 0) DrawImageSameRect(px, py, 32, 50, m.screen.frameImage, 0);
    DrawCardPicture(c.card, px, py, false, 0, c.owner);
  }
}

void TintHandSlot(int slot) { AdjustRect(HandSlotX(slot), HandSlotY, 32, 50, 40, 40, 216, 0); }

void DrawHandSlot(int slot, bool tinted) {
  const Match& m = TheMatch;
  DrawImageSameRect(HandSlotX(slot), HandSlotY, 32, 50, m.screen.frameImage, 0);
  const Hand& hand = LocalHand();
  if (hand.Occupied(slot)) DrawCardPicture(hand.Get(slot), HandSlotX(slot), HandSlotY, false, 0, LocalSide());
  if (tinted) TintHandSlot(slot);
}

void DrawLocalHand() {
  for (int i = 0; i < HandSize; ++i) DrawHandSlot(i, false);
}

void DrawLocalPile() {
  const Match& m = TheMatch;
  DrawImageSameRect(11, 257, 36, 54, m.screen.frameImage, 0);
  const int count = m.piles[LocalSide()].count;
  if (count == 0) return;
  for (int k = 0; k <= count / 4; ++k) DrawImage(11 + k, 261 - k, CardBackPicture(), 0);
}

void DrawHandAndPile() {
  if (!BuffersAllocated()) return;
  DrawLocalHand();
  DrawLocalPile();
  // A card just placed leaves its slot selected but empty, and untinted.
  const std::uint8_t slot = TheMatch.selectedSlot;
  if (slot < HandSize && LocalHand().Occupied(slot)) TintHandSlot(slot);
}

void DrawMatchScreen() {
  const Match& m = TheMatch;
  DrawImage(0, 0, m.screen.frameImage, 0);
  for (int x = 0; x < BoardColumns; ++x)
    for (int y = 0; y < BoardRows; ++y) DrawBoardCell(x, y);
  DrawHandAndPile();
  DrawStatusCentred(m.status);
}

void HighlightTargets(int ax, int ay) {
  Match& m = TheMatch;
  ClearStatus();
  CopyBuffer(0, 1);
  SetStatus(m.status, 2, L"Choose a card to attack", L"", L"", 0, false, 0);
  StatusTick(m.status);
  AdjustRect(CellPixelX(ax), CellPixelY(ay), 32, 50, 216, 40, 40, 0);
  for (int d = 0; d < 8; ++d) {
    const int tx = ax + DirectionDx[d], ty = ay + DirectionDy[d];
    if (InBounds(tx, ty) && CanAttack(m.board, ax, ay, tx, ty))
      AdjustRect(CellPixelX(tx), CellPixelY(ty), 32, 50, 40, 40, 216, 0);
  }
}

void ClearHighlight() {
  CopyBuffer(1, 0);
  StatusTick(TheMatch.status);
}

bool OpenCardInfo() {
  Match& m = TheMatch;
  if (m.selectedSlot >= HandSize || !m.hands[LocalSide()].Occupied(m.selectedSlot)) return false;
  const Card& card = m.hands[LocalSide()].Get(m.selectedSlot);
  SaveScreenWithoutStatus();
  DrawCardPicture(card, 72, 20, true, 0, LocalSide());
  ShowCardInfoBox(card.id);
  ChangeMatchState(MatchState::CardInfo);
  return true;
}

void SaveScreenWithoutStatus() {
  ClearStatus();
  CopyBuffer(0, 1);
}

void ShowCardInfoBox(int id) { MatchBox(CardInfoText(id), L"", L"", false, 5, 180, 230, 115); }

void CloseCardInfo() {
  Match& m = TheMatch;
  CopyBuffer(1, 0);
  StatusTick(m.status);
  ChangeMatchState(MatchState::TapMove);
}
