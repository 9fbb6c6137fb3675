// tournament.cpp -- the tournament's bracket: drawing it up, the simulated contests of a round, the next round's
// places.
#include "data/tournament.h"

#include "core/random.h"
#include "data/roster.h"

namespace {

const TournamentPurse Purses[3] = {{300, 2000, 1000}, {1000, 8000, 4000}, {2500, 15000, 7000}};

// A free slot drawn from 0..15; a draw of 16 (which the generator's scaling
// could give) counts as taken.
int DrawFreeSlot(const Bracket& bracket) {
  for (;;) {
    const int slot = Random(BracketSize);
    if (slot < BracketSize && bracket.slots[slot].out == 0) return slot;
  }
}

}  // namespace

const TournamentPurse& PurseOf(int opponentClass) {
  if (opponentClass < 0 || opponentClass > 2) opponentClass = 0;
  return Purses[opponentClass];
}

void DrawUpBracket(Bracket& bracket) {
  // "out" marks a taken slot while the places are drawn.
  for (BracketSlot& s : bracket.slots) s = BracketSlot{};
  const int mine = DrawFreeSlot(bracket);
  bracket.slots[mine] = {BracketPlayer, 1};
  for (std::uint8_t opponent = 0; opponent < 15; ++opponent) {
    const int slot = DrawFreeSlot(bracket);
    bracket.slots[slot] = {opponent, 1};
  }
  for (BracketSlot& s : bracket.slots) s.out = 0;
}

RoundPlay PlayBracketRound(Bracket& bracket, const std::uint8_t (&levelCodes)[15]) {
  RoundPlay play;
  for (int a = 0; a < BracketSize && bracket.slots[a].out == 0; a += 2) {
    const int b = a + 1;
    // Only the winner is left once the final is over: there is no pair.
    if (bracket.slots[b].out != 0) break;
    BracketSlot& first = bracket.slots[a];
    BracketSlot& second = bracket.slots[b];
    if (first.participant == BracketPlayer || second.participant == BracketPlayer) {
      play.playerPair = static_cast<std::int8_t>(a);
      play.opponent =
          static_cast<std::int8_t>(first.participant == BracketPlayer ? second.participant : first.participant);
      continue;
    }
    // A participant number outside the roster (a damaged record) scores from 0.
    const auto code = [&levelCodes](std::uint8_t p) { return p < 15 ? levelCodes[p] : std::uint8_t{0}; };
    Contest& c = play.contests[play.contestCount++];
    c.slotA = static_cast<std::uint8_t>(a);
    c.slotB = static_cast<std::uint8_t>(b);
    for (;;) {
      c.scoreA = static_cast<std::uint8_t>(code(first.participant) + Random(6));
      c.scoreB = static_cast<std::uint8_t>(code(second.participant) + Random(6));
      if (c.scoreA != c.scoreB) break;
      ++c.redraws;
    }
    if (c.scoreA > c.scoreB) {
      c.winnerSlot = c.slotA;
      second.out = 1;
    } else {
      c.winnerSlot = c.slotB;
      first.out = 1;
    }
  }
  return play;
}

RoundPlay PlayBracketRound(Bracket& bracket, int opponentClass) {
  std::uint8_t codes[15];
  for (int i = 0; i < 15; ++i) codes[i] = RosterOpponent(i, opponentClass).levelCode;
  return PlayBracketRound(bracket, codes);
}

void AdvanceBracket(Bracket& bracket) {
  Bracket packed;
  int next = 0;
  for (const BracketSlot& s : bracket.slots)
    if (s.out == 0) packed.slots[next++] = {s.participant, 0};
  for (int k = next; k < BracketSize; ++k) packed.slots[k] = {bracket.slots[k].participant, 1};
  bracket = packed;
}

int PlayersIn(const Bracket& bracket) {
  int n = 0;
  for (const BracketSlot& s : bracket.slots) n += s.out == 0 ? 1 : 0;
  return n;
}
