// art_board.cpp -- draws the duel table: velvet room, chrome grid, empty cells, hand row, pile, status band, zoom
// button.
#include "tools/forge/art_board.h"

#include <cmath>
#include <string>

#include "tools/forge/art_palette.h"
#include "tools/forge/forge.h"

namespace {

void Gradient(cairo_t* cr, double x0, double y0, double x1, double y1, Colour a, Colour b) {
  cairo_pattern_t* g = cairo_pattern_create_linear(x0, y0, x1, y1);
  cairo_pattern_add_color_stop_rgb(g, 0, a.r, a.g, a.b);
  cairo_pattern_add_color_stop_rgb(g, 1, b.r, b.g, b.b);
  cairo_set_source(cr, g);
  cairo_pattern_destroy(g);
}

// Quilted velvet: diamonds with a button at each crossing.
void Velvet(cairo_t* cr, double x, double y, double w, double h, Colour base, double step) {
  cairo_save(cr);
  cairo_rectangle(cr, x, y, w, h);
  cairo_clip(cr);
  Gradient(cr, 0, y, 0, y + h, Scale(base, 1.25), Scale(base, 0.7));
  cairo_paint(cr);
  SetColour(cr, Scale(base, 0.55), 0.8);
  cairo_set_line_width(cr, 1);
  for (double d = -h; d < w + h; d += step) {
    cairo_move_to(cr, x + d, y);
    cairo_line_to(cr, x + d + h, y + h);
    cairo_move_to(cr, x + d, y + h);
    cairo_line_to(cr, x + d + h, y);
  }
  cairo_stroke(cr);
  SetColour(cr, Scale(base, 1.8), 0.7);
  for (double d = -h; d < w + h; d += step)
    for (double k = 0; k * step / 2 <= h; ++k) {
      const double cx = x + d + k * step / 2, cy = y + k * step / 2;
      if ((static_cast<int>(k) % 2) == 0) {
        cairo_new_sub_path(cr);
        cairo_arc(cr, cx, cy, 0.8, 0, 2 * Pi);
      }
    }
  cairo_fill(cr);
  cairo_restore(cr);
}

void NeonLine(cairo_t* cr, double x0, double y0, double x1, double y1, Colour c) {
  cairo_move_to(cr, x0, y0);
  cairo_line_to(cr, x1, y1);
  SetColour(cr, c, 0.35);
  cairo_set_line_width(cr, 3);
  cairo_stroke_preserve(cr);
  SetColour(cr, Mix(c, Rgb8(255, 255, 255), 0.4));
  cairo_set_line_width(cr, 1);
  cairo_stroke(cr);
}

// An empty place for a card: a dark recess with a faint neon edge.
void EmptySlot(cairo_t* cr, double x, double y, double w, double h, Colour edge) {
  Gradient(cr, 0, y, 0, y + h, Rgb8(20, 14, 44), Rgb8(34, 20, 62));
  cairo_rectangle(cr, x, y, w, h);
  cairo_fill(cr);
  SetColour(cr, edge, 0.75);
  cairo_set_line_width(cr, 1);
  RoundRect(cr, x + 1.5, y + 1.5, w - 3, h - 3, 3);
  cairo_stroke(cr);
  // A small crescent in the middle, the club's mark.
  const double cx = x + w / 2, cy = y + h / 2;
  cairo_new_sub_path(cr);
  cairo_arc(cr, cx, cy, 5, 0, 2 * Pi);
  cairo_new_sub_path(cr);
  cairo_arc_negative(cr, cx + 2.5, cy - 1.5, 4.2, 2 * Pi, 0);
  cairo_set_fill_rule(cr, CAIRO_FILL_RULE_EVEN_ODD);
  SetColour(cr, edge, 0.22);
  cairo_fill(cr);
  cairo_set_fill_rule(cr, CAIRO_FILL_RULE_WINDING);
}

void ZoomButton(cairo_t* cr, bool pressed) {
  using namespace board;
  const double x = ZoomX, y = ZoomY, w = ZoomWidth, h = ZoomHeight;
  Gradient(cr, 0, y, 0, y + h, pressed ? Rgb8(90, 20, 90) : club::ChromeLight,
           pressed ? Rgb8(200, 40, 170) : club::ChromeDark);
  RoundRect(cr, x + 0.5, y + 0.5, w - 1, h - 1, 4);
  cairo_fill_preserve(cr);
  SetColour(cr, pressed ? club::Magenta : Rgb8(60, 50, 90));
  cairo_set_line_width(cr, 1);
  cairo_stroke(cr);
  // A magnifying glass.
  const Colour ink = pressed ? Rgb8(255, 240, 255) : Rgb8(40, 28, 70);
  const double ox = pressed ? 1 : 0;
  cairo_new_sub_path(cr);
  cairo_arc(cr, x + 14 + ox, y + 7 + ox, 4, 0, 2 * Pi);
  SetColour(cr, ink);
  cairo_set_line_width(cr, 1.6);
  cairo_stroke(cr);
  cairo_move_to(cr, x + 17 + ox, y + 10 + ox);
  cairo_line_to(cr, x + 21 + ox, y + 13.5 + ox);
  cairo_set_line_width(cr, 2.2);
  cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
  cairo_stroke(cr);
  cairo_set_line_cap(cr, CAIRO_LINE_CAP_BUTT);
  if (pressed) {
    cairo_new_sub_path(cr);
    cairo_arc(cr, x + 14 + ox, y + 7 + ox, 2.8, 0, 2 * Pi);
    SetColour(cr, club::Cyan, 0.6);
    cairo_fill(cr);
  }
}

}  // namespace

