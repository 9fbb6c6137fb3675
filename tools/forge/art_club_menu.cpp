// art_club_menu.cpp -- the corridor's overlays: room titles, walking arrows, the quick menu and the description panel.
#include <cmath>

#include "tools/forge/art_club.h"
#include "tools/forge/art_club_draw.h"
#include "tools/forge/art_palette.h"

const std::vector<RoomLook>& RoomLooks() {
  static const std::vector<RoomLook> rooms = {
      {1, "MultiplayerTitle.QXG", "MULTIPLAYER", ""},
      {7, "InstantPlayTitle.QXG", "INSTANT", "PLAY"},
      {10, "HellGateTitle.QXG", "HELL", "GATE"},
      {14, "CardShopTitle.QXG", "CARD", "SHOP"},
      {23, "GuestTournament.QXG", "GUEST", "TOURNAMENT"},
      {27, "MemberTournament.QXG", "MEMBER", "TOURNAMENT"},
      {31, "EliteTournament.QXG", "ELITE", "TOURNAMENT"},
      {38, "OptionsTitle.QXG", "OPTIONS", ""},
      {44, "CharacterCreationTitle.QXG", "CHARACTER", "CREATION"},
      {47, "Quit.QXG", "QUIT", ""},
  };
  return rooms;
}

const char* const QuickMenuItems[corridor::MenuItems] = {"Character",         "Options",          "Guest tournament",
                                                         "Member tournament", "Elite tournament", "Card shop",
                                                         "Instant play",      "Multiplayer",      "Quit"};

namespace {

Colour RoomColour(std::size_t room) {
  const Colour c[10] = {club::Cyan,    club::Amber, Rgb8(255, 70, 40),   club::Magenta,       club::Cyan,
                        club::Magenta, club::Amber, Rgb8(180, 140, 255), Rgb8(255, 200, 120), Rgb8(60, 255, 120)};
  return c[room % 10];
}

}  // namespace

RgbPicture DrawRoomTitle(const RoomLook& room) {
  using namespace corridor;
  ArtCanvas canvas(TitleWidth, TitleHeight);
  cairo_t* cr = canvas.Cr();
  std::size_t index = 0;
  while (index < RoomLooks().size() && RoomLooks()[index].title != room.title) ++index;
  const Colour c = RoomColour(index);
  FillGradient(cr, 0, 0, TitleWidth, TitleHeight, Rgb8(12, 8, 30), Rgb8(30, 14, 56));
  // A neon underline and a rim that fades to the right, where the title meets the black strip.
  GlowLine(cr, 6, TitleHeight - 4.5, TitleWidth - 10, TitleHeight - 4.5, c, 1);
  if (room.line2.empty()) {
    NeonText(cr, room.line1, 8, 34, 24, ArtFont::SansBold, c, TitleWidth - 16);
  } else {
    NeonText(cr, room.line1, 8, 21, 17, ArtFont::SansBold, c, TitleWidth - 16);
    NeonText(cr, room.line2, 8, 40, 15, ArtFont::SansBold, Mix(c, Rgb8(255, 255, 255), 0.3), TitleWidth - 16);
  }
  return canvas.Opaque();
}

RgbPicture DrawArrow(bool right, bool pressed) {
  using namespace corridor;
  ArtCanvas canvas(ArrowWidth, ArrowHeight);
  cairo_t* cr = canvas.Cr();
  if (right) {
    cairo_translate(cr, ArrowWidth, 0);
    cairo_scale(cr, -1, 1);
  }
  // A chrome chevron pointing outwards, neon-lit when pressed.
  const double h = ArrowHeight;
  cairo_move_to(cr, 2, h / 2);
  cairo_line_to(cr, ArrowWidth - 3, 2);
  cairo_line_to(cr, ArrowWidth - 3, h - 2);
  cairo_close_path(cr);
  if (pressed) {
    LinearSource(cr, 0, 0, 0, h, Rgb8(255, 150, 240), club::Magenta);
  } else {
    LinearSource(cr, 0, 0, 0, h, club::ChromeLight, Rgb8(90, 92, 130));
  }
  cairo_fill_preserve(cr);
  SetColour(cr, pressed ? Rgb8(255, 230, 255) : Rgb8(40, 30, 70));
  cairo_set_line_width(cr, 1.5);
  cairo_set_line_join(cr, CAIRO_LINE_JOIN_ROUND);
  cairo_stroke(cr);
  // An inner chevron stripe.
  cairo_move_to(cr, ArrowWidth - 7, 9);
  cairo_line_to(cr, 8, h / 2);
  cairo_line_to(cr, ArrowWidth - 7, h - 9);
  SetColour(cr, pressed ? Rgb8(255, 255, 255) : club::Cyan, 0.9);
  cairo_set_line_width(cr, 1.5);
  cairo_stroke(cr);
  return canvas.Keyed();
}

