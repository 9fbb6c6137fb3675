// screen_button.h -- the picture button every screen uses: pressed on stylus-down inside it, fired on release inside
// it.
#pragma once

#include <cstdint>

#include "core/image.h"

struct ScreenButton {
  Image upImage;    // drawn while not pressed; its size is the hit rectangle
  Image downImage;  // drawn while pressed
  std::int16_t x = 0;
  std::int16_t y = 0;
  std::uint8_t pressed = 0;
  std::uint8_t keyed = 0;
  std::uint8_t hidden = 0;
};

// The button takes over both pictures (pass them with std::move).
void InitButton(ScreenButton& button, std::int16_t x, std::int16_t y, Image downImage, Image upImage, bool keyed);
void SetButtonHidden(ScreenButton& button, bool hidden);
// Inside the up picture's rectangle, both far edges included; false when hidden.
bool ButtonHit(const ScreenButton& button, int sx, int sy);
bool PressButton(ScreenButton& button, int sx, int sy);
// True when an accepted press is released inside the button.
bool ReleaseButton(ScreenButton& button, int sx, int sy);
void DrawButton(const ScreenButton& button, int buffer);
// Draws picture 0 (up) or 1 (down) whatever the button's state.
void DrawButtonImage(const ScreenButton& button, int index, int buffer);
// Frees both pictures (the button is freed with its owner anyway).
void FreeButton(ScreenButton& button);
