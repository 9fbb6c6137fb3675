// match_flow.cpp -- the turn flow: turn change, placing, attacks, multi-hits and the computer's turns.
#include "engine/attack_rules.h"
#include "engine/computer_opponent.h"
#include "engine/evaluation.h"
#include "engine/fight.h"
#include "gfx/text_banners.h"
#include "match/match_events.h"
#include "match/match_internal.h"
#include "match/match_link.h"
#include "match/match_state_change.h"
#include "match/match_tutorial.h"

namespace {

std::wstring CountText(int count0, int count1) {
  return L"RED : " + std::to_wstring(count0) + L"  BLUE : " + std::to_wstring(count1);
}

std::uint8_t KindOf(Side side) {
  const PlayerRecord* p = TheMatch.players[side];
  return p ? p->kind : static_cast<std::uint8_t>(KindComputer);
}

MatchEventObserver observer = nullptr;

// Several targets in a tutorial example: they are highlighted and the
// example waits for the player's tap on one of them.
void TutorialTargetChoice(MatchState state) {
  Match& m = TheMatch;
  HighlightTargets(m.attacker.x, m.attacker.y);
  ChangeMatchState(state);
  m.tutorialStep = TutorialExampleTap;
}

void Report(MatchEvent::Kind kind, Side side) {
  MatchEvent e;
  e.kind = kind;
  e.side = side;
  ReportMatchEvent(e);
}

}  // namespace

void SetMatchEventObserver(MatchEventObserver o) { observer = o; }
void ReportMatchEvent(const MatchEvent& event) {
  if (observer) observer(event);
}

bool SideHasNoMove(Side side) {
  const Match& m = TheMatch;
  return m.hands[side].Count() == 0 && m.piles[side].Empty();
}

void SetComputerSkill() {
  // The skill of the duellist whose turn it is, or of the computer playing
  // against the local side when a chain runs in the local side's turn.
  Match& m = TheMatch;
  Side s = m.currentSide;
  if (KindOf(s) != KindComputer) s = Opponent(s);
  const PlayerRecord* p = m.players[s];
  m.duel.aiLevel = static_cast<std::int8_t>(p ? p->levelCode / 10 : 0);
}

void TurnChange() {
  Match& m = TheMatch;
  if (m.tutorial) {
    m.tutorialStep = m.tutorialResume;
    return;
  }
  int count0 = 0, count1 = 0;
  CountCards(m.board, count0, count1);
  SetStatus(m.status, 2, CountText(count0, count1), L"", L"", 0, false, 0);
  // A board that can no longer fill (neither side has a card left) ends the duel as a full one would.
  bool stuck = SideHasNoMove(0) && SideHasNoMove(1);
  if (BoardFull(m.board) || stuck) {
    ChangeMatchState(MatchState::MatchOver);
    DecideDuelEnd();
    SetStatus(m.status, 0, CountText(count0, count1), L"", L"", 0, true, 0);
    return;
  }
  m.hasDrawn = 0;
  m.currentSide = m.chainSide = Opponent(m.currentSide);
  m.chainActive = 0;
  m.selectedSlot = 255;
  switch (KindOf(m.currentSide)) {
    case KindComputer: {
      const PlayerRecord* p = m.players[m.currentSide];
      m.duel.aiLevel = static_cast<std::int8_t>(p ? p->levelCode / 10 : 0);
      ChangeMatchState(MatchState::ComputerTurn);
      break;
    }
    case KindLocal:
      // A side with no card in hand and none to draw passes its turn.
      if (SideHasNoMove(m.currentSide)) {
        Report(MatchEvent::Pass, m.currentSide);
        ChangeMatchState(MatchState::EndTurn);
        // Against the other device the pass travels as a CardTaken from an empty pile.
        if (OtherSideRemote(m.currentSide) && MatchLink.sendCardTaken) {
          MatchLink.sendCardTaken();
          if (m.state == MatchState::Leave) return;
          ChangeMatchState(MatchState::EndTurn);
        }
        break;
      }
      ChangeMatchState(MatchState::TapMove);
      DrawHandAndPile();
      break;
    default:
      ChangeMatchState(MatchState::AwaitRemoteMove);
      break;
  }
}

void StartAttack(int ax, int ay, int tx, int ty, MatchState followUp) {
  Match& m = TheMatch;
  m.attacker = {static_cast<std::int8_t>(ax), static_cast<std::int8_t>(ay)};
  m.target = {static_cast<std::int8_t>(tx), static_cast<std::int8_t>(ty)};
  m.nextState = followUp;
  StartAttackBump(m.attacker, m.target, followUp);
  ChangeMatchState(MatchState::AttackMove);
}

void PlaceAndAttack(const Card& card, int x, int y) {
  Match& m = TheMatch;
  PlaceCard(m.board, card, x, y, m.currentSide);
  DrawBoardCell(x, y);
  int n = CountAttackTargets(m.board, x, y);
  m.attacker = {static_cast<std::int8_t>(x), static_cast<std::int8_t>(y)};
  if (n == 0) {
    TurnChange();
  } else if (n == 1) {
    int tx = 0, ty = 0;
    FirstAttackTarget(m.board, x, y, tx, ty);
    StartAttack(x, y, tx, ty, MatchState::ResolveAttack);
  } else if (m.tutorial) {
    // The tutorial's examples leave every choice of target to the player.
    TutorialTargetChoice(MatchState::TapAttack);
  } else {
    switch (KindOf(m.currentSide)) {
      case KindComputer:
        ChangeMatchState(MatchState::ComputerAttack);
        break;
      case KindLocal:
        HighlightTargets(x, y);
        ChangeMatchState(MatchState::TapAttack);
        break;
      default:
        ChangeMatchState(MatchState::AwaitRemoteAttack);
        break;
    }
  }
}