RgbPicture DrawQuickMenu(bool lit) {
  using namespace corridor;
  ArtCanvas canvas(MenuWidth, MenuHeight);
  cairo_t* cr = canvas.Cr();
  FillGradient(cr, 0, 0, MenuWidth, MenuTabTop, Rgb8(22, 12, 48), Rgb8(40, 16, 70));
  SetColour(cr, club::ChromeDark);
  cairo_rectangle(cr, 0, 0, 1, MenuTabTop);
  cairo_fill(cr);
  for (int k = 0; k < MenuItems; ++k) {
    const double top = MenuItemTop + k * MenuItemRows;
    if (lit) {
      FillGradient(cr, 2, top + 1, MenuWidth - 3, MenuItemRows - 2, Rgb8(140, 30, 130), Rgb8(70, 16, 90));
    }
    if (k > 0) {
      SetColour(cr, Rgb8(80, 50, 120), 0.8);
      cairo_rectangle(cr, 4, top, MenuWidth - 8, 1);
      cairo_fill(cr);
    }
    const Colour ink = lit ? Rgb8(255, 240, 255) : (k == MenuItems - 1 ? Rgb8(255, 190, 120) : Rgb8(200, 220, 255));
    SelectArtFont(cr, ArtFont::CondensedBold, 9.5);
    const double w = ArtTextWidth(cr, QuickMenuItems[k]);
    if (w > MenuWidth - 10) SelectArtFont(cr, ArtFont::CondensedBold, 9.5 * (MenuWidth - 10) / w);
    SetColour(cr, ink);
    cairo_move_to(cr, 6, top + 9.5);
    cairo_show_text(cr, QuickMenuItems[k]);
  }
  // The tab the player pulls: a chrome handle under a velvet edge.
  const double tab = MenuTabTop, th = MenuHeight - MenuTabTop;
  FillGradient(cr, 0, tab, MenuWidth, th, Rgb8(70, 20, 90), Rgb8(30, 10, 50));
  GlowLine(cr, 0, tab + 0.5, MenuWidth, tab + 0.5, club::Magenta, 1);
  RoundRect(cr, 6, tab + 4, MenuWidth - 12, th - 8, 4);
  SetColour(cr, Rgb8(20, 10, 36));
  cairo_fill_preserve(cr);
  SetColour(cr, club::ChromeLight, 0.8);
  cairo_set_line_width(cr, 1);
  cairo_stroke(cr);
  SelectArtFont(cr, ArtFont::CondensedBold, 9);
  SetColour(cr, lit ? club::Magenta : club::Cyan);
  DrawCentredText(cr, "MENU", MenuWidth / 2.0, tab + 13.5);
  for (int s = -1; s <= 1; s += 2) {
    const double x = MenuWidth / 2.0 + s * 28;
    cairo_move_to(cr, x - 3, tab + 8);
    cairo_line_to(cr, x + 3, tab + 8);
    cairo_line_to(cr, x, tab + 12);
    cairo_close_path(cr);
    cairo_fill(cr);
  }
  return canvas.Opaque();
}

RgbPicture DrawDescriptionPanel() {
  using namespace corridor;
  ArtCanvas canvas(PanelWidth, PanelHeight);
  cairo_t* cr = canvas.Cr();
  FillGradient(cr, 0, 0, PanelWidth, PanelHeight, Rgb8(26, 12, 46), Rgb8(14, 8, 30));
  GlowLine(cr, 0, 1.5, PanelWidth, 1.5, club::Cyan, 1);
  // A calm inner field for the typed text, framed in chrome.
  ChromePanel(cr, 4, 5, PanelWidth - 8, PanelHeight - 9, 5, Rgb8(20, 10, 38));
  return canvas.Opaque();
}
