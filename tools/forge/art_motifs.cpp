// art_motifs.cpp -- the card families' creatures and emblems, each a few cairo paths in a unit circle.
#include "tools/forge/art_motifs.h"

#include "tools/forge/art_motif_kit.h"

#include <algorithm>
#include <cctype>
#include <cmath>
#include <cstring>

namespace {

using namespace motif_kit;

void DrawMoth(cairo_t* cr, const MotifPaint& p, int v) {
  Halo(cr, p, 0, 0, 1.0);
  for (int s : {-1, 1}) {
    cairo_save(cr);
    cairo_scale(cr, s, 1);
    cairo_move_to(cr, 0.05, -0.1);
    cairo_curve_to(cr, 0.4, -0.9, 1.0, -0.8, 0.95, -0.3);
    cairo_curve_to(cr, 0.9, 0.0, 0.5, 0.05, 0.1, 0.05);
    cairo_close_path(cr);
    Paint(cr, p, p.body);
    cairo_move_to(cr, 0.08, 0.08);
    cairo_curve_to(cr, 0.6, 0.1, 0.8, 0.5, 0.55, 0.75);
    cairo_curve_to(cr, 0.35, 0.8, 0.15, 0.5, 0.05, 0.25);
    cairo_close_path(cr);
    Paint(cr, p, Scale(p.body, 0.8));
    Circle(cr, 0.55, -0.45, 0.14 + 0.02 * v);
    Fill(cr, p.accent);
    cairo_restore(cr);
  }
  Ellipse(cr, 0, 0.1, 0.1, 0.55);
  Paint(cr, p, p.accent);
  Line(cr, p, p.ink, 1, {-0.04, -0.4, -0.3, -0.85});
  Line(cr, p, p.ink, 1, {0.04, -0.4, 0.3, -0.85});
}

void DrawFigure(cairo_t* cr, const MotifPaint& p, int v) {
  Halo(cr, p, 0, -0.2, 0.9);
  cairo_move_to(cr, -0.85, 1.0);
  cairo_curve_to(cr, -0.8, 0.35, -0.45, 0.2, 0, 0.2);
  cairo_curve_to(cr, 0.45, 0.2, 0.8, 0.35, 0.85, 1.0);
  cairo_close_path(cr);
  Paint(cr, p, p.body);
  Ellipse(cr, 0, -0.22, 0.3, 0.36);
  Paint(cr, p, Mix(p.body, Rgb8(235, 200, 190), 0.55));
  switch (v & 3) {
    case 0:  // bow tie
      Poly(cr, {0, 0.32, -0.22, 0.22, -0.22, 0.44});
      Poly(cr, {0, 0.32, 0.22, 0.22, 0.22, 0.44});
      Fill(cr, p.accent);
      break;
    case 1:  // hat brim and crown
      RoundRect(cr, -0.45, -0.58, 0.9, 0.1, 0.04);
      RoundRect(cr, -0.28, -0.92, 0.56, 0.38, 0.05);
      Fill(cr, Scale(p.body, 0.6));
      Line(cr, p, p.accent, 1.2, {-0.28, -0.62, 0.28, -0.62});
      break;
    case 2:  // long hair
      cairo_move_to(cr, -0.32, -0.2);
      cairo_curve_to(cr, -0.4, -0.75, 0.4, -0.75, 0.32, -0.2);
      cairo_line_to(cr, 0.42, 0.25);
      cairo_curve_to(cr, 0.3, 0.0, 0.25, -0.35, 0, -0.45);
      cairo_curve_to(cr, -0.25, -0.35, -0.3, 0.0, -0.42, 0.25);
      cairo_close_path(cr);
      Fill(cr, p.accent);
      break;
    default:  // sunglasses
      RoundRect(cr, -0.27, -0.3, 0.24, 0.12, 0.04);
      RoundRect(cr, 0.03, -0.3, 0.24, 0.12, 0.04);
      Fill(cr, p.ink);
      Line(cr, p, p.accent, 0.8, {-0.2, -0.27, -0.12, -0.27});
      break;
  }
  Line(cr, p, p.glow, 1.2, {-0.55, 0.6, -0.2, 0.45});
}

void DrawBat(cairo_t* cr, const MotifPaint& p, int v) {
  Halo(cr, p, 0, 0, 1.0);
  cairo_move_to(cr, 0, -0.25);
  cairo_curve_to(cr, 0.3, -0.55, 0.7, -0.55, 1.0, -0.35);
  cairo_curve_to(cr, 0.85, -0.15, 0.85, 0.05, 0.9, 0.25);
  cairo_curve_to(cr, 0.7, 0.1, 0.55, 0.15, 0.45, 0.35);
  cairo_curve_to(cr, 0.35, 0.2, 0.2, 0.2, 0.12, 0.35);
  cairo_line_to(cr, 0, 0.45);
  cairo_line_to(cr, -0.12, 0.35);
  cairo_curve_to(cr, -0.2, 0.2, -0.35, 0.2, -0.45, 0.35);
  cairo_curve_to(cr, -0.55, 0.15, -0.7, 0.1, -0.9, 0.25);
  cairo_curve_to(cr, -0.85, 0.05, -0.85, -0.15, -1.0, -0.35);
  cairo_curve_to(cr, -0.7, -0.55, -0.3, -0.55, 0, -0.25);
  cairo_close_path(cr);
  Paint(cr, p, p.body);
  Ellipse(cr, 0, -0.05, 0.2, 0.3);
  Paint(cr, p, Scale(p.body, 1.3));
  Poly(cr, {-0.16, -0.2, -0.1, -0.5, -0.02, -0.25});
  Poly(cr, {0.16, -0.2, 0.1, -0.5, 0.02, -0.25});
  Fill(cr, Scale(p.body, 1.3));
  Eyes(cr, p, -0.1, 0.08, 0.045 + 0.01 * v, p.accent);
}

void DrawGhost(cairo_t* cr, const MotifPaint& p, int v) {
  Halo(cr, p, 0, 0, 1.0);
  cairo_move_to(cr, -0.6, 0.8);
  cairo_line_to(cr, -0.6, -0.2);
  cairo_curve_to(cr, -0.6, -1.0, 0.6, -1.0, 0.6, -0.2);
  cairo_line_to(cr, 0.6, 0.8);
  for (int i = 0; i < 4; ++i) {
    const double x0 = 0.6 - 0.3 * i;
    cairo_curve_to(cr, x0 - 0.05, 0.6, x0 - 0.25, 0.6, x0 - 0.3, 0.8 + (i % 2 ? 0.0 : 0.08));
  }
  cairo_close_path(cr);
  SetColour(cr, p.body, 0.92);
  cairo_fill_preserve(cr);
  SetColour(cr, p.ink);
  cairo_set_line_width(cr, p.px * 0.9);
  cairo_stroke(cr);
  Ellipse(cr, -0.22, -0.25, 0.12, 0.17);
  Ellipse(cr, 0.22, -0.25, 0.12, 0.17);
  Fill(cr, p.ink);
  if (v % 2) {
    Ellipse(cr, 0, 0.15, 0.1, 0.15);
    Fill(cr, p.ink);
  } else {
    Line(cr, p, p.ink, 1, {-0.2, 0.12, 0, 0.2, 0.2, 0.12});
  }
  Circle(cr, -0.2, -0.28, 0.04);
  Circle(cr, 0.24, -0.28, 0.04);
  Fill(cr, p.accent);
}

void DrawCabinet(cairo_t* cr, const MotifPaint& p, int v) {
  Halo(cr, p, 0, 0, 1.0);
  cairo_move_to(cr, -0.6, 0.95);
  cairo_line_to(cr, -0.6, -0.3);
  cairo_curve_to(cr, -0.6, -1.0, 0.6, -1.0, 0.6, -0.3);
  cairo_line_to(cr, 0.6, 0.95);
  cairo_close_path(cr);
  Paint(cr, p, p.body);
  cairo_move_to(cr, -0.45, -0.25);
  cairo_curve_to(cr, -0.45, -0.8, 0.45, -0.8, 0.45, -0.25);
  SetColour(cr, p.glow);
  cairo_set_line_width(cr, 2 * p.px);
  cairo_stroke(cr);
  RoundRect(cr, -0.38, -0.2, 0.76, 0.45, 0.06);
  Paint(cr, p, Scale(p.accent, 0.85));
  for (int i = 0; i < 3; ++i) {
    const double x = -0.25 + 0.25 * i;
    if (v % 2) {
      Circle(cr, x, 0.02, 0.08);
    } else {
      RoundRect(cr, x - 0.08, -0.1, 0.16, 0.24, 0.03);
    }
    Fill(cr, (i == 1) ? p.glow : p.ink);
  }
  for (int i = 0; i < 3; ++i) Line(cr, p, Scale(p.accent, 1.2), 1, {-0.4, 0.45 + 0.15 * i, 0.4, 0.45 + 0.15 * i});
}

void DrawOwl(cairo_t* cr, const MotifPaint& p, int) {
  Halo(cr, p, 0, -0.1, 1.0);
  Ellipse(cr, 0, 0.15, 0.6, 0.8);
  Paint(cr, p, p.body);
  Poly(cr, {-0.55, -0.35, -0.45, -0.85, -0.2, -0.5});
  Poly(cr, {0.55, -0.35, 0.45, -0.85, 0.2, -0.5});
  Paint(cr, p, p.body);
  Ellipse(cr, 0, 0.45, 0.35, 0.4);
  Fill(cr, Scale(p.body, 1.35));
  for (int s : {-1, 1}) {
    Circle(cr, 0.25 * s, -0.2, 0.22);
    Paint(cr, p, p.accent);
    Circle(cr, 0.25 * s, -0.2, 0.09);
    Fill(cr, p.ink);
  }
  Poly(cr, {-0.07, -0.02, 0.07, -0.02, 0, 0.14});
  Fill(cr, p.glow);
}

void DrawFoxLike(cairo_t* cr, const MotifPaint& p, double snout, double ear, Colour cheek) {
  Halo(cr, p, 0, 0, 1.0);
  Poly(cr, {-0.65, -0.35, -0.55 - 0.1 * ear, -0.6 - 0.35 * ear, -0.2, -0.5});
  Poly(cr, {0.65, -0.35, 0.55 + 0.1 * ear, -0.6 - 0.35 * ear, 0.2, -0.5});
  Paint(cr, p, p.body);
  cairo_move_to(cr, -0.7, -0.3);
  cairo_curve_to(cr, -0.6, -0.6, 0.6, -0.6, 0.7, -0.3);
  cairo_curve_to(cr, 0.75, 0.1, 0.3, 0.4 + snout * 0.2, 0, 0.45 + snout * 0.35);
  cairo_curve_to(cr, -0.3, 0.4 + snout * 0.2, -0.75, 0.1, -0.7, -0.3);
  cairo_close_path(cr);
  Paint(cr, p, p.body);
  cairo_move_to(cr, -0.45, 0.0);
  cairo_curve_to(cr, -0.3, 0.2, -0.1, 0.3, 0, 0.45 + snout * 0.35);
  cairo_curve_to(cr, 0.1, 0.3, 0.3, 0.2, 0.45, 0.0);
  cairo_curve_to(cr, 0.2, 0.1, -0.2, 0.1, -0.45, 0.0);
  Fill(cr, cheek);
  Ellipse(cr, -0.25, -0.15, 0.1, 0.06);
  Ellipse(cr, 0.25, -0.15, 0.1, 0.06);
  Fill(cr, p.accent);
  Circle(cr, 0, 0.4 + snout * 0.3, 0.07);
  Fill(cr, p.ink);
}

void DrawBall(cairo_t* cr, const MotifPaint& p, int v) {
  Halo(cr, p, 0, 0.1, 1.0);
  Line(cr, p, p.ink, 1, {0, -1.0, 0, -0.72});
  Circle(cr, 0, 0.1, 0.8);
  Paint(cr, p, p.body);
  cairo_save(cr);
  Circle(cr, 0, 0.1, 0.8);
  cairo_clip(cr);
  for (int i = -4; i <= 4; ++i) {
    for (int j = -4; j <= 4; ++j) {
      if (((i + j + v) & 3) == 0) {
        cairo_rectangle(cr, i * 0.2 - 0.08, 0.1 + j * 0.2 - 0.08, 0.16, 0.16);
        Fill(cr, p.glow, 0.8);
      }
    }
    Line(cr, p, Scale(p.body, 0.7), 0.6, {i * 0.2 - 0.1, -0.8, i * 0.2 - 0.1, 1.0});
    Line(cr, p, Scale(p.body, 0.7), 0.6, {-0.8, 0.1 + i * 0.2 - 0.1, 0.8, 0.1 + i * 0.2 - 0.1});
  }
  cairo_restore(cr);
  Ellipse(cr, -0.3, -0.25, 0.18, 0.1);
  Fill(cr, Rgb8(250, 250, 255), 0.85);
}

void DrawGlass(cairo_t* cr, const MotifPaint& p, int v) {
  Halo(cr, p, 0, -0.2, 1.0);
  Poly(cr, {-0.75, -0.7, 0.75, -0.7, 0.06, 0.05, -0.06, 0.05});
  SetColour(cr, p.body, 0.5);
  cairo_fill_preserve(cr);
  SetColour(cr, p.ink);
  cairo_set_line_width(cr, p.px);
  cairo_stroke(cr);
  Poly(cr, {-0.6, -0.55, 0.6, -0.55, 0.05, -0.03, -0.05, -0.03});
  Fill(cr, p.accent, 0.9);
  Line(cr, p, p.ink, 2.2, {0, 0.05, 0, 0.75});
  Line(cr, p, Scale(p.body, 1.4), 1.2, {0, 0.05, 0, 0.75});
  Ellipse(cr, 0, 0.8, 0.45, 0.1);
  Paint(cr, p, Scale(p.body, 1.4));
  Circle(cr, 0.3 - 0.1 * v, -0.6, 0.12);
  Paint(cr, p, p.glow);
}

void DrawMoon(cairo_t* cr, const MotifPaint& p, int v) {
  Halo(cr, p, 0, 0, 1.0);
  cairo_save(cr);
  Circle(cr, 0, 0, 0.78);
  cairo_clip(cr);
  Circle(cr, 0, 0, 0.78);
  Fill(cr, p.body);
  Circle(cr, 0.35 + 0.1 * (v % 2), -0.25, 0.7);
  Fill(cr, Scale(p.ink, 1.2));
  cairo_restore(cr);
  Circle(cr, -0.35, 0.1, 0.1);
  Circle(cr, -0.2, 0.45, 0.07);
  Fill(cr, Scale(p.body, 0.8));
  Circle(cr, 0, 0, 0.78);
  SetColour(cr, p.glow);
  cairo_set_line_width(cr, 1.2 * p.px);
  cairo_stroke(cr);
  for (int i = 0; i < 3; ++i) {
    const double x = 0.5 + 0.15 * i, y = 0.4 - 0.35 * i;
    Line(cr, p, p.accent, 1, {x - 0.08, y, x + 0.08, y});
    Line(cr, p, p.accent, 1, {x, y - 0.08, x, y + 0.08});
  }
}

void DrawMask(cairo_t* cr, const MotifPaint& p, int v) {
  Halo(cr, p, 0, 0, 1.0);
  cairo_move_to(cr, -0.95, -0.3);
  cairo_curve_to(cr, -0.6, -0.55, -0.2, -0.4, 0, -0.25);
  cairo_curve_to(cr, 0.2, -0.4, 0.6, -0.55, 0.95, -0.3);
  cairo_curve_to(cr, 0.9, 0.2, 0.5, 0.4, 0.2, 0.2);
  cairo_curve_to(cr, 0.1, 0.12, -0.1, 0.12, -0.2, 0.2);
  cairo_curve_to(cr, -0.5, 0.4, -0.9, 0.2, -0.95, -0.3);
  cairo_close_path(cr);
  Paint(cr, p, p.body);
  if (v % 2) {  // diamonds
    Poly(cr, {-0.5, -0.45, -0.3, -0.05, -0.5, 0.3, -0.7, -0.05});
    Poly(cr, {0.5, -0.45, 0.7, -0.05, 0.5, 0.3, 0.3, -0.05});
    Fill(cr, p.accent, 0.8);
  }
  Ellipse(cr, -0.45, -0.08, 0.2, 0.11);
  Ellipse(cr, 0.45, -0.08, 0.2, 0.11);
  Fill(cr, p.ink);
  cairo_move_to(cr, 0.9, -0.3);
  cairo_curve_to(cr, 1.0, -0.8, 0.6, -1.0, 0.5, -0.7);
  SetColour(cr, p.glow);
  cairo_set_line_width(cr, 2 * p.px);
  cairo_stroke(cr);
  Line(cr, p, p.accent, 1.5, {-0.9, -0.25, -0.7, 0.8});
}

void DrawSerpent(cairo_t* cr, const MotifPaint& p, int v) {
  Halo(cr, p, 0, 0, 1.0);
  cairo_move_to(cr, -0.7, 0.85);
  cairo_curve_to(cr, 0.7, 0.85, 0.8, 0.3, 0.1, 0.25);
  cairo_curve_to(cr, -0.7, 0.2, -0.7, -0.35, 0.0, -0.35);
  cairo_curve_to(cr, 0.3, -0.35, 0.4, -0.5, 0.35, -0.65);
  cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
  SetColour(cr, p.ink);
  cairo_set_line_width(cr, 0.32);
  cairo_stroke_preserve(cr);
  SetColour(cr, p.body);
  cairo_set_line_width(cr, 0.32 - 2 * p.px);
  cairo_stroke_preserve(cr);
  const double dashes[] = {0.08, 0.16};
  cairo_set_dash(cr, dashes, 2, 0.03 * v);
  SetColour(cr, p.accent);
  cairo_set_line_width(cr, 0.1);
  cairo_stroke(cr);
  cairo_set_dash(cr, nullptr, 0, 0);
  Ellipse(cr, 0.35, -0.72, 0.22, 0.16);
  Paint(cr, p, p.body);
  Circle(cr, 0.42, -0.76, 0.045);
  Fill(cr, p.glow);
  Line(cr, p, Rgb8(240, 60, 90), 1, {0.55, -0.7, 0.75, -0.65, 0.82, -0.72});
}

void DrawDice(cairo_t* cr, const MotifPaint& p, int v) {
  Halo(cr, p, 0, 0, 1.0);
  const int faces[2] = {3 + v % 3, 1 + (v + 1) % 6};
  for (int d = 0; d < 2; ++d) {
    cairo_save(cr);
    cairo_translate(cr, d ? 0.32 : -0.3, d ? 0.3 : -0.28);
    cairo_rotate(cr, d ? 0.35 : -0.25);
    RoundRect(cr, -0.4, -0.4, 0.8, 0.8, 0.12);
    Paint(cr, p, d ? p.body : Scale(p.body, 0.85));
    const int n = faces[d];
    const double pip[7][2] = {{0, 0}, {-0.2, -0.2}, {0.2, 0.2}, {0.2, -0.2}, {-0.2, 0.2}, {-0.2, 0}, {0.2, 0}};
    const int sets[7][7] = {{0}, {0}, {1, 2}, {0, 1, 2}, {1, 2, 3, 4}, {0, 1, 2, 3, 4}, {1, 2, 3, 4, 5, 6}};
    for (int k = 0; k < n; ++k) Circle(cr, pip[sets[n][k]][0], pip[sets[n][k]][1], 0.07);
    Fill(cr, p.accent);
    cairo_restore(cr);
  }
}

void DrawRecord(cairo_t* cr, const MotifPaint& p, int v) {
  Halo(cr, p, 0, 0, 1.0);
  Circle(cr, 0, 0, 0.85);
  Paint(cr, p, Scale(p.ink, 1.4));
  for (int i = 1; i < 5; ++i) {
    Circle(cr, 0, 0, 0.3 + 0.13 * i);
    SetColour(cr, p.body, 0.5);
    cairo_set_line_width(cr, 0.6 * p.px);
    cairo_stroke(cr);
  }
  cairo_move_to(cr, 0, 0);
  cairo_arc(cr, 0, 0, 0.82, -0.9 + v * 0.3, -0.5 + v * 0.3);
  cairo_close_path(cr);
  Fill(cr, p.glow, 0.45);
  Circle(cr, 0, 0, 0.3);
  Fill(cr, p.accent);
  Circle(cr, 0, 0, 0.05);
  Fill(cr, p.ink);
  Line(cr, p, Rgb8(210, 210, 225), 1.6, {0.85, -0.85, 0.7, -0.2, 0.35, 0.1});
}

void DrawSpotlight(cairo_t* cr, const MotifPaint& p, int v) {
  cairo_move_to(cr, -0.2, -0.55);
  cairo_line_to(cr, -0.9, 0.95);
  cairo_line_to(cr, 0.9, 0.95);
  cairo_line_to(cr, 0.2, -0.55);
  cairo_close_path(cr);
  cairo_pattern_t* g = cairo_pattern_create_linear(0, -0.55, 0, 0.95);
  cairo_pattern_add_color_stop_rgba(g, 0, p.glow.r, p.glow.g, p.glow.b, 0.9);
  cairo_pattern_add_color_stop_rgba(g, 1, p.glow.r, p.glow.g, p.glow.b, 0.1);
  cairo_set_source(cr, g);
  cairo_fill(cr);
  cairo_pattern_destroy(g);
  RoundRect(cr, -0.32, -0.95, 0.64, 0.45, 0.08);
  Paint(cr, p, p.body);
  Ellipse(cr, 0, -0.5, 0.24, 0.07);
  Fill(cr, Rgb8(255, 250, 220));
  Ellipse(cr, 0, 0.85, 0.75, 0.12);
  Fill(cr, p.accent, 0.6 + 0.1 * v);
}

void DrawSaxophone(cairo_t* cr, const MotifPaint& p, int v) {
  Halo(cr, p, 0, 0, 1.0);
  cairo_move_to(cr, -0.1, -0.9);
  cairo_line_to(cr, 0.05, 0.35);
  cairo_curve_to(cr, 0.1, 0.85, -0.5, 0.85, -0.5, 0.45);
  cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
  SetColour(cr, p.ink);
  cairo_set_line_width(cr, 0.28);
  cairo_stroke_preserve(cr);
  SetColour(cr, p.body);
  cairo_set_line_width(cr, 0.28 - 2 * p.px);
  cairo_stroke(cr);
  Poly(cr, {-0.5, 0.45, -0.8, 0.05, -0.25, 0.1});
  Paint(cr, p, p.body);
  for (int i = 0; i < 4; ++i) Circle(cr, 0.08 + 0.01 * i, -0.5 + 0.22 * i, 0.06);
  Fill(cr, p.accent);
  Line(cr, p, p.ink, 1.5, {-0.1, -0.9, -0.3, -0.95});
  for (int i = 0; i < 2 + v % 2; ++i) {
    const double x = 0.45 + 0.12 * i, y = -0.3 - 0.25 * i;
    Ellipse(cr, x, y, 0.08, 0.06);
    Fill(cr, p.glow);
    Line(cr, p, p.glow, 1, {x + 0.07, y, x + 0.07, y - 0.25});
  }
}

void DrawGargoyle(cairo_t* cr, const MotifPaint& p, int v) {
  Halo(cr, p, 0, 0, 1.0);
  for (int s : {-1, 1}) {
    cairo_move_to(cr, 0.3 * s, 0.1);
    cairo_curve_to(cr, 0.9 * s, -0.2, 1.0 * s, -0.7, 0.8 * s, -0.9);
    cairo_curve_to(cr, 0.7 * s, -0.5, 0.55 * s, -0.4, 0.35 * s, -0.35);
    cairo_close_path(cr);
    Paint(cr, p, Scale(p.body, 0.75));
  }
  Poly(cr, {-0.3, -0.45, -0.45, -0.85, -0.12, -0.55});
  Poly(cr, {0.3, -0.45, 0.45, -0.85, 0.12, -0.55});
  Paint(cr, p, p.accent);
  Ellipse(cr, 0, -0.1, 0.42, 0.48);
  Paint(cr, p, p.body);
  Ellipse(cr, 0, 0.6, 0.5, 0.35);
  Paint(cr, p, p.body);
  Poly(cr, {-0.28, -0.2, -0.08, -0.12, -0.25, -0.05});
  Poly(cr, {0.28, -0.2, 0.08, -0.12, 0.25, -0.05});
  Fill(cr, p.glow);
  Line(cr, p, p.ink, 1.2, {-0.2, 0.15, -0.1, 0.1 + 0.05 * v, 0, 0.15, 0.1, 0.1 + 0.05 * v, 0.2, 0.15});
}

void DrawBird(cairo_t* cr, const MotifPaint& p, int v) {
  Halo(cr, p, 0, 0, 1.0);
  const bool tall = v % 2;
  cairo_move_to(cr, -0.2, -0.55);
  cairo_curve_to(cr, 0.2, -0.75, 0.4, -0.4, 0.2, -0.2);
  cairo_curve_to(cr, 0.7, 0.0, 0.75, 0.5, 0.3, 0.6);
  cairo_line_to(cr, 0.5, 0.95);
  cairo_line_to(cr, -0.1, 0.62);
  cairo_curve_to(cr, -0.5, 0.5, -0.55, 0.0, -0.3, -0.2);
  cairo_curve_to(cr, -0.45, -0.35, -0.4, -0.5, -0.2, -0.55);
  cairo_close_path(cr);
  Paint(cr, p, Mix(Rgb8(28, 24, 44), p.body, 0.3));  // a raven is black, with a sheen of its colour
  Poly(cr, {0.25, -0.45, 0.62, -0.35 + (tall ? 0.15 : 0), 0.22, -0.28});
  Paint(cr, p, p.accent);
  cairo_move_to(cr, -0.1, 0.0);
  cairo_curve_to(cr, 0.3, 0.0, 0.5, 0.3, 0.35, 0.5);
  SetColour(cr, Scale(p.body, 1.4));
  cairo_set_line_width(cr, p.px);
  cairo_stroke(cr);
  Circle(cr, 0.08, -0.42, 0.06);
  Fill(cr, p.glow);
}

void DrawHearts(cairo_t* cr, const MotifPaint& p, int v) {
  Halo(cr, p, 0, 0, 1.0);
  for (int k = 0; k < 2; ++k) {
    cairo_save(cr);
    cairo_translate(cr, k ? 0.25 : -0.2, k ? 0.2 : -0.15);
    cairo_scale(cr, k ? 0.6 : 0.75, k ? 0.6 : 0.75);
    cairo_rotate(cr, k ? 0.3 : -0.2 - 0.05 * v);
    cairo_move_to(cr, 0, 0.8);
    cairo_curve_to(cr, -1.2, 0.0, -0.6, -0.9, 0, -0.35);
    cairo_curve_to(cr, 0.6, -0.9, 1.2, 0.0, 0, 0.8);
    cairo_close_path(cr);
    Paint(cr, p, k ? p.accent : p.body);
    cairo_restore(cr);
  }
  Line(cr, p, p.glow, 1.5, {-0.9, 0.7, 0.9, -0.7});
}

void DrawKeys(cairo_t* cr, const MotifPaint& p, int v) {
  Halo(cr, p, 0, 0, 1.0);
  RoundRect(cr, -0.95, -0.5, 1.9, 1.0, 0.1);
  Paint(cr, p, p.body);
  for (int i = 0; i < 7; ++i) {
    cairo_rectangle(cr, -0.85 + i * 0.243, -0.35, 0.22, 0.75);
    Fill(cr, Rgb8(235, 232, 240));
  }
  for (int i = 0; i < 6; ++i) {
    if (i == 2) continue;
    cairo_rectangle(cr, -0.7 + i * 0.243, -0.35, 0.13, 0.45);
    Fill(cr, p.ink);
  }
  Circle(cr, -0.6 + 0.3 * v, -0.75, 0.1);
  Fill(cr, p.glow);
  Line(cr, p, p.glow, 1, {-0.5 + 0.3 * v, -0.75, -0.5 + 0.3 * v, -1.0, -0.3 + 0.3 * v, -0.9});
}

void DrawSign(cairo_t* cr, const MotifPaint& p, int v) {
  RoundRect(cr, -0.9, -0.5, 1.8, 1.0, 0.2);
  Paint(cr, p, Scale(p.body, 0.4));
  RoundRect(cr, -0.8, -0.4, 1.6, 0.8, 0.15);
  SetColour(cr, p.glow, 0.4);
  cairo_set_line_width(cr, 3 * p.px);
  cairo_stroke_preserve(cr);
  SetColour(cr, p.glow);
  cairo_set_line_width(cr, 1.2 * p.px);
  cairo_stroke(cr);
  // a scribble of neon letters
  cairo_move_to(cr, -0.6, 0.15);
  for (int i = 0; i < 6; ++i) {
    const double x = -0.6 + i * 0.22;
    cairo_curve_to(cr, x + 0.05, -0.35, x + 0.12, -0.3 + 0.1 * ((i + v) % 2), x + 0.22, 0.15);
  }
  SetColour(cr, p.accent, 0.45);
  cairo_set_line_width(cr, 3 * p.px);
  cairo_stroke_preserve(cr);
  SetColour(cr, Mix(p.accent, Rgb8(255, 255, 255), 0.5));
  cairo_set_line_width(cr, 1.1 * p.px);
  cairo_stroke(cr);
  Line(cr, p, p.ink, 1.2, {-0.5, -0.5, -0.6, -0.9});
  Line(cr, p, p.ink, 1.2, {0.5, -0.5, 0.6, -0.9});
}

void DrawWheel(cairo_t* cr, const MotifPaint& p, int v) {
  Halo(cr, p, 0, 0, 1.0);
  Circle(cr, 0, 0, 0.88);
  Paint(cr, p, p.accent);
  for (int i = 0; i < 16; ++i) {
    cairo_move_to(cr, 0, 0);
    cairo_arc(cr, 0, 0, 0.75, i * Pi / 8, (i + 1) * Pi / 8);
    cairo_close_path(cr);
    Fill(cr, i % 2 ? p.body : Scale(p.ink, 1.5));
  }
  Circle(cr, 0, 0, 0.3);
  Paint(cr, p, p.accent);
  Line(cr, p, p.ink, 1.4, {-0.2, 0, 0.2, 0});
  Line(cr, p, p.ink, 1.4, {0, -0.2, 0, 0.2});
  const double a = 0.4 + v * 1.3;
  Circle(cr, 0.62 * std::cos(a), 0.62 * std::sin(a), 0.08);
  Fill(cr, Rgb8(250, 250, 250));
}

void DrawLipstick(cairo_t* cr, const MotifPaint& p, int v) {
  Halo(cr, p, 0, 0, 1.0);
  cairo_save(cr);
  cairo_rotate(cr, 0.35 - 0.2 * v);
  RoundRect(cr, -0.28, 0.0, 0.56, 0.85, 0.06);
  Paint(cr, p, p.body);
  RoundRect(cr, -0.22, -0.25, 0.44, 0.3, 0.04);
  Paint(cr, p, Rgb8(220, 200, 120));
  Poly(cr, {-0.18, -0.25, -0.18, -0.75, 0.18, -0.9, 0.18, -0.25});
  Paint(cr, p, p.accent);
  Line(cr, p, p.glow, 1.2, {-0.15, 0.1, -0.15, 0.75});
  cairo_restore(cr);
}

void DrawRobot(cairo_t* cr, const MotifPaint& p, int v) {
  Halo(cr, p, 0, 0, 1.0);
  Line(cr, p, p.ink, 1.2, {0, -0.6, 0, -0.88});
  Circle(cr, 0, -0.9, 0.08);
  Fill(cr, p.glow);
  RoundRect(cr, -0.5, -0.6, 1.0, 0.75, 0.12);
  Paint(cr, p, p.body);
  RoundRect(cr, -0.38, -0.45, 0.76, 0.25, 0.08);
  Fill(cr, p.ink);
  Circle(cr, -0.18, -0.33, 0.07);
  Circle(cr, 0.18, -0.33, 0.07);
  Fill(cr, p.glow);
  for (int i = 0; i < 4; ++i) {
    cairo_rectangle(cr, -0.3 + i * 0.16, -0.08, 0.1, 0.12);
  }
  Fill(cr, p.accent);
  RoundRect(cr, -0.7, 0.25, 1.4, 0.7, 0.1);
  Paint(cr, p, Scale(p.body, 0.8));
  Circle(cr, 0, 0.58, 0.15);
  Paint(cr, p, v % 2 ? p.glow : p.accent);
}

void DrawSpider(cairo_t* cr, const MotifPaint& p, int v) {
  Halo(cr, p, 0, 0, 1.0);
  Line(cr, p, Rgb8(220, 220, 235), 0.6, {0, -1.0, 0, -0.3});
  for (int s : {-1, 1}) {
    for (int i = 0; i < 4; ++i) {
      const double y = -0.2 + i * 0.15;
      Line(cr, p, p.ink, 1.3, {0.1 * s, y, 0.55 * s, y - 0.35 + i * 0.12, 0.85 * s, y + 0.1 + i * 0.12});
    }
  }
  Ellipse(cr, 0, 0.25, 0.32, 0.38);
  Paint(cr, p, p.body);
  Circle(cr, 0, -0.22, 0.2);
  Paint(cr, p, p.body);
  Poly(cr, {0, 0.05, 0.12, 0.25, 0, 0.45, -0.12, 0.25});
  Fill(cr, p.accent);
  Eyes(cr, p, -0.25, 0.08, 0.04 + 0.01 * v, p.glow);
}

void DrawCloud(cairo_t* cr, const MotifPaint& p, int v) {
  Halo(cr, p, 0, 0, 1.0);
  const double blobs[6][3] = {{-0.5, 0.2, 0.35}, {-0.15, -0.1, 0.42}, {0.3, -0.05, 0.38},
                              {0.6, 0.25, 0.3},  {0.1, 0.35, 0.4},    {-0.35, 0.45, 0.3}};
  for (const auto& b : blobs) Circle(cr, b[0], b[1], b[2]);
  SetColour(cr, p.ink);
  cairo_set_line_width(cr, 1.8 * p.px);
  cairo_stroke_preserve(cr);
  Fill(cr, p.body);
  for (int i = 0; i < 3; ++i) {
    cairo_move_to(cr, -0.6 + 0.1 * v, -0.3 + 0.35 * i);
    cairo_curve_to(cr, -0.2, -0.5 + 0.35 * i, 0.2, -0.1 + 0.35 * i, 0.6, -0.3 + 0.35 * i);
    SetColour(cr, p.accent, 0.7);
    cairo_set_line_width(cr, p.px);
    cairo_stroke(cr);
  }
}

void DrawRat(cairo_t* cr, const MotifPaint& p, int v) {
  Halo(cr, p, 0, 0, 1.0);
  Circle(cr, -0.5, -0.5, 0.28);
  Circle(cr, 0.5, -0.5, 0.28);
  Paint(cr, p, p.body);
  Circle(cr, -0.5, -0.5, 0.15);
  Circle(cr, 0.5, -0.5, 0.15);
  Fill(cr, p.accent);
  cairo_move_to(cr, -0.55, -0.2);
  cairo_curve_to(cr, -0.55, -0.6, 0.55, -0.6, 0.55, -0.2);
  cairo_curve_to(cr, 0.5, 0.2, 0.15, 0.55, 0, 0.7);
  cairo_curve_to(cr, -0.15, 0.55, -0.5, 0.2, -0.55, -0.2);
  cairo_close_path(cr);
  Paint(cr, p, p.body);
  Eyes(cr, p, -0.15, 0.2, 0.07, p.glow);
  Circle(cr, 0, 0.66, 0.07);
  Fill(cr, p.accent);
  for (int s : {-1, 1}) Line(cr, p, p.ink, 0.8, {0.1 * s, 0.5, 0.6 * s, 0.4 + 0.05 * v, 0.7 * s, 0.55});
}

void DrawLavaLamp(cairo_t* cr, const MotifPaint& p, int v) {
  Halo(cr, p, 0, 0, 1.0);
  Poly(cr, {-0.2, -0.95, 0.2, -0.95, 0.4, 0.45, -0.4, 0.45});
  Paint(cr, p, Scale(p.glow, 0.6));
  Poly(cr, {-0.4, 0.45, 0.4, 0.45, 0.25, 0.95, -0.25, 0.95});
  Paint(cr, p, p.body);
  Poly(cr, {-0.25, -1.0, 0.25, -1.0, 0.18, -0.8, -0.18, -0.8});
  Paint(cr, p, p.body);
  Ellipse(cr, 0.05 * (v % 2 ? 1 : -1), -0.5, 0.1, 0.15);
  Ellipse(cr, -0.05, 0.0, 0.2, 0.18);
  Ellipse(cr, 0.1, 0.35, 0.25, 0.1);
  Fill(cr, p.accent);
}

void DrawCar(cairo_t* cr, const MotifPaint& p, int v) {
  Halo(cr, p, 0, 0.1, 1.0);
  const double len = v % 2 ? 1.0 : 0.85;
  cairo_move_to(cr, -len, 0.35);
  cairo_line_to(cr, -len, 0.0);
  cairo_line_to(cr, -0.5, -0.1);
  cairo_line_to(cr, -0.3, -0.45);
  cairo_line_to(cr, 0.35, -0.45);
  cairo_line_to(cr, 0.55, -0.1);
  cairo_line_to(cr, len, 0.0);
  cairo_line_to(cr, len, 0.35);
  cairo_close_path(cr);
  Paint(cr, p, p.body);
  Poly(cr, {-0.25, -0.38, 0.0, -0.38, 0.0, -0.12, -0.4, -0.12});
  Poly(cr, {0.07, -0.38, 0.3, -0.38, 0.45, -0.12, 0.07, -0.12});
  Fill(cr, p.glow, 0.8);
  for (int s : {-1, 1}) {
    Circle(cr, 0.55 * s, 0.38, 0.2);
    Paint(cr, p, p.ink);
    Circle(cr, 0.55 * s, 0.38, 0.08);
    Fill(cr, Rgb8(200, 200, 210));
  }
  Ellipse(cr, len - 0.05, 0.1, 0.06, 0.05);
  Fill(cr, Rgb8(255, 240, 170));
  Line(cr, p, p.accent, 1.2, {-len + 0.1, 0.12, len - 0.15, 0.12});
}

void DrawFlame(cairo_t* cr, const MotifPaint& p, int v) {
  Halo(cr, p, 0, 0.1, 1.0);
  for (int k = 0; k < 3; ++k) {
    const double s = 1.0 - 0.28 * k;
    cairo_save(cr);
    cairo_translate(cr, 0, 0.85 * (1 - s));
    cairo_scale(cr, s, s);
    cairo_move_to(cr, 0, 0.9);
    cairo_curve_to(cr, -0.8, 0.85, -0.7, 0.0, -0.3, -0.3);
    cairo_curve_to(cr, -0.3, 0.0, -0.1, 0.05, -0.05, -0.1);
    cairo_curve_to(cr, -0.2, -0.5, 0.1 * v, -0.8, 0.1, -1.0);
    cairo_curve_to(cr, 0.2, -0.6, 0.7, -0.3, 0.65, 0.3);
    cairo_curve_to(cr, 0.6, 0.75, 0.3, 0.9, 0, 0.9);
    cairo_close_path(cr);
    const Colour c = k == 0 ? p.body : (k == 1 ? p.accent : Rgb8(255, 245, 200));
    if (k == 0)
      Paint(cr, p, c);
    else
      Fill(cr, c);
    cairo_restore(cr);
  }
}

void DrawCrown(cairo_t* cr, const MotifPaint& p, int v) {
  Halo(cr, p, 0, 0, 1.0);
  Poly(cr, {-0.8, 0.45, -0.9, -0.45, -0.45, -0.05, 0, -0.7, 0.45, -0.05, 0.9, -0.45, 0.8, 0.45});
  Paint(cr, p, p.body);
  RoundRect(cr, -0.82, 0.4, 1.64, 0.25, 0.05);
  Paint(cr, p, Scale(p.body, 0.8));
  for (int i = 0; i < 3; ++i) Circle(cr, -0.45 + 0.45 * i, 0.52, 0.08);
  Fill(cr, p.accent);
  Circle(cr, -0.9, -0.5, 0.09);
  Circle(cr, 0, -0.75, 0.1);
  Circle(cr, 0.9, -0.5, 0.09);
  Fill(cr, v % 2 ? p.glow : p.accent);
}

void DrawClock(cairo_t* cr, const MotifPaint& p, int v) {
  Halo(cr, p, 0, 0, 1.0);
  Circle(cr, 0, 0, 0.85);
  Paint(cr, p, p.body);
  Circle(cr, 0, 0, 0.7);
  Paint(cr, p, Rgb8(235, 230, 215));
  for (int i = 0; i < 12; ++i) {
    const double a = i * Pi / 6;
    Line(cr, p, p.ink, i % 3 ? 0.6 : 1.2,
         {0.6 * std::cos(a), 0.6 * std::sin(a), 0.68 * std::cos(a), 0.68 * std::sin(a)});
  }
  const double h = -Pi / 2 + 0.02, m = -Pi / 2 - 0.3 - 0.2 * v;
  Line(cr, p, p.ink, 1.6, {0, 0, 0.35 * std::cos(h), 0.35 * std::sin(h)});
  Line(cr, p, p.accent, 1.0, {0, 0, 0.55 * std::cos(m), 0.55 * std::sin(m)});
  Circle(cr, 0, 0, 0.06);
  Fill(cr, p.glow);
}

void DrawRose(cairo_t* cr, const MotifPaint& p, int v) {
  Halo(cr, p, 0, -0.2, 1.0);
  cairo_move_to(cr, 0, 0.1);
  cairo_curve_to(cr, 0.1, 0.5, -0.1, 0.7, 0.05, 1.0);
  SetColour(cr, Rgb8(60, 150, 80));
  cairo_set_line_width(cr, 2 * p.px);
  cairo_stroke(cr);
  Ellipse(cr, 0.25, 0.55, 0.2, 0.08);
  Fill(cr, Rgb8(70, 170, 90));
  for (int i = 0; i < 5; ++i) {
    const double a = i * 2 * Pi / 5 + 0.3 * v;
    Ellipse(cr, 0.3 * std::cos(a), -0.3 + 0.3 * std::sin(a), 0.32, 0.28);
  }
  Paint(cr, p, p.body);
  cairo_move_to(cr, -0.2, -0.3);
  cairo_curve_to(cr, -0.2, -0.6, 0.2, -0.6, 0.2, -0.3);
  cairo_curve_to(cr, 0.2, -0.05, -0.1, -0.05, -0.1, -0.3);
  SetColour(cr, Scale(p.body, 0.6));
  cairo_set_line_width(cr, 1.2 * p.px);
  cairo_stroke(cr);
  Circle(cr, 0.02, -0.32, 0.06);
  Fill(cr, p.accent);
}

void DrawLightning(cairo_t* cr, const MotifPaint& p, int v) {
  Halo(cr, p, 0, 0, 1.0);
  Poly(cr, {0.15, -1.0, -0.45, 0.1, -0.05, 0.1, -0.25, 1.0, 0.5, -0.2, 0.08, -0.2, 0.4, -1.0});
  SetColour(cr, p.glow, 0.5);
  cairo_set_line_width(cr, 4 * p.px);
  cairo_stroke_preserve(cr);
  Paint(cr, p, p.body);
  if (v % 2) {
    Line(cr, p, p.accent, 1, {-0.6, -0.6, -0.8, -0.4, -0.65, -0.3});
    Line(cr, p, p.accent, 1, {0.6, 0.4, 0.85, 0.5, 0.7, 0.7});
  }
}

void DrawStar(cairo_t* cr, const MotifPaint& p, int v) {
  Halo(cr, p, 0, 0, 1.0);
  for (int i = 0; i < 3; ++i) {
    cairo_move_to(cr, -0.9 + 0.1 * i, 0.7 - 0.15 * i);
    cairo_line_to(cr, -0.1, -0.05);
    SetColour(cr, p.glow, 0.7 - 0.2 * i);
    cairo_set_line_width(cr, (3 - i) * p.px);
    cairo_stroke(cr);
  }
  StarPath(cr, 0.15, -0.15, 0.7, 5 + (v % 2));
  Paint(cr, p, p.body);
  StarPath(cr, 0.15, -0.15, 0.3, 5 + (v % 2));
  Fill(cr, p.accent);
}

void DrawFish(cairo_t* cr, const MotifPaint& p, int v) {
  Halo(cr, p, 0, 0, 1.0);
  cairo_move_to(cr, -0.8, 0.0);
  cairo_curve_to(cr, -0.4, -0.65, 0.4, -0.55, 0.55, 0.0);
  cairo_curve_to(cr, 0.4, 0.55, -0.4, 0.65, -0.8, 0.0);
  cairo_close_path(cr);
  Paint(cr, p, p.body);
  Poly(cr, {0.5, 0.0, 0.95, -0.45, 0.85, 0.0, 0.95, 0.45});
  Paint(cr, p, p.accent);
  Poly(cr, {-0.2, -0.4, 0.1, -0.75, 0.2, -0.35});
  Paint(cr, p, p.accent);
  Ellipse(cr, -0.1 + 0.1 * v, 0.05, 0.18, 0.14);
  Ellipse(cr, 0.25, -0.1, 0.1, 0.1);
  Fill(cr, p.accent);
  Circle(cr, -0.55, -0.08, 0.06);
  Fill(cr, p.ink);
  Circle(cr, -0.9, -0.45, 0.06);
  Circle(cr, -0.8, -0.7, 0.04);
  Fill(cr, p.glow);
}

void DrawTopHat(cairo_t* cr, const MotifPaint& p, int v) {
  Halo(cr, p, 0, 0, 1.0);
  Ellipse(cr, 0, 0.45, 0.9, 0.18);
  Paint(cr, p, p.body);
  RoundRect(cr, -0.5, -0.75, 1.0, 1.2, 0.08);
  Paint(cr, p, p.body);
  cairo_rectangle(cr, -0.5, 0.15, 1.0, 0.18);
  Fill(cr, p.accent);
  Ellipse(cr, 0, -0.75, 0.5, 0.1);
  Fill(cr, Scale(p.body, 1.5));
  if (v % 2) {
    StarPath(cr, 0.7, -0.7, 0.18, 4);
    Fill(cr, p.glow);
    StarPath(cr, -0.75, -0.2, 0.12, 4);
    Fill(cr, p.glow);
  } else {
    Line(cr, p, p.glow, 1.5, {0.55, -0.2, 0.95, -0.8});
    Circle(cr, 0.95, -0.8, 0.07);
    Fill(cr, Rgb8(255, 255, 240));
  }
}

void DrawFangs(cairo_t* cr, const MotifPaint& p, int v) {
  Halo(cr, p, 0, 0, 1.0);
  Poly(cr, {-0.9, 0.9, -0.75, -0.2, 0, 0.25, 0.75, -0.2, 0.9, 0.9});
  Paint(cr, p, Scale(p.accent, 0.7));
  Ellipse(cr, 0, -0.2, 0.42, 0.55);
  Paint(cr, p, Rgb8(215, 210, 225));
  Poly(cr, {-0.42, -0.4, 0, -0.65, 0.42, -0.4, 0.42, -0.75, -0.42, -0.75});
  Fill(cr, p.body);
  Poly(cr, {-0.25, -0.3, -0.05, -0.2, -0.25, -0.15});
  Poly(cr, {0.25, -0.3, 0.05, -0.2, 0.25, -0.15});
  Fill(cr, p.glow);
  Line(cr, p, p.ink, 1, {-0.18, 0.1, 0.18, 0.1});
  Poly(cr, {-0.14, 0.1, -0.1, 0.22 + 0.03 * v, -0.06, 0.1});
  Poly(cr, {0.14, 0.1, 0.1, 0.22 + 0.03 * v, 0.06, 0.1});
  Fill(cr, Rgb8(250, 250, 250));
}

void DrawChandelier(cairo_t* cr, const MotifPaint& p, int v) {
  Halo(cr, p, 0, 0, 1.0);
  Line(cr, p, p.ink, 1, {0, -1.0, 0, -0.3});
  cairo_move_to(cr, -0.8, -0.1);
  cairo_curve_to(cr, -0.5, 0.4, 0.5, 0.4, 0.8, -0.1);
  SetColour(cr, p.body);
  cairo_set_line_width(cr, 2 * p.px);
  cairo_stroke(cr);
  Ellipse(cr, 0, -0.2, 0.2, 0.15);
  Paint(cr, p, p.body);
  for (int i = 0; i < 5; ++i) {
    const double x = -0.8 + 0.4 * i, y = i == 2 ? 0.25 : -0.1 + (i % 2 ? 0.25 : 0.0);
    cairo_rectangle(cr, x - 0.05, y - 0.25, 0.1, 0.2);
    Fill(cr, Rgb8(240, 235, 220));
    Ellipse(cr, x, y - 0.33, 0.06, 0.1);
    Fill(cr, p.glow);
    Poly(cr, {x, y + 0.05, x + 0.07, y + 0.2 + 0.05 * v, x, y + 0.35, x - 0.07, y + 0.2 + 0.05 * v});
    Fill(cr, p.accent, 0.9);
  }
}

void DrawCurtain(cairo_t* cr, const MotifPaint& p, int v) {
  for (int s : {-1, 1}) {
    cairo_move_to(cr, 0.95 * s, -0.95);
    cairo_line_to(cr, 0.05 * s, -0.95);
    cairo_curve_to(cr, 0.1 * s, -0.2, 0.5 * s, 0.2, 0.35 * s, 0.95);
    cairo_line_to(cr, 0.95 * s, 0.95);
    cairo_close_path(cr);
    Paint(cr, p, p.body);
    for (int i = 1; i < 4; ++i) {
      cairo_move_to(cr, (0.05 + 0.22 * i) * s, -0.95);
      cairo_curve_to(cr, (0.15 + 0.22 * i) * s, -0.2, (0.5 + 0.1 * i) * s, 0.2, (0.4 + 0.15 * i) * s, 0.95);
      SetColour(cr, Scale(p.body, 0.6));
      cairo_set_line_width(cr, p.px);
      cairo_stroke(cr);
    }
  }
  cairo_rectangle(cr, -1.0, -1.0, 2.0, 0.2);
  Fill(cr, p.accent);
  Ellipse(cr, 0, 0.8, 0.3, 0.1);
  Fill(cr, p.glow, 0.7);
  for (int s : {-1, 1}) {
    Circle(cr, 0.4 * s, 0.1, 0.06 + 0.01 * v);
    Fill(cr, p.accent);
  }
}

void DrawCamera(cairo_t* cr, const MotifPaint& p, int v) {
  Halo(cr, p, 0, 0, 1.0);
  RoundRect(cr, -0.85, -0.4, 1.7, 1.0, 0.12);
  Paint(cr, p, p.body);
  RoundRect(cr, -0.3, -0.6, 0.6, 0.25, 0.05);
  Paint(cr, p, p.body);
  Circle(cr, 0, 0.1, 0.4);
  Paint(cr, p, Scale(p.ink, 1.3));
  Circle(cr, 0, 0.1, 0.25);
  Fill(cr, p.accent);
  Circle(cr, -0.08, 0.02, 0.07);
  Fill(cr, Rgb8(250, 250, 255));
  RoundRect(cr, 0.45, -0.3, 0.25, 0.15, 0.03);
  Fill(cr, p.glow);
  if (v % 2) {
    StarPath(cr, 0.7, -0.75, 0.25, 4);
    Fill(cr, Rgb8(255, 255, 230));
  }
}

void DrawShoe(cairo_t* cr, const MotifPaint& p, int v) {
  Halo(cr, p, 0, 0, 1.0);
  cairo_move_to(cr, -0.85, 0.35);
  cairo_curve_to(cr, -0.8, 0.0, -0.4, -0.05, -0.1, 0.05);
  cairo_curve_to(cr, 0.2, 0.15, 0.35, -0.55, 0.6, -0.55);
  cairo_line_to(cr, 0.75, -0.5);
  cairo_line_to(cr, 0.7, 0.7);
  cairo_line_to(cr, 0.62, 0.7);
  cairo_line_to(cr, 0.55, 0.0);
  cairo_curve_to(cr, 0.3, 0.1, 0.0, 0.45, -0.85, 0.45);
  cairo_close_path(cr);
  Paint(cr, p, v >= 2 ? Mix(p.body, Rgb8(230, 240, 255), 0.45 + 0.15 * (v - 2)) : p.body);
  Line(cr, p, p.accent, 1.2, {-0.7, 0.3, -0.1, 0.2});
  if (v >= 1) {  // a strap and its buckle
    Line(cr, p, p.accent, 1.2, {0.35, -0.35, 0.05, -0.4, -0.2, 0.0});
    Circle(cr, 0.05, -0.4, 0.06);
    Fill(cr, Rgb8(250, 210, 80));
  }
  if (v >= 2) {  // crystal glints
    StarPath(cr, -0.4, -0.35, 0.15, 4);
    StarPath(cr, 0.7, -0.85, 0.12, 4);
    Fill(cr, Rgb8(255, 255, 255));
  }
  if (v >= 3) {  // the stairs at midnight
    for (int i = 0; i < 3; ++i) {
      cairo_rectangle(cr, -0.85 + 0.25 * i, 0.5 + 0.12 * (2 - i), 0.25, 0.35 - 0.12 * (2 - i));
    }
    Fill(cr, Scale(p.ink, 1.8));
  }
}

void DrawDragon(cairo_t* cr, const MotifPaint& p, int v) {
  Halo(cr, p, 0, 0, 1.0);
  cairo_move_to(cr, -0.5, -0.4);
  cairo_line_to(cr, -0.2, -0.8);
  cairo_line_to(cr, -0.15, -0.5);
  cairo_curve_to(cr, 0.3, -0.6, 0.8, -0.4, 0.9, -0.1);
  cairo_line_to(cr, 0.4, 0.05);
  cairo_line_to(cr, 0.85, 0.2);
  cairo_curve_to(cr, 0.5, 0.45, 0.0, 0.4, -0.3, 0.25);
  cairo_curve_to(cr, -0.5, 0.6, -0.6, 0.9, -0.3, 1.0);
  cairo_line_to(cr, -0.9, 1.0);
  cairo_curve_to(cr, -0.9, 0.5, -0.8, 0.0, -0.5, -0.4);
  cairo_close_path(cr);
  Paint(cr, p, p.body);
  Poly(cr, {-0.45, -0.45, -0.75, -0.9, -0.35, -0.6});
  Fill(cr, p.accent);
  Ellipse(cr, 0.1, -0.3, 0.1, 0.06);
  Fill(cr, p.glow);
  for (int i = 0; i < 3; ++i) {
    Poly(cr, {-0.75 + 0.05 * i, 0.0 + 0.25 * i, -0.95 + 0.05 * i, 0.1 + 0.25 * i, -0.75 + 0.05 * i, 0.18 + 0.25 * i});
  }
  Fill(cr, p.accent);
  if (v % 2) Line(cr, p, p.glow, 1.5, {0.9, 0.05, 1.0, 0.05});
}

void DrawCat(cairo_t* cr, const MotifPaint& p, int v) {
  Halo(cr, p, 0, 0, 1.0);
  cairo_move_to(cr, 0.4, 0.8);
  cairo_curve_to(cr, 0.95, 0.8, 0.95, 0.2, 0.75, -0.1);
  SetColour(cr, p.ink);
  cairo_set_line_width(cr, 0.16);
  cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
  cairo_stroke(cr);
  Ellipse(cr, 0, 0.45, 0.5, 0.45);
  Paint(cr, p, p.body);
  Poly(cr, {-0.45, -0.4, -0.4, -0.9, -0.1, -0.6});
  Poly(cr, {0.45, -0.4, 0.4, -0.9, 0.1, -0.6});
  Paint(cr, p, p.body);
  Ellipse(cr, 0, -0.3, 0.45, 0.38);
  Paint(cr, p, p.body);
  Ellipse(cr, -0.18, -0.32, 0.09, 0.07);
  Ellipse(cr, 0.18, -0.32, 0.09, 0.07);
  Fill(cr, p.glow);
  Ellipse(cr, -0.18, -0.32, 0.025, 0.06);
  Ellipse(cr, 0.18, -0.32, 0.025, 0.06);
  Fill(cr, p.ink);
  Poly(cr, {-0.05, -0.18, 0.05, -0.18, 0, -0.12});
  Fill(cr, p.accent);
  for (int s : {-1, 1}) Line(cr, p, p.accent, 0.6, {0.1 * s, -0.14, 0.55 * s, -0.2 + 0.05 * v});
}

void DrawCassette(cairo_t* cr, const MotifPaint& p, int v) {
  Halo(cr, p, 0, 0, 1.0);
  RoundRect(cr, -0.95, -0.6, 1.9, 1.2, 0.1);
  Paint(cr, p, p.body);
  RoundRect(cr, -0.75, -0.45, 1.5, 0.55, 0.06);
  Fill(cr, Mix(p.accent, Rgb8(240, 240, 240), 0.5));
  for (int s : {-1, 1}) {
    Circle(cr, 0.4 * s, -0.17, 0.17);
    Paint(cr, p, Scale(p.ink, 1.4));
    Circle(cr, 0.4 * s, -0.17, 0.06);
    Fill(cr, Rgb8(240, 240, 240));
  }
  Poly(cr, {-0.55, 0.6, -0.45, 0.25, 0.45, 0.25, 0.55, 0.6});
  Paint(cr, p, Scale(p.body, 0.8));
  Line(cr, p, p.glow, 1.2, {-0.7, -0.52 + 0.02 * v, 0.7, -0.52 + 0.02 * v});
}

void DrawBottle(cairo_t* cr, const MotifPaint& p, int v) {
  Halo(cr, p, 0, 0, 1.0);
  RoundRect(cr, -0.55, -0.3, 1.1, 1.1, 0.3);
  SetColour(cr, p.body, 0.75);
  cairo_fill_preserve(cr);
  SetColour(cr, p.ink);
  cairo_set_line_width(cr, p.px);
  cairo_stroke(cr);
  cairo_rectangle(cr, -0.15, -0.5, 0.3, 0.2);
  Fill(cr, Rgb8(220, 200, 120));
  Circle(cr, 0, -0.7, 0.2);
  Paint(cr, p, p.accent);
  Ellipse(cr, -0.25, 0.0, 0.08, 0.2);
  Fill(cr, Rgb8(255, 255, 255), 0.7);
  for (int i = 0; i < 3 + v; ++i)
    Circle(cr, 0.55 + 0.1 * (i % 3) - 0.08 * (i / 3), -0.45 - 0.15 * (i % 3) + 0.3 * (i / 3), 0.05);
  Fill(cr, p.glow);
  if (v == 0 || v >= 2) {  // the atomizer's bulb and tube
    Line(cr, p, p.ink, 1, {0.15, -0.7, 0.6, -0.75, 0.7, -0.6});
    Ellipse(cr, 0.75, -0.45, 0.13, 0.17);
    Paint(cr, p, p.accent);
  }
  if (v >= 1) {  // a scent spirit curling out
    cairo_move_to(cr, 0, -0.9);
    cairo_curve_to(cr, -0.5, -1.0, -0.8, -0.6, -0.6, -0.3);
    cairo_curve_to(cr, -0.5, -0.1, -0.85, 0.1, -0.8, 0.3);
    SetColour(cr, p.glow, 0.8);
    cairo_set_line_width(cr, 1.5 * p.px);
    cairo_stroke(cr);
  }
  if (v >= 3) {  // the night orchid
    for (int i = 0; i < 5; ++i) {
      const double a = i * 2 * Pi / 5;
      Ellipse(cr, 0.2 * std::cos(a), 0.3 + 0.2 * std::sin(a), 0.14, 0.1);
    }
    Fill(cr, Rgb8(200, 120, 240));
    Circle(cr, 0, 0.3, 0.07);
    Fill(cr, Rgb8(255, 240, 120));
  }
}

void DrawBug(cairo_t* cr, const MotifPaint& p, int v) {
  Halo(cr, p, 0, 0.2, 1.0);
  for (int s : {-1, 1}) {
    cairo_save(cr);
    cairo_rotate(cr, 0.5 * s);
    Ellipse(cr, 0.0, -0.45, 0.18, 0.42);
    SetColour(cr, Rgb8(220, 235, 255), 0.55);
    cairo_fill_preserve(cr);
    SetColour(cr, p.ink);
    cairo_set_line_width(cr, 0.7 * p.px);
    cairo_stroke(cr);
    cairo_restore(cr);
  }
  Ellipse(cr, 0, -0.15, 0.2, 0.22);
  Paint(cr, p, p.body);
  Ellipse(cr, 0, 0.35, 0.24, 0.38);
  Paint(cr, p, p.body);
  Ellipse(cr, 0, 0.5, 0.2, 0.22);
  Fill(cr, p.glow);
  Halo(cr, p, 0, 0.5, 0.6);
  Line(cr, p, p.ink, 0.8, {-0.08, -0.32, -0.3, -0.7});
  Line(cr, p, p.ink, 0.8, {0.08, -0.32, 0.3, -0.7});
  if (v == 1) {  // the jar it lights
    RoundRect(cr, -0.75, -0.85, 1.5, 1.75, 0.3);
    SetColour(cr, Rgb8(220, 235, 255), 0.8);
    cairo_set_line_width(cr, 1.2 * p.px);
    cairo_stroke(cr);
    cairo_rectangle(cr, -0.45, -0.98, 0.9, 0.13);
    Fill(cr, Rgb8(170, 120, 70));
  }
  // The choir, then a galaxy of them.
  const int others = v >= 2 ? 2 + 3 * (v - 2) : 0;
  static const double spots[5][2] = {{-0.75, -0.6}, {0.75, -0.5}, {-0.8, 0.4}, {0.8, 0.55}, {0.55, -0.9}};
  for (int i = 0; i < others; ++i) {
    Halo(cr, p, spots[i][0], spots[i][1], 0.25);
    Circle(cr, spots[i][0], spots[i][1], 0.07);
    Fill(cr, Rgb8(255, 250, 200));
  }
}

void DrawJellyfish(cairo_t* cr, const MotifPaint& p, int v) {
  Halo(cr, p, 0, 0, 1.0);
  for (int i = 0; i < 5; ++i) {
    const double x = -0.45 + 0.225 * i;
    cairo_move_to(cr, x, -0.05);
    cairo_curve_to(cr, x + 0.15, 0.3, x - 0.15, 0.55, x + 0.05 * v, 0.95);
    SetColour(cr, p.accent, 0.9);
    cairo_set_line_width(cr, 1.2 * p.px);
    cairo_stroke(cr);
  }
  cairo_move_to(cr, -0.65, 0.0);
  cairo_curve_to(cr, -0.65, -0.9, 0.65, -0.9, 0.65, 0.0);
  cairo_curve_to(cr, 0.4, -0.1, 0.2, 0.05, 0, -0.05);
  cairo_curve_to(cr, -0.2, 0.05, -0.4, -0.1, -0.65, 0.0);
  cairo_close_path(cr);
  SetColour(cr, p.body, 0.85);
  cairo_fill_preserve(cr);
  SetColour(cr, p.glow);
  cairo_set_line_width(cr, 1.2 * p.px);
  cairo_stroke(cr);
  Ellipse(cr, -0.2, -0.4, 0.12, 0.08);
  Fill(cr, Rgb8(255, 255, 255), 0.6);
}

void DrawDancers(cairo_t* cr, const MotifPaint& p, int v) {
  Halo(cr, p, 0, 0, 1.0);
  for (int s : {-1, 1}) {
    cairo_save(cr);
    cairo_translate(cr, 0.3 * s, 0);
    cairo_rotate(cr, -0.15 * s);
    Circle(cr, 0, -0.65, 0.17);
    Paint(cr, p, Mix(p.body, Rgb8(235, 200, 190), 0.5));
    if (s < 0) {
      Poly(cr,
           {-0.2, -0.45, 0.2, -0.45, 0.15, 0.1, 0.18, 0.95, 0.02, 0.95, 0, 0.2, -0.02, 0.95, -0.18, 0.95, -0.15, 0.1});
      Paint(cr, p, Scale(p.body, 0.6));
    } else {
      Poly(cr, {-0.15, -0.45, 0.15, -0.45, 0.18, 0.0, 0.5, 0.9, -0.45, 0.9, -0.18, 0.0});
      Paint(cr, p, p.accent);
    }
    cairo_restore(cr);
  }
  Line(cr, p, p.ink, 2, {-0.15, -0.3, 0.0, -0.15 - 0.05 * v, 0.15, -0.3});
}

void DrawTrain(cairo_t* cr, const MotifPaint& p, int v) {
  Halo(cr, p, 0, 0, 1.0);
  RoundRect(cr, -0.6, -0.85, 1.2, 1.45, 0.25);
  Paint(cr, p, p.body);
  RoundRect(cr, -0.45, -0.7, 0.9, 0.5, 0.08);
  Fill(cr, p.glow, 0.85);
  cairo_rectangle(cr, -0.6, 0.0, 1.2, 0.15);
  Fill(cr, p.accent);
  Circle(cr, -0.35, 0.35, 0.1);
  Circle(cr, 0.35, 0.35, 0.1);
  Fill(cr, Rgb8(255, 245, 190));
  Line(cr, p, p.ink, 1.5, {-0.5, 0.95, -0.3, 0.6});
  Line(cr, p, p.ink, 1.5, {0.5, 0.95, 0.3, 0.6});
  Line(cr, p, p.ink, 1, {-0.7, 0.8 + 0.02 * v, 0.7, 0.8 + 0.02 * v});
}

void DrawLamp(cairo_t* cr, const MotifPaint& p, int v) {
  cairo_pattern_t* g = cairo_pattern_create_radial(0, -0.35, 0, 0, -0.35, 1.2);
  cairo_pattern_add_color_stop_rgba(g, 0, p.glow.r, p.glow.g, p.glow.b, 0.8);
  cairo_pattern_add_color_stop_rgba(g, 1, p.glow.r, p.glow.g, p.glow.b, 0);
  cairo_set_source(cr, g);
  Poly(cr, {-0.25, -0.3, 0.25, -0.3, 0.9, 1.0, -0.9, 1.0});
  cairo_fill(cr);
  cairo_pattern_destroy(g);
  Line(cr, p, p.ink, 4, {0.1, 0.95, 0.1, -0.6, -0.1, -0.8});
  Line(cr, p, p.body, 2.2, {0.1, 0.95, 0.1, -0.6, -0.1, -0.8});
  RoundRect(cr, -0.1, 0.8, 0.4, 0.15, 0.04);
  Paint(cr, p, p.body);
  Poly(cr, {-0.55, -0.8, 0.2, -0.8, 0.05, -0.4, -0.4, -0.4});
  Paint(cr, p, p.body);
  Ellipse(cr, -0.17, -0.42, 0.12, 0.06);
  Fill(cr, Rgb8(255, 250, 215));
  Circle(cr, 0.5, -0.6 - 0.1 * v, 0.05);
  Circle(cr, 0.6, -0.3, 0.04);
  Fill(cr, p.accent);
}

void DrawEye(cairo_t* cr, const MotifPaint& p, int v) {
  Halo(cr, p, 0, 0, 1.0);
  cairo_move_to(cr, -0.9, 0);
  cairo_curve_to(cr, -0.5, -0.6, 0.5, -0.6, 0.9, 0);
  cairo_curve_to(cr, 0.5, 0.6, -0.5, 0.6, -0.9, 0);
  cairo_close_path(cr);
  Paint(cr, p, Rgb8(235, 230, 240));
  Circle(cr, 0.05 * v, 0, 0.32);
  Paint(cr, p, p.body);
  Circle(cr, 0.05 * v, 0, 0.14);
  Fill(cr, p.ink);
  Circle(cr, -0.08 + 0.05 * v, -0.1, 0.06);
  Fill(cr, Rgb8(255, 255, 255));
  for (int i = 0; i < 5; ++i) {
    const double a = Pi + 0.4 + i * 0.55;
    Line(cr, p, p.accent, 1,
         {0.6 * std::cos(a), 0.45 * std::sin(a) - 0.1, 0.8 * std::cos(a), 0.65 * std::sin(a) - 0.15});
  }
}

}  // namespace

