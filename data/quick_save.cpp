// quick_save.cpp -- the quick-save file: slot, club block, InClub, match block.
#include "data/quick_save.h"

#include <vector>

#include "data/game_state.h"
#include "data/player_record.h"
#include "data/save_file.h"
#include "platform/file_system.h"

const char* const QuickSavePath = "SAVE\\QuickSave.QXP";
QuickSaveBlock ClubStateBlock;
QuickSaveBlock MatchSnapshotBlock;

std::vector<std::uint8_t> QuickSaveBytes() {
  std::vector<std::uint8_t> bytes;
  ByteWriter out(bytes);
  out.U8(CurrentPlayer.slot);
  if (ClubStateBlock.write) ClubStateBlock.write(out);
  out.U8(InClub);
  if (InClub == 0 && MatchSnapshotBlock.write) MatchSnapshotBlock.write(out);
  return bytes;
}

bool QuickSave() {
  if (CurrentPlayer.slot == 255) return true;
  return platform::WriteFileAtomically(QuickSavePath, QuickSaveBytes());
}

bool QuickLoadBytes(const std::vector<std::uint8_t>& bytes) {
  ByteReader in(bytes);
  std::uint8_t slot = in.U8();
  bool ok = in.Ok() && LoadCharacter(slot);
  if (ok && ClubStateBlock.read) ok = ClubStateBlock.read(in) && in.Ok();
  std::uint8_t inClub = in.U8();
  ok = ok && in.Ok() && inClub <= 1;
  if (ok) {
    InClub = inClub;
    if (InClub == 0 && MatchSnapshotBlock.read) ok = MatchSnapshotBlock.read(in) && in.Ok();
    // A duel that cannot be resumed leaves the player in the club.
    if (!ok) InClub = 1;
  }
  return ok;
}

bool QuickLoad() {
  if (!platform::FileExists(QuickSavePath)) return false;
  std::vector<std::uint8_t> bytes;
  const bool ok = platform::ReadWholeFile(QuickSavePath, bytes, 16u << 20) && QuickLoadBytes(bytes);
  platform::RemoveFile(QuickSavePath);
  return ok;
}
