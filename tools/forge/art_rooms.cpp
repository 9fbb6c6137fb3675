// art_rooms.cpp -- the instant-play list and challenge screens, the three tournament rooms and the versus mark.
#include "tools/forge/art_rooms.h"

#include <string>

#include "tools/forge/art_club_draw.h"
#include "tools/forge/art_palette.h"

namespace {

using namespace rooms;

const char* const ClassNames[3] = {"GUEST", "MEMBER", "ELITE"};

Colour ClassColour(int klass) {
  const Colour c[3] = {club::Cyan, club::Magenta, club::Amber};
  return c[klass % 3];
}

void Header(cairo_t* cr, const char* title, Colour c, double maxWidth) {
  VelvetQuilt(cr, 0, 0, 240, 22, Rgb8(90, 20, 80), 10);
  // The credits line runs on the dark band right of the title, however many digits it has.
  const double bandX = 6 + maxWidth + 4;
  cairo_rectangle(cr, bandX, 2, 240 - bandX, 15);
  SetColour(cr, Rgb8(14, 8, 30));
  cairo_fill(cr);
  GlowLine(cr, 0, 22.5, 240, 22.5, c, 1);
  NeonText(cr, title, 6, 16, 13, ArtFont::SansBold, c, maxWidth);
}

void DarkBand(cairo_t* cr, double x, double y, double w, double h) {
  cairo_rectangle(cr, x, y, w, h);
  SetColour(cr, Rgb8(14, 8, 30));
  cairo_fill(cr);
}

void Backdrop(cairo_t* cr) { FillGradient(cr, 0, 0, 240, 320, Rgb8(22, 12, 46), Rgb8(36, 14, 60)); }

void ListFace(cairo_t* cr, int index, bool pressed) {
  const ButtonPlace& b = ListButtons[index];
  Face(cr, b.x, b.y, b.w, b.h, b.label, pressed, index == 2 ? FaceStyle::Pill : FaceStyle::Arrow);
}

void DeckFace(cairo_t* cr, bool pressed) {
  // The label sits low: the credits line (row 4) runs over the top of the button on some screens.
  Face(cr, Deck.x, Deck.y, Deck.w, Deck.h, Deck.label, pressed, FaceStyle::Small, Deck.x + Deck.w / 2.0, 19);
}

void TitlePlate(cairo_t* cr, int klass, double x, double y, double w, double h) {
  cairo_rectangle(cr, x, y, w, h);
  SetColour(cr, Rgb8(16, 8, 34));
  cairo_fill(cr);
  NeonTextCentred(cr, ClassNames[klass], x + w / 2, y + h * 0.5 + h * 0.3, h * 0.85, ArtFont::SansBold,
                  ClassColour(klass), w - 6);
}

}  // namespace

