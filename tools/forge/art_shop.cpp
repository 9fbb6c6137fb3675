// art_shop.cpp -- the card shop's counter and the card manager's table. Both screens share their button faces:
// every face paints its whole rectangle opaque first, so it looks the same over any background and the normal
// looks cut from the shop picture match the screens they are drawn on.
#include "tools/forge/art_shop.h"

#include <cmath>
#include <string>

#include "tools/forge/art_club_draw.h"
#include "tools/forge/art_palette.h"

namespace {

// The BACK button of both screens: one face over the union of the shop's and the manager's rectangles
// ((204, 300) 36 x 20 and (202, 304) 38 x 16), its label inside their common part.
constexpr int BackX = 202, BackY = 300, BackW = 38, BackH = 20;

void BackFace(cairo_t* cr, bool pressed) {
  Face(cr, BackX, BackY, BackW, BackH, "BACK", pressed, FaceStyle::Pill, 222, 312);
}

// A booster pack standing upright: foil body, crimped top and bottom, the club's star.
void Pack(cairo_t* cr, double cx, double cy, double w, double h, double hue) {
  const double x = cx - w / 2, y = cy - h / 2;
  RoundRect(cr, x, y, w, h, w * 0.08);
  LinearSource(cr, x, y, x + w, y + h, Hsv(hue, 0.55, 1.0), Hsv(hue + 0.08, 0.8, 0.45));
  cairo_fill(cr);
  // Foil shine.
  cairo_move_to(cr, x + w * 0.15, y + h * 0.1);
  cairo_line_to(cr, x + w * 0.35, y + h * 0.1);
  cairo_line_to(cr, x + w * 0.15, y + h * 0.9);
  cairo_line_to(cr, x + w * 0.02, y + h * 0.9);
  cairo_close_path(cr);
  SetColour(cr, Rgb8(255, 255, 255), 0.25);
  cairo_fill(cr);
  for (double band : {y, y + h - h * 0.1}) {
    cairo_rectangle(cr, x, band, w, h * 0.1);
    LinearSource(cr, 0, band, 0, band + h * 0.1, club::ChromeLight, club::ChromeDark);
    cairo_fill(cr);
    SetColour(cr, Rgb8(60, 60, 90), 0.7);
    cairo_set_line_width(cr, std::max(0.5, w * 0.02));
    for (double k = x + 2; k < x + w - 1; k += std::max(2.0, w * 0.08)) {
      cairo_move_to(cr, k, band + 1);
      cairo_line_to(cr, k, band + h * 0.1 - 1);
    }
    cairo_stroke(cr);
  }
  // The star.
  cairo_new_path(cr);
  for (int k = 0; k < 10; ++k) {
    const double a = -Pi / 2 + k * Pi / 5, rr = (k % 2 ? 0.4 : 1.0) * w * 0.24;
    cairo_line_to(cr, cx + rr * std::cos(a), cy - h * 0.05 + rr * std::sin(a));
  }
  cairo_close_path(cr);
  SetColour(cr, club::Amber);
  cairo_fill(cr);
}

void ShopBackground(cairo_t* cr) {
  FillGradient(cr, 0, 0, 240, 320, Rgb8(24, 12, 50), Rgb8(40, 14, 62));
  // Header: the shop's name on the left, a dark band on the right for the credits line.
  VelvetQuilt(cr, 0, 0, 240, 22, Rgb8(90, 20, 80), 10);
  cairo_rectangle(cr, 110, 2, 130, 15);
  SetColour(cr, Rgb8(14, 8, 30));
  cairo_fill(cr);
  GlowLine(cr, 0, 22.5, 240, 22.5, club::Magenta, 1);
  NeonText(cr, "CARD SHOP", 6, 17, 15, ArtFont::SansBold, club::Magenta, 100);
  // The counter's sign.
  ChromePanel(cr, 10, 28, 220, 40, 6, Rgb8(30, 12, 54));
  NeonTextCentred(cr, "BOOSTERS", 120, 46, 15, ArtFont::SansBold, club::Amber, 200);
  SelectArtFont(cr, ArtFont::Sans, 8.5);
  SetColour(cr, Rgb8(210, 220, 255));
  DrawCentredText(cr, "8 cards each, one of them rare - prices in credits", 120, 61);
  // The price list behind the buy buttons, a booster stack on the left and a card fan on the right.
  ChromePanel(cr, 56, 71, 128, 81, 5, Rgb8(20, 10, 40));
  for (int k = 0; k < 3; ++k) Pack(cr, 18 + k * 11, 118 - k * 6, 22, 34, 0.85 + k * 0.08);
  for (int k = 0; k < 5; ++k) {
    cairo_save(cr);
    cairo_translate(cr, 211, 140);
    cairo_rotate(cr, (k - 2) * 0.22);
    RoundRect(cr, -8, -44, 16, 24, 2);
    SetColour(cr, Hsv(0.55 + k * 0.1, 0.6, 0.85));
    cairo_fill_preserve(cr);
    SetColour(cr, club::ChromeLight);
    cairo_set_line_width(cr, 1);
    cairo_stroke(cr);
    cairo_restore(cr);
  }
  // The deck services.
  GlowLine(cr, 20, 168.5, 220, 168.5, club::Cyan, 1);
  NeonTextCentred(cr, "YOUR DECK", 120, 183, 11, ArtFont::SansBold, club::Cyan);
  ChromePanel(cr, 24, 186, 192, 93, 6, Rgb8(20, 10, 40));
  // Floor of the shop.
  FillGradient(cr, 0, 284, 240, 36, Rgb8(50, 20, 70), Rgb8(20, 10, 40));
  GlowLine(cr, 0, 284.5, 240, 284.5, club::Amber, 1);
}

void ShopFace(cairo_t* cr, int index, bool pressed) {
  const ButtonPlace& b = shop::Buttons[index];
  if (index == 5) {
    BackFace(cr, pressed);
    return;
  }
  if (index < 5) {
    // A price row: the lot on the left, its price on the right.
    Face(cr, b.x, b.y, b.w, b.h, "", pressed, FaceStyle::Pill);
    SelectArtFont(cr, ArtFont::CondensedBold, 9);
    SetColour(cr, pressed ? Rgb8(255, 255, 255) : Rgb8(226, 234, 255));
    cairo_move_to(cr, b.x + 7 + (pressed ? 1 : 0), b.y + 10.5 + (pressed ? 1 : 0));
    cairo_show_text(cr, b.label);
    const std::string price = std::to_string(shop::Prices[index]);
    SetColour(cr, pressed ? Rgb8(255, 255, 200) : club::Amber);
    cairo_move_to(cr, b.x + b.w - 7 - ArtTextWidth(cr, price) + (pressed ? 1 : 0), b.y + 10.5 + (pressed ? 1 : 0));
    cairo_show_text(cr, price.c_str());
    return;
  }
  Face(cr, b.x, b.y, b.w, b.h, b.label, pressed, FaceStyle::Pill);
}

void ManagerFace(cairo_t* cr, int index, bool pressed) {
  const ButtonPlace& b = manager::Buttons[index];
  if (index == 4) {
    BackFace(cr, pressed);
    return;
  }
  const bool arrow = index == 0 || index == 2 || index == 6 || index == 7;
  Face(cr, b.x, b.y, b.w, b.h, b.label, pressed, arrow ? FaceStyle::Arrow : FaceStyle::Small);
}

}  // namespace

