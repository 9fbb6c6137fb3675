// screen_button.cpp -- press, release, hit test and drawing of the picture buttons.
#include "gfx/screen_button.h"

#include <utility>

#include "core/image.h"
#include "gfx/draw_image.h"

void InitButton(ScreenButton& button, std::int16_t x, std::int16_t y, Image downImage, Image upImage, bool keyed) {
  button.x = x;
  button.y = y;
  button.downImage = std::move(downImage);
  button.upImage = std::move(upImage);
  button.keyed = keyed ? 1 : 0;
  button.pressed = 0;
  button.hidden = 0;
}

void SetButtonHidden(ScreenButton& button, bool hidden) { button.hidden = hidden ? 1 : 0; }

bool ButtonHit(const ScreenButton& button, int sx, int sy) {
  if (button.hidden) return false;
  return button.x <= sx && sx <= button.x + button.upImage.Width() && button.y <= sy &&
         sy <= button.y + button.upImage.Height();
}

bool PressButton(ScreenButton& button, int sx, int sy) {
  if (button.hidden || !ButtonHit(button, sx, sy)) return false;
  button.pressed = 1;
  DrawButton(button, 0);
  return true;
}

bool ReleaseButton(ScreenButton& button, int sx, int sy) {
  if (button.hidden || !button.pressed) return false;
  button.pressed = 0;
  DrawButton(button, 0);
  return ButtonHit(button, sx, sy);
}

void DrawButtonImage(const ScreenButton& button, int index, int buffer) {
  const ImageView image = index == 1 ? button.downImage : button.upImage;
  if (button.keyed)
    DrawKeyed(button.x, button.y, image, buffer);
  else
    DrawImage(button.x, button.y, image, buffer);
}

void DrawButton(const ScreenButton& button, int buffer) {
  if (button.hidden) return;
  DrawButtonImage(button, button.pressed ? 1 : 0, buffer);
}

void FreeButton(ScreenButton& button) {
  button.upImage = Image();
  button.downImage = Image();
}
