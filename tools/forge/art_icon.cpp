// art_icon.cpp -- the desktop icon, drawn on a 256-unit square for both the SVG and the PNG.
#include "tools/forge/art_icon.h"

#include <cairo-svg.h>
#include <cairo.h>

#include <cmath>

#include "platform/file_system.h"
#include "tools/forge/art_palette.h"

namespace {

constexpr int IconSize = 256;

// The tile: a rounded square from deep indigo at the top to velvet at the foot.
void Tile(cairo_t* cr) {
  RoundRect(cr, 12, 12, 232, 232, 44);
  cairo_pattern_t* ground = cairo_pattern_create_linear(0, 12, 0, 244);
  cairo_pattern_add_color_stop_rgb(ground, 0, club::DeepIndigo.r, club::DeepIndigo.g, club::DeepIndigo.b);
  cairo_pattern_add_color_stop_rgb(ground, 0.6, club::Indigo.r, club::Indigo.g, club::Indigo.b);
  cairo_pattern_add_color_stop_rgb(ground, 1, club::Velvet.r, club::Velvet.g, club::Velvet.b);
  cairo_set_source(cr, ground);
  cairo_fill_preserve(cr);
  cairo_pattern_destroy(ground);
  cairo_set_line_width(cr, 6);
  SetColour(cr, club::Magenta, 0.85);
  cairo_stroke(cr);
}

// The crescent: a disc with a second, shifted disc taken out of it.
void Moon(cairo_t* cr) {
  cairo_save(cr);
  cairo_new_path(cr);
  cairo_arc(cr, 78, 78, 42, 0, 2 * Pi);
  cairo_clip(cr);
  cairo_rectangle(cr, 0, 0, IconSize, IconSize);
  cairo_new_sub_path(cr);
  cairo_arc(cr, 100, 62, 38, 0, 2 * Pi);
  cairo_set_fill_rule(cr, CAIRO_FILL_RULE_EVEN_ODD);
  SetColour(cr, club::Amber);
  cairo_fill(cr);
  cairo_restore(cr);
}

void Star(cairo_t* cr, double cx, double cy, double outer, double inner) {
  cairo_new_path(cr);
  for (int i = 0; i < 8; ++i) {
    const double angle = -Pi / 2 + i * Pi / 4;
    const double r = i % 2 == 0 ? outer : inner;
    if (i == 0)
      cairo_move_to(cr, cx + r * std::cos(angle), cy + r * std::sin(angle));
    else
      cairo_line_to(cr, cx + r * std::cos(angle), cy + r * std::sin(angle));
  }
  cairo_close_path(cr);
  SetColour(cr, club::ChromeLight);
  cairo_fill(cr);
}

// A card leaning to the right, its face a cyan frame round a red and a blue half: the duel's two sides.
void Card(cairo_t* cr) {
  cairo_save(cr);
  cairo_translate(cr, 150, 158);
  cairo_rotate(cr, 0.22);
  RoundRect(cr, -48, -68, 96, 136, 12);
  SetColour(cr, club::ChromeLight);
  cairo_fill_preserve(cr);
  cairo_set_line_width(cr, 5);
  SetColour(cr, club::Cyan);
  cairo_stroke(cr);
  cairo_rectangle(cr, -36, -56, 72, 56);
  SetColour(cr, club::SideRed);
  cairo_fill(cr);
  cairo_rectangle(cr, -36, 0, 72, 56);
  SetColour(cr, club::SideBlue);
  cairo_fill(cr);
  cairo_restore(cr);
}

void DrawIcon(cairo_t* cr) {
  Tile(cr);
  Card(cr);
  Moon(cr);
  Star(cr, 190, 56, 14, 4);
  Star(cr, 56, 190, 9, 3);
}

cairo_status_t Append(void* closure, const unsigned char* data, unsigned int length) {
  auto* bytes = static_cast<std::vector<std::uint8_t>*>(closure);
  bytes->insert(bytes->end(), data, data + length);
  return CAIRO_STATUS_SUCCESS;
}

bool Failed(cairo_status_t status, const char* what, std::string& error) {
  if (status == CAIRO_STATUS_SUCCESS) return false;
  error = std::string(what) + ": " + cairo_status_to_string(status);
  return true;
}

bool EndsWith(const std::string& s, const char* tail) {
  const std::string t(tail);
  return s.size() > t.size() && s.compare(s.size() - t.size(), t.size(), t) == 0;
}

}  // namespace

bool DrawIconSvg(std::vector<std::uint8_t>& bytes, std::string& error) {
  bytes.clear();
  cairo_surface_t* surface = cairo_svg_surface_create_for_stream(Append, &bytes, IconSize, IconSize);
  cairo_svg_surface_restrict_to_version(surface, CAIRO_SVG_VERSION_1_1);
  cairo_t* cr = cairo_create(surface);
  DrawIcon(cr);
  const cairo_status_t drawn = cairo_status(cr);
  cairo_destroy(cr);
  cairo_surface_finish(surface);
  const cairo_status_t finished = cairo_surface_status(surface);
  cairo_surface_destroy(surface);
  return !Failed(drawn, "drawing the icon", error) && !Failed(finished, "writing the SVG icon", error);
}

bool DrawIconPng(std::vector<std::uint8_t>& bytes, std::string& error) {
  bytes.clear();
  cairo_surface_t* surface = cairo_image_surface_create(CAIRO_FORMAT_ARGB32, IconSize, IconSize);
  cairo_t* cr = cairo_create(surface);
  cairo_set_antialias(cr, CAIRO_ANTIALIAS_GRAY);
  DrawIcon(cr);
  const cairo_status_t drawn = cairo_status(cr);
  cairo_destroy(cr);
  const cairo_status_t written = cairo_surface_write_to_png_stream(surface, Append, &bytes);
  cairo_surface_destroy(surface);
  return !Failed(drawn, "drawing the icon", error) && !Failed(written, "writing the PNG icon", error);
}

bool WriteGameIcon(const std::string& path, std::string& error) {
  std::vector<std::uint8_t> bytes;
  if (EndsWith(path, ".svg")) {
    if (!DrawIconSvg(bytes, error)) return false;
  } else if (EndsWith(path, ".png")) {
    if (!DrawIconPng(bytes, error)) return false;
  } else {
    error = "the icon's name must end in .svg or .png: " + path;
    return false;
  }
  const auto slash = path.find_last_of('/');
  if ((slash != std::string::npos && slash > 0 && !platform::MakeDirectories(path.substr(0, slash))) ||
      !platform::WriteFileAtomically(path, bytes)) {
    error = "cannot write " + path;
    return false;
  }
  return true;
}
