// roster.h -- the 45 computer opponents and their generated decks.
#pragma once

#include "data/deck.h"

// Generates a 16-card deck for an opponent of that class (0 Guest, 1 Member,
// 2 Elite) and tier (0..3), ordered by level, with no id twice.
void BuildOpponentDeck(Deck& deck, int opponentClass, int tier);
