// art_motifs_things.cpp -- the club's creatures, machines and charms that have a family of their own; v is the level
// - 1.
#include <cmath>

#include "tools/forge/art_motif_kit.h"

using namespace motif_kit;

namespace {

const Colour Chrome = Rgb8(214, 218, 234);
const Colour Gold = Rgb8(250, 206, 84);

void Bubbles(cairo_t* cr, Colour c, int n, double x0, double y0) {
  for (int i = 0; i < n; ++i) Circle(cr, x0 + 0.13 * ((i * 5) % 3 - 1), y0 - 0.45 * i / n, 0.05 + 0.012 * (i % 3));
  Fill(cr, c);
}

}  // namespace

void DrawVinylGhost(cairo_t* cr, const MotifPaint& p, int v) {
  Halo(cr, p, 0, 0, 1.0);
  // A record at the bottom, the ghost rising out of its groove.
  Ellipse(cr, 0, 0.65, 0.9, 0.3);
  Paint(cr, p, Rgb8(30, 26, 40));
  for (int k = 1; k < 4; ++k) {
    Ellipse(cr, 0, 0.65, 0.25 + 0.18 * k, 0.08 + 0.06 * k);
    SetColour(cr, p.glow, 0.45);
    cairo_set_line_width(cr, 0.6 * p.px);
    cairo_stroke(cr);
  }
  Ellipse(cr, 0, 0.65, 0.2, 0.07);
  Fill(cr, p.accent);
  cairo_move_to(cr, -0.2, 0.6);
  cairo_curve_to(cr, -0.55, 0.2, -0.55, -0.9, 0, -0.9);
  cairo_curve_to(cr, 0.55, -0.9, 0.55, 0.2, 0.2, 0.6);
  cairo_curve_to(cr, 0.1, 0.4, -0.1, 0.4, -0.2, 0.6);
  cairo_close_path(cr);
  SetColour(cr, Mix(p.body, White, 0.4), 0.9);
  cairo_fill(cr);
  Ellipse(cr, -0.15, -0.45, 0.08, 0.12);
  Ellipse(cr, 0.15, -0.45, 0.08, 0.12);
  Fill(cr, p.ink);
  Ellipse(cr, 0, -0.15, 0.07, 0.1);
  Fill(cr, p.ink);
  if (v >= 1) {  // scratch marks
    Line(cr, p, p.accent, 1, {-0.85, -0.3, -0.6, -0.1});
    Line(cr, p, p.accent, 1, {-0.85, -0.1, -0.6, 0.1});
  }
  if (v >= 2) {  // the B side label
    Circle(cr, 0.7, -0.6, 0.2);
    Paint(cr, p, p.accent);
    Line(cr, p, p.ink, 1, {0.66, -0.7, 0.66, -0.5, 0.75, -0.55, 0.66, -0.6, 0.75, -0.65, 0.66, -0.7});
  }
  if (v >= 3) {  // lost records orbiting
    for (int s : {-1, 1}) {
      Circle(cr, 0.75 * s, 0.05, 0.14);
      Paint(cr, p, Rgb8(30, 26, 40));
      Circle(cr, 0.75 * s, 0.05, 0.05);
      Fill(cr, p.glow);
    }
  }
}

void DrawMoonCat(cairo_t* cr, const MotifPaint& p, int v) {
  Halo(cr, p, 0, 0, 1.0);
  // A crescent moon with the cat curled on it.
  cairo_save(cr);
  Circle(cr, -0.1, 0.1, 0.8);
  Circle(cr, 0.25, -0.15, 0.68);
  cairo_set_fill_rule(cr, CAIRO_FILL_RULE_EVEN_ODD);
  cairo_clip(cr);
  Circle(cr, -0.1, 0.1, 0.8);
  Fill(cr, Mix(Rgb8(250, 240, 200), p.body, 0.2));
  cairo_restore(cr);
  const double s = 0.7 + 0.1 * v;  // the kitten grows into a lioness
  cairo_save(cr);
  cairo_translate(cr, 0.3, 0.15);
  cairo_scale(cr, s, s);
  Ellipse(cr, 0, 0.2, 0.42, 0.3);
  Paint(cr, p, p.body);
  Poly(cr, {-0.38, -0.25, -0.32, -0.6, -0.12, -0.35});
  Poly(cr, {0.38, -0.25, 0.32, -0.6, 0.12, -0.35});
  Paint(cr, p, p.body);
  Ellipse(cr, 0, -0.2, 0.35, 0.28);
  Paint(cr, p, p.body);
  Ellipse(cr, -0.13, -0.22, 0.07, 0.05);
  Ellipse(cr, 0.13, -0.22, 0.07, 0.05);
  Fill(cr, p.glow);
  cairo_move_to(cr, 0.4, 0.3);
  cairo_curve_to(cr, 0.8, 0.35, 0.75, -0.1, 0.6, -0.2);
  SetColour(cr, p.body);
  cairo_set_line_width(cr, 0.1);
  cairo_stroke(cr);
  if (v >= 3) {  // the mane of the lioness
    cairo_new_sub_path(cr);
    cairo_arc(cr, 0, -0.2, 0.42, Pi * 0.9, Pi * 2.1);
    SetColour(cr, p.accent);
    cairo_set_line_width(cr, 0.1);
    cairo_stroke(cr);
  }
  cairo_restore(cr);
  if (v >= 1) {
    StarPath(cr, -0.7, -0.7, 0.12, 5);
    Fill(cr, Rgb8(255, 250, 210));
  }
  if (v >= 2) {  // rooftops below
    Poly(cr, {-1, 1, -1, 0.75, -0.75, 0.55, -0.5, 0.75, -0.5, 0.65, -0.3, 0.65, -0.3, 1});
    Fill(cr, Scale(p.ink, 1.4));
  }
}

