// art_motifs_people.cpp -- the club's people and spirits: each family's own figure, richer with every level (v 0..3).
#include <cmath>

#include "tools/forge/art_motif_kit.h"

using namespace motif_kit;

namespace {

void Sparkles(cairo_t* cr, Colour c, int n, double r) {
  static const double spots[6][2] = {{-0.8, -0.7}, {0.8, -0.6}, {-0.85, 0.1}, {0.85, 0.2}, {-0.5, -0.95}, {0.55, -0.9}};
  for (int i = 0; i < n && i < 6; ++i) {
    StarPath(cr, spots[i][0], spots[i][1], r, 4);
    Fill(cr, c);
  }
}

void SmallCrown(cairo_t* cr, const MotifPaint& p, double y, double w) {
  Poly(cr, {-w, y, -w, y - 0.22, -w / 2, y - 0.1, 0, y - 0.28, w / 2, y - 0.1, w, y - 0.22, w, y});
  Paint(cr, p, Rgb8(250, 210, 80));
}

}  // namespace

void DrawBouncer(cairo_t* cr, const MotifPaint& p, int v) {
  Halo(cr, p, 0, -0.2, 0.9);
  // Broad shoulders, arms crossed, dark glasses.
  cairo_move_to(cr, -0.95, 1.0);
  cairo_curve_to(cr, -0.95, 0.2, -0.5, 0.12, 0, 0.12);
  cairo_curve_to(cr, 0.5, 0.12, 0.95, 0.2, 0.95, 1.0);
  cairo_close_path(cr);
  Paint(cr, p, Scale(p.body, 0.55));
  Poly(cr, {-0.7, 0.55, 0.7, 0.45, 0.72, 0.7, -0.68, 0.8});
  Paint(cr, p, Scale(p.body, 0.7));
  Ellipse(cr, 0, -0.25, 0.3, 0.36);
  Paint(cr, p, Skin);
  RoundRect(cr, -0.27, -0.33, 0.24, 0.11, 0.04);
  RoundRect(cr, 0.03, -0.33, 0.24, 0.11, 0.04);
  Fill(cr, p.ink);
  Line(cr, p, p.accent, 1, {-0.12, -0.02, 0.12, -0.02});
  if (v >= 1) {  // the velvet rope on its posts
    Line(cr, p, Rgb8(200, 30, 60), 2, {-0.9, 0.25, -0.6, 0.45, -0.3, 0.3});
    Line(cr, p, Rgb8(230, 200, 90), 1.6, {-0.9, 0.15, -0.9, 1.0});
  }
  if (v >= 2) Line(cr, p, p.glow, 1.2, {0.35, 0.2, 0.5, -0.05, 0.45, -0.2});  // ear piece
  if (v >= 3) {                                                               // an iron gate behind him
    for (int i = 0; i < 5; ++i)
      Line(cr, p, Scale(p.accent, 0.8), 0.8, {-0.9 + 0.45 * i, -0.95, -0.9 + 0.45 * i, -0.55});
    Line(cr, p, Scale(p.accent, 0.8), 0.8, {-0.95, -0.85, 0.95, -0.85});
  }
}

void DrawVeiledDancer(cairo_t* cr, const MotifPaint& p, int v) {
  Halo(cr, p, 0, 0, 1.0);
  // A twirling skirt, arms up, a mask over the eyes.
  cairo_move_to(cr, -0.12, 0.05);
  cairo_curve_to(cr, -0.5, 0.5, -0.9, 0.7, -0.8, 0.95);
  cairo_curve_to(cr, -0.3, 0.8, 0.3, 1.0, 0.85, 0.85);
  cairo_curve_to(cr, 0.8, 0.6, 0.4, 0.4, 0.12, 0.05);
  cairo_close_path(cr);
  Paint(cr, p, p.body);
  Poly(cr, {-0.14, -0.35, 0.14, -0.35, 0.12, 0.08, -0.12, 0.08});
  Paint(cr, p, Scale(p.body, 0.7));
  Line(cr, p, Skin, 1.6, {-0.12, -0.3, -0.45, -0.55, -0.35, -0.85});
  Line(cr, p, Skin, 1.6, {0.12, -0.3, 0.5, -0.5, 0.6, -0.8});
  Circle(cr, 0, -0.52, 0.17);
  Paint(cr, p, Skin);
  Poly(cr, {-0.2, -0.58, 0.2, -0.58, 0.16, -0.48, 0, -0.52, -0.16, -0.48});
  Fill(cr, p.ink);
  if (v >= 1) {  // the veil
    cairo_move_to(cr, -0.35, -0.85);
    cairo_curve_to(cr, -0.9, -0.4, -0.9, 0.1, -0.6, 0.4);
    SetColour(cr, p.accent, 0.7);
    cairo_set_line_width(cr, 3 * p.px);
    cairo_stroke(cr);
  }
  if (v >= 2) Sparkles(cr, Rgb8(255, 250, 220), 2 + v, 0.09);
  if (v >= 3) {  // masks all around her
    for (int s : {-1, 1}) {
      Ellipse(cr, 0.72 * s, 0.25, 0.16, 0.08);
      Fill(cr, p.accent);
    }
  }
}

