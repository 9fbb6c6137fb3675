// art_character.cpp -- the character screen: profile fields and their labels, the slot list, the three buttons
// and the on-screen keyboard drawn on its key grid.
#include "tools/forge/art_club.h"
#include "tools/forge/art_club_draw.h"
#include "tools/forge/art_palette.h"

namespace character {

KeyRect KeyLiveArea(int column, int row) {
  KeyRect r{KeyX + KeyPitchX * column, KeyY + KeyPitchY * row, KeySize, KeySize};
  if (column == KeyColumns - 1) r.w = KeyAreaRight - r.x;  // the last column ends at the keyboard's edge
  if (column == 11 && row == 2) {                          // this delete key takes its whole cell
    r.w = KeyPitchX;
    r.h = KeyAreaBottom - r.y;
  }
  return r;
}

const char* KeyLabel(int column, int row) {
  static const char* const labels[KeyColumns * KeyRows] = {
      "A", "B", "C", "D", "E", "F", "G", "H", "I", "J", "K", "L", "M", "N", "O", "P", "Q",  "R",   "S",  "T",
      "U", "V", "W", "X", "Y", "Z", "1", "2", "3", "4", "5", "6", "7", "8", "9", "0", "SP", "DEL", "DEL"};
  return labels[column + KeyColumns * row];
}

}  // namespace character

namespace {

using namespace character;

void KeyCap(cairo_t* cr, double x, double y, double w, double h, const char* label) {
  RoundRect(cr, x + 0.5, y + 0.5, w - 1, h - 1, 2.5);
  LinearSource(cr, 0, y, 0, y + h, Rgb8(120, 110, 170), Rgb8(50, 36, 96));
  cairo_fill_preserve(cr);
  SetColour(cr, Rgb8(200, 200, 236));
  cairo_set_line_width(cr, 1);
  cairo_stroke(cr);
  const bool word = label[1] != '\0';
  SelectArtFont(cr, ArtFont::CondensedBold, word ? 7 : 10);
  SetColour(cr, Rgb8(255, 246, 220));
  DrawCentredText(cr, label, x + w / 2, y + h / 2 + (word ? 2.5 : 3.5));
}

void Keyboard(cairo_t* cr) {
  ChromePanel(cr, 6, KeyY - 1, 228, KeyAreaBottom - KeyY + 5, 4, Rgb8(16, 10, 34));
  for (int row = 0; row < KeyRows; ++row)
    for (int column = 0; column < KeyColumns; ++column) {
      if (column == 12 && row == 2) continue;  // drawn with its neighbour as one delete key
      KeyRect r = KeyLiveArea(column, row);
      if (column == 11 && row == 2) r.w = KeyAreaRight - r.x;
      KeyCap(cr, r.x, r.y, r.w, r.h, KeyLabel(column, row));
    }
}

void Fields(cairo_t* cr) {
  const char* labels[4] = {"NAME", "AGE", "JOB", "DRINK"};
  ChromePanel(cr, 4, 34, 232, 130, 6, Rgb8(30, 14, 56));
  for (int f = 0; f < 4; ++f) {
    const double y = FieldY[f];
    SelectArtFont(cr, ArtFont::CondensedBold, 10);
    const double w = ArtTextWidth(cr, labels[f]);
    NeonText(cr, labels[f], FieldX - 6 - w, y + 9, 10, ArtFont::CondensedBold, f == 0 ? club::Magenta : club::Cyan);
    cairo_rectangle(cr, FieldX - 2, y - 2, FieldWidth + 4, FieldHeight + 4);
    SetColour(cr, Rgb8(14, 8, 30));
    cairo_fill_preserve(cr);
    SetColour(cr, club::ChromeDark);
    cairo_set_line_width(cr, 1);
    cairo_stroke(cr);
  }
}

void Slots(cairo_t* cr) {
  ChromePanel(cr, 4, 172, 232, 58, 6, Rgb8(30, 14, 56));
  SelectArtFont(cr, ArtFont::CondensedBold, 8);
  SetColour(cr, club::Amber);
  cairo_move_to(cr, 12, 181);
  cairo_show_text(cr, "SAVED CHARACTERS");
  for (int k = 0; k < 3; ++k) {
    const double y = SlotY + SlotPitch * k;
    cairo_rectangle(cr, SlotX, y, SlotWidth, SlotHeight);
    SetColour(cr, Rgb8(16, 8, 32));
    cairo_fill(cr);
    SelectArtFont(cr, ArtFont::CondensedBold, 9);
    SetColour(cr, club::Amber);
    const char digit[2] = {static_cast<char>('1' + k), '\0'};
    cairo_move_to(cr, 15, y + 8.5);
    cairo_show_text(cr, digit);
  }
}

void ButtonFace(cairo_t* cr, const Button& b, const char* label, bool pressed) {
  const double x = b.x + 1, y = b.y + 1, w = b.w - 2, h = b.h - 3;
  RoundRect(cr, x + 0.5, y + 0.5, w - 1, h - 1, 5);
  if (pressed)
    LinearSource(cr, 0, y, 0, y + h, Rgb8(255, 120, 230), Rgb8(150, 20, 130));
  else
    LinearSource(cr, 0, y, 0, y + h, Rgb8(96, 60, 150), Rgb8(40, 20, 80));
  cairo_fill_preserve(cr);
  SetColour(cr, pressed ? Rgb8(255, 230, 255) : club::ChromeLight);
  cairo_set_line_width(cr, 1);
  cairo_stroke(cr);
  SelectArtFont(cr, ArtFont::SansBold, 10);
  const double tw = ArtTextWidth(cr, label);
  if (tw > w - 6) SelectArtFont(cr, ArtFont::SansBold, 10 * (w - 6) / tw);
  SetColour(cr, pressed ? Rgb8(255, 255, 255) : Rgb8(230, 236, 255));
  DrawCentredText(cr, label, x + w / 2 + (pressed ? 1 : 0), y + h / 2 + 4 + (pressed ? 1 : 0));
}

}  // namespace

RgbPicture DrawCharacterScreen(int pressedButton) {
  ArtCanvas canvas(240, 320);
  cairo_t* cr = canvas.Cr();
  FillGradient(cr, 0, 0, 240, 320, Rgb8(20, 10, 44), Rgb8(36, 14, 60));
  VelvetQuilt(cr, 0, 0, 240, 32, Rgb8(80, 20, 76), 10);
  GlowLine(cr, 0, 31.5, 240, 31.5, club::Magenta, 1);
  NeonTextCentred(cr, "WHO ARE YOU ?", 120, 23, 17, ArtFont::SansBold, club::Amber, 220);
  Fields(cr);
  Slots(cr);
  const char* labels[3] = {"OK", "QUICK GAME", "DELETE"};
  for (int b = 0; b < 3; ++b) ButtonFace(cr, Buttons[b], labels[b], b == pressedButton);
  Keyboard(cr);
  return canvas.Opaque();
}
