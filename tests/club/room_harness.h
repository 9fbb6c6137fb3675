// room_harness.h -- a headless club room for the tests: data set, screen, font, a character, and the boxes it showed.
#pragma once

#include <string>
#include <vector>

#include "data/save_file.h"

// Starts the headless backend, the buffers, the font and the card data once
// per test program, and gives CurrentPlayer a fresh character in slot 1.
void SetUpRoom();

struct ShownBox {
  std::wstring text, left, right;
};
// Every box the rooms showed since SetUpRoom, and the answers to give
// (true = left); when none is queued the right button (or the only one) is chosen.
extern std::vector<ShownBox> RoomBoxes;
extern std::vector<bool> RoomBoxAnswers;

// The character's save file as the game would read it back.
SavedCharacter SavedCurrentCharacter();
// Makes the next saves of slot 1 fail (true) or work again (false).
void BlockSaving(bool blocked);

// The ids of the deck slots, -1 for empty ones.
std::vector<int> DeckIds();

// The virtual clock moves on by ms.
void PassTime(int ms);
