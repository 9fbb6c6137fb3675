// text_banners.cpp -- loading, animating and freeing the text banners of a duel.
#include "gfx/text_banners.h"

#include <string>

#include "gfx/animations.h"
#include "gfx/draw_image.h"
#include "gfx/font.h"
#include "core/image.h"
#include "gfx/picture_load.h"
#include "gfx/screen_buffers.h"
#include "platform/game_state.h"
#include "platform/waits.h"

namespace {

Image LoadBanner(std::wstring_view relativePath) {
  Image image;
  LoadImageFile(InstallDir + std::wstring(relativePath), image, true);
  return image;
}

// A name in its tint, cut from scratch buffer 2 with 15 columns to spare.
Image NamePicture(std::wstring_view name, int tint) {
  ClearBuffer(2);
  DrawTextTinted(name, 5, 2, GameFont, tint, 2);
  return CropBuffer(0, 0, TextWidth(GameFont, name) + 15, LineHeight(GameFont), 2);
}

}  // namespace

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