void DrawCicada(cairo_t* cr, const MotifPaint& p, int v) {
  Halo(cr, p, 0, 0, 1.0);
  // A broad head, wide-set eyes, long clear wings folded like a roof.
  for (int s : {-1, 1}) {
    cairo_move_to(cr, 0.1 * s, -0.3);
    cairo_curve_to(cr, 0.7 * s, -0.25, 0.75 * s, 0.6, 0.25 * s, 0.95);
    cairo_line_to(cr, 0.05 * s, 0.4);
    cairo_close_path(cr);
    SetColour(cr, Mix(p.glow, White, 0.6), 0.5);
    cairo_fill_preserve(cr);
    SetColour(cr, p.ink);
    cairo_set_line_width(cr, 0.8 * p.px);
    cairo_stroke(cr);
    Line(cr, p, Scale(p.ink, 1.5), 0.6, {0.15 * s, -0.2, 0.45 * s, 0.4, 0.25 * s, 0.85});
  }
  Ellipse(cr, 0, 0.15, 0.22, 0.45);
  Paint(cr, p, p.body);
  Ellipse(cr, 0, -0.4, 0.38, 0.2);
  Paint(cr, p, p.body);
  Circle(cr, -0.35, -0.45, 0.1);
  Circle(cr, 0.35, -0.45, 0.1);
  Fill(cr, p.accent);
  for (int i = 0; i < 3; ++i) Line(cr, p, p.ink, 0.7, {-0.16, 0.0 + 0.15 * i, 0.16, 0.0 + 0.15 * i});
  for (int k = 0; k < v; ++k) {  // its song, louder with each level
    cairo_new_sub_path(cr);
    cairo_arc(cr, 0, -0.4, 0.55 + 0.15 * k, -Pi * 0.8, -Pi * 0.2);
    SetColour(cr, p.glow);
    cairo_set_line_width(cr, p.px);
    cairo_stroke(cr);
  }
  if (v == 0) {  // still a nymph: a husk on a twig
    Line(cr, p, Rgb8(120, 90, 60), 1.6, {-0.9, 0.8, 0.9, 0.6});
  }
  if (v >= 3) {  // the chorus
    for (int s : {-1, 1}) {
      Ellipse(cr, 0.8 * s, 0.45, 0.08, 0.16);
      Fill(cr, p.body);
    }
  }
}

void DrawPanther(cairo_t* cr, const MotifPaint& p, int v) {
  Halo(cr, p, 0, 0.1, 1.0);
  // A panther prowling to the left, low and long.
  const Colour fur = Mix(Rgb8(30, 26, 44), p.body, 0.25);
  cairo_move_to(cr, -0.95, -0.1);
  cairo_curve_to(cr, -0.9, -0.35, -0.6, -0.4, -0.45, -0.25);
  cairo_curve_to(cr, 0.0, -0.3, 0.5, -0.3, 0.7, -0.15);
  cairo_curve_to(cr, 0.95, -0.3, 1.0, -0.6, 0.9, -0.75);
  cairo_curve_to(cr, 1.05, -0.6, 1.0, -0.1, 0.75, 0.05);
  cairo_line_to(cr, 0.7, 0.6);
  cairo_line_to(cr, 0.55, 0.6);
  cairo_line_to(cr, 0.5, 0.2);
  cairo_line_to(cr, -0.3, 0.2);
  cairo_line_to(cr, -0.35, 0.6);
  cairo_line_to(cr, -0.5, 0.6);
  cairo_line_to(cr, -0.55, 0.1);
  cairo_curve_to(cr, -0.7, 0.1, -0.95, 0.1, -0.95, -0.1);
  cairo_close_path(cr);
  SetColour(cr, fur);
  cairo_fill_preserve(cr);
  SetColour(cr, p.glow);
  cairo_set_line_width(cr, p.px);
  cairo_stroke(cr);
  Poly(cr, {-0.75, -0.35, -0.7, -0.5, -0.6, -0.33});
  Fill(cr, fur);
  Ellipse(cr, -0.75, -0.18, 0.07, 0.04);
  Fill(cr, p.accent);
  if (v >= 1) {  // its eyes light the dark
    Halo(cr, p, -0.75, -0.18, 0.3);
  }
  if (v >= 2) {  // onyx gleam along the back
    cairo_move_to(cr, -0.4, -0.22);
    cairo_curve_to(cr, 0.0, -0.27, 0.4, -0.27, 0.65, -0.13);
    SetColour(cr, White, 0.8);
    cairo_set_line_width(cr, 0.8 * p.px);
    cairo_stroke(cr);
  }
  if (v >= 3) {  // the midnight moon behind
    Circle(cr, 0.2, -0.7, 0.22);
    Fill(cr, Rgb8(250, 240, 210));
  }
  if (v == 0) {  // a cub: round and big-eyed beside its own paw print
    for (int i = 0; i < 3; ++i) Circle(cr, -0.2 + 0.12 * i, 0.78, 0.04);
    Circle(cr, -0.08, 0.9, 0.07);
    Fill(cr, p.accent);
  }
}

void DrawFlamingo(cairo_t* cr, const MotifPaint& p, int v) {
  Halo(cr, p, 0, 0, 1.0);
  const Colour pink = Mix(Rgb8(255, 110, 170), p.body, 0.3);
  Line(cr, p, pink, 1.4, {0.05, 0.3, 0.05, 1.0});
  Line(cr, p, pink, 1.2, {0.05, 0.6, -0.2, 0.5, 0.05, 0.45});
  Ellipse(cr, 0.15, 0.1, 0.42, 0.26);
  Paint(cr, p, pink);
  Poly(cr, {0.45, 0.05, 0.85, -0.1, 0.55, 0.25});
  Paint(cr, p, Scale(pink, 0.8));
  cairo_move_to(cr, -0.15, 0.05);
  cairo_curve_to(cr, -0.5, -0.2, -0.1, -0.5, -0.3, -0.8);
  SetColour(cr, p.ink);
  cairo_set_line_width(cr, 0.15);
  cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
  cairo_stroke_preserve(cr);
  SetColour(cr, pink);
  cairo_set_line_width(cr, 0.15 - 2 * p.px);
  cairo_stroke(cr);
  Circle(cr, -0.3, -0.82, 0.12);
  Paint(cr, p, pink);
  Poly(cr, {-0.42, -0.82, -0.6, -0.7, -0.52, -0.6, -0.38, -0.74});
  Paint(cr, p, Rgb8(40, 30, 40));
  Circle(cr, -0.28, -0.86, 0.03);
  Fill(cr, p.ink);
  if (v >= 1) {  // neon outline
    Ellipse(cr, 0.15, 0.1, 0.48, 0.32);
    SetColour(cr, p.glow);
    cairo_set_line_width(cr, p.px);
    cairo_stroke(cr);
  }
  if (v >= 2) {  // the water's ripples
    for (int k = 0; k < 2; ++k) {
      Ellipse(cr, 0.05, 0.95, 0.3 + 0.25 * k, 0.05 + 0.03 * k);
      SetColour(cr, p.accent, 0.8);
      cairo_set_line_width(cr, p.px);
      cairo_stroke(cr);
    }
  }
  if (v >= 3) {  // the flock at sunset
    for (int s : {-1, 1}) Line(cr, p, pink, 1, {0.7 * s, -0.7, 0.8 * s, -0.8, 0.9 * s, -0.7});
    Circle(cr, 0.6, -0.55, 0.2);
    Fill(cr, Rgb8(255, 170, 80), 0.8);
  }
}

