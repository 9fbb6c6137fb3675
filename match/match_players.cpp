// match_players.cpp -- the career operations the duel needs, read through the duellists' records.
#include "match/match_players.h"

#include "data/card_database.h"

int CopiesOwned(const PlayerRecord& record, int id) { return CopiesOf(record, id); }

bool AddCardAutomatically(PlayerRecord& record) {
  if (record.deck.count >= DeckSize) return false;
  const int count = CardCount();
  for (int id = 1; id <= count && id <= CollectionSize; ++id)
    if (CopiesOf(record, id) > 0 && !DeckContains(record.deck, id)) return AddToDeck(record, id, false);
  return false;
}
