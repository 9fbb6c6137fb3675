// duel_table.h -- a headless duel table for the seed maker and the soak: the data set, screen, font and match.
#pragma once

#include <functional>
#include <string>

#include "data/player_record.h"

// Starts the headless backend on the data set in `dataDir`, with a SAVE
// folder of its own under `saveRoot`; false with a line on stderr.
bool SetUpDuelTable(const std::string& dataDir, const std::string& saveRoot);

// A character in slot 1 with sixteen cards of the four levels in its deck, saved.
bool MakeSavedCharacter(const std::wstring& name);

// One computer-against-computer duel from its set-up until the board is full
// (the match is over); `eachFrame` is called before every frame with the frame
// number. False when it did not end within the frame limit.
bool PlayComputerDuel(PlayerRecord& red, PlayerRecord& blue, const std::function<void(long)>& eachFrame,
                      long frameLimit = 100000);
