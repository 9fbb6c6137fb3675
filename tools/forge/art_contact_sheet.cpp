// art_contact_sheet.cpp -- every card's big and small picture on one sheet, the small ones also as the duel shows them.
#include "tools/forge/art_contact_sheet.h"

#include <algorithm>
#include <cstdio>

#include "platform/file_system.h"
#include "tools/forge/art_board.h"
#include "tools/forge/art_cards.h"
#include "tools/forge/asset_tables.h"

namespace {

// Where the game puts the icons of a small card, direction 0 (up) first, clockwise.
constexpr int IconX[8] = {12, 23, 23, 23, 12, 2, 2, 2};
constexpr int IconY[8] = {2, 2, 19, 41, 41, 41, 19, 2};

constexpr int CellWidth = 96 + 4 + 32 + 12;
constexpr int TitleHeight = 14;
constexpr int RowHeight = TitleHeight + 3 * 50 + 2 * 2 + 8;
constexpr int SheetColumns = 2;
constexpr int Margin = 8;

void Put(RgbPicture& sheet, const RgbPicture& picture, int x0, int y0) {
  for (int y = 0; y < picture.height; ++y) {
    const std::uint8_t* from = picture.rgb.data() + static_cast<std::size_t>(y) * picture.width * 3;
    std::uint8_t* to = sheet.rgb.data() + (static_cast<std::size_t>(y0 + y) * sheet.width + x0) * 3;
    std::copy(from, from + picture.width * 3, to);
  }
}

// The small card as a side holds it on the board: the plate brightened by the
// side's tint, the power icons over it.
RgbPicture AsOnTheBoard(RgbPicture card, const std::string& icons, int side, const RgbPicture iconPictures[5]) {
  const int tint[2][3] = {{120, 60, 60}, {60, 60, 120}};
  for (int y = SmallPlate.y; y < SmallPlate.y + SmallPlate.h; ++y)
    for (int x = SmallPlate.x; x < SmallPlate.x + SmallPlate.w; ++x)
      for (int c = 0; c < 3; ++c) {
        std::uint8_t& v = card.rgb[(static_cast<std::size_t>(y) * card.width + x) * 3 + c];
        v = static_cast<std::uint8_t>(std::min(255, v + tint[side][c]));
      }
  for (int d = 0; d < 8 && d < static_cast<int>(icons.size()); ++d) {
    const int s = icons[static_cast<std::size_t>(d)] - '0';
    if (s >= 1 && s <= 5) Put(card, iconPictures[s - 1], IconX[d], IconY[d]);
  }
  return card;
}

}  // namespace

bool DrawContactSheet(RgbPicture& sheet, std::string& error) {
  std::vector<CardArt> cards;
  if (!CardArtList(cards, error)) return false;
  const auto& rows = CardRows();
  const int q = static_cast<int>(cards.size() / 4);
  const int perColumn = (q + SheetColumns - 1) / SheetColumns;
  const int width = 2 * Margin + SheetColumns * 4 * CellWidth + (SheetColumns - 1) * 16;
  const int height = 2 * Margin + perColumn * RowHeight;

  // Titles first, on a cairo canvas; the pictures are then copied in pixel for pixel.
  ArtCanvas canvas(width, height);
  cairo_t* cr = canvas.Cr();
  SetColour(cr, Rgb8(40, 38, 52));
  cairo_paint(cr);
  SelectArtFont(cr, ArtFont::SansBold, 10);
  for (int p = 0; p < q; ++p) {
    const int x = Margin + (p / perColumn) * (4 * CellWidth + 16), y = Margin + (p % perColumn) * RowHeight;
    SetColour(cr, Rgb8(236, 232, 244));
    cairo_move_to(cr, x, y + 10);
    const std::string title = std::to_string(p) + "  " + cards[static_cast<std::size_t>(p)].familyTitle;
    cairo_show_text(cr, title.c_str());
  }
  if (!canvas.Ok()) {
    error = "cannot draw the contact sheet";
    return false;
  }
  sheet = canvas.Opaque();

  RgbPicture icons[5];
  for (int s = 1; s <= 5; ++s) icons[s - 1] = DrawPowerIcon(s);
  for (std::size_t i = 0; i < cards.size(); ++i) {
    const CardArt& card = cards[i];
    const int p = card.family, level = static_cast<int>(i) / q;
    const int x = Margin + (p / perColumn) * (4 * CellWidth + 16) + level * CellWidth;
    const int y = Margin + (p % perColumn) * RowHeight + TitleHeight;
    const RgbPicture small = DrawCardPicture(card, false);
    Put(sheet, DrawCardPicture(card, true), x, y);
    Put(sheet, small, x + 100, y);
    Put(sheet, AsOnTheBoard(small, rows[i].icons, 0, icons), x + 100, y + 52);
    Put(sheet, AsOnTheBoard(small, rows[i].icons, 1, icons), x + 100, y + 104);
  }
  return true;
}

bool WriteContactSheet(const std::string& path, std::string& error) {
  RgbPicture sheet;
  std::vector<std::uint8_t> bytes;
  if (!DrawContactSheet(sheet, error) || !EncodePng(sheet, bytes, error)) return false;
  if (!platform::WriteFileAtomically(path, bytes)) {
    error = "cannot write " + path;
    return false;
  }
  return true;
}
