// art_corridor.cpp -- the club's corridor: one long panorama of the club's wall, its ten rooms and the floor,
// seen through fifty windows one walking step apart.
#include <cmath>
#include <functional>

#include "tools/forge/art_club.h"
#include "tools/forge/art_club_draw.h"
#include "tools/forge/art_palette.h"

namespace {

constexpr int Span = corridor::Pictures * corridor::StepPixels;  // the panorama's period
constexpr double WallTop = 24, FloorTop = 132;

// Panorama x of the middle of the view at a corridor position.
double CentreOf(int position) { return (position - 1) * corridor::StepPixels + corridor::Width / 2.0; }

void Ceiling(cairo_t* cr) {
  FillGradient(cr, 0, 0, Span, WallTop, Rgb8(12, 8, 30), Rgb8(30, 18, 60));
  // The lighting track and its spots, one every step.
  SetColour(cr, club::ChromeDark);
  cairo_rectangle(cr, 0, 6, Span, 2);
  cairo_fill(cr);
  for (int i = 0; i < corridor::Pictures; ++i) {
    const double x = i * corridor::StepPixels + 12;
    const Colour c = (i % 3 == 0) ? club::Magenta : (i % 3 == 1 ? club::Cyan : club::Amber);
    cairo_move_to(cr, x - 3, 8);
    cairo_line_to(cr, x + 3, 8);
    cairo_line_to(cr, x + 5, 15);
    cairo_line_to(cr, x - 5, 15);
    cairo_close_path(cr);
    SetColour(cr, Rgb8(70, 72, 96));
    cairo_fill(cr);
    // A cone of coloured light falls onto the wall.
    cairo_move_to(cr, x - 4, 15);
    cairo_line_to(cr, x + 4, 15);
    cairo_line_to(cr, x + 22, FloorTop);
    cairo_line_to(cr, x - 22, FloorTop);
    cairo_close_path(cr);
    LinearSource(cr, 0, 15, 0, FloorTop, c, c);
    cairo_pattern_t* p = cairo_pattern_create_linear(0, 15, 0, FloorTop);
    cairo_pattern_add_color_stop_rgba(p, 0, c.r, c.g, c.b, 0.32);
    cairo_pattern_add_color_stop_rgba(p, 1, c.r, c.g, c.b, 0.0);
    cairo_set_source(cr, p);
    cairo_fill(cr);
    cairo_pattern_destroy(p);
  }
  GlowLine(cr, 0, WallTop - 0.5, Span, WallTop - 0.5, club::Magenta, 1.2);
}

void Wall(cairo_t* cr) {
  FillGradient(cr, 0, WallTop, Span, FloorTop - WallTop, Rgb8(62, 28, 104), Rgb8(34, 16, 66));
  // Velvet panels between chrome strips.
  for (int i = 0; i < corridor::Pictures * 2; ++i) {
    const double x = i * corridor::StepPixels / 2.0;
    VelvetQuilt(cr, x + 3, WallTop + 8, corridor::StepPixels / 2.0 - 6, FloorTop - WallTop - 22, Rgb8(84, 22, 78), 8);
    cairo_rectangle(cr, x - 0.5, WallTop + 2, 2, FloorTop - WallTop - 4);
    LinearSource(cr, x - 0.5, 0, x + 1.5, 0, club::ChromeLight, club::ChromeDark);
    cairo_fill(cr);
  }
  // Dado rail and skirting.
  FillGradient(cr, 0, FloorTop - 12, Span, 12, Rgb8(40, 20, 60), Rgb8(24, 12, 40));
  SetColour(cr, club::ChromeLight, 0.8);
  cairo_rectangle(cr, 0, FloorTop - 13, Span, 1);
  cairo_fill(cr);
  GlowLine(cr, 0, FloorTop + 0.5, Span, FloorTop + 0.5, club::Cyan, 1.2);
}

void Floor(cairo_t* cr) {
  FillGradient(cr, 0, FloorTop + 1, Span, corridor::Height - FloorTop, Rgb8(44, 20, 66), Rgb8(14, 8, 30));
  // Chequered tiles seen at a slant: rows widen towards the viewer.
  const double rows[] = {FloorTop + 1, FloorTop + 8, FloorTop + 18, FloorTop + 31, FloorTop + 48};
  for (int r = 0; r < 4; ++r) {
    const double y0 = rows[r], y1 = rows[r + 1], tile = 24;
    for (int i = 0; i * tile < Span; ++i) {
      if ((i + r) % 2) continue;
      const double x0 = i * tile + (y0 - FloorTop) * 0.6, x1 = x0 + (y1 - y0) * 0.6;
      cairo_move_to(cr, x0, y0);
      cairo_line_to(cr, x0 + tile, y0);
      cairo_line_to(cr, x1 + tile, y1);
      cairo_line_to(cr, x1, y1);
      cairo_close_path(cr);
    }
    SetColour(cr, Rgb8(120, 90, 170), 0.18 + 0.04 * r);
    cairo_fill(cr);
  }
}

// A person seen from behind the light: a head and a body, standing on footY.
void Figure(cairo_t* cr, double x, double footY, double height, Colour c, bool dress) {
  const double head = height * 0.12;
  cairo_new_sub_path(cr);
  cairo_arc(cr, x, footY - height + head, head, 0, 2 * Pi);
  const double shoulder = height * 0.2, top = footY - height + head * 2.1;
  cairo_move_to(cr, x - shoulder, top + 4);
  cairo_curve_to(cr, x - shoulder, top, x + shoulder, top, x + shoulder, top + 4);
  if (dress) {
    cairo_line_to(cr, x + shoulder * 0.6, top + height * 0.35);
    cairo_line_to(cr, x + shoulder * 1.3, footY);
    cairo_line_to(cr, x - shoulder * 1.3, footY);
    cairo_line_to(cr, x - shoulder * 0.6, top + height * 0.35);
  } else {
    cairo_line_to(cr, x + shoulder * 0.8, footY);
    cairo_line_to(cr, x - shoulder * 0.8, footY);
  }
  cairo_close_path(cr);
  SetColour(cr, c);
  cairo_fill(cr);
}

// A doorway cut into the wall with a lit inside and a chrome frame.
void Doorway(cairo_t* cr, double x, double y, double w, double h, Colour inner, Colour outer) {
  cairo_rectangle(cr, x, y, w, h);
  cairo_pattern_t* g = cairo_pattern_create_radial(x + w / 2, y + h * 0.55, 4, x + w / 2, y + h * 0.55, w * 0.75);
  cairo_pattern_add_color_stop_rgb(g, 0, inner.r, inner.g, inner.b);
  cairo_pattern_add_color_stop_rgb(g, 1, outer.r, outer.g, outer.b);
  cairo_set_source(cr, g);
  cairo_fill(cr);
  cairo_pattern_destroy(g);
  cairo_rectangle(cr, x - 1, y - 1, w + 2, h + 1);
  SetColour(cr, club::ChromeLight);
  cairo_set_line_width(cr, 2);
  cairo_stroke(cr);
}

// A neon sign board above a room.
void Sign(cairo_t* cr, const char* text, double cx, double y, Colour c, double size = 11) {
  SelectArtFont(cr, ArtFont::CondensedBold, size);
  const double w = ArtTextWidth(cr, text) + 10;
  RoundRect(cr, cx - w / 2, y - size - 3, w, size + 7, 3);
  SetColour(cr, Rgb8(16, 8, 30));
  cairo_fill_preserve(cr);
  SetColour(cr, c, 0.7);
  cairo_set_line_width(cr, 1);
  cairo_stroke(cr);
  NeonTextCentred(cr, text, cx, y, size, ArtFont::CondensedBold, c);
}

void FloorGlow(cairo_t* cr, double cx, Colour c, double w) {
  cairo_save(cr);
  cairo_translate(cr, cx, FloorTop + 16);
  cairo_scale(cr, w, 10);
  cairo_pattern_t* g = cairo_pattern_create_radial(0, 0, 0, 0, 0, 1);
  cairo_pattern_add_color_stop_rgba(g, 0, c.r, c.g, c.b, 0.4);
  cairo_pattern_add_color_stop_rgba(g, 1, c.r, c.g, c.b, 0.0);
  cairo_set_source(cr, g);
  cairo_arc(cr, 0, 0, 1, 0, 2 * Pi);
  cairo_fill(cr);
  cairo_pattern_destroy(g);
  cairo_restore(cr);
}

void Table(cairo_t* cr, double cx, double y, double w, Colour felt) {
  cairo_save(cr);
  cairo_translate(cr, cx, y);
  cairo_scale(cr, w / 2, 6);
  cairo_arc(cr, 0, 0, 1, 0, 2 * Pi);
  cairo_restore(cr);
  SetColour(cr, felt);
  cairo_fill_preserve(cr);
  SetColour(cr, club::Amber, 0.8);
  cairo_set_line_width(cr, 1);
  cairo_stroke(cr);
  cairo_rectangle(cr, cx - 3, y + 5, 6, FloorTop + 6 - y - 5);
  SetColour(cr, club::ChromeDark);
  cairo_fill(cr);
}

void HangingLamp(cairo_t* cr, double cx, double y, Colour c) {
  cairo_move_to(cr, cx, WallTop);
  cairo_line_to(cr, cx, y);
  SetColour(cr, club::ChromeDark);
  cairo_set_line_width(cr, 1);
  cairo_stroke(cr);
  cairo_move_to(cr, cx - 9, y + 7);
  cairo_curve_to(cr, cx - 8, y - 1, cx + 8, y - 1, cx + 9, y + 7);
  cairo_close_path(cr);
  SetColour(cr, c);
  cairo_fill(cr);
  cairo_move_to(cr, cx - 9, y + 7);
  cairo_line_to(cr, cx + 9, y + 7);
  cairo_line_to(cr, cx + 26, y + 40);
  cairo_line_to(cr, cx - 26, y + 40);
  cairo_close_path(cr);
  cairo_pattern_t* p = cairo_pattern_create_linear(0, y + 7, 0, y + 40);
  cairo_pattern_add_color_stop_rgba(p, 0, c.r, c.g, c.b, 0.45);
  cairo_pattern_add_color_stop_rgba(p, 1, c.r, c.g, c.b, 0.0);
  cairo_set_source(cr, p);
  cairo_fill(cr);
  cairo_pattern_destroy(p);
}

void Card(cairo_t* cr, double x, double y, double angle, Colour back) {
  cairo_save(cr);
  cairo_translate(cr, x, y);
  cairo_rotate(cr, angle);
  cairo_rectangle(cr, -4, -6, 8, 12);
  SetColour(cr, back);
  cairo_fill_preserve(cr);
  SetColour(cr, club::ChromeLight);
  cairo_set_line_width(cr, 0.8);
  cairo_stroke(cr);
  cairo_restore(cr);
}

// Room 0: the link corner, two screens joined by a beam.
void Multiplayer(cairo_t* cr, double cx) {
  Doorway(cr, cx - 50, 44, 100, 88, Rgb8(40, 90, 130), Rgb8(16, 20, 50));
  for (int s = 0; s < 2; ++s) {
    const double x = cx - 42 + s * 50;
    RoundRect(cr, x, 62, 34, 26, 3);
    SetColour(cr, Rgb8(30, 32, 46));
    cairo_fill(cr);
    cairo_rectangle(cr, x + 3, 65, 28, 19);
    LinearSource(cr, 0, 65, 0, 84, Rgb8(90, 240, 255), Rgb8(30, 90, 200));
    cairo_fill(cr);
    // A tiny board on each screen.
    SetColour(cr, s ? club::SideBlue : club::SideRed);
    for (int k = 0; k < 3; ++k) {
      cairo_rectangle(cr, x + 6 + k * 8, 69, 5, 7);
      cairo_fill(cr);
    }
    cairo_rectangle(cr, x + 14, 88, 6, 14);
    SetColour(cr, club::ChromeDark);
    cairo_fill(cr);
    Figure(cr, x + 17, FloorTop + 4, 34, Rgb8(24, 12, 40), s == 1);
  }
  // The beam between them.
  cairo_move_to(cr, cx - 8, 70);
  for (int k = 1; k <= 4; ++k) cairo_line_to(cr, cx - 8 + k * 4, k % 2 ? 66 : 74);
  SetColour(cr, club::Amber);
  cairo_set_line_width(cr, 1.5);
  cairo_stroke(cr);
  Sign(cr, "LINK", cx, 38, club::Cyan);
  FloorGlow(cr, cx, club::Cyan, 50);
}

// Room 1: the quick-play table and its dealer.
void InstantPlay(cairo_t* cr, double cx) {
  Doorway(cr, cx - 48, 44, 96, 88, Rgb8(150, 60, 100), Rgb8(40, 12, 40));
  HangingLamp(cr, cx, 48, club::Amber);
  Figure(cr, cx, 112, 48, Rgb8(60, 14, 50), true);
  // Her hair and a flower.
  cairo_new_sub_path(cr);
  cairo_arc(cr, cx, 70, 7, Pi, 2 * Pi);
  SetColour(cr, Rgb8(200, 150, 60));
  cairo_fill(cr);
  cairo_new_sub_path(cr);
  cairo_arc(cr, cx + 5, 68, 2, 0, 2 * Pi);
  SetColour(cr, club::Magenta);
  cairo_fill(cr);
  Table(cr, cx, 108, 84, Rgb8(20, 110, 70));
  for (int k = 0; k < 5; ++k) Card(cr, cx - 16 + k * 8, 106, (k - 2) * 0.12, club::SideRed);
  Sign(cr, "QUICK PLAY", cx, 38, club::Amber);
  FloorGlow(cr, cx, club::Magenta, 50);
}

// Room 2: the gate of the card master's lair, glowing red.
void HellGate(cairo_t* cr, double cx) {
  cairo_move_to(cr, cx - 40, FloorTop);
  cairo_line_to(cr, cx - 40, 62);
  cairo_curve_to(cr, cx - 40, 30, cx + 40, 30, cx + 40, 62);
  cairo_line_to(cr, cx + 40, FloorTop);
  cairo_close_path(cr);
  cairo_pattern_t* g = cairo_pattern_create_radial(cx, 100, 4, cx, 100, 60);
  cairo_pattern_add_color_stop_rgb(g, 0, 1.0, 0.75, 0.2);
  cairo_pattern_add_color_stop_rgb(g, 0.5, 0.8, 0.1, 0.05);
  cairo_pattern_add_color_stop_rgb(g, 1, 0.2, 0.02, 0.08);
  cairo_set_source(cr, g);
  cairo_fill_preserve(cr);
  cairo_pattern_destroy(g);
  SetColour(cr, Rgb8(90, 70, 70));
  cairo_set_line_width(cr, 5);
  cairo_stroke(cr);
  // Bars of the gate.
  for (int k = -3; k <= 3; ++k) {
    cairo_move_to(cr, cx + k * 10, FloorTop);
    cairo_line_to(cr, cx + k * 10, 50 + std::abs(k) * 3);
  }
  SetColour(cr, Rgb8(40, 20, 24));
  cairo_set_line_width(cr, 2.5);
  cairo_stroke(cr);
  // Horns over the arch.
  for (int s = -1; s <= 1; s += 2) {
    cairo_move_to(cr, cx + s * 20, 38);
    cairo_curve_to(cr, cx + s * 34, 34, cx + s * 44, 24, cx + s * 46, 12);
    cairo_curve_to(cr, cx + s * 36, 22, cx + s * 28, 28, cx + s * 14, 34);
    cairo_close_path(cr);
    SetColour(cr, Rgb8(210, 190, 160));
    cairo_fill(cr);
  }
  // Flames licking the bottom.
  for (int k = 0; k < 7; ++k) {
    const double x = cx - 33 + k * 11;
    cairo_move_to(cr, x - 6, FloorTop);
    cairo_curve_to(cr, x - 6, FloorTop - 10, x, FloorTop - 12, x + (k % 2 ? 2 : -2), FloorTop - 22);
    cairo_curve_to(cr, x + 2, FloorTop - 10, x + 6, FloorTop - 8, x + 6, FloorTop);
    cairo_close_path(cr);
  }
  SetColour(cr, Rgb8(255, 170, 40), 0.85);
  cairo_fill(cr);
  FloorGlow(cr, cx, Rgb8(255, 60, 30), 60);
}

// Room 3: the card shop's window with cards fanned on show.
void CardShop(cairo_t* cr, double cx) {
  Doorway(cr, cx - 52, 46, 104, 86, Rgb8(255, 210, 150), Rgb8(120, 50, 80));
  // Striped awning.
  for (int k = 0; k < 8; ++k) {
    cairo_move_to(cr, cx - 56 + k * 14, 42);
    cairo_line_to(cr, cx - 42 + k * 14, 42);
    cairo_line_to(cr, cx - 42 + k * 14, 52);
    cairo_curve_to(cr, cx - 44 + k * 14, 56, cx - 54 + k * 14, 56, cx - 56 + k * 14, 52);
    cairo_close_path(cr);
    SetColour(cr, k % 2 ? Rgb8(240, 236, 250) : club::Magenta);
    cairo_fill(cr);
  }
  // Shelves of boosters and a fan of cards.
  for (int s = 0; s < 2; ++s) {
    cairo_rectangle(cr, cx - 46, 74 + s * 18, 30, 2);
    cairo_rectangle(cr, cx + 16, 74 + s * 18, 30, 2);
    SetColour(cr, club::ChromeDark);
    cairo_fill(cr);
    for (int k = 0; k < 4; ++k) {
      for (double x0 : {cx - 45.0, cx + 17.0}) {
        cairo_rectangle(cr, x0 + k * 7, 64 + s * 18, 6, 10);
        SetColour(cr, Hsv(0.1 * (k + s * 4 + (x0 > cx ? 3 : 0)), 0.7, 0.9));
        cairo_fill(cr);
      }
    }
  }
  for (int k = 0; k < 5; ++k) Card(cr, cx - 8 + k * 4, 80, (k - 2) * 0.3, Hsv(0.12 * k, 0.6, 0.9));
  // The counter.
  cairo_rectangle(cr, cx - 52, 110, 104, 22);
  LinearSource(cr, 0, 110, 0, 132, Rgb8(120, 40, 90), Rgb8(50, 16, 50));
  cairo_fill(cr);
  SetColour(cr, club::Amber);
  cairo_rectangle(cr, cx - 52, 110, 104, 2);
  cairo_fill(cr);
  Sign(cr, "CARDS", cx, 37, club::Magenta, 12);
  FloorGlow(cr, cx, club::Amber, 55);
}

// Rooms 4..6: a tournament table, richer for each class.
void Tournament(cairo_t* cr, double cx, int klass) {
  const Colour felts[3] = {Rgb8(40, 120, 170), Rgb8(120, 30, 60), Rgb8(20, 100, 60)};
  const Colour lights[3] = {club::Cyan, club::Magenta, club::Amber};
  const char* names[3] = {"GUEST", "MEMBERS", "ELITE"};
  Doorway(cr, cx - 50, 44, 100, 88, Mix(lights[klass], Rgb8(255, 255, 255), 0.3), Rgb8(30, 14, 44));
  if (klass == 2) {
    // A chandelier and a velvet rope for the elite.
    for (int k = -2; k <= 2; ++k) {
      cairo_new_sub_path(cr);
      cairo_arc(cr, cx + k * 8, 56 + std::abs(k) * -2 + 4, 2.2, 0, 2 * Pi);
    }
    SetColour(cr, Rgb8(255, 230, 150));
    cairo_fill(cr);
    cairo_move_to(cr, cx - 18, 54);
    cairo_curve_to(cr, cx - 10, 64, cx + 10, 64, cx + 18, 54);
    SetColour(cr, club::Amber);
    cairo_set_line_width(cr, 1);
    cairo_stroke(cr);
  } else {
    HangingLamp(cr, cx, 48, lights[klass]);
  }
  const int players = klass == 0 ? 2 : (klass == 1 ? 3 : 4);
  for (int p = 0; p < players; ++p) {
    const double x = cx - (players - 1) * 13 + p * 26;
    Figure(cr, x, 116, klass == 0 ? 34 : 40, Mix(Rgb8(30, 14, 44), lights[klass], 0.15), klass == 0 || p % 2);
  }
  Table(cr, cx, 112, 88, felts[klass]);
  for (int k = 0; k < 4; ++k) Card(cr, cx - 14 + k * 9, 111, 0.2 * (k - 1.5), k % 2 ? club::SideBlue : club::SideRed);
  if (klass == 2) {
    for (double x : {cx - 46.0, cx + 46.0}) {
      cairo_rectangle(cr, x - 1.5, 110, 3, 22);
      SetColour(cr, Rgb8(230, 200, 120));
      cairo_fill(cr);
    }
    cairo_move_to(cr, cx - 46, 114);
    cairo_curve_to(cr, cx - 20, 128, cx + 20, 128, cx + 46, 114);
    SetColour(cr, Rgb8(200, 30, 80));
    cairo_set_line_width(cr, 2.5);
    cairo_stroke(cr);
  }
  Sign(cr, names[klass], cx, 38, lights[klass]);
  FloorGlow(cr, cx, lights[klass], 50);
}

// Room 7: the DJ booth where the sound and the lights are set.
void Options(cairo_t* cr, double cx) {
  Doorway(cr, cx - 50, 44, 100, 88, Rgb8(90, 60, 160), Rgb8(20, 12, 44));
  // Speakers.
  for (int s = -1; s <= 1; s += 2) {
    const double x = cx + s * 36;
    cairo_rectangle(cr, x - 11, 62, 22, 62);
    SetColour(cr, Rgb8(30, 26, 40));
    cairo_fill(cr);
    for (double y : {76.0, 104.0}) {
      cairo_new_sub_path(cr);
      cairo_arc(cr, x, y, 8, 0, 2 * Pi);
      SetColour(cr, club::ChromeDark);
      cairo_fill(cr);
      cairo_new_sub_path(cr);
      cairo_arc(cr, x, y, 3, 0, 2 * Pi);
      SetColour(cr, club::ChromeLight);
      cairo_fill(cr);
    }
  }
  // The desk with two turntables and sliders.
  Figure(cr, cx, 112, 40, Rgb8(26, 14, 40), false);
  cairo_rectangle(cr, cx - 24, 104, 48, 28);
  LinearSource(cr, 0, 104, 0, 132, Rgb8(70, 70, 96), Rgb8(30, 28, 44));
  cairo_fill(cr);
  for (int s = -1; s <= 1; s += 2) {
    cairo_new_sub_path(cr);
    cairo_arc(cr, cx + s * 13, 110, 6, 0, 2 * Pi);
    SetColour(cr, Rgb8(20, 18, 28));
    cairo_fill(cr);
  }
  for (int k = 0; k < 4; ++k) {
    cairo_rectangle(cr, cx - 9 + k * 6, 118, 1, 10);
    SetColour(cr, club::ChromeLight);
    cairo_fill(cr);
    cairo_rectangle(cr, cx - 10.5 + k * 6, 119 + (k * 3) % 8, 4, 2);
    SetColour(cr, k % 2 ? club::Cyan : club::Magenta);
    cairo_fill(cr);
  }
  // Spotlights from the booth.
  for (int s = -1; s <= 1; s += 2) {
    cairo_move_to(cr, cx + s * 4, 50);
    cairo_line_to(cr, cx + s * 44, 132);
    cairo_line_to(cr, cx + s * 24, 132);
    cairo_close_path(cr);
    SetColour(cr, s < 0 ? club::Cyan : club::Magenta, 0.18);
    cairo_fill(cr);
  }
  Sign(cr, "SOUND & LIGHT", cx, 38, Rgb8(180, 140, 255), 10);
  FloorGlow(cr, cx, Rgb8(170, 110, 255), 50);
}

// Room 8: the cloakroom desk with a dressing-room mirror.
void CharacterCreation(cairo_t* cr, double cx) {
  Doorway(cr, cx - 50, 44, 100, 88, Rgb8(200, 150, 120), Rgb8(60, 24, 50));
  // The mirror with its ring of bulbs.
  RoundRect(cr, cx - 22, 52, 44, 44, 6);
  LinearSource(cr, cx - 22, 52, cx + 22, 96, Rgb8(190, 210, 240), Rgb8(80, 90, 140));
  cairo_fill(cr);
  for (int k = 0; k < 14; ++k) {
    const double t = k / 14.0 * 2 * Pi;
    cairo_new_sub_path(cr);
    cairo_arc(cr, cx + 25 * std::cos(t), 74 + 25 * std::sin(t), 2, 0, 2 * Pi);
  }
  SetColour(cr, Rgb8(255, 236, 170));
  cairo_fill(cr);
  // A silhouette in the mirror and the register on the desk.
  Figure(cr, cx, 96, 34, Rgb8(60, 50, 90), false);
  cairo_rectangle(cr, cx - 44, 108, 88, 24);
  LinearSource(cr, 0, 108, 0, 132, Rgb8(100, 40, 70), Rgb8(44, 14, 40));
  cairo_fill(cr);
  cairo_rectangle(cr, cx - 14, 104, 22, 5);
  SetColour(cr, Rgb8(240, 236, 220));
  cairo_fill(cr);
  cairo_move_to(cr, cx + 10, 103);
  cairo_line_to(cr, cx + 18, 99);
  SetColour(cr, club::Amber);
  cairo_set_line_width(cr, 1.2);
  cairo_stroke(cr);
  Sign(cr, "REGISTER", cx, 38, Rgb8(255, 200, 120));
  FloorGlow(cr, cx, club::Amber, 50);
}

// Room 9: the way out, double doors under a green sign.
void Quit(cairo_t* cr, double cx) {
  Doorway(cr, cx - 34, 50, 68, 82, Rgb8(60, 50, 80), Rgb8(30, 24, 46));
  for (int s = 0; s < 2; ++s) {
    const double x = cx - 32 + s * 33;
    cairo_rectangle(cr, x, 52, 31, 80);
    LinearSource(cr, x, 0, x + 31, 0, Rgb8(120, 124, 150), Rgb8(70, 72, 96));
    cairo_fill(cr);
    cairo_rectangle(cr, x + 6, 60, 19, 24);
    SetColour(cr, Rgb8(40, 160, 200), 0.5);
    cairo_fill(cr);
    cairo_rectangle(cr, x + 2, 94, 27, 3);
    SetColour(cr, club::ChromeLight);
    cairo_fill(cr);
  }
  RoundRect(cr, cx - 18, 30, 36, 14, 2);
  SetColour(cr, Rgb8(16, 60, 30));
  cairo_fill(cr);
  NeonTextCentred(cr, "EXIT", cx, 41, 11, ArtFont::SansBold, Rgb8(60, 255, 120));
  FloorGlow(cr, cx, Rgb8(60, 255, 120), 40);
}

// Between the rooms: sconces, plants, posters and dancers.
void Decoration(cairo_t* cr, double cx, int kind) {
  switch (kind % 6) {
    case 0:  // a pair of amber sconces
      for (int s = -1; s <= 1; s += 2) {
        cairo_move_to(cr, cx + s * 14 - 5, 62);
        cairo_line_to(cr, cx + s * 14 + 5, 62);
        cairo_line_to(cr, cx + s * 14 + 2, 72);
        cairo_line_to(cr, cx + s * 14 - 2, 72);
        cairo_close_path(cr);
        SetColour(cr, Rgb8(255, 210, 130));
        cairo_fill(cr);
        cairo_new_sub_path(cr);
        cairo_arc(cr, cx + s * 14, 64, 14, 0, 2 * Pi);
        SetColour(cr, club::Amber, 0.15);
        cairo_fill(cr);
      }
      break;
    case 1: {  // a palm in a chrome pot
      cairo_rectangle(cr, cx - 8, 112, 16, 20);
      LinearSource(cr, cx - 8, 0, cx + 8, 0, club::ChromeLight, club::ChromeDark);
      cairo_fill(cr);
      for (int k = 0; k < 7; ++k) {
        const double a = Pi + (k + 0.5) * Pi / 7;
        cairo_move_to(cr, cx, 112);
        cairo_curve_to(cr, cx + 10 * std::cos(a), 100 + 14 * std::sin(a), cx + 22 * std::cos(a),
                       96 + 18 * std::sin(a) + 10, cx + 26 * std::cos(a), 104 + 14 * std::sin(a) + 8);
      }
      SetColour(cr, Rgb8(40, 150, 110));
      cairo_set_line_width(cr, 3);
      cairo_stroke(cr);
      break;
    }
    case 2: {  // a framed poster of a card
      cairo_rectangle(cr, cx - 13, 50, 26, 38);
      SetColour(cr, club::ChromeLight);
      cairo_fill(cr);
      cairo_rectangle(cr, cx - 11, 52, 22, 34);
      LinearSource(cr, 0, 52, 0, 86, Hsv(0.8 + cx / Span, 0.7, 0.8), Rgb8(30, 16, 60));
      cairo_fill(cr);
      cairo_new_sub_path(cr);
      cairo_arc(cr, cx, 66, 6, 0, 2 * Pi);
      SetColour(cr, club::Amber);
      cairo_fill(cr);
      break;
    }
    case 3: {  // two dancers, arms up
      for (int s = -1; s <= 1; s += 2) {
        const double x = cx + s * 11, foot = FloorTop + 8, h = 44;
        const Colour c = s < 0 ? Rgb8(34, 14, 50) : Rgb8(44, 16, 56);
        Figure(cr, x, foot, h, c, s > 0);
        const double shoulder = foot - h + h * 0.12 * 2.1 + 3;
        cairo_move_to(cr, x - h * 0.18, shoulder);
        cairo_line_to(cr, x - h * 0.3, shoulder - 14);
        cairo_move_to(cr, x + h * 0.18, shoulder);
        cairo_line_to(cr, x + h * 0.26 + s * 3, shoulder - 15);
        SetColour(cr, c);
        cairo_set_line_width(cr, 2.5);
        cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
        cairo_stroke(cr);
      }
      break;
    }
    case 4: {  // a bar corner: a counter with bottles and two stools
      for (int k = 0; k < 5; ++k) {
        cairo_rectangle(cr, cx - 14 + k * 6, 82 - (k % 2) * 4, 4, 14 + (k % 2) * 4);
        SetColour(cr, Hsv(0.15 * k + 0.5, 0.6, 0.8), 0.85);
        cairo_fill(cr);
      }
      cairo_rectangle(cr, cx - 18, 96, 36, 2);
      SetColour(cr, club::ChromeLight);
      cairo_fill(cr);
      for (int s = -1; s <= 1; s += 2) {
        cairo_new_sub_path(cr);
        cairo_arc(cr, cx + s * 12, 114, 5, Pi, 2 * Pi);
        SetColour(cr, club::Velvet);
        cairo_fill(cr);
        cairo_rectangle(cr, cx + s * 12 - 1, 114, 2, FloorTop + 4 - 114);
        SetColour(cr, club::ChromeLight);
        cairo_fill(cr);
      }
      break;
    }
    default: {  // a jukebox glowing in three colours
      cairo_move_to(cr, cx - 13, FloorTop + 2);
      cairo_line_to(cr, cx - 13, 90);
      cairo_curve_to(cr, cx - 13, 72, cx + 13, 72, cx + 13, 90);
      cairo_line_to(cr, cx + 13, FloorTop + 2);
      cairo_close_path(cr);
      LinearSource(cr, cx - 13, 0, cx + 13, 0, Rgb8(120, 40, 100), Rgb8(60, 20, 70));
      cairo_fill(cr);
      const Colour bands[3] = {club::Magenta, club::Amber, club::Cyan};
      for (int k = 0; k < 3; ++k) {
        cairo_new_sub_path(cr);
        cairo_arc(cr, cx, 92, 11 - k * 3, Pi, 2 * Pi);
        SetColour(cr, bands[k]);
        cairo_set_line_width(cr, 1.5);
        cairo_stroke(cr);
      }
      cairo_rectangle(cr, cx - 8, 100, 16, 10);
      SetColour(cr, Rgb8(255, 220, 160));
      cairo_fill(cr);
      break;
    } break;
  }
}

// Everything on the panorama that stands at a place (rooms and decorations), drawn at panorama x.
void Places(cairo_t* cr, double shift) {
  const auto& rooms = RoomLooks();
  const std::function<void(cairo_t*, double)> drawRoom[10] = {Multiplayer,
                                                              InstantPlay,
                                                              HellGate,
                                                              CardShop,
                                                              [](cairo_t* c, double x) { Tournament(c, x, 0); },
                                                              [](cairo_t* c, double x) { Tournament(c, x, 1); },
                                                              [](cairo_t* c, double x) { Tournament(c, x, 2); },
                                                              Options,
                                                              CharacterCreation,
                                                              Quit};
  for (int p = 1; p <= corridor::Pictures; ++p) {
    int nearest = 99;
    for (const RoomLook& r : rooms) {
      const int d = std::abs(r.position - p);
      nearest = std::min(nearest, std::min(d, corridor::Pictures - d));
    }
    if (nearest >= 2) Decoration(cr, CentreOf(p) + shift, p);
  }
  for (std::size_t r = 0; r < rooms.size(); ++r) drawRoom[r](cr, CentreOf(rooms[r].position) + shift);
}

}  // namespace

