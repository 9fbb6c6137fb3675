// club_art_test.cpp -- the club's pictures, forged in memory: the corridor walk, overlays that must not collide,
// the quick menu's bands, and the character screen's keyboard grid and buttons.
#include <gtest/gtest.h>

#include "tests/forge_art/art_test_support.h"
#include "tools/forge/art_club.h"
#include "tools/forge/forge.h"

namespace {

class ClubArt : public ForgedPictures<ForgeClubArt> {};

std::string CorridorPath(int n) {
  const std::string digits = std::to_string(100 + n).substr(1);
  return "GFX\\MENU\\MENU\\MENU00" + digits + ".QXG";
}

int Brightness(const std::uint8_t* p) { return p[0] + p[1] + p[2]; }

bool Same(const RgbPicture& a, int ax, int ay, const RgbPicture& b, int bx, int by) {
  return std::equal(PixelAt(a, ax, ay), PixelAt(a, ax, ay) + 3, PixelAt(b, bx, by));
}

}  // namespace

TEST_F(ClubArt, CorridorIsOneContinuousWalkThatWrapsRound) {
  ASSERT_TRUE(forged);
  std::vector<RgbPicture> pictures;
  for (int n = 1; n <= corridor::Pictures; ++n) {
    pictures.push_back(Picture(CorridorPath(n)));
    const RgbPicture& p = pictures.back();
    ASSERT_EQ(p.width, corridor::Width) << n;
    ASSERT_EQ(p.height, corridor::Height) << n;
    ASSERT_TRUE(IsPng(CorridorPath(n)));
    ASSERT_EQ(OpaqueRuleFault(p), "") << n;
  }
  // Each step moves the view by the same distance along one wall: away from the shaded ends the next
  // picture is this one shifted, and picture 50 leads into picture 1.
  const int step = corridor::StepPixels;
  for (int n = 0; n < corridor::Pictures; ++n) {
    const RgbPicture& here = pictures[static_cast<std::size_t>(n)];
    const RgbPicture& next = pictures[static_cast<std::size_t>((n + 1) % corridor::Pictures)];
    int differing = 0;
    for (int y = 0; y < corridor::Height; ++y)
      for (int x = 40; x + step < 200; ++x) differing += !Same(here, x + step, y, next, x, y);
    EXPECT_EQ(differing, 0) << "between pictures " << n + 1 << " and " << (n + 1) % corridor::Pictures + 1;
  }
  // No two pictures are the same, so every step shows movement.
  for (int n = 1; n < corridor::Pictures; ++n) EXPECT_NE(pictures[n].rgb, pictures[n - 1].rgb) << n + 1;
}

