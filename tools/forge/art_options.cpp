// art_options.cpp -- the options room: a sound and light desk in the club's colours. The tracks and the unlit
// halves of the effects choice are part of the background (the game restores them from it), the knob and the lit
// halves are pictures of their own, and the buttons' normal looks are the background at their places.
#include "tools/forge/art_options.h"

#include <cmath>

#include "tools/forge/art_club_draw.h"
#include "tools/forge/art_palette.h"
#include "tools/forge/forge.h"

namespace {

using namespace options;

// A slider's groove with its scale: the knob slides over it at x 92..191.
void Track(cairo_t* cr, int y, Colour accent) {
  // Kept well above the colour key: the JPEG's ringing darkens pixels beside the ticks.
  cairo_rectangle(cr, TrackX, y, TrackW, TrackH);
  SetColour(cr, Rgb8(36, 24, 66));
  cairo_fill(cr);
  // Ticks every three positions, taller at 0, 12 and 24.
  for (int p = 0; p <= 24; p += 3) {
    const double x = KnobX(p) + 2;
    const bool major = p % 12 == 0;
    cairo_move_to(cr, x, y + (major ? 1 : 2.5));
    cairo_line_to(cr, x, y + 4.5);
    cairo_move_to(cr, x, y + 11.5);
    cairo_line_to(cr, x, y + (major ? 15 : 13.5));
    SetColour(cr, major ? accent : club::ChromeDark, major ? 0.9 : 0.8);
    cairo_set_line_width(cr, 1);
    cairo_stroke(cr);
  }
  // The groove fills up from left to right, dim to bright.
  RoundRect(cr, TrackX + 2.5, y + 6.5, TrackW - 5, 3, 1.5);
  LinearSource(cr, TrackX, 0, TrackX + TrackW, 0, Scale(accent, 0.25), Scale(accent, 0.8));
  cairo_fill_preserve(cr);
  SetColour(cr, club::ChromeDark);
  cairo_set_line_width(cr, 1);
  cairo_stroke(cr);
}

// A speaker cone (volume) or a small sun (brightness) left of a label.
void SpeakerIcon(cairo_t* cr, double x, double y) {
  cairo_move_to(cr, x, y - 3);
  cairo_line_to(cr, x + 4, y - 3);
  cairo_line_to(cr, x + 9, y - 7);
  cairo_line_to(cr, x + 9, y + 7);
  cairo_line_to(cr, x + 4, y + 3);
  cairo_line_to(cr, x, y + 3);
  cairo_close_path(cr);
  SetColour(cr, club::Cyan);
  cairo_fill(cr);
  cairo_set_line_width(cr, 1.2);
  for (int k = 1; k <= 2; ++k) {
    cairo_arc(cr, x + 9, y, 3.5 * k, -Pi / 4, Pi / 4);
    SetColour(cr, club::Cyan, 0.9 - 0.25 * k);
    cairo_stroke(cr);
  }
}

void SunIcon(cairo_t* cr, double cx, double cy) {
  cairo_set_line_width(cr, 1.3);
  for (int k = 0; k < 8; ++k) {
    const double a = k * Pi / 4;
    cairo_move_to(cr, cx + 5 * std::cos(a), cy + 5 * std::sin(a));
    cairo_line_to(cr, cx + 8 * std::cos(a), cy + 8 * std::sin(a));
  }
  SetColour(cr, club::Amber);
  cairo_stroke(cr);
  cairo_arc(cr, cx, cy, 3.5, 0, 2 * Pi);
  cairo_fill(cr);
}

// One row of the desk: the panel, the icon, the label and the ends of the scale under the track.
void SliderRow(cairo_t* cr, int trackY, const char* label, const char* low, const char* high, Colour accent,
               bool speaker) {
  ChromePanel(cr, 6, trackY - 17, 228, 48, 6, Rgb8(30, 14, 56));
  if (speaker)
    SpeakerIcon(cr, 12, trackY + 8);
  else
    SunIcon(cr, 17, trackY + 8);
  NeonText(cr, label, 30, trackY + 12, 10, ArtFont::CondensedBold, accent, 56);
  SelectArtFont(cr, ArtFont::CondensedBold, 7);
  SetColour(cr, Rgb8(200, 204, 236));
  cairo_move_to(cr, KnobX(0), trackY + 25);
  cairo_show_text(cr, low);
  cairo_move_to(cr, KnobX(24) + 4 - ArtTextWidth(cr, high), trackY + 25);
  cairo_show_text(cr, high);
  Track(cr, trackY, accent);
}

// A half of the effects choice: dark when not chosen, lit in its colour when chosen.
void Half(cairo_t* cr, int x, int y, int w, int h, const char* label, bool lit, Colour colour) {
  cairo_save(cr);
  cairo_rectangle(cr, x, y, w, h);
  cairo_clip(cr);
  SetColour(cr, Rgb8(34, 20, 60));
  cairo_paint(cr);
  RoundRect(cr, x + 1.5, y + 1.5, w - 3, h - 3, 5);
  if (lit)
    LinearSource(cr, 0, y, 0, y + h, Scale(colour, 1.1), Scale(colour, 0.55));
  else
    LinearSource(cr, 0, y, 0, y + h, Rgb8(58, 44, 92), Rgb8(30, 20, 56));
  cairo_fill_preserve(cr);
  SetColour(cr, lit ? Rgb8(255, 255, 255) : club::ChromeDark, 0.95);
  cairo_set_line_width(cr, 1);
  cairo_stroke(cr);
  SelectArtFont(cr, ArtFont::SansBold, 11);
  SetColour(cr, lit ? Rgb8(255, 255, 255) : Rgb8(120, 112, 150));
  DrawCentredText(cr, label, x + w / 2.0, y + h / 2.0 + 4);
  cairo_restore(cr);
}

void EffectsRow(cairo_t* cr, const OptionsLook& look) {
  ChromePanel(cr, 6, 152, 228, 56, 6, Rgb8(30, 14, 56));
  NeonText(cr, "SCREEN", 12, 181, 10, ArtFont::CondensedBold, club::Magenta, 66);
  NeonText(cr, "EFFECTS", 12, 193, 10, ArtFont::CondensedBold, club::Magenta, 66);
  SelectArtFont(cr, ArtFont::SansBold, 12);
  SetColour(cr, club::ChromeDark);
  DrawCentredText(cr, "/", 137.5, 189);
  Half(cr, OnX, OnY, OnW, OnH, "ON", look.onLit, Rgb8(40, 200, 120));
  Half(cr, OffX, OffY, OffW, OffH, "OFF", look.offLit, Rgb8(230, 50, 90));
}

// The lower part of the room: a turntable under two spotlights.
void Booth(cairo_t* cr) {
  for (int k = 0; k < 2; ++k) {
    const double x = k == 0 ? 40 : 200;
    cairo_move_to(cr, x - 3, 212);
    cairo_line_to(cr, x + 3, 212);
    cairo_line_to(cr, 120 + (k == 0 ? 30 : -30), 290);
    cairo_line_to(cr, 120 + (k == 0 ? -40 : 40), 290);
    cairo_close_path(cr);
    LinearSource(cr, 0, 212, 0, 290, Rgb8(255, 230, 160), Rgb8(60, 30, 90));
    cairo_save(cr);
    cairo_clip_preserve(cr);
    cairo_paint_with_alpha(cr, 0.35);
    cairo_restore(cr);
    cairo_new_path(cr);
    RoundRect(cr, x - 6, 209, 12, 7, 2);
    SetColour(cr, club::ChromeLight);
    cairo_fill(cr);
  }
  // The desk.
  RoundRect(cr, 50, 262, 140, 30, 4);
  LinearSource(cr, 0, 262, 0, 292, Rgb8(70, 40, 110), Rgb8(30, 16, 52));
  cairo_fill_preserve(cr);
  SetColour(cr, club::ChromeLight);
  cairo_set_line_width(cr, 1);
  cairo_stroke(cr);
  // The record.
  cairo_save(cr);
  cairo_translate(cr, 95, 262);
  cairo_scale(cr, 1, 0.35);
  cairo_arc(cr, 0, 0, 30, 0, 2 * Pi);
  SetColour(cr, Rgb8(24, 16, 40));
  cairo_fill(cr);
  for (int r = 10; r < 30; r += 5) {
    cairo_arc(cr, 0, 0, r, 0, 2 * Pi);
    SetColour(cr, Rgb8(70, 60, 110), 0.8);
    cairo_stroke(cr);
  }
  cairo_arc(cr, 0, 0, 7, 0, 2 * Pi);
  SetColour(cr, club::Magenta);
  cairo_fill(cr);
  cairo_restore(cr);
  // Faders on the right of the desk.
  for (int k = 0; k < 4; ++k) {
    const double x = 140 + 10 * k;
    cairo_move_to(cr, x, 268);
    cairo_line_to(cr, x, 286);
    SetColour(cr, Rgb8(16, 10, 34));
    cairo_set_line_width(cr, 2);
    cairo_stroke(cr);
    cairo_rectangle(cr, x - 2.5, 270 + 4 * ((k * 7) % 4), 5, 3);
    SetColour(cr, k % 2 ? club::Cyan : club::Amber);
    cairo_fill(cr);
  }
}

void Knob(cairo_t* cr, double x, double y) {
  cairo_rectangle(cr, x, y, KnobW, KnobH);
  LinearSource(cr, x, 0, x + KnobW, 0, Rgb8(255, 250, 230), Rgb8(200, 120, 20));
  cairo_fill(cr);
  cairo_rectangle(cr, x, y + 6, KnobW, 3);
  SetColour(cr, Rgb8(255, 255, 255));
  cairo_fill(cr);
}

}  // namespace

