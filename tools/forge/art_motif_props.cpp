// art_motif_props.cpp -- what the older emblems gain with rank: a prop or a detail per level (v = level - 1).
#include <cmath>

#include "tools/forge/art_motif_kit.h"

using namespace motif_kit;

namespace {

const Colour Gold = Rgb8(250, 206, 84);

void Notes(cairo_t* cr, const MotifPaint& p, int n, double x0, double y0) {
  for (int i = 0; i < n; ++i) {
    const double x = x0 + 0.18 * i, y = y0 - 0.18 * i;
    Ellipse(cr, x, y, 0.07, 0.05);
    Fill(cr, p.glow);
    Line(cr, p, p.glow, 0.8, {x + 0.06, y, x + 0.06, y - 0.22});
  }
}

void Moon(cairo_t* cr, const MotifPaint& p, double x, double y, double r) {
  Circle(cr, x, y, r);
  Fill(cr, Rgb8(250, 240, 205));
  Circle(cr, x + r * 0.45, y - r * 0.3, r * 0.85);
  Fill(cr, Scale(p.ink, 1.6));
}

void Stars(cairo_t* cr, int n, Colour c) {
  static const double spots[5][2] = {{-0.8, -0.75}, {0.78, -0.7}, {-0.85, 0.2}, {0.85, 0.15}, {0.55, -0.95}};
  for (int i = 0; i < n && i < 5; ++i) {
    StarPath(cr, spots[i][0], spots[i][1], 0.1, 4);
    Fill(cr, c);
  }
}

}  // namespace