void DrawMotif(cairo_t* cr, Motif motif, const MotifPaint& p, int variant) {
  cairo_save(cr);
  const int v = variant & 3;
  switch (motif) {
    case Motif::Moth:
      DrawMoth(cr, p, v);
      break;
    case Motif::Figure:
      DrawFigure(cr, p, v);
      break;
    case Motif::Bat:
      DrawBat(cr, p, v);
      break;
    case Motif::Ghost:
      DrawGhost(cr, p, v);
      break;
    case Motif::Cabinet:
      DrawCabinet(cr, p, v);
      break;
    case Motif::Owl:
      DrawOwl(cr, p, v);
      break;
    case Motif::Fox:
      DrawFoxLike(cr, p, 1.0, 1.0, Rgb8(240, 235, 230));
      break;
    case Motif::Wolf:
      DrawFoxLike(cr, p, 0.6, 0.6, Scale(p.body, 1.4));
      break;
    case Motif::Ball:
      DrawBall(cr, p, v);
      break;
    case Motif::Glass:
      DrawGlass(cr, p, v);
      break;
    case Motif::Moon:
      DrawMoon(cr, p, v);
      break;
    case Motif::Mask:
      DrawMask(cr, p, v);
      break;
    case Motif::Serpent:
      DrawSerpent(cr, p, v);
      break;
    case Motif::Dice:
      DrawDice(cr, p, v);
      break;
    case Motif::Record:
      DrawRecord(cr, p, v);
      break;
    case Motif::Spotlight:
      DrawSpotlight(cr, p, v);
      break;
    case Motif::Saxophone:
      DrawSaxophone(cr, p, v);
      break;
    case Motif::Gargoyle:
      DrawGargoyle(cr, p, v);
      break;
    case Motif::Bird:
      DrawBird(cr, p, v);
      break;
    case Motif::Hearts:
      DrawHearts(cr, p, v);
      break;
    case Motif::Keys:
      DrawKeys(cr, p, v);
      break;
    case Motif::Sign:
      DrawSign(cr, p, v);
      break;
    case Motif::Wheel:
      DrawWheel(cr, p, v);
      break;
    case Motif::Lipstick:
      DrawLipstick(cr, p, v);
      break;
    case Motif::Robot:
      DrawRobot(cr, p, v);
      break;
    case Motif::Spider:
      DrawSpider(cr, p, v);
      break;
    case Motif::Cloud:
      DrawCloud(cr, p, v);
      break;
    case Motif::Rat:
      DrawRat(cr, p, v);
      break;
    case Motif::LavaLamp:
      DrawLavaLamp(cr, p, v);
      break;
    case Motif::Car:
      DrawCar(cr, p, v);
      break;
    case Motif::Flame:
      DrawFlame(cr, p, v);
      break;
    case Motif::Crown:
      DrawCrown(cr, p, v);
      break;
    case Motif::Clock:
      DrawClock(cr, p, v);
      break;
    case Motif::Rose:
      DrawRose(cr, p, v);
      break;
    case Motif::Lightning:
      DrawLightning(cr, p, v);
      break;
    case Motif::Star:
      DrawStar(cr, p, v);
      break;
    case Motif::Fish:
      DrawFish(cr, p, v);
      break;
    case Motif::TopHat:
      DrawTopHat(cr, p, v);
      break;
    case Motif::Fangs:
      DrawFangs(cr, p, v);
      break;
    case Motif::Chandelier:
      DrawChandelier(cr, p, v);
      break;
    case Motif::Curtain:
      DrawCurtain(cr, p, v);
      break;
    case Motif::Camera:
      DrawCamera(cr, p, v);
      break;
    case Motif::Shoe:
      DrawShoe(cr, p, v);
      break;
    case Motif::Dragon:
      DrawDragon(cr, p, v);
      break;
    case Motif::Cat:
      DrawCat(cr, p, v);
      break;
    case Motif::Cassette:
      DrawCassette(cr, p, v);
      break;
    case Motif::Bottle:
      DrawBottle(cr, p, v);
      break;
    case Motif::Bug:
      DrawBug(cr, p, v);
      break;
    case Motif::Jellyfish:
      DrawJellyfish(cr, p, v);
      break;
    case Motif::Dancers:
      DrawDancers(cr, p, v);
      break;
    case Motif::Train:
      DrawTrain(cr, p, v);
      break;
    case Motif::Lamp:
      DrawLamp(cr, p, v);
      break;
    case Motif::Eye:
      DrawEye(cr, p, v);
      break;
    case Motif::Bouncer:
      DrawBouncer(cr, p, v);
      break;
    case Motif::VeiledDancer:
      DrawVeiledDancer(cr, p, v);
      break;
    case Motif::DiscJockey:
      DrawDiscJockey(cr, p, v);
      break;
    case Motif::CigaretteGirl:
      DrawCigaretteGirl(cr, p, v);
      break;
    case Motif::Bartender:
      DrawBartender(cr, p, v);
      break;
    case Motif::Fairy:
      DrawFairy(cr, p, v);
      break;
    case Motif::Crooner:
      DrawCrooner(cr, p, v);
      break;
    case Motif::Imp:
      DrawImp(cr, p, v);
      break;
    case Motif::Harlequin:
      DrawHarlequin(cr, p, v);
      break;
    case Motif::Mime:
      DrawMime(cr, p, v);
      break;
    case Motif::Magician:
      DrawMagician(cr, p, v);
      break;
    case Motif::Croupier:
      DrawCroupier(cr, p, v);
      break;
    case Motif::Hologram:
      DrawHologram(cr, p, v);
      break;
    case Motif::Shadow:
      DrawShadow(cr, p, v);
      break;
    case Motif::Banshee:
      DrawBanshee(cr, p, v);
      break;
    case Motif::VinylGhost:
      DrawVinylGhost(cr, p, v);
      break;
    case Motif::MoonCat:
      DrawMoonCat(cr, p, v);
      break;
    case Motif::Cicada:
      DrawCicada(cr, p, v);
      break;
    case Motif::Panther:
      DrawPanther(cr, p, v);
      break;
    case Motif::Flamingo:
      DrawFlamingo(cr, p, v);
      break;
    case Motif::DrumMachine:
      DrawDrumMachine(cr, p, v);
      break;
    case Motif::SlotMachine:
      DrawSlotMachine(cr, p, v);
      break;
    case Motif::Pearl:
      DrawPearl(cr, p, v);
      break;
    case Motif::Scorpion:
      DrawScorpion(cr, p, v);
      break;
    case Motif::Champagne:
      DrawChampagne(cr, p, v);
      break;
    case Motif::Gecko:
      DrawGecko(cr, p, v);
      break;
    case Motif::Wisp:
      DrawWisp(cr, p, v);
      break;
    case Motif::Laser:
      DrawLaser(cr, p, v);
      break;
    case Motif::RollerSkate:
      DrawRollerSkate(cr, p, v);
      break;
    case Motif::Motorbike:
      DrawMotorbike(cr, p, v);
      break;
    case Motif::Piano:
      DrawPiano(cr, p, v);
      break;
    case Motif::Graffiti:
      DrawGraffiti(cr, p, v);
      break;
    case Motif::Poltergeist:
      DrawPoltergeist(cr, p, v);
      break;
    case Motif::Limousine:
      DrawLimousine(cr, p, v);
      break;
    case Motif::Hourglass:
      DrawHourglass(cr, p, v);
      break;
    case Motif::Eclipse:
      DrawEclipse(cr, p, v);
      break;
    case Motif::Shaker:
      DrawShaker(cr, p, v);
      break;
    case Motif::Count:
      break;
  }
  DrawMotifProps(cr, motif, p, v);
  cairo_restore(cr);
}

