// art_canvas.cpp -- cairo surfaces flattened to RGB under the colour-key rules, and the forge's text helpers.
#include "tools/forge/art_canvas.h"

#include <cairo-ft.h>
#include <ft2build.h>
#include FT_FREETYPE_H

#include <algorithm>
#include <cmath>
#include <cstdio>

#include "platform/file_system.h"

void LiftAboveKey(std::uint8_t& r, std::uint8_t& g, std::uint8_t& b) {
  r = std::max(r, FloorRed);
  g = std::max(g, FloorGreen);
  b = std::max(b, FloorBlue);
}

void RoundRect(cairo_t* cr, double x, double y, double w, double h, double r) {
  cairo_new_sub_path(cr);
  cairo_arc(cr, x + w - r, y + r, r, -Pi / 2, 0);
  cairo_arc(cr, x + w - r, y + h - r, r, 0, Pi / 2);
  cairo_arc(cr, x + r, y + h - r, r, Pi / 2, Pi);
  cairo_arc(cr, x + r, y + r, r, Pi, 3 * Pi / 2);
  cairo_close_path(cr);
}

Colour Rgb8(int r, int g, int b) { return Colour{r / 255.0, g / 255.0, b / 255.0}; }

Colour Mix(Colour a, Colour b, double t) {
  return Colour{a.r + (b.r - a.r) * t, a.g + (b.g - a.g) * t, a.b + (b.b - a.b) * t};
}

Colour Scale(Colour c, double k) {
  auto s = [k](double v) { return std::clamp(v * k, 0.0, 1.0); };
  return Colour{s(c.r), s(c.g), s(c.b)};
}

void SetColour(cairo_t* cr, Colour c, double alpha) { cairo_set_source_rgba(cr, c.r, c.g, c.b, alpha); }

ArtCanvas::ArtCanvas(int width, int height)
    : width_(width),
      height_(height),
      surface_(cairo_image_surface_create(CAIRO_FORMAT_ARGB32, width, height)),
      cr_(cairo_create(surface_)) {
  cairo_set_antialias(cr_, CAIRO_ANTIALIAS_GRAY);
}

ArtCanvas::~ArtCanvas() {
  cairo_destroy(cr_);
  cairo_surface_destroy(surface_);
}

bool ArtCanvas::Ok() const {
  return cairo_surface_status(surface_) == CAIRO_STATUS_SUCCESS && cairo_status(cr_) == CAIRO_STATUS_SUCCESS;
}

RgbPicture ArtCanvas::Opaque() const { return Flatten(false); }
RgbPicture ArtCanvas::Keyed() const { return Flatten(true); }

RgbPicture ArtCanvas::Flatten(bool keyed) const {
  cairo_surface_flush(surface_);
  RgbPicture p;
  p.width = width_;
  p.height = height_;
  p.rgb.resize(static_cast<std::size_t>(width_) * static_cast<std::size_t>(height_) * 3);
  const unsigned char* data = cairo_image_surface_get_data(surface_);
  const int stride = cairo_image_surface_get_stride(surface_);
  std::size_t o = 0;
  for (int y = 0; y < height_; ++y) {
    const auto* row = reinterpret_cast<const std::uint32_t*>(data + static_cast<std::ptrdiff_t>(y) * stride);
    for (int x = 0; x < width_; ++x, o += 3) {
      const std::uint32_t v = row[x];
      const unsigned a = v >> 24;
      unsigned r = (v >> 16) & 0xFF, g = (v >> 8) & 0xFF, b = v & 0xFF;  // premultiplied
      if (keyed) {
        if (a < 128) {
          p.rgb[o] = p.rgb[o + 1] = p.rgb[o + 2] = 0;
          continue;
        }
        r = (r * 255 + a / 2) / a;
        g = (g * 255 + a / 2) / a;
        b = (b * 255 + a / 2) / a;
      }
      auto R = static_cast<std::uint8_t>(std::min(r, 255u));
      auto G = static_cast<std::uint8_t>(std::min(g, 255u));
      auto B = static_cast<std::uint8_t>(std::min(b, 255u));
      LiftAboveKey(R, G, B);
      p.rgb[o] = R;
      p.rgb[o + 1] = G;
      p.rgb[o + 2] = B;
    }
  }
  return p;
}

namespace {

// The faces are read once from the DejaVu files and handed to cairo through
// FreeType, never through fontconfig: the host's font configuration (and the
// order in which sizes are first asked for) cannot change a single pixel.
struct ArtFace {
  const char* file;
  std::vector<std::uint8_t> bytes;
  FT_Face face = nullptr;
  cairo_font_face_t* cairoFace = nullptr;
  bool tried = false;
};

ArtFace faces[] = {{"DejaVuSans.ttf", {}},
                   {"DejaVuSans-Bold.ttf", {}},
                   {"DejaVuSansCondensed-Bold.ttf", {}},
                   {"DejaVuSerif-Bold.ttf", {}},
                   {"DejaVuSerif-Italic.ttf", {}}};

cairo_font_face_t* FaceOf(ArtFont font) {
  static FT_Library library = nullptr;
  static bool libraryFailed = false;
  ArtFace& f = faces[static_cast<int>(font)];
  if (f.tried) return f.cairoFace;
  f.tried = true;
  if (!library && !libraryFailed && FT_Init_FreeType(&library) != 0) libraryFailed = true;
  const std::string path = std::string(ArtFontDir) + "/" + f.file;
  if (libraryFailed || !platform::ReadWholeFile(path, f.bytes) ||
      FT_New_Memory_Face(library, f.bytes.data(), static_cast<FT_Long>(f.bytes.size()), 0, &f.face) != 0) {
    std::fprintf(stderr, "duskhaven-forge: cannot load the font %s\n", path.c_str());
    return nullptr;
  }
  f.cairoFace = cairo_ft_font_face_create_for_ft_face(f.face, 0);
  return f.cairoFace;
}

}  // namespace

bool ArtFontsAvailable() {
  for (int i = 0; i < 5; ++i)
    if (!FaceOf(static_cast<ArtFont>(i))) return false;
  return true;
}

void SelectArtFont(cairo_t* cr, ArtFont font, double size) {
  if (cairo_font_face_t* face = FaceOf(font)) {
    cairo_set_font_face(cr, face);
  } else {
    cairo_select_font_face(cr, "DejaVu Sans", CAIRO_FONT_SLANT_NORMAL, CAIRO_FONT_WEIGHT_BOLD);
  }
  cairo_set_font_size(cr, size);
  cairo_font_options_t* options = cairo_font_options_create();
  cairo_font_options_set_antialias(options, CAIRO_ANTIALIAS_GRAY);
  cairo_font_options_set_hint_style(options, CAIRO_HINT_STYLE_SLIGHT);
  cairo_font_options_set_hint_metrics(options, CAIRO_HINT_METRICS_ON);
  cairo_set_font_options(cr, options);
  cairo_font_options_destroy(options);
}

double ArtTextWidth(cairo_t* cr, const std::string& text) {
  cairo_text_extents_t e;
  cairo_text_extents(cr, text.c_str(), &e);
  return e.x_advance;
}

double DrawCentredText(cairo_t* cr, const std::string& text, double cx, double y) {
  const double w = ArtTextWidth(cr, text);
  cairo_move_to(cr, cx - w / 2, y);
  cairo_show_text(cr, text.c_str());
  return w;
}
