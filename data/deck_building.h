// deck_building.h -- the shop's deck services on a record: the quick deck, selling duplicates, the tutorial's spread.
#pragma once

#include <cstdint>

#include "data/player_record.h"

// The score of one power icon strength (0..5) for the quick deck: no icon 0,
// then -2, -1, +1, +3, +4 from the weakest to the strongest.
int QuickDeckIconScore(int strength);

// Empties the deck and fills it with the best-scoring distinct owned cards:
// each owned id (1..CardCount, in order) scores its icons plus one Random(3)
// and is kept among the 16 best, a later card going below an earlier one of
// the same score. The kept cards enter the deck lowest score first. True when
// the deck ends with 16 cards.
bool QuickDeck(PlayerRecord& record);

// What a sale of duplicates brought.
struct DuplicateSale {
  int cards = 0;
  std::int32_t credits = 0;
};

// Sells every copy beyond the first of each card (ids 1..CardCount) for the
// card's price, adding it to the record's credits. One copy always stays, so
// the deck and the trade box keep every card they held.
DuplicateSale SellDuplicates(PlayerRecord& record);

// The tutorial's gift: from id 0 the id advances by Random(3) + 2 until it
// reaches the card count, and one copy of each id reached within the card
// count is added.
void AddTutorialSpread(PlayerRecord& record);

// Puts the card into deck slot `slot` (0..15) when that slot is empty, the
// card is owned and not in the deck yet; false, changing nothing, otherwise.
bool PutInDeckSlot(PlayerRecord& record, int slot, int id);
// Exchanges two deck slots (either may be empty).
void SwapDeckSlots(Deck& deck, int a, int b);
// The filled deck slots from the first up to the first empty one.
int LeadingDeckCards(const Deck& deck);
