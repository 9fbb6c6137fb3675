// match_autoplay.cpp -- the local side's moves chosen by the computer and played with the stylus handlers.
#include "match/match_autoplay.h"

#include <algorithm>
#include <cctype>
#include <cstdlib>

#include "engine/computer_opponent.h"
#include "engine/evaluation.h"
#include "engine/fight.h"
#include "match/match_internal.h"
#include "platform/clock.h"

namespace {

bool enabled = false;
AutoplayPlayer setting;

// How long the computer "looks" before its gesture, how long the coin spins,
// how long a tie stays before the tap, and how far the card moves per frame.
constexpr std::uint32_t ThinkMs = 300;
constexpr unsigned CoinSpinMs = 600;
constexpr std::uint32_t TieLookMs = 1200;
constexpr int DragStepPixels = 12;

// The pile's stylus area and where a person would tap it.
constexpr int PileTapX = 29, PileTapY = 284;

// Idle: decided, and there was nothing to do (the turn change passes such a side).
enum class PlanKind { None, Idle, Place, Draw, Target, TieTap };

struct Plan {
  PlanKind kind = PlanKind::None;
  MatchState state = MatchState::TapMove;  // the state the plan was made for
  std::uint32_t actAt = 0;
  int slot = 0;
  int x = 0, y = 0;                            // the cell to place on or to attack
  int fromX = 0, fromY = 0, toX = 0, toY = 0;  // the drag's stylus path
  int step = 0, steps = 0;
};

Plan plan;
bool inGesture = false;

void Down(int x, int y) {
  inGesture = true;
  MatchStylusDown(x, y);
  inGesture = false;
}
void Move(int x, int y) {
  inGesture = true;
  MatchStylusMove(x, y);
  inGesture = false;
}
void Up(int x, int y) {
  inGesture = true;
  MatchStylusUp(x, y);
  inGesture = false;
}

int CellCentreX(int x) { return CellPixelX(x) + 16; }
int CellCentreY(int y) { return CellPixelY(y) + 25; }

void SetSkill() { TheMatch.duel.aiLevel = static_cast<std::int8_t>(std::clamp(setting.opponentClass, 0, 2)); }

// The turn decision, taken once on the first frame of TapMove.
void PlanMove(std::uint32_t now) {
  Match& m = TheMatch;
  const Side side = LocalSide();
  plan = Plan{};
  plan.kind = PlanKind::Idle;
  plan.state = MatchState::TapMove;
  plan.actAt = now + ThinkMs;
  SetSkill();
  MoveChoice move;
  if (!ChooseMove(m.duel, m.board, m.hands[side], m.piles[side].count, side, move)) return;
  if (move.slot == TakeCardSlot) {
    plan.kind = PlanKind::Draw;
    return;
  }
  plan.kind = PlanKind::Place;
  plan.slot = move.slot;
  plan.x = move.x;
  plan.y = move.y;
  // Held at the card's centre, carried to the cell's centre: the drop lands on the cell.
  plan.fromX = HandSlotX(move.slot) + 16;
  plan.fromY = HandSlotY + 25;
  plan.toX = CellCentreX(move.x);
  plan.toY = CellCentreY(move.y);
  const int distance = std::max(std::abs(plan.toX - plan.fromX), std::abs(plan.toY - plan.fromY));
  plan.steps = std::max(1, (distance + DragStepPixels - 1) / DragStepPixels);
}

void PlanTarget(std::uint32_t now, bool multiHit) {
  Match& m = TheMatch;
  plan = Plan{};
  plan.kind = PlanKind::Idle;
  plan.state = m.state;
  plan.actAt = now + ThinkMs;
  SetSkill();
  AttackChoice choice;
  const bool ok = multiHit ? ChooseChainAttack(m.duel, m.board, m.chainSide, m.attacker.x, m.attacker.y, choice)
                           : ChooseAttack(m.duel, m.board, m.currentSide, m.attacker.x, m.attacker.y, choice);
  int tx = choice.x, ty = choice.y;
  if (!ok && !FirstAttackTarget(m.board, m.attacker.x, m.attacker.y, tx, ty)) return;
  plan.kind = PlanKind::Target;
  plan.x = tx;
  plan.y = ty;
}

void StepPlace(std::uint32_t now) {
  const Match& m = TheMatch;
  if (m.state == MatchState::TapMove) {
    if (now < plan.actAt) return;
    Down(plan.fromX, plan.fromY);
    if (TheMatch.state != MatchState::DragCard) {
      plan.kind = PlanKind::None;  // the card was not lifted: decide again
      return;
    }
    plan.state = MatchState::DragCard;
    plan.step = 0;
    return;
  }
  // DragCard: one stretch of the path a frame, then the drop.
  if (plan.step < plan.steps) {
    ++plan.step;
    const int x = plan.fromX + (plan.toX - plan.fromX) * plan.step / plan.steps;
    const int y = plan.fromY + (plan.toY - plan.fromY) * plan.step / plan.steps;
    Move(x, y);
    return;
  }
  plan.kind = PlanKind::None;
  Up(plan.toX, plan.toY);
}

}  // namespace

