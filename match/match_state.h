// match_state.h -- the duel's states, who drives a side, and the result the club reads afterwards.
#pragma once

#include <cstdint>

// Every value MatchFrame or the stylus handlers act on; stored as a byte.
enum class MatchState : std::uint8_t {
  TapMove = 0,
  DragCard = 1,
  TapAttack = 2,
  TapMultiHit = 3,
  AttackMove = 4,
  ResolveAttack = 5,
  CaptureFlip = 6,
  EndTurn = 7,
  ResolveMultiHit = 8,
  MultiHitStart = 9,
  AwaitRemoteMove = 10,
  AwaitRemoteAttack = 11,
  AwaitRemoteMultiHit = 12,
  RemotePlaced = 13,
  CardFlyIn = 15,
  ComputerPlaced = 20,
  ComputerAttack = 21,
  ComputerMultiHit = 22,
  MatchOver = 23,
  ComputerTurn = 24,
  SettleWin = 25,
  SettleLoss = 26,
  Leave = 27,
  DrawFromPile = 30,
  PerfectReward = 31,
  ApplyReward = 32,
  Versus = 33,
  StartPlay = 34,
  CoinToss = 35,
  CardInfo = 40,
  Pause = 68,
  TieWait = 71,
  ShowReward = 72,
};

// A side driven by the other device over the link (kinds 3 and 4).
inline bool IsRemoteKind(std::uint8_t kind) { return kind == 3 || kind == 4; }

// Set at the end of every duel: 0 side 0 won, 1 side 1 won, 2 tie.
extern std::uint8_t MatchResult;
