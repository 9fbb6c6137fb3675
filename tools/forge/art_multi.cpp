// art_multi.cpp -- the lobby (two linked handhelds in its panel) and the trade table with its two boxes.
#include "tools/forge/art_multi.h"

#include <cmath>
#include <string>

#include "tools/forge/art_club_draw.h"
#include "tools/forge/art_palette.h"
#include "tools/forge/art_rooms.h"
#include "tools/forge/forge.h"

namespace {

using namespace multi;

const Colour Dark = Rgb8(14, 8, 30);

void DarkBand(cairo_t* cr, double x, double y, double w, double h) {
  cairo_rectangle(cr, x, y, w, h);
  SetColour(cr, Dark);
  cairo_fill(cr);
}

void Header(cairo_t* cr, const char* title, Colour c) {
  FillGradient(cr, 0, 0, 240, 320, Rgb8(22, 12, 46), Rgb8(34, 12, 58));
  VelvetQuilt(cr, 0, 0, 240, 22, Rgb8(70, 20, 100), 10);
  GlowLine(cr, 0, 22.5, 240, 22.5, c, 1);
  NeonText(cr, title, 6, 16, 13, ArtFont::SansBold, c, 150);
}

void PlaceFace(cairo_t* cr, const ButtonPlace& b, bool pressed, FaceStyle style = FaceStyle::Pill) {
  Face(cr, b.x, b.y, b.w, b.h, b.label, pressed, style);
}

// An empty socket where a button appears only in one link state.
void Socket(cairo_t* cr, const ButtonPlace& b) {
  RoundRect(cr, b.x + 1.5, b.y + 1.5, b.w - 3, b.h - 3, 6);
  SetColour(cr, Rgb8(20, 12, 40));
  cairo_fill_preserve(cr);
  SetColour(cr, Rgb8(70, 60, 110), 0.8);
  cairo_set_line_width(cr, 1);
  cairo_stroke(cr);
}

// A handheld lying on its side, its screen lit in the side's colour.
void Handheld(cairo_t* cr, double cx, double cy, Colour side, double tilt) {
  cairo_save(cr);
  cairo_translate(cr, cx, cy);
  cairo_rotate(cr, tilt);
  RoundRect(cr, -22, -34, 44, 68, 6);
  LinearSource(cr, -22, 0, 22, 0, club::ChromeLight, club::ChromeDark);
  cairo_fill(cr);
  cairo_rectangle(cr, -16, -28, 32, 40);
  LinearSource(cr, 0, -28, 0, 12, Mix(side, Rgb8(255, 255, 255), 0.4), Scale(side, 0.5));
  cairo_fill(cr);
  for (int k = 0; k < 3; ++k) {
    cairo_new_sub_path(cr);
    cairo_arc(cr, -10 + 10 * k, 22, 3, 0, 2 * Pi);
  }
  SetColour(cr, Rgb8(60, 64, 84));
  cairo_fill(cr);
  // The infrared window on the top edge.
  cairo_rectangle(cr, -6, -36, 12, 3);
  SetColour(cr, Rgb8(140, 20, 40));
  cairo_fill(cr);
  cairo_restore(cr);
}

void LinkPicture(cairo_t* cr) {
  Handheld(cr, 62, 160, club::SideRed, 0.5);
  Handheld(cr, 178, 160, club::SideBlue, -0.5);
  // The beam between the two windows, pulsing in dashes.
  for (int k = 0; k < 7; ++k) {
    const double x = 88 + k * 10;
    const double y = 134 - 6 * std::sin(k * 0.9);
    GlowLine(cr, x, y, x + 5, y, k % 2 ? club::Cyan : club::Magenta, 1.5);
  }
  NeonTextCentred(cr, "LINK UP - DUEL - TRADE", 120, 222, 10, ArtFont::CondensedBold, club::Amber);
}

void LobbyBase(cairo_t* cr, bool withPicture) {
  Header(cr, "MULTIPLAYER", club::Cyan);
  Face(cr, rooms::Deck.x, rooms::Deck.y, rooms::Deck.w, rooms::Deck.h, rooms::Deck.label, false, FaceStyle::Small,
       rooms::Deck.x + rooms::Deck.w / 2.0, 19);
  // The link state line: its label, and the dark band the state is written in.
  SelectArtFont(cr, ArtFont::CondensedBold, 9);
  SetColour(cr, club::Cyan);
  cairo_move_to(cr, 112, 71.5);
  cairo_show_text(cr, "LINK :");
  DarkBand(cr, StateX - 3, StateY - 3, 240 - StateX, 15);
  // The message panel: messages are written on it from (30, 90), their results from (30, 115).
  ChromePanel(cr, PanelX, PanelY, PanelW, PanelH, 6, Rgb8(16, 8, 34));
  if (withPicture) LinkPicture(cr);
  for (const ButtonPlace& b : LobbyButtons) Socket(cr, b);
  GlowLine(cr, 0, 296.5, 200, 296.5, club::Magenta, 1);
}

void TradeSlot(cairo_t* cr, double x, double y) {
  RoundRect(cr, x + 0.5, y + 0.5, SlotW - 1, SlotH - 1, 3);
  SetColour(cr, Rgb8(18, 10, 38));
  cairo_fill_preserve(cr);
  SetColour(cr, Rgb8(80, 66, 130));
  cairo_set_line_width(cr, 1);
  cairo_stroke(cr);
}

void BoxPanel(cairo_t* cr, int boxX, const char* who, Colour side) {
  ChromePanel(cr, boxX - 6, 50, 112, 189, 6, Rgb8(28, 12, 54));
  SelectArtFont(cr, ArtFont::CondensedBold, 8);
  SetColour(cr, Mix(side, Rgb8(255, 255, 255), 0.4));
  cairo_move_to(cr, boxX, 61);
  cairo_show_text(cr, who);
  DarkBand(cr, boxX + 2, NameY - 2, 100, 13);
  for (int i = 0; i < 9; ++i) TradeSlot(cr, boxX + SlotPitchX * (i % 3), BoxY + SlotPitchY * (i / 3));
}

void LightOff(cairo_t* cr, const ButtonPlace& b) {
  RoundRect(cr, b.x + 0.5, b.y + 0.5, b.w - 1, b.h - 1, 5);
  SetColour(cr, Rgb8(20, 36, 30));
  cairo_fill_preserve(cr);
  SetColour(cr, Rgb8(70, 90, 80));
  cairo_set_line_width(cr, 1);
  cairo_stroke(cr);
  SelectArtFont(cr, ArtFont::CondensedBold, 8);
  SetColour(cr, Rgb8(60, 90, 76));
  DrawCentredText(cr, b.label, b.x + b.w / 2.0, b.y + b.h / 2.0 + 3);
}

}  // namespace