std::vector<RgbPicture> DrawCorridorPictures() {
  // The panorama, one period wide; places near the seam are drawn on both sides of it.
  cairo_surface_t* strip = cairo_image_surface_create(CAIRO_FORMAT_ARGB32, Span, corridor::Height);
  cairo_t* cr = cairo_create(strip);
  cairo_set_antialias(cr, CAIRO_ANTIALIAS_GRAY);
  Ceiling(cr);
  Wall(cr);
  Floor(cr);
  for (double shift : {-static_cast<double>(Span), 0.0, static_cast<double>(Span)}) Places(cr, shift);
  cairo_destroy(cr);
  cairo_surface_flush(strip);
  std::vector<RgbPicture> pictures;
  for (int n = 1; n <= corridor::Pictures; ++n) {
    ArtCanvas canvas(corridor::Width, corridor::Height);
    const double x0 = CentreOf(n) - corridor::Width / 2.0;
    for (double shift : {0.0, static_cast<double>(Span)}) {
      cairo_set_source_surface(canvas.Cr(), strip, -x0 + shift, 0);
      cairo_paint(canvas.Cr());
    }
    // The far ends of the view fall into shadow, so the arrows stand out.
    for (int side = 0; side < 2; ++side) {
      cairo_pattern_t* g = cairo_pattern_create_linear(side ? 240 : 0, 0, side ? 200 : 40, 0);
      cairo_pattern_add_color_stop_rgba(g, 0, 0.04, 0.02, 0.1, 0.55);
      cairo_pattern_add_color_stop_rgba(g, 1, 0.04, 0.02, 0.1, 0.0);
      cairo_set_source(canvas.Cr(), g);
      cairo_rectangle(canvas.Cr(), side ? 200 : 0, 0, 40, corridor::Height);
      cairo_fill(canvas.Cr());
      cairo_pattern_destroy(g);
    }
    pictures.push_back(canvas.Opaque());
  }
  cairo_surface_destroy(strip);
  return pictures;
}

RgbPicture DrawCorridorPicture(int position) {
  return DrawCorridorPictures().at(static_cast<std::size_t>(position - 1));
}
