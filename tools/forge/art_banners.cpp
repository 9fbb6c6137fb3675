// art_banners.cpp -- draws the start, result, multi-hit, card-taken and versus banners as neon lettering.
#include "tools/forge/art_banners.h"

#include <algorithm>
#include <cmath>

#include "tools/forge/art_palette.h"
#include "tools/forge/forge.h"

namespace {

// The lettering: a dark outline (never pure black, which is the key), the edge
// colour round it, a two-colour fill and a light stripe.
void Lettering(cairo_t* cr, const std::string& text, double cx, double baseline, double size, ArtFont font, Colour top,
               Colour bottom, Colour edge, double maxWidth) {
  SelectArtFont(cr, font, size);
  double w = ArtTextWidth(cr, text);
  if (w > maxWidth) {
    size *= maxWidth / w;
    SelectArtFont(cr, font, size);
    w = ArtTextWidth(cr, text);
  }
  cairo_text_extents_t e;
  cairo_text_extents(cr, text.c_str(), &e);
  cairo_new_path(cr);
  cairo_move_to(cr, cx - w / 2, baseline);
  cairo_text_path(cr, text.c_str());
  cairo_set_line_join(cr, CAIRO_LINE_JOIN_ROUND);
  SetColour(cr, Rgb8(30, 12, 50));
  cairo_set_line_width(cr, size * 0.22);
  cairo_stroke_preserve(cr);
  SetColour(cr, edge);
  cairo_set_line_width(cr, size * 0.1);
  cairo_stroke_preserve(cr);
  cairo_pattern_t* g = cairo_pattern_create_linear(0, baseline + e.y_bearing, 0, baseline);
  cairo_pattern_add_color_stop_rgb(g, 0, top.r, top.g, top.b);
  cairo_pattern_add_color_stop_rgb(g, 1, bottom.r, bottom.g, bottom.b);
  cairo_set_source(cr, g);
  cairo_fill_preserve(cr);
  cairo_pattern_destroy(g);
  cairo_save(cr);
  cairo_clip(cr);
  SetColour(cr, Rgb8(255, 255, 255), 0.55);
  cairo_rectangle(cr, 0, baseline + e.y_bearing * 0.8, 1000, -e.y_bearing * 0.12);
  cairo_fill(cr);
  cairo_restore(cr);
}

}  // namespace

const std::vector<BannerLayout>& BannerLayouts() {
  static const std::vector<BannerLayout> layouts = {
      {"GFX\\TEXT\\start.QXG", "START!", 240, 64, club::Amber, Rgb8(255, 80, 40), club::Magenta},
      {"GFX\\TEXT\\youwin.QXG", "YOU WIN", 240, 64, Rgb8(255, 246, 170), Rgb8(236, 160, 30), club::Amber},
      {"GFX\\TEXT\\youloose.QXG", "YOU LOSE", 240, 64, Rgb8(190, 220, 255), Rgb8(70, 90, 200), club::Cyan},
      {"GFX\\TEXT\\Perfect.QXG", "PERFECT", 240, 64, Rgb8(180, 255, 255), Rgb8(255, 60, 210), club::Magenta},
      {"GFX\\TEXT\\draw.QXG", "DRAW", 240, 64, Rgb8(236, 220, 255), Rgb8(150, 90, 230), Rgb8(200, 160, 255)},
      {"GFX\\TEXT\\multihit.QXG", "MULTI HIT!", 200, 52, Rgb8(255, 220, 250), club::Magenta, Rgb8(255, 120, 230)},
      {"GFX\\TEXT\\cardtaken.QXG", "CARD TAKEN", 200, 44, Rgb8(220, 255, 255), Rgb8(30, 170, 220), club::Cyan},
  };
  return layouts;
}

RgbPicture DrawBanner(const BannerLayout& banner) {
  ArtCanvas canvas(banner.width, banner.height);
  cairo_t* cr = canvas.Cr();
  const double size = banner.height * 0.72;
  Lettering(cr, banner.text, banner.width / 2.0, banner.height * 0.5 + size * 0.36, size, ArtFont::SansBold, banner.top,
            banner.bottom, banner.edge, banner.width - size * 0.3);
  return canvas.Keyed();
}

RgbPicture DrawVersusBanner() {
  constexpr int w = 72, h = 64;
  ArtCanvas canvas(w, h);
  cairo_t* cr = canvas.Cr();
  // A chrome ring with the V in side 0's red and the S in side 1's blue.
  cairo_new_sub_path(cr);
  cairo_arc(cr, w / 2.0, h / 2.0, 29, 0, 2 * 3.14159265358979323846);
  SetColour(cr, Rgb8(30, 12, 50));
  cairo_set_line_width(cr, 5);
  cairo_stroke_preserve(cr);
  SetColour(cr, club::ChromeLight);
  cairo_set_line_width(cr, 2.5);
  cairo_stroke(cr);
  Lettering(cr, "V", w / 2.0 - 12, h / 2.0 + 12, 34, ArtFont::SerifBold, Rgb8(255, 170, 170), club::SideRed,
            Rgb8(255, 120, 130), 40);
  Lettering(cr, "S", w / 2.0 + 13, h / 2.0 + 15, 30, ArtFont::SerifBold, Rgb8(170, 200, 255), club::SideBlue,
            Rgb8(120, 170, 255), 40);
  return canvas.Keyed();
}

bool ForgeBanners(ForgeOutput& out) {
  for (const BannerLayout& banner : BannerLayouts())
    if (!WritePngPicture(out, banner.path, DrawBanner(banner))) return false;
  return WritePngPicture(out, "GFX\\TEXT\\Versus.QXG", DrawVersusBanner());
}