RgbPicture DrawOptionsScreen(const OptionsLook& look) {
  ArtCanvas canvas(240, 320);
  cairo_t* cr = canvas.Cr();
  FillGradient(cr, 0, 0, 240, 320, Rgb8(20, 10, 44), Rgb8(36, 14, 60));
  VelvetQuilt(cr, 0, 0, 240, 32, Rgb8(80, 20, 76), 10);
  GlowLine(cr, 0, 31.5, 240, 31.5, club::Magenta, 1);
  NeonTextCentred(cr, "OPTIONS", 120, 23, 17, ArtFont::SansBold, club::Amber, 220);
  SliderRow(cr, VolumeTrackY, "VOLUME", "OFF", "MAX", club::Cyan, true);
  SliderRow(cr, GammaTrackY, "LIGHT", "DARK", "BRIGHT", club::Amber, false);
  EffectsRow(cr, look);
  Booth(cr);
  // The floor and the two buttons.
  FillGradient(cr, 0, 297, 240, 23, Rgb8(50, 20, 70), Rgb8(20, 10, 40));
  GlowLine(cr, 0, 297.5, 240, 297.5, club::Amber, 1);
  Face(cr, StatsX, StatsY, StatsW, StatsH, "STATS", look.statsPressed, FaceStyle::Small);
  Face(cr, BackX, BackY, BackW, BackH, "BACK", look.backPressed, FaceStyle::Pill);
  if (look.volumeKnob >= 0) Knob(cr, KnobX(look.volumeKnob), VolumeTrackY + 1);
  if (look.gammaKnob >= 0) Knob(cr, KnobX(look.gammaKnob), GammaTrackY + 1);
  return canvas.Opaque();
}

