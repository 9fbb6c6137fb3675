// quick_menu.cpp -- the quick menu: the panel sliding down from the corner tab, its nine items, sliding back.
#include "club/club_internal.h"
#include "gfx/colour_rects.h"
#include "gfx/draw_image.h"
#include "gfx/message_box.h"
#include "gfx/pixels.h"
#include "gfx/screen_buffers.h"
#include "platform/clock.h"
#include "platform/display.h"
#include "platform/game_state.h"
#include "platform/messages.h"
#include "platform/waits.h"

namespace {

constexpr int ItemTop = 2;
constexpr int ItemHeight = 12;
constexpr int ItemCount = 9;
constexpr int SlideRows = 110;

// Where each item leads: room and corridor position (item 8 quits).
struct QuickItem {
  std::int16_t room;
  std::int16_t position;
};
constexpr QuickItem QuickItems[8] = {{RoomCharacters, 44},       {RoomOptions, 38},         {RoomGuestTournament, 23},
                                     {RoomMemberTournament, 27}, {RoomEliteTournament, 31}, {RoomCardShop, 14},
                                     {RoomInstantPlay, 7},       {RoomMultiplayer, 1}};

int Left() { return 240 - GameClub.quickMenuPanel.Width(); }
int Height() { return GameClub.quickMenuPanel.Height(); }

void DrawPanelFrom(int offset) {
  const Image& panel = GameClub.quickMenuPanel;
  if (offset < panel.Height()) DrawImageRect(0, offset, panel.Width(), panel.Height() - offset, Left(), 0, panel, 0);
}

void PaceSlide(std::uint32_t began) {
  PresentScreen();
  SoundTickIfOn();
  WaitSince(began, 5);
}

void SlideOpen() {
  int step = 20;
  for (int s = SlideRows; s > 0; s -= step) {
    const std::uint32_t began = platform::TickCount();
    DrawPanelFrom(s);
    step = step - 2 < 2 ? 2 : step - 2;
    PaceSlide(began);
  }
  DrawImage(Left(), 0, GameClub.quickMenuLit, 0);
  PresentScreen();
}

void DrawUnderPanel() {
  Club& c = GameClub;
  FillRect(Left(), 0, GameClub.quickMenuPanel.Width(), Height(), KeyColour, 0);
  DrawImageStrip(30, c.corridorPictures[c.position - 1], 0);
  DrawCreditsCounter(0);
}

void SlideClosed() {
  Club& c = GameClub;
  int step = 20;
  for (int s = 0; s < SlideRows; s += step) {
    const std::uint32_t began = platform::TickCount();
    DrawUnderPanel();
    DrawPanelFrom(s);
    DrawButton(c.leftArrow, 0);
    DrawButton(c.rightArrow, 0);
    step = step - 2 < 2 ? 2 : step - 2;
    PaceSlide(began);
  }
  DrawUnderPanel();
  DrawQuickMenuTab(0);
  DrawButton(c.leftArrow, 0);
  DrawButton(c.rightArrow, 0);
  PresentScreen();
}

bool InPanel(int x, int y) { return x > Left() && y < Height(); }

// The item under a tap: -1 outside the panel, 9 and more below the items.
int ItemAt(int x, int y) {
  if (!InPanel(x, y)) return -1;
  return y < ItemTop ? 0 : (y - ItemTop) / ItemHeight;
}

void DrawBand(int item, const Image& picture) {
  const int row = ItemHeight * item + ItemTop;
  DrawImageRect(0, row, picture.Width(), ItemHeight, Left(), row, picture, 0);
}

// The keys' frame: the open panel drawn again, then two rows of pixels just inside the item's band.
void DrawKeyFrame(int item) {
  DrawImage(Left(), 0, GameClub.quickMenuLit, 0);
  const int w = GameClub.quickMenuPanel.Width(), top = ItemHeight * item + ItemTop;
  const std::uint16_t colour = PackRgb(255, 214, 0);
  FillRect(Left(), top, w, 2, colour, 0);
  FillRect(Left(), top + ItemHeight - 2, w, 2, colour, 0);
  FillRect(Left(), top + 2, 2, ItemHeight - 4, colour, 0);
  FillRect(Left() + w - 2, top + 2, 2, ItemHeight - 4, colour, 0);
  PresentScreen();
}

// What the player did in the open menu: a tap (its place), an item chosen by keys, or the menu closed by keys.
struct MenuInput {
  enum Kind { Tap, Chosen, Closed } kind = Tap;
  std::int16_t x = 0, y = 0;
  int item = 0;
};

// Waits for a tap, or walks the items by keys. Every key message is the menu's while it is open (as a box's
// are): the arrows move the frame here and never reach the corridor's walk or the hidden sequences.
MenuInput WaitInMenu(bool byKeys) {
  int framed = -1;
  if (byKeys) DrawKeyFrame(framed = 0);
  for (;;) {
    platform::Message m;
    if (platform::RemoveNextStylusMessage(m)) {
      if (m.kind == platform::MessageKind::StylusDown) return {MenuInput::Tap, m.x, m.y, 0};
      continue;
    }
    if (platform::RemoveNextKeyMessage(m)) {
      const auto code = static_cast<std::int16_t>(m.key & 0xFFFF);
      const int key = GameKeyOfCode(m.key);
      if (m.kind == platform::MessageKind::KeyUp) {
        if (key >= 0) KeyFlags[key] = false;
      } else if (code == platform::VkMenu || key == KeyStart) {
        return {MenuInput::Closed, 0, 0, 0};
      } else if (key == KeyUp || key == KeyDown) {
        // The first key only shows the frame (a menu opened by a tap has none yet).
        if (framed < 0)
          framed = 0;
        else
          framed = (framed + (key == KeyUp ? ItemCount - 1 : 1)) % ItemCount;
        DrawKeyFrame(framed);
      } else if (key == KeyA) {
        if (framed >= 0) {
          DrawImage(Left(), 0, GameClub.quickMenuLit, 0);  // the frame goes
          return {MenuInput::Chosen, 0, 0, framed};
        }
        DrawKeyFrame(framed = 0);
      }
      continue;
    }
    SoundTickIfOn();
    platform::IdleUntilInput(10, "a tap (WaitForTap) or a key in the quick menu", true);
  }
}

}  // namespace

