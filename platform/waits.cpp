// waits.cpp -- WaitOrTap, WaitForTap, WaitForRelease, FlushInput and the paced pause of animations.
#include "platform/waits.h"

#include <algorithm>

#include "platform/clock.h"
#include "platform/display.h"
#include "platform/game_state.h"
#include "platform/messages.h"

namespace {

void (*soundTickHook)() = nullptr;
std::uint32_t (*soundFeedHook)() = nullptr;

// How long a wait sleeps between two looks at the queue: short enough for the
// music to keep streaming.
constexpr std::uint32_t WaitSliceMs = 10;

bool WaitForStylus(platform::MessageKind kind, const char* name, std::int16_t& x, std::int16_t& y) {
  platform::Message m;
  for (;;) {
    if (platform::RemoveNextStylusMessage(m)) {
      if (m.kind == kind) {
        x = m.x;
        y = m.y;
        return true;
      }
      continue;
    }
    SoundTickIfOn();
    platform::IdleUntilInput(WaitSliceMs, name, true);
  }
}

}  // namespace

void SetSoundTickHook(void (*hook)()) { soundTickHook = hook; }

void SetSoundFeedHook(std::uint32_t (*intervalMs)()) { soundFeedHook = intervalMs; }

std::uint32_t SoundFeedIntervalIfOn() { return !SoundOff && soundFeedHook ? soundFeedHook() : 0; }

void SoundTickIfOn() {
  if (!SoundOff && soundTickHook) soundTickHook();
}

void WaitSince(std::uint32_t since, std::uint32_t ms) {
  for (;;) {
    SoundTickIfOn();
    std::uint32_t elapsed = platform::TickCount() - since;
    if (elapsed >= ms) return;
    platform::SleepMs(std::min(ms - elapsed, WaitSliceMs));
  }
}

bool WaitOrTap(int ms) {
  const int limit = std::clamp(ms, 0, 32767);
  const std::uint32_t start = platform::TickCount();
  platform::Message m;
  for (;;) {
    if (platform::RemoveNextStylusMessage(m)) {
      if (m.kind == platform::MessageKind::StylusDown) return true;
      continue;
    }
    SoundTickIfOn();
    // Mended: the elapsed time is the full 32-bit difference of tick counts.
    // A signed 16-bit difference turns negative when one look at the clock
    // overshoots 32767 ms, and the wait would then run 65 seconds longer.
    const std::uint32_t elapsed = platform::TickCount() - start;
    if (elapsed >= static_cast<std::uint32_t>(limit)) return false;
    platform::IdleUntilInput(std::min(static_cast<std::uint32_t>(limit) - elapsed, WaitSliceMs), "WaitOrTap");
  }
}

void WaitForTap(std::int16_t& x, std::int16_t& y) {
  WaitForStylus(platform::MessageKind::StylusDown, "a tap (WaitForTap)", x, y);
}

void WaitForRelease(std::int16_t& x, std::int16_t& y) {
  WaitForStylus(platform::MessageKind::StylusUp, "a stylus release (WaitForRelease)", x, y);
}

void WaitForTapOrActionKey() {
  platform::Message m;
  for (;;) {
    if (platform::RemoveNextStylusMessage(m)) {
      if (m.kind == platform::MessageKind::StylusDown) return;
      continue;
    }
    if (platform::RemoveNextKeyDown(platform::VkAppA, m)) return;
    SoundTickIfOn();
    platform::IdleUntilInput(WaitSliceMs, "a tap (WaitForTap) or the action key", true);
  }
}

void FlushInput() {
  platform::Message m;
  while (platform::RemoveNextKeyMessage(m)) {
  }
  while (platform::RemoveNextStylusMessage(m)) {
  }
}
