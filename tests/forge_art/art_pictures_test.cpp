// art_pictures_test.cpp -- the duel's and the start-up's pictures, forged in memory: places, sizes, sides, key rules.
#include <gtest/gtest.h>

#include <set>
#include <tuple>

#include "tests/forge_art/art_test_support.h"
#include "tools/forge/art_banners.h"
#include "tools/forge/art_board.h"
#include "tools/forge/art_cards.h"
#include "tools/forge/art_token.h"
#include "tools/forge/asset_tables.h"
#include "tools/forge/forge.h"

namespace {

bool ForgeDuelAndStartUp(ForgeOutput& out) { return ForgeMatchArt(out) && ForgeShellArt(out); }

// The whole duel and start-up art, forged once for the suite.
class ForgedArt : public ForgedPictures<ForgeDuelAndStartUp> {};

struct Mean {
  double r = 0, g = 0, b = 0;
};

Mean MeanOver(const RgbPicture& p, int x0, int y0, int w, int h) {
  Mean m;
  for (int y = y0; y < y0 + h; ++y)
    for (int x = x0; x < x0 + w; ++x) {
      const std::uint8_t* q = PixelAt(p, x, y);
      m.r += q[0];
      m.g += q[1];
      m.b += q[2];
    }
  const double n = static_cast<double>(w) * h;
  m.r /= n;
  m.g /= n;
  m.b /= n;
  return m;
}

}  // namespace

TEST_F(ForgedArt, EveryCardHasBothPicturesAtTheirSizes) {
  ASSERT_TRUE(forged);
  std::string error;
  ASSERT_TRUE(LoadAssetTables(error)) << error;
  ASSERT_EQ(CardRows().size(), 344u);
  for (const CardRow& row : CardRows()) {
    std::string name = row.name;
    for (char& c : name) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    const RgbPicture small = Picture("GFX\\CARDS\\SET 1\\CARDS SMALL\\" + name + ".QXG");
    const RgbPicture big = Picture("GFX\\CARDS\\SET 1\\CARDS BIG\\BIG_" + name + ".QXG");
    ASSERT_EQ(small.width, 32) << name;
    ASSERT_EQ(small.height, 50) << name;
    ASSERT_EQ(big.width, 96) << name;
    ASSERT_EQ(big.height, 150) << name;
    // Cards are drawn opaque: nothing may vanish under the key.
    ASSERT_EQ(OpaqueRuleFault(small), "") << name;
    ASSERT_EQ(OpaqueRuleFault(big), "") << name;
  }
}

TEST_F(ForgedArt, NamePlatesAreLightAndNeutralSoTheSideTintShows) {
  ASSERT_TRUE(forged);
  std::vector<CardArt> cards;
  std::string error;
  ASSERT_TRUE(CardArtList(cards, error)) << error;
  for (const CardArt& card : cards) {
    const RgbPicture small = Picture(SmallCardPath(card.name));
    const RgbPicture big = Picture(BigCardPath(card.name));
    // The plate's lettering is dark; the plate around it stays a light grey.
    // Small plate: its last rows lie under the bottom icons and carry no text.
    const Mean s = MeanOver(small, SmallPlate.x + 1, SmallPlate.y + 8, SmallPlate.w - 2, 4);
    const Mean b = MeanOver(big, BigPlate.x + 2, BigPlate.y + 2, BigPlate.w - 4, 2);
    for (const Mean& m : {s, b}) {
      EXPECT_GT(m.r, 110) << card.name;
      EXPECT_LT(m.r, 190) << card.name;
      EXPECT_LT(std::abs(m.r - m.g), 16) << card.name;
      EXPECT_LT(std::abs(m.b - m.g), 20) << card.name;
    }
    // The name itself is written on the big plate: dark ink is there.
    const Mean text = MeanOver(big, BigPlate.x + 4, BigPlate.y + 4, BigPlate.w - 8, 20);
    EXPECT_LT(text.r, b.r - 8) << card.name << " has no visible name";
  }
}

