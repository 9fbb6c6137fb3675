// duel_cursor.h -- playing the duel by keys: a cursor over the hand, the pile and the board's cells.
#pragma once

#include "match/duel_cursor_grid.h"

// A key of the duel (a GameKey) pressed: moves the cursor or makes the move
// under it, through the same calls as the stylus. True when the duel used the
// key (its flag is then cleared); Start and KeyC are never the duel's.
bool MatchKeyDown(int key);

// The cursor's frame leaves the screen buffer before anything draws the duel
// (the top of every frame and every stylus or key event of the duel), and is
// drawn again at the end of the frame while the player has something to choose.
void HideDuelCursor();
void ShowDuelCursor();
// The stylus was used: the frame stays away until the next key.
void DuelCursorStylusUsed();

// What the cursor does now, for the tests.
enum class CursorMode { None, Pick, Place, Target };
CursorMode DuelCursorMode();
CursorSpot DuelCursorSpot();
bool DuelCursorShown();
// The spots the player may choose in the duel's present state.
CursorGrid DuelCursorGrid(CursorMode mode);
// Forgets every key used (a new test, a new game).
void ResetDuelCursor();
