// gfx_test_support.cpp -- the drawing tests' set-up, and a ForgeOutput that keeps the forged font in memory.
#include "tests/gfx/gfx_test_support.h"

#include <unistd.h>
#include <cstdio>
#include <fstream>

#include "core/image.h"
#include "gfx/picture_convert.h"
#include "gfx/pixels.h"
#include "gfx/screen_buffers.h"
#include "platform/backend.h"
#include "platform/display.h"
#include "platform/image_decoder.h"
#include "tools/forge/forge.h"

namespace {
std::vector<std::uint8_t> forgedSheet;
}

// The forge's writers deliver into this ForgeOutput; the tests keep the bytes.
bool ForgeOutput::Write(std::string_view, const std::vector<std::uint8_t>& bytes) {
  forgedSheet = bytes;
  ++files_;
  return true;
}
bool ForgeOutput::Write(std::string_view gamePath, std::string_view bytes) {
  return Write(gamePath, std::vector<std::uint8_t>(bytes.begin(), bytes.end()));
}

void UseScreen(std::uint16_t mode, std::uint8_t gamma) {
  SetPixelFormat(mode, gamma);
  AllocateBuffers(240, 320);
  ClearAllBuffers();
}

HeadlessRun::HeadlessRun(const std::string& script, const std::string& device) {
  platform::BackendOptions options;
  options.headless = true;
  options.device = device;
  if (!script.empty()) {
    char name[] = "/tmp/gfx_script_XXXXXX";
    const int fd = mkstemp(name);
    if (fd < 0) return;
    close(fd);
    path_ = name;
    std::ofstream(path_) << script;
    options.scriptPath = path_;
  }
  std::string error;
  if (!platform::StartBackend(options, error)) {
    std::fprintf(stderr, "headless backend: %s\n", error.c_str());
    return;
  }
  platform::OpenDisplay();
  platform::DetectDevice();
  const platform::DisplayProperties p = platform::GetDisplayProperties();
  platform::SetPixelSteps(p.xPitch, p.yPitch);
  platform::SetScreenSize(240, 320);
  ok = true;
}

HeadlessRun::~HeadlessRun() {
  platform::CloseInput();
  platform::CloseDisplay();
  platform::StopBackend();
  platform::CurrentFrameCopy().fixedFrameBuffer = false;
  if (!path_.empty()) std::remove(path_.c_str());
}

Image SolidImage(int width, int height, std::uint16_t colour) {
  Image image(static_cast<std::uint16_t>(width), static_cast<std::uint16_t>(height));
  for (int i = 0; i < width * height; ++i) image.Pixels()[i] = colour;
  return image;
}

const std::vector<std::uint8_t>& ForgedFontSheet() {
  if (forgedSheet.empty()) {
    ForgeOutput out("/nowhere");
    ForgeFont(out);
  }
  return forgedSheet;
}

bool UseForgedFont() {
  platform::DecodedBitmap bitmap;
  std::string why;
  if (platform::DecodePictureBytes(ForgedFontSheet(), bitmap, why) != platform::DecodeStatus::Decoded) return false;
  Image sheet;
  if (!ConvertBitmap(bitmap, sheet, false)) return false;
  CutFont(GameFont, sheet, true, true);
  AddPathGlyphs(GameFont);
  return true;
}

bool SaveScreenPng(const std::string& path) {
  PresentScreen();
  return platform::SavePanelPng(path);
}

std::uint16_t Pixel(int buffer, int x, int y) { return ScreenBuffer(buffer)[y * ScreenWidth() + x]; }
