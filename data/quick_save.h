// quick_save.h -- "SAVE\QuickSave.QXP": the exact place in the club, and an unfinished duel, across an exit.
#pragma once

#include <cstdint>
#include <functional>
#include <vector>

#include "data/save_bytes.h"

extern const char* const QuickSavePath;

// A block of the quick-save file owned by a later layer: the club's state
// and the match snapshot. A reader returns false for a damaged block.
struct QuickSaveBlock {
  std::function<void(ByteWriter&)> write;
  std::function<bool(ByteReader&)> read;
};
extern QuickSaveBlock ClubStateBlock;
extern QuickSaveBlock MatchSnapshotBlock;

// Writes CurrentPlayer's slot, the club state, InClub and, while a duel is in
// progress (InClub 0), the match snapshot, in one atomic step. Nothing (and
// true) for a quick-game character (slot 255).
bool QuickSave();
// The bytes QuickSave writes (for any slot).
std::vector<std::uint8_t> QuickSaveBytes();

// When the quick-save file exists: loads its character, the club state,
// InClub and the match snapshot, deletes the file and returns true. False
// when there is none, or when it is damaged or names a character that cannot
// be loaded (the file is deleted then too, and the game starts normally).
bool QuickLoad();
// The same from the file's bytes; the file itself is neither read nor removed.
bool QuickLoadBytes(const std::vector<std::uint8_t>& bytes);
