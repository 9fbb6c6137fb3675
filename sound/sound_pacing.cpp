// sound_pacing.cpp -- keeps the mixer a little ahead of real time on a live audio device.
#include "sound/sound_pacing.h"

void SoundPacer::Start(std::uint64_t nowMs, std::uint32_t bytesPerSecond, std::uint32_t leadMs) {
  startMs_ = nowMs;
  mixedBytes_ = 0;
  bytesPerSecond_ = bytesPerSecond == 0 ? 1 : bytesPerSecond;
  leadMs_ = leadMs;
}

bool SoundPacer::ShouldUpdate(std::uint64_t nowMs) {
  const std::uint64_t playedMs = nowMs > startMs_ ? nowMs - startMs_ : 0;
  const std::uint64_t mixedMs = mixedBytes_ * 1000 / bytesPerSecond_;
  if (mixedMs + 1000 < playedMs) {
    // The loop was held up for over a second (a long load): do not try to
    // catch up on sound nobody heard; start counting again from here.
    startMs_ = nowMs;
    mixedBytes_ = 0;
    return true;
  }
  return mixedMs < playedMs + leadMs_;
}
