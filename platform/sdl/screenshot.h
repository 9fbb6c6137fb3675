// screenshot.h -- the F12 key: the screen as PNG files in the player's pictures folder.
#pragma once

#include <SDL.h>

#include <cstdint>
#include <ctime>
#include <string>
#include <vector>

namespace platform {

// The pictures folder named in the XDG user-dirs file's text (XDG_PICTURES_DIR,
// "$HOME/" expanded), or home + "/Pictures" when the file names none.
std::string PicturesFolderFrom(const std::string& userDirsText, const std::string& home);
// The player's pictures folder ($XDG_CONFIG_HOME/user-dirs.dirs, else ~/Pictures).
std::string PicturesFolder();
// "duskhaven-2026-12-08-20.51.14": the file name's stem for that moment.
std::string ScreenshotStem(std::time_t when);

// Writes the 240 x 320 frame (in the texture's pixel format) as STEM.png and,
// when a renderer is given, the window as drawn as STEM-window.png, into the
// pictures folder (made when missing). `where` names the frame's file, or
// says what went wrong.
bool SaveScreenshot(const std::vector<std::uint16_t>& frame, Uint32 format, SDL_Renderer* renderer, std::string& where);

}  // namespace platform
