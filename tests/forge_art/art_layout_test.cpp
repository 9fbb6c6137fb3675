// art_layout_test.cpp -- pictures drawn around the game's places: cells, hand slots, pile, motif bounds, plate text.
#include <gtest/gtest.h>

#include <cmath>

#include "tests/forge_art/art_test_support.h"
#include "tools/forge/art_board.h"
#include "tools/forge/art_cards.h"
#include "tools/forge/art_motifs.h"

namespace {

int Brightness(const std::uint8_t* p) { return p[0] + p[1] + p[2]; }

}  // namespace

TEST(ArtLayout, EmptyCellsSitExactlyOnTheBoardCells) {
  const RgbPicture frame = DrawBoardFrame(false);
  for (int c = 0; c < board::Columns; ++c)
    for (int r = 0; r < board::Rows; ++r) {
      const int x = board::CellX(c), y = board::CellY(r);
      // The neon edge runs one pixel inside the cell; the middle of the slot is a dark recess.
      const int edge = Brightness(PixelAt(frame, x + 1, y + 25));
      const int inside = Brightness(PixelAt(frame, x + 8, y + 8));
      EXPECT_GT(edge, inside + 60) << "cell " << c << ", " << r;
      // The same edge on every side of the cell.
      EXPECT_GT(Brightness(PixelAt(frame, x + 30, y + 25)), inside + 60);
      EXPECT_GT(Brightness(PixelAt(frame, x + 16, y + 1)), inside + 60);
      EXPECT_GT(Brightness(PixelAt(frame, x + 16, y + 48)), inside + 60);
    }
}

TEST(ArtLayout, HandSlotsAndPileLineUpWithTheirPlaces) {
  const RgbPicture frame = DrawBoardFrame(false);
  for (int i = 0; i < board::HandSlots; ++i) {
    const int x = board::HandX(i);
    const int inside = Brightness(PixelAt(frame, x + 8, board::HandY + 8));
    EXPECT_GT(Brightness(PixelAt(frame, x + 1, board::HandY + 25)), inside + 60) << "slot " << i;
    EXPECT_GT(Brightness(PixelAt(frame, x + 30, board::HandY + 25)), inside + 60) << "slot " << i;
    EXPECT_LE(x + board::CellWidth, 240);
  }
  const int inside = Brightness(PixelAt(frame, board::PileX + 8, board::PileY + 8));
  EXPECT_GT(Brightness(PixelAt(frame, board::PileX + 1, board::PileY + 27)), inside + 60);
  EXPECT_GT(Brightness(PixelAt(frame, board::PileX + board::PileWidth - 2, board::PileY + 27)), inside + 60);
}

TEST(ArtLayout, EveryMotifPaintsInsideItsCircle) {
  // Motifs stay near their art window so they spare the icon places and the name plate.
  const MotifPaint paint{Rgb8(200, 120, 220), Rgb8(60, 230, 200), Rgb8(255, 60, 200), Rgb8(30, 16, 40), 1.0 / 24};
  for (int m = 0; m < MotifCount * 4; ++m) {
    ArtCanvas canvas(96, 96);
    cairo_translate(canvas.Cr(), 48, 48);
    cairo_scale(canvas.Cr(), 24, 24);
    DrawMotif(canvas.Cr(), static_cast<Motif>(m / 4), paint, m % 4);
    ASSERT_TRUE(canvas.Ok());
    const RgbPicture p = canvas.Keyed();
    int inside = 0, outside = 0;
    for (int y = 0; y < 96; ++y)
      for (int x = 0; x < 96; ++x) {
        if (ExactBlack(PixelAt(p, x, y))) continue;
        const double d = std::hypot(x + 0.5 - 48, y + 0.5 - 48) / 24;
        (d <= 1.45 ? inside : outside) += 1;
      }
    EXPECT_GT(inside, 150) << "motif " << m / 4 << " level " << m % 4 + 1 << " draws almost nothing";
    EXPECT_EQ(outside, 0) << "motif " << m / 4 << " level " << m % 4 + 1 << " spills out of its window";
  }
}

TEST(ArtLayout, LongNamesStayOnTheBigPlate) {
  // The longest names, one word and several words, wrapped and shrunk as needed.
  for (const char* name : {"CHROME BAT SENTINELS", "ABCDEFGHIJKLMNOPQRST", "W W W W W W W W W W", "OWL"}) {
    CardArt card{name, 4, 3, "Test"};
    const RgbPicture big = DrawCardPicture(card, true);
    const RgbPicture plain = DrawCardPicture(CardArt{"", 4, 3, "Test"}, true);
    bool inked = false;
    for (int y = BigPlate.y; y < BigPlate.y + BigPlate.h; ++y)
      for (int x = BigPlate.x; x < BigPlate.x + BigPlate.w; ++x) {
        const bool differs = !std::equal(PixelAt(big, x, y), PixelAt(big, x, y) + 3, PixelAt(plain, x, y));
        const bool nearEdge = x < BigPlate.x + 2 || x >= BigPlate.x + BigPlate.w - 2;
        if (differs) inked = true;
        EXPECT_FALSE(differs && nearEdge) << name << " touches the plate's edge at " << x << ", " << y;
      }
    EXPECT_TRUE(inked) << name;
    // Nothing of the name leaks outside the plate.
    for (int y = 0; y < 150; ++y)
      for (int x = 0; x < 96; ++x) {
        const bool onPlate =
            x >= BigPlate.x && x < BigPlate.x + BigPlate.w && y >= BigPlate.y && y < BigPlate.y + BigPlate.h;
        if (onPlate) continue;
        ASSERT_TRUE(std::equal(PixelAt(big, x, y), PixelAt(big, x, y) + 3, PixelAt(plain, x, y)))
            << name << " at " << x << ", " << y;
      }
  }
}