void DrawDrumMachine(cairo_t* cr, const MotifPaint& p, int v) {
  Halo(cr, p, 0, 0, 1.0);
  // A box of pads: four across, more rows lit as the beat grows.
  RoundRect(cr, -0.95, -0.6, 1.9, 1.25, 0.1);
  Paint(cr, p, Rgb8(60, 58, 78));
  RoundRect(cr, -0.8, -0.48, 0.7, 0.22, 0.04);
  Fill(cr, p.glow, 0.85);
  for (int k = 0; k < 3; ++k) Circle(cr, 0.15 + 0.25 * k, -0.37, 0.08);
  Paint(cr, p, Chrome);
  for (int r = 0; r < 2; ++r)
    for (int c = 0; c < 4; ++c) {
      RoundRect(cr, -0.8 + 0.41 * c, -0.12 + 0.36 * r, 0.32, 0.28, 0.05);
      const bool lit = ((c + r * 4 + v) % (4 - v / 2)) == 0 || (v >= 3 && r == 0);
      Paint(cr, p, lit ? p.accent : Scale(p.body, 0.7));
    }
  if (v == 0) {  // a metronome's pendulum on top
    Line(cr, p, Chrome, 1.4, {0, -0.6, 0.3, -0.95});
    Circle(cr, 0.22, -0.85, 0.06);
    Fill(cr, p.accent);
  }
  if (v >= 2) {  // the kick shakes the air
    for (int s : {-1, 1}) Line(cr, p, p.glow, 1, {0.98 * s, -0.3, 0.98 * s, 0.3});
  }
  if (v >= 3) {  // a heart beating over it
    cairo_move_to(cr, 0, -0.7);
    cairo_curve_to(cr, -0.35, -1.0, -0.2, -1.15, 0, -0.95);
    cairo_curve_to(cr, 0.2, -1.15, 0.35, -1.0, 0, -0.7);
    Fill(cr, Rgb8(240, 40, 80));
  }
}

void DrawSlotMachine(cairo_t* cr, const MotifPaint& p, int v) {
  Halo(cr, p, 0, 0, 1.0);
  RoundRect(cr, -0.75, -0.75, 1.35, 1.7, 0.15);
  Paint(cr, p, p.body);
  RoundRect(cr, -0.6, -0.4, 1.05, 0.45, 0.05);
  Fill(cr, White);
  // The three reels: cherries, bars, and at the top a row of sevens.
  for (int i = 0; i < 3; ++i) {
    const double x = -0.42 + 0.35 * i;
    if (v >= 3 || (v >= 2 && i < 2)) {
      Poly(cr, {x - 0.1, -0.3, x + 0.1, -0.3, x - 0.02, -0.05, x - 0.08, -0.05, x + 0.02, -0.24, x - 0.1, -0.24});
      Fill(cr, Rgb8(230, 30, 50));
    } else {
      Circle(cr, x - 0.05, -0.12, 0.06);
      Circle(cr, x + 0.05, -0.12, 0.06);
      Fill(cr, Rgb8(220, 30, 60));
      Line(cr, p, Rgb8(60, 150, 60), 0.7, {x - 0.05, -0.18, x, -0.3, x + 0.05, -0.18});
    }
  }
  cairo_rectangle(cr, -0.6, 0.25, 1.05, 0.12);
  Fill(cr, p.accent);
  RoundRect(cr, -0.35, 0.55, 0.55, 0.2, 0.05);
  Fill(cr, Rgb8(40, 34, 56));
  // The one arm.
  Line(cr, p, Chrome, 1.6, {0.6, 0.2, 0.85, 0.2, 0.85, -0.6 + 0.15 * (v % 2)});
  Circle(cr, 0.85, -0.65 + 0.15 * (v % 2), 0.1);
  Paint(cr, p, Rgb8(230, 40, 60));
  RoundRect(cr, -0.55, -0.7, 0.95, 0.22, 0.05);
  Fill(cr, p.glow, 0.9);
  if (v >= 1) {  // coins
    for (int i = 0; i < v * 2; ++i) {
      Ellipse(cr, -0.6 + 0.2 * i, 0.92 - 0.04 * (i % 2), 0.09, 0.05);
      Paint(cr, p, Gold);
    }
  }
}

void DrawPearl(cairo_t* cr, const MotifPaint& p, int v) {
  Halo(cr, p, 0, 0, 1.0);
  // An open oyster with its pearl; strands and a tiara at the higher levels.
  if (v <= 1) {
    cairo_move_to(cr, -0.85, 0.2);
    cairo_curve_to(cr, -0.8, 0.9, 0.8, 0.9, 0.85, 0.2);
    cairo_close_path(cr);
    Paint(cr, p, Scale(p.body, 0.8));
    cairo_move_to(cr, -0.85, 0.15);
    cairo_curve_to(cr, -0.8, -0.7, 0.8, -0.7, 0.85, 0.15);
    cairo_close_path(cr);
    Paint(cr, p, p.body);
    for (int i = 0; i < 4; ++i) Line(cr, p, Scale(p.body, 0.6), 0.6, {0, 0.1, -0.6 + 0.4 * i, -0.45});
  }
  const Colour pearl = v == 2 ? Rgb8(60, 56, 80) : Rgb8(246, 240, 250);
  if (v >= 1) {  // a strand of pearls
    const int n = 9;
    for (int i = 0; i < n; ++i) {
      const double a = Pi * 0.1 + Pi * 0.8 * i / (n - 1);
      Circle(cr, 0.7 * std::cos(a), (v >= 2 ? -0.1 : 0.35) + 0.5 * std::sin(a), 0.1);
      Paint(cr, p, v >= 2 ? pearl : White);
    }
  }
  if (v == 3) {  // the tiara's band and points
    Line(cr, p, Gold, 2, {-0.7, -0.35, -0.35, -0.55, 0, -0.62, 0.35, -0.55, 0.7, -0.35});
    for (int i = -1; i <= 1; ++i) {
      Poly(cr, {i * 0.35 - 0.08, -0.58, i * 0.35, -0.85 + 0.1 * std::abs(i), i * 0.35 + 0.08, -0.58});
      Fill(cr, Gold);
    }
  }
  Circle(cr, 0, v >= 2 ? 0.1 : -0.05, 0.22 + 0.04 * v);
  cairo_pattern_t* g = cairo_pattern_create_radial(-0.08, -0.12, 0.02, 0, 0, 0.35);
  cairo_pattern_add_color_stop_rgb(g, 0, 1, 1, 1);
  cairo_pattern_add_color_stop_rgb(g, 1, Mix(pearl, p.glow, 0.3).r, Mix(pearl, p.glow, 0.3).g,
                                   Mix(pearl, p.glow, 0.3).b);
  cairo_set_source(cr, g);
  cairo_fill_preserve(cr);
  cairo_pattern_destroy(g);
  SetColour(cr, p.ink);
  cairo_set_line_width(cr, 0.8 * p.px);
  cairo_stroke(cr);
}

