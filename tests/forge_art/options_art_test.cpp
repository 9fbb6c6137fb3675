// options_art_test.cpp -- the options room's pictures: sizes that fit their places, lit halves and pressed buttons
// that show against the background the game cuts their other looks from, a knob that its track piece covers.
#include <gtest/gtest.h>

#include "tests/forge_art/art_test_support.h"
#include "tools/forge/art_options.h"
#include "tools/forge/forge.h"

namespace {

using namespace options;

constexpr char OptionsFolder[] = "GFX\\MENU\\UI OPTIONS\\";
const std::string Folder = OptionsFolder;

class OptionsArt : public ForgedPictures<ForgeOptionsArt, OptionsFolder> {};

// Mean absolute difference per channel between a picture and the background rectangle at (x, y).
double Difference(const RgbPicture& piece, const RgbPicture& background, int x, int y) {
  long sum = 0;
  for (int row = 0; row < piece.height; ++row)
    for (int col = 0; col < piece.width; ++col)
      for (int c = 0; c < 3; ++c)
        sum += std::abs(PixelAt(piece, col, row)[c] - PixelAt(background, x + col, y + row)[c]);
  return static_cast<double>(sum) / (piece.width * piece.height * 3);
}

}  // namespace

TEST_F(OptionsArt, PicturesFitTheirPlacesAndKeepTheOpaqueRule) {
  ASSERT_TRUE(forged);
  struct Size {
    const char* name;
    int w, h;
  };
  for (const Size& s : {Size{"GameOptionsEmpty.QXJ", 240, 320}, Size{"GameOptionsPIX.QXJ", 240, 320},
                        Size{"GameOptionsON.QXJ", OnW, OnH}, Size{"GameOptionsOFF.QXJ", OffW, OffH},
                        Size{"GameOptionsPICOT.QXJ", KnobW, KnobH}}) {
    const RgbPicture p = Picture(s.name);
    EXPECT_EQ(p.width, s.w) << s.name;
    EXPECT_EQ(p.height, s.h) << s.name;
    EXPECT_EQ(OpaqueRuleFault(p), "") << s.name;
  }
  // The knob at its last place stays inside the track piece that erases it.
  EXPECT_LE(KnobX(24) + KnobW, TrackX + TrackW);
  EXPECT_LE(KnobH + 1, TrackH);
  const RgbPicture back = Picture("GameOptionsBACK.QXJ"), stats = Picture("GameOptionsStatsON.QXJ");
  EXPECT_LE(BackX + back.width, 240);
  EXPECT_LE(BackY + back.height, 320);
  EXPECT_LE(StatsY + stats.height, 320);
  EXPECT_GE(stats.width, 30);
}

TEST_F(OptionsArt, LitHalvesAndPressedButtonsShowAgainstTheBackground) {
  ASSERT_TRUE(forged);
  const RgbPicture empty = Picture("GameOptionsEmpty.QXJ");
  struct Place {
    const char* name;
    int x, y;
  };
  for (const Place& p : {Place{"GameOptionsON.QXJ", OnX, OnY}, Place{"GameOptionsOFF.QXJ", OffX, OffY},
                         Place{"GameOptionsBACK.QXJ", BackX, BackY}, Place{"GameOptionsStatsON.QXJ", StatsX, StatsY}})
    EXPECT_GT(Difference(Picture(p.name), empty, p.x, p.y), 20.0) << p.name << " looks like the background";
  // The tracks in the background hold no knob: PIX shows one, the background piece does not.
  const RgbPicture pix = Picture("GameOptionsPIX.QXJ"), knob = Picture("GameOptionsPICOT.QXJ");
  // (A 4-column knob blurs in its JPEG: it is compared by how much closer it comes.)
  const double bare = Difference(knob, empty, KnobX(12), VolumeTrackY + 1);
  EXPECT_GT(bare, 20.0);
  EXPECT_LT(Difference(knob, pix, KnobX(12), VolumeTrackY + 1), bare / 2);
  EXPECT_LT(Difference(knob, pix, KnobX(0), GammaTrackY + 1), Difference(knob, empty, KnobX(0), GammaTrackY + 1) / 2);
}
