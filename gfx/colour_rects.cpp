// colour_rects.cpp -- rectangle brightening, darkening, filling and stepping, and the magenta and red tests.
#include "gfx/colour_rects.h"

#include <algorithm>

#include "gfx/pixels.h"
#include "gfx/screen_buffers.h"

namespace {

template <typename Op>
void ForEachPixel(int x, int y, int w, int h, int buffer, Op op) {
  std::uint16_t* base = ScreenBuffer(buffer);
  const int stride = ScreenWidth();
  for (int row = y; row < y + h; ++row)
    for (int col = x; col < x + w; ++col) {
      std::uint16_t& p = base[row * stride + col];
      p = op(p, row * stride + col);
    }
}

int Lower(int c, int step) { return c > step ? c - step : 0; }
int Toward(int c, int t, int step) { return t >= c + step ? c + step : t; }

}  // namespace

void AdjustRect(int x, int y, int w, int h, int dr, int dg, int db, int buffer) {
  switch (PixelMode) {
    case Rgb555:
      dr /= 8, dg /= 8, db /= 8;
      break;
    case Rgb444:
      dr /= 16, dg /= 16, db /= 16;
      break;
    default:
      dr /= 8, dg /= 4, db /= 8;
      break;
  }
  ForEachPixel(x, y, w, h, buffer, [&](std::uint16_t p, int) { return AdjustColour(p, dr, dg, db); });
}

void FillRect(int x, int y, int w, int h, std::uint16_t colour, int buffer) {
  ForEachPixel(x, y, w, h, buffer, [&](std::uint16_t, int) { return colour; });
}

void DarkenRect(int x, int y, int w, int h, int step, int buffer) {
  const int green = GreenIsWide() ? 2 * step : step;
  ForEachPixel(x, y, w, h, buffer, [&](std::uint16_t p, int) {
    const Channels c = SplitPixel(p);
    return PackChannels({Lower(c.r, step), Lower(c.g, green), Lower(c.b, step)});
  });
}

void StepRectToward(int x, int y, int w, int h, int step, int buffer, int targetBuffer) {
  const int green = GreenIsWide() ? 2 * step : step;
  const std::uint16_t* target = ScreenBuffer(targetBuffer);
  ForEachPixel(x, y, w, h, buffer, [&](std::uint16_t p, int at) {
    const Channels c = SplitPixel(p);
    const Channels t = SplitPixel(target[at]);
    return PackChannels({Toward(c.r, t.r, step), Toward(c.g, t.g, green), Toward(c.b, t.b, step)});
  });
}

bool IsMaskPixel(int column, int row, ImageView image) {
  const Channels c = SplitPixel(image.pixels[row * image.width + column]);
  const Channels m = ChannelMaxima();
  return c.r == m.r && c.b == m.b && c.g == std::min(GammaInChannels().g, m.g);
}

void RedToKey(Image& image) {
  std::uint16_t* pixels = image.Pixels();
  if (!pixels) return;
  const Channels m = ChannelMaxima();
  const Channels g = GammaInChannels();
  const int count = image.Width() * image.Height();
  for (int i = 0; i < count; ++i) {
    const Channels c = SplitPixel(pixels[i]);
    if (c.r == m.r && c.g == std::min(g.g, m.g) && c.b == std::min(g.b, m.b)) pixels[i] = KeyColour;
  }
}