RgbPicture DrawLobbyScreen(bool withPicture, bool pressedBack) {
  ArtCanvas canvas(240, 320);
  cairo_t* cr = canvas.Cr();
  LobbyBase(cr, withPicture);
  PlaceFace(cr, Back, pressedBack);
  return canvas.Opaque();
}

RgbPicture DrawLobbyButton(int index, bool pressed) {
  const ButtonPlace& b = LobbyButtons[index];
  ArtCanvas canvas(b.w, b.h);
  Face(canvas.Cr(), 0, 0, b.w, b.h, b.label, pressed, FaceStyle::Pill);
  return canvas.Opaque();
}

RgbPicture DrawTradeScreen(int pressed) {
  ArtCanvas canvas(240, 320);
  cairo_t* cr = canvas.Cr();
  Header(cr, "CARD TRADE", club::Amber);
  DarkBand(cr, CreditsBandX, CreditsY - 2, 200, 14);
  BoxPanel(cr, OwnBoxX, "YOUR BOX", club::SideRed);
  BoxPanel(cr, PartnerBoxX, "PARTNER'S BOX", club::SideBlue);
  LightOff(cr, OwnLight);
  LightOff(cr, PartnerLight);
  // The two offers, each in a dark band under its box.
  DarkBand(cr, OwnOfferX, OfferY - 2, OfferW, 14);
  DarkBand(cr, PartnerOfferX, OfferY - 2, OfferW, 14);
  SelectArtFont(cr, ArtFont::CondensedBold, 8);
  SetColour(cr, club::Amber);
  cairo_move_to(cr, PartnerOfferX + OfferW + 4, OfferY + 8);
  cairo_show_text(cr, "CR");
  for (int i = 0; i < TradeButtonCount; ++i)
    PlaceFace(cr, TradeButtons[i], i == pressed, i >= 5 ? FaceStyle::Small : FaceStyle::Pill);
  PlaceFace(cr, Back, pressed == TradeButtonCount);
  return canvas.Opaque();
}

RgbPicture DrawTradeLight(bool partner) {
  const ButtonPlace& b = partner ? PartnerLight : OwnLight;
  ArtCanvas canvas(b.w, b.h);
  cairo_t* cr = canvas.Cr();
  SetColour(cr, Rgb8(28, 12, 54));
  cairo_paint(cr);
  RoundRect(cr, 0.5, 0.5, b.w - 1, b.h - 1, 5);
  LinearSource(cr, 0, 0, 0, b.h, Rgb8(170, 255, 170), Rgb8(30, 170, 60));
  cairo_fill_preserve(cr);
  SetColour(cr, Rgb8(220, 255, 220));
  cairo_set_line_width(cr, 1);
  cairo_stroke(cr);
  SelectArtFont(cr, ArtFont::CondensedBold, 8);
  SetColour(cr, Rgb8(10, 60, 20));
  DrawCentredText(cr, b.label, b.w / 2.0, b.h / 2.0 + 3);
  return canvas.Opaque();
}

bool ForgeMultiArt(ForgeOutput& out) {
  const std::string folder = "GFX\\MENU\\UI MULTI\\";
  if (!WritePngPicture(out, folder + "MultiplayerEmpty.QXG", DrawLobbyScreen(false, false)) ||
      !WritePngPicture(out, folder + "MultiplayerPIX.QXG", DrawLobbyScreen(true, false)) ||
      !WriteJpegPicture(out, folder + Back.file, Crop(DrawLobbyScreen(false, true), Back.x, Back.y, Back.w, Back.h)))
    return false;
  for (int i = 0; i < LobbyButtonCount; ++i) {
    const std::string file = LobbyButtons[i].file;
    const std::string on = file.substr(0, file.size() - 4) + "ON.QXJ";
    if (!WriteJpegPicture(out, folder + file, DrawLobbyButton(i, false)) ||
        !WriteJpegPicture(out, folder + on, DrawLobbyButton(i, true)))
      return false;
  }
  if (!WritePngPicture(out, folder + "TradeUI.QXG", DrawTradeScreen(-1)) ||
      !WriteJpegPicture(out, folder + OwnLight.file, DrawTradeLight(false)) ||
      !WriteJpegPicture(out, folder + PartnerLight.file, DrawTradeLight(true)))
    return false;
  for (int i = 0; i < TradeButtonCount; ++i) {
    const ButtonPlace& b = TradeButtons[i];
    if (!WriteJpegPicture(out, folder + b.file, Crop(DrawTradeScreen(i), b.x, b.y, b.w, b.h))) return false;
  }
  return true;
}
