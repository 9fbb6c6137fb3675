// clock.cpp -- the tick count and sleeping, answered by the current backend.
#include "platform/clock.h"

#include "platform/backend_interface.h"

namespace platform {

std::uint32_t TickCount() {
  Backend* backend = CurrentBackend();
  return backend ? backend->TickCount() : 0;
}

void SleepMs(std::uint32_t ms) {
  if (Backend* backend = CurrentBackend()) backend->Sleep(ms);
}

void IdleUntilInput(std::uint32_t maxMs, const char* waitName, bool endless) {
  if (Backend* backend = CurrentBackend()) backend->IdleUntilInput(maxMs, waitName, endless);
}

}  // namespace platform
