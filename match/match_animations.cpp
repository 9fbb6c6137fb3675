// match_animations.cpp -- the duel's animations: attack bump, capture flip, draw from the pile, fly-in, versus slide,
// coin toss.
#include <algorithm>
#include <cstdlib>

#include "gfx/draw_image.h"
#include "gfx/font.h"
#include "gfx/picture_load.h"
#include "gfx/screen_buffers.h"
#include "gfx/text_banners.h"
#include "match/card_pictures.h"
#include "match/coin_token.h"
#include "match/match_autoplay.h"
#include "match/match_internal.h"
#include "match/match_state_change.h"
#include "platform/clock.h"
#include "platform/display.h"
#include "platform/game_state.h"
#include "platform/messages.h"
#include "platform/waits.h"

namespace {

// One coordinate `step` pixels toward `goal`, never past it.
std::int16_t Toward(std::int16_t from, std::int16_t goal, int step) {
  if (from < goal) return static_cast<std::int16_t>(std::min<int>(from + step, goal));
  if (from > goal) return static_cast<std::int16_t>(std::max<int>(from - step, goal));
  return from;
}

bool Same(PixelPos a, PixelPos b) { return a.x == b.x && a.y == b.y; }

// A card picture of 32 x 50 drawn through scratch buffer 2. The flights keep
// the screen they restore every frame in buffer 2, so the corner the card is
// drawn in is put back afterwards: nothing of the card may stay at (0, 0).
void PictureOfCard(const Card& card, int tint, Image& picture) {
  if (!picture.Pixels() || picture.Width() != 32 || picture.Height() != 50) picture = Image(32, 50);
  Image corner(32, 50);
  GrabBuffer(0, 0, 2, corner);
  DrawCardPicture(card, 0, 0, false, 2, tint);
  GrabBuffer(0, 0, 2, picture);
  DrawImage(0, 0, corner, 2);
}

void ReleasePicture(Image& picture) { picture = Image(); }

}  // namespace

PixelPos BumpPoint(CellPos a, CellPos t) {
  PixelPos b;
  b.x = static_cast<std::int16_t>(a.x == t.x ? CellPixelX(a.x) : 16 * a.x + 24 * t.x + 4);
  b.y = static_cast<std::int16_t>(a.y == t.y ? CellPixelY(a.y) : 25 * a.y + 33 * t.y + 4);
  return b;
}

void StartAttackBump(CellPos a, CellPos t, MatchState followUp) {
  Match& m = TheMatch;
  m.moveStep = 3;
  m.nextState = followUp;
  m.move.start = {static_cast<std::int16_t>(CellPixelX(a.x)), static_cast<std::int16_t>(CellPixelY(a.y))};
  m.move.bump = BumpPoint(a, t);
  m.move.last = m.move.current = m.move.start;
  m.move.phase = 0;
  m.animCard = m.board.At(a.x, a.y).card;
  // The card leaves its cell: the cell shows the frame beneath it.
  DrawImageSameRect(m.move.start.x, m.move.start.y, 32, 50, m.screen.frameImage, 0);
  GrabBuffer(m.move.start.x, m.move.start.y, 0, m.screen.slotSave);
  DrawCardPicture(m.animCard, m.move.start.x, m.move.start.y, false, 0, m.board.At(a.x, a.y).owner);
}

bool StepAttackBump() {
  Match& m = TheMatch;
  CardMove& mv = m.move;
  const PixelPos origin = mv.phase == 0 ? mv.start : mv.bump;
  const PixelPos goal = mv.phase == 0 ? mv.bump : mv.start;
  DrawImage(mv.last.x, mv.last.y, m.screen.slotSave, 0);
  mv.current.x = Toward(mv.current.x, goal.x, m.moveStep);
  mv.current.y = Toward(mv.current.y, goal.y, m.moveStep);
  if (std::abs(mv.current.x - origin.x) % 3 == 0) mv.current.y = Toward(mv.current.y, goal.y, 1);
  mv.last = mv.current;
  GrabBuffer(mv.current.x, mv.current.y, 0, m.screen.slotSave);
  const Side owner = m.board.At(m.attacker.x, m.attacker.y).owner;
  DrawCardPicture(m.animCard, mv.current.x, mv.current.y, false, 0, owner);
  if (!Same(mv.current, goal)) return false;
  if (mv.phase == 0) {
    mv.phase = 1;
    return false;
  }
  DrawImage(mv.last.x, mv.last.y, m.screen.slotSave, 0);
  DrawBoardCell(m.attacker.x, m.attacker.y);
  return true;
}

void StartCaptureFlip(CellPos cell, const Card& card, Side loser, Side winner, MatchState followUp) {
  Match& m = TheMatch;
  m.nextState = followUp;
  ChangeMatchState(MatchState::CaptureFlip);
  m.flipStep = 6;
  m.animCard = card;
  m.flip.cell = cell;
  m.flip.phase = 0;
  m.flip.position = {static_cast<std::int16_t>(CellPixelX(cell.x)), static_cast<std::int16_t>(CellPixelY(cell.y))};
  m.flip.widthCounter = 0;
  m.flip.loserTint = loser;
  m.flip.winnerTint = winner;
  PictureOfCard(card, loser, m.screen.flipPicture);
}

