// art_canvas.h -- a cairo drawing surface for the forge's pictures, flattened under the colour-key rules.
#pragma once

#include <cairo.h>

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

class ForgeOutput;

// A finished picture: width x height pixels, 3 bytes each (R, G, B), top row first.
struct RgbPicture {
  int width = 0;
  int height = 0;
  std::vector<std::uint8_t> rgb;
};

// The darkest an opaque pixel may be. A 5-6-5 pixel packs to the colour key
// when red and blue are below 8 and green below 4, and a 4-4-4 pixel when
// every channel is below 16; a blue floor of 16 keeps every opaque pixel off
// the key in all three display layouts.
constexpr std::uint8_t FloorRed = 8, FloorGreen = 4, FloorBlue = 16;

// Lifts a colour to the floor, channel by channel.
void LiftAboveKey(std::uint8_t& r, std::uint8_t& g, std::uint8_t& b);

// A colour with channels in 0..1, as cairo takes them.
struct Colour {
  double r = 0, g = 0, b = 0;
};

Colour Rgb8(int r, int g, int b);
Colour Mix(Colour a, Colour b, double t);  // t = 0 gives a, 1 gives b
Colour Scale(Colour c, double k);          // brighter (k > 1) or darker (k < 1), clamped
void SetColour(cairo_t* cr, Colour c, double alpha = 1.0);

constexpr double Pi = 3.14159265358979323846;

// Adds a rectangle with rounded corners of radius r to the current path.
void RoundRect(cairo_t* cr, double x, double y, double w, double h, double r);

class ArtCanvas {
 public:
  ArtCanvas(int width, int height);  // fully transparent
  ~ArtCanvas();
  ArtCanvas(const ArtCanvas&) = delete;
  ArtCanvas& operator=(const ArtCanvas&) = delete;

  bool Ok() const;
  cairo_t* Cr() const { return cr_; }
  int Width() const { return width_; }
  int Height() const { return height_; }

  // Opaque pictures: every pixel lifted above the key (uncovered parts read as black, then lifted).
  RgbPicture Opaque() const;
  // Keyed pictures: pixels less than half covered become exact black (transparent),
  // the rest take their own colour lifted above the key.
  RgbPicture Keyed() const;

 private:
  RgbPicture Flatten(bool keyed) const;
  int width_, height_;
  cairo_surface_t* surface_;
  cairo_t* cr_;
};

// Encoders: fixed settings, no time stamps, so the same picture gives the same bytes.
bool EncodePng(const RgbPicture& picture, std::vector<std::uint8_t>& bytes, std::string& error);
bool EncodeJpeg(const RgbPicture& picture, int quality, std::vector<std::uint8_t>& bytes, std::string& error);

// Encodes and writes one picture of the tree; false after one line on stderr.
bool WritePngPicture(ForgeOutput& out, std::string_view gamePath, const RgbPicture& picture);
bool WriteJpegPicture(ForgeOutput& out, std::string_view gamePath, const RgbPicture& picture);

// Text in a DejaVu face, measured and drawn with cairo's own text calls.
enum class ArtFont { Sans, SansBold, CondensedBold, SerifBold, SerifItalic };
#ifndef DUSKHAVEN_FONT_DIR
#define DUSKHAVEN_FONT_DIR "/usr/share/fonts/truetype/dejavu"
#endif
constexpr const char* ArtFontDir = DUSKHAVEN_FONT_DIR;  // Debian's fonts-dejavu-core
// True when every face loads from its file; otherwise text falls back to cairo's own lookup.
bool ArtFontsAvailable();
void SelectArtFont(cairo_t* cr, ArtFont font, double size);
double ArtTextWidth(cairo_t* cr, const std::string& text);
// Draws the text centred on cx with its baseline at y; returns its width.
double DrawCentredText(cairo_t* cr, const std::string& text, double cx, double y);
