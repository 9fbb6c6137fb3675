// art_final.cpp -- the Hell gate seen up close, the card master in his lair, and the end credits and their pages.
#include "tools/forge/art_final.h"

#include <array>
#include <cmath>

#include "tools/forge/art_club_draw.h"
#include "tools/forge/art_palette.h"

namespace finale {
// The role pages, then the five people of the team (their names are the file names the game opens).
const CreditsPageLook PageLooks[PageLookCount] = {
    {"code.QXB", "CODE", true},
    {"graphics.QXB", "GRAPHICS", true},
    {"AI.QXB", "AI", true},
    {"ui.QXB", "UI", true},
    {"translation.QXB", "TRANSLATION", true},
    {"Ilse Marrow.QXB", "Ilse Marrow", false},
    {"Tomas Quillon.QXB", "Tomas Quillon", false},
    {"Nadia Ferreol.QXB", "Nadia Ferreol", false},
    {"Oskar Blyth.QXB", "Oskar Blyth", false},
    {"Mirela Santo.QXB", "Mirela Santo", false},
};
}  // namespace finale

namespace {

using namespace finale;

// One colour stop of a glow: offset, then red, green, blue and alpha.
struct GlowStop {
  double offset, r, g, b, a;
};

// A round glow from radius r0 to r1 around (x, y), painted over the whole picture.
void PaintGlow(cairo_t* cr, double x, double y, double r0, double r1, const std::array<GlowStop, 3>& stops) {
  cairo_pattern_t* glow = cairo_pattern_create_radial(x, y, r0, x, y, r1);
  for (const GlowStop& s : stops) cairo_pattern_add_color_stop_rgba(glow, s.offset, s.r, s.g, s.b, s.a);
  cairo_set_source(cr, glow);
  cairo_paint(cr);
  cairo_pattern_destroy(glow);
}

const Colour Ember = Rgb8(255, 120, 30);
const Colour Brimstone = Rgb8(255, 196, 60);
const Colour Blood = Rgb8(150, 16, 30);

// The lair's walls: dark rock lit red from below, with drifting smoke.
void LairBackground(cairo_t* cr, unsigned seed) {
  FillGradient(cr, 0, 0, ScreenW, ScreenH, Rgb8(20, 8, 30), Rgb8(110, 18, 24));
  ArtScatter scatter(seed);
  // Rock ribs.
  for (int k = 0; k < 14; ++k) {
    const double x = scatter.Next() * ScreenW, y = scatter.Next() * ScreenH;
    const double r = 20 + scatter.Next() * 40;
    cairo_pattern_t* g = cairo_pattern_create_radial(x, y, 1, x, y, r);
    cairo_pattern_add_color_stop_rgba(g, 0, 0.05, 0.02, 0.08, 0.55);
    cairo_pattern_add_color_stop_rgba(g, 1, 0.05, 0.02, 0.08, 0);
    cairo_set_source(cr, g);
    cairo_arc(cr, x, y, r, 0, 2 * Pi);
    cairo_fill(cr);
    cairo_pattern_destroy(g);
  }
  // Smoke wisps rising.
  for (int k = 0; k < 9; ++k) {
    const double x = scatter.Next() * ScreenW;
    cairo_move_to(cr, x, ScreenH);
    for (int s = 1; s <= 6; ++s)
      cairo_curve_to(cr, x + (scatter.Next() - 0.5) * 50, ScreenH - s * 50 + 25, x + (scatter.Next() - 0.5) * 50,
                     ScreenH - s * 50 + 10, x + (scatter.Next() - 0.5) * 30, ScreenH - s * 50);
    SetColour(cr, Rgb8(200, 150, 170), 0.08);
    cairo_set_line_width(cr, 14);
    cairo_stroke(cr);
  }
  // Embers.
  for (int k = 0; k < 60; ++k) {
    const double x = scatter.Next() * ScreenW, y = scatter.Next() * ScreenH;
    SetColour(cr, Mix(Ember, Brimstone, scatter.Next()), 0.4 + 0.5 * scatter.Next());
    cairo_arc(cr, x, y, 0.6 + scatter.Next() * 1.2, 0, 2 * Pi);
    cairo_fill(cr);
  }
}

void Flames(cairo_t* cr, double left, double right, double base, double height, unsigned seed) {
  ArtScatter scatter(seed);
  const int count = static_cast<int>((right - left) / 9);
  for (int layer = 0; layer < 2; ++layer) {
    for (int k = 0; k <= count; ++k) {
      const double x = left + (right - left) * k / count + (scatter.Next() - 0.5) * 4;
      const double h = height * (0.5 + 0.5 * scatter.Next()) * (layer ? 0.6 : 1.0);
      const double lean = (scatter.Next() - 0.5) * 10;
      cairo_move_to(cr, x - 7, base);
      cairo_curve_to(cr, x - 8, base - h * 0.5, x + lean, base - h * 0.6, x + lean, base - h);
      cairo_curve_to(cr, x + 3, base - h * 0.55, x + 8, base - h * 0.4, x + 7, base);
      cairo_close_path(cr);
    }
    LinearSource(cr, 0, base, 0, base - height, layer ? Brimstone : Ember, layer ? Rgb8(255, 250, 200) : Blood);
    cairo_fill(cr);
  }
}

// A dark glass panel with a chrome rim, for the typed words.
void SpeechPanel(cairo_t* cr, double x, double y, double w, double h, Colour rim) {
  RoundRect(cr, x, y, w, h, 6);
  SetColour(cr, Rgb8(12, 6, 22), 0.82);
  cairo_fill_preserve(cr);
  SetColour(cr, rim, 0.9);
  cairo_set_line_width(cr, 1.5);
  cairo_stroke(cr);
  RoundRect(cr, x + 2.5, y + 2.5, w - 5, h - 5, 4);
  SetColour(cr, club::ChromeDark, 0.5);
  cairo_set_line_width(cr, 0.8);
  cairo_stroke(cr);
}

// A card back, fanned.
void CardBack(cairo_t* cr, double x, double y, double angle, double scale, Colour c) {
  cairo_save(cr);
  cairo_translate(cr, x, y);
  cairo_rotate(cr, angle);
  cairo_scale(cr, scale, scale);
  RoundRect(cr, -10, -32, 20, 30, 2.5);
  LinearSource(cr, 0, -32, 0, -2, Mix(c, Rgb8(255, 255, 255), 0.3), Scale(c, 0.5));
  cairo_fill_preserve(cr);
  SetColour(cr, Brimstone);
  cairo_set_line_width(cr, 1);
  cairo_stroke(cr);
  cairo_move_to(cr, 0, -26);
  cairo_line_to(cr, 5, -17);
  cairo_line_to(cr, 0, -8);
  cairo_line_to(cr, -5, -17);
  cairo_close_path(cr);
  SetColour(cr, Brimstone, 0.8);
  cairo_fill(cr);
  cairo_restore(cr);
}

void Horn(cairo_t* cr, double x, double y, double side, double size) {
  cairo_move_to(cr, x, y);
  cairo_curve_to(cr, x + side * size * 0.7, y - size * 0.1, x + side * size * 1.1, y - size * 0.6,
                 x + side * size * 1.05, y - size * 1.2);
  cairo_curve_to(cr, x + side * size * 0.75, y - size * 0.7, x + side * size * 0.5, y - size * 0.45,
                 x - side * size * 0.1, y - size * 0.3);
  cairo_close_path(cr);
  LinearSource(cr, x, y, x + side * size, y - size * 1.2, Rgb8(200, 180, 150), Rgb8(250, 240, 220));
  cairo_fill_preserve(cr);
  SetColour(cr, Rgb8(60, 30, 30));
  cairo_set_line_width(cr, 1);
  cairo_stroke(cr);
}

}  // namespace