void DrawDiscJockey(cairo_t* cr, const MotifPaint& p, int v) {
  Halo(cr, p, 0, -0.3, 0.9);
  Bust(cr, p, Scale(p.body, 0.7), Skin, -0.35);
  // Headphones.
  cairo_arc(cr, 0, -0.4, 0.36, Pi, 2 * Pi);
  SetColour(cr, p.ink);
  cairo_set_line_width(cr, 2 * p.px);
  cairo_stroke(cr);
  for (int s : {-1, 1}) {
    RoundRect(cr, 0.3 * s - 0.09, -0.5, 0.18, 0.26, 0.06);
    Paint(cr, p, p.accent);
  }
  // The deck in front.
  RoundRect(cr, -0.95, 0.45, 1.9, 0.5, 0.06);
  Paint(cr, p, Rgb8(60, 56, 80));
  const int decks = v >= 1 ? 2 : 1;
  for (int i = 0; i < decks; ++i) {
    const double x = decks == 1 ? 0 : (i ? 0.45 : -0.45);
    Ellipse(cr, x, 0.66, 0.32, 0.14);
    Paint(cr, p, Rgb8(30, 26, 40));
    Ellipse(cr, x, 0.66, 0.08, 0.04);
    Fill(cr, p.glow);
  }
  if (v >= 2) {  // sound waves
    for (int s : {-1, 1})
      for (int k = 0; k < 2; ++k) {
        cairo_new_sub_path(cr);
        cairo_arc(cr, 0.4 * s, -0.35, 0.3 + 0.18 * k, s > 0 ? -0.6 : Pi - 0.6, s > 0 ? 0.6 : Pi + 0.6);
        SetColour(cr, p.glow, 0.8);
        cairo_set_line_width(cr, p.px);
        cairo_stroke(cr);
      }
  }
  if (v >= 3) {  // a supernova behind
    StarPath(cr, 0.75, -0.8, 0.22, 8);
    Fill(cr, Rgb8(255, 240, 160));
  }
}

void DrawCigaretteGirl(cairo_t* cr, const MotifPaint& p, int v) {
  Halo(cr, p, 0, -0.2, 0.9);
  Bust(cr, p, p.body, Skin, -0.35);
  // Pillbox hat and the tray on its strap.
  RoundRect(cr, -0.2, -0.78, 0.4, 0.16, 0.04);
  Paint(cr, p, p.accent);
  Line(cr, p, p.ink, 1, {-0.45, 0.2, 0, 0.55, 0.45, 0.2});
  Poly(cr, {-0.8, 0.5, 0.8, 0.5, 0.7, 0.8, -0.7, 0.8});
  Paint(cr, p, Rgb8(200, 150, 90));
  const int items = 2 + v;
  for (int i = 0; i < items; ++i) {
    cairo_rectangle(cr, -0.6 + i * 1.2 / items, 0.36, 0.12, 0.16);
    Fill(cr, i % 2 ? White : p.accent);
  }
  Circle(cr, -0.1, -0.33, 0.04);
  Circle(cr, 0.1, -0.33, 0.04);
  Fill(cr, p.ink);
  if (v >= 1) Line(cr, p, Rgb8(200, 30, 60), 1, {-0.08, -0.18, 0.08, -0.18});
  if (v >= 2) {  // a plume on the hat
    cairo_move_to(cr, 0.15, -0.75);
    cairo_curve_to(cr, 0.4, -1.0, 0.6, -0.8, 0.55, -0.6);
    SetColour(cr, p.glow);
    cairo_set_line_width(cr, 2 * p.px);
    cairo_stroke(cr);
  }
  if (v >= 3) {  // gossip bubbles
    for (int s : {-1, 1}) {
      Ellipse(cr, 0.72 * s, -0.35, 0.2, 0.13);
      Paint(cr, p, White);
      Line(cr, p, p.ink, 0.7, {0.64 * s, -0.35, 0.8 * s, -0.35});
    }
  }
}

