// board_file.h -- the saved form of a duel board inside the quick-save file.
#pragma once

#include "data/save_bytes.h"
#include "engine/board.h"

constexpr int SavedBoardSize = BoardCells * 5;

// The 24 cells in storage order (x outer, y inner), 5 bytes each: free,
// owner, firstOwner (u8 each) and the card id (i16).
void WriteBoard(const Board& board, ByteWriter& out);
// Reads that form; each card is rebuilt from the card database by id, without
// pictures. False, leaving the board as it was, for a short or damaged form
// (a flag other than 0/1, a side other than 0..2).
bool ReadBoard(Board& board, ByteReader& in);