void DrawMotifProps(cairo_t* cr, Motif motif, const MotifPaint& p, int v) {
  switch (motif) {
    case Motif::Owl:  // a branch, then the moon it watches by
      if (v >= 1) Line(cr, p, Rgb8(120, 84, 50), 2, {-0.95, 0.92, 0.95, 0.85});
      if (v >= 3) Moon(cr, p, 0.75, -0.75, 0.2);
      break;
    case Motif::Fox:  // a bow tie, then a cane
      if (v >= 2) {
        Poly(cr, {0, 0.55, -0.2, 0.45, -0.2, 0.65});
        Poly(cr, {0, 0.55, 0.2, 0.45, 0.2, 0.65});
        Paint(cr, p, p.accent);
      }
      if (v >= 3) {
        Line(cr, p, Rgb8(40, 30, 40), 1.8, {0.75, 0.95, 0.75, 0.1});
        Circle(cr, 0.75, 0.08, 0.07);
        Fill(cr, Gold);
      }
      break;
    case Motif::Ball:  // beams thrown from its facets
      for (int i = 0; i < 2 * v; ++i) {
        const double a = -Pi / 2 + (i - v + 0.5) * 0.45;
        Line(cr, p, Mix(p.glow, White, 0.5), 0.8,
             {0.85 * std::cos(a), 0.1 + 0.85 * std::sin(a), 1.4 * std::cos(a), 0.1 + 1.4 * std::sin(a)});
      }
      break;
    case Motif::Glass:  // olives on a pick, one more each level
      for (int i = 0; i < 1 + v && i < 3; ++i) {
        Circle(cr, -0.35 + 0.18 * i, -0.45 - 0.12 * i, 0.09);
        Paint(cr, p, Rgb8(120, 170, 60));
      }
      if (v >= 1) Line(cr, p, Gold, 0.8, {-0.5, -0.3, 0.0, -0.85});
      break;
    case Motif::Serpent:
      if (v >= 2) Poly(cr, {0.28, -0.6, 0.3, -0.45, 0.34, -0.6});
      if (v >= 2) Fill(cr, White);
      if (v >= 3) {  // a crest of smoke spikes
        for (int i = 0; i < 3; ++i) Poly(cr, {0.2 + 0.1 * i, -0.86, 0.25 + 0.1 * i, -1.0, 0.3 + 0.1 * i, -0.84});
        Fill(cr, p.accent);
      }
      break;
    case Motif::Dice:  // a third die, then gold pips
      if (v >= 2) {
        cairo_save(cr);
        cairo_translate(cr, 0.55, -0.55);
        cairo_rotate(cr, 0.7);
        RoundRect(cr, -0.22, -0.22, 0.44, 0.44, 0.07);
        Paint(cr, p, v >= 3 ? Gold : Scale(p.body, 0.7));
        Circle(cr, 0, 0, 0.06);
        Fill(cr, p.ink);
        cairo_restore(cr);
      }
      break;
    case Motif::Record:  // a gold label at the top
      if (v >= 3) {
        Circle(cr, 0, 0, 0.3);
        Fill(cr, Gold);
        Circle(cr, 0, 0, 0.05);
        Fill(cr, p.ink);
      }
      break;
    case Motif::Spotlight:  // a second beam, then sun rays
      if (v >= 2) {
        Poly(cr, {0.6, -0.9, 0.75, -0.95, 0.2, 0.95, -0.2, 0.95});
        SetColour(cr, White, 0.25);
        cairo_fill(cr);
      }
      if (v >= 3) Stars(cr, 4, Rgb8(255, 250, 215));
      break;
    case Motif::Saxophone:
      Notes(cr, p, v, -0.85, 0.1);
      break;
    case Motif::Gargoyle:  // a spire behind, then bells
      if (v >= 2) {
        Poly(cr, {-0.95, 0.95, -0.95, -0.2, -0.8, -0.7, -0.65, -0.2, -0.65, 0.95});
        Fill(cr, Scale(p.body, 0.5));
      }
      if (v >= 3) {
        Poly(cr, {0.7, -0.95, 0.85, -0.6, 0.55, -0.6});
        Fill(cr, Gold);
      }
      break;
    case Motif::Bird:  // a note in its beak, then the midnight clock
      if (v >= 1) {
        cairo_rectangle(cr, 0.55, -0.35, 0.22, 0.15);
        Fill(cr, White);
      }
      if (v >= 3) {
        Circle(cr, -0.7, -0.7, 0.22);
        Paint(cr, p, Rgb8(240, 236, 220));
        Line(cr, p, p.ink, 0.8, {-0.7, -0.7, -0.7, -0.86});
      }
      break;
    case Motif::Dancers:  // a rose, then confetti
      if (v >= 1) {
        Circle(cr, 0.0, -0.5, 0.06);
        Fill(cr, Rgb8(230, 30, 60));
      }
      if (v >= 2) Stars(cr, v + 1, p.glow);
      break;
    case Motif::Keys:  // knobs, then cables, then waves
      if (v >= 1)
        for (int i = 0; i < 4; ++i) {
          Circle(cr, -0.6 + 0.4 * i, 0.62, 0.08);
          Paint(cr, p, p.accent);
        }
      if (v >= 2) {
        cairo_move_to(cr, -0.9, 0.5);
        cairo_curve_to(cr, -1.0, 0.9, -0.4, 1.0, -0.2, 0.7);
        SetColour(cr, p.glow);
        cairo_set_line_width(cr, 1.2 * p.px);
        cairo_stroke(cr);
      }
      if (v >= 3) {
        cairo_move_to(cr, -0.8, -0.8);
        for (int i = 0; i < 4; ++i)
          cairo_curve_to(cr, -0.7 + 0.4 * i, -1.0, -0.6 + 0.4 * i, -0.6, -0.4 + 0.4 * i, -0.8);
        SetColour(cr, Mix(p.glow, White, 0.4));
        cairo_set_line_width(cr, 1.2 * p.px);
        cairo_stroke(cr);
      }
      break;
    case Motif::Sign:  // an arrow, then the skyline below
      if (v >= 2) {
        Poly(cr, {0.3, 0.6, 0.85, 0.6, 0.85, 0.5, 1.0, 0.7, 0.85, 0.9, 0.85, 0.8, 0.3, 0.8});
        Fill(cr, p.glow);
      }
      if (v >= 3)
        for (int i = 0; i < 5; ++i) {
          cairo_rectangle(cr, -0.95 + 0.25 * i, 0.7 - 0.08 * (i % 3), 0.2, 0.3);
          Fill(cr, Scale(p.ink, 1.5));
        }
      break;
    case Motif::Wheel:  // lights round the rim
      for (int i = 0; i < 4 * v; ++i) {
        const double a = i * 2 * Pi / (4 * v);
        Circle(cr, 0.82 * std::cos(a), 0.82 * std::sin(a), 0.045);
        Fill(cr, Rgb8(255, 245, 190));
      }
      break;
    case Motif::Lipstick:  // a kiss mark
      if (v >= 2) {
        Ellipse(cr, -0.6, -0.6, 0.2, 0.1);
        Fill(cr, Rgb8(220, 30, 60));
      }
      if (v >= 3) Stars(cr, 3, p.glow);
      break;
    case Motif::Robot:  // fists, then shoulder lights
      if (v >= 2)
        for (int s : {-1, 1}) {
          RoundRect(cr, 0.72 * s - 0.14, 0.3, 0.28, 0.35, 0.06);
          Paint(cr, p, Scale(p.body, 0.9));
        }
      if (v >= 3)
        for (int s : {-1, 1}) {
          Circle(cr, 0.55 * s, 0.3, 0.07);
          Fill(cr, p.glow);
        }
      break;
    case Motif::Spider:  // its web behind
      for (int k = 0; k < v; ++k) {
        cairo_new_sub_path(cr);
        cairo_arc(cr, 0, -0.3, 0.55 + 0.2 * k, Pi * 1.05, Pi * 1.95);
        SetColour(cr, Rgb8(230, 200, 230), 0.7);
        cairo_set_line_width(cr, 0.6 * p.px);
        cairo_stroke(cr);
      }
      break;
    case Motif::Cloud:  // the machine under it, its cannon, then night
      if (v >= 1) {
        RoundRect(cr, -0.45, 0.65, 0.9, 0.3, 0.05);
        Paint(cr, p, Rgb8(70, 68, 90));
      }
      if (v >= 2) {
        RoundRect(cr, 0.45, 0.7, 0.35, 0.15, 0.04);
        Paint(cr, p, Rgb8(120, 120, 140));
      }
      if (v >= 3) Stars(cr, 4, Rgb8(255, 250, 215));
      break;
    case Motif::Rat:  // a disco medallion
      if (v >= 1) {
        Circle(cr, 0, 0.9, 0.1);
        Paint(cr, p, Gold);
      }
      break;
    case Motif::LavaLamp:  // more wax rising, then a totem's eyes
      for (int i = 0; i < v; ++i) {
        Ellipse(cr, 0.12 - 0.08 * i, -0.25 - 0.2 * i, 0.08, 0.1);
        Fill(cr, p.accent);
      }
      if (v >= 3) {
        Eyes(cr, p, 0.7, 0.1, 0.05, p.glow);
      }
      break;
    case Motif::Car:  // the taxi's roof light, then its ghostly glow
      RoundRect(cr, -0.12, -0.62, 0.24, 0.16, 0.03);
      Paint(cr, p, Rgb8(255, 220, 80));
      if (v >= 2) {
        Ellipse(cr, 0, 0.62, 0.9, 0.08);
        SetColour(cr, p.glow, 0.6);
        cairo_fill(cr);
      }
      if (v >= 3) Moon(cr, p, -0.7, -0.75, 0.18);
      break;
    case Motif::Flame:  // a blue heart, then the salamander's eyes
      if (v >= 2) {
        Ellipse(cr, 0, 0.55, 0.15, 0.22);
        Fill(cr, Rgb8(90, 160, 255));
      }
      if (v >= 3) Eyes(cr, p, 0.1, 0.15, 0.06, Rgb8(40, 20, 30));
      break;
    case Motif::Crown:  // jewels on every point, then a cushion
      if (v >= 1) Circle(cr, -0.45, -0.05, 0.07);
      if (v >= 1) Circle(cr, 0.45, -0.05, 0.07);
      if (v >= 1) Fill(cr, Rgb8(120, 220, 255));
      if (v >= 3) {
        Ellipse(cr, 0, 0.8, 0.85, 0.15);
        Paint(cr, p, Rgb8(150, 20, 50));
      }
      break;
    case Motif::Clock:  // a tower roof, then wings of the hours
      if (v >= 2) {
        Poly(cr, {-0.6, -0.72, 0, -1.0, 0.6, -0.72});
        Paint(cr, p, Scale(p.body, 0.7));
      }
      if (v >= 3)
        for (int s : {-1, 1}) {
          Poly(cr, {0.82 * s, 0.0, 1.0 * s, -0.4, 0.95 * s, 0.3});
          Fill(cr, Gold);
        }
      break;
    case Motif::Rose:  // thorns, then falling petals
      if (v >= 2)
        for (int i = 0; i < 3; ++i) {
          Poly(cr, {0.04, 0.3 + 0.2 * i, 0.16, 0.35 + 0.2 * i, 0.05, 0.4 + 0.2 * i});
          Fill(cr, Rgb8(60, 150, 80));
        }
      if (v >= 3) {
        Ellipse(cr, -0.6, 0.5, 0.1, 0.06);
        Ellipse(cr, 0.65, 0.3, 0.08, 0.05);
        Fill(cr, p.body);
      }
      break;
    case Motif::Lightning:  // the coil, its top ball, more bolts
      if (v >= 1) {
        RoundRect(cr, -0.25, 0.75, 0.5, 0.22, 0.04);
        Paint(cr, p, Rgb8(150, 110, 70));
      }
      if (v >= 2) {
        Circle(cr, 0.3, -0.9, 0.1);
        Paint(cr, p, Rgb8(220, 224, 240));
      }
      if (v >= 3) {
        Line(cr, p, p.glow, 1.2, {-0.9, -0.5, -0.6, -0.3, -0.8, -0.1});
        Line(cr, p, p.glow, 1.2, {0.9, 0.1, 0.6, 0.3, 0.85, 0.5});
      }
      break;
    case Motif::Star:  // more stars in its wake
      Stars(cr, v + 1, Rgb8(255, 250, 215));
      break;
    case Motif::Fish:  // whiskers, then a dragon's horns
      if (v >= 2) Line(cr, p, p.glow, 1, {-0.75, 0.05, -0.95, 0.35});
      if (v >= 3) {
        Poly(cr, {-0.55, -0.3, -0.65, -0.65, -0.45, -0.35});
        Fill(cr, Gold);
      }
      break;
    case Motif::TopHat:  // a gold band, then a plume
      if (v >= 2) {
        cairo_rectangle(cr, -0.5, 0.15, 1.0, 0.08);
        Fill(cr, Gold);
      }
      if (v >= 3) {
        cairo_move_to(cr, -0.4, 0.15);
        cairo_curve_to(cr, -0.8, -0.2, -0.7, -0.7, -0.45, -0.9);
        SetColour(cr, White);
        cairo_set_line_width(cr, 2.5 * p.px);
        cairo_stroke(cr);
      }
      break;
    case Motif::Fangs:  // bats about the countess
      for (int i = 0; i < v; ++i) {
        const double x = i % 2 ? 0.7 : -0.7, y = -0.75 + 0.3 * (i / 2);
        Poly(cr, {x - 0.2, y, x - 0.05, y + 0.05, x, y + 0.12, x + 0.05, y + 0.05, x + 0.2, y, x, y - 0.05});
        Fill(cr, Rgb8(30, 24, 40));
      }
      break;
    case Motif::Chandelier:  // a second tier of drops
      if (v >= 2)
        for (int i = 0; i < 4; ++i) {
          const double x = -0.6 + 0.4 * i;
          Poly(cr, {x, 0.45, x + 0.06, 0.6, x, 0.75, x - 0.06, 0.6});
          Fill(cr, p.accent, 0.9);
        }
      if (v >= 3) Stars(cr, 4, Rgb8(255, 250, 230));
      break;
    case Motif::Curtain:  // footlights, then the show's stars
      for (int i = 0; i < v; ++i) {
        Circle(cr, -0.3 + 0.3 * i, 0.92, 0.06);
        Fill(cr, Rgb8(255, 240, 170));
      }
      break;
    case Motif::Camera:  // more flashes
      Stars(cr, v, Rgb8(255, 255, 235));
      break;
    case Motif::Dragon:  // whiskers, then fire
      if (v >= 2) Line(cr, p, p.glow, 1, {0.85, -0.05, 1.0, 0.2});
      if (v >= 3)
        for (int i = 0; i < 2; ++i) {
          Poly(cr, {0.9, 0.0 + 0.1 * i, 1.0, -0.1 + 0.1 * i, 1.0, 0.15 + 0.1 * i});
          Fill(cr, i ? Rgb8(255, 210, 60) : Rgb8(255, 80, 40));
        }
      break;
    case Motif::Cat:  // a fish bone, a torn ear
      if (v >= 1) Line(cr, p, White, 1, {-0.95, 0.85, -0.55, 0.85});
      if (v >= 2) Poly(cr, {0.38, -0.85, 0.45, -0.72, 0.3, -0.7});
      if (v >= 2) Fill(cr, Rgb8(30, 24, 40));
      break;
    case Motif::Cassette:  // a chrome shine, then a gold label
      if (v >= 2) Line(cr, p, White, 1, {-0.85, 0.45, -0.6, 0.2});
      if (v >= 3) {
        cairo_rectangle(cr, -0.7, -0.42, 1.4, 0.08);
        Fill(cr, Gold);
      }
      break;
    case Motif::Jellyfish:  // glowing spots, then a deep-sea light
      for (int i = 0; i < v; ++i) {
        Circle(cr, -0.3 + 0.3 * i, -0.3, 0.06);
        Fill(cr, Rgb8(255, 255, 230));
      }
      break;
    case Motif::Train:  // a tunnel mouth, then stars above
      if (v >= 2) {
        cairo_new_sub_path(cr);
        cairo_arc(cr, 0, 0.3, 0.95, Pi * 1.1, Pi * 1.9);
        SetColour(cr, Rgb8(150, 140, 160));
        cairo_set_line_width(cr, 2 * p.px);
        cairo_stroke(cr);
      }
      break;
    case Motif::Lamp:  // rain, then a second lamp
      for (int i = 0; i < 2 * v; ++i)
        Line(cr, p, Rgb8(170, 200, 255), 0.7,
             {-0.85 + 0.25 * i, -0.3 + 0.2 * (i % 3), -0.9 + 0.25 * i, -0.1 + 0.2 * (i % 3)});
      break;
    case Motif::Mask:  // feathers
      for (int i = 0; i < v; ++i) {
        cairo_move_to(cr, -0.7, -0.3);
        cairo_curve_to(cr, -0.9 + 0.1 * i, -0.7, -0.6 + 0.15 * i, -0.9, -0.5 + 0.2 * i, -1.0);
        SetColour(cr, i % 2 ? p.glow : p.accent);
        cairo_set_line_width(cr, 2 * p.px);
        cairo_stroke(cr);
      }
      break;
    case Motif::Cabinet:  // bubbling tubes, then notes
      if (v >= 2)
        for (int s : {-1, 1}) {
          Circle(cr, 0.5 * s, 0.1, 0.05);
          Circle(cr, 0.52 * s, 0.35, 0.04);
          Fill(cr, Rgb8(255, 240, 180));
        }
      if (v >= 3) Notes(cr, p, 2, 0.6, -0.6);
      break;
    case Motif::Wolf:  // the moon, then red eyes
      if (v >= 2) Moon(cr, p, 0.72, -0.75, 0.2);
      if (v >= 3) {
        Ellipse(cr, -0.25, -0.15, 0.06, 0.04);
        Ellipse(cr, 0.25, -0.15, 0.06, 0.04);
        Fill(cr, Rgb8(255, 40, 40));
      }
      break;
    case Motif::Eye:  // a crystal ball, then cards
      if (v >= 1) {
        Circle(cr, 0, 0.72, 0.22);
        SetColour(cr, Mix(p.glow, White, 0.5), 0.8);
        cairo_fill(cr);
      }
      if (v >= 3)
        for (int s : {-1, 1}) {
          RoundRect(cr, 0.7 * s - 0.1, 0.5, 0.2, 0.3, 0.03);
          Paint(cr, p, White);
        }
      break;
    case Motif::Moth:
    case Motif::Bat:
      if (v >= 1) Stars(cr, v, Mix(p.glow, White, 0.6));
      break;
    default:
      break;
  }
}