void DrawScorpion(cairo_t* cr, const MotifPaint& p, int v) {
  Halo(cr, p, 0, 0, 1.0);
  // Seen from above: claws forward (down), tail curling over the back.
  for (int s : {-1, 1}) {
    for (int i = 0; i < 3; ++i)
      Line(cr, p, p.ink, 1.2, {0.12 * s, 0.0 + 0.15 * i, 0.5 * s, -0.05 + 0.2 * i, 0.65 * s, 0.1 + 0.22 * i});
    Line(cr, p, p.body, 1.8, {0.15 * s, 0.4, 0.45 * s, 0.6, 0.4 * s, 0.8});
    Ellipse(cr, 0.4 * s, 0.85, 0.14, 0.1);
    Paint(cr, p, p.body);
  }
  Ellipse(cr, 0, 0.2, 0.2, 0.32);
  Paint(cr, p, p.body);
  cairo_move_to(cr, 0, -0.1);
  cairo_curve_to(cr, 0.0, -0.6, -0.1, -0.9, 0.35, -0.85);
  cairo_curve_to(cr, 0.6, -0.8, 0.55, -0.5, 0.35, -0.5);
  SetColour(cr, p.ink);
  cairo_set_line_width(cr, 0.16);
  cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
  cairo_stroke_preserve(cr);
  SetColour(cr, p.body);
  cairo_set_line_width(cr, 0.16 - 2 * p.px);
  cairo_stroke(cr);
  Poly(cr, {0.35, -0.5, 0.25, -0.35, 0.42, -0.42});
  Fill(cr, v >= 1 ? Rgb8(120, 255, 80) : p.accent);
  Eyes(cr, p, 0.35, 0.06, 0.03, p.glow);
  if (v >= 1) Halo(cr, p, 0.33, -0.45, 0.25);
  if (v >= 2) {  // the assassin's blade marks
    for (int s : {-1, 1}) Line(cr, p, White, 0.8, {0.8 * s, -0.6, 0.95 * s, -0.85});
  }
  if (v >= 3) {  // the emperor's crown
    Poly(cr, {-0.15, -0.05, -0.15, -0.22, -0.07, -0.12, 0, -0.26, 0.07, -0.12, 0.15, -0.22, 0.15, -0.05});
    Fill(cr, Gold);
  }
}

void DrawChampagne(cairo_t* cr, const MotifPaint& p, int v) {
  Halo(cr, p, 0, 0, 1.0);
  // The bottle, its cork flying; glasses join it level by level.
  const Colour glass = Mix(Rgb8(40, 90, 50), p.body, 0.3);
  cairo_save(cr);
  cairo_translate(cr, v >= 2 ? -0.35 : 0, 0);
  cairo_rotate(cr, -0.25);
  cairo_move_to(cr, -0.1, -0.55);
  cairo_line_to(cr, 0.1, -0.55);
  cairo_line_to(cr, 0.1, -0.25);
  cairo_curve_to(cr, 0.32, -0.15, 0.32, 0.0, 0.32, 0.1);
  cairo_line_to(cr, 0.32, 0.9);
  cairo_line_to(cr, -0.32, 0.9);
  cairo_line_to(cr, -0.32, 0.1);
  cairo_curve_to(cr, -0.32, 0.0, -0.32, -0.15, -0.1, -0.25);
  cairo_close_path(cr);
  Paint(cr, p, glass);
  cairo_rectangle(cr, -0.12, -0.6, 0.24, 0.28);
  Fill(cr, Gold);
  cairo_rectangle(cr, -0.32, 0.25, 0.64, 0.3);
  Fill(cr, White);
  Line(cr, p, p.accent, 1, {-0.2, 0.4, 0.2, 0.4});
  RoundRect(cr, -0.08, -0.95, 0.16, 0.18, 0.04);  // the cork
  Paint(cr, p, Rgb8(200, 160, 100));
  cairo_restore(cr);
  Bubbles(cr, Rgb8(255, 240, 170), 3 + v, v >= 2 ? -0.1 : 0.25, -0.45);
  if (v >= 1) {  // a flute beside it
    Poly(cr, {0.45, -0.4, 0.75, -0.4, 0.65, 0.15, 0.55, 0.15});
    SetColour(cr, Rgb8(255, 220, 120), 0.85);
    cairo_fill(cr);
    Line(cr, p, White, 1, {0.6, 0.15, 0.6, 0.6});
    Line(cr, p, White, 1, {0.45, 0.62, 0.75, 0.62});
  }
  if (v >= 3) {  // a tower of glasses
    for (int r = 0; r < 2; ++r)
      for (int c = 0; c <= r; ++c) {
        const double x = 0.4 + 0.3 * c - 0.15 * r, y = 0.35 + 0.35 * r;
        Poly(cr, {x - 0.15, y, x + 0.15, y, x, y + 0.2});
        Paint(cr, p, Rgb8(255, 220, 120));
      }
  }
}

void DrawGecko(cairo_t* cr, const MotifPaint& p, int v) {
  Halo(cr, p, 0, 0, 1.0);
  // A lizard climbing the wall, seen from above; it grows scales and a crest.
  cairo_move_to(cr, 0, 0.3);
  cairo_curve_to(cr, 0.3, 0.6, -0.3, 0.8, 0.2, 1.0);
  SetColour(cr, p.body);
  cairo_set_line_width(cr, 0.12 + 0.02 * v);
  cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
  cairo_stroke(cr);
  for (int s : {-1, 1})
    for (int k = 0; k < 2; ++k) {
      const double y = k ? 0.3 : -0.25;
      Line(cr, p, p.body, 1.6, {0.1 * s, y, 0.45 * s, y - 0.05, 0.55 * s, y - 0.3 + 0.5 * k});
      Circle(cr, 0.55 * s, y - 0.3 + 0.5 * k, 0.07);
      Fill(cr, p.accent);
    }
  Ellipse(cr, 0, 0.02, 0.18 + 0.03 * v, 0.38);
  Paint(cr, p, p.body);
  Ellipse(cr, 0, -0.5, 0.2 + 0.03 * v, 0.2);
  Paint(cr, p, p.body);
  Eyes(cr, p, -0.55, 0.12, 0.05, p.glow);
  for (int i = 0; i < 1 + v; ++i) {  // spots, then scales
    Circle(cr, 0, -0.15 + 0.15 * i, 0.05);
    Fill(cr, p.accent);
  }
  if (v >= 1) {  // the neon tube it clings to
    Line(cr, p, p.glow, 2.2, {-0.95, -0.85, 0.95, -0.85});
    Line(cr, p, White, 0.8, {-0.95, -0.85, 0.95, -0.85});
  }
  if (v >= 2) {  // its tongue snaps a moth
    Line(cr, p, Rgb8(240, 80, 120), 1, {0, -0.7, 0.35, -0.68});
    Ellipse(cr, 0.45, -0.65, 0.1, 0.05);
    Fill(cr, White);
  }
  if (v >= 3) {  // a dragon's crest
    for (int i = 0; i < 4; ++i) Poly(cr, {-0.05, -0.35 + 0.2 * i, 0, -0.5 + 0.2 * i, 0.05, -0.35 + 0.2 * i});
    Fill(cr, Gold);
  }
}

