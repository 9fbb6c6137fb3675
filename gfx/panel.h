// panel.h -- the translucent bevelled panel under message boxes and menus.
#pragma once

#include <cstdint>

// Bevel rings brightened from buffer 1 (outer rings darker), interior taken
// from buffer 1 and darkened by `shade`.
void DrawPanel(int x, int y, int w, int h, int shade, int border, int buffer);
