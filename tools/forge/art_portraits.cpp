// art_portraits.cpp -- the 45 opponents' portraits: a head-and-shoulders figure built from a few features per
// opponent (hair, skin, age, clothes and one or two things that tell their trade), under their class's light.
#include <cmath>

#include "tools/forge/art_club_draw.h"
#include "tools/forge/art_palette.h"
#include "tools/forge/art_rooms.h"

namespace {

enum Hair { Short, Long, Bob, Bun, Bald, Curly, Mohawk, Ponytail, Slick };
enum Extra : unsigned {
  None = 0,
  Glasses = 1u << 0,
  Cap = 1u << 1,
  ChefHat = 1u << 2,
  Headphones = 1u << 3,
  Flower = 1u << 4,
  CaptainHat = 1u << 5,
  TopHat = 1u << 6,
  Crown = 1u << 7,
  EyeMask = 1u << 8,
  Fangs = 1u << 9,
  WolfEars = 1u << 10,
  FoxMask = 1u << 11,
  Beret = 1u << 12,
  Monocle = 1u << 13,
  Moustache = 1u << 14,
  Beard = 1u << 15,
  Tiara = 1u << 16,
  Shades = 1u << 17,
  Bowtie = 1u << 18,
  Fedora = 1u << 19,
  Feather = 1u << 20,
  Visor = 1u << 21,
  Earrings = 1u << 22,
  Antennae = 1u << 23,
  Turban = 1u << 24,
  Headband = 1u << 25,
  Crescent = 1u << 26,
  Hood = 1u << 27,
  Collar = 1u << 28,
  NurseCap = 1u << 29,
  Goggles = 1u << 30
};

struct Look {
  Hair hair;
  int hairColour;  // index into HairColours
  int skin;        // index into Skins
  unsigned extras;
  Colour clothes;
  bool old;
};

const Colour HairColours[] = {Rgb8(40, 26, 20),    Rgb8(110, 60, 30),   Rgb8(230, 200, 110), Rgb8(190, 190, 200),
                              Rgb8(170, 60, 30),   Rgb8(255, 120, 200), Rgb8(30, 30, 44),    Rgb8(70, 200, 120),
                              Rgb8(245, 245, 250), Rgb8(60, 40, 110)};
const Colour Skins[] = {Rgb8(250, 214, 184), Rgb8(226, 180, 140), Rgb8(180, 124, 86), Rgb8(120, 80, 56),
                        Rgb8(236, 230, 240)};

// In roster order: Guest 0..14, Member 0..14, Elite 0..14.
const Look Looks[45] = {
    {Bob, 4, 0, Beret, Rgb8(200, 80, 120), false},                         // NINA, art student
    {Short, 1, 1, Cap, Rgb8(220, 60, 40), false},                          // TOBY, pizza courier
    {Bun, 3, 0, Glasses, Rgb8(120, 110, 170), true},                       // MARGOT, retired teacher
    {Short, 2, 0, Bowtie, Rgb8(70, 90, 150), false},                       // KEVIN, shoe salesman
    {Curly, 5, 1, Earrings, Rgb8(250, 160, 210), false},                   // SUZIE, hairdresser
    {Bald, 0, 2, Cap | Moustache, Rgb8(230, 190, 40), false},              // BRUNO, taxi driver
    {Ponytail, 0, 2, NurseCap, Rgb8(236, 240, 250), false},                // PRIYA, night nurse
    {Short, 0, 0, Glasses | Bowtie, Rgb8(90, 94, 110), false},             // OSCAR, accountant
    {Long, 1, 1, Flower, Rgb8(80, 170, 90), false},                        // JADE, florist
    {Long, 1, 0, Beard, Rgb8(140, 70, 40), false},                         // FELIX, guitar teacher
    {Ponytail, 2, 1, Cap, Rgb8(250, 200, 60), false},                      // LOLA, tour guide
    {Short, 0, 1, ChefHat | Moustache, Rgb8(245, 245, 250), false},        // HUGO, chef
    {Bob, 2, 0, Headphones, Rgb8(230, 90, 160), false},                    // DAISY, radio host
    {Short, 3, 1, Cap | Moustache, Rgb8(50, 60, 100), true},               // VIKTOR, night watchman
    {Long, 4, 0, Goggles, Rgb8(200, 40, 40), false},                       // ROXANNE, stunt driver
    {Short, 0, 3, Fedora | Beard, Rgb8(60, 50, 90), false},                // ELLIOT, jazz trumpeter
    {Bun, 0, 1, Flower | Earrings, Rgb8(200, 20, 50), false},              // CARMEN, flamenco dancer
    {Bald, 3, 0, Glasses | Moustache, Rgb8(110, 80, 50), true},            // MR FINCH, bookbinder
    {Bob, 6, 0, Feather | Earrings, Rgb8(150, 20, 90), false},             // TALLULAH, cabaret singer
    {Mohawk, 7, 2, Shades, Rgb8(40, 180, 200), false},                     // DEX, bike messenger
    {Bun, 3, 0, Glasses | Earrings, Rgb8(120, 70, 110), true},             // MADAME ORSO, antique dealer
    {Slick, 0, 1, Visor | Bowtie, Rgb8(30, 30, 40), false},                // RICO, croupier
    {Bob, 6, 0, Headphones | Glasses, Rgb8(120, 200, 240), false},         // YUKI, game designer
    {Bald, 0, 1, Beard | Earrings, Rgb8(40, 40, 50), false},               // SILAS, tattoo artist
    {Bun, 2, 0, Tiara, Rgb8(250, 200, 230), false},                        // GISELLE, ballet dancer
    {Short, 3, 3, Moustache | Bowtie, Rgb8(30, 30, 44), true},             // BOOKER, club pianist
    {Long, 4, 0, Fedora, Rgb8(150, 120, 80), false},                       // PENNY, private eye
    {Short, 8, 1, CaptainHat | Beard, Rgb8(30, 50, 110), true},            // CASPIAN, sea captain
    {Long, 9, 0, Earrings, Rgb8(170, 100, 220), false},                    // VERONIQUE, perfumer
    {Short, 3, 0, TopHat | Moustache | Monocle, Rgb8(100, 20, 40), true},  // DUKE ORLANDO, landlord
    {Bob, 8, 0, Fedora | Earrings, Rgb8(26, 22, 30), true},                // MADAME NOIR, club founder
    {Long, 6, 0, Shades, Rgb8(60, 60, 70), false},                         // JOE CHROME, rock legend
    {Long, 8, 4, Antennae, Rgb8(170, 150, 220), false},                    // LADY MOTH, lighting artist
    {Bald, 3, 0, Beard, Rgb8(60, 60, 60), true},                           // VOLKOV, chess master
    {Curly, 4, 0, Tiara | Earrings, Rgb8(180, 20, 60), false},             // SERAPHINE, opera diva
    {Long, 3, 1, Turban | Earrings, Rgb8(110, 40, 130), true},             // THE ORACLE, fortune teller
    {Bald, 0, 2, Headband | Moustache, Rgb8(200, 30, 40), false},          // KAISER, boxing champion
    {Long, 6, 0, Glasses | Crescent, Rgb8(30, 40, 100), false},            // MISS ECLIPSE, astronomer
    {Bald, 3, 4, Hood | Beard, Rgb8(70, 70, 80), true},                    // OLD MORTIMER, gravedigger
    {Bob, 6, 0, EyeMask, Rgb8(24, 22, 30), false},                         // RAVENNA, art thief
    {Slick, 6, 4, Fangs | Collar, Rgb8(120, 10, 30), false},               // COUNT VELOUR, vampire
    {Bun, 3, 1, Crescent | Earrings, Rgb8(40, 30, 60), true},              // MAESTRA LUNA, conductor
    {Long, 9, 4, Crown, Rgb8(30, 20, 80), false},                          // NYX, queen of night
    {Short, 3, 1, WolfEars | Beard, Rgb8(90, 90, 110), true},              // SILVER WOLF, club legend
    {Short, 4, 0, Hood | FoxMask, Rgb8(40, 30, 50), false},                // NIGHTFOX, nobody knows
};

constexpr double Cx = 31, Cy = 30, Rx = 11.5, Ry = 14;

void Ellipse(cairo_t* cr, double x, double y, double rx, double ry) {
  cairo_save(cr);
  cairo_translate(cr, x, y);
  cairo_scale(cr, rx, ry);
  cairo_new_sub_path(cr);
  cairo_arc(cr, 0, 0, 1, 0, 2 * Pi);
  cairo_restore(cr);
}

void Fill(cairo_t* cr, Colour c, double alpha = 1) {
  SetColour(cr, c, alpha);
  cairo_fill(cr);
}

void Stroke(cairo_t* cr, Colour c, double width) {
  SetColour(cr, c);
  cairo_set_line_width(cr, width);
  cairo_stroke(cr);
}

void HairBack(cairo_t* cr, const Look& l, Colour hc) {
  switch (l.hair) {
    case Long:
      cairo_move_to(cr, Cx - Rx - 3, Cy - 4);
      cairo_curve_to(cr, Cx - Rx - 5, Cy + 14, Cx - Rx - 2, Cy + 22, Cx - Rx + 2, Cy + 24);
      cairo_line_to(cr, Cx + Rx - 2, Cy + 24);
      cairo_curve_to(cr, Cx + Rx + 2, Cy + 22, Cx + Rx + 5, Cy + 14, Cx + Rx + 3, Cy - 4);
      cairo_close_path(cr);
      Fill(cr, hc);
      break;
    case Bob:
      RoundRect(cr, Cx - Rx - 3, Cy - Ry, 2 * Rx + 6, Ry + 14, 6);
      Fill(cr, hc);
      break;
    case Curly:
      for (int k = 0; k < 10; ++k) {
        const double a = Pi * 0.9 + k * Pi * 1.2 / 9;
        Ellipse(cr, Cx + (Rx + 3) * std::cos(a), Cy - 2 + (Ry + 2) * std::sin(a), 6, 6);
      }
      Fill(cr, hc);
      break;
    case Ponytail:
      Ellipse(cr, Cx + Rx + 3, Cy + 2, 4, 9);
      Fill(cr, hc);
      break;
    case Bun:
      Ellipse(cr, Cx, Cy - Ry - 3, 6, 5);
      Fill(cr, hc);
      break;
    default:
      break;
  }
}

void HairFront(cairo_t* cr, const Look& l, Colour hc) {
  if (l.hair == Bald) {
    // A fringe round the back of the head.
    cairo_new_sub_path(cr);
    cairo_arc(cr, Cx, Cy + 1, Rx + 0.5, Pi * 0.9, Pi * 1.1);
    cairo_new_sub_path(cr);
    cairo_arc(cr, Cx, Cy + 1, Rx + 0.5, -Pi * 0.1, Pi * 0.1);
    Stroke(cr, hc, 3);
    return;
  }
  if (l.hair == Mohawk) {
    cairo_move_to(cr, Cx - 3, Cy - Ry + 2);
    for (int k = 0; k < 5; ++k) {
      cairo_line_to(cr, Cx - 3 + k * 1.5, Cy - Ry - 8 + (k % 2) * 3);
      cairo_line_to(cr, Cx - 2 + k * 1.5, Cy - Ry + 1);
    }
    cairo_line_to(cr, Cx + 4, Cy - Ry + 2);
    cairo_close_path(cr);
    Fill(cr, hc);
    return;
  }
  // A cap of hair over the top of the head with a fringe.
  cairo_new_path(cr);
  cairo_arc(cr, Cx, Cy - 1, Rx + 1.2, Pi, 2 * Pi);
  if (l.hair == Slick) {
    cairo_line_to(cr, Cx + Rx, Cy - 6);
    cairo_line_to(cr, Cx, Cy - 9);  // a widow's peak
    cairo_line_to(cr, Cx - Rx, Cy - 6);
  } else {
    cairo_curve_to(cr, Cx + Rx, Cy - 5, Cx + 2, Cy - 10, Cx - 4, Cy - 6);
    cairo_curve_to(cr, Cx - 8, Cy - 4, Cx - Rx, Cy - 3, Cx - Rx - 1.2, Cy - 1);
  }
  cairo_close_path(cr);
  Fill(cr, hc);
  if (l.hair == Curly) {
    for (int k = 0; k < 4; ++k) Ellipse(cr, Cx - 8 + k * 5.5, Cy - Ry + 2, 3.5, 3);
    Fill(cr, hc);
  }
}

void Face(cairo_t* cr, const Look& l, Colour skin) {
  const Colour ink = Rgb8(40, 24, 30);
  Ellipse(cr, Cx, Cy, Rx, Ry);
  Fill(cr, skin);
  // Ears.
  Ellipse(cr, Cx - Rx, Cy + 1, 2, 3);
  Ellipse(cr, Cx + Rx, Cy + 1, 2, 3);
  Fill(cr, Scale(skin, 0.9));
  // Eyes, brows, nose, mouth.
  if (!(l.extras & (Shades | EyeMask | FoxMask))) {
    for (int s = -1; s <= 1; s += 2) {
      Ellipse(cr, Cx + s * 4.5, Cy + 1, 1.7, 1.3);
      Fill(cr, Rgb8(250, 250, 255));
      Ellipse(cr, Cx + s * 4.5, Cy + 1, 0.9, 1.1);
      Fill(cr, ink);
    }
  }
  for (int s = -1; s <= 1; s += 2) {
    cairo_move_to(cr, Cx + s * 2.5, Cy - 2.5 - (l.old ? 0.5 : 0));
    cairo_line_to(cr, Cx + s * 7, Cy - 3.2);
  }
  Stroke(cr, Scale(ink, 1.2), 0.9);
  cairo_move_to(cr, Cx, Cy + 2);
  cairo_line_to(cr, Cx - 1, Cy + 6);
  cairo_line_to(cr, Cx + 0.5, Cy + 6.5);
  Stroke(cr, Scale(skin, 0.7), 0.8);
  cairo_move_to(cr, Cx - 3.5, Cy + 9);
  cairo_curve_to(cr, Cx - 1.5, Cy + 10.8, Cx + 1.5, Cy + 10.8, Cx + 3.5, Cy + 9);
  Stroke(cr, Rgb8(160, 50, 70), 1.1);
  if (l.old) {
    for (int s = -1; s <= 1; s += 2) {
      cairo_move_to(cr, Cx + s * 7.5, Cy + 4);
      cairo_line_to(cr, Cx + s * 6, Cy + 8);
    }
    cairo_move_to(cr, Cx - 4, Cy - 6);
    cairo_line_to(cr, Cx + 4, Cy - 6);
    Stroke(cr, Scale(skin, 0.75), 0.6);
  }
}

void Extras(cairo_t* cr, const Look& l, Colour hc, Colour skin) {
  const unsigned e = l.extras;
  const Colour dark = Rgb8(30, 24, 40), gold = Rgb8(250, 210, 90);
  if (e & Moustache) {
    cairo_move_to(cr, Cx - 5, Cy + 8.5);
    cairo_curve_to(cr, Cx - 3, Cy + 6, Cx + 3, Cy + 6, Cx + 5, Cy + 8.5);
    Stroke(cr, hc, 2);
  }
  if (e & Beard) {
    cairo_move_to(cr, Cx - Rx + 1, Cy + 3);
    cairo_curve_to(cr, Cx - Rx + 1, Cy + 16, Cx + Rx - 1, Cy + 16, Cx + Rx - 1, Cy + 3);
    cairo_curve_to(cr, Cx + 6, Cy + 11, Cx - 6, Cy + 11, Cx - Rx + 1, Cy + 3);
    Fill(cr, hc);
  }
  if (e & (Glasses | Goggles)) {
    for (int s = -1; s <= 1; s += 2) {
      cairo_new_sub_path(cr);
      cairo_arc(cr, Cx + s * 4.5, (e & Goggles) ? Cy - 8 : Cy + 1, 3, 0, 2 * Pi);
    }
    Stroke(cr, (e & Goggles) ? Rgb8(120, 200, 255) : dark, 1);
    cairo_move_to(cr, Cx - 1.5, (e & Goggles) ? Cy - 8 : Cy + 1);
    cairo_line_to(cr, Cx + 1.5, (e & Goggles) ? Cy - 8 : Cy + 1);
    Stroke(cr, dark, 0.8);
  }
  if (e & Shades) {
    RoundRect(cr, Cx - 9, Cy - 1.5, 8, 4.5, 1.5);
    RoundRect(cr, Cx + 1, Cy - 1.5, 8, 4.5, 1.5);
    Fill(cr, Rgb8(20, 20, 34));
    cairo_rectangle(cr, Cx - 7, Cy - 1, 3, 1);
    cairo_rectangle(cr, Cx + 3, Cy - 1, 3, 1);
    Fill(cr, Rgb8(200, 230, 255));
  }
  if (e & (EyeMask | FoxMask)) {
    cairo_move_to(cr, Cx - Rx, Cy - 2);
    cairo_curve_to(cr, Cx - 4, Cy - 4, Cx + 4, Cy - 4, Cx + Rx, Cy - 2);
    cairo_line_to(cr, Cx + Rx - 1, Cy + 4);
    cairo_curve_to(cr, Cx + 4, Cy + 5, Cx - 4, Cy + 5, Cx - Rx + 1, Cy + 4);
    cairo_close_path(cr);
    Fill(cr, (e & FoxMask) ? Rgb8(230, 110, 30) : Rgb8(24, 20, 36));
    for (int s = -1; s <= 1; s += 2) Ellipse(cr, Cx + s * 4.5, Cy + 1, 1.8, 1.1);
    Fill(cr, Rgb8(250, 240, 160));
  }
  if (e & Monocle) {
    cairo_new_sub_path(cr);
    cairo_arc(cr, Cx + 4.5, Cy + 1, 3, 0, 2 * Pi);
    Stroke(cr, gold, 1);
    cairo_move_to(cr, Cx + 7.5, Cy + 1);
    cairo_curve_to(cr, Cx + 10, Cy + 8, Cx + 9, Cy + 14, Cx + 11, Cy + 20);
    Stroke(cr, gold, 0.6);
  }
  if (e & Fangs) {
    for (int s = -1; s <= 1; s += 2) {
      cairo_move_to(cr, Cx + s * 2.5, Cy + 9.5);
      cairo_line_to(cr, Cx + s * 1.5, Cy + 12.5);
      cairo_line_to(cr, Cx + s * 0.8, Cy + 9.5);
      cairo_close_path(cr);
    }
    Fill(cr, Rgb8(250, 250, 255));
  }
  if (e & Earrings) {
    for (int s = -1; s <= 1; s += 2) Ellipse(cr, Cx + s * Rx, Cy + 5.5, 1.3, 1.3);
    Fill(cr, gold);
  }
  // Head wear.
  if (e & Cap) {
    cairo_new_path(cr);
    cairo_arc(cr, Cx, Cy - 4, Rx + 1, Pi, 2 * Pi);
    cairo_close_path(cr);
    Fill(cr, Mix(l.clothes, Rgb8(255, 255, 255), 0.1));
    cairo_move_to(cr, Cx - 2, Cy - 4);
    cairo_line_to(cr, Cx - Rx - 7, Cy - 3);
    Stroke(cr, Scale(l.clothes, 0.7), 2.5);
  }
  if (e & ChefHat) {
    cairo_rectangle(cr, Cx - 9, Cy - Ry - 2, 18, 6);
    Fill(cr, Rgb8(245, 245, 250));
    for (int k = -1; k <= 1; ++k) Ellipse(cr, Cx + k * 6, Cy - Ry - 6, 5.5, 5.5);
    Fill(cr, Rgb8(245, 245, 250));
  }
  if (e & Beret) {
    Ellipse(cr, Cx - 2, Cy - Ry + 1, Rx + 2, 4.5);
    Fill(cr, Rgb8(40, 30, 60));
    Ellipse(cr, Cx - 2, Cy - Ry - 3.5, 1.2, 1.2);
    Fill(cr, Rgb8(40, 30, 60));
  }
  if (e & (TopHat | CaptainHat | Fedora)) {
    const Colour c = (e & CaptainHat) ? Rgb8(240, 240, 250) : Rgb8(26, 22, 34);
    const double brimY = Cy - Ry + 4;
    Ellipse(cr, Cx, brimY, Rx + ((e & Fedora) ? 7 : 4), 2.2);
    Fill(cr, (e & CaptainHat) ? Rgb8(20, 24, 60) : c);
    if (e & TopHat) {
      cairo_rectangle(cr, Cx - 8, brimY - 15, 16, 15);
      Fill(cr, c);
      cairo_rectangle(cr, Cx - 8, brimY - 4, 16, 2);
      Fill(cr, Rgb8(170, 30, 60));
    } else {
      cairo_move_to(cr, Cx - 9, brimY);
      cairo_curve_to(cr, Cx - 9, brimY - 10, Cx + 9, brimY - 10, Cx + 9, brimY);
      cairo_close_path(cr);
      Fill(cr, c);
      cairo_rectangle(cr, Cx - 9, brimY - 3, 18, 2);
      Fill(cr, (e & CaptainHat) ? gold : Rgb8(120, 40, 60));
    }
  }
  if (e & (Crown | Tiara)) {
    const double base = Cy - Ry + ((e & Crown) ? 1 : 3);
    cairo_move_to(cr, Cx - 8, base);
    const int points = (e & Crown) ? 5 : 3;
    for (int k = 0; k <= points * 2; ++k)
      cairo_line_to(cr, Cx - 8 + k * 16.0 / (points * 2), base - ((k % 2) ? ((e & Crown) ? 8 : 4) : 0));
    cairo_close_path(cr);
    Fill(cr, gold);
  }
  if (e & Headphones) {
    cairo_new_path(cr);
    cairo_arc(cr, Cx, Cy, Rx + 2, Pi * 1.05, Pi * 1.95);
    Stroke(cr, Rgb8(40, 40, 60), 2);
    for (int s = -1; s <= 1; s += 2) {
      RoundRect(cr, Cx + s * (Rx + 1) - 2.5, Cy - 2, 5, 8, 2);
      Fill(cr, Rgb8(250, 80, 160));
    }
  }
  if (e & Flower) {
    for (int k = 0; k < 5; ++k) {
      const double a = k * 2 * Pi / 5;
      Ellipse(cr, Cx - Rx + 1 + 2.5 * std::cos(a), Cy - 8 + 2.5 * std::sin(a), 2, 2);
    }
    Fill(cr, Rgb8(250, 60, 90));
    Ellipse(cr, Cx - Rx + 1, Cy - 8, 1.2, 1.2);
    Fill(cr, gold);
  }
  if (e & Feather) {
    cairo_move_to(cr, Cx + 6, Cy - 10);
    cairo_curve_to(cr, Cx + 10, Cy - 22, Cx + 16, Cy - 26, Cx + 18, Cy - 28);
    cairo_curve_to(cr, Cx + 14, Cy - 20, Cx + 12, Cy - 14, Cx + 8, Cy - 9);
    cairo_close_path(cr);
    Fill(cr, Rgb8(250, 120, 220));
  }
  if (e & Visor) {
    cairo_move_to(cr, Cx - Rx - 1, Cy - 6);
    cairo_curve_to(cr, Cx - 4, Cy - 10, Cx + 4, Cy - 10, Cx + Rx + 1, Cy - 6);
    cairo_line_to(cr, Cx + Rx - 1, Cy - 3);
    cairo_curve_to(cr, Cx + 4, Cy - 6, Cx - 4, Cy - 6, Cx - Rx + 1, Cy - 3);
    cairo_close_path(cr);
    Fill(cr, Rgb8(40, 180, 90), 0.85);
  }
  if (e & NurseCap) {
    cairo_move_to(cr, Cx - 7, Cy - Ry + 2);
    cairo_line_to(cr, Cx + 7, Cy - Ry + 2);
    cairo_line_to(cr, Cx + 5, Cy - Ry - 4);
    cairo_line_to(cr, Cx - 5, Cy - Ry - 4);
    cairo_close_path(cr);
    Fill(cr, Rgb8(250, 250, 255));
    cairo_rectangle(cr, Cx - 0.8, Cy - Ry - 3, 1.6, 4);
    cairo_rectangle(cr, Cx - 2, Cy - Ry - 1.8, 4, 1.6);
    Fill(cr, Rgb8(230, 40, 60));
  }
  if (e & Headband) {
    cairo_rectangle(cr, Cx - Rx, Cy - 8, 2 * Rx, 3);
    Fill(cr, Rgb8(230, 40, 50));
  }
  if (e & Turban) {
    Ellipse(cr, Cx, Cy - Ry + 1, Rx + 3, 7);
    Fill(cr, Rgb8(130, 40, 160));
    Ellipse(cr, Cx, Cy - Ry + 1, 2, 2);
    Fill(cr, Rgb8(90, 230, 200));
  }
  if (e & Crescent) {
    cairo_new_sub_path(cr);
    cairo_arc(cr, Cx + 8, Cy - 12, 4, 0, 2 * Pi);
    cairo_new_sub_path(cr);
    cairo_arc_negative(cr, Cx + 9.5, Cy - 13, 3.3, 2 * Pi, 0);
    cairo_set_fill_rule(cr, CAIRO_FILL_RULE_EVEN_ODD);
    Fill(cr, Rgb8(250, 240, 170));
    cairo_set_fill_rule(cr, CAIRO_FILL_RULE_WINDING);
  }
  if (e & Antennae) {
    for (int s = -1; s <= 1; s += 2) {
      cairo_move_to(cr, Cx + s * 3, Cy - Ry + 1);
      cairo_curve_to(cr, Cx + s * 5, Cy - Ry - 6, Cx + s * 10, Cy - Ry - 8, Cx + s * 12, Cy - Ry - 10);
    }
    Stroke(cr, Rgb8(200, 180, 255), 1);
    for (int s = -1; s <= 1; s += 2) Ellipse(cr, Cx + s * 12, Cy - Ry - 10, 1.8, 1.8);
    Fill(cr, club::Cyan);
  }
  if (e & WolfEars) {
    for (int s = -1; s <= 1; s += 2) {
      cairo_move_to(cr, Cx + s * 4, Cy - Ry + 2);
      cairo_line_to(cr, Cx + s * 11, Cy - Ry - 7);
      cairo_line_to(cr, Cx + s * 11, Cy - Ry + 5);
      cairo_close_path(cr);
    }
    Fill(cr, hc);
  }
  (void)skin;
}

void DrawHood(cairo_t* cr, Colour c, bool front) {
  if (!front) {
    Ellipse(cr, Cx, Cy - 1, Rx + 5, Ry + 5);
    Fill(cr, c);
    return;
  }
  cairo_new_path(cr);
  cairo_arc(cr, Cx, Cy - 1, Rx + 5, Pi, 2 * Pi);
  cairo_arc_negative(cr, Cx, Cy - 1, Rx + 1, 2 * Pi, Pi);
  cairo_close_path(cr);
  Fill(cr, Scale(c, 1.2));
}

}  // namespace