void RunQuickMenu(bool byKeys) {
  Club& c = GameClub;
  SlideOpen();
  const MenuInput input = WaitInMenu(byKeys);
  if (input.kind == MenuInput::Closed) {
    SlideClosed();
    return;
  }
  int item = input.item;
  if (input.kind == MenuInput::Tap) {
    item = ItemAt(input.x, input.y);
    if (item < 0) {
      SlideClosed();
      return;
    }
  }
  DrawBand(item, c.quickMenuLit);
  PresentScreen();
  if (input.kind == MenuInput::Tap) {
    std::int16_t rx = 0, ry = 0;
    WaitForRelease(rx, ry);
    DrawBand(item, c.quickMenuPanel);
    // The tap and the release must be on the same item; items below the nine
    // (the tab itself) only close the menu.
    if (ItemAt(rx, ry) != item || item >= ItemCount) {
      SlideClosed();
      return;
    }
  } else {
    DrawBand(item, c.quickMenuPanel);
  }
  if (c.tutorialActive) {
    ClubBox(L"The QuickMenu is not accessible in the tutorial.");
    SlideClosed();
    return;
  }
  SlideClosed();
  c.currentScreen = ScreenCorridor;
  if (item == 8) {
    if (ClubQuitGame) ClubQuitGame();
    return;
  }
  const int oldTitleHeight = c.title.Height();
  c.currentRoom = QuickItems[item].room;
  c.position = QuickItems[item].position;
  FillRect(0, 0, 240, oldTitleHeight, KeyColour, 0);
  ShowRoom(0);
  DrawQuickMenuTab(0);
  BeginEnterRoom(true);
}
