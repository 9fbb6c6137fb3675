// deck_building.cpp -- the quick deck, the sale of duplicates and the tutorial's spread of cards.
#include "data/deck_building.h"

#include "core/random.h"
#include "data/card_database.h"

int QuickDeckIconScore(int strength) {
  static constexpr int Scores[6] = {0, -2, -1, 1, 3, 4};
  return strength >= 0 && strength <= 5 ? Scores[strength] : 0;
}

bool QuickDeck(PlayerRecord& record) {
  ClearDeck(record);
  constexpr int Kept = DeckSize;
  constexpr int Unused = -99;
  int score[Kept];
  int id[Kept];
  for (int i = 0; i < Kept; ++i) {
    score[i] = Unused;
    id[i] = -1;
  }
  const int cardCount = CardCount();
  for (int card = 1; card <= cardCount; ++card) {
    if (CopiesOf(record, card) < 1) continue;
    const Card c = LoadCard(card);
    int s = 0;
    for (int d = 0; d < 8; ++d) s += QuickDeckIconScore(c.Icon(d));
    s += Random(3);
    if (s <= score[0]) continue;
    // The first place whose score is at least s; the card goes just below it,
    // and the lowest entry drops out.
    int u = 0;
    while (u < Kept && score[u] < s) ++u;
    for (int k = 1; k < u; ++k) {
      score[k - 1] = score[k];
      id[k - 1] = id[k];
    }
    score[u - 1] = s;
    id[u - 1] = card;
  }
  for (int i = 0; i < Kept; ++i)
    if (score[i] != Unused) AddToDeck(record, id[i], false);
  return record.deck.count == DeckSize;
}

DuplicateSale SellDuplicates(PlayerRecord& record) {
  DuplicateSale sale;
  const int cardCount = CardCount();
  for (int card = 1; card <= cardCount; ++card) {
    if (CopiesOf(record, card) <= 1) continue;
    const std::int32_t price = LoadCard(card).price;
    while (CopiesOf(record, card) > 1) {
      AddCredits(record, price);
      sale.credits = SaturatedSum(sale.credits, price);
      ++sale.cards;
      RemoveCopy(record, card);
    }
  }
  return sale;
}

void AddTutorialSpread(PlayerRecord& record) {
  const int cardCount = CardCount();
  int card = 0;
  while (card < cardCount) {
    card += Random(3) + 2;
    // The last step can pass the end of the set; no copy of a card that is not there.
    if (card <= cardCount) AddCopy(record, card);
  }
}

bool PutInDeckSlot(PlayerRecord& record, int slot, int id) {
  if (slot < 0 || slot >= DeckSize || record.deck.slots[slot].id != -1) return false;
  if (CopiesOf(record, id) < 1 || DeckContains(record.deck, id)) return false;
  const Card card = LoadCard(id);
  if (card.id < 1) return false;
  record.deck.slots[slot] = card;
  ++record.deck.count;
  return true;
}

void SwapDeckSlots(Deck& deck, int a, int b) {
  if (a < 0 || b < 0 || a >= DeckSize || b >= DeckSize || a == b) return;
  const Card held = deck.slots[a];
  deck.slots[a] = deck.slots[b];
  deck.slots[b] = held;
}

int LeadingDeckCards(const Deck& deck) {
  int n = 0;
  while (n < DeckSize && deck.slots[n].id != -1) ++n;
  return n;
}
