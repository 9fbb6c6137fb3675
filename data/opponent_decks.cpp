// opponent_decks.cpp -- generated opponent decks: the most valuable of several draws per card.
#include "data/card_database.h"
#include "data/deck_table.h"
#include "data/roster.h"

std::string OpponentDeckProblem(int opponentClass, int tier) {
  if (opponentClass < 0 || opponentClass > 2 || tier < 0 || tier > 3)
    return "no opponent of class " + std::to_string(opponentClass) + " tier " + std::to_string(tier);
  int q = CardCount() / 4;
  for (int level = 1; level <= 4; ++level) {
    int needed = OpponentDeckTable[opponentClass][tier][level - 1];
    if (needed > q)
      return "the card set holds " + std::to_string(q) + " cards of level " + std::to_string(level) +
             ", a deck of class " + std::to_string(opponentClass) + " tier " + std::to_string(tier) + " needs " +
             std::to_string(needed) + " different ones";
  }
  return {};
}

namespace {

// Draws a card of the level whose id the deck does not hold yet. False when
// the draw gives a damaged record (which would be drawn for ever).
bool DrawNewCard(const Deck& deck, int level, Card& card, RandomStream& random) {
  do {
    card = RandomCardOfLevel(level, random);
    if (card.id < 1) return false;
  } while (DeckContains(deck, card.id));
  return true;
}

}  // namespace

bool BuildOpponentDeck(Deck& deck, int opponentClass, int tier, RandomStream& random) {
  EmptyDeck(deck);
  if (!OpponentDeckProblem(opponentClass, tier).empty()) return false;
  for (int level = 1; level <= 4; ++level) {
    for (int n = OpponentDeckTable[opponentClass][tier][level - 1]; n > 0; --n) {
      Card pick, candidate;
      if (!DrawNewCard(deck, level, pick, random)) {
        EmptyDeck(deck);
        return false;
      }
      for (int extra = opponentClass + tier; extra > 0; --extra) {
        if (!DrawNewCard(deck, level, candidate, random)) {
          EmptyDeck(deck);
          return false;
        }
        if (candidate.price > pick.price) pick = candidate;
      }
      deck.slots[deck.count++] = pick;
    }
  }
  return true;
}
