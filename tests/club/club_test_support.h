// club_test_support.h -- the character screen's tests on the room harness: settings, an empty SAVE folder, save files.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "tests/club/room_harness.h"

// SetUpRoom, then a settings store of the tests' own (the last character is
// remembered there) and an empty SAVE folder.
void SetUpCharacterTable();

// The install folder and a save file's host path.
std::string ClubInstall();
std::string SaveHostPath(int slot);

// Writes bytes as a host file.
void WriteHostFile(const std::string& path, const std::vector<std::uint8_t>& bytes);
