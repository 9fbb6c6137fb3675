// match_snapshot.cpp -- writing and reading the duel's quick-save block, byte for byte.
#include "match/match_snapshot.h"

#include "data/card_database.h"
#include "data/quick_save.h"
#include "data/save_bytes.h"
#include "engine/duel_flow.h"
#include "gfx/screen_buffers.h"
#include "match/board_file.h"
#include "match/match_internal.h"
#include "match/match_state_change.h"
#include "match/match_tutorial.h"
#include "platform/clock.h"

namespace {

bool TutorialStepsUsable(const MatchRecord& l) {
  if (l.tutorial == 0) return true;
  if (l.tutorial != 1) return false;
  const std::uint8_t step = l.tutorialStep, resume = l.tutorialResume;
  const bool page = step >= TutorialFirstPage && step <= TutorialLastPage;
  const bool wait = step >= TutorialFirstWait && step <= TutorialLastWait;
  const bool choosing =
      step == TutorialExampleTap && (l.state == MatchState::TapAttack || l.state == MatchState::TapMultiHit);
  const bool resumes = resume == 0 || (resume > TutorialFirstWait && resume <= TutorialLastWait);
  return (page || wait || step == TutorialExampleRuns || choosing) && resumes;
}

bool KnownState(std::uint8_t v) {
  switch (static_cast<MatchState>(v)) {
    case MatchState::TapMove:
    case MatchState::DragCard:
    case MatchState::TapAttack:
    case MatchState::TapMultiHit:
    case MatchState::AttackMove:
    case MatchState::ResolveAttack:
    case MatchState::CaptureFlip:
    case MatchState::EndTurn:
    case MatchState::ResolveMultiHit:
    case MatchState::MultiHitStart:
    case MatchState::AwaitRemoteMove:
    case MatchState::AwaitRemoteAttack:
    case MatchState::AwaitRemoteMultiHit:
    case MatchState::RemotePlaced:
    case MatchState::CardFlyIn:
    case MatchState::ComputerPlaced:
    case MatchState::ComputerAttack:
    case MatchState::ComputerMultiHit:
    case MatchState::MatchOver:
    case MatchState::ComputerTurn:
    case MatchState::SettleWin:
    case MatchState::SettleLoss:
    case MatchState::Leave:
    case MatchState::DrawFromPile:
    case MatchState::PerfectReward:
    case MatchState::ApplyReward:
    case MatchState::Versus:
    case MatchState::StartPlay:
    case MatchState::CoinToss:
    case MatchState::CardInfo:
    case MatchState::Pause:
    case MatchState::TieWait:
    case MatchState::ShowReward:
      return true;
  }
  return false;
}

// A card rebuilt from its id: the database's card, an empty slot for -1, and
// only the id for a number outside the database (the final opponent's super cards).
Card CardOfId(std::int16_t id) {
  if (id >= 1 && id <= CardCount()) return LoadCard(id);
  Card c;
  c.id = id < 0 ? static_cast<std::int16_t>(-1) : id;
  return c;
}

std::int16_t IdOf(const Card& c) { return c.id; }

void WriteCell(ByteWriter& w, std::int8_t x, std::int8_t y) {
  w.U8(static_cast<std::uint8_t>(x));
  w.U8(static_cast<std::uint8_t>(y));
}

CellPos ReadCell(ByteReader& r) {
  CellPos p;
  p.x = static_cast<std::int8_t>(r.U8());
  p.y = static_cast<std::int8_t>(r.U8());
  return p;
}

PixelPos ReadPixel(ByteReader& r) {
  PixelPos p;
  p.x = r.I16();
  p.y = r.I16();
  return p;
}

bool CellInRange(CellPos p) { return InBounds(p.x, p.y); }

}  // namespace