RgbPicture DrawGateScene() {
  ArtCanvas canvas(ScreenW, ScreenH);
  cairo_t* cr = canvas.Cr();
  LairBackground(cr, 7);
  const double cx = ScreenW / 2.0;
  // The arch of the gate, its glow seen through the bars.
  const double top = 142, bottom = 250, half = 74;
  cairo_move_to(cr, cx - half, bottom);
  cairo_line_to(cr, cx - half, top + 50);
  cairo_curve_to(cr, cx - half, top - 14, cx + half, top - 14, cx + half, top + 50);
  cairo_line_to(cr, cx + half, bottom);
  cairo_close_path(cr);
  cairo_pattern_t* g = cairo_pattern_create_radial(cx, 200, 6, cx, 200, 120);
  cairo_pattern_add_color_stop_rgb(g, 0, 1.0, 0.85, 0.35);
  cairo_pattern_add_color_stop_rgb(g, 0.45, 0.85, 0.18, 0.05);
  cairo_pattern_add_color_stop_rgb(g, 1, 0.22, 0.02, 0.08);
  cairo_set_source(cr, g);
  cairo_fill_preserve(cr);
  cairo_pattern_destroy(g);
  SetColour(cr, Rgb8(96, 72, 78));
  cairo_set_line_width(cr, 9);
  cairo_stroke_preserve(cr);
  SetColour(cr, Rgb8(170, 140, 150));
  cairo_set_line_width(cr, 2);
  cairo_stroke(cr);
  // Stones of the arch.
  for (int k = 0; k <= 10; ++k) {
    const double a = Pi + Pi * k / 10;
    const double rx = half, ry = 62;
    const double x = cx + std::cos(a) * rx, y = top + 50 + std::sin(a) * ry;
    cairo_move_to(cr, x, y);
    cairo_line_to(cr, cx + std::cos(a) * (rx + 9), top + 50 + std::sin(a) * (ry + 9));
  }
  SetColour(cr, Rgb8(40, 20, 30));
  cairo_set_line_width(cr, 1.2);
  cairo_stroke(cr);
  Flames(cr, cx - half + 6, cx + half - 6, bottom, 60, 11);
  // The bars, in front of the fire.
  for (int k = -5; k <= 5; ++k) {
    const double x = cx + k * 13;
    const double y = top + 8 + std::abs(k) * std::abs(k) * 1.6;
    cairo_move_to(cr, x, bottom);
    cairo_line_to(cr, x, y);
    SetColour(cr, Rgb8(34, 16, 22));
    cairo_set_line_width(cr, 4);
    cairo_stroke(cr);
    // Spear tips.
    cairo_move_to(cr, x - 3.5, y + 2);
    cairo_line_to(cr, x, y - 7);
    cairo_line_to(cr, x + 3.5, y + 2);
    cairo_close_path(cr);
    SetColour(cr, Rgb8(120, 100, 100));
    cairo_fill(cr);
  }
  for (double y : {182.0, 226.0}) {
    cairo_move_to(cr, cx - half, y);
    cairo_line_to(cr, cx + half, y);
  }
  SetColour(cr, Rgb8(34, 16, 22));
  cairo_set_line_width(cr, 4);
  cairo_stroke(cr);
  // The card master's sign over the gate: horns and a burning card.
  Horn(cr, cx - 14, top - 8, -1, 24);
  Horn(cr, cx + 14, top - 8, 1, 24);
  CardBack(cr, cx, top + 4, 0, 1.0, Blood);
  // The floor.
  FillGradient(cr, 0, bottom, ScreenW, ScreenH - bottom, Rgb8(60, 14, 20), Rgb8(16, 6, 20));
  cairo_pattern_t* floor = cairo_pattern_create_radial(cx, bottom, 4, cx, bottom, 110);
  cairo_pattern_add_color_stop_rgba(floor, 0, 1.0, 0.5, 0.15, 0.55);
  cairo_pattern_add_color_stop_rgba(floor, 1, 1.0, 0.3, 0.1, 0);
  cairo_set_source(cr, floor);
  cairo_rectangle(cr, 0, bottom, ScreenW, ScreenH - bottom);
  cairo_fill(cr);
  cairo_pattern_destroy(floor);
  SpeechPanel(cr, LairPanelX, LairPanelY, LairPanelW, LairPanelH, club::Amber);
  SpeechPanel(cr, SpeechPanelX, SpeechPanelY, SpeechPanelW, SpeechPanelH, club::Cyan);
  return canvas.Opaque();
}

