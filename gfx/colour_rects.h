// colour_rects.h -- colour operations on rectangles of a buffer, and the mask tests of decoded pictures.
#pragma once

#include <cstdint>

#include "core/image.h"

// Deltas in 8-bit units, shifted to the current mode's channel widths.
void AdjustRect(int x, int y, int w, int h, int dr, int dg, int db, int buffer);
void FillRect(int x, int y, int w, int h, std::uint16_t colour, int buffer);
// Every channel c becomes c - step when c > step, else 0 (the 6-bit green uses 2 x step).
void DarkenRect(int x, int y, int w, int h, int step, int buffer);
// Every channel climbs toward the target buffer's: c + step while that stays
// at or below the target, else the target at once.
void StepRectToward(int x, int y, int w, int h, int step, int buffer, int targetBuffer);

// Pure magenta as decoded (green at the gamma's channel value).
bool IsMaskPixel(int column, int row, ImageView image);
// Replaces every pure red pixel (as decoded) with KeyColour.
void RedToKey(Image& image);
