// picture_fuzz.cpp -- fuzzes the picture wrapper: the format sniffing and size limit in front of SDL2_image and
// giflib, and the bottom-up 24-bit bitmap it hands on.
#include <cstdint>
#include <string>
#include <vector>

#include "platform/image_decoder.h"
#include "tests/fuzz/fuzz_support.h"

extern "C" int LLVMFuzzerInitialize(int*, char***) { return 0; }

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::vector<std::uint8_t> bytes(data, data + size);
  platform::DecodedBitmap bitmap;
  std::string why;
  const platform::DecodeStatus status = platform::DecodePictureBytes(bytes, bitmap, why);
  if (status != platform::DecodeStatus::Decoded) {
    FUZZ_CHECK(!why.empty());
    return 0;
  }
  FUZZ_CHECK(bitmap.width >= 1 && bitmap.width <= platform::MaxPictureWidth);
  FUZZ_CHECK(bitmap.height >= 1 && bitmap.height <= platform::MaxPictureHeight);
  FUZZ_CHECK(bitmap.stride % 4 == 0 && bitmap.stride >= 3u * bitmap.width && bitmap.stride < 3u * bitmap.width + 4);
  FUZZ_CHECK(bitmap.bits.size() == static_cast<std::size_t>(bitmap.stride) * bitmap.height);
  return 0;
}
