// screenshot.cpp -- the F12 key: the screen as PNG files in the player's pictures folder.
#include "platform/sdl/screenshot.h"

#include <SDL_image.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>

namespace platform {
namespace {

constexpr int FrameWidth = 240;
constexpr int FrameHeight = 320;

std::string Env(const char* name) {
  const char* value = std::getenv(name);
  return value ? value : "";
}

bool SavePng(SDL_Surface* surface, const std::string& path) {
  if (!surface) return false;
  const bool ok = IMG_SavePNG(surface, path.c_str()) == 0;
  SDL_FreeSurface(surface);
  return ok;
}

}  // namespace

std::string PicturesFolderFrom(const std::string& userDirsText, const std::string& home) {
  std::istringstream lines(userDirsText);
  std::string line;
  std::string found;
  while (std::getline(lines, line)) {
    const std::string key = "XDG_PICTURES_DIR=";
    if (line.rfind(key, 0) != 0) continue;
    std::string value = line.substr(key.size());
    if (value.size() < 2 || value.front() != '"' || value.back() != '"') continue;
    value = value.substr(1, value.size() - 2);
    if (value.rfind("$HOME", 0) == 0) value = home + value.substr(5);
    // Only absolute folders; "$HOME/" alone means no pictures folder of its own.
    if (value.empty() || value.front() != '/' || value == home + "/" || value == home) continue;
    found = value;
  }
  return found.empty() ? home + "/Pictures" : found;
}

std::string PicturesFolder() {
  const std::string home = Env("HOME");
  std::string config = Env("XDG_CONFIG_HOME");
  if (config.empty() || config.front() != '/') config = home + "/.config";
  std::ifstream in(config + "/user-dirs.dirs");
  std::stringstream text;
  text << in.rdbuf();
  return PicturesFolderFrom(text.str(), home);
}

std::string ScreenshotStem(std::time_t when) {
  std::tm local{};
  localtime_r(&when, &local);
  char name[64];
  std::strftime(name, sizeof name, "duskhaven-%Y-%m-%d-%H.%M.%S", &local);
  return name;
}

bool SaveScreenshot(const std::vector<std::uint16_t>& frame, Uint32 format, SDL_Renderer* renderer,
                    std::string& where) {
  if (frame.size() < static_cast<std::size_t>(FrameWidth) * FrameHeight) {
    where = "nothing on screen yet";
    return false;
  }
  const std::string folder = PicturesFolder();
  std::error_code ec;
  std::filesystem::create_directories(folder, ec);
  // Two shots within one second get their own names.
  const std::string stem = folder + "/" + ScreenshotStem(std::time(nullptr));
  std::string path = stem + ".png";
  for (int n = 2; std::filesystem::exists(path, ec); ++n) path = stem + "-" + std::to_string(n) + ".png";
  const std::string windowPath = path.substr(0, path.size() - 4) + "-window.png";

  SDL_Surface* view = SDL_CreateRGBSurfaceWithFormatFrom(const_cast<std::uint16_t*>(frame.data()), FrameWidth,
                                                         FrameHeight, 16, FrameWidth * 2, format);
  if (!view || !SavePng(SDL_ConvertSurfaceFormat(view, SDL_PIXELFORMAT_RGB24, 0), path)) {
    if (view) SDL_FreeSurface(view);
    where = "cannot write " + path;
    return false;
  }
  SDL_FreeSurface(view);
  where = path;
  int w = 0, h = 0;
  if (renderer && SDL_GetRendererOutputSize(renderer, &w, &h) == 0 && w > 0 && h > 0) {
    SDL_Surface* window = SDL_CreateRGBSurfaceWithFormat(0, w, h, 24, SDL_PIXELFORMAT_RGB24);
    if (window && SDL_RenderReadPixels(renderer, nullptr, SDL_PIXELFORMAT_RGB24, window->pixels, window->pitch) == 0)
      SavePng(window, windowPath);
    else if (window)
      SDL_FreeSurface(window);
  }
  return true;
}

}  // namespace platform