RgbPicture DrawPortrait(int number) {
  using namespace rooms;
  const int index = (number - 1) % 45;
  const Look& l = Looks[index];
  const int klass = index / 15;
  const Colour light[3] = {club::Cyan, club::Magenta, club::Amber};
  ArtCanvas canvas(PortraitW, PortraitH);
  cairo_t* cr = canvas.Cr();
  // The room behind: the class's colour in a spotlight.
  FillGradient(cr, 0, 0, PortraitW, PortraitH, Mix(Rgb8(20, 10, 44), light[klass], 0.25), Rgb8(16, 8, 34));
  cairo_pattern_t* spot = cairo_pattern_create_radial(Cx, 26, 2, Cx, 26, 36);
  cairo_pattern_add_color_stop_rgba(spot, 0, light[klass].r, light[klass].g, light[klass].b, 0.45);
  cairo_pattern_add_color_stop_rgba(spot, 1, light[klass].r, light[klass].g, light[klass].b, 0.0);
  cairo_set_source(cr, spot);
  cairo_paint(cr);
  cairo_pattern_destroy(spot);
  const Colour hc = HairColours[l.hair == Bald && !(l.extras & Beard) ? 3 : l.hairColour];
  const Colour hair = HairColours[l.hairColour];
  const Colour skin = Skins[l.skin];
  if (l.extras & Hood) DrawHood(cr, l.clothes, false);
  HairBack(cr, l, hair);
  // Shoulders and neck.
  cairo_rectangle(cr, Cx - 4, Cy + 10, 8, 10);
  Fill(cr, Scale(skin, 0.9));
  cairo_move_to(cr, 3, PortraitH);
  cairo_curve_to(cr, 4, 52, 12, 47, Cx - 5, 46);
  cairo_line_to(cr, Cx + 5, 46);
  cairo_curve_to(cr, 50, 47, 58, 52, 59, PortraitH);
  cairo_close_path(cr);
  LinearSource(cr, 0, 46, 0, PortraitH, l.clothes, Scale(l.clothes, 0.6));
  cairo_fill(cr);
  cairo_move_to(cr, Cx - 5, 46);
  cairo_line_to(cr, Cx, 53);
  cairo_line_to(cr, Cx + 5, 46);
  Stroke(cr, Mix(l.clothes, Rgb8(255, 255, 255), 0.4), 1);
  if (l.extras & Collar) {
    for (int s = -1; s <= 1; s += 2) {
      cairo_move_to(cr, Cx + s * 5, 47);
      cairo_line_to(cr, Cx + s * 17, 30);
      cairo_line_to(cr, Cx + s * 14, 50);
      cairo_close_path(cr);
    }
    Fill(cr, Rgb8(150, 16, 40));
  }
  if (l.extras & Bowtie) {
    cairo_move_to(cr, Cx, 48);
    cairo_line_to(cr, Cx - 5, 45.5);
    cairo_line_to(cr, Cx - 5, 50.5);
    cairo_close_path(cr);
    cairo_move_to(cr, Cx, 48);
    cairo_line_to(cr, Cx + 5, 45.5);
    cairo_line_to(cr, Cx + 5, 50.5);
    cairo_close_path(cr);
    Fill(cr, Rgb8(200, 30, 60));
  }
  Face(cr, l, skin);
  HairFront(cr, l, hc);
  Extras(cr, l, hair, skin);
  if (l.extras & Hood) DrawHood(cr, l.clothes, true);
  // The frame of the picture.
  cairo_rectangle(cr, 0.5, 0.5, PortraitW - 1, PortraitH - 1);
  SetColour(cr, light[klass]);
  cairo_set_line_width(cr, 1);
  cairo_stroke(cr);
  return canvas.Opaque();
}
