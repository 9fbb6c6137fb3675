// art_token.cpp -- draws the spinning coin-toss token, a chrome-rimmed disc turning about its upright axis.
#include "tools/forge/art_token.h"

#include <algorithm>
#include <cmath>
#include <string>

#include "tools/forge/art_palette.h"
#include "tools/forge/forge.h"

namespace {

void Star(cairo_t* cr, double cx, double cy, double r) {
  for (int k = 0; k < 10; ++k) {
    const double a = -Pi / 2 + k * Pi / 5, rr = k % 2 ? r * 0.42 : r;
    if (k == 0)
      cairo_move_to(cr, cx + rr * std::cos(a), cy + rr * std::sin(a));
    else
      cairo_line_to(cr, cx + rr * std::cos(a), cy + rr * std::sin(a));
  }
  cairo_close_path(cr);
}

// One face seen straight on, in a unit disc: the red side carries a star, the blue side a crescent.
void Face(cairo_t* cr, bool red) {
  const Colour base = red ? club::SideRed : club::SideBlue;
  cairo_pattern_t* g = cairo_pattern_create_radial(-0.3, -0.35, 0.1, 0, 0, 1.0);
  const Colour light = Mix(base, Rgb8(255, 255, 255), 0.45), dark = Scale(base, 0.55);
  cairo_pattern_add_color_stop_rgb(g, 0, light.r, light.g, light.b);
  cairo_pattern_add_color_stop_rgb(g, 1, dark.r, dark.g, dark.b);
  cairo_set_source(cr, g);
  cairo_new_sub_path(cr);
  cairo_arc(cr, 0, 0, 0.84, 0, 2 * Pi);
  cairo_fill(cr);
  cairo_pattern_destroy(g);
  cairo_new_sub_path(cr);
  cairo_arc(cr, 0, 0, 0.72, 0, 2 * Pi);
  SetColour(cr, Mix(base, Rgb8(255, 255, 255), 0.6));
  cairo_set_line_width(cr, 0.03);
  cairo_stroke(cr);
  if (red) {
    Star(cr, 0, 0.03, 0.55);
  } else {
    cairo_new_sub_path(cr);
    cairo_arc(cr, 0, 0, 0.5, 0, 2 * Pi);
    cairo_new_sub_path(cr);
    cairo_arc_negative(cr, 0.22, -0.16, 0.42, 2 * Pi, 0);
    cairo_set_fill_rule(cr, CAIRO_FILL_RULE_EVEN_ODD);
  }
  SetColour(cr, Rgb8(255, 246, 220));
  cairo_fill_preserve(cr);
  SetColour(cr, Scale(base, 0.4));
  cairo_set_line_width(cr, 0.03);
  cairo_stroke(cr);
  cairo_set_fill_rule(cr, CAIRO_FILL_RULE_WINDING);
}

}  // namespace

RgbPicture DrawTokenFrame(int frame) {
  ArtCanvas canvas(TokenSize, TokenSize);
  cairo_t* cr = canvas.Cr();
  const double angle = 2 * Pi * ((frame % TokenFrames + TokenFrames) % TokenFrames) / TokenFrames;
  const double c = std::cos(angle), s = std::sin(angle);
  const double r = TokenSize / 2.0 - 2;
  const double squash = std::max(std::fabs(c), 0.001);
  const double thickness = 7 * std::fabs(s);  // the rim seen edge-on
  const double side = s >= 0 ? 1 : -1;
  cairo_translate(cr, TokenSize / 2.0, TokenSize / 2.0);
  // The rim's edge band, behind the face on the side turning away.
  if (thickness > 0.5) {
    cairo_save(cr);
    cairo_translate(cr, -side * thickness / 2, 0);
    cairo_scale(cr, r * squash, r);
    cairo_new_sub_path(cr);
    cairo_arc(cr, 0, 0, 1, 0, 2 * Pi);
    cairo_restore(cr);
    cairo_save(cr);
    cairo_translate(cr, side * thickness / 2, 0);
    cairo_scale(cr, r * squash, r);
    cairo_new_sub_path(cr);
    cairo_arc(cr, 0, 0, 1, 0, 2 * Pi);
    cairo_restore(cr);
    cairo_rectangle(cr, -thickness / 2 - r * squash * 0, -r, thickness, 2 * r);
    cairo_pattern_t* g = cairo_pattern_create_linear(0, -r, 0, r);
    cairo_pattern_add_color_stop_rgb(g, 0, 0.85, 0.86, 0.92);
    cairo_pattern_add_color_stop_rgb(g, 0.5, 0.45, 0.46, 0.55);
    cairo_pattern_add_color_stop_rgb(g, 1, 0.8, 0.8, 0.88);
    cairo_set_source(cr, g);
    cairo_fill(cr);
    cairo_pattern_destroy(g);
  }
  // The face turned towards us: red for the first half-turn's ends, blue in the middle.
  cairo_save(cr);
  cairo_translate(cr, side * thickness / 2, 0);
  cairo_scale(cr, r * squash, r);
  cairo_new_sub_path(cr);
  cairo_arc(cr, 0, 0, 1, 0, 2 * Pi);
  cairo_pattern_t* rim = cairo_pattern_create_linear(-1, -1, 1, 1);
  cairo_pattern_add_color_stop_rgb(rim, 0, 0.95, 0.95, 1.0);
  cairo_pattern_add_color_stop_rgb(rim, 0.5, 0.5, 0.5, 0.6);
  cairo_pattern_add_color_stop_rgb(rim, 1, 0.9, 0.9, 0.97);
  cairo_set_source(cr, rim);
  cairo_fill(cr);
  cairo_pattern_destroy(rim);
  Face(cr, c >= 0);
  cairo_restore(cr);
  return canvas.Keyed();
}

bool ForgeTokenFrames(ForgeOutput& out) {
  for (int k = 0; k < TokenFrames; ++k)
    if (!WritePngPicture(out, "GFX\\GENERAL\\" + std::to_string(k + 1) + ".QXG", DrawTokenFrame(k))) return false;
  return true;
}
