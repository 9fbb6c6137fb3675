// art_palette.h -- the club's colours: the room tones, the neon accents, the two sides, and each card family's colours.
#pragma once

#include "tools/forge/art_canvas.h"

Colour Hsv(double hue, double saturation, double value);  // hue in turns (0..1, wraps)

namespace club {
const Colour Indigo = Rgb8(26, 18, 64);
const Colour DeepIndigo = Rgb8(14, 10, 36);
const Colour Violet = Rgb8(70, 30, 110);
const Colour Velvet = Rgb8(110, 24, 70);
const Colour Magenta = Rgb8(255, 50, 200);
const Colour Cyan = Rgb8(40, 230, 255);
const Colour Amber = Rgb8(255, 176, 40);
const Colour ChromeLight = Rgb8(236, 238, 248);
const Colour ChromeDark = Rgb8(110, 114, 134);
const Colour SideRed = Rgb8(232, 44, 60);   // side 0
const Colour SideBlue = Rgb8(40, 96, 240);  // side 1
}  // namespace club

struct FamilyColours {
  Colour body, accent, glow, ink, backTop, backBottom;
};

// A family's own colours: its hue steps round the colour circle by the golden
// ratio, so neighbouring families never look alike.
FamilyColours ColoursOfFamily(int family);
