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

// The most threads PlayDuels runs.
constexpr int MaxDuelJobs = 64;

// Plays seeds first .. first + count - 1 (wrapping after 4294967295), giving
// each duel's transcript to `sink` in seed order, then the summary line.
// With jobs > 1 the duels are played on that many threads (each duel has its
// own random stream); the sink is still called on the calling thread, in the
// same order and with the same text as with one job. A failing duel ends the
// run after the transcripts of the seeds before it, as with one job.
bool PlayDuels(std::uint32_t first, std::uint64_t count, const DuelPlan& plan,
               const std::function<void(const std::string&)>& sink, DuelTally& tally, std::string& error, int jobs = 1);

// "summary duels N red R blue B ties T"
std::string SummaryLine(const DuelTally& tally);
