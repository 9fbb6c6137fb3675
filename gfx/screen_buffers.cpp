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

namespace {

// Each pixel becomes the mean of its channels (the wide green counted at half), in every channel. The layout's
// shifts and masks are fixed for the whole buffer, which is greyed under every box.
template <int RedShift, int GreenShift, int ChannelBits, bool WideGreen>
void GreyAll(std::vector<std::uint16_t>& pixels) {
  constexpr int mask = (1 << ChannelBits) - 1;
  constexpr int greenMask = WideGreen ? 2 * mask + 1 : mask;
  for (std::uint16_t& p : pixels) {
    const int r = (p >> RedShift) & mask, g = (p >> GreenShift) & greenMask, b = p & mask;
    const int a = WideGreen ? (r + g / 2 + b) / 3 : (r + g + b) / 3;
    p = static_cast<std::uint16_t>((a << RedShift) | ((WideGreen ? 2 * a : a) << GreenShift) | a);
  }
}

}  // namespace

void Greyscale(int buffer) {
  switch (PixelMode) {
    case Rgb555:
      GreyAll<10, 5, 5, false>(buffers[buffer]);
      break;
    case Rgb444:
      GreyAll<8, 4, 4, false>(buffers[buffer]);
      break;
    default:
      GreyAll<11, 5, 5, true>(buffers[buffer]);
      break;
  }
}

void PresentScreen() { platform::PresentFrame(ScreenBuffer(0)); }
