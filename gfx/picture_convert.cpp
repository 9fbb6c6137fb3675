// picture_convert.cpp -- the gamma step, the packing and the 4-4-4 error spreading of decoded pictures.
#include "gfx/picture_convert.h"

#include <algorithm>
#include <cstddef>
#include <vector>

#include "core/image.h"
#include "gfx/pixels.h"

namespace {

std::uint8_t AddClamped(std::uint8_t v, int add) { return static_cast<std::uint8_t>(std::min(255, v + add)); }

}  // namespace

bool ConvertBitmap(const platform::DecodedBitmap& bitmap, Image& image, bool dither) {
  const std::size_t w = bitmap.width, h = bitmap.height;
  if (bitmap.stride < w * 3 || bitmap.bits.size() < bitmap.stride * h) return false;
  image = Image(bitmap.width, bitmap.height);
  const int gamma = GammaOffset;
  const bool spread = dither && PixelMode == Rgb444;
  // The dither adds into the bytes still to be converted, so it works on a copy.
  std::vector<std::uint8_t> work;
  const std::uint8_t* bits = bitmap.bits.data();
  if (spread) {
    work = bitmap.bits;
    bits = work.data();
  }
  // Memory rows run from the picture's bottom row up; the error goes to the
  // next pixel of the same memory row and to the next memory row.
  for (std::size_t m = 0; m < h; ++m) {
    const std::uint8_t* row = bits + m * bitmap.stride;
    std::uint16_t* out = image.Pixels() + (h - 1 - m) * w;
    for (std::size_t col = 0; col < w; ++col) {
      const std::uint8_t* px = row + col * 3;
      const int b = std::min(255, px[0] + gamma);
      const int g = std::min(255, px[1] + gamma);
      const int r = std::min(255, px[2] + gamma);
      out[col] = PackRgb(r, g, b);
      if (!spread) continue;
      const int err[3] = {b & 15, g & 15, r & 15};
      std::uint8_t* next = work.data() + m * bitmap.stride + col * 3;
      for (int c = 0; c < 3; ++c) {
        if (col + 1 < w) next[3 + c] = AddClamped(next[3 + c], err[c] >> 1);
        if (m + 1 < h) {
          std::uint8_t* below = next + bitmap.stride;
          below[c] = AddClamped(below[c], err[c] >> 2);
          if (col + 1 < w) below[3 + c] = AddClamped(below[3 + c], err[c] >> 2);
        }
      }
    }
  }
  return true;
}
