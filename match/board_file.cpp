// board_file.cpp -- writes and reads the 24 x 5 bytes of a saved board.
#include "match/board_file.h"

#include "data/card_database.h"

void WriteBoard(const Board& board, ByteWriter& out) {
  for (const Cell& cell : board.cells) {
    out.U8(cell.free);
    out.U8(cell.owner);
    out.U8(cell.firstOwner);
    out.I16(cell.card.id);
  }
}

bool ReadBoard(Board& board, ByteReader& in) {
  Board read = board;
  for (Cell& cell : read.cells) {
    cell.free = in.U8();
    cell.owner = in.U8();
    cell.firstOwner = in.U8();
    std::int16_t id = in.I16();
    if (!in.Ok() || cell.free > 1 || cell.owner > NoSide || cell.firstOwner > NoSide) {
      in.Fail();
      return false;
    }
    cell.card = LoadCard(id);
  }
  board = read;
  return true;
}