TEST_F(ForgedArt, FamiliesLookDistinctAndLevelsGrowRicher) {
  ASSERT_TRUE(forged);
  std::string error;
  ASSERT_TRUE(LoadAssetTables(error)) << error;
  std::set<std::tuple<int, int, int, int>> looks;
  for (const FamilyRow& f : FamilyRows()) {
    const FamilyLook look = LookOfFamily(f.family, f.title);
    looks.insert({static_cast<int>(look.motif), static_cast<int>(look.paint.body.r * 255),
                  static_cast<int>(look.paint.body.g * 255), static_cast<int>(look.paint.body.b * 255)});
  }
  EXPECT_EQ(looks.size(), FamilyRows().size());
  // The four levels of one family differ in their frames.
  std::vector<CardArt> cards;
  ASSERT_TRUE(CardArtList(cards, error));
  const std::size_t q = cards.size() / 4;
  std::vector<std::vector<std::uint8_t>> frames;
  for (int level = 0; level < 4; ++level) {
    const RgbPicture big = Picture(BigCardPath(cards[level * q].name));
    std::vector<std::uint8_t> edge;
    for (int x = 0; x < 96; ++x) edge.insert(edge.end(), PixelAt(big, x, 1), PixelAt(big, x, 1) + 3);
    frames.push_back(edge);
  }
  EXPECT_EQ(DistinctCount(frames), 4u);
}

TEST(ArtMotifs, TitlesPickTheirMotifByWholeWords) {
  EXPECT_EQ(MotifForTitle("Neon Moth", 0), Motif::Moth);
  EXPECT_EQ(MotifForTitle("Moon Cat family", 9), Motif::MoonCat);
  EXPECT_EQ(MotifForTitle("Full Moon", 9), Motif::Moon);
  EXPECT_EQ(MotifForTitle("Disco Rat", 34), Motif::Rat);
  EXPECT_EQ(MotifForTitle("Masked Dancer", 10), Motif::VeiledDancer);
  EXPECT_EQ(MotifForTitle("Carnival Mask family", 76), Motif::Mask);
  EXPECT_EQ(MotifForTitle("Coat Check Imp family", 37), Motif::Imp);
  // Short words only match whole words: no rat in a pirate, no bat in a bathtub.
  EXPECT_NE(MotifForTitle("Pirate", 5), Motif::Rat);
  EXPECT_NE(MotifForTitle("Bathtub", 5), Motif::Bat);
  // An unknown title still gets a motif, the same one every time.
  EXPECT_EQ(MotifForTitle("Zzyzx", 12), MotifForTitle("Zzyzx", 12));
  EXPECT_LT(static_cast<int>(MotifForTitle("Zzyzx", 85)), MotifCount);
}

TEST_F(ForgedArt, BoardFrameAndPressedZoomAgreeOutsideTheButton) {
  ASSERT_TRUE(forged);
  const RgbPicture frame = Picture("GFX\\GENERAL\\BoardUI.QXG");
  const RgbPicture zoom = Picture("GFX\\GENERAL\\BoardUIZoomON.QXG");
  ASSERT_EQ(frame.width, 240);
  ASSERT_EQ(frame.height, 320);
  ASSERT_EQ(zoom.width, 240);
  ASSERT_EQ(zoom.height, 320);
  EXPECT_EQ(OpaqueRuleFault(frame), "");
  EXPECT_EQ(OpaqueRuleFault(zoom), "");
  int differentInside = 0;
  for (int y = 0; y < 320; ++y)
    for (int x = 0; x < 240; ++x) {
      const bool inButton = x >= board::ZoomX && x < board::ZoomX + board::ZoomWidth && y >= board::ZoomY &&
                            y < board::ZoomY + board::ZoomHeight;
      const bool same = std::equal(PixelAt(frame, x, y), PixelAt(frame, x, y) + 3, PixelAt(zoom, x, y));
      if (inButton)
        differentInside += !same;
      else
        ASSERT_TRUE(same) << "frames differ at (" << x << ", " << y << ")";
    }
  EXPECT_GT(differentInside, 100) << "the pressed look must show";
}

