// font_bmp.cpp -- writes 24-bit uncompressed BMP files (bottom-up, padded rows).
#include "tools/forge/font_bmp.h"

#include <cstddef>

namespace {

void Put16(std::vector<std::uint8_t>& out, std::uint32_t v) {
  out.push_back(static_cast<std::uint8_t>(v));
  out.push_back(static_cast<std::uint8_t>(v >> 8));
}

void Put32(std::vector<std::uint8_t>& out, std::uint32_t v) {
  Put16(out, v & 0xFFFFu);
  Put16(out, v >> 16);
}

}  // namespace

std::vector<std::uint8_t> EncodeBmp24(const std::vector<std::uint8_t>& rgb, int width, int height) {
  const std::uint32_t stride = (static_cast<std::uint32_t>(width) * 3 + 3) & ~3u;
  const std::uint32_t imageBytes = stride * static_cast<std::uint32_t>(height);
  constexpr std::uint32_t HeaderBytes = 14 + 40;
  std::vector<std::uint8_t> out;
  out.reserve(HeaderBytes + imageBytes);
  out.push_back('B');
  out.push_back('M');
  Put32(out, HeaderBytes + imageBytes);
  Put32(out, 0);
  Put32(out, HeaderBytes);
  Put32(out, 40);
  Put32(out, static_cast<std::uint32_t>(width));
  Put32(out, static_cast<std::uint32_t>(height));  // positive: bottom-up
  Put16(out, 1);
  Put16(out, 24);
  Put32(out, 0);  // no compression
  Put32(out, imageBytes);
  Put32(out, 2835);  // 72 dpi
  Put32(out, 2835);
  Put32(out, 0);
  Put32(out, 0);
  for (int row = height - 1; row >= 0; --row) {
    const std::uint8_t* src = rgb.data() + static_cast<std::size_t>(row) * width * 3;
    for (int col = 0; col < width; ++col) {
      out.push_back(src[col * 3 + 2]);
      out.push_back(src[col * 3 + 1]);
      out.push_back(src[col * 3 + 0]);
    }
    for (std::uint32_t pad = static_cast<std::uint32_t>(width) * 3; pad < stride; ++pad) out.push_back(0);
  }
  return out;
}