RgbPicture DrawBoardFrame(bool zoomPressed) {
  using namespace board;
  ArtCanvas canvas(240, 320);
  cairo_t* cr = canvas.Cr();
  // The room: indigo velvet above, a chrome-edged counter below.
  Velvet(cr, 0, 0, 240, 232, club::Indigo, 12);
  Velvet(cr, 0, 250, 240, 70, club::Velvet, 10);
  // The table under the cells.
  Gradient(cr, 0, 0, 240, 232, Rgb8(44, 22, 86), Rgb8(30, 14, 62));
  RoundRect(cr, 1, 1, 238, 230, 6);
  cairo_fill(cr);
  // Chrome grid between the cells.
  for (int c = 0; c <= Columns; ++c) {
    const double x = CellX(c) - 4 + 0.5;
    if (c > 0 && c < Columns) NeonLine(cr, x + 0.0, 6, x + 0.0, 226, c % 2 ? club::Magenta : club::Cyan);
  }
  for (int r = 1; r < Rows; ++r) {
    const double y = CellY(r) - 4 + 0.5;
    NeonLine(cr, 4, y, 236, y, r % 2 ? club::Cyan : club::Magenta);
  }
  SetColour(cr, club::ChromeLight, 0.9);
  cairo_set_line_width(cr, 1);
  RoundRect(cr, 1.5, 1.5, 237, 229, 6);
  cairo_stroke(cr);
  for (int c = 0; c < Columns; ++c)
    for (int r = 0; r < Rows; ++r)
      EmptySlot(cr, CellX(c), CellY(r), CellWidth, CellHeight, (c + r) % 2 ? club::Magenta : club::Cyan);

  // The band under the board: zoom button and status line.
  Gradient(cr, 0, 229, 0, 250, Rgb8(70, 72, 96), Rgb8(30, 26, 52));
  cairo_rectangle(cr, 0, 229, 240, 21);
  cairo_fill(cr);
  SetColour(cr, club::ChromeLight, 0.8);
  cairo_move_to(cr, 0, 229.5);
  cairo_line_to(cr, 240, 229.5);
  cairo_move_to(cr, 0, 249.5);
  cairo_line_to(cr, 240, 249.5);
  cairo_set_line_width(cr, 1);
  cairo_stroke(cr);
  // The status line: plain dark glass, so restored pieces of it always match.
  SetColour(cr, Rgb8(16, 12, 34));
  cairo_rectangle(cr, StatusX, StatusY, StatusWidth, StatusHeight);
  cairo_fill(cr);
  SetColour(cr, club::Amber, 0.7);
  cairo_rectangle(cr, StatusX - 1.5, StatusY - 1.5, StatusWidth + 3, StatusHeight + 3);
  cairo_stroke(cr);
  ZoomButton(cr, zoomPressed);
  SetColour(cr, club::Amber, 0.8);
  cairo_rectangle(cr, 235, 234, 3, 15);
  cairo_fill(cr);

  // The hand row (the local player, side 0: red) and the draw pile.
  Gradient(cr, 0, 254, 0, 320, Rgb8(60, 14, 40), Rgb8(30, 10, 30));
  RoundRect(cr, 56.5, 258.5, 183, 60, 5);
  cairo_fill_preserve(cr);
  SetColour(cr, club::SideRed, 0.9);
  cairo_stroke(cr);
  for (int i = 0; i < HandSlots; ++i) EmptySlot(cr, HandX(i), HandY, CellWidth, CellHeight, Rgb8(255, 110, 120));
  EmptySlot(cr, PileX, PileY, PileWidth, PileHeight, club::Amber);
  SetColour(cr, club::ChromeLight, 0.85);
  cairo_rectangle(cr, PileX - 2.5, PileY - 2.5, PileWidth + 5, PileHeight + 5);
  cairo_stroke(cr);
  NeonLine(cr, 4, 316, 52, 316, club::Amber);
  return canvas.Opaque();
}

