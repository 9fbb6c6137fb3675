// text_banners.cpp -- loading, animating and freeing the text banners of a duel.
#include "gfx/text_banners.h"

#include <algorithm>
#include <string>

#include "core/image.h"
#include "gfx/animations.h"
#include "gfx/colour_rects.h"
#include "gfx/draw_image.h"
#include "gfx/font.h"
#include "gfx/picture_load.h"
#include "gfx/pixels.h"
#include "gfx/screen_buffers.h"
#include "platform/game_state.h"
#include "platform/waits.h"

namespace {

Image LoadBanner(std::wstring_view relativePath) {
  Image image;
  LoadImageFile(std::wstring(relativePath), image, true);
  return image;
}

// A name in its tint on its plate, cut from scratch buffer 2 with 15 columns to spare.
Image NamePicture(std::wstring_view name, int tint) {
  ClearBuffer(2);
  DrawNameOnPlate(name, 5, 2, tint, 2);
  return CropBuffer(0, 0, TextWidth(GameFont, name) + 15, LineHeight(GameFont), 2);
}

}  // namespace

std::uint16_t NamePlateColour() {
  // Deep indigo: red and blue differ, so it never packs to the key, which is grey.
  return PackRgb(12, 6, 20);
}

void DrawNameOnPlate(std::wstring_view name, int x, int y, int tint, int buffer) {
  const int left = std::max(0, x - 2), top = std::max(0, y);
  const int right = std::min<int>(ScreenWidth(), x + TextWidth(GameFont, name) + 2);
  const int bottom = std::min<int>(ScreenHeight(), y + LineHeight(GameFont));
  if (right > left && bottom > top) FillRect(left, top, right - left, bottom - top, NamePlateColour(), buffer);
  DrawTextTinted(name, x, y, GameFont, tint, buffer);
}

void ShowWipeBanner(std::wstring_view relativePath, int waitMs) {
  Image image = LoadBanner(relativePath);
  Wipe(image, (320 - image.Height()) / 2);
  WaitOrTap(waitMs);
  Zoom((240 - image.Width()) / 2, (320 - image.Height()) / 2, 1, 0, 15, image);
  FlushInput();
}

void ShowZoomBanner(std::wstring_view relativePath) {
  Image image = LoadBanner(relativePath);
  const int x = (240 - image.Width()) / 2, y = (235 - image.Height()) / 2;
  CopyBuffer(0, 2);
  Zoom(x, y, 0, 1, 15, image);
  CopyBuffer(2, 0);
  WaitOrTap(348);
  Zoom(x, y, 1, 0, 15, image);
  FlushInput();
}

void ShowStartBanner() { ShowWipeBanner(L"GFX\\TEXT\\start.QXG", 500); }
void ShowWonBanner() { ShowWipeBanner(L"GFX\\TEXT\\youwin.QXG", 1488); }
void ShowLostBanner() { ShowWipeBanner(L"GFX\\TEXT\\youloose.QXG", 1488); }
void ShowPerfectBanner() { ShowWipeBanner(L"GFX\\TEXT\\Perfect.QXG", 1488); }
void ShowDrawBanner() { ShowWipeBanner(L"GFX\\TEXT\\draw.QXG", 1488); }
void ShowMultiHitBanner() { ShowZoomBanner(L"GFX\\TEXT\\multihit.QXG"); }
void ShowCardTakenBanner() { ShowZoomBanner(L"GFX\\TEXT\\cardtaken.QXG"); }

void ShowVersusBanner(std::wstring_view firstName, std::wstring_view secondName) {
  Image versus = LoadBanner(L"GFX\\TEXT\\Versus.QXG");
  const int w = versus.Width(), h = versus.Height();
  const int x = 120 - w / 2, y = (235 - h) / 2;
  const int lineHeight = LineHeight(GameFont);

  Image first = NamePicture(firstName, 6);
  Slide(x + w, y, 10, first);

  Image second = NamePicture(secondName, 7);
  int secondX = x - second.Width();
  if (secondX < 3) secondX = 2;
  Slide(secondX, y + h - lineHeight, -10, second);

  Zoom(x, y, 3, 1, 15, versus);
  FlushInput();
}
