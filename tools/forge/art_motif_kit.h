// art_motif_kit.h -- the few path and paint helpers every motif is drawn with, in the motif's unit circle.
#pragma once

#include <cairo.h>

#include <cmath>
#include <initializer_list>

#include "tools/forge/art_motifs.h"

namespace motif_kit {

inline void Ellipse(cairo_t* cr, double cx, double cy, double rx, double ry) {
  cairo_save(cr);
  cairo_translate(cr, cx, cy);
  cairo_scale(cr, rx, ry);
  cairo_new_sub_path(cr);
  cairo_arc(cr, 0, 0, 1, 0, 2 * Pi);
  cairo_restore(cr);
}

inline void Circle(cairo_t* cr, double cx, double cy, double r) {
  cairo_new_sub_path(cr);
  cairo_arc(cr, cx, cy, r, 0, 2 * Pi);
}

inline void Poly(cairo_t* cr, std::initializer_list<double> xy) {
  const double* p = xy.begin();
  cairo_move_to(cr, p[0], p[1]);
  for (std::size_t i = 2; i + 1 < xy.size(); i += 2) cairo_line_to(cr, p[i], p[i + 1]);
  cairo_close_path(cr);
}

// Fills the current path in c and outlines it in ink.
inline void Paint(cairo_t* cr, const MotifPaint& p, Colour c) {
  SetColour(cr, c);
  cairo_fill_preserve(cr);
  SetColour(cr, p.ink);
  cairo_set_line_width(cr, p.px * 0.9);
  cairo_set_line_join(cr, CAIRO_LINE_JOIN_ROUND);
  cairo_stroke(cr);
}

inline void Fill(cairo_t* cr, Colour c, double alpha = 1.0) {
  SetColour(cr, c, alpha);
  cairo_fill(cr);
}

inline void Line(cairo_t* cr, const MotifPaint& p, Colour c, double width, std::initializer_list<double> xy) {
  const double* q = xy.begin();
  cairo_move_to(cr, q[0], q[1]);
  for (std::size_t i = 2; i + 1 < xy.size(); i += 2) cairo_line_to(cr, q[i], q[i + 1]);
  SetColour(cr, c);
  cairo_set_line_width(cr, width * p.px);
  cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
  cairo_set_line_join(cr, CAIRO_LINE_JOIN_ROUND);
  cairo_stroke(cr);
}

// A soft neon halo behind a motif.
inline void Halo(cairo_t* cr, const MotifPaint& p, double cx, double cy, double r) {
  cairo_pattern_t* g = cairo_pattern_create_radial(cx, cy, 0, cx, cy, r);
  cairo_pattern_add_color_stop_rgba(g, 0, p.glow.r, p.glow.g, p.glow.b, 0.55);
  cairo_pattern_add_color_stop_rgba(g, 1, p.glow.r, p.glow.g, p.glow.b, 0);
  cairo_set_source(cr, g);
  Circle(cr, cx, cy, r);
  cairo_fill(cr);
  cairo_pattern_destroy(g);
}

inline void Eyes(cairo_t* cr, const MotifPaint&, double y, double dx, double r, Colour c) {
  Circle(cr, -dx, y, r);
  Circle(cr, dx, y, r);
  Fill(cr, c);
}

inline void StarPath(cairo_t* cr, double cx, double cy, double r, int points) {
  for (int i = 0; i < 2 * points; ++i) {
    const double a = -Pi / 2 + i * Pi / points;
    const double rr = i % 2 ? r * 0.42 : r;
    if (i == 0)
      cairo_move_to(cr, cx + rr * std::cos(a), cy + rr * std::sin(a));
    else
      cairo_line_to(cr, cx + rr * std::cos(a), cy + rr * std::sin(a));
  }
  cairo_close_path(cr);
}

inline const Colour Skin = Rgb8(236, 200, 184);
inline const Colour White = Rgb8(248, 246, 252);

// A bust: shoulders from the bottom edge up to the neck, the head above.
inline void Bust(cairo_t* cr, const MotifPaint& p, Colour coat, Colour skin, double headY = -0.25) {
  cairo_move_to(cr, -0.85, 1.0);
  cairo_curve_to(cr, -0.8, 0.38, -0.45, headY + 0.45, 0, headY + 0.45);
  cairo_curve_to(cr, 0.45, headY + 0.45, 0.8, 0.38, 0.85, 1.0);
  cairo_close_path(cr);
  Paint(cr, p, coat);
  Ellipse(cr, 0, headY, 0.28, 0.34);
  Paint(cr, p, skin);
}

}  // namespace motif_kit

// The motifs drawn in art_motifs_people.cpp and art_motifs_things.cpp; v is the card's level - 1.
#define DUSKHAVEN_MOTIF(name) void Draw##name(cairo_t* cr, const MotifPaint& p, int v)
DUSKHAVEN_MOTIF(VeiledDancer);
DUSKHAVEN_MOTIF(DiscJockey);
DUSKHAVEN_MOTIF(CigaretteGirl);
DUSKHAVEN_MOTIF(Bartender);
DUSKHAVEN_MOTIF(Fairy);
DUSKHAVEN_MOTIF(Crooner);
DUSKHAVEN_MOTIF(Imp);
DUSKHAVEN_MOTIF(Harlequin);
DUSKHAVEN_MOTIF(Mime);
DUSKHAVEN_MOTIF(Magician);
DUSKHAVEN_MOTIF(Croupier);
DUSKHAVEN_MOTIF(Hologram);
DUSKHAVEN_MOTIF(Shadow);
DUSKHAVEN_MOTIF(Banshee);
DUSKHAVEN_MOTIF(Bouncer);
DUSKHAVEN_MOTIF(VinylGhost);
DUSKHAVEN_MOTIF(MoonCat);
DUSKHAVEN_MOTIF(Cicada);
DUSKHAVEN_MOTIF(Panther);
DUSKHAVEN_MOTIF(Flamingo);
DUSKHAVEN_MOTIF(DrumMachine);
DUSKHAVEN_MOTIF(SlotMachine);
DUSKHAVEN_MOTIF(Pearl);
DUSKHAVEN_MOTIF(Scorpion);
DUSKHAVEN_MOTIF(Champagne);
DUSKHAVEN_MOTIF(Gecko);
DUSKHAVEN_MOTIF(Wisp);
DUSKHAVEN_MOTIF(Laser);
DUSKHAVEN_MOTIF(RollerSkate);
DUSKHAVEN_MOTIF(Motorbike);
DUSKHAVEN_MOTIF(Piano);
DUSKHAVEN_MOTIF(Graffiti);
DUSKHAVEN_MOTIF(Poltergeist);
DUSKHAVEN_MOTIF(Limousine);
DUSKHAVEN_MOTIF(Hourglass);
DUSKHAVEN_MOTIF(Eclipse);
DUSKHAVEN_MOTIF(Shaker);
#undef DUSKHAVEN_MOTIF

// The props the older emblems gain with rank, drawn over the motif (art_motif_props.cpp).
void DrawMotifProps(cairo_t* cr, Motif motif, const MotifPaint& p, int v);
