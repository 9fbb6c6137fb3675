// duel_simulator.h -- computer-against-computer duels, fully determined by the seed and the card database.
#pragma once

#include <cstdint>
#include <functional>
#include <string>

#include "tools/tool/duel_play.h"

struct DuelTally {
  std::uint64_t duels = 0;
  std::uint64_t wins[2] = {0, 0};
  std::uint64_t ties = 0;
};

// Plays the duel of one seed on the open card database, appending its
// transcript lines to `transcript` (when the plan asks for them). False, with
// a message in `error`, when the database cannot give both sides a deck.
bool PlayDuel(std::uint32_t seed, const DuelPlan& plan, std::string& transcript, DuelOutcome& outcome,
              std::string& error);

// Plays seeds first .. first + count - 1 (wrapping after 4294967295), giving
// each duel's transcript to `sink` as it is finished, then the summary line.
bool PlayDuels(std::uint32_t first, std::uint64_t count, const DuelPlan& plan,
               const std::function<void(const std::string&)>& sink, DuelTally& tally, std::string& error);

// "summary duels N red R blue B ties T"
std::string SummaryLine(const DuelTally& tally);
