// art_banners.h -- the duel's lettering banners of GFX\TEXT, keyed on black.
#pragma once

#include <string>
#include <vector>

#include "tools/forge/art_canvas.h"

struct BannerLayout {
  const char* path;    // as the game asks for it
  const char* text;    // the lettering
  int width, height;   // start and result banners: 240 wide, height a multiple of 4
  Colour top, bottom;  // the letters' fill, top to bottom
  Colour edge;         // the neon edge
};

const std::vector<BannerLayout>& BannerLayouts();
RgbPicture DrawBanner(const BannerLayout& banner);
RgbPicture DrawVersusBanner();  // "GFX\TEXT\Versus.QXG", 3x its size still fits the board
bool ForgeBanners(ForgeOutput& out);