RgbPicture DrawInstantPlayList(bool withGuestTitle, int pressed) {
  ArtCanvas canvas(240, 320);
  cairo_t* cr = canvas.Cr();
  Backdrop(cr);
  Header(cr, "INSTANT PLAY", club::Amber, 140);
  // The class title's place and the bet line.
  DarkBand(cr, 4, 24, 76, 19);
  DarkBand(cr, 79, 25, 120, 13);
  // The opponents' board: headers and fifteen rows.
  ChromePanel(cr, 10, 41, 220, 168, 5, Rgb8(18, 10, 38));
  for (int r = 0; r < Rows; ++r) {
    cairo_rectangle(cr, 14, RowTop + RowPitch * r, 214, RowPitch);
    SetColour(cr, r % 2 ? Rgb8(26, 14, 50) : Rgb8(20, 10, 42));
    cairo_fill(cr);
  }
  for (double x : {122.0, 160.0, 195.0}) {
    cairo_rectangle(cr, x, 44, 1, 162);
    SetColour(cr, Rgb8(60, 40, 100), 0.8);
    cairo_fill(cr);
  }
  // Between the class arrows, the table's sign.
  SelectArtFont(cr, ArtFont::CondensedBold, 9);
  SetColour(cr, Rgb8(200, 210, 255));
  DrawCentredText(cr, "CHANGE TABLE", 122, 233);
  // A dealer's hand of cards over the felt at the bottom.
  RoundRect(cr, 8, 248, 186, 48, 20);
  SetColour(cr, Rgb8(16, 80, 60));
  cairo_fill_preserve(cr);
  SetColour(cr, club::Amber, 0.8);
  cairo_set_line_width(cr, 1);
  cairo_stroke(cr);
  for (int k = 0; k < 5; ++k) {
    cairo_save(cr);
    cairo_translate(cr, 101, 290);
    cairo_rotate(cr, (k - 2) * 0.28);
    RoundRect(cr, -9, -44, 18, 26, 2);
    SetColour(cr, k % 2 ? club::SideBlue : club::SideRed);
    cairo_fill_preserve(cr);
    SetColour(cr, club::ChromeLight);
    cairo_stroke(cr);
    cairo_restore(cr);
  }
  SelectArtFont(cr, ArtFont::Sans, 8);
  SetColour(cr, Rgb8(220, 230, 255));
  DrawCentredText(cr, "Tap a name to challenge", 101, 293);
  for (int i = 0; i < 3; ++i) ListFace(cr, i, i == pressed);
  if (withGuestTitle) TitlePlate(cr, 0, GuestTitleX, GuestTitleY, MemberTitleW, MemberTitleH);
  return canvas.Opaque();
}

RgbPicture DrawClassTitle(int klass) {
  const int w = klass == 2 ? EliteTitleW : MemberTitleW, h = klass == 2 ? EliteTitleH : MemberTitleH;
  ArtCanvas canvas(w, h);
  TitlePlate(canvas.Cr(), klass, 0, 0, w, h);
  return canvas.Opaque();
}

RgbPicture DrawChallengeScreen(int pressed) {
  ArtCanvas canvas(240, 320);
  cairo_t* cr = canvas.Cr();
  Backdrop(cr);
  Header(cr, "CHALLENGE", club::Magenta, 140);
  const char* labels[4] = {"NAME", "AGE", "JOB", "DRINK"};
  ChromePanel(cr, 4, 34, 232, 126, 6, Rgb8(30, 14, 56));
  for (int f = 0; f < 4; ++f) {
    const double y = TextRows[f];
    SelectArtFont(cr, ArtFont::CondensedBold, 10);
    const double w = ArtTextWidth(cr, labels[f]);
    NeonText(cr, labels[f], TextX - 6 - w, y + 9, 10, ArtFont::CondensedBold, f == 0 ? club::Magenta : club::Cyan);
    DarkBand(cr, TextX - 2, y - 2, 160, 14);
  }
  // The portrait's frame, lit from both sides.
  for (int s = 0; s < 2; ++s) {
    cairo_pattern_t* g = cairo_pattern_create_radial(s ? 190 : 50, 210, 2, s ? 190 : 50, 210, 40);
    const Colour c = s ? club::Cyan : club::Magenta;
    cairo_pattern_add_color_stop_rgba(g, 0, c.r, c.g, c.b, 0.35);
    cairo_pattern_add_color_stop_rgba(g, 1, c.r, c.g, c.b, 0.0);
    cairo_set_source(cr, g);
    cairo_rectangle(cr, 0, 165, 240, 78);
    cairo_fill(cr);
    cairo_pattern_destroy(g);
  }
  cairo_rectangle(cr, PortraitX - 3, PortraitY - 3, PortraitW + 6, PortraitH + 6);
  LinearSource(cr, 0, PortraitY - 3, 0, PortraitY + PortraitH + 3, club::ChromeLight, club::ChromeDark);
  cairo_fill(cr);
  DarkBand(cr, PortraitX, PortraitY, PortraitW, PortraitH);
  // The description's box.
  ChromePanel(cr, 8, 244, 224, 55, 5, Rgb8(16, 8, 34));
  Face(cr, ChallengeOk.x, ChallengeOk.y, ChallengeOk.w, ChallengeOk.h, "PLAY", pressed == 0, FaceStyle::Pill);
  ListFace(cr, 2, pressed == 1);
  DeckFace(cr, pressed == 2);
  return canvas.Opaque();
}

