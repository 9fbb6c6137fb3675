// art_club.h -- the club's corridor, its rooms' titles, arrows and quick menu, and the character screen.
#pragma once

#include <string>
#include <vector>

#include "tools/forge/art_canvas.h"

namespace corridor {
constexpr int Pictures = 50;
constexpr int Width = 240, Height = 180;  // drawn from screen row 60
constexpr int ScreenTop = 60;
constexpr int StepPixels = 48;                     // the view moves this far per corridor position
constexpr int PanelWidth = 240, PanelHeight = 80;  // the description panel at (0, 240)
constexpr int LeftArrowX = 0, RightArrowX = 217, ArrowY = 129;
constexpr int ArrowWidth = 23, ArrowHeight = 38;
// The quick menu: nine 12-row items from row 2, the tab in rows 110..H-1 (tapped at y <= 20).
constexpr int MenuWidth = 96, MenuHeight = 131;
constexpr int MenuItems = 9, MenuItemTop = 2, MenuItemRows = 12, MenuTabTop = 110;
// A room's title stays left of the quick-menu tab and above the credits row (50).
constexpr int TitleWidth = 240 - MenuWidth, TitleHeight = 50;
}  // namespace corridor

struct RoomLook {
  int position;              // 1..50
  std::string title;         // the title picture's file name in GFX\MENU\TITLES
  std::string line1, line2;  // its lettering
};
const std::vector<RoomLook>& RoomLooks();  // rooms 0..9 in corridor order

RgbPicture DrawCorridorPicture(int position);    // 1..50
std::vector<RgbPicture> DrawCorridorPictures();  // all fifty, from one panorama
RgbPicture DrawDescriptionPanel();
RgbPicture DrawRoomTitle(const RoomLook& room);
RgbPicture DrawArrow(bool right, bool pressed);
RgbPicture DrawQuickMenu(bool lit);
extern const char* const QuickMenuItems[corridor::MenuItems];

namespace character {
constexpr int KeyColumns = 13, KeyRows = 3;
constexpr int KeyX = 13, KeyY = 257, KeyPitchX = 17, KeyPitchY = 19, KeySize = 15;
constexpr int KeyAreaRight = 230, KeyAreaBottom = 310;  // 13 <= x < 230, 257 <= y < 310
constexpr int FieldX = 68, FieldWidth = 158, FieldHeight = 10;
constexpr int FieldY[4] = {45, 78, 111, 145};
constexpr int SlotX = 28, SlotY = 185, SlotPitch = 15, SlotWidth = 190, SlotHeight = 10;
struct Button {
  const char* file;
  int x, y, w, h;
};
constexpr Button Buttons[3] = {{"CreateCharacterOK.QXJ", 0, 234, 63, 23},
                               {"CreateCharacterQUICKGAME.QXJ", 63, 234, 134, 23},
                               {"CreateCharacterDELETE.QXJ", 197, 234, 43, 23}};
// The live rectangle of key (column, row): 15 x 15, the last column 13 wide, key (11, 2) its whole cell.
struct KeyRect {
  int x, y, w, h;
};
KeyRect KeyLiveArea(int column, int row);
const char* KeyLabel(int column, int row);
}  // namespace character

// The character screen: the background (with or without a button pressed: -1 none, 0..2).
RgbPicture DrawCharacterScreen(int pressedButton);
