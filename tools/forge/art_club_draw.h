// art_club_draw.h -- drawing helpers shared by the club's screens: gradients, neon lettering, chrome panels, crops.
#pragma once

#include <string>

#include "tools/forge/art_canvas.h"

// Sets a vertical or any linear two-colour gradient as the source.
void LinearSource(cairo_t* cr, double x0, double y0, double x1, double y1, Colour a, Colour b);
// Fills the rectangle with a vertical gradient from top to bottom.
void FillGradient(cairo_t* cr, double x, double y, double w, double h, Colour top, Colour bottom);
// A glowing line: a soft halo and a light core.
void GlowLine(cairo_t* cr, double x0, double y0, double x1, double y1, Colour c, double width = 1.0);
// Neon lettering with its left end at x and baseline at y: halo, tube colour and a light core.
// Shrinks the size until the text fits maxWidth (0 = no limit); returns the width drawn.
double NeonText(cairo_t* cr, const std::string& text, double x, double y, double size, ArtFont font, Colour c,
                double maxWidth = 0);
// The same lettering centred on cx.
double NeonTextCentred(cairo_t* cr, const std::string& text, double cx, double y, double size, ArtFont font, Colour c,
                       double maxWidth = 0);
// Plain light lettering with a dark drop shadow, left end at x.
void PlainText(cairo_t* cr, const std::string& text, double x, double y, double size, ArtFont font, Colour c);
// A chrome-edged panel: rounded rectangle with a dark fill and a two-tone rim.
void ChromePanel(cairo_t* cr, double x, double y, double w, double h, double radius, Colour fill);
// Quilted velvet over the rectangle.
void VelvetQuilt(cairo_t* cr, double x, double y, double w, double h, Colour base, double step);

// A button face filling its whole rectangle opaque (so it looks the same over any background): a rounded
// pill, normal in violet and chrome, pressed in lit magenta. Arrow faces take "<" or ">" as their label.
enum class FaceStyle { Pill, Arrow, Small };
void Face(cairo_t* cr, int x, int y, int w, int h, const char* label, bool pressed, FaceStyle style,
          double labelCx = -1, double labelCy = -1);

// The w x h rectangle of a picture at (x, y); the rectangle must lie inside it.
RgbPicture Crop(const RgbPicture& picture, int x, int y, int w, int h);

// A fixed-seed generator for scattered details: the same picture every time.
class ArtScatter {
 public:
  explicit ArtScatter(unsigned seed) : state_(seed ? seed : 1u) {}
  double Next();  // 0..1
 private:
  unsigned state_;
};
