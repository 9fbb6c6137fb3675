// animations.cpp -- Transition, Zoom, Wipe and Slide: each draws into buffer 0, presents and paces itself on the tick.
#include "gfx/animations.h"

#include <algorithm>
#include <cstdlib>

#include "gfx/draw_image.h"
#include "gfx/pixels.h"
#include "gfx/screen_buffers.h"
#include "platform/clock.h"
#include "platform/messages.h"
#include "platform/waits.h"
#include "settings/settings.h"

namespace {

// Zoom and wipe frames wait only until the tick count has changed.
void WaitNextTick(std::uint32_t& last) {
  while (platform::TickCount() == last) WaitSince(last, 1);
  last = platform::TickCount();
}

int Toward(int c, int t, int most) {
  if (t > c) return std::min(t, c + most);
  return std::max(t, c - most);
}

}  // namespace

// The 5-6-5 panel moves red and blue by 3 and green by 6; the other layouts
// step every 5-bit channel by 3 and every 4-bit channel by 2, so each layout
// arrives within the 32 steps at about the same pace.
void TransitionStep(int x0, int y0, int x1, int y1, int shown, int target) {
  const int most = PixelMode == Rgb444 ? 2 : 3;
  const int mostGreen = GreenIsWide() ? 6 : most;
  std::uint16_t* dst = ScreenBuffer(shown);
  const std::uint16_t* src = ScreenBuffer(target);
  const int stride = ScreenWidth();
  for (int row = y0; row < y1; ++row)
    for (int col = x0; col < x1; ++col) {
      std::uint16_t& p = dst[row * stride + col];
      const std::uint16_t q = src[row * stride + col];
      if (p == q) continue;
      const Channels c = SplitPixel(p);
      const Channels t = SplitPixel(q);
      p = PackChannels({Toward(c.r, t.r, most), Toward(c.g, t.g, mostGreen), Toward(c.b, t.b, most)});
    }
}

void Transition(int x0, int y0, int x1, int y1, int shownBuffer, int newBuffer) {
  if (!SettingEffects) {
    CopyBuffer(newBuffer, shownBuffer);
    return;
  }
  constexpr int Steps = 32;
  constexpr std::uint32_t StepMs = 20;
  for (int step = 0; step < Steps; ++step) {
    platform::Message m;
    if (platform::RemoveNextStylusMessage(m) && m.kind == platform::MessageKind::StylusUp) {
      CopyBuffer(newBuffer, shownBuffer);
      return;
    }
    TransitionStep(x0, y0, x1, y1, shownBuffer, newBuffer);
    const std::uint32_t presented = platform::TickCount();
    PresentScreen();
    WaitSince(presented, StepMs);
  }
}

void Zoom(int x, int y, int fromScale, int toScale, int step, ImageView image) {
  CopyBuffer(0, 2);
  if (image.width == 0 || image.height == 0 || !image.pixels) return;
  const bool widthLonger = image.width >= image.height;
  const int longSide = widthLonger ? image.width : image.height;
  const int shortSide = widthLonger ? image.height : image.width;
  const int target = toScale * longSide;
  int current = fromScale * longSide;
  step = std::max(1, std::abs(step));
  std::uint32_t last = platform::TickCount();
  for (;;) {
    const int other = current * shortSide / longSide;
    const int cw = widthLonger ? current : other;
    const int ch = widthLonger ? other : current;
    CopyBuffer(2, 0);
    DrawScaled(image.width, image.height, image, x + (image.width - cw) / 2, y + (image.height - ch) / 2, cw, ch, true);
    SoundTickIfOn();
    PresentScreen();
    WaitNextTick(last);
    if (current == target) break;
    current = current < target ? std::min(current + step, target) : std::max(current - step, target);
  }
}

void Wipe(ImageView image, int topRow) {
  const int rows = image.height;
  CopyRows(0, 2, topRow, rows);
  const int quarter = rows / 4;
  const int screenW = ScreenWidth();
  std::uint32_t last = platform::TickCount();
  int stepSize = 16;
  for (int n = 0; n <= screenW; n += stepSize) {
    if (n % 60 == 0) stepSize /= 2;
    CopyRows(2, 0, topRow, rows);
    const int shown = std::min<int>(n, image.width);
    for (int q = 0; q < 4; ++q) {
      const int sy = q * quarter;
      if (q % 2 == 0)
        DrawKeyedRect(image.width - shown, sy, shown, quarter, 0, topRow + sy, image, 0);
      else
        DrawKeyedRect(0, sy, shown, quarter, screenW - shown, topRow + sy, image, 0);
    }
    PresentScreen();
    SoundTickIfOn();
    WaitNextTick(last);
    if (stepSize == 0) break;
  }
  CopyRows(2, 0, topRow, rows);
}

int SlideStartStep(int x, int width, std::int8_t speed) {
  // From the right the step points left, toward x. (Taken literally, the
  // negated quotient would point away from x and the picture would jump
  // into place in one frame instead of sliding.)
  int step = speed > 0 ? ((x + width) / speed) / 2 : ((240 - x) / speed) / 2;
  // A step of 0 would never arrive: move by one pixel at least.
  if (step == 0) step = speed > 0 ? 1 : -1;
  return step;
}

int SlideNextStep(int position, int step) {
  if (step != 0 && position % step == 0) return step > 0 ? step + 1 : step - 1;
  return step;
}

void Slide(int x, int y, std::int8_t speed, ImageView image) {
  CopyBuffer(0, 1);
  SoundTickIfOn();
  if (speed == 0 || !image.pixels || image.width == 0) return;
  const int screenW = ScreenWidth();
  int position = speed > 0 ? -image.width : screenW;
  int step = SlideStartStep(x, image.width, speed);
  const int rows = std::min<int>(image.height, ScreenHeight() - y);
  while (position != x) {
    SoundTickIfOn();
    position += step;
    position = step > 0 ? std::min(position, x) : std::max(position, x);
    step = SlideNextStep(position, step);
    CopyRows(1, 0, y, rows);
    DrawKeyed(position, y, image, 0);
    PresentScreen();
  }
}
