// display.h -- the display and the keys: the game interface's calls and the frame copy onto the panel.
#pragma once

#include <array>
#include <cstdint>
#include <string>

namespace platform {

// Format flags of the display properties.
constexpr std::uint32_t FormatDirect555 = 0x40;
constexpr std::uint32_t FormatDirect565 = 0x80;
constexpr std::uint32_t FormatDirect444 = 0x200;

// The display properties record: six 32-bit fields, pitches in bytes.
struct DisplayProperties {
  std::uint32_t width = 0;
  std::uint32_t height = 0;
  std::int32_t xPitch = 0;
  std::int32_t yPitch = 0;
  std::uint32_t bitsPerPixel = 0;
  std::uint32_t formatFlags = 0;
};

// Virtual-key codes the backends put in key messages and in the default key list.
constexpr std::int16_t VkUp = 0x26;
constexpr std::int16_t VkDown = 0x28;
constexpr std::int16_t VkLeft = 0x25;
constexpr std::int16_t VkRight = 0x27;
constexpr std::int16_t VkAppA = 0xC1;
constexpr std::int16_t VkAppB = 0xC2;
constexpr std::int16_t VkAppC = 0xC3;
constexpr std::int16_t VkStart = 0x86;
// Not one of the eight game keys: opens the club's quick menu (Tab, the menu key, a controller's Back).
constexpr std::int16_t VkMenu = 0x5D;

// One entry of the default key list: the key's code and a screen position nobody uses.
struct KeyListEntry {
  std::int16_t vkCode = 0;
  std::int32_t x = 0;
  std::int32_t y = 0;
};
// Order: up, down, left, right, A, B, C, start.
using DefaultKeyList = std::array<KeyListEntry, 8>;

// The game interface, answered by the backend chosen at start-up.
bool OpenDisplay();  // full screen; false = the program ends with 0, silently
bool OpenInput();
void CloseInput();  // always before CloseDisplay
void CloseDisplay();
bool DisplayIsOpen();
DisplayProperties GetDisplayProperties();
DefaultKeyList GetDefaultKeys();
// The frame-buffer address for one copy; EndDraw shows nothing by itself.
std::uint16_t* BeginDraw();
void EndDraw();
void Suspend();
void Resume();
// The device's OEM information string (at most 99 characters).
std::string OemInfo();

// Pixel modes, as the drawing code names them.
constexpr std::uint16_t ModeRgb555 = 64;
constexpr std::uint16_t ModeRgb565 = 128;
constexpr std::uint16_t ModeRgb444 = 512;

// 5-5-5 first, then 5-6-5, then 4-4-4; false when none of the three flags is set.
bool ChoosePixelMode(std::uint32_t formatFlags, std::uint16_t& mode);

// The frame-copy state, set once at start-up.
struct FrameCopy {
  std::int32_t stepX = 1;
  std::int32_t stepY = 240;
  bool fixedFrameBuffer = false;
  std::uint16_t width = 240;
  std::uint16_t height = 320;
};
FrameCopy& CurrentFrameCopy();

// Sets FixedFrameBuffer when the OEM string is exactly "Compaq iPAQ H3800".
void DetectDevice();
// Steps in pixels from the pitches in bytes; the fixed-frame-buffer model always gets -320 and 1.
void SetPixelSteps(std::int32_t xPitch, std::int32_t yPitch);
void SetScreenSize(std::uint16_t width, std::uint16_t height);

// The fixed frame-buffer address of that one model (0xAC0755A0 on the device);
// the backend gives this pointer the address's role.
std::uint16_t* FixedFrameBufferAddress();

// Copies a whole screen-size 16-bit buffer to the display, then shows the
// panel and waits for the next frame slot (sleeping, never spinning).
void PresentFrame(const std::uint16_t* buffer);
// Copies one rectangle of a screen-size buffer to the same place on the display.
void PresentRect(int x, int y, int w, int h, const std::uint16_t* buffer);

}  // namespace platform
