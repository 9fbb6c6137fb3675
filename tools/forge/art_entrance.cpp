// art_entrance.cpp -- the loading picture: the club's entrance at dusk, its neon name, the street the view pans along.
#include <cmath>
#include <cstdint>
#include <string>

#include "tools/forge/art_palette.h"
#include "tools/forge/art_shell.h"

namespace {

// A fixed-seed generator for windows and stars: the same picture every time.
class Scatter {
 public:
  explicit Scatter(std::uint32_t seed) : state_(seed) {}
  double Next() {
    state_ ^= state_ << 13;
    state_ ^= state_ >> 17;
    state_ ^= state_ << 5;
    return (state_ & 0xFFFFFF) / static_cast<double>(0x1000000);
  }

 private:
  std::uint32_t state_;
};

void Sky(cairo_t* cr) {
  cairo_pattern_t* g = cairo_pattern_create_linear(0, 0, 0, 230);
  cairo_pattern_add_color_stop_rgb(g, 0.0, 0.06, 0.04, 0.18);
  cairo_pattern_add_color_stop_rgb(g, 0.45, 0.26, 0.09, 0.40);
  cairo_pattern_add_color_stop_rgb(g, 0.75, 0.72, 0.22, 0.42);
  cairo_pattern_add_color_stop_rgb(g, 1.0, 1.0, 0.62, 0.30);
  cairo_set_source(cr, g);
  cairo_paint(cr);
  cairo_pattern_destroy(g);
  Scatter s(0x5EED1234u);
  for (int i = 0; i < 90; ++i) {
    const double x = s.Next() * EntranceWidth, y = 45 + s.Next() * 70, r = 0.4 + s.Next() * 0.7;
    cairo_new_sub_path(cr);
    cairo_arc(cr, x, y, r, 0, 2 * Pi);
  }
  SetColour(cr, Rgb8(255, 240, 255), 0.8);
  cairo_fill(cr);
  // The moon over the street.
  cairo_new_sub_path(cr);
  cairo_arc(cr, 400, 70, 20, 0, 2 * Pi);
  cairo_new_sub_path(cr);
  cairo_arc_negative(cr, 409, 63, 17, 2 * Pi, 0);
  cairo_set_fill_rule(cr, CAIRO_FILL_RULE_EVEN_ODD);
  SetColour(cr, Rgb8(255, 236, 200));
  cairo_fill(cr);
  cairo_set_fill_rule(cr, CAIRO_FILL_RULE_WINDING);
}

void Skyline(cairo_t* cr) {
  Scatter s(0xC17Au);
  double x = 0;
  while (x < EntranceWidth) {
    const double w = 18 + s.Next() * 30, h = 40 + s.Next() * 80;
    cairo_rectangle(cr, x, 230 - h, w, h);
    SetColour(cr, Rgb8(34, 16, 56));
    cairo_fill(cr);
    for (double wy = 230 - h + 6; wy < 222; wy += 9)
      for (double wx = x + 4; wx < x + w - 5; wx += 7)
        if (s.Next() < 0.3) {
          cairo_rectangle(cr, wx, wy, 3, 4);
          SetColour(cr, s.Next() < 0.5 ? Rgb8(255, 200, 110) : Rgb8(150, 220, 255), 0.85);
          cairo_fill(cr);
        }
    x += w + 2;
  }
}

void NeonText(cairo_t* cr, const std::string& text, double x, double y, double size, ArtFont font, Colour c) {
  SelectArtFont(cr, font, size);
  cairo_move_to(cr, x, y);
  cairo_text_path(cr, text.c_str());
  SetColour(cr, c, 0.3);
  cairo_set_line_width(cr, size * 0.28);
  cairo_set_line_join(cr, CAIRO_LINE_JOIN_ROUND);
  cairo_stroke_preserve(cr);
  SetColour(cr, c, 0.6);
  cairo_set_line_width(cr, size * 0.12);
  cairo_stroke_preserve(cr);
  SetColour(cr, Mix(c, Rgb8(255, 255, 255), 0.7));
  cairo_fill(cr);
}

// The club: a violet facade with a lit doorway, velvet rope and the neon name above.
void Club(cairo_t* cr) {
  cairo_rectangle(cr, 0, 60, 300, 180);
  cairo_pattern_t* g = cairo_pattern_create_linear(0, 60, 0, 240);
  cairo_pattern_add_color_stop_rgb(g, 0, 0.2, 0.08, 0.3);
  cairo_pattern_add_color_stop_rgb(g, 1, 0.1, 0.05, 0.18);
  cairo_set_source(cr, g);
  cairo_fill(cr);
  cairo_pattern_destroy(g);
  // Brick courses.
  SetColour(cr, Rgb8(70, 30, 90), 0.5);
  cairo_set_line_width(cr, 1);
  for (double y = 64; y < 240; y += 6) {
    cairo_move_to(cr, 0, y + 0.5);
    cairo_line_to(cr, 300, y + 0.5);
    for (double x = (static_cast<int>(y) / 6 % 2) * 6; x < 300; x += 12) {
      cairo_move_to(cr, x + 0.5, y);
      cairo_line_to(cr, x + 0.5, y + 6);
    }
  }
  cairo_stroke(cr);
  // The name's board and the neon lettering.
  cairo_rectangle(cr, 12, 62, 216, 56);
  SetColour(cr, Rgb8(16, 8, 30));
  cairo_fill_preserve(cr);
  SetColour(cr, club::ChromeDark);
  cairo_set_line_width(cr, 2);
  cairo_stroke(cr);
  NeonText(cr, "Duskhaven", 24, 104, 38, ArtFont::SerifItalic, club::Magenta);
  cairo_move_to(cr, 30, 112.5);
  cairo_line_to(cr, 210, 112.5);
  SetColour(cr, club::Cyan, 0.9);
  cairo_set_line_width(cr, 1.5);
  cairo_stroke(cr);
  // The canopy.
  cairo_move_to(cr, 70, 136);
  cairo_line_to(cr, 200, 136);
  cairo_line_to(cr, 212, 152);
  cairo_line_to(cr, 58, 152);
  cairo_close_path(cr);
  SetColour(cr, club::Velvet);
  cairo_fill(cr);
  for (double x = 62; x < 210; x += 10) {
    cairo_new_sub_path(cr);
    cairo_arc(cr, x, 152, 2, 0, 2 * Pi);
  }
  SetColour(cr, club::Amber);
  cairo_fill(cr);
  // The doorway, lit from inside.
  cairo_rectangle(cr, 100, 156, 70, 76);
  cairo_pattern_t* door = cairo_pattern_create_radial(135, 200, 5, 135, 200, 60);
  cairo_pattern_add_color_stop_rgb(door, 0, 1.0, 0.85, 0.55);
  cairo_pattern_add_color_stop_rgb(door, 1, 0.75, 0.3, 0.35);
  cairo_set_source(cr, door);
  cairo_fill(cr);
  cairo_pattern_destroy(door);
  SetColour(cr, club::ChromeLight);
  cairo_set_line_width(cr, 2);
  cairo_rectangle(cr, 100, 156, 70, 76);
  cairo_stroke(cr);
  // A figure in the doorway.
  cairo_new_sub_path(cr);
  cairo_arc(cr, 135, 184, 6, 0, 2 * Pi);
  cairo_move_to(cr, 124, 232);
  cairo_curve_to(cr, 124, 200, 146, 200, 146, 232);
  cairo_close_path(cr);
  SetColour(cr, Rgb8(40, 16, 40));
  cairo_fill(cr);
  // Posts and the velvet rope.
  for (double x : {70.0, 200.0}) {
    cairo_rectangle(cr, x - 2, 206, 4, 30);
    SetColour(cr, Rgb8(230, 200, 120));
    cairo_fill(cr);
    cairo_new_sub_path(cr);
    cairo_arc(cr, x, 205, 4, 0, 2 * Pi);
    cairo_fill(cr);
  }
  cairo_move_to(cr, 70, 210);
  cairo_curve_to(cr, 80, 226, 90, 226, 100, 214);
  cairo_move_to(cr, 170, 214);
  cairo_curve_to(cr, 180, 226, 190, 226, 200, 210);
  SetColour(cr, Rgb8(200, 30, 80));
  cairo_set_line_width(cr, 3);
  cairo_stroke(cr);
  // Windows glowing violet and cyan.
  for (int i = 0; i < 2; ++i) {
    const double x = 20 + 228 * i;
    cairo_rectangle(cr, x, 160, 36, 44);
    SetColour(cr, i ? club::Cyan : club::Magenta, 0.55);
    cairo_fill(cr);
    SetColour(cr, club::ChromeDark);
    cairo_set_line_width(cr, 2);
    cairo_rectangle(cr, x, 160, 36, 44);
    cairo_move_to(cr, x + 18, 160);
    cairo_line_to(cr, x + 18, 204);
    cairo_stroke(cr);
  }
}

// The street to the right: a streetlamp and a waiting car.
void Street(cairo_t* cr) {
  // Pavement and road.
  cairo_rectangle(cr, 0, 232, EntranceWidth, 88);
  cairo_pattern_t* g = cairo_pattern_create_linear(0, 232, 0, 320);
  cairo_pattern_add_color_stop_rgb(g, 0, 0.22, 0.12, 0.3);
  cairo_pattern_add_color_stop_rgb(g, 0.3, 0.1, 0.06, 0.18);
  cairo_pattern_add_color_stop_rgb(g, 1, 0.05, 0.03, 0.1);
  cairo_set_source(cr, g);
  cairo_fill(cr);
  cairo_pattern_destroy(g);
  SetColour(cr, club::ChromeDark, 0.6);
  cairo_set_line_width(cr, 1);
  cairo_move_to(cr, 0, 246.5);
  cairo_line_to(cr, EntranceWidth, 246.5);
  cairo_stroke(cr);
  // Reflections of the sign and doorway on the wet street.
  for (int i = 0; i < 8; ++i) {
    cairo_rectangle(cr, 20 + i * 26, 252 + i % 3 * 4, 16, 2);
    SetColour(cr, i % 2 ? club::Magenta : club::Cyan, 0.35);
    cairo_fill(cr);
  }
  cairo_rectangle(cr, 110, 248, 50, 3);
  SetColour(cr, club::Amber, 0.45);
  cairo_fill(cr);
  // The lamp.
  cairo_pattern_t* light = cairo_pattern_create_radial(340, 132, 4, 340, 200, 110);
  cairo_pattern_add_color_stop_rgba(light, 0, 1.0, 0.8, 0.45, 0.55);
  cairo_pattern_add_color_stop_rgba(light, 1, 1.0, 0.8, 0.45, 0.0);
  cairo_set_source(cr, light);
  cairo_move_to(cr, 330, 130);
  cairo_line_to(cr, 350, 130);
  cairo_line_to(cr, 400, 246);
  cairo_line_to(cr, 280, 246);
  cairo_close_path(cr);
  cairo_fill(cr);
  cairo_pattern_destroy(light);
  cairo_move_to(cr, 356, 246);
  cairo_line_to(cr, 356, 124);
  cairo_curve_to(cr, 356, 114, 350, 112, 342, 118);
  SetColour(cr, Rgb8(60, 56, 84));
  cairo_set_line_width(cr, 4);
  cairo_stroke(cr);
  cairo_move_to(cr, 330, 130);
  cairo_line_to(cr, 350, 130);
  cairo_line_to(cr, 345, 120);
  cairo_line_to(cr, 335, 120);
  cairo_close_path(cr);
  SetColour(cr, Rgb8(255, 230, 170));
  cairo_fill(cr);
  // The car, long and low, chrome trimmed.
  const double cx = 370, cy = 246;
  cairo_move_to(cr, cx - 78, cy);
  cairo_line_to(cr, cx - 78, cy - 18);
  cairo_line_to(cr, cx - 40, cy - 22);
  cairo_line_to(cr, cx - 24, cy - 38);
  cairo_line_to(cr, cx + 30, cy - 38);
  cairo_line_to(cr, cx + 44, cy - 22);
  cairo_line_to(cr, cx + 84, cy - 18);
  cairo_line_to(cr, cx + 84, cy);
  cairo_close_path(cr);
  SetColour(cr, Rgb8(44, 20, 70));
  cairo_fill_preserve(cr);
  SetColour(cr, club::ChromeLight, 0.9);
  cairo_set_line_width(cr, 1.5);
  cairo_stroke(cr);
  cairo_move_to(cr, cx - 20, cy - 34);
  cairo_line_to(cr, cx + 2, cy - 34);
  cairo_line_to(cr, cx + 2, cy - 23);
  cairo_line_to(cr, cx - 32, cy - 23);
  cairo_close_path(cr);
  cairo_move_to(cr, cx + 8, cy - 34);
  cairo_line_to(cr, cx + 28, cy - 34);
  cairo_line_to(cr, cx + 38, cy - 23);
  cairo_line_to(cr, cx + 8, cy - 23);
  cairo_close_path(cr);
  SetColour(cr, club::Cyan, 0.45);
  cairo_fill(cr);
  for (double wx : {cx - 50, cx + 56}) {
    cairo_new_sub_path(cr);
    cairo_arc(cr, wx, cy, 10, 0, 2 * Pi);
    SetColour(cr, Rgb8(20, 14, 30));
    cairo_fill(cr);
    cairo_new_sub_path(cr);
    cairo_arc(cr, wx, cy, 4, 0, 2 * Pi);
    SetColour(cr, club::ChromeLight);
    cairo_fill(cr);
  }
  cairo_rectangle(cr, cx + 80, cy - 15, 4, 4);
  SetColour(cr, Rgb8(255, 240, 180));
  cairo_fill(cr);
  // A far neon arrow pointing back to the door.
  cairo_move_to(cr, 460, 176);
  cairo_line_to(cr, 420, 176);
  cairo_line_to(cr, 430, 168);
  cairo_move_to(cr, 420, 176);
  cairo_line_to(cr, 430, 184);
  SetColour(cr, club::Amber, 0.4);
  cairo_set_line_width(cr, 5);
  cairo_stroke_preserve(cr);
  SetColour(cr, Rgb8(255, 220, 150));
  cairo_set_line_width(cr, 1.6);
  cairo_stroke(cr);
}

}  // namespace

RgbPicture DrawEntrance() {
  ArtCanvas canvas(EntranceWidth, EntranceHeight);
  cairo_t* cr = canvas.Cr();
  Sky(cr);
  Skyline(cr);
  Club(cr);
  Street(cr);
  // The hint runs over the top rows and the loading line over the bottom rows:
  // darken both bands so the light lettering stays readable.
  cairo_pattern_t* top = cairo_pattern_create_linear(0, 0, 0, 44);
  cairo_pattern_add_color_stop_rgba(top, 0, 0.03, 0.02, 0.08, 0.75);
  cairo_pattern_add_color_stop_rgba(top, 1, 0.03, 0.02, 0.08, 0.0);
  cairo_set_source(cr, top);
  cairo_rectangle(cr, 0, 0, EntranceWidth, 44);
  cairo_fill(cr);
  cairo_pattern_destroy(top);
  cairo_rectangle(cr, 0, 300, EntranceWidth, 20);
  SetColour(cr, Rgb8(10, 6, 20), 0.8);
  cairo_fill(cr);
  return canvas.Opaque();
}
