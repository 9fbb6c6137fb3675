// screenshot_test.cpp -- where F12 puts its pictures, and that it writes a PNG of the frame.
#include <gtest/gtest.h>

#include <SDL_image.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>

#include "platform/sdl/screenshot.h"

namespace {

TEST(Screenshot, PicturesFolderFromTheUserDirsFile) {
  const std::string home = "/home/ann";
  EXPECT_EQ(platform::PicturesFolderFrom("", home), "/home/ann/Pictures");
  EXPECT_EQ(platform::PicturesFolderFrom("# comment\nXDG_PICTURES_DIR=\"$HOME/Bilder\"\n", home), "/home/ann/Bilder");
  EXPECT_EQ(platform::PicturesFolderFrom("XDG_PICTURES_DIR=\"/srv/shots\"\n", home), "/srv/shots");
  // "$HOME/" alone means the user has no pictures folder; relative or unquoted
  // values are not folders the file may name.
  EXPECT_EQ(platform::PicturesFolderFrom("XDG_PICTURES_DIR=\"$HOME/\"\n", home), "/home/ann/Pictures");
  EXPECT_EQ(platform::PicturesFolderFrom("XDG_PICTURES_DIR=\"shots\"\n", home), "/home/ann/Pictures");
  EXPECT_EQ(platform::PicturesFolderFrom("XDG_PICTURES_DIR=$HOME/x\n", home), "/home/ann/Pictures");
  EXPECT_EQ(platform::PicturesFolderFrom("XDG_DOWNLOAD_DIR=\"$HOME/Dl\"\n", home), "/home/ann/Pictures");
}

TEST(Screenshot, NamedByDateAndTime) {
  setenv("TZ", "UTC", 1);
  tzset();
  EXPECT_EQ(platform::ScreenshotStem(1796071874), "duskhaven-2026-11-30-20.51.14");
}

TEST(Screenshot, WritesTheFrameAsPngAndNeverOverwrites) {
  const auto dir = std::filesystem::temp_directory_path() / "duskhaven-screenshot-test";
  std::filesystem::remove_all(dir);
  std::filesystem::create_directories(dir / "config");
  std::ofstream(dir / "config" / "user-dirs.dirs") << "XDG_PICTURES_DIR=\"" << (dir / "shots").string() << "\"\n";
  setenv("XDG_CONFIG_HOME", (dir / "config").c_str(), 1);
  std::vector<std::uint16_t> frame(240 * 320, 0xF800);  // red in RGB565
  std::string first, second;
  ASSERT_TRUE(platform::SaveScreenshot(frame, SDL_PIXELFORMAT_RGB565, nullptr, first)) << first;
  ASSERT_TRUE(platform::SaveScreenshot(frame, SDL_PIXELFORMAT_RGB565, nullptr, second)) << second;
  EXPECT_NE(first, second);
  EXPECT_EQ(std::filesystem::path(first).parent_path(), dir / "shots");
  SDL_Surface* png = IMG_Load(first.c_str());
  ASSERT_NE(png, nullptr);
  EXPECT_EQ(png->w, 240);
  EXPECT_EQ(png->h, 320);
  Uint8 r = 0, g = 0, b = 0;
  SDL_GetRGB(*static_cast<Uint32*>(png->pixels) & 0xFFFFFF, png->format, &r, &g, &b);
  EXPECT_EQ(r, 255);
  EXPECT_EQ(g, 0);
  SDL_FreeSurface(png);
  std::string none;
  EXPECT_FALSE(platform::SaveScreenshot({}, SDL_PIXELFORMAT_RGB565, nullptr, none));
  std::filesystem::remove_all(dir);
  unsetenv("XDG_CONFIG_HOME");
}

}  // namespace