void DrawWisp(cairo_t* cr, const MotifPaint& p, int v) {
  // A floating ball of pale fire with a long wavering tail.
  Halo(cr, p, 0.1, -0.2, 0.6 + 0.1 * v);
  cairo_move_to(cr, -0.1, -0.45);
  cairo_curve_to(cr, -0.6, -0.2, 0.0, 0.3, -0.5, 0.6);
  cairo_curve_to(cr, -0.3, 0.3, -0.2, 0.0, 0.3, -0.05);
  cairo_close_path(cr);
  SetColour(cr, p.glow, 0.7);
  cairo_fill(cr);
  Circle(cr, 0.1, -0.25, 0.3);
  Fill(cr, Mix(p.glow, White, 0.4));
  Circle(cr, 0.1, -0.25, 0.15);
  Fill(cr, White);
  Eyes(cr, p, -0.28, 0.07, 0.03, p.ink);
  for (int i = 0; i < v; ++i) {  // it leads more lights astray
    const double x = 0.7 - 0.15 * i, y = 0.3 + 0.25 * i;
    Circle(cr, x, y, 0.08);
    Fill(cr, Mix(p.glow, White, 0.5));
  }
  if (v >= 1) {  // marsh reeds
    for (int i = 0; i < 3; ++i)
      Line(cr, p, Rgb8(70, 120, 70), 1, {-0.8 + 0.12 * i, 1.0, -0.85 + 0.15 * i, 0.55 - 0.1 * i});
  }
  if (v >= 2) {  // a lantern frame around it
    RoundRect(cr, -0.25, -0.65, 0.7, 0.8, 0.1);
    SetColour(cr, Rgb8(200, 190, 160));
    cairo_set_line_width(cr, 1.2 * p.px);
    cairo_stroke(cr);
  }
  if (v >= 3) {  // lost souls trailing it
    for (int s : {-1, 1}) {
      Ellipse(cr, -0.65 * s, -0.55, 0.12, 0.18);
      SetColour(cr, White, 0.6);
      cairo_fill(cr);
    }
  }
}

void DrawLaser(cairo_t* cr, const MotifPaint& p, int v) {
  // The emitter at the bottom and its beams: one, then a fan, then a web.
  const int beams = v == 0 ? 1 : v == 1 ? 3 : v == 2 ? 7 : 11;
  const Colour beam = v == 2 ? Rgb8(80, 255, 120) : Mix(Rgb8(255, 40, 60), p.glow, 0.25 * v);
  for (int i = 0; i < beams; ++i) {
    const double a = beams == 1 ? -Pi / 2 + 0.3 : -Pi + Pi * (i + 0.5) / beams;
    const double x1 = 0.95 * std::cos(a) * 1.4, y1 = 0.55 + 1.5 * std::sin(a);
    Line(cr, p, beam, 2.2, {0, 0.55, x1, y1});
    Line(cr, p, White, 0.6, {0, 0.55, x1, y1});
  }
  if (v >= 2) {  // cross threads of the web
    for (int k = 0; k < 2; ++k) {
      cairo_new_sub_path(cr);
      cairo_arc(cr, 0, 0.55, 0.5 + 0.35 * k, -Pi, 0);
      SetColour(cr, beam, 0.7);
      cairo_set_line_width(cr, p.px);
      cairo_stroke(cr);
    }
  }
  if (v == 0) {  // a pointer pen, and the red dot the cats chase on the wall
    cairo_save(cr);
    cairo_translate(cr, -0.3, 0.6);
    cairo_rotate(cr, -0.35);
    RoundRect(cr, -0.6, -0.12, 0.95, 0.24, 0.1);
    Paint(cr, p, Chrome);
    cairo_rectangle(cr, -0.2, -0.12, 0.12, 0.24);
    Fill(cr, p.accent);
    cairo_restore(cr);
    for (int k = 2; k >= 0; --k) {
      Circle(cr, 0.3, -0.55, 0.1 + 0.12 * k);
      SetColour(cr, Rgb8(255, 60, 60), k == 0 ? 1.0 : 0.25);
      cairo_fill(cr);
    }
    for (int s : {-1, 1}) {  // a cat's paw reaching for it
      Circle(cr, 0.75 + 0.1 * s, 0.1, 0.07);
    }
    Circle(cr, 0.75, 0.25, 0.13);
    Fill(cr, p.body);
  } else {
    RoundRect(cr, -0.35, 0.5, 0.7, 0.4, 0.08);
    Paint(cr, p, Rgb8(60, 58, 78));
    Circle(cr, 0, 0.55, 0.1);
    Fill(cr, White);
  }
  if (v >= 3) {  // writing on the clouds
    for (int s : {-1, 1}) {
      Ellipse(cr, 0.55 * s, -0.8, 0.35, 0.12);
      SetColour(cr, White, 0.5);
      cairo_fill(cr);
    }
  }
}

