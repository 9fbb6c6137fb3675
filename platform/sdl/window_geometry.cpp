// window_geometry.cpp -- sharp integer scaling with the frame letterboxed, and the stylus mapping.
#include "platform/sdl/window_geometry.h"

#include <algorithm>

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

}  // namespace platform
