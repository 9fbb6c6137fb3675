// clock.cpp -- the tick count and sleeping, answered by the current backend.
#include "platform/clock.h"

#include "platform/backend_interface.h"
#include "platform/close_request.h"

namespace platform {

std::uint32_t TickCount() {
  Backend* backend = CurrentBackend();
  return backend ? backend->TickCount() : 0;
}

// Waits that only watch the clock (animations, pauses) end the game on a close request too.
void SleepMs(std::uint32_t ms) {
  HonourCloseRequest();
  if (Backend* backend = CurrentBackend()) backend->Sleep(ms);
  HonourCloseRequest();
}

void IdleUntilInput(std::uint32_t maxMs, const char* waitName, bool endless) {
  HonourCloseRequest();
  if (Backend* backend = CurrentBackend()) backend->IdleUntilInput(maxMs, waitName, endless);
  HonourCloseRequest();
}

void NoticeCloseDuringWork() {
  if (Backend* backend = CurrentBackend()) backend->NoticeClose();
  HonourCloseRequest();
}

}  // namespace platform
