// duel_stats.h -- the current character's career statistics, saved with the character.
#pragma once

#include <cstdint>

constexpr int OpponentClasses = 3;
constexpr int OpponentsPerClass = 15;

struct OpponentResults {
  std::int16_t victories = 0;
  std::int16_t ties = 0;
  std::int16_t defeats = 0;
};

struct DuelStatistics {
  OpponentResults opponents[OpponentClasses][OpponentsPerClass];  // [class][index]
  std::int16_t tourneysWon[OpponentClasses] = {};
  std::int16_t tourneysPlayed[OpponentClasses] = {};
  std::int16_t perfectsRealised = 0;
  std::int16_t perfectsReceived = 0;
};

// One set for the character being played.
extern DuelStatistics DuelStats;

void ClearDuelStats();
// A won duel in which the other side kept no cell / a lost one in which the character kept none.
void CountPerfectRealised();
void CountPerfectReceived();
