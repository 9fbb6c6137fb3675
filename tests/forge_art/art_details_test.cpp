// art_details_test.cpp -- the token's spin, the versus mark's side colours, the fonts, and safe picture names.
#include <gtest/gtest.h>

#include <cstdlib>
#include <set>

#include "tests/forge_art/art_test_support.h"
#include "tools/forge/art_banners.h"
#include "tools/forge/art_cards.h"
#include "tools/forge/art_token.h"

namespace {

// How many columns of the token's middle row are not transparent.
int Width(const RgbPicture& p) {
  int n = 0;
  for (int x = 0; x < p.width; ++x) n += !ExactBlack(PixelAt(p, x, p.height / 2));
  return n;
}

}  // namespace

TEST(ArtToken, SpinsSmoothlyAboutItsUprightAxis) {
  int widths[TokenFrames];
  for (int k = 0; k < TokenFrames; ++k) widths[k] = Width(DrawTokenFrame(k));
  // Widest facing us (frames 0 and 12), thinnest edge-on (6 and 18).
  EXPECT_GT(widths[0], 100);
  EXPECT_GT(widths[12], 100);
  EXPECT_LT(widths[6], 16);
  EXPECT_LT(widths[18], 16);
  for (int k = 0; k < 6; ++k) {
    EXPECT_GE(widths[k], widths[k + 1]) << "narrowing towards the edge, frame " << k;
    EXPECT_LE(widths[k + 6], widths[k + 7]) << "widening towards the blue face, frame " << k + 6;
  }
  // A half-turn either way looks the same width.
  for (int k = 1; k < 12; ++k) EXPECT_NEAR(widths[k], widths[TokenFrames - k], 2) << k;
  // Frames wrap: frame 24 is frame 0.
  EXPECT_EQ(DrawTokenFrame(TokenFrames).rgb, DrawTokenFrame(0).rgb);
}

TEST(ArtBanners, VersusMarkCarriesBothSidesColours) {
  const RgbPicture v = DrawVersusBanner();
  int redLeft = 0, blueRight = 0, blueLeft = 0, redRight = 0;
  for (int y = 0; y < v.height; ++y)
    for (int x = 0; x < v.width; ++x) {
      const std::uint8_t* p = PixelAt(v, x, y);
      const bool red = p[0] > p[2] + 80, blue = p[2] > p[0] + 80;
      const bool left = x < v.width / 2;
      redLeft += red && left;
      redRight += red && !left;
      blueLeft += blue && left;
      blueRight += blue && !left;
    }
  EXPECT_GT(redLeft, 5 * std::max(redRight, 1)) << "side 0 (red) on the left, where its name arrives";
  EXPECT_GT(blueRight, 5 * std::max(blueLeft, 1)) << "side 1 (blue) on the right";
}

TEST(ArtFonts, EveryFaceLoadsFromTheDejaVuFiles) {
  EXPECT_TRUE(ArtFontsAvailable()) << "fonts-dejavu-core under " << ArtFontDir;
}

TEST(ArtNames, OnlyNamesThatStayInTheirFolderNameAPicture) {
  EXPECT_TRUE(UsableAsPictureName("NEON MOTH"));
  EXPECT_TRUE(UsableAsPictureName("B SIDE SPECTER"));
  EXPECT_FALSE(UsableAsPictureName(""));
  EXPECT_FALSE(UsableAsPictureName("..\\..\\SAVE\\Player1"));
  EXPECT_FALSE(UsableAsPictureName("../etc"));
  EXPECT_FALSE(UsableAsPictureName(std::string("TAB\tNAME")));
  EXPECT_EQ(SmallCardPath("OWL"), "GFX\\CARDS\\SET 1\\CARDS SMALL\\OWL.QXG");
  EXPECT_EQ(BigCardPath("OWL"), "GFX\\CARDS\\SET 1\\CARDS BIG\\BIG_OWL.QXG");
}

TEST(ArtNames, CardsTakeTheirFamilyFromTheirPlaceInTheirLevel) {
  std::vector<CardArt> cards;
  std::string error;
  ASSERT_TRUE(CardArtList(cards, error)) << error;
  ASSERT_EQ(cards.size() % 4, 0u);
  const std::size_t q = cards.size() / 4;
  for (std::size_t p = 0; p < q; ++p) {
    // Ids p+1, q+p+1, 2q+p+1 and 3q+p+1 are one family at levels 1..4.
    for (std::size_t level = 0; level < 4; ++level) {
      const CardArt& card = cards[level * q + p];
      EXPECT_EQ(card.family, static_cast<int>(p)) << card.name;
      EXPECT_EQ(card.level, static_cast<int>(level) + 1) << card.name;
      EXPECT_EQ(card.familyTitle, cards[p].familyTitle) << card.name;
      EXPECT_TRUE(UsableAsPictureName(card.name)) << card.name;
    }
  }
  // Names are unique, so no card's picture overwrites another's.
  std::set<std::string> names;
  for (const CardArt& card : cards) names.insert(card.name);
  EXPECT_EQ(names.size(), cards.size());
}
