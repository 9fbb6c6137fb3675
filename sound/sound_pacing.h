// sound_pacing.h -- keeps the mixer a little ahead of real time on a live audio device.
//
// Some of the library's device drivers block in their update call once the
// device's buffer is full, which would stall the main loop that calls
// SoundTick on every pass. The pacer lets an update run only while less than
// `leadMs` of sound is mixed ahead of the time played so far.
#pragma once

#include <atomic>
#include <cstdint>

class SoundPacer {
 public:
  // bytesPerSecond: the output's byte rate; leadMs: how far ahead to mix.
  void Start(std::uint64_t nowMs, std::uint32_t bytesPerSecond, std::uint32_t leadMs);
  // True when an update should run at nowMs.
  bool ShouldUpdate(std::uint64_t nowMs);
  // The mixer produced `bytes` more bytes (a driver may mix on its own thread).
  void Mixed(std::uint64_t bytes) { mixedBytes_ += bytes; }
  std::uint64_t MixedBytes() const { return mixedBytes_; }

 private:
  std::uint64_t startMs_ = 0;
  std::atomic<std::uint64_t> mixedBytes_{0};
  std::uint32_t bytesPerSecond_ = 44100;
  std::uint32_t leadMs_ = 150;
};