void SetAutoplay(const AutoplayPlayer& player) {
  enabled = true;
  setting = player;
  plan = Plan{};
}

void ClearAutoplay() {
  enabled = false;
  plan = Plan{};
}

bool AutoplayOn() { return enabled; }
AutoplayPlayer AutoplaySetting() { return setting; }

bool AutoplayDrivesDuel() { return enabled && !TheMatch.tutorial; }

bool StylusBlockedByAutoplay() { return AutoplayDrivesDuel() && !inGesture; }

bool AutoplayStopsCoin(unsigned spunMs) { return AutoplayDrivesDuel() && spunMs >= CoinSpinMs; }

void AutoplayFrame() {
  if (!AutoplayDrivesDuel()) {
    plan = Plan{};
    return;
  }
  Match& m = TheMatch;
  const std::uint32_t now = platform::TickCount();
  const bool planned = plan.kind != PlanKind::None && plan.state == m.state;
  switch (m.state) {
    case MatchState::TapMove:
      if (!planned) PlanMove(now);
      if (plan.kind == PlanKind::Draw && now >= plan.actAt) {
        plan.kind = PlanKind::None;
        Down(PileTapX, PileTapY);
        Up(PileTapX, PileTapY);
      } else if (plan.kind == PlanKind::Place) {
        StepPlace(now);
      }
      break;
    case MatchState::DragCard:
      if (planned && plan.kind == PlanKind::Place) {
        StepPlace(now);
      } else {
        // A drag autoplay did not start (a resumed quick save, or autoplay turned
        // on in mid-drag): the card is carried back to its slot and let go there.
        plan = Plan{};
        const int slot = m.selectedSlot < HandSize ? m.selectedSlot : 0;
        Move(HandSlotX(slot) + m.grab.x, HandSlotY + m.grab.y);
        Up(HandSlotX(slot) + m.grab.x, HandSlotY + m.grab.y);
      }
      break;
    case MatchState::TapAttack:
    case MatchState::TapMultiHit:
      if (!planned) PlanTarget(now, m.state == MatchState::TapMultiHit);
      if (plan.kind == PlanKind::Target && now >= plan.actAt) {
        plan.kind = PlanKind::None;
        Down(CellCentreX(plan.x), CellCentreY(plan.y));
        Up(CellCentreX(plan.x), CellCentreY(plan.y));
      }
      break;
    case MatchState::TieWait:
      if (!planned) {
        plan = Plan{};
        plan.kind = PlanKind::TieTap;
        plan.state = MatchState::TieWait;
        plan.actAt = now + TieLookMs;
      } else if (now >= plan.actAt) {
        plan.kind = PlanKind::None;
        Down(120, 160);
        Up(120, 160);
      }
      break;
    case MatchState::CardInfo:
      // Only a resumed quick save can leave the card view open: close it.
      plan = Plan{};
      Up(120, 160);
      break;
    default:
      plan = Plan{};
      break;
  }
}

bool ParseAutoplayPlayer(const std::string& text, AutoplayPlayer& player, std::string& error) {
  const std::size_t colon = text.find(':');
  const std::string what = "'" + text + "'";
  if (colon == std::string::npos) {
    error = "--autoplay takes CLASS:TIER (guest, member or elite, then a tier 0..3), not " + what;
    return false;
  }
  std::string name = text.substr(0, colon);
  const std::string tier = text.substr(colon + 1);
  std::transform(name.begin(), name.end(), name.begin(), [](unsigned char c) { return std::tolower(c); });
  static const char* const Names[3] = {"guest", "member", "elite"};
  int cls = -1;
  for (int i = 0; i < 3; ++i)
    if (name == Names[i] || name == std::string(1, static_cast<char>('0' + i))) cls = i;
  if (cls < 0) {
    error = "--autoplay: the class must be guest, member or elite (or 0, 1, 2), not '" + text.substr(0, colon) + "'";
    return false;
  }
  if (tier.size() != 1 || tier[0] < '0' || tier[0] > '3') {
    error = "--autoplay: the tier must be 0, 1, 2 or 3, not '" + tier + "'";
    return false;
  }
  player.opponentClass = cls;
  player.tier = tier[0] - '0';
  return true;
}

std::string AutoplayPlayerText(const AutoplayPlayer& player) {
  static const char* const Names[3] = {"guest", "member", "elite"};
  return std::string(Names[std::clamp(player.opponentClass, 0, 2)]) + ":" + std::to_string(player.tier);
}
