// gif_decoder.h -- the first picture of a GIF stream, decoded with giflib into a 24-bit bottom-up bitmap.
#pragma once

#include <cstddef>
#include <cstdint>
#include <functional>
#include <string>

#include "platform/image_decoder.h"

namespace platform {

// Reads up to `count` bytes at `offset` of the stream and gives how many it read.
using StreamReader = std::function<std::size_t(std::uint64_t offset, void* out, std::size_t count)>;

// Decodes the stream's first image (a GIF's later frames are not shown) at its
// own size, colours from its local colour table or else the global one. A
// stream that does not decode cleanly is Undecodable with the reason in `why`;
// the size limit of image_decoder.h holds for the image.
DecodeStatus DecodeGif(const StreamReader& read, DecodedBitmap& bitmap, std::string& why);

}  // namespace platform
