// end_credits.cpp -- the credits: the team's pages sliding in one after the other until they fill the screen.
#include "club/end_credits.h"

#include <algorithm>
#include <cstdlib>

#include "gfx/colour_rects.h"
#include "gfx/draw_image.h"
#include "gfx/picture_load.h"
#include "gfx/screen_buffers.h"
#include "platform/game_state.h"
#include "platform/waits.h"
#include "sound/sound.h"

// The game's own team.
const wchar_t* const CreditsPersonPaths[CreditsPersonCount] = {
    L"GFX\\CREDITS\\Ilse Marrow.QXB", L"GFX\\CREDITS\\Tomas Quillon.QXB", L"GFX\\CREDITS\\Nadia Ferreol.QXB",
    L"GFX\\CREDITS\\Oskar Blyth.QXB", L"GFX\\CREDITS\\Mirela Santo.QXB",
};

const CreditsPage CreditsPages[CreditsPageCount] = {
    {L"GFX\\CREDITS\\code.QXB", true, 20},
    {L"GFX\\CREDITS\\Ilse Marrow.QXB", false, 40},
    {L"GFX\\CREDITS\\Tomas Quillon.QXB", false, 60},
    {L"GFX\\CREDITS\\graphics.QXB", true, 90},
    {L"GFX\\CREDITS\\Nadia Ferreol.QXB", false, 110},
    {L"GFX\\CREDITS\\Oskar Blyth.QXB", false, 130},
    {L"GFX\\CREDITS\\AI.QXB", true, 160},
    {L"GFX\\CREDITS\\Ilse Marrow.QXB", false, 180},
    {L"GFX\\CREDITS\\ui.QXB", true, 210},
    {L"GFX\\CREDITS\\Nadia Ferreol.QXB", false, 230},
    {L"GFX\\CREDITS\\translation.QXB", true, 260},
    {L"GFX\\CREDITS\\Mirela Santo.QXB", false, 280},
};

namespace {

constexpr int ScreenW = 240, ScreenH = 320;
constexpr int RoleStopX = 10;
constexpr int SlideSpeed = 6;
constexpr int LongWaitMs = 10000;
constexpr int DarkenSteps = 8;

// The keyed page at x, only its columns that fall on the screen.
void DrawPageAt(const Image& page, int x, int row) {
  const int first = std::max(0, -x);
  const int last = std::min<int>(page.Width(), ScreenW - x);
  if (last > first) DrawKeyedColumns(x + first, row, first, last - first, 0, page);
}

}  // namespace

std::vector<int> PageSlidePath(int width, bool fromLeft) {
  std::vector<int> path;
  // Mended: a page that did not load has width 0; sliding it would draw
  // nothing, so it has no frames at all (and can never keep the credits waiting).
  if (width <= 0) return path;
  int x = fromLeft ? -width : ScreenW;
  const int target = fromLeft ? RoleStopX : ScreenW - width;
  int speed = fromLeft ? SlideSpeed : -SlideSpeed;
  const int k = std::max(1, (std::abs(target - x) / SlideSpeed) / 2);
  while (x != target) {
    x += speed;
    // Stops exactly at the target, whichever way the page travels.
    if ((speed > 0 && x > target) || (speed < 0 && x < target)) x = target;
    if (x % k == 0 && std::abs(speed) > 1) speed += speed > 0 ? -1 : 1;
    path.push_back(x);
  }
  return path;
}

void SlidePage(const Image& page, bool fromLeft, int row) {
  CopyBuffer(0, 1);
  for (int x : PageSlidePath(page.Width(), fromLeft)) {
    SoundTickIfOn();
    CopyBuffer(1, 0);
    DrawPageAt(page, x, row);
    PresentScreen();
  }
}

void RunEndCredits(Image& picture) {
  if (!SoundOff) {
    FreeMusic();
    if (LoadMusic(L"SOUNDS\\End credits.QXX")) PlayMusic(0);
  }
  picture = Image();
  LoadImageFile(L"GFX\\CREDITS\\end credits.QXG", picture, true);
  DrawImage(0, 0, picture, 0);
  PresentScreen();
  WaitOrTap(LongWaitMs);
  for (int i = 0; i < DarkenSteps; ++i) {
    AdjustRect(0, 0, ScreenW, ScreenH, -8, -8, -8, 0);
    PresentScreen();
  }
  for (const CreditsPage& p : CreditsPages) {
    Image page;
    LoadImageFile(p.path, page, true);
    SlidePage(page, p.fromLeft, p.row);
  }
  FlushInput();
  WaitOrTap(LongWaitMs);
}
