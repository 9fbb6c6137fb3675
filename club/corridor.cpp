// corridor.cpp -- walking the corridor, the room title sliding in and out, the description typed word by word.
#include <cwchar>
#include <string>

#include "club/club_internal.h"
#include "club/club_tutorial.h"
#include "core/decimal_text.h"
#include "core/image.h"
#include "data/player_record.h"
#include "gfx/colour_rects.h"
#include "gfx/draw_image.h"
#include "gfx/font.h"
#include "gfx/picture_load.h"
#include "gfx/pixels.h"
#include "gfx/screen_buffers.h"
#include "platform/clock.h"
#include "platform/game_state.h"
#include "platform/waits.h"

namespace {

constexpr int CorridorRow = 30;  // DrawImageStrip's n: the corridor from row 60
constexpr int TextLeft = 10;
constexpr int TextTop = 250;

bool IsSeparator(wchar_t ch) {
  return ch == L' ' || ch == L',' || ch == L';' || ch == L'.' || ch == L'!' || ch == L'?' || ch == L'\n';
}

std::wstring_view Description(const Club& c) { return ClubRooms[c.currentRoom].description; }

int CharWidth(wchar_t ch) { return TextWidth(GameFont, std::wstring_view(&ch, 1)); }

// The word that starts at `index`, up to the first separator (a separator measures 0).
int WordWidth(std::wstring_view text, std::size_t index) {
  std::size_t end = index;
  while (end < text.size() && !IsSeparator(text[end])) ++end;
  return TextWidth(GameFont, text.substr(index, end - index));
}

void LoadTitle(Club& c) {
  c.title = Image();
  LoadImageFile(ClubRooms[c.currentRoom].titlePath, c.title, true);
}

void DrawTitleColumns(const Club& c, int buffer) {
  if (c.titleOffset > 0) DrawImageColumns(0, 0, c.title, c.title.Width() - c.titleOffset, c.titleOffset, buffer);
}

void DrawArrows(int buffer) {
  DrawButton(GameClub.leftArrow, buffer);
  DrawButton(GameClub.rightArrow, buffer);
}

void DrawCorridorPicture(int position, int buffer) {
  DrawImageStrip(CorridorRow, GameClub.corridorPictures[position - 1], buffer);
}

}  // namespace

int RoomAt(int position) {
  for (int k = 0; k < RoomCount; ++k)
    if (ClubRooms[k].position == position) return k;
  return -1;
}

void StartWalk(int direction) {
  Club& c = GameClub;
  c.ready = false;
  c.walkDirection = static_cast<std::int8_t>(direction);
  SlideTitleOut();
}

void SlideTitleOut() {
  Club& c = GameClub;
  LoadTitle(c);
  const int width = c.title.Width();
  c.titleOffset = static_cast<std::int16_t>(width);
  c.titleSpeed = -10;
  c.slideCounter = 0;
  // The title leaves to the left, fast at first, then at 2 columns a frame.
  while (c.titleOffset != 0) {
    c.titleOffset = static_cast<std::int16_t>(c.titleOffset + c.titleSpeed);
    if (++c.slideCounter >= 3) {
      c.slideCounter = 0;
      if (c.titleSpeed < -2) ++c.titleSpeed;
    }
    if (c.titleOffset < 0) c.titleOffset = 0;
    DrawTitleColumns(c, 0);
    FillRect(c.titleOffset, 0, width - c.titleOffset, c.title.Height(), KeyColour, 0);
    PresentScreen();
    SoundTickIfOn();
  }
  c.title = Image();
}

void WalkStep() {
  Club& c = GameClub;
  const std::uint32_t began = platform::TickCount();
  c.position = static_cast<std::int16_t>(c.position + c.walkDirection);
  if (c.position > CorridorLength) c.position = 1;
  if (c.position < 1) c.position = CorridorLength;
  const int room = RoomAt(c.position);
  if (room < 0) {
    WaitSince(began, 50);
    DrawCorridorPicture(c.position, 0);
    DrawCreditsCounter(0);
    DrawArrows(0);
    return;
  }
  // Walking always stops at the next room in the direction of travel.
  c.currentRoom = static_cast<std::int16_t>(room);
  c.walkDirection = 0;
  c.ready = true;
  ShowRoom(0);
  DrawArrows(0);
  TutorialAtRoom();
}

void ShowRoom(int buffer) {
  Club& c = GameClub;
  c.textY = TextTop;
  c.textX = TextLeft;
  c.charIndex = 0;
  c.typeCounter = 0;
  c.typingDone = false;
  c.slideDone = false;
  c.typing = true;
  c.shown = 1;
  c.slideCounter = 0;
  c.titleOffset = 0;
  c.titleSpeed = 10;
  c.textBuffer = static_cast<std::uint8_t>(buffer);
  LoadTitle(c);
  DrawImage(0, 240, c.bottomPanel, buffer);
  DrawCorridorPicture(ClubRooms[c.currentRoom].position, buffer);
  // The counter's line reaches into the corridor's first row: it is drawn
  // after the corridor every time, so it never loses that row.
  DrawCreditsCounter(buffer);
  DrawArrows(buffer);
}