void DrawBartender(cairo_t* cr, const MotifPaint& p, int v) {
  Halo(cr, p, 0, -0.2, 0.9);
  Bust(cr, p, White, Skin, -0.35);
  Poly(cr, {-0.7, 0.3, -0.15, 0.12, -0.05, 1.0, -0.75, 1.0});
  Poly(cr, {0.7, 0.3, 0.15, 0.12, 0.05, 1.0, 0.75, 1.0});
  Paint(cr, p, Scale(p.body, 0.6));  // the waistcoat
  Poly(cr, {0, 0.16, -0.16, 0.08, -0.16, 0.24});
  Poly(cr, {0, 0.16, 0.16, 0.08, 0.16, 0.24});
  Fill(cr, p.accent);
  Line(cr, p, p.ink, 1.2, {-0.2, -0.2, -0.05, -0.17});  // moustache
  Line(cr, p, p.ink, 1.2, {0.2, -0.2, 0.05, -0.17});
  Circle(cr, -0.1, -0.36, 0.035);
  Circle(cr, 0.1, -0.36, 0.035);
  Fill(cr, p.ink);
  // Bottles on the shelf behind him: more of them as he rises.
  const int bottles = 1 + v;
  for (int i = 0; i < bottles; ++i) {
    const double x = (i % 2 ? 0.62 : -0.62) + (i / 2) * (i % 2 ? 0.2 : -0.2);
    RoundRect(cr, x - 0.08, -0.75, 0.16, 0.4, 0.05);
    Paint(cr, p, i % 2 ? p.glow : p.accent);
    cairo_rectangle(cr, x - 0.03, -0.9, 0.06, 0.15);
    Fill(cr, p.ink);
  }
  if (v >= 2) {  // a cocktail glass in hand
    Poly(cr, {0.35, 0.45, 0.75, 0.45, 0.55, 0.7});
    Paint(cr, p, Mix(p.glow, White, 0.4));
    Line(cr, p, White, 1, {0.55, 0.7, 0.55, 0.9});
  }
}

void DrawFairy(cairo_t* cr, const MotifPaint& p, int v) {
  Halo(cr, p, 0, 0, 1.0);
  // Dragonfly wings, a slim body, a wand of green light.
  for (int s : {-1, 1}) {
    for (int k = 0; k < 2; ++k) {
      cairo_save(cr);
      cairo_translate(cr, 0.05 * s, -0.15 + 0.35 * k);
      cairo_rotate(cr, s * (k ? 1.9 : 1.0));
      Ellipse(cr, 0, -0.4, 0.17 + 0.03 * v, 0.42 + 0.04 * v);
      SetColour(cr, Mix(p.glow, White, 0.4), 0.55);
      cairo_fill_preserve(cr);
      SetColour(cr, p.accent);
      cairo_set_line_width(cr, 0.8 * p.px);
      cairo_stroke(cr);
      cairo_restore(cr);
    }
  }
  cairo_move_to(cr, -0.12, -0.2);
  cairo_line_to(cr, 0.12, -0.2);
  cairo_line_to(cr, 0.3, 0.6);
  cairo_line_to(cr, -0.3, 0.6);
  cairo_close_path(cr);
  Paint(cr, p, p.body);
  Circle(cr, 0, -0.38, 0.16);
  Paint(cr, p, Mix(Skin, p.body, 0.25));
  Line(cr, p, Skin, 1, {-0.05, 0.6, -0.1, 0.9});
  Line(cr, p, Skin, 1, {0.05, 0.6, 0.12, 0.88});
  if (v >= 1) {  // the sugar cube she dances on
    RoundRect(cr, -0.2, 0.86, 0.4, 0.14, 0.02);
    Fill(cr, White);
  }
  if (v >= 2) {
    Line(cr, p, p.accent, 1, {0.1, -0.1, 0.6, -0.6});
    StarPath(cr, 0.62, -0.62, 0.14, 5);
    Fill(cr, Rgb8(240, 255, 200));
  }
  if (v >= 3) SmallCrown(cr, p, -0.52, 0.14);
}

