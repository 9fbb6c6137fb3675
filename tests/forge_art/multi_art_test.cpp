// multi_art_test.cpp -- the lobby and the trade: every button's pictures fit its place and show the press, the shared
// Back looks the same on both screens, and the areas the game writes on stay dark enough for its text.
#include <gtest/gtest.h>

#include <cstdlib>

#include "tests/forge_art/art_test_support.h"
#include "tools/forge/art_club_draw.h"
#include "tools/forge/art_multi.h"
#include "tools/forge/art_rooms.h"
#include "tools/forge/forge.h"

namespace {

const std::string Folder = "GFX\\MENU\\UI MULTI\\";

// The lobby and the trade share the rooms' Back button.
bool ForgeLobbyAndTrade(ForgeOutput& out) { return ForgeMultiArt(out) && ForgeRoomArt(out); }

class MultiArt : public ForgedPictures<ForgeLobbyAndTrade> {};

long MeanDifference(const RgbPicture& small, const RgbPicture& screen, int x0, int y0) {
  long d = 0;
  for (int y = 0; y < small.height; ++y)
    for (int x = 0; x < small.width; ++x)
      for (int k = 0; k < 3; ++k) d += std::abs(PixelAt(small, x, y)[k] - PixelAt(screen, x0 + x, y0 + y)[k]);
  return d / (small.width * small.height);
}

long MeanBrightness(const RgbPicture& p, int x0, int y0, int w, int h) {
  long s = 0;
  for (int y = y0; y < y0 + h; ++y)
    for (int x = x0; x < x0 + w; ++x) s += PixelAt(p, x, y)[0] + PixelAt(p, x, y)[1] + PixelAt(p, x, y)[2];
  return s / (w * h);
}

void ExpectFits(const RgbPicture& p, const ButtonPlace& b) {
  EXPECT_EQ(p.width, b.w) << b.file;
  EXPECT_EQ(p.height, b.h) << b.file;
  EXPECT_LE(b.x + p.width, 240) << b.file;
  EXPECT_LE(b.y + p.height, 320) << b.file;
}

}  // namespace

TEST_F(MultiArt, LobbyButtonsFitAndShowThePress) {
  ASSERT_TRUE(forged);
  const RgbPicture empty = Picture(Folder + "MultiplayerEmpty.QXG"), pix = Picture(Folder + "MultiplayerPIX.QXG");
  for (const RgbPicture* p : {&empty, &pix}) {
    ASSERT_EQ(p->width, 240);
    ASSERT_EQ(p->height, 320);
    EXPECT_EQ(OpaqueRuleFault(*p), "");
  }
  for (const ButtonPlace& b : multi::LobbyButtons) {
    const std::string stem = Folder + std::string(b.file).substr(0, std::string(b.file).size() - 4);
    const RgbPicture normal = Picture(Folder + b.file), pressed = Picture(stem + "ON.QXJ");
    ExpectFits(normal, b);
    ExpectFits(pressed, b);
    EXPECT_GT(MeanDifference(pressed, normal, 0, 0), 40) << b.file << ": the press must show";
  }
  // Create and Join share a row with Trade and Game: no two buttons overlap.
  for (int i = 0; i < multi::LobbyButtonCount; ++i)
    for (int j = i + 1; j < multi::LobbyButtonCount; ++j) {
      const ButtonPlace &a = multi::LobbyButtons[i], &b = multi::LobbyButtons[j];
      EXPECT_TRUE(a.x + a.w <= b.x || b.x + b.w <= a.x) << a.file << " / " << b.file;
    }
  // The Deck button's normal look is cut from the lobby: it must agree with the other rooms' Deck.
  const RgbPicture challenge = Picture("GFX\\MENU\\UI INSTANT\\InstantPlay2Empty.QXG");
  const ButtonPlace& deck = rooms::Deck;
  const RgbPicture lobbyDeck = Crop(empty, deck.x, deck.y, deck.w, deck.h);
  EXPECT_EQ(MeanDifference(lobbyDeck, challenge, deck.x, deck.y), 0);
  // The panel and the link state line carry the game's light text.
  EXPECT_LT(MeanBrightness(empty, multi::PanelX + 10, multi::PanelY + 10, 200, 140), 90);
  EXPECT_LT(MeanBrightness(empty, multi::StateX, multi::StateY, 80, 10), 60);
}

TEST_F(MultiArt, TradeButtonsLightsAndSharedBack) {
  ASSERT_TRUE(forged);
  const RgbPicture trade = Picture(Folder + "TradeUI.QXG"), lobby = Picture(Folder + "MultiplayerEmpty.QXG");
  ASSERT_EQ(trade.width, 240);
  ASSERT_EQ(trade.height, 320);
  EXPECT_EQ(OpaqueRuleFault(trade), "");
  for (const ButtonPlace& b : multi::TradeButtons) {
    const RgbPicture pressed = Picture(Folder + b.file);
    ExpectFits(pressed, b);
    EXPECT_GT(MeanDifference(pressed, trade, b.x, b.y), 30) << b.file << ": the press must show";
  }
  const ButtonPlace& back = multi::Back;
  const RgbPicture pressedBack = Picture(Folder + back.file);
  ExpectFits(pressedBack, back);
  EXPECT_EQ(MeanDifference(Crop(trade, back.x, back.y, back.w, back.h), lobby, back.x, back.y), 0)
      << "one pressed Back serves both screens";
  EXPECT_GT(MeanDifference(pressedBack, trade, back.x, back.y), 30);
  for (const ButtonPlace* light : {&multi::OwnLight, &multi::PartnerLight}) {
    const RgbPicture on = Picture(Folder + light->file);
    ExpectFits(on, *light);
    EXPECT_GT(MeanDifference(on, trade, light->x, light->y), 40) << light->file << ": lit must differ from off";
  }
  // Empty slots, names, offers and the credits band stay dark under the game's text.
  for (int i = 0; i < 9; ++i)
    for (int box : {multi::OwnBoxX, multi::PartnerBoxX})
      EXPECT_LT(MeanBrightness(trade, box + 34 * (i % 3) + 2, multi::BoxY + 52 * (i / 3) + 2, 28, 46), 90);
  EXPECT_LT(MeanBrightness(trade, multi::OwnNameX, multi::NameY, 90, 10), 60);
  EXPECT_LT(MeanBrightness(trade, multi::PartnerNameX, multi::NameY, 90, 10), 60);
  EXPECT_LT(MeanBrightness(trade, multi::OwnOfferX, multi::OfferY, multi::OfferW, 10), 60);
  EXPECT_LT(MeanBrightness(trade, multi::PartnerOfferX, multi::OfferY, multi::OfferW, 10), 60);
  EXPECT_LT(MeanBrightness(trade, multi::CreditsBandX, multi::CreditsY, 200, 10), 60);
}
