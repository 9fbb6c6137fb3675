// art_card_variety_test.cpp -- every card has a picture of its own, every family its own motif and a zoom title
// that names it, the two strongest power icons are told apart, and the contact sheet shows every card.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <map>

#include "tests/forge_art/art_test_support.h"
#include "tools/forge/art_board.h"
#include "tools/forge/art_cards.h"
#include "tools/forge/art_contact_sheet.h"
#include "tools/forge/asset_tables.h"

namespace {

// Pixels of the picture area (above the name plate) that differ clearly between two pictures.
int ClearlyDifferentPixels(const RgbPicture& a, const RgbPicture& b, int plateY) {
  int n = 0;
  for (int y = 0; y < plateY; ++y)
    for (int x = 0; x < a.width; ++x) {
      const std::uint8_t* p = PixelAt(a, x, y);
      const std::uint8_t* q = PixelAt(b, x, y);
      n += std::abs(p[0] - q[0]) + std::abs(p[1] - q[1]) + std::abs(p[2] - q[2]) > 60;
    }
  return n;
}

const std::vector<CardArt>& Cards() {
  static std::vector<CardArt> cards;
  if (cards.empty()) {
    std::string error;
    EXPECT_TRUE(CardArtList(cards, error)) << error;
  }
  return cards;
}

}  // namespace

TEST(CardVariety, EveryFamilyHasItsOwnMotifAndAZoomTitleThatNamesIt) {
  std::string error;
  ASSERT_TRUE(LoadAssetTables(error)) << error;
  std::map<Motif, std::string> owner;
  for (const FamilyRow& f : FamilyRows()) {
    const Motif m = MotifForTitle(f.title, f.family);
    const auto [it, fresh] = owner.emplace(m, f.title);
    EXPECT_TRUE(fresh) << f.title << " draws the same motif as " << it->second;
    // The zoom heads every member's text with the title: it reads as the
    // family's name, never as a card's ("Turntable" over GRAMOPHONE).
    ASSERT_GT(f.title.size(), 7u);
    EXPECT_EQ(f.title.substr(f.title.size() - 7), " family") << f.title;
  }
  EXPECT_EQ(owner.size(), FamilyRows().size());
}

TEST(CardVariety, NoTwoCardsShareAPictureAtEitherSize) {
  const auto& cards = Cards();
  ASSERT_EQ(cards.size(), 344u);
  std::vector<RgbPicture> small, big;
  for (const CardArt& card : cards) {
    small.push_back(DrawCardPicture(card, false));
    big.push_back(DrawCardPicture(card, true));
  }
  // Not only different bytes: a good share of the picture area must differ,
  // whether the two cards are levels of one family or of two families.
  const int smallArea = SmallCardWidth * SmallPlate.y, bigArea = BigCardWidth * BigPlate.y;
  std::string close;
  int closePairs = 0;
  for (std::size_t i = 0; i < cards.size(); ++i)
    for (std::size_t j = i + 1; j < cards.size(); ++j) {
      const int s = ClearlyDifferentPixels(small[i], small[j], SmallPlate.y);
      const int b = ClearlyDifferentPixels(big[i], big[j], BigPlate.y);
      if (s >= smallArea / 16 && b >= bigArea / 16) continue;
      if (++closePairs <= 12)
        close += "\n  " + cards[i].name + " / " + cards[j].name + ": " + std::to_string(s) + " small, " +
                 std::to_string(b) + " big pixels differ";
    }
  EXPECT_EQ(closePairs, 0) << "pictures too close to tell apart:" << close;
}

TEST(CardVariety, LevelsOfAFamilyGrowFromTheSameMotif) {
  // Level 1 stands smaller in a plainer room: its picture area holds fewer
  // lit pixels than level 4's, family by family.
  const auto& cards = Cards();
  const std::size_t q = cards.size() / 4;
  auto lit = [](const RgbPicture& p) {
    int n = 0;
    for (int y = 0; y < BigPlate.y; ++y)
      for (int x = 0; x < p.width; ++x) {
        const std::uint8_t* c = PixelAt(p, x, y);
        n += c[0] + c[1] + c[2] > 240;
      }
    return n;
  };
  int growing = 0;
  for (std::size_t f = 0; f < q; ++f)
    growing += lit(DrawCardPicture(cards[f], true)) < lit(DrawCardPicture(cards[3 * q + f], true));
  EXPECT_EQ(growing, static_cast<int>(q));
}

TEST(CardVariety, SmallPlatesCarryNoLetteringAndTheBigPlateTheWholeName) {
  // Five rows above the bottom icons cannot hold a legible name: the small
  // plate stays bare, the zoom writes the name in full.
  for (const char* name : {"OWL", "CHROME BAT SENTINELS"}) {  // no crown or crowd in these names
    const RgbPicture named = DrawCardPicture(CardArt{name, 2, 7, "Chrome Bat family"}, false);
    const RgbPicture plain = DrawCardPicture(CardArt{"", 2, 7, "Chrome Bat family"}, false);
    EXPECT_EQ(named.rgb, plain.rgb) << name;
  }
}

TEST(CardVariety, TheTwoStrongestIconsDifferInColourAndShape) {
  RgbPicture icons[5];
  for (int s = 1; s <= 5; ++s) icons[s - 1] = DrawPowerIcon(s);
  for (int a = 0; a < 5; ++a)
    for (int b = std::max(a + 1, 3); b < 5; ++b) {
      int apart = 0;
      for (int y = 0; y < PowerIconSize; ++y)
        for (int x = 0; x < PowerIconSize; ++x) {
          const std::uint8_t* p = PixelAt(icons[a], x, y);
          const std::uint8_t* q = PixelAt(icons[b], x, y);
          apart += std::abs(p[0] - q[0]) + std::abs(p[1] - q[1]) + std::abs(p[2] - q[2]) > 120;
        }
      EXPECT_GE(apart, 20) << "icons " << a + 1 << " and " << b + 1 << " differ in " << apart << " pixels";
    }
  // 5 wears a light ring that no weaker icon has: its edge midpoints are bright.
  auto edgeLight = [](const RgbPicture& p) {
    const std::uint8_t* c = PixelAt(p, 0, PowerIconSize / 2);
    return c[0] + c[1] + c[2];
  };
  for (int s = 0; s < 4; ++s) EXPECT_LT(edgeLight(icons[s]), 400) << "icon " << s + 1;
  EXPECT_GT(edgeLight(icons[4]), 500);
}

TEST(CardVariety, ContactSheetShowsEveryCardAtBothSizes) {
  RgbPicture sheet;
  std::string error;
  ASSERT_TRUE(DrawContactSheet(sheet, error)) << error;
  const auto& cards = Cards();
  // Every small picture appears on the sheet pixel for pixel, and so does every big one.
  for (const CardArt& card : {cards.front(), cards[100], cards.back()}) {
    for (bool big : {false, true}) {
      const RgbPicture p = DrawCardPicture(card, big);
      // Find the picture's first row on the sheet, then compare the whole picture there.
      bool found = false;
      for (int y = 0; y + p.height <= sheet.height && !found; ++y)
        for (int x = 0; x + p.width <= sheet.width && !found; ++x) {
          bool same = true;
          for (int r = 0; r < p.height && same; ++r)
            same = std::equal(PixelAt(p, 0, r), PixelAt(p, 0, r) + 3 * p.width, PixelAt(sheet, x, y + r));
          found = same;
        }
      EXPECT_TRUE(found) << card.name << (big ? " big" : " small");
    }
  }
}
