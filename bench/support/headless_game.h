// headless_game.h -- the game as the screen benchmarks run it: headless, silent, on a forged data set.
#pragma once

#include <string>

// Starts the headless backend with its virtual clock, reads the game's files
// from `dataDir`, turns the sound off and makes the 240 x 320 5-6-5 screen.
// False when the backend does not start.
bool StartHeadlessGame(const std::string& dataDir);

// Cuts the game's font from the data set's font sheet.
void LoadGameFont();
