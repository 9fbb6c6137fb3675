// picture_library.h -- what the picture library (SDL2_image) does for the platform: decoding and PNG files.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

#include "platform/image_decoder.h"

namespace platform::sdl {

// The formats the library decodes; GIFs are read by platform/gif_decoder.
enum class PictureFormat { Jpeg, Png, Bmp };

// Where the library pulls a picture's bytes from: `read` copies up to `count`
// bytes from `offset` into `out` and returns how many it copied.
struct PictureBytes {
  std::uint64_t size = 0;
  std::size_t (*read)(const void* context, std::uint64_t offset, void* out, std::size_t count) = nullptr;
  const void* context = nullptr;
};

// Decodes bytes the caller has already checked (format sniffed, size and
// completeness) into a 24-bit bottom-up bitmap. On Undecodable, `why` says
// what the library refused.
DecodeStatus DecodeWithLibrary(PictureFormat format, const PictureBytes& bytes, DecodedBitmap& bitmap,
                               std::string& why);

// Writes width x height pixels of 3 bytes (red, green, blue), top row first,
// as a 24-bit PNG; false with the reason in `why`.
bool WriteRgbPng(const std::string& path, const std::uint8_t* rgb, int width, int height, std::string& why);

}  // namespace platform::sdl