TEST_F(ClubArt, OverlaysFitBesideEachOther) {
  ASSERT_TRUE(forged);
  const RgbPicture panel = Picture("GFX\\GENERAL\\BackgroundMenu.QXJ");
  EXPECT_EQ(panel.width, 240);
  EXPECT_EQ(panel.height, 80);
  EXPECT_EQ(files["GFX\\GENERAL\\BackgroundMenu.QXJ"][0], 0xFF) << "a JPEG";
  // The description is typed in light letters from (10, 10) of the panel: it stays dark there.
  long sum = 0;
  for (int y = 10; y < 70; ++y)
    for (int x = 10; x < 230; ++x) sum += Brightness(PixelAt(panel, x, y));
  EXPECT_LT(sum / (60 * 220), 120);

  const RgbPicture menu = Picture("GFX\\MENU\\QuickMenu.QXG");
  const RgbPicture lit = Picture("GFX\\MENU\\QuickMenuON.QXG");
  ASSERT_EQ(menu.width, lit.width);
  ASSERT_EQ(menu.height, lit.height);
  EXPECT_TRUE(IsPng("GFX\\MENU\\QuickMenu.QXG") && IsPng("GFX\\MENU\\QuickMenuON.QXG"));
  EXPECT_EQ(OpaqueRuleFault(menu), "");
  EXPECT_EQ(OpaqueRuleFault(lit), "");
  EXPECT_GE(menu.height - 110, 21) << "the tab must cover the rows tapped to open it (y <= 20)";
  EXPECT_LE(menu.height, 150);
  for (const RoomLook& room : RoomLooks()) {
    const std::string path = "GFX\\MENU\\TITLES\\" + room.title;
    const RgbPicture title = Picture(path);
    EXPECT_TRUE(IsPng(path)) << path;
    EXPECT_EQ(OpaqueRuleFault(title), "") << path;
    EXPECT_LE(title.width + menu.width, 240) << path << " would cover the quick-menu tab";
    EXPECT_LE(title.height, 50) << path << " would run under the credits counter";
    EXPECT_GT(title.height, 20) << path;
  }
  for (const char* side : {"LEFT", "RIGHT"}) {
    const std::string base = std::string("GFX\\MENU\\MENU\\") + side;
    const RgbPicture on = Picture(base + "ON.QXG"), off = Picture(base + "OFF.QXG");
    ASSERT_EQ(on.width, off.width) << side;
    ASSERT_EQ(on.height, off.height) << side;
    EXPECT_LE(on.width, 23) << side;
    EXPECT_LE(129 + on.height, 240) << side << " must stay over the corridor";
    EXPECT_TRUE(IsPng(base + "ON.QXG") && IsPng(base + "OFF.QXG"));
    for (const RgbPicture* p : {&on, &off}) {
      EXPECT_EQ(KeyRuleFault(*p), "") << side;
      EXPECT_TRUE(ExactBlack(PixelAt(*p, 0, 0))) << side << ": the corners are transparent";
      EXPECT_TRUE(ExactBlack(PixelAt(*p, p->width - 1, p->height - 1))) << side;
    }
    EXPECT_NE(on.rgb, off.rgb) << side << ": the pressed look must show";
  }
}

TEST_F(ClubArt, QuickMenuItemsAreInkedInTheirOwnBands) {
  ASSERT_TRUE(forged);
  for (const char* path : {"GFX\\MENU\\QuickMenu.QXG", "GFX\\MENU\\QuickMenuON.QXG"}) {
    const RgbPicture p = Picture(path);
    for (int item = 0; item < corridor::MenuItems; ++item) {
      const int top = 2 + 12 * item;
      // Light lettering on a dark band: a clear spread between the darkest and lightest pixel.
      int low = 765, high = 0, light = 0;
      for (int y = top; y < top + 12; ++y)
        for (int x = 0; x < p.width; ++x) {
          const int b = Brightness(PixelAt(p, x, y));
          low = std::min(low, b);
          high = std::max(high, b);
          light += b > 500;
        }
      EXPECT_GT(high - low, 350) << path << " item " << item;
      EXPECT_GT(light, 20) << path << " item " << item << " has no readable text";
    }
  }
  // The lit look differs from the normal one in every band, so the highlight shows.
  const RgbPicture menu = Picture("GFX\\MENU\\QuickMenu.QXG"), lit = Picture("GFX\\MENU\\QuickMenuON.QXG");
  for (int item = 0; item < corridor::MenuItems; ++item) {
    int differing = 0;
    for (int y = 2 + 12 * item; y < 14 + 12 * item; ++y)
      for (int x = 0; x < menu.width; ++x) differing += !Same(menu, x, y, lit, x, y);
    EXPECT_GT(differing, menu.width * 4) << "item " << item;
  }
}

