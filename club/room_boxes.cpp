// room_boxes.cpp -- the rooms' message boxes, through the answerer when a test installed one.
#include "club/room_boxes.h"

#include "gfx/font.h"

namespace {
RoomBoxAnswerer answerer = nullptr;
}  // namespace

// A text too long for its box grows the box upwards, a line at a time, up to
// the top of the screen: its bottom edge and its buttons stay where they were.
MessageBoxLayout GrownToFit(std::wstring_view text, std::wstring_view left, std::wstring_view right,
                            MessageBoxLayout layout) {
  const int step = LineHeight(GameFont);
  if (step == 0) return layout;
  while (!FitsMessageBox(text, left, right, layout) && layout.y - step >= 4) {
    layout.y = static_cast<std::int16_t>(layout.y - step);
    layout.h = static_cast<std::uint16_t>(layout.h + step);
  }
  return layout;
}

void SetRoomBoxAnswerer(RoomBoxAnswerer a) { answerer = a; }

bool RoomBox(std::wstring_view text, std::wstring_view left, std::wstring_view right, const MessageBoxLayout& layout) {
  if (answerer) return answerer(std::wstring(text), std::wstring(left), std::wstring(right));
  return GameMessageBox(text, left, right, layout);
}

void RoomOkBox(std::wstring_view text) { RoomBox(text, L"Ok", L"", GrownToFit(text, L"Ok", L"", MessageBoxLayout{})); }

bool RoomOkCancelBox(std::wstring_view text) {
  return !RoomBox(text, L"Cancel", L"Ok", GrownToFit(text, L"Cancel", L"Ok", MessageBoxLayout{}));
}

void RoomTutorialBox(std::wstring_view text) {
  MessageBoxLayout layout;
  layout.x = 20;
  layout.y = 40;
  layout.w = 200;
  layout.h = 200;
  RoomBox(text, L"Ok", L"", GrownToFit(text, L"Ok", L"", layout));
}
