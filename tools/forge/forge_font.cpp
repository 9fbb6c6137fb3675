// forge_font.cpp -- the font sheet "GFX\GENERAL\NEW FONT.QXB": 85 glyphs drawn with cairo in DejaVu Sans, banded on
// magenta.
#include <cairo.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <string>
#include <vector>

#include "tools/forge/font_bmp.h"
#include "tools/forge/forge.h"

namespace {

// The characters in the order the game cuts them from the sheet.
constexpr unsigned SheetCodes[] = {65,  66,  67,  68,  69,  70,  71,  72,  73,  74,  75,  76,  77,  78,  79,  80,  81,
                                   82,  83,  84,  85,  86,  87,  88,  89,  90,  97,  98,  99,  100, 101, 102, 103, 104,
                                   105, 106, 107, 108, 109, 110, 111, 112, 113, 114, 115, 116, 117, 118, 119, 120, 121,
                                   122, 49,  50,  51,  52,  53,  54,  55,  56,  57,  48,  231, 226, 224, 233, 234, 232,
                                   244, 249, 251, 32,  33,  34,  45,  39,  63,  59,  44,  46,  58,  40,  41,  64};

static_assert(sizeof(SheetCodes) / sizeof(SheetCodes[0]) == 84, "the sheet's fixed order");

constexpr int SheetWidth = 256;
constexpr int GlyphHeight = 11;  // every glyph box: the font's line height
constexpr double FontPixels = 9.5;
constexpr double Baseline = 8.0;  // from the top of the box
constexpr int SpaceWidth = 3;

// Glyph strokes: a warm white, never pure red, well above the colour key.
constexpr double StrokeR = 1.0, StrokeG = 0.97, StrokeB = 0.92;

std::string Utf8(unsigned code) {
  std::string s;
  if (code < 0x80) {
    s.push_back(static_cast<char>(code));
  } else {
    s.push_back(static_cast<char>(0xC0 | (code >> 6)));
    s.push_back(static_cast<char>(0x80 | (code & 0x3F)));
  }
  return s;
}

struct Placed {
  int x, y, width;
  double penX;  // where the pen starts inside the box
  std::string text;
};

void SetFont(cairo_t* cr) {
  cairo_select_font_face(cr, "DejaVu Sans", CAIRO_FONT_SLANT_NORMAL, CAIRO_FONT_WEIGHT_NORMAL);
  cairo_set_font_size(cr, FontPixels);
  cairo_font_options_t* options = cairo_font_options_create();
  cairo_font_options_set_antialias(options, CAIRO_ANTIALIAS_GRAY);
  cairo_font_options_set_hint_style(options, CAIRO_HINT_STYLE_FULL);
  cairo_font_options_set_hint_metrics(options, CAIRO_HINT_METRICS_ON);
  cairo_set_font_options(cr, options);
  cairo_font_options_destroy(options);
}

}  // namespace

bool ForgeFont(ForgeOutput& out) {
  // Lay the glyphs out first: advance widths widened to hold any ink that
  // would stick out of them (the j's hook, the f's arm).
  cairo_surface_t* probe = cairo_image_surface_create(CAIRO_FORMAT_RGB24, 1, 1);
  cairo_t* pcr = cairo_create(probe);
  SetFont(pcr);
  std::vector<Placed> glyphs;
  int x = 0, y = 0;
  for (unsigned code : SheetCodes) {
    Placed p{};
    p.text = Utf8(code);
    cairo_text_extents_t e;
    cairo_text_extents(pcr, p.text.c_str(), &e);
    double left = 0, right = std::round(e.x_advance);
    if (code != 32 && e.width > 0) {
      left = std::min(left, std::floor(e.x_bearing));
      right = std::max(right, std::ceil(e.x_bearing + e.width));
    }
    p.width = code == 32 ? SpaceWidth : std::max(1, static_cast<int>(right - left));
    p.penX = -left;
    if (x + p.width > SheetWidth) {
      x = 0;
      y += GlyphHeight + 1;
    }
    p.x = x;
    p.y = y;
    x += p.width + 1;
    glyphs.push_back(p);
  }
  cairo_destroy(pcr);
  cairo_surface_destroy(probe);
  const int sheetHeight = y + GlyphHeight + 1;

  cairo_surface_t* surface = cairo_image_surface_create(CAIRO_FORMAT_RGB24, SheetWidth, sheetHeight);
  cairo_t* cr = cairo_create(surface);
  cairo_set_source_rgb(cr, 1, 0, 1);  // the mask
  cairo_paint(cr);
  SetFont(cr);
  for (const Placed& p : glyphs) {
    cairo_save(cr);
    cairo_rectangle(cr, p.x, p.y, p.width, GlyphHeight);
    cairo_clip(cr);
    cairo_set_source_rgb(cr, 0, 0, 0);
    cairo_paint(cr);
    cairo_set_source_rgb(cr, StrokeR, StrokeG, StrokeB);
    cairo_move_to(cr, p.x + p.penX, p.y + Baseline);
    cairo_show_text(cr, p.text.c_str());
    cairo_restore(cr);
  }
  cairo_destroy(cr);
  cairo_surface_flush(surface);
  if (cairo_surface_status(surface) != CAIRO_STATUS_SUCCESS) {
    std::fprintf(stderr, "duskhaven-forge: cannot draw the font sheet\n");
    cairo_surface_destroy(surface);
    return false;
  }

  std::vector<std::uint8_t> rgb(static_cast<std::size_t>(SheetWidth) * sheetHeight * 3);
  const unsigned char* data = cairo_image_surface_get_data(surface);
  const int stride = cairo_image_surface_get_stride(surface);
  for (int row = 0; row < sheetHeight; ++row)
    for (int col = 0; col < SheetWidth; ++col) {
      std::uint32_t px;
      std::copy_n(data + row * stride + col * 4, 4, reinterpret_cast<unsigned char*>(&px));
      std::uint8_t* dst = rgb.data() + (static_cast<std::size_t>(row) * SheetWidth + col) * 3;
      dst[0] = static_cast<std::uint8_t>(px >> 16);
      dst[1] = static_cast<std::uint8_t>(px >> 8);
      dst[2] = static_cast<std::uint8_t>(px);
    }
  cairo_surface_destroy(surface);
  // Grey edges of the strokes stay grey: no glyph pixel may be pure red or
  // pure magenta (the box is cut by the magenta test).
  return out.Write("GFX\\GENERAL\\NEW FONT.QXB", EncodeBmp24(rgb, SheetWidth, sheetHeight));
}
