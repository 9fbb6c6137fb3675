// card_pictures.cpp -- card pictures, their cache, and DrawCard.
#include "match/card_pictures.h"

#include <string>

#include "gfx/colour_rects.h"
#include "gfx/draw_image.h"
#include "gfx/picture_load.h"
#include "platform/game_state.h"

namespace {

// Picture 0 is the card back, 1..5 the power icons.
Image cardArt[6];
Image blockPicture;

constexpr CardLayout Layouts[2] = {
    {1, 35, 30, 13, {12, 23, 23, 23, 12, 2, 2, 2}, {2, 2, 19, 41, 41, 41, 19, 2}},
    {6, 105, 84, 37, {44, 80, 80, 80, 44, 10, 10, 10}, {10, 10, 54, 92, 92, 92, 54, 10}},
};

// Name-plate brightening per side: red, blue.
constexpr int PlateTint[2][3] = {{120, 60, 60}, {60, 60, 120}};

void Reload(Image& image, const std::wstring& relative) { LoadImageFile(relative, image, true); }

}  // namespace

Image LoadCardPicture(const Card& card, bool big) {
  const std::wstring name = card.name.Wide();
  const std::wstring path = big ? L"GFX\\CARDS\\SET 1\\CARDS BIG\\BIG_" + name + L".QXG"
                                : L"GFX\\CARDS\\SET 1\\CARDS SMALL\\" + name + L".QXG";
  Image image;
  LoadImageFile(path, image, true);
  return image;
}

ImageView CardPictureCache::Get(const Card& card, bool big) {
  if (card.name.length == 0) return {};
  auto found = entries_.find(card.name.View());
  if (found == entries_.end()) found = entries_.emplace(std::string(card.name.View()), Entry{}).first;
  Entry& e = found->second;
  bool& tried = big ? e.bigTried : e.smallTried;
  Image& image = big ? e.big : e.small;
  if (!tried) {
    tried = true;
    image = LoadCardPicture(card, big);
    if (image.Empty()) ++failures_;
  }
  return image;
}

void CardPictureCache::Clear() { entries_.clear(); }

void LoadCardArt() {
  for (int v = 1; v <= 5; ++v)
    Reload(cardArt[v], L"GFX\\CARDS\\SET 1\\CARDS SMALL\\PowerIcon" + std::to_wstring(v) + L".QXG");
  Reload(cardArt[0], L"GFX\\CARDS\\SET 1\\CARDS SMALL\\BackCard.QXG");
  Reload(blockPicture, L"GFX\\GENERAL\\BlockCard.QXG");
}

ImageView CardBackPicture() { return cardArt[0]; }
ImageView BlockPicture() { return blockPicture; }
ImageView PowerIconPicture(int strength) { return cardArt[strength >= 1 && strength <= 5 ? strength : 0]; }

const CardLayout& CardLayoutFor(bool big) { return Layouts[big ? 1 : 0]; }

void DrawCard(const Card& card, ImageView picture, int x, int y, bool big, int buffer, int tint) {
  const CardLayout& l = Layouts[big ? 1 : 0];
  DrawImage(x, y, picture, buffer);
  if (tint == 0 || tint == 1)
    AdjustRect(x + l.plateX, y + l.plateY, l.plateW, l.plateH, PlateTint[tint][0], PlateTint[tint][1],
               PlateTint[tint][2], buffer);
  for (int d = 0; d < 8; ++d) {
    int v = card.Icon(d);
    if (v >= 1 && v <= 5) DrawImage(x + l.iconX[d], y + l.iconY[d], cardArt[v], buffer);
  }
}
