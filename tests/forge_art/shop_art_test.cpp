// shop_art_test.cpp -- the shop's and the card manager's pictures: button looks cut from the shop picture agree with
// both screens, pressed looks fit their places, the booster opening covers its first picture, the in-deck border.
#include <gtest/gtest.h>

#include "tests/forge_art/art_test_support.h"
#include "tools/forge/art_shop.h"
#include "tools/forge/forge.h"

namespace {

constexpr char ShopFolder[] = "GFX\\MENU\\UI SHOP\\";
const std::string Folder = ShopFolder;

class ShopArt : public ForgedPictures<ForgeShopArt, ShopFolder> {};

int Brightness(const std::uint8_t* p) { return p[0] + p[1] + p[2]; }

// Pixels that differ between two pictures inside a rectangle.
int DifferingInside(const RgbPicture& a, const RgbPicture& b, int x0, int y0, int w, int h) {
  int n = 0;
  for (int y = y0; y < y0 + h; ++y)
    for (int x = x0; x < x0 + w; ++x) n += !std::equal(PixelAt(a, x, y), PixelAt(a, x, y) + 3, PixelAt(b, x, y));
  return n;
}

long MeanBrightness(const RgbPicture& p, int x0, int y0, int w, int h) {
  long s = 0;
  for (int y = y0; y < y0 + h; ++y)
    for (int x = x0; x < x0 + w; ++x) s += Brightness(PixelAt(p, x, y));
  return s / (w * h);
}

}  // namespace

TEST_F(ShopArt, ButtonLooksCutFromTheShopPictureMatchBothScreens) {
  ASSERT_TRUE(forged);
  const RgbPicture empty = Picture("ShopEmpty.QXG"), pix = Picture("ShopPIX.QXG");
  const RgbPicture collection = Picture("CollectionEmpty.QXG");
  for (const char* name : {"ShopEmpty.QXG", "ShopPIX.QXG", "CollectionEmpty.QXG"}) {
    const RgbPicture p = Picture(name);
    ASSERT_EQ(p.width, 240) << name;
    ASSERT_EQ(p.height, 320) << name;
    EXPECT_TRUE(IsPng(name)) << name;
    EXPECT_EQ(OpaqueRuleFault(p), "") << name;
  }
  for (const ButtonPlace& b : shop::Buttons)
    EXPECT_EQ(DifferingInside(empty, pix, b.x, b.y, b.w, b.h), 0) << b.file << ": the shop's redraw differs";
  for (const ButtonPlace& b : manager::Buttons)
    EXPECT_EQ(DifferingInside(collection, pix, b.x, b.y, b.w, b.h), 0) << b.file << ": the manager differs";
}

TEST_F(ShopArt, PressedLooksFitTheirPlacesAndShow) {
  ASSERT_TRUE(forged);
  const RgbPicture pix = Picture("ShopPIX.QXG");
  auto check = [&](const ButtonPlace& b) {
    const RgbPicture pressed = Picture(b.file);
    EXPECT_EQ(files[Folder + b.file][0], 0xFF) << b.file << " is a JPEG";
    ASSERT_EQ(pressed.width, b.w) << b.file;
    ASSERT_EQ(pressed.height, b.h) << b.file;
    EXPECT_LE(b.x + b.w, 240) << b.file;
    EXPECT_LE(b.y + b.h, 320) << b.file;
    long difference = 0;
    for (int y = 0; y < b.h; ++y)
      for (int x = 0; x < b.w; ++x)
        difference += std::abs(Brightness(PixelAt(pressed, x, y)) - Brightness(PixelAt(pix, b.x + x, b.y + y)));
    EXPECT_GT(difference / (b.w * b.h), 40) << b.file << ": the press must show";
  };
  for (const ButtonPlace& b : shop::Buttons) check(b);
  for (const ButtonPlace& b : manager::Buttons) check(b);
  // The buy buttons stack without overlapping; the manager's page arrows stay off the grid.
  for (int i = 1; i < 5; ++i) EXPECT_LT(shop::Buttons[i - 1].y + shop::Buttons[i - 1].h, shop::Buttons[i].y + 1);
  EXPECT_LE(manager::Buttons[0].x + manager::Buttons[0].w, manager::GridX(0) + 1);
  EXPECT_GE(manager::Buttons[2].x, manager::GridX(5) + 32);
}

TEST_F(ShopArt, TextPlacesAndCardWellsAreDark) {
  ASSERT_TRUE(forged);
  const RgbPicture empty = Picture("ShopEmpty.QXG"), collection = Picture("CollectionEmpty.QXG");
  EXPECT_LT(MeanBrightness(empty, 150, 4, 88, 10), 90) << "under the shop's credits line";
  EXPECT_LT(MeanBrightness(collection, 100, 235, 90, 10), 90) << "under the manager's credits line";
  for (int r = 0; r < 4; ++r)
    for (int c = 0; c < 6; ++c)
      EXPECT_LT(MeanBrightness(collection, manager::GridX(c) + 1, manager::GridY(r) + 1, 30, 48), 110) << r << c;
  for (int k = 0; k < manager::Slots; ++k)
    EXPECT_LT(MeanBrightness(collection, manager::StripX(k) + 1, manager::StripY + 1, 30, 48), 110) << k;
}

TEST_F(ShopArt, BoosterFramesFitAndCoverTheClosedPack) {
  ASSERT_TRUE(forged);
  const RgbPicture first = Picture("Booster0.QXG");
  ASSERT_GT(first.width, 0);
  EXPECT_LE(first.width, shop::BoosterWidth);
  EXPECT_LE(first.height, shop::BoosterHeight);
  std::vector<std::uint8_t> previous = first.rgb;
  for (int n = 0; n < shop::BoosterFrames; ++n) {
    const std::string name = "Booster" + std::to_string(n) + ".QXG";
    const RgbPicture p = Picture(name);
    EXPECT_TRUE(IsPng(name)) << name;
    EXPECT_EQ(KeyRuleFault(p), "") << name;
    ASSERT_LE(p.width, shop::BoosterWidth) << name;
    ASSERT_LE(p.height, shop::BoosterHeight) << name;
    if (n == 0) continue;
    EXPECT_NE(p.rgb, previous) << name << " does not move";
    previous = p.rgb;
    // The first picture stays under every later one: each later frame must hide it wholly.
    int showing = 0;
    for (int y = 0; y < first.height; ++y)
      for (int x = 0; x < first.width; ++x) {
        const bool under = !ExactBlack(PixelAt(first, x, y));
        const bool over = x < p.width && y < p.height && !ExactBlack(PixelAt(p, x, y));
        showing += under && !over;
      }
    EXPECT_EQ(showing, 0) << name << " lets the closed pack show through";
  }
}

TEST_F(ShopArt, InDeckBorderFramesTheCardAndLeavesItVisible) {
  ASSERT_TRUE(forged);
  const RgbPicture border = Picture("CollectionBorder.QXG");
  ASSERT_EQ(border.width, 36);
  ASSERT_EQ(border.height, 54);
  EXPECT_TRUE(IsPng("CollectionBorder.QXG"));
  EXPECT_EQ(KeyRuleFault(border), "");
  for (int y = 0; y < 54; ++y)
    for (int x = 0; x < 36; ++x) {
      const bool inside = x >= 2 && x < 34 && y >= 2 && y < 52;
      ASSERT_EQ(ExactBlack(PixelAt(border, x, y)), inside) << x << ", " << y;
    }
}
