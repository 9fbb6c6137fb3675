// match_events.h -- what happened in the duel, move by move, for whoever follows it (transcripts, tests).
#pragma once

#include <cstdint>

struct MatchEvent {
  enum Kind : std::uint8_t { Place, Draw, Pass, Attack, Chain };
  Kind kind = Pass;
  std::uint8_t side = 0;
  int slot = 0, id = 0;     // Place: hand slot and card; Draw: card
  int ax = 0, ay = 0;       // Place: the cell; Attack/Chain: the attacking cell
  int tx = 0, ty = 0;       // Attack/Chain: the target cell
  std::uint8_t winner = 2;  // Attack/Chain: the fight's winner (2 = a draw)
  int score = 0;            // Place by the computer: its move's score
};

using MatchEventObserver = void (*)(const MatchEvent& event);
void SetMatchEventObserver(MatchEventObserver observer);
void ReportMatchEvent(const MatchEvent& event);
