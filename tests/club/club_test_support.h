// club_test_support.h -- a headless club table for the tests: data set, screen, font, settings and box answers.
#pragma once

#include <string>
#include <vector>

// Starts the headless backend, the buffers, the font and the card data once
// per test program, on a private copy of the forged data set (its own SAVE
// folder and settings); every call empties the SAVE folder, the boxes and
// the answers.
void SetUpClubTable();

// The install folder and a save file's host path.
std::string ClubInstall();
std::string SaveHostPath(int slot);

// Every box a screen showed, and the answers to give (true = left button);
// when no answer is queued the right button (or the only one) is chosen.
struct ShownBox {
  std::wstring text, left, right;
};
extern std::vector<ShownBox> Boxes;
extern std::vector<bool> Answers;

// Writes bytes as a host file.
void WriteHostFile(const std::string& path, const std::vector<std::uint8_t>& bytes);
