// image.cpp -- the one place picture pixels are allocated; freeing is the Image's own.
#include "core/image.h"

#include <cstddef>
#include <utility>

Image::Image(std::uint16_t width, std::uint16_t height) : width_(width), height_(height) {
  const std::size_t count = static_cast<std::size_t>(width) * height;
  pixels_ = std::make_unique<std::uint16_t[]>(count > 0 ? count : 1);
}

Image::Image(Image&& other) noexcept
    : pixels_(std::move(other.pixels_)),
      width_(std::exchange(other.width_, 0)),
      height_(std::exchange(other.height_, 0)) {}

Image& Image::operator=(Image&& other) noexcept {
  if (this != &other) {
    pixels_ = std::move(other.pixels_);
    width_ = std::exchange(other.width_, 0);
    height_ = std::exchange(other.height_, 0);
  }
  return *this;
}
