// art_club_draw.cpp -- gradients, neon lettering, chrome panels, velvet and crops for the club's pictures.
#include "tools/forge/art_club_draw.h"

#include <algorithm>
#include <cmath>
#include <cstddef>

#include "tools/forge/art_palette.h"

void LinearSource(cairo_t* cr, double x0, double y0, double x1, double y1, Colour a, Colour b) {
  cairo_pattern_t* g = cairo_pattern_create_linear(x0, y0, x1, y1);
  cairo_pattern_add_color_stop_rgb(g, 0, a.r, a.g, a.b);
  cairo_pattern_add_color_stop_rgb(g, 1, b.r, b.g, b.b);
  cairo_set_source(cr, g);
  cairo_pattern_destroy(g);
}

void FillGradient(cairo_t* cr, double x, double y, double w, double h, Colour top, Colour bottom) {
  LinearSource(cr, 0, y, 0, y + h, top, bottom);
  cairo_rectangle(cr, x, y, w, h);
  cairo_fill(cr);
}

void GlowLine(cairo_t* cr, double x0, double y0, double x1, double y1, Colour c, double width) {
  cairo_move_to(cr, x0, y0);
  cairo_line_to(cr, x1, y1);
  SetColour(cr, c, 0.3);
  cairo_set_line_width(cr, width * 3.5);
  cairo_stroke_preserve(cr);
  SetColour(cr, Mix(c, Rgb8(255, 255, 255), 0.45));
  cairo_set_line_width(cr, width);
  cairo_stroke(cr);
}

namespace {

double FitSize(cairo_t* cr, const std::string& text, double size, ArtFont font, double maxWidth) {
  SelectArtFont(cr, font, size);
  if (maxWidth > 0) {
    const double w = ArtTextWidth(cr, text);
    if (w > maxWidth) {
      size *= maxWidth / w;
      SelectArtFont(cr, font, size);
    }
  }
  return size;
}

}  // namespace

double NeonText(cairo_t* cr, const std::string& text, double x, double y, double size, ArtFont font, Colour c,
                double maxWidth) {
  size = FitSize(cr, text, size, font, maxWidth);
  const double w = ArtTextWidth(cr, text);
  cairo_new_path(cr);
  cairo_move_to(cr, x, y);
  cairo_text_path(cr, text.c_str());
  cairo_set_line_join(cr, CAIRO_LINE_JOIN_ROUND);
  SetColour(cr, c, 0.25);
  cairo_set_line_width(cr, std::max(2.0, size * 0.3));
  cairo_stroke_preserve(cr);
  SetColour(cr, c, 0.8);
  cairo_set_line_width(cr, std::max(1.0, size * 0.12));
  cairo_stroke_preserve(cr);
  SetColour(cr, Mix(c, Rgb8(255, 255, 255), 0.65));
  cairo_fill(cr);
  return w;
}

double NeonTextCentred(cairo_t* cr, const std::string& text, double cx, double y, double size, ArtFont font, Colour c,
                       double maxWidth) {
  size = FitSize(cr, text, size, font, maxWidth);
  const double w = ArtTextWidth(cr, text);
  return NeonText(cr, text, cx - w / 2, y, size, font, c);
}

void PlainText(cairo_t* cr, const std::string& text, double x, double y, double size, ArtFont font, Colour c) {
  SelectArtFont(cr, font, size);
  SetColour(cr, Rgb8(12, 6, 24), 0.9);
  cairo_move_to(cr, x + 1, y + 1);
  cairo_show_text(cr, text.c_str());
  SetColour(cr, c);
  cairo_move_to(cr, x, y);
  cairo_show_text(cr, text.c_str());
}

void ChromePanel(cairo_t* cr, double x, double y, double w, double h, double radius, Colour fill) {
  RoundRect(cr, x + 0.5, y + 0.5, w - 1, h - 1, radius);
  SetColour(cr, fill);
  cairo_fill_preserve(cr);
  LinearSource(cr, 0, y, 0, y + h, Rgb8(236, 238, 248), Rgb8(90, 92, 120));
  cairo_set_line_width(cr, 1);
  cairo_stroke(cr);
  RoundRect(cr, x + 1.5, y + 1.5, w - 3, h - 3, std::max(0.0, radius - 1));
  SetColour(cr, Rgb8(30, 20, 60), 0.9);
  cairo_stroke(cr);
}

