// duel_stats.cpp -- the career statistics globals.
#include "data/duel_stats.h"

DuelStatistics DuelStats;

void ClearDuelStats() { DuelStats = DuelStatistics{}; }
void CountPerfectRealised() { ++DuelStats.perfectsRealised; }
void CountPerfectReceived() { ++DuelStats.perfectsReceived; }
