// art_shop.h -- the card shop and the card manager: their screens, buttons, booster opening and in-deck border.
#pragma once

#include "tools/forge/art_canvas.h"

struct ButtonPlace {
  const char* file;  // the pressed picture, in GFX\MENU\UI SHOP
  int x, y, w, h;    // its place; the normal look is cut from ShopPIX there
  const char* label;
};

namespace shop {
constexpr int ButtonCount = 10;
constexpr ButtonPlace Buttons[ButtonCount] = {
    {"Shop1Booster.QXJ", 61, 74, 118, 14, "1 BOOSTER"},         {"Shop2Booster.QXJ", 61, 89, 118, 14, "2 BOOSTERS"},
    {"Shop3Booster.QXJ", 61, 104, 118, 14, "3 BOOSTERS"},       {"Shop5Booster.QXJ", 61, 120, 118, 14, "5 BOOSTERS"},
    {"Shop10Booster.QXJ", 62, 135, 117, 14, "10 BOOSTERS"},     {"ShopBack.QXJ", 204, 300, 36, 20, "BACK"},
    {"ShopEnterManager.QXJ", 31, 189, 178, 20, "CARD MANAGER"}, {"ShopClearDeck.QXJ", 31, 211, 178, 20, "CLEAR DECK"},
    {"ShopSellCards.QXJ", 31, 234, 178, 20, "SELL DOUBLES"},    {"ShopQuickDeck.QXJ", 29, 256, 180, 20, "QUICK DECK"},
};
constexpr int Prices[5] = {200, 400, 600, 900, 1700};
constexpr int BoosterX = 0, BoosterY = 90, BoosterWidth = 120, BoosterHeight = 113;
constexpr int BoosterFrames = 11;  // Booster0 .. Booster10
}  // namespace shop

namespace manager {
constexpr int ButtonCount = 8;
constexpr ButtonPlace Buttons[ButtonCount] = {
    {"CollectionFlecheGaucheON.QXJ", 0, 99, 17, 50, "<"},   {"CollectionZoom.QXJ", 0, 232, 30, 14, "ZOOM"},
    {"CollectionFlecheDroiteON.QXJ", 221, 99, 19, 50, ">"}, {"CollectionSell.QXJ", 0, 300, 56, 20, "SELL"},
    {"CollectionBack.QXJ", 202, 304, 38, 16, "BACK"},       {"CollectionAdd.QXJ", 150, 0, 62, 22, "ADD / DEL"},
    {"CollectionLeft.QXJ", 60, 304, 40, 16, "<<"},          {"CollectionRight.QXJ", 159, 304, 40, 16, ">>"},
};
inline int GridX(int column) { return 34 * column + 18; }
inline int GridY(int row) { return 52 * row + 25; }
inline int StripX(int slot) { return 33 * slot + 4; }
constexpr int StripY = 247, Slots = 7;
constexpr int BorderWidth = 36, BorderHeight = 54;
}  // namespace manager

// The shop: withManager adds the card manager's buttons (the shop picture the buttons are cut from);
// pressed = the index of a shop button drawn pressed, or -1.
RgbPicture DrawShopScreen(bool withManager, int pressed);
// The card manager's background; pressed = the index of a manager button drawn pressed, or -1.
RgbPicture DrawCollectionScreen(int pressed);
RgbPicture DrawBoosterFrame(int frame);  // 0 = the closed booster on its stand, 1..10 = tearing open
RgbPicture DrawCollectionBorder();