void SaveMatchSnapshot(ByteWriter& w) {
  const Match& m = TheMatch;
  w.U8(m.currentSide);
  w.U8(m.chainSide);
  w.U8(m.chainActive);
  WriteBoard(m.board, w);
  for (const Hand& h : m.hands)
    for (const HandSlot& s : h.slots) {
      w.U8(s.empty);
      w.I16(s.empty ? static_cast<std::int16_t>(-1) : IdOf(s.card));
    }
  for (const Pile& p : m.piles) {
    w.U8(p.count);
    for (int i = 0; i < PileSize; ++i) w.I16(i < p.count ? IdOf(p.cards[i]) : static_cast<std::int16_t>(-1));
  }
  w.U8(m.hasDrawn);
  w.U8(static_cast<std::uint8_t>(0));
  w.U8(static_cast<std::uint8_t>(255));
  WriteCell(w, m.attacker.x, m.attacker.y);
  WriteCell(w, m.target.x, m.target.y);
  WriteCell(w, m.grab.x, m.grab.y);
  w.I16(m.dragPos.x);
  w.I16(m.dragPos.y);
  w.U8(static_cast<std::uint8_t>(m.state));
  w.U8(static_cast<std::uint8_t>(m.nextState));
  w.U8(static_cast<std::uint8_t>(m.firstTurnState));
  const StatusLine& s = m.status;
  w.MaskedText(s.text1, SaveTextMask);
  w.MaskedText(s.text2, SaveTextMask);
  w.MaskedText(s.text3, SaveTextMask);
  w.U8(s.whichText);
  w.I32(static_cast<std::int32_t>(s.spare));
  w.I32(static_cast<std::int32_t>(s.mode));
  w.I16(s.count);
  w.U8(static_cast<std::uint8_t>(s.direction));
  w.U8(s.bounce);
  w.U8(static_cast<std::uint8_t>(0));
  w.U8(static_cast<std::uint8_t>(0));
  w.U8(static_cast<std::uint8_t>(0));
  w.I32(static_cast<std::int32_t>(s.tickerNow));
  w.I32(static_cast<std::int32_t>(s.tickerLast));
  w.I32(static_cast<std::int32_t>(s.alignment));
  w.U8(s.blink);
  w.I32(static_cast<std::int32_t>(s.blinkNow));
  w.I32(static_cast<std::int32_t>(s.blinkLast));
  w.U8(s.visible);
  w.U8(s.repeatLimit);
  w.U8(s.repeatCount);
  const CardMove& mv = m.move;
  for (PixelPos p : {mv.start, mv.bump, mv.last, mv.current}) {
    w.I16(p.x);
    w.I16(p.y);
  }
  w.I32(static_cast<std::int32_t>(mv.phase));
  const FlipAnimation& f = m.flip;
  WriteCell(w, f.cell.x, f.cell.y);
  w.I32(static_cast<std::int32_t>(f.phase));
  w.I16(f.position.x);
  w.I16(f.position.y);
  w.U8(f.widthCounter);
  w.U8(f.loserTint);
  w.U8(f.winnerTint);
  w.I16(m.flyTarget.x);
  w.I16(m.flyTarget.y);
  w.U8(m.moveStep);
  w.U8(m.drawSlot);
  w.I16(static_cast<std::int16_t>(m.flyWidth));
  w.I16(static_cast<std::int16_t>(m.flyHeight));
  w.U8(m.flipStep);
  w.U8(m.shrinkStep);
  w.I32(static_cast<std::int32_t>(m.pauseUntil));
  w.U8(m.finalChallenge);
  w.U8(m.quickGame);
  w.U8(m.tutorial);
  w.U8(m.tutorialStep);
  w.U8(m.tutorialResume);
  w.I16(IdOf(m.animCard));
  for (int k = 1; k <= 4; ++k) w.I16(m.rewardCards[k]);
  w.I16(IdOf(m.liftedCard));
  w.MaskedText(m.players[0] ? m.players[0]->name : std::wstring(), SaveTextMask);
  w.MaskedText(m.players[1] ? m.players[1]->name : std::wstring(), SaveTextMask);
}

