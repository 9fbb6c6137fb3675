// picture_cache.cpp -- the fuzzers that draw the game's screens load the same forged pictures for every input (a
// resumed room builds its screen, a duel its cards). This keeps each picture that loaded, as converted, and hands
// out copies, so that an input costs the reader and the game's logic rather than PNG inflation and conversion.
// Only for the fuzzing programs: they are linked with --wrap for LoadImageFile (tests/fuzz/CMakeLists.txt), so
// every caller outside picture_load.cpp comes here and the real loader is called for whatever is not kept.
// The data set never changes while a fuzzer runs; a picture that fails to load is never kept, so its box still
// shows every time.
#include <cstdint>
#include <cstring>
#include <map>
#include <string>
#include <string_view>
#include <tuple>

#include "core/image.h"
#include "gfx/pixels.h"

#define DUSKHAVEN_LOAD_IMAGE_FILE "_Z13LoadImageFileSt17basic_string_viewIwSt11char_traitsIwEER5Imageb"

bool RealLoadImageFile(std::wstring_view path, Image& image, bool dither) __asm__("__real_" DUSKHAVEN_LOAD_IMAGE_FILE);
bool CachedLoadImageFile(std::wstring_view path, Image& image,
                         bool dither) __asm__("__wrap_" DUSKHAVEN_LOAD_IMAGE_FILE);

namespace {

// The conversion depends on the display's layout and gamma as well as on the file.
using Key = std::tuple<std::wstring, bool, std::uint16_t, std::uint8_t>;

// Pictures named by an input (a path out of a save) are kept too, up to this much.
constexpr std::size_t MaxKeptPixels = 16 * 1024 * 1024;

std::map<Key, Image>& Kept() {
  static auto* kept = new std::map<Key, Image>;  // never freed: the leak checker sees it as reachable
  return *kept;
}
std::size_t keptPixels = 0;

Image CopyOf(const Image& from) {
  Image copy(from.Width(), from.Height());
  const std::size_t count = static_cast<std::size_t>(from.Width()) * from.Height();
  std::memcpy(copy.Pixels(), from.Pixels(), (count > 0 ? count : 1) * sizeof(std::uint16_t));
  return copy;
}

}  // namespace

bool CachedLoadImageFile(std::wstring_view path, Image& image, bool dither) {
  if (path.empty()) return RealLoadImageFile(path, image, dither);
  Key key{std::wstring(path), dither, PixelMode, GammaOffset};
  auto found = Kept().find(key);
  if (found != Kept().end()) {
    image = CopyOf(found->second);
    return true;
  }
  if (!RealLoadImageFile(path, image, dither)) return false;
  const std::size_t pixels = static_cast<std::size_t>(image.Width()) * image.Height();
  if (keptPixels + pixels <= MaxKeptPixels) {
    keptPixels += pixels;
    Kept().emplace(std::move(key), CopyOf(image));
  }
  return true;
}