RgbPicture DrawBlockCard() {
  ArtCanvas canvas(board::CellWidth, board::CellHeight);
  cairo_t* cr = canvas.Cr();
  // A reserved table: steel plate, velvet rope across, chrome posts.
  Gradient(cr, 0, 0, 32, 50, Rgb8(88, 90, 110), Rgb8(44, 44, 62));
  cairo_paint(cr);
  SetColour(cr, Rgb8(150, 152, 172));
  cairo_set_line_width(cr, 1);
  cairo_rectangle(cr, 0.5, 0.5, 31, 49);
  cairo_stroke(cr);
  SetColour(cr, Rgb8(30, 28, 44));
  cairo_rectangle(cr, 2.5, 2.5, 27, 45);
  cairo_stroke(cr);
  for (int s : {0, 1}) {
    cairo_move_to(cr, s ? 28 : 4, 6);
    cairo_curve_to(cr, s ? 18 : 14, 22, s ? 14 : 18, 28, s ? 4 : 28, 44);
    SetColour(cr, Rgb8(60, 8, 30));
    cairo_set_line_width(cr, 4.5);
    cairo_stroke_preserve(cr);
    SetColour(cr, Rgb8(196, 30, 84));
    cairo_set_line_width(cr, 2.5);
    cairo_stroke(cr);
  }
  for (double y : {6.0, 44.0})
    for (double x : {4.0, 28.0}) {
      cairo_new_sub_path(cr);
      cairo_arc(cr, x, y, 2.6, 0, 2 * Pi);
      SetColour(cr, Rgb8(240, 210, 120));
      cairo_fill(cr);
    }
  return canvas.Opaque();
}

