// screen_buffers.cpp -- the three screen-size buffers, their copies, greyscale and the present of buffer 0.
#include "gfx/screen_buffers.h"

#include <algorithm>
#include <cstring>
#include <vector>

#include "gfx/pixels.h"
#include "platform/display.h"

namespace {

std::vector<std::uint16_t> buffers[ScreenBufferCount];
std::uint16_t width = 0;
std::uint16_t height = 0;

}  // namespace

void AllocateBuffers(std::uint16_t w, std::uint16_t h) {
  width = w;
  height = h;
  for (auto& b : buffers) b.assign(static_cast<std::size_t>(w) * h, 0);
}

bool BuffersAllocated() { return !buffers[0].empty(); }

std::uint16_t* ScreenBuffer(int index) { return buffers[index].data(); }
std::uint16_t ScreenWidth() { return width; }
std::uint16_t ScreenHeight() { return height; }
int ScreenPixelCount() { return width * height; }

void ClearBuffer(int buffer) { std::fill(buffers[buffer].begin(), buffers[buffer].end(), KeyColour); }

void ClearAllBuffers() {
  for (int i = 0; i < ScreenBufferCount; ++i) ClearBuffer(i);
}

void CopyBuffer(int from, int to) {
  if (from != to) std::memcpy(ScreenBuffer(to), ScreenBuffer(from), buffers[from].size() * 2);
}

void CopyRows(int from, int to, int firstRow, int rowCount) {
  if (from == to || rowCount <= 0) return;
  std::memcpy(ScreenBuffer(to) + firstRow * width, ScreenBuffer(from) + firstRow * width,
              static_cast<std::size_t>(rowCount) * width * 2);
}

void CopyBufferRect(int x, int y, int w, int h, int from, int to) {
  if (from == to || w <= 0) return;
  for (int row = y; row < y + h; ++row)
    std::memcpy(ScreenBuffer(to) + row * width + x, ScreenBuffer(from) + row * width + x,
                static_cast<std::size_t>(w) * 2);
}

void Greyscale(int buffer) {
  const bool wide = GreenIsWide();
  for (std::uint16_t& p : buffers[buffer]) {
    const Channels c = SplitPixel(p);
    if (wide) {
      const int a = (c.r + c.g / 2 + c.b) / 3;
      p = PackChannels({a, 2 * a, a});
    } else {
      const int a = (c.r + c.g + c.b) / 3;
      p = PackChannels({a, a, a});
    }
  }
}

void PresentScreen() { platform::PresentFrame(ScreenBuffer(0)); }