bool LoadMatchSnapshot(ByteReader& r) {
  MatchRecord l = TheMatch;
  l.currentSide = r.U8();
  l.chainSide = r.U8();
  l.chainActive = r.U8();
  bool sound = l.currentSide <= 1 && l.chainSide <= 1;
  if (!ReadBoard(l.board, r)) sound = false;
  for (Hand& h : l.hands)
    for (HandSlot& s : h.slots) {
      s.empty = r.U8();
      s.card = CardOfId(r.I16());
      if (s.empty > 1) sound = false;
      if (s.empty) s.card = Card{};
    }
  for (Pile& p : l.piles) {
    p.count = r.U8();
    if (p.count > PileSize) sound = false;
    for (Card& c : p.cards) c = CardOfId(r.I16());
  }
  l.hasDrawn = r.U8();
  r.U8();
  r.U8();
  l.selectedSlot = 255;
  l.attacker = ReadCell(r);
  l.target = ReadCell(r);
  l.grab = ReadCell(r);
  l.dragPos = ReadPixel(r);
  const std::uint8_t state = r.U8(), next = r.U8(), first = r.U8();
  if (!KnownState(state) || !KnownState(next) || !KnownState(first)) sound = false;
  l.state = static_cast<MatchState>(state);
  l.nextState = static_cast<MatchState>(next);
  l.firstTurnState = static_cast<MatchState>(first);
  StatusLine& s = l.status;
  s.text1 = r.MaskedText(SaveTextMask);
  s.text2 = r.MaskedText(SaveTextMask);
  s.text3 = r.MaskedText(SaveTextMask);
  s.whichText = r.U8();
  s.spare = r.I32();
  s.mode = r.I32();
  s.count = r.I16();
  s.direction = static_cast<std::int8_t>(r.U8());
  s.bounce = r.U8();
  r.U8();
  r.U8();
  r.U8();
  s.tickerNow = static_cast<std::uint32_t>(r.I32());
  s.tickerLast = static_cast<std::uint32_t>(r.I32());
  s.alignment = r.I32();
  s.blink = r.U8();
  s.blinkNow = static_cast<std::uint32_t>(r.I32());
  s.blinkLast = static_cast<std::uint32_t>(r.I32());
  s.visible = r.U8();
  s.repeatLimit = r.U8();
  s.repeatCount = r.U8();
  if (s.mode < 0 || s.mode > 2 || (s.direction != 1 && s.direction != -1)) sound = false;
  CardMove& mv = l.move;
  mv.start = ReadPixel(r);
  mv.bump = ReadPixel(r);
  mv.last = ReadPixel(r);
  mv.current = ReadPixel(r);
  mv.phase = r.I32();
  FlipAnimation& f = l.flip;
  f.cell = ReadCell(r);
  f.phase = r.I32();
  f.position = ReadPixel(r);
  f.widthCounter = r.U8();
  f.loserTint = r.U8();
  f.winnerTint = r.U8();
  l.flyTarget = ReadPixel(r);
  l.moveStep = r.U8();
  l.drawSlot = r.U8();
  l.flyWidth = static_cast<std::uint16_t>(r.I16());
  l.flyHeight = static_cast<std::uint16_t>(r.I16());
  l.flipStep = r.U8();
  l.shrinkStep = r.U8();
  l.pauseUntil = static_cast<std::uint32_t>(r.I32());
  l.finalChallenge = r.U8();
  l.quickGame = r.U8();
  l.tutorial = r.U8();
  l.tutorialStep = r.U8();
  l.tutorialResume = r.U8();
  l.animCard = CardOfId(r.I16());
  for (int k = 1; k <= 4; ++k) l.rewardCards[k] = r.I16();
  l.liftedCard = CardOfId(r.I16());
  const std::wstring name0 = r.MaskedText(SaveTextMask);
  const std::wstring name1 = r.MaskedText(SaveTextMask);
  if (!r.Ok() || !sound) return false;
  // The cells the duel's animations and choices refer to must be on the board.
  if (!CellInRange(l.attacker) || !CellInRange(l.target) || !CellInRange(l.flip.cell) || l.drawSlot >= HandSize ||
      l.moveStep == 0 || l.flipStep == 0 || l.shrinkStep == 0 || l.flip.loserTint > 2 || l.flip.winnerTint > 2)
    return false;
  // A tutorial that stands on a step it has no page, example or tap for would wait for ever.
  if (!TutorialStepsUsable(l)) return false;

  // The duellists, found by name.
  PlayerRecord* players[2] = {nullptr, nullptr};
  const std::wstring names[2] = {name0, name1};
  for (int side = 0; side < 2; ++side) {
    if (side == 0 && l.finalChallenge) {
      OtherPlayer.name = L"SAINT VIZUD";
      OtherPlayer.kind = KindComputer;
      players[0] = &OtherPlayer;
    } else if (names[side] == CurrentPlayer.name) {
      players[side] = &CurrentPlayer;
    } else {
      players[side] = FindRosterOpponent(names[side]);
    }
    if (!players[side]) return false;
  }
  l.players[0] = players[0];
  l.players[1] = players[1];
  // The cards still to hand over: the highest reward entry not yet handed over.
  l.rewardCount = 0;
  for (int k = 4; k >= 1; --k)
    if (l.rewardCards[k] != 0) {
      l.rewardCount = static_cast<std::uint8_t>(k);
      break;
    }
  l.link = nullptr;
  static_cast<MatchRecord&>(TheMatch) = l;
  TraceResumedMatchState();
  // The result is not stored: a duel saved after its board filled (its
  // cards being handed over) gets it back from the board, so that the
  // hand-over and the screen that started the duel go by the real result.
  if (BoardFull(TheMatch.board)) MatchResult = DecideOutcome(TheMatch.board, false).result;
  TheMatch.screen.flipPicture = Image();
  TheMatch.screen.flightPicture = Image();
  TheMatch.screen.screenSave = Image();
  return true;
}

