// image_memory.cpp -- the one place Image pixels are allocated and freed.
#include "gfx/image_memory.h"

#include <cstddef>

void AllocateImage(Image& image, std::uint16_t width, std::uint16_t height) {
  const std::size_t count = static_cast<std::size_t>(width) * height;
  image.pixels = new std::uint16_t[count > 0 ? count : 1]();
  image.width = width;
  image.height = height;
}

void FreeImage(Image& image) {
  delete[] image.pixels;
  image.pixels = nullptr;
  image.width = 0;
  image.height = 0;
}
