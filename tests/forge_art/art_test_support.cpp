// art_test_support.cpp -- in-memory forge output and SDL2_image decoding for the picture tests.
#include "tests/forge_art/art_test_support.h"

#include <algorithm>

#include <SDL.h>
#include <SDL_image.h>

#include "tools/forge/forge.h"

std::map<std::string, std::vector<std::uint8_t>>& CapturedFiles() {
  static std::map<std::string, std::vector<std::uint8_t>> files;
  return files;
}

// The forge's writers, captured: the tests look at the bytes without touching disk.
bool ForgeOutput::Write(std::string_view gamePath, const std::vector<std::uint8_t>& bytes) {
  CapturedFiles()[std::string(gamePath)] = bytes;
  ++files_;
  return true;
}

bool ForgeOutput::Write(std::string_view gamePath, std::string_view bytes) {
  return Write(gamePath, std::vector<std::uint8_t>(bytes.begin(), bytes.end()));
}

bool DecodePicture(const std::vector<std::uint8_t>& bytes, RgbPicture& picture) {
  SDL_RWops* rw = SDL_RWFromConstMem(bytes.data(), static_cast<int>(bytes.size()));
  if (!rw) return false;
  SDL_Surface* loaded = IMG_Load_RW(rw, 1);
  if (!loaded) return false;
  SDL_Surface* rgb = SDL_ConvertSurfaceFormat(loaded, SDL_PIXELFORMAT_RGB24, 0);
  SDL_FreeSurface(loaded);
  if (!rgb) return false;
  picture.width = rgb->w;
  picture.height = rgb->h;
  picture.rgb.resize(static_cast<std::size_t>(rgb->w) * static_cast<std::size_t>(rgb->h) * 3);
  SDL_LockSurface(rgb);
  for (int y = 0; y < rgb->h; ++y) {
    const auto* row = static_cast<const std::uint8_t*>(rgb->pixels) + static_cast<std::ptrdiff_t>(y) * rgb->pitch;
    std::copy(row, row + rgb->w * 3, picture.rgb.begin() + static_cast<std::ptrdiff_t>(y) * rgb->w * 3);
  }
  SDL_UnlockSurface(rgb);
  SDL_FreeSurface(rgb);
  return true;
}

const std::uint8_t* PixelAt(const RgbPicture& picture, int x, int y) {
  return picture.rgb.data() +
         (static_cast<std::size_t>(y) * static_cast<std::size_t>(picture.width) + static_cast<std::size_t>(x)) * 3;
}

std::size_t DistinctCount(const std::vector<std::vector<std::uint8_t>>& items) {
  // Compared pair by pair for equality: ordering them in a set makes GCC's
  // optimiser warn about a memcmp bound it cannot see is small.
  std::size_t distinct = 0;
  for (auto it = items.begin(); it != items.end(); ++it)
    distinct += std::none_of(items.begin(), it, [&](const std::vector<std::uint8_t>& o) { return o == *it; });
  return distinct;
}

namespace {
std::string Where(int x, int y, const std::uint8_t* p) {
  return "pixel (" + std::to_string(x) + ", " + std::to_string(y) + ") = (" + std::to_string(p[0]) + ", " +
         std::to_string(p[1]) + ", " + std::to_string(p[2]) + ")";
}
}  // namespace

std::string KeyRuleFault(const RgbPicture& picture) {
  for (int y = 0; y < picture.height; ++y)
    for (int x = 0; x < picture.width; ++x) {
      const std::uint8_t* p = PixelAt(picture, x, y);
      if (!ExactBlack(p) && (PacksToKey565(p) || PacksToKey444(p))) return Where(x, y, p) + " is nearly black";
    }
  return "";
}

std::string OpaqueRuleFault(const RgbPicture& picture) {
  for (int y = 0; y < picture.height; ++y)
    for (int x = 0; x < picture.width; ++x) {
      const std::uint8_t* p = PixelAt(picture, x, y);
      if (PacksToKey565(p) || PacksToKey444(p)) return Where(x, y, p) + " would be transparent";
    }
  return "";
}