RgbPicture DrawCardMaster() {
  ArtCanvas canvas(ScreenW, ScreenH);
  cairo_t* cr = canvas.Cr();
  LairBackground(cr, 23);
  const double cx = ScreenW / 2.0;
  // His aura.
  PaintGlow(cr, cx, 120, 10, 130, {{{0, 1.0, 0.35, 0.1, 0.7}, {0.6, 0.6, 0.05, 0.2, 0.35}, {1, 0.3, 0.0, 0.2, 0}}});
  Flames(cr, 0, ScreenW, 236, 46, 31);
  // The cloak, wide at the shoulders.
  cairo_move_to(cr, cx - 96, 240);
  cairo_curve_to(cr, cx - 90, 170, cx - 70, 128, cx - 30, 118);
  cairo_line_to(cr, cx + 30, 118);
  cairo_curve_to(cr, cx + 70, 128, cx + 90, 170, cx + 96, 240);
  cairo_close_path(cr);
  LinearSource(cr, 0, 118, 0, 240, Rgb8(70, 14, 50), Rgb8(24, 8, 30));
  cairo_fill_preserve(cr);
  SetColour(cr, club::Magenta, 0.6);
  cairo_set_line_width(cr, 1.5);
  cairo_stroke(cr);
  // The collar points.
  for (int s = -1; s <= 1; s += 2) {
    cairo_move_to(cr, cx + s * 22, 122);
    cairo_line_to(cr, cx + s * 58, 82);
    cairo_line_to(cr, cx + s * 40, 132);
    cairo_close_path(cr);
  }
  LinearSource(cr, 0, 82, 0, 132, Rgb8(150, 20, 40), Rgb8(60, 8, 30));
  cairo_fill(cr);
  // The head in its hood, horns through it.
  Horn(cr, cx - 16, 66, -1, 36);
  Horn(cr, cx + 16, 66, 1, 36);
  cairo_move_to(cr, cx - 28, 124);
  cairo_curve_to(cr, cx - 34, 80, cx - 20, 50, cx, 48);
  cairo_curve_to(cr, cx + 20, 50, cx + 34, 80, cx + 28, 124);
  cairo_close_path(cr);
  SetColour(cr, Rgb8(30, 10, 34));
  cairo_fill(cr);
  // The face in shadow: glowing eyes and a thin grin.
  for (int s = -1; s <= 1; s += 2) {
    cairo_save(cr);
    cairo_translate(cr, cx + s * 9, 86);
    cairo_scale(cr, 1.0, 0.45);
    cairo_arc(cr, 0, 0, 6, 0, 2 * Pi);
    cairo_restore(cr);
    SetColour(cr, Brimstone, 0.35);
    cairo_fill(cr);
    cairo_save(cr);
    cairo_translate(cr, cx + s * 9, 86);
    cairo_scale(cr, 1.0, 0.4);
    cairo_arc(cr, 0, 0, 3.2, 0, 2 * Pi);
    cairo_restore(cr);
    SetColour(cr, Rgb8(255, 250, 190));
    cairo_fill(cr);
  }
  cairo_move_to(cr, cx - 10, 102);
  cairo_curve_to(cr, cx - 4, 107, cx + 4, 107, cx + 10, 102);
  SetColour(cr, Ember, 0.9);
  cairo_set_line_width(cr, 1.4);
  cairo_stroke(cr);
  // His hands hold the cards: a fan on each side, the super cards glowing.
  for (int s = -1; s <= 1; s += 2) {
    const double hx = cx + s * 62, hy = 196;
    for (int k = 0; k < 5; ++k)
      CardBack(cr, hx, hy, s * (0.15 + 0.16 * k) - s * 0.35, 1.1, k == 2 ? Rgb8(230, 160, 30) : Blood);
    cairo_arc(cr, hx, hy, 7, 0, 2 * Pi);
    SetColour(cr, Rgb8(200, 160, 170));
    cairo_fill(cr);
  }
  // Three super cards float over his head.
  for (int k = -1; k <= 1; ++k) CardBack(cr, cx + k * 30, 40 - std::abs(k) * 6, k * 0.25, 0.8, Rgb8(250, 200, 60));
  FillGradient(cr, 0, 236, ScreenW, ScreenH - 236, Rgb8(50, 10, 20), Rgb8(16, 6, 20));
  SpeechPanel(cr, SpeechPanelX, VerdictPanelY, SpeechPanelW, ScreenH - VerdictPanelY - 2, club::Cyan);
  return canvas.Opaque();
}

