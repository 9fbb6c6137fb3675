// panel.cpp -- DrawPanel: the bevel rings and the darkened interior, both read from the saved background.
#include "gfx/panel.h"

#include "gfx/pixels.h"
#include "gfx/screen_buffers.h"
#include "platform/waits.h"

namespace {

int Darker(int c, int step) { return c > step ? c - step : 0; }

}  // namespace

void DrawPanel(int x, int y, int w, int h, int shade, int border, int buffer) {
  SoundTickIfOn();
  const int stride = ScreenWidth();
  const std::uint16_t* saved = ScreenBuffer(1);
  std::uint16_t* target = ScreenBuffer(buffer);
  const bool wide = GreenIsWide();
  const int perRing = border > 0 ? shade / border : 0;
  for (int k = 0; k < border; ++k) {
    const int v = (k + 1) * perRing;
    const int vg = wide ? 2 * v : v;
    const int left = x + k, right = x + w - 1 - k, top = y + k, bottom = y + h - 1 - k;
    for (int col = left; col <= right; ++col) {
      target[top * stride + col] = AdjustColour(saved[top * stride + col], v, vg, v);
      target[bottom * stride + col] = AdjustColour(saved[bottom * stride + col], v, vg, v);
    }
    for (int row = top; row <= bottom; ++row) {
      std::uint16_t& l = target[row * stride + left];
      l = AdjustColour(l, v, vg, v);
      std::uint16_t& r = target[row * stride + right];
      r = AdjustColour(r, v, vg, v);
    }
  }
  SoundTickIfOn();
  const int green = wide ? 2 * shade : shade;
  for (int row = y + border; row <= y + h - 1 - border; ++row)
    for (int col = x + border; col <= x + w - 1 - border; ++col) {
      const Channels c = SplitPixel(saved[row * stride + col]);
      target[row * stride + col] = PackChannels({Darker(c.r, shade), Darker(c.g, green), Darker(c.b, shade)});
    }
}