RgbPicture DrawOptionsKnob() {
  ArtCanvas canvas(KnobW, KnobH);
  Knob(canvas.Cr(), 0, 0);
  return canvas.Opaque();
}

bool ForgeOptionsArt(ForgeOutput& out) {
  const std::string folder = "GFX\\MENU\\UI OPTIONS\\";
  OptionsLook empty;
  OptionsLook first;  // as a fresh start shows it: volume 50, brightness 0, effects on
  first.onLit = true;
  first.volumeKnob = 12;
  first.gammaKnob = 0;
  OptionsLook lit;
  lit.onLit = lit.offLit = true;
  lit.backPressed = lit.statsPressed = true;
  const RgbPicture pressed = DrawOptionsScreen(lit);
  return WriteJpegPicture(out, folder + "GameOptionsEmpty.QXJ", DrawOptionsScreen(empty)) &&
         WriteJpegPicture(out, folder + "GameOptionsPIX.QXJ", DrawOptionsScreen(first)) &&
         WriteJpegPicture(out, folder + "GameOptionsPICOT.QXJ", DrawOptionsKnob()) &&
         WriteJpegPicture(out, folder + "GameOptionsON.QXJ", Crop(pressed, OnX, OnY, OnW, OnH)) &&
         WriteJpegPicture(out, folder + "GameOptionsOFF.QXJ", Crop(pressed, OffX, OffY, OffW, OffH)) &&
         WriteJpegPicture(out, folder + "GameOptionsBACK.QXJ", Crop(pressed, BackX, BackY, BackW, BackH)) &&
         WriteJpegPicture(out, folder + "GameOptionsStatsON.QXJ", Crop(pressed, StatsX, StatsY, StatsW, StatsH));
}
