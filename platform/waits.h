// waits.h -- the modal waits every screen uses, and the sound tick they keep running.
#pragma once

#include <cstdint>

// The game sets this to SoundTick; SoundTickIfOn calls it while sound is on.
void SetSoundTickHook(void (*hook)());
void SoundTickIfOn();
// The game sets this to how often the sound output must be fed (0: it need
// not be); a window that waits for nothing else wakes at least that often.
void SetSoundFeedHook(std::uint32_t (*intervalMs)());
std::uint32_t SoundFeedIntervalIfOn();

// Waits until `ms` milliseconds have passed since the tick `since`, sleeping
// and calling SoundTickIfOn (animations pace themselves with it).
void WaitSince(std::uint32_t since, std::uint32_t ms);

// Waits up to ms milliseconds (at most 32767), removing stylus messages;
// true at the first stylus-down, false when the time is over.
bool WaitOrTap(int ms);
// Removes stylus messages until a stylus-down arrives; its position.
void WaitForTap(std::int16_t& x, std::int16_t& y);
// The same until a stylus-up arrives.
void WaitForRelease(std::int16_t& x, std::int16_t& y);
// Waits for a tap anywhere or a press of the action key (KeyA); other keys stay queued.
void WaitForTapOrActionKey();
// Removes every pending key and stylus message without acting on them.
void FlushInput();
