// draw_image.h -- copying pictures into buffers: opaque, keyed, tinted and scaled; cutting pictures out of buffers.
//
// Callers keep every rectangle on screen and inside the picture; a copy that
// would leave a buffer or a picture is trimmed to them, never written outside.
#pragma once

#include <cstdint>

#include "core/image.h"

void DrawImage(int x, int y, ImageView image, int buffer);
void DrawImageColumns(int x, int y, ImageView image, int firstColumn, int columnCount, int buffer);
// The rectangle (x, y, w, h) of a screen-size picture, to the same place.
void DrawImageSameRect(int x, int y, int w, int h, ImageView image, int buffer);
void DrawImageRect(int sx, int sy, int w, int h, int dx, int dy, ImageView image, int buffer);
void DrawFullScreen(const std::uint16_t* pixels, int buffer);
// A full-width picture to the rows starting at row 2 x n.
void DrawImageStrip(int n, ImageView image, int buffer);
// Picture row `row` (its first screen-width columns) to buffer row `row`.
void DrawImageRow(int row, ImageView image, int buffer);

void DrawKeyed(int x, int y, ImageView image, int buffer);
void DrawKeyedColumns(int x, int y, int firstColumn, int columnCount, int buffer, ImageView image);
// Keyed copy of the picture rectangle (sx, sy, w, h) to (dx, dy).
void DrawKeyedRect(int sx, int sy, int w, int h, int dx, int dy, ImageView image, int buffer);
void DrawKeyedTinted(int x, int y, ImageView image, std::uint16_t tint, int buffer);
void DrawTinted(int x, int y, ImageView image, std::uint16_t tint, int buffer);

// Nearest-neighbour stretch of the whole picture to dw x dh at (dx, dy) in
// buffer 0; the other buffers are left alone.
void DrawScaled(int sourceWidth, int sourceHeight, ImageView image, int dx, int dy, int dw, int dh, bool keyed);

Image CropBuffer(int x, int y, int w, int h, int buffer);
Image CropImage(ImageView image, int x, int y, int w, int h);
void GrabBuffer(int x, int y, int buffer, Image& image);
void GrabImage(int x, int y, ImageView source, Image& target);
