// match_state_change.cpp -- the duel's state changes in one place, and their trace.
#include "match/match_state_change.h"

#include <cstdio>

#include "match/match.h"
#include "platform/clock.h"

namespace {

bool tracing = false;

void TraceLine(const std::string& text) {
  if (!tracing) return;
  std::fprintf(stderr, "state %lu %s\n", static_cast<unsigned long>(platform::TickCount()), text.c_str());
}

}  // namespace

void ChangeMatchState(MatchState next) {
  const MatchState from = TheMatch.state;
  TheMatch.state = next;
  if (tracing && from != next) TraceLine(MatchStateName(from) + " -> " + MatchStateName(next));
}

void SetMatchStateTrace(bool on) { tracing = on; }

void TraceResumedMatchState() {
  if (tracing) TraceLine("resumed " + MatchStateName(TheMatch.state));
}

std::string MatchStateName(MatchState state) {
  switch (state) {
    case MatchState::TapMove:
      return "TapMove";
    case MatchState::DragCard:
      return "DragCard";
    case MatchState::TapAttack:
      return "TapAttack";
    case MatchState::TapMultiHit:
      return "TapMultiHit";
    case MatchState::AttackMove:
      return "AttackMove";
    case MatchState::ResolveAttack:
      return "ResolveAttack";
    case MatchState::CaptureFlip:
      return "CaptureFlip";
    case MatchState::EndTurn:
      return "EndTurn";
    case MatchState::ResolveMultiHit:
      return "ResolveMultiHit";
    case MatchState::MultiHitStart:
      return "MultiHitStart";
    case MatchState::AwaitRemoteMove:
      return "AwaitRemoteMove";
    case MatchState::AwaitRemoteAttack:
      return "AwaitRemoteAttack";
    case MatchState::AwaitRemoteMultiHit:
      return "AwaitRemoteMultiHit";
    case MatchState::RemotePlaced:
      return "RemotePlaced";
    case MatchState::CardFlyIn:
      return "CardFlyIn";
    case MatchState::ComputerPlaced:
      return "ComputerPlaced";
    case MatchState::ComputerAttack:
      return "ComputerAttack";
    case MatchState::ComputerMultiHit:
      return "ComputerMultiHit";
    case MatchState::MatchOver:
      return "MatchOver";
    case MatchState::ComputerTurn:
      return "ComputerTurn";
    case MatchState::SettleWin:
      return "SettleWin";
    case MatchState::SettleLoss:
      return "SettleLoss";
    case MatchState::Leave:
      return "Leave";
    case MatchState::DrawFromPile:
      return "DrawFromPile";
    case MatchState::PerfectReward:
      return "PerfectReward";
    case MatchState::ApplyReward:
      return "ApplyReward";
    case MatchState::Versus:
      return "Versus";
    case MatchState::StartPlay:
      return "StartPlay";
    case MatchState::CoinToss:
      return "CoinToss";
    case MatchState::CardInfo:
      return "CardInfo";
    case MatchState::Pause:
      return "Pause";
    case MatchState::TieWait:
      return "TieWait";
    case MatchState::ShowReward:
      return "ShowReward";
  }
  return "state " + std::to_string(static_cast<int>(state));
}
