// pixels.h -- the display's 16-bit pixel layouts, the colour key, the gamma offset and per-pixel colour arithmetic.
#pragma once

#include <cstdint>

// The display's 16-bit layout, chosen once at start-up.
enum PixelModeValue : std::uint16_t { Rgb555 = 64, Rgb565 = 128, Rgb444 = 512 };

extern std::uint16_t PixelMode;   // Rgb555, Rgb565 or Rgb444
extern std::uint8_t GammaOffset;  // brightness offset baked into decoded pictures (8-bit units)
extern std::uint16_t KeyColour;   // the transparent colour: black brightened by GammaOffset

// Sets the pixel mode and the gamma offset and recomputes KeyColour.
void SetPixelFormat(std::uint16_t mode, std::uint8_t gamma);

// A pixel split into its channels, in channel units of the current mode.
struct Channels {
  int r = 0;
  int g = 0;
  int b = 0;
};

Channels SplitPixel(std::uint16_t pixel);
std::uint16_t PackChannels(const Channels& c);  // channels must already be within 0..max
Channels ChannelMaxima();                       // 31/31/31, 31/63/31 or 15/15/15
// GammaOffset in channel units (gamma>>3 for 5 bits, >>2 for 6 bits, >>4 for 4 bits).
Channels GammaInChannels();
// True when the green channel has 6 bits (5-6-5).
bool GreenIsWide();

// 8-bit R, G, B to a pixel of the current mode.
std::uint16_t PackRgb(int r, int g, int b);
// Adds signed channel-unit deltas, each clamped to 0..max.
std::uint16_t AdjustColour(std::uint16_t pixel, int dr, int dg, int db);
// Adds delta in 8-bit units (shifted to each channel's width), clamped; negative darkens.
std::uint16_t BrightenColour(std::uint16_t pixel, int delta);

// The twelve text tints (0 red .. 11 white) in the current mode; 0xFFFF outside 0..11.
std::uint16_t TintColour(int index);
constexpr int TintCount = 12;
