// duel_simulator.cpp -- duels seeded one by one, with decks generated from the card database.
#include "tools/tool/duel_simulator.h"

#include "core/random.h"
#include "data/card_database.h"
#include "data/roster.h"

namespace {

bool DeckIsSound(const Deck& deck, int cardCount) {
  for (int i = 0; i < DeckSize; ++i) {
    int id = deck.slots[i].id;
    if (id < 1 || id > cardCount) return false;
    for (int j = 0; j < i; ++j)
      if (deck.slots[j].id == id) return false;
  }
  return true;
}

}  // namespace

bool PlayDuel(std::uint32_t seed, const DuelPlan& plan, std::string& transcript, DuelOutcome& outcome,
              std::string& error) {
  int cardCount = CardCount();
  if (cardCount < 4) {
    error = "the card database holds " + std::to_string(cardCount) + " cards, too few for a deck";
    return false;
  }
  for (const DuelSidePlan& side : plan.sides) {
    std::string problem = OpponentDeckProblem(side.opponentClass, side.tier);
    if (!problem.empty()) {
      error = problem;
      return false;
    }
  }
  RandomStream random(seed);
  int blocks = random.Below(5) + 2;
  Deck decks[2];
  for (int s = 0; s < 2; ++s) {
    if (!BuildOpponentDeck(decks[s], plan.sides[s].opponentClass, plan.sides[s].tier, random) ||
        !DeckIsSound(decks[s], cardCount)) {
      error = "the card database (" + std::to_string(cardCount) + " cards) is damaged: no full deck for class " +
              std::to_string(plan.sides[s].opponentClass) + " tier " + std::to_string(plan.sides[s].tier) +
              " (duel " + std::to_string(seed) + ")";
      return false;
    }
  }
  return PlayDealtDuel(seed, decks, blocks, cardCount, plan, random, transcript, outcome, error);
}

bool PlayDuels(std::uint32_t first, std::uint64_t count, const DuelPlan& plan,
               const std::function<void(const std::string&)>& sink, DuelTally& tally, std::string& error) {
  std::string transcript;
  std::uint32_t seed = first;
  for (std::uint64_t i = 0; i < count; ++i, ++seed) {
    transcript.clear();
    DuelOutcome outcome;
    if (!PlayDuel(seed, plan, transcript, outcome, error)) return false;
    ++tally.duels;
    if (outcome.result == 2) ++tally.ties;
    else ++tally.wins[outcome.result];
    if (plan.transcript && sink) sink(transcript);
  }
  if (sink) sink(SummaryLine(tally) + '\n');
  return true;
}

std::string SummaryLine(const DuelTally& tally) {
  return "summary duels " + std::to_string(tally.duels) + " red " + std::to_string(tally.wins[0]) + " blue " +
         std::to_string(tally.wins[1]) + " ties " + std::to_string(tally.ties);
}
