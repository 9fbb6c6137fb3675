// draw_image.cpp -- the picture copies: row memory copies when opaque, pixel by pixel when keyed or tinted.
#include "gfx/draw_image.h"

#include <algorithm>
#include <cstring>

#include "core/image.h"
#include "gfx/pixels.h"
#include "gfx/screen_buffers.h"

namespace {

std::uint16_t* Target(int buffer, int x, int y) { return ScreenBuffer(buffer) + y * ScreenWidth() + x; }

// The game's callers keep every rectangle on screen and inside the picture;
// a picture file of an unexpected size must still never write outside a
// buffer or read outside its pixels, so each copy is trimmed to both.
// Returns false when nothing is left to copy.
bool Trim(ImageView image, int& sx, int& sy, int& w, int& h, int& dx, int& dy) {
  if (!image.pixels) return false;
  auto trimAxis = [](int& s, int& d, int& n, int sourceSize, int screenSize) {
    if (s < 0) n += s, d -= s, s = 0;
    if (d < 0) n += d, s -= d, d = 0;
    n = std::min({n, sourceSize - s, screenSize - d});
  };
  trimAxis(sx, dx, w, image.width, ScreenWidth());
  trimAxis(sy, dy, h, image.height, ScreenHeight());
  return w > 0 && h > 0;
}

void CopyOpaque(ImageView image, int sx, int sy, int w, int h, int dx, int dy, int buffer) {
  if (!Trim(image, sx, sy, w, h, dx, dy)) return;
  for (int row = 0; row < h; ++row)
    std::memcpy(Target(buffer, dx, dy + row), image.pixels + (sy + row) * image.width + sx,
                static_cast<std::size_t>(w) * 2);
}

}  // namespace

void DrawImage(int x, int y, ImageView image, int buffer) {
  CopyOpaque(image, 0, 0, image.width, image.height, x, y, buffer);
}

void DrawImageColumns(int x, int y, ImageView image, int firstColumn, int columnCount, int buffer) {
  CopyOpaque(image, firstColumn, 0, columnCount, image.height, x, y, buffer);
}

void DrawImageSameRect(int x, int y, int w, int h, ImageView image, int buffer) {
  CopyOpaque(image, x, y, w, h, x, y, buffer);
}

void DrawImageRect(int sx, int sy, int w, int h, int dx, int dy, ImageView image, int buffer) {
  CopyOpaque(image, sx, sy, w, h, dx, dy, buffer);
}

void DrawFullScreen(const std::uint16_t* pixels, int buffer) {
  if (pixels) std::memcpy(ScreenBuffer(buffer), pixels, static_cast<std::size_t>(ScreenPixelCount()) * 2);
}

void DrawImageStrip(int n, ImageView image, int buffer) { DrawImage(0, 2 * n, image, buffer); }

void DrawImageRow(int row, ImageView image, int buffer) {
  CopyOpaque(image, 0, row, std::min<int>(image.width, ScreenWidth()), 1, 0, row, buffer);
}

void DrawKeyedRect(int sx, int sy, int w, int h, int dx, int dy, ImageView image, int buffer) {
  if (!Trim(image, sx, sy, w, h, dx, dy)) return;
  const std::uint16_t key = KeyColour;
  for (int row = 0; row < h; ++row) {
    const std::uint16_t* src = image.pixels + (sy + row) * image.width + sx;
    std::uint16_t* dst = Target(buffer, dx, dy + row);
    for (int col = 0; col < w; ++col)
      if (src[col] != key) dst[col] = src[col];
  }
}

void DrawKeyed(int x, int y, ImageView image, int buffer) {
  DrawKeyedRect(0, 0, image.width, image.height, x, y, image, buffer);
}

void DrawKeyedColumns(int x, int y, int firstColumn, int columnCount, int buffer, ImageView image) {
  DrawKeyedRect(firstColumn, 0, columnCount, image.height, x, y, image, buffer);
}

void DrawKeyedTinted(int x, int y, ImageView image, std::uint16_t tint, int buffer) {
  int sx = 0, sy = 0, w = image.width, h = image.height;
  if (!Trim(image, sx, sy, w, h, x, y)) return;
  const std::uint16_t key = KeyColour;
  for (int row = 0; row < h; ++row) {
    const std::uint16_t* src = image.pixels + (sy + row) * image.width + sx;
    std::uint16_t* dst = Target(buffer, x, y + row);
    for (int col = 0; col < w; ++col)
      if (src[col] != key) dst[col] = static_cast<std::uint16_t>(src[col] & tint);
  }
}

