// tutorial_boards.h -- the four fixed boards the tutorial starts from.
#pragma once

#include <functional>

#include "engine/board.h"

constexpr int TutorialBoardCount = 4;

// Resets the board with no blocked cell and places board `number`'s (1..4)
// cards for side 0, each made by loadCard(id). False for another number.
bool SetUpTutorialBoard(Board& board, int number, const std::function<Card(int)>& loadCard);
