// duel_play.h -- one computer-against-computer duel from two decks to its result.
#pragma once

#include <cstdint>
#include <string>

#include "core/deck.h"
#include "engine/computer_opponent.h"
#include "engine/duel_flow.h"

struct DuelSidePlan {
  int opponentClass = 0;  // 0 Guest, 1 Member, 2 Elite: the side's computer level
  int tier = 0;           // 0..3, for its generated deck
};

// Per class, how many decisions the computer took and how long they took
// (processor time of the calling thread, so other work on the machine does not count).
struct DecisionTimes {
  std::uint64_t decisions[3] = {0, 0, 0};
  double totalSeconds[3] = {0, 0, 0};
  double slowestSeconds[3] = {0, 0, 0};
};

// The computer's three decisions; the engine's own unless a plan names others
// (a benchmark plays the same duels with a reference search).
struct DuelDeciders {
  bool (*chooseMove)(DuelContext&, const Board&, const Hand&, int, Side, MoveChoice&) = ChooseMove;
  bool (*chooseAttack)(DuelContext&, const Board&, Side, int, int, AttackChoice&) = ChooseAttack;
  bool (*chooseChainAttack)(DuelContext&, const Board&, Side, int, int, AttackChoice&) = ChooseChainAttack;
};

struct DuelPlan {
  DuelSidePlan sides[2];
  bool transcript = true;          // false: only the outcome is worked out
  DecisionTimes* times = nullptr;  // when set, every computer decision is timed
  DuelDeciders deciders;
};

// From the stream's current state: deals side 0 then side 1, draws the
// side that does not start, blocks `blocks` cells and plays the turns to a
// full board, then picks the cards that change hands (ids up to cardCount).
// The transcript lines (header with `seed`, decks, blocked cells, turns,
// fights, end) are appended when the plan asks for them.
// Every draw comes from `random`.
bool PlayDealtDuel(std::uint32_t seed, const Deck decks[2], int blocks, int cardCount, const DuelPlan& plan,
                   RandomStream& random, std::string& transcript, DuelOutcome& outcome, std::string& error);

// The processor time the calling thread has used so far.
double ThreadCpuSeconds();
