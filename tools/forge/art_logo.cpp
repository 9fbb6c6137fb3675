// art_logo.cpp -- the makers' logo: a chrome chevron over a neon star, and the name "Vantor Team".
#include <cmath>
#include <string>

#include "tools/forge/art_palette.h"
#include "tools/forge/art_shell.h"

namespace {

void Chevron(cairo_t* cr, double cx, double cy, double s) {
  cairo_move_to(cr, cx - 1.0 * s, cy - 0.9 * s);
  cairo_line_to(cr, cx - 0.55 * s, cy - 0.9 * s);
  cairo_line_to(cr, cx, cy + 0.35 * s);
  cairo_line_to(cr, cx + 0.55 * s, cy - 0.9 * s);
  cairo_line_to(cr, cx + 1.0 * s, cy - 0.9 * s);
  cairo_line_to(cr, cx + 0.12 * s, cy + 1.0 * s);
  cairo_line_to(cr, cx - 0.12 * s, cy + 1.0 * s);
  cairo_close_path(cr);
}

}  // namespace

RgbPicture DrawMakerLogo() {
  ArtCanvas canvas(LogoWidth, LogoHeight);
  cairo_t* cr = canvas.Cr();
  // Near-black ground (the screen around it is black).
  SetColour(cr, Rgb8(8, 4, 16));
  cairo_paint(cr);
  const double cx = 120, cy = 130, s = 58;
  // A faint ring of light behind the mark.
  cairo_pattern_t* halo = cairo_pattern_create_radial(cx, cy, 10, cx, cy, 110);
  cairo_pattern_add_color_stop_rgba(halo, 0, 0.55, 0.2, 0.9, 0.55);
  cairo_pattern_add_color_stop_rgba(halo, 1, 0.55, 0.2, 0.9, 0.0);
  cairo_set_source(cr, halo);
  cairo_paint(cr);
  cairo_pattern_destroy(halo);
  cairo_new_sub_path(cr);
  cairo_arc(cr, cx, cy, 78, 0, 2 * Pi);
  SetColour(cr, club::Cyan, 0.35);
  cairo_set_line_width(cr, 5);
  cairo_stroke_preserve(cr);
  SetColour(cr, Mix(club::Cyan, Rgb8(255, 255, 255), 0.5));
  cairo_set_line_width(cr, 1.5);
  cairo_stroke(cr);
  // The chevron in brushed chrome, with a dark edge.
  Chevron(cr, cx, cy, s);
  cairo_pattern_t* chrome = cairo_pattern_create_linear(cx - s, cy - s, cx + s, cy + s);
  cairo_pattern_add_color_stop_rgb(chrome, 0, 0.96, 0.97, 1.0);
  cairo_pattern_add_color_stop_rgb(chrome, 0.45, 0.5, 0.52, 0.62);
  cairo_pattern_add_color_stop_rgb(chrome, 0.55, 0.85, 0.86, 0.95);
  cairo_pattern_add_color_stop_rgb(chrome, 1, 0.42, 0.44, 0.56);
  cairo_set_source(cr, chrome);
  cairo_fill_preserve(cr);
  cairo_pattern_destroy(chrome);
  SetColour(cr, Rgb8(40, 30, 70));
  cairo_set_line_width(cr, 2);
  cairo_stroke(cr);
  // A magenta star where the blades meet above.
  for (int k = 0; k < 8; ++k) {
    const double a = -Pi / 2 + k * Pi / 4, r = k % 2 ? 5 : 18;
    if (k == 0)
      cairo_move_to(cr, cx + r * std::cos(a), cy - 50 + r * std::sin(a));
    else
      cairo_line_to(cr, cx + r * std::cos(a), cy - 50 + r * std::sin(a));
  }
  cairo_close_path(cr);
  SetColour(cr, club::Magenta, 0.45);
  cairo_set_line_width(cr, 4);
  cairo_stroke_preserve(cr);
  SetColour(cr, Rgb8(255, 200, 245));
  cairo_fill(cr);

  // The name.
  SelectArtFont(cr, ArtFont::SansBold, 34);
  const std::string name = "VANTOR";
  double width = ArtTextWidth(cr, name);
  cairo_move_to(cr, cx - width / 2, 252);
  cairo_text_path(cr, name.c_str());
  SetColour(cr, club::Magenta, 0.5);
  cairo_set_line_width(cr, 4);
  cairo_stroke_preserve(cr);
  cairo_pattern_t* fill = cairo_pattern_create_linear(0, 226, 0, 252);
  cairo_pattern_add_color_stop_rgb(fill, 0, 1, 1, 1);
  cairo_pattern_add_color_stop_rgb(fill, 1, 0.75, 0.78, 0.9);
  cairo_set_source(cr, fill);
  cairo_fill(cr);
  cairo_pattern_destroy(fill);
  SelectArtFont(cr, ArtFont::Sans, 15);
  const std::string team = "T  E  A  M";
  width = ArtTextWidth(cr, team);
  SetColour(cr, club::Cyan);
  cairo_move_to(cr, cx - width / 2, 276);
  cairo_show_text(cr, team.c_str());
  SetColour(cr, club::Cyan, 0.6);
  cairo_set_line_width(cr, 1);
  cairo_move_to(cr, 40, 284.5);
  cairo_line_to(cr, 200, 284.5);
  cairo_stroke(cr);
  return canvas.Opaque();
}
