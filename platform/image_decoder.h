// image_decoder.h -- decodes a picture file into a 24-bit bottom-up bitmap (JPEG, PNG, GIF, BMP).
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace platform {

// The decoder's result: 3 bytes a pixel in the order blue, green, red; rows
// padded to a multiple of 4 bytes (stride); the first row in memory is the
// picture's bottom row.
struct DecodedBitmap {
  std::uint16_t width = 0;
  std::uint16_t height = 0;
  std::uint32_t stride = 0;
  std::vector<std::uint8_t> bits;
};

enum class DecodeStatus {
  Decoded,
  NotFound,     // the file cannot be opened
  Undecodable,  // it opens but is not a picture the decoder accepts
};

// The largest picture the decoder accepts.
constexpr int MaxPictureWidth = 800;
constexpr int MaxPictureHeight = 600;

// Decodes a file (a game path under the install directory, or an absolute
// path). The format is sniffed from the first bytes; only JPEG, PNG, GIF and
// BMP are accepted. On Undecodable, `why` says what was wrong.
DecodeStatus DecodePicture(std::string_view path, DecodedBitmap& bitmap, std::string& why);
// The same from bytes in memory (tests and tools).
DecodeStatus DecodePictureBytes(const std::vector<std::uint8_t>& bytes, DecodedBitmap& bitmap, std::string& why);

// Called by the decoder's read callback as reading progresses (the game sets
// it so that music keeps playing during long decodes).
void SetDecodeProgressHook(void (*hook)());

}  // namespace platform