bool StepCaptureFlip() {
  Match& m = TheMatch;
  FlipAnimation& f = m.flip;
  if (!m.screen.flipPicture.Pixels())
    PictureOfCard(m.animCard, f.phase == 0 ? f.loserTint : f.winnerTint, m.screen.flipPicture);
  f.widthCounter = static_cast<std::uint8_t>(f.widthCounter + m.flipStep);
  const int x = f.position.x, y = f.position.y;
  if (f.widthCounter <= 32) {
    DrawImageSameRect(x, y, 32, 50, m.screen.frameImage, 0);
    const int w = f.phase == 0 ? 32 - f.widthCounter : f.widthCounter;
    if (w > 0) DrawScaled(32, 50, m.screen.flipPicture, x + (32 - w) / 2, y, w, 50, false);
    return false;
  }
  if (f.phase == 0) {
    f.phase = 1;
    f.widthCounter = 0;
    PictureOfCard(m.animCard, f.winnerTint, m.screen.flipPicture);
    return false;
  }
  DrawImageSameRect(x, y, 32, 50, m.screen.frameImage, 0);
  DrawCardPicture(m.animCard, x, y, false, 0, f.winnerTint);
  ReleasePicture(m.screen.flipPicture);
  return true;
}

void StartDrawFlight(const Card& card, Side side, int slot, MatchState followUp) {
  Match& m = TheMatch;
  m.nextState = followUp;
  ChangeMatchState(MatchState::DrawFromPile);
  m.animCard = card;
  m.drawSlot = static_cast<std::uint8_t>(slot);
  m.screen.drawFlightSide = side;
  m.moveStep = 8;
  m.flipStep = 6;
  const int count = m.piles[side].count + 1;  // the pile as it was, with the card on top
  m.move.start = {static_cast<std::int16_t>(count / 4 + 11), static_cast<std::int16_t>(261 - count / 4)};
  m.move.current = m.move.last = m.move.start;
  m.move.phase = 0;
  m.flyTarget = {130, 145};
  m.flip.widthCounter = 0;
  // The pile already shows one card fewer; the hand slot stays empty until the card arrives.
  DrawLocalPile();
  DrawImageSameRect(HandSlotX(slot), HandSlotY, 32, 50, m.screen.frameImage, 0);
  CopyBuffer(0, 2);
  PictureOfCard(card, side, m.screen.flightPicture);
}

bool StepDrawFlight() {
  Match& m = TheMatch;
  CardMove& mv = m.move;
  if (!m.screen.flightPicture.Pixels()) PictureOfCard(m.animCard, m.screen.drawFlightSide, m.screen.flightPicture);
  CopyBuffer(2, 0);
  const ImageView back = CardBackPicture();
  switch (mv.phase) {
    case 0:  // the back flies to the middle
      mv.current.x = Toward(mv.current.x, m.flyTarget.x, m.moveStep);
      mv.current.y = Toward(mv.current.y, m.flyTarget.y, m.moveStep);
      DrawImage(mv.current.x, mv.current.y, back, 0);
      if (Same(mv.current, m.flyTarget)) mv.phase = 1;
      break;
    case 1: {  // the back narrows
      m.flip.widthCounter = static_cast<std::uint8_t>(std::min(32, m.flip.widthCounter + m.flipStep));
      const int w = 32 - m.flip.widthCounter;
      if (w > 0) DrawScaled(32, 50, back, mv.current.x + (32 - w) / 2, mv.current.y, w, 50, false);
      if (w == 0) {
        mv.phase = 2;
        m.flip.widthCounter = 0;
      }
      break;
    }
    case 2: {  // the face widens
      m.flip.widthCounter = static_cast<std::uint8_t>(std::min(32, m.flip.widthCounter + m.flipStep));
      const int w = m.flip.widthCounter;
      DrawScaled(32, 50, m.screen.flightPicture, mv.current.x + (32 - w) / 2, mv.current.y, w, 50, false);
      if (w == 32) {
        mv.phase = 3;
        m.flyTarget = {static_cast<std::int16_t>(HandSlotX(m.drawSlot)), static_cast<std::int16_t>(HandSlotY)};
      }
      break;
    }
    default:  // the face flies to its hand slot
      mv.current.x = Toward(mv.current.x, m.flyTarget.x, m.moveStep);
      mv.current.y = Toward(mv.current.y, m.flyTarget.y, m.moveStep);
      DrawImage(mv.current.x, mv.current.y, m.screen.flightPicture, 0);
      if (Same(mv.current, m.flyTarget)) {
        ReleasePicture(m.screen.flightPicture);
        DrawHandSlot(m.drawSlot, false);
        return true;
      }
      break;
  }
  mv.last = mv.current;
  return false;
}

