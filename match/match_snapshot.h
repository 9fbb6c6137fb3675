// match_snapshot.h -- the duel in progress inside the quick-save file.
#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

class ByteWriter;
class ByteReader;

// Writes the match block.
void SaveMatchSnapshot(ByteWriter& out);
// Reads the match block. False, leaving the duel as it was, for a block that
// is cut short or damaged (unknown state, a side or cell out of range, a
// duellist that cannot be found).
bool LoadMatchSnapshot(ByteReader& in);
// The same on a block of its own (the whole of `in` must be the block).
void SaveMatchSnapshot(std::vector<std::uint8_t>& out);
bool LoadMatchSnapshot(const std::vector<std::uint8_t>& in);
// Hands both to the quick-save file (at start-up).
void RegisterMatchSnapshot();
// After a successful load: redraws the duel screen and restarts what the
// snapshot could not carry (highlights, a running animation).
void ResumeMatchScreen();

// The size of the block without its texts: 3 + 120 + 30 + 46 + 3 + 6 + 4 + 3 + 40 + 20 + 13 + 12 + 4 + 5 + 2 + 8 + 2.
constexpr std::size_t SnapshotFixedBytes = 321;
