// pixels.cpp -- channel splitting and packing for the three 16-bit layouts, and the colour arithmetic on one pixel.
#include "gfx/pixels.h"

#include <algorithm>

std::uint16_t PixelMode = Rgb565;
std::uint8_t GammaOffset = 0;
std::uint16_t KeyColour = 0;

namespace {

int Clamp(int v, int max) { return std::clamp(v, 0, max); }

}  // namespace

bool GreenIsWide() { return PixelMode == Rgb565; }

Channels SplitPixel(std::uint16_t p) {
  switch (PixelMode) {
    case Rgb555:
      return {(p >> 10) & 31, (p >> 5) & 31, p & 31};
    case Rgb444:
      return {(p >> 8) & 15, (p >> 4) & 15, p & 15};
    default:
      return {(p >> 11) & 31, (p >> 5) & 63, p & 31};
  }
}

std::uint16_t PackChannels(const Channels& c) {
  switch (PixelMode) {
    case Rgb555:
      return static_cast<std::uint16_t>((c.r << 10) | (c.g << 5) | c.b);
    case Rgb444:
      return static_cast<std::uint16_t>((c.r << 8) | (c.g << 4) | c.b);
    default:
      return static_cast<std::uint16_t>((c.r << 11) | (c.g << 5) | c.b);
  }
}

Channels ChannelMaxima() {
  switch (PixelMode) {
    case Rgb555:
      return {31, 31, 31};
    case Rgb444:
      return {15, 15, 15};
    default:
      return {31, 63, 31};
  }
}

Channels GammaInChannels() {
  const int g = GammaOffset;
  switch (PixelMode) {
    case Rgb555:
      return {g >> 3, g >> 3, g >> 3};
    case Rgb444:
      return {g >> 4, g >> 4, g >> 4};
    default:
      return {g >> 3, g >> 2, g >> 3};
  }
}

void SetPixelFormat(std::uint16_t mode, std::uint8_t gamma) {
  PixelMode = mode;
  GammaOffset = gamma;
  const Channels g = GammaInChannels();
  const Channels m = ChannelMaxima();
  KeyColour = PackChannels({Clamp(g.r, m.r), Clamp(g.g, m.g), Clamp(g.b, m.b)});
}

std::uint16_t PackRgb(int r, int g, int b) {
  r = Clamp(r, 255);
  g = Clamp(g, 255);
  b = Clamp(b, 255);
  switch (PixelMode) {
    case Rgb555:
      return PackChannels({r >> 3, g >> 3, b >> 3});
    case Rgb444:
      return PackChannels({r >> 4, g >> 4, b >> 4});
    default:
      return PackChannels({r >> 3, g >> 2, b >> 3});
  }
}

std::uint16_t AdjustColour(std::uint16_t pixel, int dr, int dg, int db) {
  const Channels c = SplitPixel(pixel);
  const Channels m = ChannelMaxima();
  return PackChannels({Clamp(c.r + dr, m.r), Clamp(c.g + dg, m.g), Clamp(c.b + db, m.b)});
}

std::uint16_t BrightenColour(std::uint16_t pixel, int delta) {
  switch (PixelMode) {
    case Rgb555:
      return AdjustColour(pixel, delta >> 3, delta >> 3, delta >> 3);
    case Rgb444:
      return AdjustColour(pixel, delta >> 4, delta >> 4, delta >> 4);
    default:
      return AdjustColour(pixel, delta >> 3, delta >> 2, delta >> 3);
  }
}

std::uint16_t TintColour(int index) {
  static constexpr std::uint16_t Tints555[TintCount] = {0x7C00, 0x03E0, 0x001F, 0x7FE0, 0x7C1F, 0x03FF,
                                                        0x7DEF, 0x3DFF, 0x3FEF, 0x7CE0, 0x7EC6, 0xFFFF};
  static constexpr std::uint16_t Tints565[TintCount] = {0xF800, 0x07E0, 0x001F, 0xFFE0, 0xF81F, 0x07FF,
                                                        0xFBEF, 0x7BFF, 0x7FEF, 0xFBE0, 0xFDA6, 0xFFFF};
  static constexpr std::uint16_t Tints444[TintCount] = {0x0F00, 0x00F0, 0x000F, 0x0FF0, 0x0F0F, 0x00FF,
                                                        0x0F77, 0x07F7, 0x077F, 0x0F70, 0x0FB3, 0xFFFF};
  if (index < 0 || index >= TintCount) return 0xFFFF;
  switch (PixelMode) {
    case Rgb555:
      return Tints555[index];
    case Rgb444:
      return Tints444[index];
    default:
      return Tints565[index];
  }
}