void DrawCrooner(cairo_t* cr, const MotifPaint& p, int v) {
  Halo(cr, p, 0, -0.2, 0.9);
  Bust(cr, p, Scale(p.body, 0.5), Skin, -0.3);
  Poly(cr, {-0.12, 0.18, 0.12, 0.18, 0, 0.55});
  Fill(cr, White);
  Poly(cr, {0, 0.22, -0.13, 0.15, -0.13, 0.3});
  Poly(cr, {0, 0.22, 0.13, 0.15, 0.13, 0.3});
  Fill(cr, p.ink);
  // Slick hair with a quiff.
  cairo_move_to(cr, -0.28, -0.35);
  cairo_curve_to(cr, -0.3, -0.75, 0.3, -0.8, 0.36, -0.55);
  cairo_curve_to(cr, 0.2, -0.6, 0.1, -0.5, 0.28, -0.35);
  cairo_curve_to(cr, 0.1, -0.55, -0.1, -0.55, -0.28, -0.35);
  Fill(cr, Rgb8(40, 30, 30));
  Line(cr, p, Rgb8(200, 60, 80), 1.2, {-0.08, -0.1, 0.08, -0.1});
  // The microphone on its stand.
  Line(cr, p, Rgb8(200, 204, 220), 1.4, {0.55, -0.05, 0.55, 1.0});
  Ellipse(cr, 0.55, -0.15, 0.09, 0.13);
  Paint(cr, p, Rgb8(200, 204, 220));
  if (v >= 1) {  // notes
    for (int i = 0; i < v; ++i) {
      const double x = -0.7 + 0.2 * i, y = -0.5 - 0.2 * i;
      Ellipse(cr, x, y, 0.07, 0.05);
      Fill(cr, p.glow);
      Line(cr, p, p.glow, 0.8, {x + 0.06, y, x + 0.06, y - 0.22});
    }
  }
  if (v >= 2) {  // a rose in the buttonhole
    Circle(cr, -0.45, 0.45, 0.08);
    Fill(cr, Rgb8(220, 30, 60));
  }
  if (v >= 3) {  // the moon leaning in
    Circle(cr, 0.75, -0.75, 0.2);
    Fill(cr, Rgb8(250, 240, 200));
    Circle(cr, 0.83, -0.8, 0.17);
    Fill(cr, Scale(p.ink, 1.5));
  }
}

void DrawImp(cairo_t* cr, const MotifPaint& p, int v) {
  Halo(cr, p, 0, 0, 1.0);
  // A coat hanger it swings from, a grin, pointed ears.
  Line(cr, p, Rgb8(210, 212, 225), 1.2, {-0.55, -0.6, 0, -0.8, 0.55, -0.6, -0.55, -0.6});
  Line(cr, p, Rgb8(210, 212, 225), 1.2, {0, -0.8, 0, -0.95, 0.1, -0.98});
  Ellipse(cr, 0, 0.4, 0.35, 0.45);
  Paint(cr, p, p.body);
  Poly(cr, {-0.3, -0.2, -0.75, -0.35, -0.35, 0.0});
  Poly(cr, {0.3, -0.2, 0.75, -0.35, 0.35, 0.0});
  Paint(cr, p, p.body);
  Circle(cr, 0, -0.12, 0.36);
  Paint(cr, p, p.body);
  Eyes(cr, p, -0.2, 0.14, 0.07, p.glow);
  Line(cr, p, p.ink, 1, {-0.18, 0.02, 0, 0.1, 0.18, 0.02});
  Line(cr, p, p.body, 1.4, {-0.3, 0.3, -0.45, -0.5});
  Line(cr, p, p.body, 1.4, {0.3, 0.3, 0.45, -0.5});
  if (v >= 1) {  // a ticket
    RoundRect(cr, 0.45, 0.3, 0.35, 0.22, 0.03);
    Paint(cr, p, Rgb8(240, 220, 150));
    Line(cr, p, p.ink, 0.6, {0.52, 0.41, 0.72, 0.41});
  }
  if (v >= 2) {  // a coat on the hanger behind it
    Poly(cr, {-0.9, -0.5, -0.6, -0.55, -0.55, 0.6, -0.95, 0.6});
    Paint(cr, p, Scale(p.accent, 0.7));
  }
  if (v >= 3) {  // a lord's top hat
    RoundRect(cr, -0.2, -0.8, 0.4, 0.35, 0.04);
    Paint(cr, p, Rgb8(40, 34, 56));
    Ellipse(cr, 0, -0.45, 0.32, 0.06);
    Fill(cr, Rgb8(40, 34, 56));
  }
}

