// error_box.h -- the desktop's own error box, for fatal messages while a window is open.
#pragma once

namespace platform::sdl {

// Shows a modal error box with a stop icon; does not allocate (the
// out-of-memory handler calls it).
void ShowErrorBox(const char* caption, const char* text);

}  // namespace platform::sdl
