// art_palette.cpp -- colour helpers and the card families' colours.
#include "tools/forge/art_palette.h"

#include <cmath>

Colour Hsv(double hue, double saturation, double value) {
  double h = hue - std::floor(hue);
  h *= 6;
  const int sector = static_cast<int>(h) % 6;
  const double f = h - std::floor(h);
  const double p = value * (1 - saturation), q = value * (1 - saturation * f), t = value * (1 - saturation * (1 - f));
  switch (sector) {
    case 0:
      return Colour{value, t, p};
    case 1:
      return Colour{q, value, p};
    case 2:
      return Colour{p, value, t};
    case 3:
      return Colour{p, q, value};
    case 4:
      return Colour{t, p, value};
    default:
      return Colour{value, p, q};
  }
}

FamilyColours ColoursOfFamily(int family) {
  const double hue = 0.05 + family * 0.6180339887;
  const Colour neons[4] = {club::Magenta, club::Cyan, club::Amber, Rgb8(170, 110, 255)};
  FamilyColours c;
  c.body = Hsv(hue, 0.5 + 0.1 * (family % 3), 0.88);
  c.accent = Hsv(hue + 0.45, 0.7, 1.0);
  c.glow = Mix(neons[family % 4], Hsv(hue, 0.8, 1.0), 0.3);
  c.ink = Hsv(hue, 0.6, 0.16);
  c.backTop = Mix(club::Indigo, Hsv(hue, 0.7, 0.4), 0.35);
  c.backBottom = Mix(club::Violet, Hsv(hue + 0.1, 0.7, 0.2), 0.4);
  return c;
}