RgbPicture DrawShopScreen(bool withManager, int pressed) {
  ArtCanvas canvas(240, 320);
  cairo_t* cr = canvas.Cr();
  ShopBackground(cr);
  if (withManager)
    for (int i = 0; i < manager::ButtonCount; ++i) ManagerFace(cr, i, false);
  for (int i = 0; i < shop::ButtonCount; ++i) ShopFace(cr, i, i == pressed);
  return canvas.Opaque();
}

RgbPicture DrawCollectionScreen(int pressed) {
  using namespace manager;
  ArtCanvas canvas(240, 320);
  cairo_t* cr = canvas.Cr();
  FillGradient(cr, 0, 0, 240, 320, Rgb8(22, 12, 46), Rgb8(34, 14, 58));
  VelvetQuilt(cr, 0, 0, 240, 23, Rgb8(90, 20, 80), 10);
  NeonText(cr, "COLLECTION", 6, 17, 14, ArtFont::SansBold, club::Cyan, 138);
  GlowLine(cr, 0, 23.5, 240, 23.5, club::Cyan, 1);
  // The grid's table: green baize behind 24 dark card wells.
  RoundRect(cr, 16.5, 23.5, 207, 209, 4);
  SetColour(cr, Rgb8(16, 60, 54));
  cairo_fill(cr);
  for (int r = 0; r < 4; ++r)
    for (int c = 0; c < 6; ++c) {
      cairo_rectangle(cr, GridX(c), GridY(r), 32, 50);
      SetColour(cr, Rgb8(12, 30, 34));
      cairo_fill(cr);
      cairo_rectangle(cr, GridX(c) + 0.5, GridY(r) + 0.5, 31, 49);
      SetColour(cr, Rgb8(40, 110, 100));
      cairo_set_line_width(cr, 1);
      cairo_stroke(cr);
    }
  // The credits band and the deck strip.
  cairo_rectangle(cr, 34, 233, 160, 13);
  SetColour(cr, Rgb8(14, 8, 30));
  cairo_fill(cr);
  RoundRect(cr, 1.5, 244.5, 237, 56, 4);
  SetColour(cr, Rgb8(40, 16, 60));
  cairo_fill_preserve(cr);
  SetColour(cr, club::ChromeDark);
  cairo_stroke(cr);
  for (int k = 0; k < Slots; ++k) {
    cairo_rectangle(cr, StripX(k), StripY, 32, 50);
    SetColour(cr, Rgb8(16, 8, 32));
    cairo_fill(cr);
    cairo_rectangle(cr, StripX(k) + 0.5, StripY + 0.5, 31, 49);
    SetColour(cr, Rgb8(120, 70, 160));
    cairo_stroke(cr);
  }
  SelectArtFont(cr, ArtFont::CondensedBold, 9);
  SetColour(cr, club::Amber);
  DrawCentredText(cr, "DECK", 129.5, 315);
  for (int i = 0; i < ButtonCount; ++i) ManagerFace(cr, i, i == pressed);
  return canvas.Opaque();
}