Motif MotifForTitle(const std::string& title, int family) {
  std::string lower(title);
  for (char& c : lower) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  // The most telling word first: "Absinthe Fairy" is a winged thing, "Neon Sign" a sign.
  static const struct {
    const char* word;
    Motif motif;
  } words[] = {
      // The whole family names first, so "Vinyl Ghost" is not any ghost and "Moon Cat" not any moon.
      {"neon moth", Motif::Moth},
      {"bouncer", Motif::Bouncer},
      {"chrome bat", Motif::Bat},
      {"vinyl", Motif::VinylGhost},
      {"jukebox", Motif::Cabinet},
      {"owl", Motif::Owl},
      {"silver fox", Motif::Fox},
      {"mirror ball", Motif::Ball},
      {"martini", Motif::Glass},
      {"moon cat", Motif::MoonCat},
      {"masked dancer", Motif::VeiledDancer},
      {"serpent", Motif::Serpent},
      {"dice", Motif::Dice},
      {"disc jockey", Motif::DiscJockey},
      {"firefly", Motif::Bug},
      {"spotlight", Motif::Spotlight},
      {"saxophone", Motif::Saxophone},
      {"gargoyle", Motif::Gargoyle},
      {"shaker", Motif::Shaker},
      {"raven", Motif::Bird},
      {"tango", Motif::Dancers},
      {"pianist", Motif::Piano},
      {"neon sign", Motif::Sign},
      {"alley cat", Motif::Cat},
      {"cigarette", Motif::CigaretteGirl},
      {"roulette", Motif::Wheel},
      {"panther", Motif::Panther},
      {"banshee", Motif::Banshee},
      {"bartender", Motif::Bartender},
      {"robot", Motif::Robot},
      {"spider", Motif::Spider},
      {"fog", Motif::Cloud},
      {"fairy", Motif::Fairy},
      {"absinthe", Motif::Fairy},
      {"crooner", Motif::Crooner},
      {"rat", Motif::Rat},
      {"lava", Motif::LavaLamp},
      {"taxi", Motif::Car},
      {"imp", Motif::Imp},
      {"streetlamp", Motif::Lamp},
      {"harlequin", Motif::Harlequin},
      {"cassette", Motif::Cassette},
      {"flamingo", Motif::Flamingo},
      {"eclipse", Motif::Eclipse},
      {"drum machine", Motif::DrumMachine},
      {"wolf", Motif::Wolf},
      {"perfume", Motif::Bottle},
      {"slot", Motif::SlotMachine},
      {"mime", Motif::Mime},
      {"pearl", Motif::Pearl},
      {"koi", Motif::Fish},
      {"magician", Motif::Magician},
      {"train", Motif::Train},
      {"top hat", Motif::TopHat},
      {"scorpion", Motif::Scorpion},
      {"lipstick", Motif::Lipstick},
      {"champagne", Motif::Champagne},
      {"gecko", Motif::Gecko},
      {"wisp", Motif::Wisp},
      {"turntable", Motif::Record},
      {"fortune", Motif::Eye},
      {"jellyfish", Motif::Jellyfish},
      {"stiletto", Motif::Shoe},
      {"laser", Motif::Laser},
      {"croupier", Motif::Croupier},
      {"cicada", Motif::Cicada},
      {"roller", Motif::RollerSkate},
      {"vampire", Motif::Fangs},
      {"chandelier", Motif::Chandelier},
      {"flame", Motif::Flame},
      {"rider", Motif::Motorbike},
      {"hologram", Motif::Hologram},
      {"crown", Motif::Crown},
      {"shadow", Motif::Shadow},
      {"synthesizer", Motif::Keys},
      {"clock", Motif::Clock},
      {"graffiti", Motif::Graffiti},
      {"carnival", Motif::Mask},
      {"poltergeist", Motif::Poltergeist},
      {"tesla", Motif::Lightning},
      {"rose", Motif::Rose},
      {"photographer", Motif::Camera},
      {"limousine", Motif::Limousine},
      {"comet", Motif::Star},
      {"dragon", Motif::Dragon},
      {"sandman", Motif::Hourglass},
      {"curtain", Motif::Curtain},
      // Then single words, for titles the club may add later.
      {"moth", Motif::Moth},
      {"bat", Motif::Bat},
      {"fox", Motif::Fox},
      {"ghost", Motif::Ghost},
      {"phantom", Motif::Ghost},
      {"mask", Motif::Mask},
      {"moon", Motif::Moon},
      {"cat", Motif::Cat},
      {"car", Motif::Car},
      {"heart", Motif::Hearts},
      {"dancer", Motif::VeiledDancer},
      {"girl", Motif::CigaretteGirl},
      {"star", Motif::Star},
      {"eye", Motif::Eye},
      {"sign", Motif::Sign},
  };
  // Whole-word test for the short words, so "Pirate" never reads as "rat".
  auto wordAt = [&lower](std::size_t at, std::size_t len) {
    const bool startOk = at == 0 || !std::isalpha(static_cast<unsigned char>(lower[at - 1]));
    const bool endOk = at + len >= lower.size() || !std::isalpha(static_cast<unsigned char>(lower[at + len]));
    return startOk && endOk;
  };
  for (const auto& w : words) {
    const std::size_t len = std::strlen(w.word);
    for (std::size_t at = lower.find(w.word); at != std::string::npos; at = lower.find(w.word, at + 1)) {
      if (len > 4 || wordAt(at, len)) return w.motif;
    }
  }
  return static_cast<Motif>((family * 7 + 3) % MotifCount);
}
