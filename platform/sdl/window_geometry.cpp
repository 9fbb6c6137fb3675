// window_geometry.cpp -- sharp integer scaling with the frame letterboxed, and the stylus mapping.
#include "platform/sdl/window_geometry.h"

#include <algorithm>
#include <cstring>

namespace platform {
namespace {
constexpr int FrameWidth = 240;
constexpr int FrameHeight = 320;
// Room left for the window's title bar and borders.
constexpr int DecorationHeight = 40;
}  // namespace

FramePlace PlaceFrame(int outputWidth, int outputHeight) {
  FramePlace p;
  p.scale = std::max(1, std::min(outputWidth / FrameWidth, outputHeight / FrameHeight));
  p.x = (outputWidth - FrameWidth * p.scale) / 2;
  p.y = (outputHeight - FrameHeight * p.scale) / 2;
  return p;
}

int DefaultScale(int usableWidth, int usableHeight) {
  return std::max(1, std::min(usableWidth / FrameWidth, (usableHeight - DecorationHeight) / FrameHeight));
}

bool WindowToFrame(int wx, int wy, int windowWidth, int windowHeight, int outputWidth, int outputHeight,
                   std::int16_t& fx, std::int16_t& fy) {
  const long px = static_cast<long>(wx) * outputWidth / std::max(windowWidth, 1);
  const long py = static_cast<long>(wy) * outputHeight / std::max(windowHeight, 1);
  const FramePlace p = PlaceFrame(outputWidth, outputHeight);
  if (px < p.x || py < p.y || px >= p.x + FrameWidth * p.scale || py >= p.y + FrameHeight * p.scale) return false;
  fx = static_cast<std::int16_t>((px - p.x) / p.scale);
  fy = static_cast<std::int16_t>((py - p.y) / p.scale);
  return true;
}

FrameArea ChangedArea(const std::vector<std::uint16_t>& before, const std::vector<std::uint16_t>& after, int width,
                      int height) {
  const FrameArea whole{0, 0, width, height};
  if (width <= 0 || height <= 0) return {};
  const std::size_t count = static_cast<std::size_t>(width) * static_cast<std::size_t>(height);
  if (before.size() != count || after.size() != count) return whole;
  const std::size_t rowBytes = static_cast<std::size_t>(width) * sizeof(std::uint16_t);
  int top = -1, bottom = -1, left = width, right = -1;
  for (int y = 0; y < height; ++y) {
    const std::uint16_t* a = before.data() + static_cast<std::size_t>(y) * static_cast<std::size_t>(width);
    const std::uint16_t* b = after.data() + static_cast<std::size_t>(y) * static_cast<std::size_t>(width);
    if (std::memcmp(a, b, rowBytes) == 0) continue;
    if (top < 0) top = y;
    bottom = y;
    int x = 0;
    while (x < left && a[x] == b[x]) ++x;
    left = std::min(left, x);
    x = width - 1;
    while (x > right && a[x] == b[x]) --x;
    right = std::max(right, x);
  }
  if (top < 0) return {};
  return {left, top, right - left + 1, bottom - top + 1};
}

}  // namespace platform
