// clock.h -- the millisecond tick count and sleeping (real time on screen, virtual time headless).
#pragma once

#include <cstdint>

namespace platform {

// Milliseconds since start-up; wraps like the handheld's 32-bit tick count.
std::uint32_t TickCount();
// Sleeps (headless: advances the virtual clock).
void SleepMs(std::uint32_t ms);
// Sleeps until an input message may be waiting or maxMs has passed, whichever
// comes first. `waitName` names the wait: a headless run whose script has no
// more input for an endless wait stops there with that name (exit code 3).
constexpr std::uint32_t WaitForever = 0xFFFFFFFFu;
void IdleUntilInput(std::uint32_t maxMs, const char* waitName);

}  // namespace platform