void DrawRollerSkate(cairo_t* cr, const MotifPaint& p, int v) {
  Halo(cr, p, 0, 0, 1.0);
  cairo_move_to(cr, -0.7, 0.3);
  cairo_line_to(cr, -0.6, -0.8);
  cairo_line_to(cr, 0.1, -0.8);
  cairo_line_to(cr, 0.15, -0.1);
  cairo_curve_to(cr, 0.6, -0.05, 0.8, 0.1, 0.8, 0.3);
  cairo_close_path(cr);
  Paint(cr, p, p.body);
  for (int i = 0; i < 3; ++i) Line(cr, p, p.accent, 1, {-0.55, -0.6 + 0.2 * i, 0.05, -0.6 + 0.2 * i});
  Circle(cr, 0.75, 0.3, 0.1);  // the toe stop
  Fill(cr, Rgb8(230, 60, 80));
  for (int i = 0; i < 3; ++i) {
    Circle(cr, -0.5 + 0.6 * i, 0.5, 0.17);
    Paint(cr, p, p.glow);
    Circle(cr, -0.5 + 0.6 * i, 0.5, 0.05);
    Fill(cr, White);
  }
  if (v >= 1) {  // speed lines
    for (int i = 0; i < v + 1; ++i) Line(cr, p, White, 1, {-0.95, -0.3 + 0.25 * i, -0.78, -0.3 + 0.25 * i});
  }
  if (v >= 2) {  // a star on the ankle
    StarPath(cr, -0.25, -0.45, 0.16, 5);
    Fill(cr, Gold);
  }
  if (v >= 3) {  // the rink queen's crown on the cuff
    Poly(cr, {-0.6, -0.8, -0.6, -1.0, -0.4, -0.88, -0.25, -1.02, -0.1, -0.88, 0.1, -1.0, 0.1, -0.8});
    Paint(cr, p, Gold);
  }
}

void DrawMotorbike(cairo_t* cr, const MotifPaint& p, int v) {
  Halo(cr, p, 0, 0.1, 1.0);
  // Two wheels, a tank and a seat; the moped grows into a chopper.
  const double wheel = 0.24 + 0.04 * v, base = 0.5;
  for (int s : {-1, 1}) {
    Circle(cr, 0.62 * s, base, wheel);
    Paint(cr, p, Rgb8(30, 26, 40));
    Circle(cr, 0.62 * s, base, wheel * 0.45);
    Fill(cr, Chrome);
  }
  Poly(cr, {-0.62, base, -0.2, 0.0, 0.35, 0.0, 0.62, base});
  Paint(cr, p, Scale(p.body, 0.8));
  Ellipse(cr, 0.05, -0.05, 0.3, 0.14);
  Paint(cr, p, p.body);
  RoundRect(cr, -0.45, -0.1, 0.3, 0.1, 0.04);
  Fill(cr, Rgb8(40, 34, 50));
  Line(cr, p, Chrome, 1.4, {0.62, base, 0.45, -0.25 - 0.1 * v, 0.3, -0.35 - 0.1 * v});
  Circle(cr, 0.55, -0.1, 0.07);
  Fill(cr, Rgb8(255, 240, 170));
  if (v >= 1) {  // the headlight's beam
    Poly(cr, {0.6, -0.1, 1.0, -0.35, 1.0, 0.15});
    SetColour(cr, Rgb8(255, 240, 170), 0.45);
    cairo_fill(cr);
  }
  if (v >= 2) Line(cr, p, Chrome, 2, {-0.3, 0.3, -0.9, 0.25});  // chrome exhaust
  if (v >= 3) {                                                 // the ghost rider's flames
    for (int i = 0; i < 3; ++i) {
      Poly(cr, {-0.9, 0.45 - 0.12 * i, -0.6 + 0.1 * i, 0.35 - 0.12 * i, -0.9, 0.25 - 0.12 * i});
      Fill(cr, i % 2 ? Rgb8(255, 200, 60) : Rgb8(255, 90, 40));
    }
  }
  if (v == 0) {  // a little basket
    RoundRect(cr, 0.35, -0.45, 0.3, 0.2, 0.03);
    Paint(cr, p, Rgb8(190, 150, 90));
  }
}

void DrawPiano(cairo_t* cr, const MotifPaint& p, int v) {
  Halo(cr, p, 0, 0, 1.0);
  // A grand piano from the side, its lid open; spectral hands play it.
  cairo_move_to(cr, -0.9, 0.1);
  cairo_line_to(cr, 0.5, 0.1);
  cairo_curve_to(cr, 0.9, 0.1, 0.95, -0.25, 0.7, -0.3);
  cairo_curve_to(cr, 0.4, -0.35, 0.2, -0.15, -0.9, -0.15);
  cairo_close_path(cr);
  Paint(cr, p, Rgb8(34, 28, 48));
  Poly(cr, {-0.85, -0.15, 0.55, -0.3, 0.65, -0.85 + 0.1 * (3 - v)});
  Paint(cr, p, Rgb8(50, 42, 70));
  Line(cr, p, Chrome, 0.8, {0.0, -0.2, 0.4, -0.6});
  cairo_rectangle(cr, -0.9, 0.1, 0.6, 0.12);
  Fill(cr, White);
  for (int i = 0; i < 5; ++i) {
    cairo_rectangle(cr, -0.87 + 0.12 * i, 0.1, 0.05, 0.07);
    Fill(cr, p.ink);
  }
  Line(cr, p, Rgb8(34, 28, 48), 1.4, {-0.8, 0.22, -0.8, 0.8});
  Line(cr, p, Rgb8(34, 28, 48), 1.4, {0.6, 0.1, 0.6, 0.8});
  // The empty stool.
  RoundRect(cr, -0.75, 0.45, 0.35, 0.1, 0.03);
  Fill(cr, p.accent);
  Line(cr, p, p.accent, 1, {-0.58, 0.55, -0.58, 0.85});
  for (int h = 0; h < (v >= 1 ? 2 : 1); ++h) {  // ghostly hands on the keys
    Ellipse(cr, -0.75 + 0.3 * h, -0.02, 0.1, 0.06);
    SetColour(cr, Mix(p.glow, White, 0.6), 0.8);
    cairo_fill(cr);
  }
  for (int i = 0; i < v; ++i) {  // notes rising
    const double x = -0.3 + 0.25 * i, y = -0.55 - 0.15 * i;
    Ellipse(cr, x, y, 0.07, 0.05);
    Fill(cr, p.glow);
    Line(cr, p, p.glow, 0.8, {x + 0.06, y, x + 0.06, y - 0.22});
  }
  if (v >= 3) {  // a candelabra
    Line(cr, p, Gold, 1, {0.2, -0.3, 0.2, -0.55});
    for (int s : {-1, 0, 1}) {
      Ellipse(cr, 0.2 + 0.12 * s, -0.66, 0.03, 0.06);
      Fill(cr, Rgb8(255, 220, 120));
    }
  }
}