void DrawHarlequin(cairo_t* cr, const MotifPaint& p, int v) {
  Halo(cr, p, 0, 0, 1.0);
  // A jester's cap of two horns with bells, a white face, diamonds below.
  cairo_move_to(cr, -0.4, 0.95);
  cairo_line_to(cr, -0.5, 0.35);
  cairo_line_to(cr, 0.5, 0.35);
  cairo_line_to(cr, 0.4, 0.95);
  cairo_close_path(cr);
  Paint(cr, p, p.body);
  cairo_save(cr);
  cairo_rectangle(cr, -0.5, 0.35, 1.0, 0.6);
  cairo_clip(cr);
  for (int i = 0; i < 5; ++i)
    for (int j = 0; j < 2; ++j)
      if ((i + j) % 2)
        Poly(cr, {-0.6 + 0.25 * i, 0.35 + 0.3 * j, -0.48 + 0.25 * i, 0.5 + 0.3 * j, -0.6 + 0.25 * i, 0.65 + 0.3 * j,
                  -0.72 + 0.25 * i, 0.5 + 0.3 * j});
  Fill(cr, Rgb8(30, 24, 40));
  cairo_restore(cr);
  Ellipse(cr, 0, 0.0, 0.32, 0.38);
  Paint(cr, p, White);
  for (int s : {-1, 1}) {
    cairo_move_to(cr, 0.05 * s, -0.3);
    cairo_curve_to(cr, 0.4 * s, -0.9, 0.7 * s, -0.7, 0.85 * s, -0.45);
    cairo_curve_to(cr, 0.6 * s, -0.55, 0.4 * s, -0.45, 0.3 * s, -0.2);
    cairo_close_path(cr);
    Paint(cr, p, s < 0 ? p.body : p.accent);
    Circle(cr, 0.85 * s, -0.45, 0.08);
    Paint(cr, p, Rgb8(250, 210, 80));
  }
  Eyes(cr, p, -0.05, 0.12, 0.04, p.ink);
  Circle(cr, 0.12, 0.12, 0.035);  // the painted tear
  Fill(cr, p.glow);
  Line(cr, p, Rgb8(200, 40, 60), 1, {-0.12, 0.2, 0, 0.25, 0.12, 0.2});
  if (v >= 1) {  // the ruff
    for (int i = 0; i < 5; ++i) Circle(cr, -0.32 + 0.16 * i, 0.38, 0.09);
    Paint(cr, p, White);
  }
  if (v >= 2) Line(cr, p, Rgb8(210, 212, 225), 1.2, {0.5, 0.9, 0.9, 0.1});  // a blade
  if (v >= 3) Sparkles(cr, p.glow, 4, 0.1);
}

