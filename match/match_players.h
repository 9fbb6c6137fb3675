// match_players.h -- the duellists' records as the match sees them, and the career operations it calls.
#pragma once

#include "data/duel_stats.h"
#include "data/game_state.h"
#include "data/player_record.h"
#include "data/roster.h"
#include "data/save_file.h"

// How many copies of the card the record owns (0 for an id outside the collection).
int CopiesOwned(const PlayerRecord& record, int id);
// Puts an owned card that is not in the deck yet into the first empty deck
// slot; false when the deck is full or no owned card is left to add.
bool AddCardAutomatically(PlayerRecord& record);