void VelvetQuilt(cairo_t* cr, double x, double y, double w, double h, Colour base, double step) {
  cairo_save(cr);
  cairo_rectangle(cr, x, y, w, h);
  cairo_clip(cr);
  FillGradient(cr, x, y, w, h, Scale(base, 1.2), Scale(base, 0.7));
  SetColour(cr, Scale(base, 0.5), 0.8);
  cairo_set_line_width(cr, 1);
  for (double d = -h; d < w + h; d += step) {
    cairo_move_to(cr, x + d, y);
    cairo_line_to(cr, x + d + h, y + h);
    cairo_move_to(cr, x + d, y + h);
    cairo_line_to(cr, x + d + h, y);
  }
  cairo_stroke(cr);
  cairo_restore(cr);
}

void Face(cairo_t* cr, int x, int y, int w, int h, const char* label, bool pressed, FaceStyle style, double labelCx,
          double labelCy) {
  cairo_save(cr);
  cairo_rectangle(cr, x, y, w, h);
  cairo_clip(cr);
  SetColour(cr, Rgb8(18, 10, 36));
  cairo_paint(cr);
  const double r = style == FaceStyle::Arrow ? 4 : std::min(6.0, h / 2.0 - 1);
  RoundRect(cr, x + 1.5, y + 1.5, w - 3, h - 3, r);
  if (pressed)
    LinearSource(cr, 0, y, 0, y + h, Rgb8(255, 130, 235), Rgb8(160, 24, 140));
  else
    LinearSource(cr, 0, y, 0, y + h, Rgb8(100, 62, 160), Rgb8(42, 20, 84));
  cairo_fill_preserve(cr);
  SetColour(cr, pressed ? Rgb8(255, 230, 255) : club::ChromeLight, 0.95);
  cairo_set_line_width(cr, 1);
  cairo_stroke(cr);
  const double cx = labelCx >= 0 ? labelCx : x + w / 2.0, cy = labelCy >= 0 ? labelCy : y + h / 2.0;
  const Colour ink = pressed ? Rgb8(255, 255, 255) : Rgb8(226, 234, 255);
  if (style == FaceStyle::Arrow) {
    const double dir = label[0] == '<' ? -1 : 1, s = std::min(w, 20) * 0.28;
    const double reach = std::min(s * 2, h / 2.0 - 4);
    cairo_move_to(cr, cx - dir * s, cy - reach);
    cairo_line_to(cr, cx + dir * s, cy);
    cairo_line_to(cr, cx - dir * s, cy + reach);
    SetColour(cr, pressed ? ink : club::Cyan);
    cairo_set_line_width(cr, 2.5);
    cairo_set_line_join(cr, CAIRO_LINE_JOIN_ROUND);
    cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
    cairo_stroke(cr);
  } else {
    double size = style == FaceStyle::Small ? 8 : 10;
    SelectArtFont(cr, ArtFont::CondensedBold, size);
    const double tw = ArtTextWidth(cr, label);
    if (tw > w - 6) SelectArtFont(cr, ArtFont::CondensedBold, size * (w - 6) / tw);
    SetColour(cr, ink);
    DrawCentredText(cr, label, cx + (pressed ? 1 : 0), cy + size * 0.36 + (pressed ? 1 : 0));
  }
  cairo_restore(cr);
}

RgbPicture Crop(const RgbPicture& picture, int x, int y, int w, int h) {
  RgbPicture p{w, h, {}};
  p.rgb.resize(static_cast<std::size_t>(w) * static_cast<std::size_t>(h) * 3);
  for (int row = 0; row < h; ++row) {
    const auto from =
        (static_cast<std::size_t>(y + row) * static_cast<std::size_t>(picture.width) + static_cast<std::size_t>(x)) * 3;
    std::copy_n(picture.rgb.begin() + static_cast<std::ptrdiff_t>(from), static_cast<std::ptrdiff_t>(w) * 3,
                p.rgb.begin() + static_cast<std::ptrdiff_t>(row) * w * 3);
  }
  return p;
}

double ArtScatter::Next() {
  state_ ^= state_ << 13;
  state_ ^= state_ >> 17;
  state_ ^= state_ << 5;
  return (state_ & 0xFFFFFFu) / static_cast<double>(0x1000000);
}
