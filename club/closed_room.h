// closed_room.h -- the screen of a room that is not open yet: it says so, and a tap leads back.
#pragma once

#include <string>

#include "club/club_screen.h"

class ClosedRoomScreen : public ClubScreenBase {
 public:
  explicit ClosedRoomScreen(std::wstring roomName);

  void Enter() override;
  void Frame() override {}
  void StylusDown(int x, int y) override;
  bool StylusUp(int x, int y) override;
  void Redraw(int buffer) override;
  void SaveState(ByteWriter& out) const override;
  bool LoadState(ByteReader& in) override;

  const std::wstring& RoomName() const { return roomName_; }

 private:
  std::wstring roomName_;
  bool pressed_ = false;
};