void DrawGraffiti(cairo_t* cr, const MotifPaint& p, int v) {
  // A spray can and its colours climbing the bricks.
  for (int r = 0; r < 4; ++r)
    for (int c = 0; c < 4; ++c) {
      cairo_rectangle(cr, -1.0 + 0.5 * c + (r % 2) * 0.25, -0.95 + 0.3 * r, 0.46, 0.26);
      SetColour(cr, Scale(p.body, 0.45), 0.7);
      cairo_fill(cr);
    }
  const Colour paints[4] = {p.glow, p.accent, Rgb8(255, 220, 60), Rgb8(80, 240, 120)};
  for (int k = 0; k <= v; ++k) {
    cairo_move_to(cr, -0.85, -0.6 + 0.3 * k);
    cairo_curve_to(cr, -0.5, -0.95 + 0.3 * k, -0.2, -0.2 + 0.3 * k, 0.3 + 0.15 * k, -0.7 + 0.3 * k);
    SetColour(cr, paints[k]);
    cairo_set_line_width(cr, (2.5 + 0.5 * k) * p.px);
    cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
    cairo_stroke(cr);
  }
  cairo_save(cr);
  cairo_translate(cr, 0.5, 0.35);
  cairo_rotate(cr, 0.3);
  RoundRect(cr, -0.2, -0.3, 0.4, 0.75, 0.08);
  Paint(cr, p, Chrome);
  cairo_rectangle(cr, -0.2, -0.05, 0.4, 0.25);
  Fill(cr, p.glow);
  RoundRect(cr, -0.08, -0.45, 0.16, 0.15, 0.03);
  Paint(cr, p, Rgb8(50, 44, 66));
  cairo_restore(cr);
  for (int i = 0; i < 4 + 2 * v; ++i) {  // the spray
    Circle(cr, 0.2 - 0.08 * (i % 4), -0.2 - 0.1 * (i / 2) + 0.04 * (i % 3), 0.03);
  }
  Fill(cr, p.glow);
  if (v >= 3) {  // the mural's winking eye
    Ellipse(cr, -0.45, 0.5, 0.3, 0.15);
    Paint(cr, p, White);
    Circle(cr, -0.45, 0.5, 0.09);
    Fill(cr, p.accent);
  }
}

void DrawPoltergeist(cairo_t* cr, const MotifPaint& p, int v) {
  Halo(cr, p, 0, 0, 1.0);
  // A bed-sheet spirit with things flying around it: a glass, then chairs.
  cairo_move_to(cr, -0.45, 0.6);
  cairo_curve_to(cr, -0.5, -0.2, -0.45, -0.75, 0, -0.75);
  cairo_curve_to(cr, 0.45, -0.75, 0.5, -0.2, 0.45, 0.6);
  cairo_curve_to(cr, 0.3, 0.45, 0.15, 0.7, 0, 0.55);
  cairo_curve_to(cr, -0.15, 0.7, -0.3, 0.45, -0.45, 0.6);
  cairo_close_path(cr);
  Paint(cr, p, Mix(p.body, White, 0.55));
  Circle(cr, -0.15, -0.3, 0.08);
  Circle(cr, 0.15, -0.3, 0.08);
  Fill(cr, p.ink);
  Ellipse(cr, 0, -0.05, 0.12, 0.07);
  Fill(cr, p.ink);
  // Knocks.
  for (int i = 0; i < 3; ++i) Line(cr, p, p.glow, 1, {-0.95, 0.4 + 0.15 * i, -0.75, 0.35 + 0.15 * i});
  if (v >= 1) {  // a sliding glass
    Poly(cr, {0.6, -0.7, 0.85, -0.7, 0.8, -0.35, 0.65, -0.35});
    Paint(cr, p, Mix(p.accent, White, 0.4));
  }
  if (v >= 2) {  // a flying chair
    cairo_save(cr);
    cairo_translate(cr, 0.7, 0.4);
    cairo_rotate(cr, 0.5);
    Line(cr, p, Rgb8(170, 120, 70), 1.6, {-0.15, -0.35, -0.15, 0.3});
    Line(cr, p, Rgb8(170, 120, 70), 1.6, {-0.15, 0.0, 0.2, 0.0, 0.2, 0.3});
    cairo_restore(cr);
  }
  if (v >= 3) {  // the halls crack
    Line(cr, p, White, 1, {-0.7, -0.95, -0.6, -0.7, -0.75, -0.55, -0.62, -0.35});
    Circle(cr, -0.7, -0.1, 0.1);
    Paint(cr, p, White);
  }
}

void DrawLimousine(cairo_t* cr, const MotifPaint& p, int v) {
  Halo(cr, p, 0, 0.1, 1.0);
  // Longer with every level, more windows, a flag and chrome at the top.
  const double len = 0.7 + 0.1 * v;
  cairo_move_to(cr, -len - 0.2, 0.35);
  cairo_line_to(cr, -len - 0.2, 0.05);
  cairo_line_to(cr, -len + 0.1, 0.0);
  cairo_line_to(cr, -len + 0.25, -0.3);
  cairo_line_to(cr, len - 0.3, -0.3);
  cairo_line_to(cr, len - 0.1, 0.0);
  cairo_line_to(cr, len + 0.2, 0.05);
  cairo_line_to(cr, len + 0.2, 0.35);
  cairo_close_path(cr);
  Paint(cr, p, v >= 3 ? Rgb8(216, 220, 236) : Scale(p.body, 0.55));
  const int windows = 2 + v;
  const double w = (2 * len - 0.6) / windows;
  for (int i = 0; i < windows; ++i) {
    cairo_rectangle(cr, -len + 0.28 + i * w, -0.24, w - 0.06, 0.2);
    Fill(cr, Mix(p.glow, Rgb8(20, 20, 40), 0.4));
  }
  for (int s : {-1, 1}) {
    Circle(cr, (len - 0.15) * s, 0.38, 0.16);
    Paint(cr, p, Rgb8(30, 26, 40));
    Circle(cr, (len - 0.15) * s, 0.38, 0.06);
    Fill(cr, Chrome);
  }
  Ellipse(cr, len + 0.15, 0.12, 0.05, 0.05);
  Fill(cr, Rgb8(255, 240, 170));
  Line(cr, p, p.accent, 1, {-len - 0.1, 0.15, len + 0.1, 0.15});
  if (v == 0) {  // the chauffeur's cap above it
    Ellipse(cr, 0, -0.6, 0.35, 0.1);
    Paint(cr, p, Rgb8(40, 36, 60));
    RoundRect(cr, -0.25, -0.85, 0.5, 0.25, 0.06);
    Paint(cr, p, Rgb8(40, 36, 60));
    Circle(cr, 0, -0.7, 0.05);
    Fill(cr, Gold);
  }
  if (v >= 2) {  // flags on the wings
    Line(cr, p, Chrome, 0.8, {len - 0.2, -0.3, len - 0.2, -0.65});
    Poly(cr, {len - 0.2, -0.65, len + 0.05, -0.58, len - 0.2, -0.5});
    Fill(cr, p.accent);
  }
  if (v >= 3) Line(cr, p, Gold, 1, {-len + 0.25, -0.34, len - 0.3, -0.34});
}

