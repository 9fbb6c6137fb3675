// closed_room.cpp -- a closed room's screen: its name, "closed for now", and a tap to go back.
#include "club/closed_room.h"

#include "data/save_bytes.h"
#include "gfx/colour_rects.h"
#include "gfx/font.h"
#include "gfx/screen_buffers.h"

namespace {

void DrawCentred(std::wstring_view text, int y, int buffer) {
  DrawText(text, (240 - TextWidth(GameFont, text)) / 2, y, GameFont, buffer);
}

}  // namespace

ClosedRoomScreen::ClosedRoomScreen(std::wstring roomName) : roomName_(std::move(roomName)) { Redraw(1); }

void ClosedRoomScreen::Enter() { Redraw(0); }

void ClosedRoomScreen::Redraw(int buffer) {
  ClearBuffer(buffer);
  FillRect(20, 110, 200, 100, 0, buffer);
  AdjustRect(20, 110, 200, 100, 24, 24, 48, buffer);
  DrawCentred(roomName_, 125, buffer);
  DrawCentred(L"This room is closed for now.", 150, buffer);
  DrawCentred(L"Tap to go back.", 180, buffer);
}

void ClosedRoomScreen::StylusDown(int, int) { pressed_ = true; }

bool ClosedRoomScreen::StylusUp(int, int) {
  // Only a tap that began here leaves (not the release of the tap that opened the room).
  const bool leave = pressed_;
  pressed_ = false;
  return leave;
}

// Nothing to keep: a closed room reopens as it was.
void ClosedRoomScreen::SaveState(ByteWriter&) const {}
bool ClosedRoomScreen::LoadState(ByteReader&) { return true; }
