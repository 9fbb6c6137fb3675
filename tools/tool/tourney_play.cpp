// tourney_play.cpp -- a tournament played through: the room's bracket and contests, the character's duels headless.
#include "tools/tool/tourney_play.h"

#include "core/random.h"
#include "data/card_database.h"
#include "data/roster.h"
#include "data/tournament.h"

namespace {

std::string Number(int n) { return std::to_string(n); }

const char* ResultWord(int result) {
  switch (result) {
    case 0:
      return "won";
    case 1:
      return "lost";
    default:
      return "tie";
  }
}

}  // namespace

std::string TourneyProblem(const TourneyPlan& plan) {
  if (CardCount() < 4) return "the card database holds " + Number(CardCount()) + " cards, too few for a deck";
  std::string problem = OpponentDeckProblem(plan.player.opponentClass, plan.player.tier);
  for (int tier = 0; problem.empty() && tier < 4; ++tier) problem = OpponentDeckProblem(plan.opponentClass, tier);
  return problem;
}

bool PlayTournament(std::uint32_t seed, const TourneyPlan& plan, const std::function<void(const std::string&)>& line,
                    TourneyResult& result, std::string& error) {
  result = TourneyResult{};
  const auto say = [&line](const std::string& text) {
    if (line) line(text);
  };
  error = TourneyProblem(plan);
  if (!error.empty()) return false;
  SeedRandom(seed);
  Bracket bracket;
  DrawUpBracket(bracket);
  std::string text = "bracket";
  for (const BracketSlot& s : bracket.slots) text += ' ' + Number(s.participant);
  say(text);

  DuelPlan duel;
  duel.sides[0] = plan.player;
  duel.transcript = false;
  for (int round = 0; round < FinishedRound; ++round) {
    say("round " + Number(round + 1) + " players " + Number(PlayersIn(bracket)));
    const RoundPlay play = PlayBracketRound(bracket, plan.opponentClass);
    for (int k = 0; k < play.contestCount; ++k) {
      const Contest& c = play.contests[k];
      say("contest " + Number(bracket.slots[c.slotA].participant) + ' ' + Number(bracket.slots[c.slotB].participant) +
          " scores " + Number(c.scoreA) + ' ' + Number(c.scoreB) + " redraws " + Number(c.redraws) + " winner " +
          Number(bracket.slots[c.winnerSlot].participant));
    }
    if (play.playerPair >= 0) {
      const int opponent = play.opponent;
      duel.sides[1] = {plan.opponentClass, opponent / 4};
      for (;;) {
        // As a club duel begins: the blocked cells' count, then side 0's deck, then side 1's.
        const int blocks = Random(5) + 2;
        Deck decks[2];
        if (!BuildOpponentDeck(decks[0], duel.sides[0].opponentClass, duel.sides[0].tier) ||
            !BuildOpponentDeck(decks[1], duel.sides[1].opponentClass, duel.sides[1].tier)) {
          error = "the card database is damaged: no full deck for a duel of tournament " + Number(seed);
          return false;
        }
        std::string unused;
        DuelOutcome outcome;
        if (!PlayDealtDuel(seed, decks, blocks, CardCount(), duel, GameRandom(), unused, outcome, error)) return false;
        ++result.duels;
        say("duel " + Number(opponent) + " blocks " + Number(blocks) + " cells " + Number(outcome.count0) + ' ' +
            Number(outcome.count1) + " result " + ResultWord(outcome.result));
        if (outcome.result == 2) {
          ++result.ties;
          continue;
        }
        const int a = play.playerPair;
        const bool playerFirst = bracket.slots[a].participant == BracketPlayer;
        if (outcome.result == 0) {
          result.roundsWon = round + 1;
          bracket.slots[playerFirst ? a + 1 : a].out = 1;
        } else {
          bracket.slots[playerFirst ? a : a + 1].out = 1;
        }
        break;
      }
    }
    AdvanceBracket(bracket);
  }
  result.winner = BracketLeader(bracket);
  const TournamentPurse& purse = PurseOf(plan.opponentClass);
  if (result.roundsWon == 3) result.prize = purse.runnerUpPrize;
  if (result.roundsWon == 4) result.prize = purse.prize;
  say("winner " + Number(result.winner));
  say("prize " + Number(result.prize) + " roundsWon " + Number(result.roundsWon));
  return true;
}
