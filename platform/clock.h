// clock.h -- the millisecond tick count and sleeping (real time on screen, virtual time headless).
#pragma once

#include <cstdint>

namespace platform {

// Milliseconds since start-up; wraps like the handheld's 32-bit tick count.
std::uint32_t TickCount();
// Sleeps (headless: advances the virtual clock).
void SleepMs(std::uint32_t ms);
// Sleeps until an input message may be waiting or maxMs has passed, whichever
// comes first. `waitName` names the wait; `endless` says that the caller
// will wait for input without a time limit (calling again and again): a
// scripted run whose script has nothing left stops there, naming the wait.
void IdleUntilInput(std::uint32_t maxMs, const char* waitName, bool endless = false);
// Long work that neither waits nor presents (decoding a picture) calls this
// as it goes: a close request made meanwhile ends the game there.
void NoticeCloseDuringWork();

}  // namespace platform