RgbPicture DrawTournamentScreen(int klass, bool construction, bool deckPressed) {
  ArtCanvas canvas(240, 320);
  cairo_t* cr = canvas.Cr();
  Backdrop(cr);
  const Colour c = ClassColour(klass);
  Header(cr, (std::string(ClassNames[klass]) + " TOURNAMENT").c_str(), c, 112);
  // The bracket board: sixteen names in two columns, then the later rounds in the middle.
  ChromePanel(cr, 6, 28, 228, 238, 6, Rgb8(16, 8, 34));
  DarkBand(cr, 60, 34, 120, 34);
  for (int k = 0; k < 3; ++k) {
    const double x = 30 + k * 70;
    GlowLine(cr, x, 70.5, x + 40, 70.5, c, 0.8);
  }
  if (construction) {
    // The room's trophy, shown while the room opens; the board is clear on the redraw picture.
    cairo_move_to(cr, 96, 110);
    cairo_line_to(cr, 144, 110);
    cairo_curve_to(cr, 144, 160, 128, 170, 120, 172);
    cairo_curve_to(cr, 112, 170, 96, 160, 96, 110);
    cairo_close_path(cr);
    LinearSource(cr, 96, 0, 144, 0, Mix(c, Rgb8(255, 255, 255), 0.5), Scale(c, 0.6));
    cairo_fill(cr);
    for (int s = -1; s <= 1; s += 2) {
      cairo_new_sub_path(cr);
      cairo_arc(cr, 120 + s * 26, 126, 9, 0, 2 * Pi);
      SetColour(cr, Mix(c, Rgb8(255, 255, 255), 0.3));
      cairo_set_line_width(cr, 3);
      cairo_stroke(cr);
    }
    cairo_rectangle(cr, 116, 172, 8, 18);
    cairo_rectangle(cr, 104, 190, 32, 8);
    SetColour(cr, Mix(c, Rgb8(255, 255, 255), 0.3));
    cairo_fill(cr);
    NeonTextCentred(cr, "16 PLAYERS - ONE WINNER", 120, 226, 10, ArtFont::CondensedBold, c);
  }
  // Fee and prize on row 275.
  DarkBand(cr, 46, 272, 64, 14);
  DarkBand(cr, 160, 272, 68, 14);
  SelectArtFont(cr, ArtFont::CondensedBold, 9);
  SetColour(cr, club::Amber);
  cairo_move_to(cr, 10, 282.5);
  cairo_show_text(cr, "FEE");
  cairo_move_to(cr, 122, 282.5);
  cairo_show_text(cr, "PRIZE");
  GlowLine(cr, 0, 296.5, 240, 296.5, c, 1);
  DeckFace(cr, deckPressed);
  return canvas.Opaque();
}

RgbPicture DrawTournamentButton(const char* label, bool wide, bool pressed) {
  const int w = wide ? StartW : BackW, h = StartH;
  ArtCanvas canvas(w, h);
  Face(canvas.Cr(), 0, 0, w, h, label, pressed, FaceStyle::Small);
  return canvas.Opaque();
}

RgbPicture DrawVersusMark() {
  ArtCanvas canvas(VersusW, VersusH);
  cairo_t* cr = canvas.Cr();
  // A bracket joining the pair's two lines, with a small VS in it.
  cairo_move_to(cr, 2, 3);
  cairo_line_to(cr, 6, 3);
  cairo_line_to(cr, 6, VersusH - 3);
  cairo_line_to(cr, 2, VersusH - 3);
  SetColour(cr, club::ChromeLight);
  cairo_set_line_width(cr, 1.5);
  cairo_stroke(cr);
  SelectArtFont(cr, ArtFont::CondensedBold, 8);
  cairo_move_to(cr, 8, VersusH / 2.0 + 3);
  SetColour(cr, club::Magenta);
  cairo_show_text(cr, "VS");
  return canvas.Keyed();
}