void DrawMime(cairo_t* cr, const MotifPaint& p, int v) {
  Halo(cr, p, 0, -0.2, 0.9);
  Bust(cr, p, White, White, -0.3);
  cairo_save(cr);
  cairo_move_to(cr, -0.85, 1.0);
  cairo_curve_to(cr, -0.8, 0.38, -0.45, 0.15, 0, 0.15);
  cairo_curve_to(cr, 0.45, 0.15, 0.8, 0.38, 0.85, 1.0);
  cairo_close_path(cr);
  cairo_clip(cr);
  for (int i = 0; i < 4; ++i) {
    cairo_rectangle(cr, -1, 0.25 + 0.2 * i, 2, 0.09);
    Fill(cr, Rgb8(30, 26, 44));
  }
  cairo_restore(cr);
  // A beret, dark eyes, a sad mouth, a painted tear.
  Ellipse(cr, 0.05, -0.62, 0.3, 0.1);
  Fill(cr, Rgb8(30, 26, 44));
  for (int s : {-1, 1}) Line(cr, p, p.ink, 1, {0.08 * s, -0.36, 0.18 * s, -0.3});
  Line(cr, p, Rgb8(200, 30, 50), 1.2, {-0.1, -0.1, 0, -0.14, 0.1, -0.1});
  // Hands pressed on the invisible wall.
  for (int s : {-1, 1}) {
    Circle(cr, 0.65 * s, -0.2, 0.12);
    Paint(cr, p, White);
  }
  if (v >= 1) Line(cr, p, Mix(p.glow, White, 0.5), 1, {-0.82, -0.5, -0.82, 0.3});
  if (v >= 1) Line(cr, p, Mix(p.glow, White, 0.5), 1, {0.82, -0.5, 0.82, 0.3});
  if (v >= 2) Line(cr, p, Mix(p.glow, White, 0.5), 1, {-0.82, -0.5, 0, -0.85, 0.82, -0.5});
  if (v >= 3) {  // the glass box shines
    cairo_rectangle(cr, -0.85, -0.9, 1.7, 1.25);
    SetColour(cr, p.glow, 0.25);
    cairo_fill(cr);
  }
}

void DrawMagician(cairo_t* cr, const MotifPaint& p, int v) {
  Halo(cr, p, 0, 0, 1.0);
  // A caped conjurer with his wand; the rabbit and doves come with rank.
  cairo_move_to(cr, -0.2, -0.1);
  cairo_line_to(cr, -0.8, 1.0);
  cairo_line_to(cr, 0.8, 1.0);
  cairo_line_to(cr, 0.2, -0.1);
  cairo_close_path(cr);
  Paint(cr, p, Scale(p.body, 0.5));
  Poly(cr, {-0.15, -0.05, 0.15, -0.05, 0.35, 1.0, -0.35, 1.0});
  Fill(cr, Scale(p.accent, 0.8));
  Ellipse(cr, 0, -0.3, 0.22, 0.26);
  Paint(cr, p, Skin);
  Line(cr, p, p.ink, 1, {-0.1, -0.18, 0, -0.22, 0.1, -0.18});
  RoundRect(cr, -0.2, -0.9, 0.4, 0.38, 0.04);
  Paint(cr, p, Rgb8(34, 28, 50));
  Ellipse(cr, 0, -0.52, 0.36, 0.07);
  Fill(cr, Rgb8(34, 28, 50));
  Line(cr, p, Rgb8(30, 26, 40), 1.8, {0.3, 0.2, 0.85, -0.35});
  Line(cr, p, White, 1.8, {0.78, -0.28, 0.85, -0.35});
  StarPath(cr, 0.88, -0.42, 0.12 + 0.03 * v, 4);
  Fill(cr, Rgb8(255, 250, 200));
  if (v >= 1) {  // the rabbit
    Ellipse(cr, -0.6, 0.55, 0.17, 0.14);
    Paint(cr, p, White);
    Ellipse(cr, -0.66, 0.32, 0.04, 0.13);
    Ellipse(cr, -0.54, 0.32, 0.04, 0.13);
    Fill(cr, White);
  }
  if (v >= 2) {  // a dove
    Poly(cr, {-0.75, -0.6, -0.45, -0.5, -0.3, -0.75, -0.45, -0.45, -0.6, -0.35});
    Paint(cr, p, White);
  }
  if (v >= 3) Sparkles(cr, p.glow, 5, 0.09);
}

