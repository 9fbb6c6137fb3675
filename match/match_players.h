// match_players.h -- the duellists' records as the match sees them, and the career operations it calls.
#pragma once

#include <string>

#include "data/deck.h"
#include "data/duel_stats.h"
#include "data/game_state.h"
#include "data/player_record.h"

// The roster opponent (index 0..14, class 0..2); out-of-range numbers give opponent (0, 0).
PlayerRecord& RosterOpponent(int index, int opponentClass);
// The roster opponent named `name`, or null.
PlayerRecord* FindRosterOpponent(const std::wstring& name);
// A computer side's deck for its class and tier (level code div 10, mod 10).
void DealComputerDeck(PlayerRecord& record);
// The final opponent's deck with its three super cards.
void DealFinalDeck(PlayerRecord& record);
// Writes the current character's save file (nothing for a quick game).
void SaveDuelCharacter();

// How many copies of the card the record owns (0 for an id outside the collection).
int CopiesOwned(const PlayerRecord& record, int id);
// Puts an owned card that is not in the deck yet into the first empty deck
// slot; false when the deck is full or no owned card is left to add.
bool AddCardAutomatically(PlayerRecord& record);
