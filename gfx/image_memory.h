// image_memory.h -- allocating and freeing the pixels of Image records.
#pragma once

#include "data/image.h"

// Gives the picture width x height new pixels (at least one pixel's block, so
// an empty picture still owns memory, as empty pictures always did).
void AllocateImage(Image& image, std::uint16_t width, std::uint16_t height);
// Frees the pixels and leaves a 0 x 0 picture without pixels.
void FreeImage(Image& image);
