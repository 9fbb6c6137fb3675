// card_pictures.h -- card pictures: loading them, a cache of them by name, the shared card art, and drawing a card with
// its icons.
#pragma once

#include <map>
#include <string>

#include "core/card.h"
#include "core/image.h"

// Loads "GFX\CARDS\SET 1\CARDS SMALL\<name>.QXG" (big = false) or
// "GFX\CARDS\SET 1\CARDS BIG\BIG_<name>.QXG" (big = true). A picture that
// could not be loaded comes back empty (after the box naming it).
Image LoadCardPicture(const Card& card, bool big);

// The pictures of the cards a screen shows, loaded the first time each is
// asked for and kept (a failed picture is not asked for again) until Clear
// or until the cache's owner ends.
class CardPictureCache {
 public:
  // Empty for a card without a name (a card rebuilt from an unknown id).
  ImageView Get(const Card& card, bool big);
  void Clear();
  int Failures() const { return failures_; }  // pictures that could not be loaded since the start

 private:
  struct Entry {
    Image small, big;
    bool smallTried = false, bigTried = false;
  };
  std::map<std::string, Entry, std::less<>> entries_;
  int failures_ = 0;
};

// At start-up: the five power icons, the card back and the blocked cell.
void LoadCardArt();
ImageView CardBackPicture();
ImageView BlockPicture();
ImageView PowerIconPicture(int strength);  // 1..5

// Draws `picture` (the card's small or big picture) at (x, y), the name
// plate tinted for its side (no tint for tint 2) and the card's power icons.
void DrawCard(const Card& card, ImageView picture, int x, int y, bool big, int buffer, int tint);

// Where DrawCard puts the name plate and the icons.
struct CardLayout {
  int plateX, plateY, plateW, plateH;
  int iconX[8], iconY[8];
};
const CardLayout& CardLayoutFor(bool big);