TEST_F(ForgedArt, StatusLineIsPlainSoClearingItLeavesNoSeams) {
  const RgbPicture frame = Picture("GFX\\GENERAL\\BoardUI.QXG");
  ASSERT_EQ(frame.width, 240);
  const std::uint8_t* first = PixelAt(frame, board::StatusX, board::StatusY);
  for (int y = board::StatusY; y < board::StatusY + board::StatusHeight; ++y)
    for (int x = board::StatusX; x < board::StatusX + board::StatusWidth; ++x)
      ASSERT_TRUE(std::equal(first, first + 3, PixelAt(frame, x, y))) << x << ", " << y;
  // Dark enough for the light lettering of the font.
  EXPECT_LT(first[0] + first[1] + first[2], 150);
}

TEST_F(ForgedArt, BlockBackAndIconsAreFullOpaqueTiles) {
  ASSERT_TRUE(forged);
  for (const char* path : {"GFX\\GENERAL\\BlockCard.QXG", "GFX\\CARDS\\SET 1\\CARDS SMALL\\BackCard.QXG"}) {
    const RgbPicture p = Picture(path);
    EXPECT_EQ(p.width, 32) << path;
    EXPECT_EQ(p.height, 50) << path;
    EXPECT_EQ(OpaqueRuleFault(p), "") << path;
  }
  // Yellow the weakest, blue the strongest; each fits the small card's icon places.
  Mean centres[5];
  for (int s = 1; s <= 5; ++s) {
    const RgbPicture p = Picture("GFX\\CARDS\\SET 1\\CARDS SMALL\\PowerIcon" + std::to_string(s) + ".QXG");
    ASSERT_EQ(p.width, PowerIconSize);
    ASSERT_EQ(p.height, PowerIconSize);
    EXPECT_LE(12 + p.width, 23) << "icons at x 12 and 23 must not overlap";
    EXPECT_EQ(OpaqueRuleFault(p), "");
    centres[s - 1] = MeanOver(p, 3, 3, 2, 2);
  }
  EXPECT_GT(centres[0].r, 200);
  EXPECT_GT(centres[0].g, 180);
  EXPECT_LT(centres[0].b, 100);
  EXPECT_GT(centres[4].b, 200);
  EXPECT_LT(centres[4].r, 100);
  std::set<std::tuple<int, int, int>> distinct;
  for (const Mean& m : centres) distinct.insert({static_cast<int>(m.r), static_cast<int>(m.g), static_cast<int>(m.b)});
  EXPECT_EQ(distinct.size(), 5u);
}

TEST_F(ForgedArt, TokenStopsRedOnFrameZeroAndBlueOnFrameTwelve) {
  ASSERT_TRUE(forged);
  for (int n = 1; n <= TokenFrames; ++n) {
    const RgbPicture p = Picture("GFX\\GENERAL\\" + std::to_string(n) + ".QXG");
    ASSERT_EQ(p.width, TokenSize) << n;
    ASSERT_EQ(p.height, TokenSize) << n;
    EXPECT_EQ(KeyRuleFault(p), "") << n;
    EXPECT_TRUE(ExactBlack(PixelAt(p, 0, 0))) << "the corners are transparent, frame " << n;
    EXPECT_TRUE(ExactBlack(PixelAt(p, TokenSize - 1, TokenSize - 1)));
  }
  const RgbPicture red = Picture("GFX\\GENERAL\\1.QXG");
  const RgbPicture blue = Picture("GFX\\GENERAL\\13.QXG");
  auto reds = [](const RgbPicture& p) {
    int n = 0;
    for (std::size_t i = 0; i + 2 < p.rgb.size(); i += 3) n += p.rgb[i] > p.rgb[i + 2] + 60;
    return n;
  };
  auto blues = [](const RgbPicture& p) {
    int n = 0;
    for (std::size_t i = 0; i + 2 < p.rgb.size(); i += 3) n += p.rgb[i + 2] > p.rgb[i] + 60;
    return n;
  };
  EXPECT_GT(reds(red), 3000);
  EXPECT_EQ(blues(red), 0);
  EXPECT_GT(blues(blue), 3000);
  EXPECT_EQ(reds(blue), 0);
  // Edge-on (a quarter turn) the token is thin.
  const RgbPicture edge = Picture("GFX\\GENERAL\\7.QXG");
  int opaqueInMiddleRow = 0;
  for (int x = 0; x < TokenSize; ++x) opaqueInMiddleRow += !ExactBlack(PixelAt(edge, x, TokenSize / 2));
  EXPECT_LT(opaqueInMiddleRow, 16);
}

