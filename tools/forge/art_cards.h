// art_cards.h -- the cards' small and big pictures: family motif, level frame, name plate.
#pragma once

#include <string>
#include <vector>

#include "tools/forge/art_canvas.h"
#include "tools/forge/art_motifs.h"

// What a card's picture is drawn from.
struct CardArt {
  std::string name;  // as the game shows it (upper case)
  int level = 1;     // 1..4
  int family = 0;    // 0..count/4 - 1
  std::string familyTitle;
};

// A family's look: its motif, colours and background pattern.
struct FamilyLook {
  Motif motif;
  MotifPaint paint;  // px is set per picture size
  Colour backTop, backBottom;
  int pattern;  // 0..5
};

FamilyLook LookOfFamily(int family, const std::string& title);

constexpr int SmallCardWidth = 32, SmallCardHeight = 50;
constexpr int BigCardWidth = 96, BigCardHeight = 150;

// The name plate each size keeps light and neutral, since the game brightens it
// red or blue for the card's owner: x, y, width, height.
struct PlateRect {
  int x, y, w, h;
};
constexpr PlateRect SmallPlate{1, 35, 30, 13};
constexpr PlateRect BigPlate{6, 105, 84, 37};

RgbPicture DrawCardPicture(const CardArt& card, bool big);

// The picture files of a card, as the game asks for them.
std::string SmallCardPath(const std::string& name);
std::string BigCardPath(const std::string& name);

// A card name that can stand as a file name inside the cards' folders: not
// empty, no folder separators, no control characters.
bool UsableAsPictureName(const std::string& name);

// All cards of the compiled-in tables, with their family's title.
bool CardArtList(std::vector<CardArt>& cards, std::string& error);

// Writes both pictures of every card.
bool ForgeCardPictures(ForgeOutput& out);
