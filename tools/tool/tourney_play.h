// tourney_play.h -- a whole tournament of one class from a seed, the character's duels played by a computer.
#pragma once

#include <cstdint>
#include <functional>
#include <string>

#include "tools/tool/duel_play.h"

struct TourneyPlan {
  int opponentClass = 0;  // the tournament: 0 Guest, 1 Member, 2 Elite
  DuelSidePlan player;    // the computer that plays the character's duels (its class's search, a deck of its tier)
};

struct TourneyResult {
  int roundsWon = 0;       // 0..4
  std::int32_t prize = 0;  // what the closing message pays
  int duels = 0;           // the character's duels, replayed ties included
  int ties = 0;
  std::uint8_t winner = 0;  // participant: roster index, 16 the character
};

// Seeds the generator with `seed` and plays the tournament as the room does:
// the bracket drawn up, then round by round the simulated contests in slot
// order and the character's duel (blocks Random(5) + 2, the character's deck,
// the opponent's deck, the duel; a tie played again at once). Each line of
// the transcript is given to `line` (without its line feed) when set. False,
// with a message, when the card set cannot give the decks.
bool PlayTournament(std::uint32_t seed, const TourneyPlan& plan, const std::function<void(const std::string&)>& line,
                    TourneyResult& result, std::string& error);

// Why the open card set cannot hold this tournament (one line), or empty.
std::string TourneyProblem(const TourneyPlan& plan);
