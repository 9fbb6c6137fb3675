// tournament.h -- a class's tournament of sixteen: fees and prizes, drawing up the bracket, the simulated contests
// of a round and packing the players still in for the next one.
#pragma once

#include <cstdint>

constexpr int BracketSize = 16;
constexpr int BracketPairs = BracketSize / 2;
// The character's participant number; 0..14 are the class's roster indices.
constexpr std::uint8_t BracketPlayer = 16;
// Rounds: 0 = sixteen players, 1 = eight, 2 = four, 3 = the final, 4 = the winner is known.
constexpr int FinishedRound = 4;

struct BracketSlot {
  std::uint8_t participant = 0;
  std::uint8_t out = 0;  // eliminated (also "taken" while the bracket is drawn up)
};

struct Bracket {
  BracketSlot slots[BracketSize];
};

// What a class's tournament costs and pays.
struct TournamentPurse {
  std::int32_t fee;
  std::int16_t prize;          // the winner's
  std::int16_t runnerUpPrize;  // the finalist's who lost
};
// Guest, Member, Elite; the Guest's for any other number.
const TournamentPurse& PurseOf(int opponentClass);

// Draws up a new bracket: the character into slot Random(16), then each
// opponent 0..14 in turn into the first free slot Random(16) comes up with.
// Every slot is in afterwards.
void DrawUpBracket(Bracket& bracket);

// One simulated contest of a round: slots a and b, each side's score
// (level code + Random(6), both drawn again while equal) and the winner's slot.
struct Contest {
  std::uint8_t slotA = 0, slotB = 0;
  std::uint8_t scoreA = 0, scoreB = 0;
  std::uint8_t redraws = 0;  // how many times equal scores were drawn again
  std::uint8_t winnerSlot = 0;
};

// A round played up to the character's own duel.
struct RoundPlay {
  std::int8_t playerPair = -1;  // first slot of the character's pair, -1 without a match
  std::int8_t opponent = -1;    // the character's opponent (roster index)
  Contest contests[BracketPairs];
  int contestCount = 0;
};

// The pairs (0, 1), (2, 3), ... while the pair's first slot is still in, in
// slot order: the character's pair is only noted, every other pair is a
// simulated contest whose loser goes out. levelCodes[i] is roster opponent
// i's level code.
RoundPlay PlayBracketRound(Bracket& bracket, const std::uint8_t (&levelCodes)[15]);
// The same with the level codes of the class's roster opponents.
RoundPlay PlayBracketRound(Bracket& bracket, int opponentClass);

// The players still in, packed in slot order into slots 0, 1, 2, ...; every
// other slot out.
void AdvanceBracket(Bracket& bracket);

// How many slots are still in.
int PlayersIn(const Bracket& bracket);
// The participant in slot 0 (the winner once the final has been packed).
inline std::uint8_t BracketLeader(const Bracket& bracket) { return bracket.slots[0].participant; }
