// final_art_test.cpp -- the card master's lair and the credits: the pictures keep the pixel rules, the speeches fall
// on dark panels, and the credits pages fit their rows.
#include <gtest/gtest.h>

#include <set>

#include "tests/forge_art/art_test_support.h"
#include "tools/forge/art_final.h"

namespace {

using namespace finale;

long MeanBrightness(const RgbPicture& p, int x0, int y0, int w, int h) {
  long s = 0;
  for (int y = y0; y < y0 + h; ++y)
    for (int x = x0; x < x0 + w; ++x) {
      const std::uint8_t* px = PixelAt(p, x, y);
      s += px[0] + px[1] + px[2];
    }
  return s / (3L * w * h);
}

TEST(FinalArt, TheScenesAreFullScreenAndTheirSpeechesFallOnDarkPanels) {
  const RgbPicture gate = DrawGateScene(), master = DrawCardMaster(), credits = DrawEndCreditsPicture();
  for (const RgbPicture* p : {&gate, &master, &credits}) {
    EXPECT_EQ(p->width, ScreenW);
    EXPECT_EQ(p->height, ScreenH);
    EXPECT_EQ(OpaqueRuleFault(*p), "");
  }
  // Yellow, cyan and white lettering needs a dark ground: the lair's words
  // (40, 10, 160 wide), the card master's (20, 260, 200 wide) and his verdict (50, 240, 150 wide).
  EXPECT_LT(MeanBrightness(gate, 40, 10, 160, 88), 40);
  EXPECT_LT(MeanBrightness(gate, 20, 260, 200, 56), 40);
  EXPECT_LT(MeanBrightness(master, 20, 260, 200, 56), 40);
  EXPECT_LT(MeanBrightness(master, 50, 240, 150, 76), 40);
  // The gate itself burns bright between its panels.
  EXPECT_GT(MeanBrightness(gate, 70, 190, 100, 50), 80);
}

TEST(FinalArt, CreditsPagesAreKeyedLettersThatFitTheirRows) {
  std::set<std::string> files;
  int roles = 0;
  for (const CreditsPageLook& look : PageLooks) {
    const RgbPicture page = DrawCreditsPage(look);
    EXPECT_TRUE(files.insert(look.file).second) << look.file;
    roles += look.role;
    EXPECT_GT(page.width, 0) << look.file;
    EXPECT_LE(page.width, PageMaxWidth) << look.file;
    // Pages stand 20 rows apart in places: a little overlap of empty rows at most.
    EXPECT_LE(page.height, 22) << look.file;
    EXPECT_EQ(KeyRuleFault(page), "") << look.file;
    int inked = 0;
    for (int y = 0; y < page.height; ++y)
      for (int x = 0; x < page.width; ++x) inked += !ExactBlack(PixelAt(page, x, y));
    EXPECT_GT(inked, page.width) << look.file << ": no lettering";
    EXPECT_LT(inked, page.width * page.height / 2) << look.file << ": not see-through";
  }
  EXPECT_EQ(roles, 5);
}

}  // namespace