void SaveMatchSnapshot(std::vector<std::uint8_t>& out) {
  ByteWriter w(out);
  SaveMatchSnapshot(w);
}

bool LoadMatchSnapshot(const std::vector<std::uint8_t>& in) {
  ByteReader r(in);
  return LoadMatchSnapshot(r) && r.AtEnd();
}

void RegisterMatchSnapshot() {
  MatchSnapshotBlock.write = [](ByteWriter& w) { SaveMatchSnapshot(w); };
  MatchSnapshotBlock.read = [](ByteReader& r) {
    if (!LoadMatchSnapshot(r)) return false;
    ResumeMatchScreen();
    return true;
  };
}

void ResumeMatchScreen() {
  Match& m = TheMatch;
  // A pause saved by an earlier run counts from now.
  const std::uint32_t now = platform::TickCount();
  if (m.state == MatchState::Pause && m.pauseUntil - now > 300) m.pauseUntil = now + 300;
  // A card being dragged or read goes back to the hand.
  if (m.state == MatchState::DragCard || m.state == MatchState::CardInfo) ChangeMatchState(MatchState::TapMove);
  if (!BuffersAllocated()) return;
  DrawMatchScreen();
  switch (m.state) {
    case MatchState::TapAttack:
    case MatchState::TapMultiHit:
      HighlightTargets(m.attacker.x, m.attacker.y);
      break;
    case MatchState::AttackMove:
      StartAttackBump(m.attacker, m.target, m.nextState);
      break;
    case MatchState::CardFlyIn:
      StartFlyIn(m.animCard, m.currentSide, m.attacker, m.nextState);
      break;
    case MatchState::DrawFromPile:
      // The card is in the hand already.
      DrawHandAndPile();
      ChangeMatchState(m.nextState);
      break;
    default:
      break;
  }
}
