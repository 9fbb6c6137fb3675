// error_box.cpp -- the desktop's error box through SDL.
#include "platform/sdl/error_box.h"

#include <SDL.h>

namespace platform::sdl {

void ShowErrorBox(const char* caption, const char* text) {
  SDL_ShowSimpleMessageBox(SDL_MESSAGEBOX_ERROR, caption, text, nullptr);
}

}  // namespace platform::sdl
