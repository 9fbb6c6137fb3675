// game_state.cpp -- the process-wide shell state, zero at start.
#include "platform/game_state.h"

bool KeyFlags[GameKeyCount] = {};
bool SoundOff = false;
