// window_geometry.h -- where the 240 x 320 frame sits in a window, and window points to frame pixels.
#pragma once

#include <cstdint>
#include <vector>

namespace platform {

struct FramePlace {
  int x = 0, y = 0;  // top-left of the frame in output pixels
  int scale = 1;     // whole-number scale factor
};

// The largest whole scale that fits the output (at least 1), centred.
FramePlace PlaceFrame(int outputWidth, int outputHeight);
// The window's default scale on a screen of that usable size (at least 1).
int DefaultScale(int usableWidth, int usableHeight);
// A point in window coordinates (the output may have more pixels than the
// window on high-density screens) to frame pixels; false in the bars.
bool WindowToFrame(int wx, int wy, int windowWidth, int windowHeight, int outputWidth, int outputHeight,
                   std::int16_t& fx, std::int16_t& fy);

// A rectangle of frame pixels; empty when w or h is 0.
struct FrameArea {
  int x = 0, y = 0, w = 0, h = 0;
};

// The smallest rectangle holding every pixel that differs between two upright
// frames of the given size: empty when they are equal, the whole frame when
// either does not hold exactly width x height pixels (nothing shown yet).
FrameArea ChangedArea(const std::vector<std::uint16_t>& before, const std::vector<std::uint16_t>& after, int width,
                      int height);

}  // namespace platform