void DrawCroupier(cairo_t* cr, const MotifPaint& p, int v) {
  Halo(cr, p, 0, -0.2, 0.9);
  Bust(cr, p, Scale(p.body, 0.45), Skin, -0.3);
  Poly(cr, {-0.15, 0.15, 0.15, 0.15, 0, 0.5});
  Fill(cr, White);
  // The green visor.
  Poly(cr, {-0.34, -0.46, 0.34, -0.46, 0.46, -0.34, -0.46, -0.34});
  SetColour(cr, Rgb8(60, 200, 120), 0.85);
  cairo_fill(cr);
  Eyes(cr, p, -0.26, 0.1, 0.035, p.ink);
  Line(cr, p, p.ink, 0.9, {-0.08, -0.08, 0.08, -0.08});
  // The felt with chips.
  RoundRect(cr, -0.95, 0.55, 1.9, 0.45, 0.05);
  Paint(cr, p, Rgb8(30, 110, 70));
  const int stacks = 1 + v;
  for (int i = 0; i < stacks; ++i) {
    const double x = -0.7 + 0.45 * i;
    for (int k = 0; k <= i; ++k) {
      Ellipse(cr, x, 0.8 - 0.08 * k, 0.14, 0.05);
      Paint(cr, p, k % 2 ? p.accent : Rgb8(230, 40, 50));
    }
  }
  if (v >= 2) {  // a fanned hand of cards
    for (int i = 0; i < 3; ++i) {
      cairo_save(cr);
      cairo_translate(cr, 0.65, 0.15);
      cairo_rotate(cr, -0.4 + 0.35 * i);
      RoundRect(cr, -0.1, -0.4, 0.2, 0.3, 0.03);
      Paint(cr, p, White);
      cairo_restore(cr);
    }
  }
}

void DrawHologram(cairo_t* cr, const MotifPaint& p, int v) {
  // A hostess of light on her projector, crossed by scan lines.
  cairo_move_to(cr, -0.5, 0.85);
  cairo_line_to(cr, -0.75, -0.95);
  cairo_line_to(cr, 0.75, -0.95);
  cairo_line_to(cr, 0.5, 0.85);
  cairo_close_path(cr);
  SetColour(cr, p.glow, 0.18 + 0.05 * v);
  cairo_fill(cr);
  cairo_push_group(cr);
  Bust(cr, p, Mix(p.glow, White, 0.3), Mix(p.glow, White, 0.6), -0.35);
  cairo_move_to(cr, -0.3, -0.4);
  cairo_curve_to(cr, -0.4, -0.9, 0.4, -0.9, 0.3, -0.4);
  cairo_line_to(cr, 0.4, 0.1);
  cairo_line_to(cr, 0.25, -0.4);
  cairo_curve_to(cr, 0.2, -0.6, -0.2, -0.6, -0.25, -0.4);
  cairo_line_to(cr, -0.4, 0.1);
  cairo_close_path(cr);
  Fill(cr, Mix(p.glow, p.accent, 0.5));
  for (int i = 0; i < 9; ++i) {
    cairo_rectangle(cr, -1, -0.9 + i * 0.2, 2, 0.05);
    SetColour(cr, Scale(p.glow, 0.3), 0.8);
    cairo_fill(cr);
  }
  cairo_pop_group_to_source(cr);
  cairo_paint_with_alpha(cr, 0.8 + 0.05 * v);
  Ellipse(cr, 0, 0.9, 0.6, 0.12);
  Paint(cr, p, Rgb8(120, 124, 150));
  if (v >= 1) Eyes(cr, p, -0.35, 0.1, 0.04, White);
  if (v >= 2) {  // colour fringes
    Line(cr, p, Rgb8(255, 60, 120), 0.8, {-0.86, -0.2, -0.86, 0.5});
    Line(cr, p, Rgb8(60, 255, 200), 0.8, {0.86, -0.2, 0.86, 0.5});
  }
  if (v >= 3) Sparkles(cr, White, 6, 0.08);
}