TEST_F(ClubArt, EveryKeyLetterSitsInsideItsLiveArea) {
  ASSERT_TRUE(forged);
  const RgbPicture screen = Picture("GFX\\MENU\\UI CHARACTER\\CreateCharacterEmpty.QXG");
  ASSERT_EQ(screen.width, 240);
  ASSERT_EQ(screen.height, 320);
  EXPECT_EQ(OpaqueRuleFault(screen), "");
  EXPECT_EQ(Picture("GFX\\MENU\\UI CHARACTER\\CreateCharacterPIX.QXG").rgb.size(), screen.rgb.size());
  // Which key the game finds under each pixel of the keyboard, as the tap handler computes it.
  auto keyAt = [](int x, int y) {
    const int b = (x - 13) / 17, c = (y - 257) / 19;
    if (b == 11 && c == 2) return b + 13 * c;
    return (x < 17 * b + 28 && y < 19 * c + 272) ? b + 13 * c : -1;
  };
  std::vector<int> inked(39, 0);
  for (int y = 257; y < 310; ++y)
    for (int x = 13; x < 230; ++x) {
      const int key = keyAt(x, y);
      const int b = Brightness(PixelAt(screen, x, y));
      if (key < 0) {
        ASSERT_LT(b, 300) << "key ink in a dead gap at (" << x << ", " << y << ")";
      } else if (b > 650) {
        ++inked[static_cast<std::size_t>(key)];
      }
    }
  for (int key = 0; key < 37; ++key) EXPECT_GT(inked[static_cast<std::size_t>(key)], 4) << "key " << key;
  EXPECT_GT(inked[37] + inked[38], 4) << "the delete keys";
  for (int c = 0; c < 13; ++c)
    for (int r = 0; r < 3; ++r) {
      const character::KeyRect k = character::KeyLiveArea(c, r);
      for (int y = k.y; y < k.y + k.h; ++y)
        for (int x = k.x; x < k.x + k.w; ++x) ASSERT_EQ(keyAt(x, y), c + 13 * r) << c << ", " << r;
    }
}

TEST_F(ClubArt, CharacterFieldsAreDarkAndButtonsFitTheirPlaces) {
  ASSERT_TRUE(forged);
  const RgbPicture screen = Picture("GFX\\MENU\\UI CHARACTER\\CreateCharacterEmpty.QXG");
  auto meanOver = [&](int x0, int y0, int w, int h) {
    long s = 0;
    for (int y = y0; y < y0 + h; ++y)
      for (int x = x0; x < x0 + w; ++x) s += Brightness(PixelAt(screen, x, y));
    return s / (w * h);
  };
  // The game's light text and brightened bars go on these places.
  for (int y : character::FieldY) EXPECT_LT(meanOver(68, y, 158, 10), 90) << "field at row " << y;
  for (int k = 0; k < 3; ++k) EXPECT_LT(meanOver(28, 185 + 15 * k, 190, 10), 90) << "slot " << k;
  // Labels left of the fields.
  for (int y : character::FieldY) EXPECT_GT(meanOver(8, y, 56, 10), meanOver(68, y, 158, 10) + 20) << y;
  const int limits[3] = {63, 197, 240};
  for (int b = 0; b < 3; ++b) {
    const character::Button& button = character::Buttons[b];
    const std::string path = std::string("GFX\\MENU\\UI CHARACTER\\") + button.file;
    const RgbPicture pressed = Picture(path);
    EXPECT_EQ(files[path][0], 0xFF) << path << " is a JPEG";
    EXPECT_EQ(pressed.width, button.w) << path;
    EXPECT_EQ(pressed.height, button.h) << path;
    EXPECT_LE(button.x + pressed.width, limits[b]) << path;
    EXPECT_LE(button.y + pressed.height, 257) << path << " runs into the keyboard";
    long difference = 0;
    for (int y = 0; y < pressed.height; ++y)
      for (int x = 0; x < pressed.width; ++x)
        difference +=
            std::abs(Brightness(PixelAt(pressed, x, y)) - Brightness(PixelAt(screen, button.x + x, button.y + y)));
    EXPECT_GT(difference / (pressed.width * pressed.height), 40) << path << ": the press must show";
  }
}

TEST(ClubArtDeterminism, ForgingTwiceGivesTheSameBytes) {
  CapturedFiles().clear();
  ForgeOutput first("memory");
  ASSERT_TRUE(ForgeClubArt(first));
  const auto once = CapturedFiles();
  CapturedFiles().clear();
  ForgeOutput second("memory");
  ASSERT_TRUE(ForgeClubArt(second));
  ASSERT_EQ(once.size(), CapturedFiles().size());
  for (const auto& [path, bytes] : once) EXPECT_TRUE(CapturedFiles().at(path) == bytes) << path;
}
