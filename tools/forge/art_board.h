// art_board.h -- the duel table's pictures: board frame, pressed zoom button, block, card back, power icons.
#pragma once

#include "tools/forge/art_canvas.h"

// Places on the duel screen the frame is drawn around (pixels).
namespace board {
constexpr int CellWidth = 32, CellHeight = 50;
constexpr int Columns = 6, Rows = 4;
inline int CellX(int column) { return 40 * column + 4; }
inline int CellY(int row) { return 58 * row + 4; }
inline int HandX(int slot) { return 62 + 35 * slot; }
constexpr int HandY = 264, HandSlots = 5;
constexpr int PileX = 11, PileY = 257, PileWidth = 36, PileHeight = 54;
constexpr int ZoomX = 2, ZoomY = 231, ZoomWidth = 32, ZoomHeight = 16;
constexpr int StatusX = 35, StatusY = 235, StatusWidth = 198, StatusHeight = 13;
}  // namespace board

// The full-screen frame; pressed = the zoom button's pressed look.
RgbPicture DrawBoardFrame(bool zoomPressed);
RgbPicture DrawBlockCard();
RgbPicture DrawCardBack();
constexpr int PowerIconSize = 7;
RgbPicture DrawPowerIcon(int strength);  // 1 (yellow, weakest) .. 5 (blue, strongest)

bool ForgeBoardPictures(ForgeOutput& out);