namespace {

// One character of the animated typing: a word that would pass x 231 starts a new line.
void TypeOneCharacter(Club& c, std::wstring_view text, int buffer, bool draw) {
  const std::size_t i = static_cast<std::size_t>(c.charIndex);
  if (c.textX + WordWidth(text, i) >= 231) {
    c.textX = TextLeft;
    c.textY = static_cast<std::int16_t>(c.textY + LineHeight(GameFont));
  }
  if (draw) DrawText(text.substr(i, 1), c.textX, c.textY, GameFont, buffer);
  c.textX = static_cast<std::int16_t>(c.textX + CharWidth(text[i]));
  ++c.charIndex;
}

// One character of the completion: it breaks lines inside words.
void FinishOneCharacter(Club& c, std::wstring_view text, int buffer, bool draw) {
  const std::size_t i = static_cast<std::size_t>(c.charIndex);
  const int width = CharWidth(text[i]);
  if (c.textX + width >= 230) {
    c.textX = TextLeft;
    c.textY = static_cast<std::int16_t>(c.textY + LineHeight(GameFont));
  }
  if (draw) DrawText(text.substr(i, 1), c.textX, c.textY, GameFont, buffer);
  c.textX = static_cast<std::int16_t>(c.textX + width);
  ++c.charIndex;
}

}  // namespace

void TypeDescription() {
  Club& c = GameClub;
  // 1. The arrows look pressed until the title is half in.
  const int look = c.titleOffset > c.title.Width() / 2 ? 0 : 1;
  DrawButtonImage(c.leftArrow, look, 0);
  DrawButtonImage(c.rightArrow, look, 0);
  // 2. The title slides in from the left, slowing down to 2 columns a pass.
  if (c.titleOffset < c.title.Width()) {
    c.titleOffset = static_cast<std::int16_t>(c.titleOffset + c.titleSpeed);
    if (++c.slideCounter >= 3) {
      c.slideCounter = 0;
      if (c.titleSpeed > 2) --c.titleSpeed;
    }
    if (c.titleOffset > c.title.Width()) c.titleOffset = static_cast<std::int16_t>(c.title.Width());
    DrawTitleColumns(c, 0);
  }
  // A title that did not load (0 wide) counts as in.
  if (c.titleOffset >= c.title.Width()) c.slideDone = true;
  // 3. One character every fourth pass.
  if (++c.typeCounter > 3) {
    c.typeCounter = 0;
    const std::wstring_view text = Description(c);
    if (!c.typingDone) {
      if (c.charIndex < static_cast<int>(text.size())) TypeOneCharacter(c, text, c.textBuffer, true);
      if (c.charIndex >= static_cast<int>(text.size())) c.typingDone = true;
    }
  }
  c.typing = !(c.typingDone && c.slideDone);
}

void FinishDescription(int buffer) {
  Club& c = GameClub;
  if (!c.typing) return;
  DrawImage(0, 0, c.title, buffer);
  const std::wstring_view text = Description(c);
  while (c.charIndex < static_cast<int>(text.size())) FinishOneCharacter(c, text, buffer, true);
  c.typing = false;
  // The record says what the screen shows: the title whole, the text typed.
  c.titleOffset = static_cast<std::int16_t>(c.title.Width());
  c.slideDone = true;
  c.typingDone = true;
  DrawArrows(buffer);
}

void DrawCreditsCounter(int buffer) {
  const std::wstring text = DecimalText(CurrentPlayer.credits) + L" Credits";
  FillRect(100, 50, 140, LineHeight(GameFont), KeyColour, buffer);
  DrawTextTinted(text, 235 - TextWidth(GameFont, text), 50, GameFont, 3, buffer);
}

void DrawQuickMenuTab(int buffer) {
  const Image& panel = GameClub.quickMenuPanel;
  if (panel.Height() > 110)
    DrawImageRect(0, 110, panel.Width(), panel.Height() - 110, 240 - panel.Width(), 0, panel, buffer);
}

void DrawCorridor(int buffer) {
  ClearBuffer(buffer);
  ShowRoom(buffer);
  DrawArrows(buffer);
  DrawQuickMenuTab(buffer);
  DrawCreditsCounter(buffer);
}

// The corridor exactly as the record left it: used when a quick save resumes.
void RestoreCorridor(int buffer) {
  Club& c = GameClub;
  ClearBuffer(buffer);
  DrawImage(0, 240, c.bottomPanel, buffer);
  DrawCorridorPicture(c.position, buffer);
  DrawQuickMenuTab(buffer);
  DrawCreditsCounter(buffer);
  LoadTitle(c);
  if (c.walkDirection != 0) {
    // The title has slid out and is not held while walking.
    FillRect(0, 0, c.title.Width(), c.title.Height(), KeyColour, buffer);
    c.title = Image();
  } else {
    DrawTitleColumns(c, buffer);
  }
  // The description as far as it was typed: the animated typing, then (when
  // a tap completed it) the completion from wherever it took over.
  const std::wstring_view text = Description(c);
  const int typed = c.charIndex;
  const std::int16_t endX = c.textX;
  const std::int16_t endY = c.textY;
  int takeOver = typed;
  for (int k = typed; k >= 0; --k) {
    c.charIndex = 0;
    c.textX = TextLeft;
    c.textY = TextTop;
    while (c.charIndex < k) TypeOneCharacter(c, text, buffer, false);
    while (c.charIndex < typed) FinishOneCharacter(c, text, buffer, false);
    if (c.textX == endX && c.textY == endY) {
      takeOver = k;
      break;
    }
  }
  c.charIndex = 0;
  c.textX = TextLeft;
  c.textY = TextTop;
  while (c.charIndex < takeOver) TypeOneCharacter(c, text, buffer, true);
  while (c.charIndex < typed) FinishOneCharacter(c, text, buffer, true);
  c.textX = endX;
  c.textY = endY;
  if (c.walkDirection == 0 && c.typing) {
    const int look = c.titleOffset > c.title.Width() / 2 ? 0 : 1;
    DrawButtonImage(c.leftArrow, look, buffer);
    DrawButtonImage(c.rightArrow, look, buffer);
  } else {
    DrawArrows(buffer);
  }
}