void DrawTinted(int x, int y, ImageView image, std::uint16_t tint, int buffer) {
  int sx = 0, sy = 0, w = image.width, h = image.height;
  if (!Trim(image, sx, sy, w, h, x, y)) return;
  for (int row = 0; row < h; ++row) {
    const std::uint16_t* src = image.pixels + (sy + row) * image.width + sx;
    std::uint16_t* dst = Target(buffer, x, y + row);
    for (int col = 0; col < w; ++col) dst[col] = static_cast<std::uint16_t>(src[col] & tint);
  }
}

void DrawScaled(int sourceWidth, int sourceHeight, ImageView image, int dx, int dy, int dw, int dh, bool keyed) {
  // The maps cover destination indices 0..319, and the picture may be at most
  // screen size, as when it was staged in buffer 1. It is read where it lies
  // now: staging it wrote the picture over buffer 1's corner, the saved screen
  // that boxes and highlights put back.
  constexpr int MapSize = 320;
  if (dw <= 0 || dh <= 0 || !image.pixels || image.width > ScreenWidth() || image.height > ScreenHeight() ||
      sourceWidth <= 0 || sourceHeight <= 0 || sourceWidth > ScreenWidth() || sourceHeight > ScreenHeight())
    return;
  int columnMap[MapSize];
  int rowMap[MapSize];
  for (int i = 0; i < MapSize; ++i) {
    columnMap[i] = static_cast<int>(static_cast<float>(i) * static_cast<float>(sourceWidth) / static_cast<float>(dw));
    rowMap[i] = static_cast<int>(static_cast<float>(i) * static_cast<float>(sourceHeight) / static_cast<float>(dh));
  }
  // Only the part that lies on the buffer is written, and only from the picture.
  const int firstCol = std::max(0, -dx), lastCol = std::min({dw, MapSize, ScreenWidth() - dx});
  const int firstRow = std::max(0, -dy), lastRow = std::min({dh, MapSize, ScreenHeight() - dy});
  const int stride = ScreenWidth();
  const std::uint16_t key = KeyColour;
  for (int row = firstRow; row < lastRow; ++row) {
    if (rowMap[row] >= image.height) continue;
    const std::uint16_t* src = image.pixels + rowMap[row] * image.width;
    std::uint16_t* dst = ScreenBuffer(0) + (dy + row) * stride + dx;
    for (int col = firstCol; col < lastCol; ++col) {
      if (columnMap[col] >= image.width) continue;
      const std::uint16_t p = src[columnMap[col]];
      if (!keyed || p != key) dst[col] = p;
    }
  }
}

Image CropBuffer(int x, int y, int w, int h, int buffer) {
  Image image(static_cast<std::uint16_t>(std::max(w, 0)), static_cast<std::uint16_t>(std::max(h, 0)));
  GrabBuffer(x, y, buffer, image);
  return image;
}

Image CropImage(ImageView source, int x, int y, int w, int h) {
  Image image(static_cast<std::uint16_t>(std::max(w, 0)), static_cast<std::uint16_t>(std::max(h, 0)));
  GrabImage(x, y, source, image);
  return image;
}

void GrabBuffer(int x, int y, int buffer, Image& image) {
  // Only the part of the rectangle that lies on the buffer is copied; the rest
  // of the picture keeps its pixels.
  std::uint16_t* pixels = image.Pixels();
  if (!pixels) return;
  const int width = image.Width();
  const int firstCol = std::max(0, -x), lastCol = std::min<int>(width, ScreenWidth() - x);
  const int firstRow = std::max(0, -y), lastRow = std::min<int>(image.Height(), ScreenHeight() - y);
  if (firstCol >= lastCol) return;
  for (int row = firstRow; row < lastRow; ++row)
    std::memcpy(pixels + row * width + firstCol, Target(buffer, x + firstCol, y + row),
                static_cast<std::size_t>(lastCol - firstCol) * 2);
}

void GrabImage(int x, int y, ImageView source, Image& target) {
  std::uint16_t* pixels = target.Pixels();
  const int w = target.Width(), h = target.Height();
  if (!pixels || !source.pixels || x < 0 || y < 0 || x + w > source.width || y + h > source.height) return;
  for (int row = 0; row < h; ++row)
    std::memcpy(pixels + row * w, source.pixels + (y + row) * source.width + x, static_cast<std::size_t>(w) * 2);
}
