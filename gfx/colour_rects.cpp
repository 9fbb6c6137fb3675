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

// AdjustColour over a rectangle, with the layout's shifts and channel widths fixed for the whole rectangle (the
// highlights and blinks go over cards every frame).
template <int RedShift, int GreenShift, int ChannelBits, int GreenBits>
void AdjustAll(int x, int y, int w, int h, int dr, int dg, int db, int buffer) {
  constexpr int max = (1 << ChannelBits) - 1, greenMax = (1 << GreenBits) - 1;
  ForEachPixel(x, y, w, h, buffer, [&](std::uint16_t p, int) {
    const int r = std::clamp(((p >> RedShift) & max) + dr, 0, max);
    const int g = std::clamp(((p >> GreenShift) & greenMax) + dg, 0, greenMax);
    const int b = std::clamp((p & max) + db, 0, max);
    return static_cast<std::uint16_t>((r << RedShift) | (g << GreenShift) | b);
  });
}

int Lower(int c, int step) { return c > step ? c - step : 0; }
int Toward(int c, int t, int step) { return t >= c + step ? c + step : t; }

}  // namespace

void AdjustRect(int x, int y, int w, int h, int dr, int dg, int db, int buffer) {
  switch (PixelMode) {
    case Rgb555:
      AdjustAll<10, 5, 5, 5>(x, y, w, h, dr / 8, dg / 8, db / 8, buffer);
      break;
    case Rgb444:
      AdjustAll<8, 4, 4, 4>(x, y, w, h, dr / 16, dg / 16, db / 16, buffer);
      break;
    default:
      AdjustAll<11, 5, 5, 6>(x, y, w, h, dr / 8, dg / 4, db / 8, buffer);
      break;
  }
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