TEST_F(ForgedArt, BannersHaveLetteringOnTheKeyAndFitTheirAnimations) {
  ASSERT_TRUE(forged);
  for (const BannerLayout& banner : BannerLayouts()) {
    const RgbPicture p = Picture(banner.path);
    ASSERT_EQ(p.width, banner.width) << banner.path;
    EXPECT_EQ(KeyRuleFault(p), "") << banner.path;
    EXPECT_LE(p.width, 240);
    EXPECT_LE(p.height, 235);
    EXPECT_EQ(p.height % 4, 0) << banner.path << ": the wipe slides four quarters";
    int lit = 0, edgeLit = 0;
    for (int y = 0; y < p.height; ++y)
      for (int x = 0; x < p.width; ++x) {
        const bool on = !ExactBlack(PixelAt(p, x, y));
        lit += on;
        if (x == 0 || y == 0 || x == p.width - 1 || y == p.height - 1) edgeLit += on;
      }
    EXPECT_GT(lit, p.width * p.height / 10) << banner.path;
    EXPECT_EQ(edgeLit, 0) << banner.path << ": black must surround the lettering";
  }
  for (const char* wide : {"GFX\\TEXT\\start.QXG", "GFX\\TEXT\\youwin.QXG", "GFX\\TEXT\\youloose.QXG",
                           "GFX\\TEXT\\Perfect.QXG", "GFX\\TEXT\\draw.QXG"})
    EXPECT_EQ(Picture(wide).width, 240) << wide;
  const RgbPicture versus = Picture("GFX\\TEXT\\Versus.QXG");
  EXPECT_LE(versus.width, 80);
  EXPECT_LE(versus.height, 78);
  EXPECT_LE(3 * versus.width, 240);
  EXPECT_LE(3 * versus.height, 235);
  EXPECT_EQ(KeyRuleFault(versus), "");
}

TEST_F(ForgedArt, StartUpPicturesFitTheLoadingScreen) {
  ASSERT_TRUE(forged);
  const RgbPicture logo = Picture("GFX\\GENERAL\\VANTORTEAM.QXG");
  EXPECT_EQ(logo.width, 240);
  EXPECT_EQ(logo.height, 320);
  EXPECT_EQ(OpaqueRuleFault(logo), "");
  const auto& jpeg = files["GFX\\LOADING\\EnterGAME.QXJ"];
  ASSERT_GE(jpeg.size(), 2u);
  EXPECT_EQ(jpeg[0], 0xFF) << "the loading picture is a JPEG";
  EXPECT_EQ(jpeg[1], 0xD8);
  const RgbPicture entrance = Picture("GFX\\LOADING\\EnterGAME.QXJ");
  EXPECT_EQ(entrance.height, 320);
  EXPECT_GT(entrance.width, 240) << "the finish pans over the rest";
  EXPECT_LE(entrance.width, 800) << "the decoder refuses wider pictures";
  // Under the hint (top) and the loading line (bottom) it stays dark for the light text.
  const Mean top = MeanOver(entrance, 5, 3, 215, 10), bottom = MeanOver(entrance, 5, 307, 230, 12);
  EXPECT_LT(top.r + top.g + top.b, 150);
  EXPECT_LT(bottom.r + bottom.g + bottom.b, 120);
}

TEST(ArtDeterminism, ForgingTwiceGivesTheSameBytes) {
  CapturedFiles().clear();
  ForgeOutput first("memory");
  ASSERT_TRUE(ForgeMatchArt(first));
  ASSERT_TRUE(ForgeShellArt(first));
  const auto once = CapturedFiles();
  CapturedFiles().clear();
  ForgeOutput second("memory");
  ASSERT_TRUE(ForgeMatchArt(second));
  ASSERT_TRUE(ForgeShellArt(second));
  EXPECT_EQ(first.FilesWritten(), second.FilesWritten());
  ASSERT_EQ(once.size(), CapturedFiles().size());
  for (const auto& [path, bytes] : once) EXPECT_TRUE(CapturedFiles().at(path) == bytes) << path;
}