RgbPicture DrawCollectionBorder() {
  using namespace manager;
  ArtCanvas canvas(BorderWidth, BorderHeight);
  cairo_t* cr = canvas.Cr();
  // A two-pixel neon frame; the inside stays transparent so the card shows.
  cairo_rectangle(cr, 0, 0, BorderWidth, BorderHeight);
  cairo_rectangle(cr, 2, 2, BorderWidth - 4, BorderHeight - 4);
  cairo_set_fill_rule(cr, CAIRO_FILL_RULE_EVEN_ODD);
  LinearSource(cr, 0, 0, 0, BorderHeight, Rgb8(255, 230, 120), club::Amber);
  cairo_fill(cr);
  return canvas.Keyed();
}

RgbPicture DrawBoosterFrame(int frame) {
  using namespace shop;
  ArtCanvas canvas(BoosterWidth, BoosterHeight);
  cairo_t* cr = canvas.Cr();
  // The stand: a dark rounded panel with a spotlight; every frame covers the one before it.
  RoundRect(cr, 1, 1, BoosterWidth - 2, BoosterHeight - 2, 10);
  SetColour(cr, Rgb8(20, 10, 40));
  cairo_fill_preserve(cr);
  SetColour(cr, club::ChromeLight, 0.9);
  cairo_set_line_width(cr, 1.5);
  cairo_stroke(cr);
  const double cx = 60, cy = 70, w = 48, h = 68;
  const double burst = frame >= 6 ? std::min(1.0, (frame - 5) / 3.0) : 0.0;
  cairo_pattern_t* spot = cairo_pattern_create_radial(cx, cy - 10, 2, cx, cy - 10, 50 + 10 * burst);
  cairo_pattern_add_color_stop_rgba(spot, 0, 1.0, 0.8, 0.4, 0.35 + 0.4 * burst);
  cairo_pattern_add_color_stop_rgba(spot, 1, 1.0, 0.3, 0.8, 0.0);
  cairo_set_source(cr, spot);
  RoundRect(cr, 3, 3, BoosterWidth - 6, BoosterHeight - 6, 8);
  cairo_fill(cr);
  cairo_pattern_destroy(spot);

  const double shake = (frame == 1) ? -0.09 : (frame == 2 ? 0.09 : 0.0);
  const double tearY = cy - h / 2 + h * 0.17;  // the tear runs across below the crimped top
  const double tear = frame < 3 ? 0.0 : std::min(1.0, (frame - 2) / 3.0);
  cairo_save(cr);
  cairo_translate(cr, cx, cy + h / 2);
  cairo_rotate(cr, shake);
  cairo_translate(cr, -cx, -(cy + h / 2));
  // Cards rising out of the opened pack (behind its front), the rare one last and glowing.
  if (frame >= 8) {
    const int shown = frame == 8 ? 3 : (frame == 9 ? 5 : 8);
    const double rise = frame == 8 ? 14 : (frame == 9 ? 24 : 32);
    for (int k = 0; k < shown; ++k) {
      const double spread = (k - (shown - 1) / 2.0) * 0.16;
      cairo_save(cr);
      cairo_translate(cr, cx, tearY + 20);
      cairo_rotate(cr, spread);
      const bool rare = k == shown - 1 && frame == 10;
      RoundRect(cr, -10, -20 - rise, 20, 30, 2.5);
      LinearSource(cr, 0, -20 - rise, 0, 10 - rise, rare ? Rgb8(255, 240, 150) : Hsv(0.7 + 0.04 * k, 0.5, 0.9),
                   rare ? club::Amber : Hsv(0.75 + 0.04 * k, 0.8, 0.5));
      cairo_fill_preserve(cr);
      SetColour(cr, rare ? Rgb8(255, 255, 255) : club::ChromeLight);
      cairo_set_line_width(cr, rare ? 1.5 : 1);
      cairo_stroke(cr);
      cairo_restore(cr);
    }
  }
  // The body below the tear line.
  cairo_save(cr);
  cairo_rectangle(cr, 0, tearY, BoosterWidth, BoosterHeight);
  cairo_clip(cr);
  Pack(cr, cx, cy, w, h, 0.88);
  cairo_restore(cr);
  // The top strip: still attached, lifting as the tear runs along, then flying away.
  cairo_save(cr);
  if (frame >= 6) {
    const double t = (frame - 5) / 5.0;
    cairo_translate(cr, 40 * t, -28 * t);
    cairo_translate(cr, cx + w / 2, tearY);
    cairo_rotate(cr, 0.6 + 1.2 * t);
    cairo_translate(cr, -(cx + w / 2), -tearY);
  } else if (tear > 0) {
    cairo_translate(cr, cx + w / 2, tearY);
    cairo_rotate(cr, -0.35 * tear);
    cairo_translate(cr, -(cx + w / 2), -tearY);
  }
  if (frame < 10) {
    cairo_rectangle(cr, 0, 0, BoosterWidth, tearY);
    cairo_clip(cr);
    Pack(cr, cx, cy, w, h, 0.88);
  }
  cairo_restore(cr);
  // The jagged torn edge, lit from inside the pack.
  if (tear > 0) {
    cairo_move_to(cr, cx - w / 2, tearY);
    const double end = cx - w / 2 + w * tear;
    for (double x = cx - w / 2; x <= end; x += 4)
      cairo_line_to(cr, x, tearY + ((static_cast<int>(x) / 4) % 2 ? 2 : -1));
    SetColour(cr, Rgb8(255, 250, 210));
    cairo_set_line_width(cr, 1.5);
    cairo_stroke(cr);
  }
  cairo_restore(cr);
  // Sparkles once it bursts.
  if (burst > 0) {
    ArtScatter s(1234u + static_cast<unsigned>(frame));
    for (int k = 0; k < 6 + frame; ++k) {
      const double a = s.Next() * 2 * Pi, d = 20 + s.Next() * 30 * burst;
      const double x = cx + d * std::cos(a), y = cy - 18 + d * std::sin(a) * 0.8;
      cairo_move_to(cr, x - 2.5, y);
      cairo_line_to(cr, x + 2.5, y);
      cairo_move_to(cr, x, y - 2.5);
      cairo_line_to(cr, x, y + 2.5);
    }
    SetColour(cr, Rgb8(255, 250, 220));
    cairo_set_line_width(cr, 1);
    cairo_stroke(cr);
  }
  return canvas.Keyed();
}