void DrawShadow(cairo_t* cr, const MotifPaint& p, int v) {
  // A figure in a long coat and hat, darker than the dark, with its shadow stretching away.
  cairo_move_to(cr, -0.3, 0.9);
  cairo_line_to(cr, 0.9, 0.5 + 0.1 * v);
  cairo_line_to(cr, 0.95, 0.7 + 0.1 * v);
  cairo_line_to(cr, 0.25, 0.95);
  cairo_close_path(cr);
  SetColour(cr, Scale(p.ink, 0.8), 0.8);
  cairo_fill(cr);
  const Colour dark = Mix(p.ink, Rgb8(20, 16, 36), 0.5);
  Poly(cr, {-0.3, -0.3, 0.3, -0.3, 0.45, 0.95, -0.45, 0.95});
  SetColour(cr, dark);
  cairo_fill_preserve(cr);
  SetColour(cr, p.glow);
  cairo_set_line_width(cr, p.px);
  cairo_stroke(cr);
  Circle(cr, 0, -0.45, 0.2);
  SetColour(cr, dark);
  cairo_fill(cr);
  Ellipse(cr, 0, -0.6, 0.38, 0.07);
  RoundRect(cr, -0.2, -0.88, 0.4, 0.3, 0.05);
  SetColour(cr, dark);
  cairo_fill_preserve(cr);
  SetColour(cr, p.glow);
  cairo_set_line_width(cr, p.px);
  cairo_stroke(cr);
  Eyes(cr, p, -0.45, 0.08, 0.035, p.accent);
  if (v >= 1) {  // the lamp it stands under
    Line(cr, p, Rgb8(150, 150, 170), 1.2, {-0.75, 0.95, -0.75, -0.8, -0.55, -0.9});
    Circle(cr, -0.55, -0.82, 0.07);
    Fill(cr, Rgb8(255, 240, 170));
  }
  if (v >= 2) {  // smaller shadows at its feet
    for (int s : {-1, 1}) {
      Ellipse(cr, 0.65 * s, 0.8, 0.12, 0.18);
      Fill(cr, dark, 0.9);
      Eyes(cr, p, 0.75, 0.04, 0.02, p.accent);
    }
  }
  if (v >= 3) SmallCrown(cr, p, -0.88, 0.2);
}

void DrawBanshee(cairo_t* cr, const MotifPaint& p, int v) {
  Halo(cr, p, 0, -0.1, 1.0);
  // A wailing spirit: streaming hair, an open mouth, a trailing gown.
  cairo_move_to(cr, -0.35, -0.4);
  cairo_curve_to(cr, -0.9, 0.0, -0.6, 0.6, -0.95, 0.9);
  cairo_curve_to(cr, -0.3, 0.75, 0.3, 1.0, 0.9, 0.8);
  cairo_curve_to(cr, 0.6, 0.5, 0.8, 0.0, 0.35, -0.4);
  cairo_close_path(cr);
  SetColour(cr, Mix(p.body, White, 0.35), 0.85);
  cairo_fill(cr);
  for (int s : {-1, 1}) {
    cairo_move_to(cr, 0.1 * s, -0.8);
    cairo_curve_to(cr, 0.6 * s, -0.8, 0.7 * s, -0.3, 0.95 * s, 0.1);
    SetColour(cr, p.accent);
    cairo_set_line_width(cr, 2.5 * p.px);
    cairo_stroke(cr);
  }
  Ellipse(cr, 0, -0.45, 0.27, 0.33);
  Paint(cr, p, Mix(p.body, White, 0.6));
  Ellipse(cr, -0.1, -0.52, 0.06, 0.08);
  Ellipse(cr, 0.1, -0.52, 0.06, 0.08);
  Fill(cr, p.ink);
  Ellipse(cr, 0, -0.3, 0.07 + 0.015 * v, 0.1 + 0.02 * v);
  Fill(cr, p.ink);
  for (int k = 0; k < v; ++k) {  // the cry spreads in rings
    cairo_new_sub_path(cr);
    cairo_arc(cr, 0, -0.3, 0.45 + 0.17 * k, -0.5, 0.5);
    cairo_new_sub_path(cr);
    cairo_arc(cr, 0, -0.3, 0.45 + 0.17 * k, Pi - 0.5, Pi + 0.5);
    SetColour(cr, p.glow, 0.9);
    cairo_set_line_width(cr, p.px);
    cairo_stroke(cr);
  }
  if (v >= 3) {  // shattered glass
    Poly(cr, {0.7, -0.8, 0.8, -0.6, 0.62, -0.65});
    Poly(cr, {-0.7, -0.85, -0.62, -0.6, -0.8, -0.68});
    Fill(cr, White);
  }
}
