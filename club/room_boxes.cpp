// room_boxes.cpp -- the rooms' message boxes, through the answerer when a test installed one.
#include "club/room_boxes.h"

namespace {
RoomBoxAnswerer answerer = nullptr;
}  // namespace

void SetRoomBoxAnswerer(RoomBoxAnswerer a) { answerer = a; }

bool RoomBox(std::wstring_view text, std::wstring_view left, std::wstring_view right, const MessageBoxLayout& layout) {
  if (answerer) return answerer(std::wstring(text), std::wstring(left), std::wstring(right));
  return GameMessageBox(text, left, right, layout);
}

void RoomOkBox(std::wstring_view text) { RoomBox(text, L"Ok", L"", MessageBoxLayout{}); }

bool RoomOkCancelBox(std::wstring_view text) { return !RoomBox(text, L"Cancel", L"Ok", MessageBoxLayout{}); }

void RoomTutorialBox(std::wstring_view text) {
  MessageBoxLayout layout;
  layout.x = 20;
  layout.y = 40;
  layout.w = 200;
  layout.h = 200;
  RoomBox(text, L"Ok", L"", layout);
}