void ResolveAttackState(bool multiHit) {
  Match& m = TheMatch;
  const Side a = multiHit ? m.chainSide : m.currentSide;
  const int ax = m.attacker.x, ay = m.attacker.y, tx = m.target.x, ty = m.target.y;
  const Side w = ResolveFight(m.board, ax, ay, tx, ty);
  MatchEvent e;
  e.kind = multiHit ? MatchEvent::Chain : MatchEvent::Attack;
  e.side = a;
  e.ax = ax;
  e.ay = ay;
  e.tx = tx;
  e.ty = ty;
  e.winner = w;
  ReportMatchEvent(e);
  int cx = 0, cy = 0;
  const bool chain = ChainAfterFight(m.board, ax, ay, tx, ty, a, w, multiHit, cx, cy);
  if (w == NoSide) {
    TurnChange();
    return;
  }
  // The flip shows the loser's colour narrowing and the winner's widening:
  // the target when it was taken, else the attacker.
  const CellPos flipped = w == a ? m.target : m.attacker;
  const Card card = m.board.At(flipped.x, flipped.y).card;
  if (chain) m.attacker = {static_cast<std::int8_t>(cx), static_cast<std::int8_t>(cy)};
  StartCaptureFlip(flipped, card, Opponent(w), w, chain ? MatchState::MultiHitStart : MatchState::EndTurn);
}

void MultiHitStartState() {
  Match& m = TheMatch;
  SetStatus(m.status, 2, L"MULTI HITS !!!", L"", L"", 0, false, 0);
  ShowMultiHitBanner();
  m.chainActive = 1;
  m.chainSide = CellOwner(m.board, m.attacker.x, m.attacker.y);
  const int n = CountAttackTargets(m.board, m.attacker.x, m.attacker.y);
  if (n == 0) {
    TurnChange();
    return;
  }
  const std::uint8_t kind = KindOf(m.chainSide);
  if (m.tutorial && n > 1) {
    // Whichever side's chain it is (a first attack lost in an example chains
    // for the player's side): the tutorial's own tap picks the target, as the
    // duel's stylus is the tutorial's while it runs.
    TutorialTargetChoice(MatchState::TapMultiHit);
  } else if (kind == KindComputer && !m.tutorial) {
    ChangeMatchState(MatchState::ComputerMultiHit);
  } else if (n == 1) {
    int tx = 0, ty = 0;
    FirstAttackTarget(m.board, m.attacker.x, m.attacker.y, tx, ty);
    StartAttack(m.attacker.x, m.attacker.y, tx, ty, MatchState::ResolveMultiHit);
  } else if (kind == KindLocal) {
    HighlightTargets(m.attacker.x, m.attacker.y);
    ChangeMatchState(MatchState::TapMultiHit);
  } else {
    ChangeMatchState(MatchState::AwaitRemoteMultiHit);
  }
}

void ComputerTurnState() {
  Match& m = TheMatch;
  const Side side = m.currentSide;
  Hand& hand = m.hands[side];
  Pile& pile = m.piles[side];
  SetComputerSkill();
  MoveChoice move;
  // A side with nothing in hand and nothing to draw passes.
  bool ok = (hand.Count() > 0 || !pile.Empty()) && ChooseMove(m.duel, m.board, hand, pile.count, side, move);
  if (!ok) {
    Report(MatchEvent::Pass, side);
    ChangeMatchState(MatchState::EndTurn);
    return;
  }
  if (move.slot == TakeCardSlot) {
    Card drawn;
    if (pile.Pop(drawn)) hand.Add(drawn);
    MatchEvent e;
    e.kind = MatchEvent::Draw;
    e.side = side;
    e.id = drawn.id;
    ReportMatchEvent(e);
    const PlayerRecord* p = m.players[side];
    SetStatus(m.status, 0, (p ? p->name : std::wstring()) + L" have taken a card.", L"", L"", 0, true, 0);
    ShowCardTakenBanner();
    ChangeMatchState(MatchState::EndTurn);
    return;
  }
  Card card;
  hand.Take(move.slot, card);
  MatchEvent e;
  e.kind = MatchEvent::Place;
  e.side = side;
  e.slot = move.slot;
  e.id = card.id;
  e.ax = move.x;
  e.ay = move.y;
  e.score = move.score;
  ReportMatchEvent(e);
  m.animCard = card;
  m.attacker = {static_cast<std::int8_t>(move.x), static_cast<std::int8_t>(move.y)};
  StartFlyIn(card, side, m.attacker, MatchState::ComputerPlaced);
}

void ComputerAttackState(bool multiHit) {
  Match& m = TheMatch;
  SetComputerSkill();
  AttackChoice choice;
  const int ax = m.attacker.x, ay = m.attacker.y;
  bool ok = multiHit ? ChooseChainAttack(m.duel, m.board, m.chainSide, ax, ay, choice)
                     : ChooseAttack(m.duel, m.board, m.currentSide, ax, ay, choice);
  if (!ok) {
    TurnChange();
    return;
  }
  StartAttack(ax, ay, choice.x, choice.y, multiHit ? MatchState::ResolveMultiHit : MatchState::ResolveAttack);
}
