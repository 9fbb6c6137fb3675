// roster.h -- the 45 computer opponents and their generated decks.
#pragma once

#include <string>

#include "data/deck.h"

// Generates a 16-card deck for an opponent of that class (0 Guest, 1 Member,
// 2 Elite) and tier (0..3), ordered by level, with no id twice. False (and
// an empty deck) for a class or tier out of range, or a card set too small
// to give the deck distinct cards (or holding a damaged record): the draw
// would otherwise never end.
bool BuildOpponentDeck(Deck& deck, int opponentClass, int tier);

// Why a deck of that class and tier cannot be built from the open card set
// (one line), or empty when it can.
std::string OpponentDeckProblem(int opponentClass, int tier);