void StartFlyIn(const Card& card, Side side, CellPos cell, MatchState followUp) {
  Match& m = TheMatch;
  m.nextState = followUp;
  ChangeMatchState(MatchState::CardFlyIn);
  m.animCard = card;
  m.moveStep = 8;
  m.shrinkStep = 2;
  m.flyWidth = 96;
  m.flyHeight = 150;
  m.flyTarget = {static_cast<std::int16_t>(CellPixelX(cell.x)), static_cast<std::int16_t>(CellPixelY(cell.y))};
  m.move.start = m.move.current = m.move.last = {72, 41};
  m.move.phase = 0;
  m.screen.drawFlightSide = side;
  CopyBuffer(0, 2);
  PictureOfCard(card, side, m.screen.flightPicture);
}

bool StepFlyIn() {
  Match& m = TheMatch;
  CardMove& mv = m.move;
  if (!m.screen.flightPicture.Pixels()) {
    CopyBuffer(0, 2);
    PictureOfCard(m.animCard, m.screen.drawFlightSide, m.screen.flightPicture);
  }
  CopyBuffer(2, 0);
  m.flyWidth = static_cast<std::uint16_t>(std::max(32, m.flyWidth - 2 * m.shrinkStep));
  m.flyHeight = static_cast<std::uint16_t>(std::max(50, m.flyHeight - 3 * m.shrinkStep));
  mv.current.x = Toward(mv.current.x, m.flyTarget.x, m.moveStep);
  mv.current.y = Toward(mv.current.y, m.flyTarget.y, m.moveStep);
  mv.last = mv.current;
  DrawScaled(32, 50, m.screen.flightPicture, mv.current.x, mv.current.y, m.flyWidth, m.flyHeight, false);
  if (m.flyWidth == 32 && m.flyHeight == 50 && Same(mv.current, m.flyTarget)) {
    ReleasePicture(m.screen.flightPicture);
    PlayMatchEffect(L"SOUNDS\\carte.QXW");
    return true;
  }
  return false;
}

void VersusSlide() {
  const Match& m = TheMatch;
  const std::wstring name0 = m.players[0] ? m.players[0]->name : std::wstring();
  const std::wstring name1 = m.players[1] ? m.players[1]->name : std::wstring();
  ShowVersusBanner(name0, name1);
  DrawMatchScreen();
  CopyBuffer(0, 2);
  Image banner;
  LoadImageFile(L"GFX\\TEXT\\Versus.QXG", banner, true);
  const int w = banner.Width(), h = banner.Height();
  const int x0 = (240 - w) / 2;
  int y = (235 - h) / 2;
  const int lineHeight = LineHeight(GameFont);
  int x1 = x0 - TextWidth(GameFont, name1);
  if (x1 < 3) x1 = 2;
  auto drawAll = [&](int top) {
    DrawKeyed(x0, top, banner, 0);
    DrawNameOnPlate(name0, x0 + w, top, 6, 0);
    DrawNameOnPlate(name1, x1, top + h - lineHeight, 7, 0);
  };
  if (y > 20) {
    while (y > 20) {
      const std::uint32_t start = platform::TickCount();
      drawAll(y);
      PresentScreen();
      const int band = std::max(0, y);
      CopyRows(2, 0, band, std::min(320 - band, h + 1));
      SoundTickIfOn();
      WaitSince(start, 25);
      y -= 3;
    }
  }
  drawAll(y);
  PresentScreen();
}

void CoinTossSpin(Side firstSide) {
  const ImageView first = CoinFrame(0);
  const int w = first.width, h = first.height;
  Image under(static_cast<std::uint16_t>(std::max(1, w)), static_cast<std::uint16_t>(std::max(1, h)));
  GrabBuffer(CoinX, CoinY, 0, under);
  auto show = [&](int k) {
    DrawImage(CoinX, CoinY, under, 0);
    DrawKeyed(CoinX, CoinY, CoinFrame(k), 0);
    PresentScreen();
  };
  int k = 0;
  const std::uint32_t spinStart = platform::TickCount();
  // Spin until the player taps or presses the action key (or autoplay stops it).
  for (;;) {
    platform::Message msg;
    bool tapped = false;
    while (platform::RemoveNextStylusMessage(msg))
      if (msg.kind == platform::MessageKind::StylusDown) {
        tapped = true;
        break;
      }
    // The action key stops it as a tap does.
    if (!tapped && platform::RemoveNextKeyDown(platform::VkAppA, msg)) tapped = true;
    if (tapped || AutoplayStopsCoin(platform::TickCount() - spinStart)) break;
    const std::uint32_t start = platform::TickCount();
    show(k);
    k = (k + 1) % CoinFrameCount;
    SoundTickIfOn();
    // Sleeps the rest of the frame; a scripted run without a tap left stops here.
    const std::uint32_t spent = platform::TickCount() - start;
    if (spent < 30) platform::IdleUntilInput(30 - spent, "a tap to stop the coin toss", !AutoplayDrivesDuel());
  }
  // Slow down onto the starting side's colour.
  CoinStep steps[64];
  const int n = std::min(64, CoinSlowDown(k, firstSide == 0 ? 0 : 12, steps, 64));
  for (int i = 0; i < n; ++i) {
    const std::uint32_t start = platform::TickCount();
    WaitSince(start, static_cast<std::uint32_t>(steps[i].delayMs));
    show(steps[i].frame);
  }
  WaitSince(platform::TickCount(), 200);
}
