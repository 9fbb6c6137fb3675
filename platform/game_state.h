// game_state.h -- process-wide shell state every layer may read: the key flags and sound off.
#pragma once

#include <cstdint>
#include <string>

// The eight game keys, in the order of KeyFlags.
enum GameKey : int { KeyUp = 0, KeyDown, KeyLeft, KeyRight, KeyStart, KeyA, KeyB, KeyC };
constexpr int GameKeyCount = 8;

// Set on key-down and cleared on key-up by the window procedure; screens read
// them and may clear them.
extern bool KeyFlags[GameKeyCount];
// The game key of a key message's virtual-key code (its low 16 bits), or -1.
int GameKeyOfCode(std::int32_t key);

// True when the "Volume" setting is 0: no loop calls SoundTick then.
extern bool SoundOff;