RgbPicture DrawEndCreditsPicture() {
  ArtCanvas canvas(ScreenW, ScreenH);
  cairo_t* cr = canvas.Cr();
  // Dawn over the club: the night sky turning amber behind its roof.
  FillGradient(cr, 0, 0, ScreenW, ScreenH, Rgb8(14, 10, 40), Rgb8(230, 120, 70));
  ArtScatter scatter(41);
  for (int k = 0; k < 70; ++k) {
    const double x = scatter.Next() * ScreenW, y = scatter.Next() * 170;
    SetColour(cr, Rgb8(240, 240, 255), 0.3 + 0.6 * scatter.Next() * (1 - y / 200));
    cairo_arc(cr, x, y, 0.5 + scatter.Next(), 0, 2 * Pi);
    cairo_fill(cr);
  }
  // The sun rising behind the club.
  PaintGlow(cr, 120, 214, 6, 90, {{{0, 1.0, 0.9, 0.6, 1.0}, {0.3, 1.0, 0.6, 0.3, 0.7}, {1, 1.0, 0.4, 0.3, 0}}});
  // The club's skyline.
  cairo_move_to(cr, 0, ScreenH);
  const double roof[][2] = {{0, 250},   {30, 250},  {30, 226},  {62, 226},  {62, 240},
                            {90, 240},  {90, 206},  {120, 190}, {150, 206}, {150, 236},
                            {178, 236}, {178, 218}, {208, 218}, {208, 244}, {240, 244}};
  for (const auto& p : roof) cairo_line_to(cr, p[0], p[1]);
  cairo_line_to(cr, ScreenW, ScreenH);
  cairo_close_path(cr);
  SetColour(cr, Rgb8(22, 12, 40));
  cairo_fill(cr);
  for (int k = 0; k < 26; ++k) {
    const double x = 6 + scatter.Next() * 226, y = 252 + scatter.Next() * 60;
    cairo_rectangle(cr, std::floor(x), std::floor(y), 4, 5);
    SetColour(cr, scatter.Next() > 0.5 ? club::Amber : club::Magenta, 0.8);
    cairo_fill(cr);
  }
  // The lettering keeps to the top and bottom edges: the credits pages fill rows 20 to 302.
  NeonTextCentred(cr, "DUSKHAVEN", ScreenW / 2.0, 17, 17, ArtFont::SansBold, club::Magenta, 200);
  NeonTextCentred(cr, "the card master has fallen", ScreenW / 2.0, 316, 11, ArtFont::SerifItalic, club::Cyan, 200);
  return canvas.Opaque();
}

RgbPicture DrawCreditsPage(const CreditsPageLook& look) {
  // Measure first: the page is as wide as its lettering.
  const double size = look.role ? 17 : 15;
  const ArtFont font = look.role ? ArtFont::SansBold : ArtFont::SerifBold;
  double width = 0;
  {
    ArtCanvas probe(4, 4);
    SelectArtFont(probe.Cr(), font, size);
    width = ArtTextWidth(probe.Cr(), look.text);
  }
  const int w = std::min(PageMaxWidth, static_cast<int>(std::ceil(width)) + 12);
  ArtCanvas canvas(w, PageHeight);
  cairo_t* cr = canvas.Cr();
  if (look.role) {
    NeonText(cr, look.text, 5, PageHeight - 5, size, font, club::Amber, w - 10);
  } else {
    PlainText(cr, look.text, 5, PageHeight - 6, size, font, Rgb8(200, 240, 255));
  }
  return canvas.Keyed();
}