void DrawHourglass(cairo_t* cr, const MotifPaint& p, int v) {
  Halo(cr, p, 0, 0, 1.0);
  // The sandman's hourglass, sand drifting out as dream dust.
  RoundRect(cr, -0.55, -0.95, 1.1, 0.14, 0.04);
  RoundRect(cr, -0.55, 0.81, 1.1, 0.14, 0.04);
  Paint(cr, p, Rgb8(170, 120, 70));
  cairo_move_to(cr, -0.42, -0.81);
  cairo_curve_to(cr, -0.42, -0.3, -0.05, -0.1, -0.05, 0);
  cairo_curve_to(cr, -0.05, 0.1, -0.42, 0.3, -0.42, 0.81);
  cairo_line_to(cr, 0.42, 0.81);
  cairo_curve_to(cr, 0.42, 0.3, 0.05, 0.1, 0.05, 0);
  cairo_curve_to(cr, 0.05, -0.1, 0.42, -0.3, 0.42, -0.81);
  cairo_close_path(cr);
  SetColour(cr, Mix(p.glow, White, 0.6), 0.45);
  cairo_fill_preserve(cr);
  SetColour(cr, p.ink);
  cairo_set_line_width(cr, p.px);
  cairo_stroke(cr);
  const Colour sand = Rgb8(240, 210, 140);
  const double top = -0.55 + 0.1 * v;  // the sand runs lower as the night goes on
  Poly(cr, {-0.3, top, 0.3, top, 0.02, -0.08, -0.02, -0.08});
  Fill(cr, sand);
  Poly(cr, {-0.38, 0.8, 0.38, 0.8, 0.2, 0.55 - 0.08 * v, -0.2, 0.55 - 0.08 * v});
  Fill(cr, sand);
  Line(cr, p, sand, 0.6, {0, -0.08, 0, 0.6});
  for (int i = 0; i < 2 + 2 * v; ++i) {  // dream dust
    StarPath(cr, 0.6 + 0.12 * (i % 3), -0.6 + 0.25 * (i / 1) * 0.5, 0.06 + 0.01 * (i % 2), 4);
    Fill(cr, Rgb8(255, 250, 210));
  }
  if (v >= 1) {  // a nightcap on top
    Poly(cr, {-0.4, -0.95, 0.35, -0.95, -0.85, -0.55});
    Paint(cr, p, p.accent);
    Circle(cr, -0.85, -0.55, 0.08);
    Fill(cr, White);
  }
  if (v >= 3) {  // the moon asleep
    Circle(cr, -0.75, 0.4, 0.18);
    Fill(cr, Rgb8(250, 240, 200));
    Circle(cr, -0.68, 0.35, 0.15);
    Fill(cr, Scale(p.ink, 1.6));
  }
}

void DrawEclipse(cairo_t* cr, const MotifPaint& p, int v) {
  // The moon slides over the sun: a crescent first, the full black sun with its corona last.
  const Colour sun = Mix(Rgb8(255, 220, 120), p.accent, 0.2);
  if (v >= 2) {
    for (int i = 0; i < 16; ++i) {
      const double a = i * Pi / 8;
      const double r0 = 0.62, r1 = 0.8 + 0.12 * (i % 2) + 0.05 * v;
      Line(cr, p, Mix(sun, White, 0.3), 1.2, {r0 * std::cos(a), r0 * std::sin(a), r1 * std::cos(a), r1 * std::sin(a)});
    }
  }
  Halo(cr, p, 0, 0, 0.95);
  Circle(cr, 0, 0, 0.6);
  Fill(cr, sun);
  const double shift = 0.5 - 0.17 * v;  // how far the moon still has to go
  Circle(cr, shift, -shift * 0.4, 0.6);
  Fill(cr, Scale(p.ink, 1.2));
  if (v >= 3) {
    Circle(cr, 0, 0, 0.64);
    SetColour(cr, White);
    cairo_set_line_width(cr, 1.4 * p.px);
    cairo_stroke(cr);
    Circle(cr, 0.45, -0.45, 0.07);  // the diamond ring
    Fill(cr, White);
  }
  if (v >= 1) {
    for (int i = 0; i < v + 1; ++i) {
      StarPath(cr, -0.8 + 0.2 * i, 0.75 - 0.12 * (i % 2), 0.07, 4);
      Fill(cr, Rgb8(255, 250, 220));
    }
  }
}

void DrawShaker(cairo_t* cr, const MotifPaint& p, int v) {
  Halo(cr, p, 0, 0, 1.0);
  // A chrome cocktail shaker: cap, lid and tapering tin; ice and storm grow round it.
  cairo_save(cr);
  cairo_rotate(cr, 0.15 * v);
  RoundRect(cr, -0.1, -0.95, 0.2, 0.15, 0.05);
  Paint(cr, p, Chrome);
  Poly(cr, {-0.25, -0.8, 0.25, -0.8, 0.3, -0.5, -0.3, -0.5});
  Paint(cr, p, Chrome);
  Poly(cr, {-0.38, -0.48, 0.38, -0.48, 0.3, 0.85, -0.3, 0.85});
  Paint(cr, p, Mix(Chrome, p.body, 0.35));
  Line(cr, p, White, 1.4, {-0.22, -0.4, -0.16, 0.75});
  cairo_rectangle(cr, -0.36, -0.2, 0.72, 0.1);
  Fill(cr, p.accent);
  cairo_restore(cr);
  for (int i = 0; i < 1 + v; ++i) {  // ice cubes
    cairo_save(cr);
    cairo_translate(cr, (i % 2 ? 0.65 : -0.65), -0.5 + 0.4 * (i / 2));
    cairo_rotate(cr, 0.4 * i);
    cairo_rectangle(cr, -0.1, -0.1, 0.2, 0.2);
    SetColour(cr, Rgb8(220, 240, 255), 0.85);
    cairo_fill(cr);
    cairo_restore(cr);
  }
  if (v >= 2) {  // shake lines
    for (int s : {-1, 1}) Line(cr, p, p.glow, 1, {0.5 * s, 0.4, 0.62 * s, 0.6, 0.5 * s, 0.8});
  }
  if (v >= 3) {  // the thunder of it
    Poly(cr, {0.7, -0.95, 0.55, -0.7, 0.68, -0.7, 0.55, -0.45, 0.85, -0.78, 0.72, -0.78});
    Fill(cr, Rgb8(255, 240, 120));
  }
}
