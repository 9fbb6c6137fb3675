// gfx_test_support.h -- shared set-up for the drawing tests: pixel modes, buffers, a headless run and the real font.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "core/image.h"
#include "gfx/font.h"

// Sets the mode and gamma and (re)allocates three cleared 240 x 320 buffers.
void UseScreen(std::uint16_t mode, std::uint8_t gamma = 0);

// A headless backend with the given script text, its display open; stopped when it goes.
class HeadlessRun {
 public:
  explicit HeadlessRun(const std::string& script = "", const std::string& device = "portrait565");
  ~HeadlessRun();
  HeadlessRun(const HeadlessRun&) = delete;
  HeadlessRun& operator=(const HeadlessRun&) = delete;
  bool ok = false;

 private:
  std::string path_;
};

// A picture filled with one colour (the caller frees it).
Image SolidImage(int width, int height, std::uint16_t colour);

// The font sheet as the forge writes it, in BMP bytes.
const std::vector<std::uint8_t>& ForgedFontSheet();
// Cuts GameFont from the forged sheet in the current mode (keyed, redToKey).
bool UseForgedFont();

// Saves buffer 0 as a PNG (through a present), for looking at what was drawn.
bool SaveScreenPng(const std::string& path);

std::uint16_t Pixel(int buffer, int x, int y);
