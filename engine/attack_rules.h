// attack_rules.h -- what a fight leaves behind: the end of the turn or a multi-hit.
#pragma once

#include "engine/board.h"

// After the fight of the card at (ax, ay), owned by attackSide, against
// (tx, ty) that ResolveFight decided for `winner`: true when the turn goes
// on as a multi-hit, with the chaining card's cell in (cx, cy).
//  - a capture chains from the taken card when the two cards pointed at each
//    other and the taken card now has targets;
//  - a draw ends the turn;
//  - a lost first attack chains from the lost card for its new owner when it
//    has targets; a card lost inside a chain (inChain) starts nothing.
bool ChainAfterFight(const Board& board, int ax, int ay, int tx, int ty, Side attackSide, Side winner, bool inChain,
                     int& cx, int& cy);
