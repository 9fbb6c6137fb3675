// picture_convert.h -- turning a decoded 24-bit bottom-up bitmap into an Image in the display's layout.
#pragma once

#include "core/image.h"
#include "platform/image_decoder.h"

// Applies GammaOffset, packs in the current PixelMode and, in the 4-4-4 mode
// with `dither`, spreads each channel's lost low bits onto the pixels not yet
// converted. Gives the picture new pixels. False when the
// bitmap's stride or byte count does not hold width x height pixels.
bool ConvertBitmap(const platform::DecodedBitmap& bitmap, Image& image, bool dither);
