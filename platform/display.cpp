// display.cpp -- the game interface's calls, the pixel mode and steps, and the two frame copies.
#include "platform/display.h"

#include <cstring>

#include "platform/backend_interface.h"
#include "platform/close_request.h"
#include "platform/panel.h"

namespace platform {
namespace {

bool displayOpen = false;
bool inputOpen = false;
bool suspended = false;
FrameCopy frameCopy;

// The copy rules: contiguous rows go as one memory copy each; any other step
// (rotated or mirrored panels) pixel by pixel.
void CopyRows(std::uint16_t* target, const std::uint16_t* source, int w, int h) {
  const FrameCopy& fc = frameCopy;
  if (fc.stepX == 1) {
    for (int row = 0; row < h; ++row) {
      std::memcpy(target, source, static_cast<std::size_t>(w) * 2);
      source += fc.width;
      target += fc.stepY;
    }
    return;
  }
  for (int row = 0; row < h; ++row) {
    std::uint16_t* out = target;
    for (int col = 0; col < w; ++col) {
      *out = source[col];
      out += fc.stepX;
    }
    source += fc.width;
    target += fc.stepY;
  }
}

void Present(int x, int y, int w, int h, const std::uint16_t* buffer) {
  Backend* backend = CurrentBackend();
  if (!displayOpen || !backend || !buffer) return;
  std::uint16_t* base = frameCopy.fixedFrameBuffer ? FixedFrameBufferAddress() : BeginDraw();
  if (!base) return;  // no frame buffer this time: the frame is dropped
  // A rectangle off the screen or steps that would leave the frame buffer are
  // refused rather than written over foreign memory.
  if (x < 0 || y < 0 || w <= 0 || h <= 0 || x + w > frameCopy.width || y + h > frameCopy.height) return;
  const std::int64_t sx = frameCopy.stepX, sy = frameCopy.stepY;
  for (int cx : {x, x + w - 1})
    for (int cy : {y, y + h - 1})
      if (!ThePanel().Contains(base + cx * sx + cy * sy)) return;
  CopyRows(base + x * sx + y * sy, buffer + y * frameCopy.width + x, w, h);
  if (!frameCopy.fixedFrameBuffer) EndDraw();
  backend->ShowPanel();
  // Animations that only present frames end the game on a close request too.
  HonourCloseRequest();
}

}  // namespace

bool OpenDisplay() {
  Backend* backend = CurrentBackend();
  if (!backend || !backend->OpenDisplay()) return false;
  displayOpen = true;
  suspended = false;
  return true;
}

bool OpenInput() {
  inputOpen = true;
  return true;
}

void CloseInput() { inputOpen = false; }

void CloseDisplay() {
  if (!displayOpen) return;
  displayOpen = false;
  if (Backend* backend = CurrentBackend()) backend->CloseDisplay();
}

bool DisplayIsOpen() { return displayOpen; }

DisplayProperties GetDisplayProperties() { return ThePanel().Profile().properties; }

DefaultKeyList GetDefaultKeys() {
  DefaultKeyList keys{};
  const std::int16_t codes[8] = {VkUp, VkDown, VkLeft, VkRight, VkAppA, VkAppB, VkAppC, VkStart};
  for (int i = 0; i < 8; ++i) keys[static_cast<std::size_t>(i)].vkCode = codes[i];
  return keys;
}

std::uint16_t* BeginDraw() { return displayOpen ? ThePanel().BeginDrawAddress() : nullptr; }

void EndDraw() {}

void Suspend() {
  suspended = true;
  if (Backend* backend = CurrentBackend()) backend->Suspend();
}

void Resume() {
  suspended = false;
  if (Backend* backend = CurrentBackend()) backend->Resume();
}

std::string OemInfo() { return ThePanel().Profile().oem.substr(0, 99); }

bool ChoosePixelMode(std::uint32_t flags, std::uint16_t& mode) {
  if (flags & FormatDirect555) {
    mode = ModeRgb555;
  } else if (flags & FormatDirect565) {
    mode = ModeRgb565;
  } else if (flags & FormatDirect444) {
    mode = ModeRgb444;
  } else {
    return false;
  }
  return true;
}

FrameCopy& CurrentFrameCopy() { return frameCopy; }

void DetectDevice() { frameCopy.fixedFrameBuffer = OemInfo() == "Compaq iPAQ H3800"; }

void SetPixelSteps(std::int32_t xPitch, std::int32_t yPitch) {
  if (frameCopy.fixedFrameBuffer) {
    frameCopy.stepX = -320;
    frameCopy.stepY = 1;
    return;
  }
  frameCopy.stepX = xPitch >> 1;
  frameCopy.stepY = yPitch >> 1;
}

void SetScreenSize(std::uint16_t width, std::uint16_t height) {
  frameCopy.width = width;
  frameCopy.height = height;
}

std::uint16_t* FixedFrameBufferAddress() { return ThePanel().FixedAddress(); }

void PresentFrame(const std::uint16_t* buffer) { Present(0, 0, frameCopy.width, frameCopy.height, buffer); }

void PresentRect(int x, int y, int w, int h, const std::uint16_t* buffer) { Present(x, y, w, h, buffer); }

}  // namespace platform
