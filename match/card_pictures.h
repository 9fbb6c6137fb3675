// card_pictures.h -- card pictures: loading and freeing them, the shared card art, and drawing a card with its icons.
#pragma once

#include "data/card.h"

// Loads "GFX\CARDS\SET 1\CARDS SMALL\<name>.QXG" (big = false) or
// "GFX\CARDS\SET 1\CARDS BIG\BIG_<name>.QXG" (big = true) into the card.
// False when the picture could not be loaded (the image is then empty).
bool LoadCardImages(Card& card, bool big);
void FreeCardImages(Card& card, bool big);

// At start-up: the five power icons, the card back and the blocked cell.
void LoadCardArt();
const Image& CardBackPicture();
const Image& BlockPicture();
const Image& PowerIconPicture(int strength);  // 1..5

// Draws the card's picture at (x, y), its name plate tinted for its side
// (no tint for tint 2) and its power icons.
void DrawCard(const Card& card, int x, int y, bool big, int buffer, int tint);

// Where DrawCard puts the name plate and the icons.
struct CardLayout {
  int plateX, plateY, plateW, plateH;
  int iconX[8], iconY[8];
};
const CardLayout& CardLayoutFor(bool big);
