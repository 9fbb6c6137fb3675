// animations.h -- the timed screen animations: cross-fade, zoom, banner wipe and slide.
#pragma once

#include <cstdint>

#include "core/image.h"

// Cross-fades the shown buffer toward the new one over the rectangle
// [x0, x1) x [y0, y1) in up to 32 presented steps; a stylus-up ends it at
// once. With the "Effects" setting off the new buffer is simply copied.
void Transition(int x0, int y0, int x1, int y1, int shownBuffer, int newBuffer);
// One fade step of Transition over the rectangle, without presenting.
void TransitionStep(int x0, int y0, int x1, int y1, int shownBuffer, int newBuffer);
// Grows or shrinks a keyed picture about the centre of its place at scale 1.
void Zoom(int x, int y, int fromScale, int toScale, int step, ImageView image);
// Brings a keyed 240-wide banner in at `topRow`, its quarters sliding in
// alternately from the left and from the right.
void Wipe(ImageView image, int topRow);
// Slides a keyed picture horizontally into place at (x, y): from the left
// edge when speed > 0, from the right edge when speed < 0.
void Slide(int x, int y, std::int8_t speed, ImageView image);

// The starting step of a slide, and the step after the position reached `position`.
int SlideStartStep(int x, int width, std::int8_t speed);
int SlideNextStep(int position, int step);