RgbPicture DrawCardBack() {
  ArtCanvas canvas(board::CellWidth, board::CellHeight);
  cairo_t* cr = canvas.Cr();
  Gradient(cr, 0, 0, 32, 50, Rgb8(96, 20, 110), Rgb8(30, 14, 70));
  cairo_paint(cr);
  // Fine diagonal weave.
  SetColour(cr, Rgb8(255, 90, 220), 0.18);
  cairo_set_line_width(cr, 0.8);
  for (int d = -50; d < 32; d += 4) {
    cairo_move_to(cr, d, 0);
    cairo_line_to(cr, d + 50, 50);
    cairo_move_to(cr, d + 50, 0);
    cairo_line_to(cr, d, 50);
  }
  cairo_stroke(cr);
  SetColour(cr, club::ChromeLight);
  cairo_set_line_width(cr, 1);
  cairo_rectangle(cr, 0.5, 0.5, 31, 49);
  cairo_stroke(cr);
  SetColour(cr, club::Cyan, 0.9);
  RoundRect(cr, 3.5, 3.5, 25, 43, 3);
  cairo_stroke(cr);
  // The crescent and star of the club.
  cairo_new_sub_path(cr);
  cairo_arc(cr, 16, 25, 8, 0, 2 * Pi);
  cairo_new_sub_path(cr);
  cairo_arc_negative(cr, 19.5, 22.5, 6.8, 2 * Pi, 0);
  cairo_set_fill_rule(cr, CAIRO_FILL_RULE_EVEN_ODD);
  SetColour(cr, club::Amber);
  cairo_fill(cr);
  cairo_set_fill_rule(cr, CAIRO_FILL_RULE_WINDING);
  for (int k = 0; k < 10; ++k) {
    const double a = -Pi / 2 + k * Pi / 5, r = k % 2 ? 1.2 : 3;
    if (k == 0)
      cairo_move_to(cr, 20 + r * std::cos(a), 22 + r * std::sin(a));
    else
      cairo_line_to(cr, 20 + r * std::cos(a), 22 + r * std::sin(a));
  }
  cairo_close_path(cr);
  SetColour(cr, Rgb8(255, 250, 230));
  cairo_fill(cr);
  return canvas.Opaque();
}

RgbPicture DrawPowerIcon(int strength) {
  // Yellow, orange, red, purple, blue: the weakest to the strongest. The two
  // strongest stand far apart in hue and in shape: 4 is a purple gem in a dark
  // rim like the weaker ones, 5 a brighter azure gem ringed in pale light.
  static const Colour gems[5] = {Rgb8(255, 230, 40), Rgb8(255, 140, 20), Rgb8(235, 40, 40), Rgb8(200, 50, 230),
                                 Rgb8(30, 140, 255)};
  const int s = strength < 1 ? 1 : strength > 5 ? 5 : strength;
  const Colour c = gems[s - 1];
  ArtCanvas canvas(PowerIconSize, PowerIconSize);
  cairo_t* cr = canvas.Cr();
  SetColour(cr, Rgb8(24, 16, 40));
  cairo_paint(cr);
  cairo_new_sub_path(cr);
  cairo_arc(cr, 3.5, 3.5, s == 5 ? 3.5 : 3.1, 0, 2 * Pi);
  SetColour(cr, s == 5 ? Rgb8(210, 236, 255) : Scale(c, 0.55));
  cairo_fill(cr);
  cairo_new_sub_path(cr);
  cairo_arc(cr, 3.5, 3.5, s == 5 ? 2.2 : 2.3, 0, 2 * Pi);
  SetColour(cr, c);
  cairo_fill(cr);
  cairo_rectangle(cr, 2, 2, 1.4, 1.4);
  SetColour(cr, Mix(c, Rgb8(255, 255, 255), 0.7));
  cairo_fill(cr);
  return canvas.Opaque();
}

bool ForgeBoardPictures(ForgeOutput& out) {
  if (!WritePngPicture(out, "GFX\\GENERAL\\BoardUI.QXG", DrawBoardFrame(false)) ||
      !WritePngPicture(out, "GFX\\GENERAL\\BoardUIZoomON.QXG", DrawBoardFrame(true)) ||
      !WritePngPicture(out, "GFX\\GENERAL\\BlockCard.QXG", DrawBlockCard()) ||
      !WritePngPicture(out, "GFX\\CARDS\\SET 1\\CARDS SMALL\\BackCard.QXG", DrawCardBack()))
    return false;
  for (int s = 1; s <= 5; ++s)
    if (!WritePngPicture(out, "GFX\\CARDS\\SET 1\\CARDS SMALL\\PowerIcon" + std::to_string(s) + ".QXG",
                         DrawPowerIcon(s)))
      return false;
  return true;
}
