// image.h -- the decoded picture record shared by cards, screens and the drawing code.
#pragma once

#include <cstdint>

// A picture in the display's 16-bit layout. The record is a plain value:
// copying it copies the pixel pointer, not the pixels, and whoever loaded
// the picture frees it (as cards do with their small and big pictures).
struct Image {
  std::uint16_t height = 0;
  std::uint16_t width = 0;
  std::uint16_t* pixels = nullptr;

  bool Empty() const { return pixels == nullptr || width == 0 || height == 0; }
};
