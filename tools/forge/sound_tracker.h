// sound_tracker.h -- writes a composed song as a tracker module file.
#pragma once

#include <cstdint>
#include <vector>

#include "tools/forge/sound_song.h"

// A 31-instrument ProTracker module ("M.K." with 4 channels, "6CHN"/"8CHN"
// with more). False (with a line on stderr) when a note lies outside the
// format's three octaves or a sample is too long.
bool WriteMod(const Song& song, std::vector<std::uint8_t>& bytes);
// A FastTracker 2 extended module (version 1.04, linear frequencies).
bool WriteXm(const Song& song, std::vector<std::uint8_t>& bytes);
