// font_bmp.h -- a small lossless 24-bit BMP writer for the font sheet.
#pragma once

#include <cstdint>
#include <vector>

// rgb: width x height pixels, 3 bytes each (R, G, B), top row first.
// Returns the BMP file: BITMAPINFOHEADER, uncompressed, bottom-up rows padded to 4 bytes.
std::vector<std::uint8_t> EncodeBmp24(const std::vector<std::uint8_t>& rgb, int width, int height);
