// script.h -- a scripted run: timed stylus and key input, frame captures and state dumps.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "platform/messages.h"

namespace platform {

class Script {
 public:
  // Reads the script; false with "FILE:LINE: reason" in `error`.
  bool Load(const std::string& path, std::string& error);
  bool Parse(const std::string& text, const std::string& name, std::string& error);

  // Posts the input whose time has come.
  void PostDue(std::uint32_t now);
  // Takes the captures and dumps timed strictly before `now` from the frame
  // on screen (called before the clock moves past them and before a new frame shows).
  void TakeDue(std::uint32_t now);
  // The time of the next input, capture or dump; false when none is left.
  bool NextTime(std::uint32_t& time) const;
  bool NextInputTime(std::uint32_t& time) const;
  bool Finished() const;
  // True when a scripted close is due by `now` (waits that read no input still end on it).
  bool CloseDue(std::uint32_t now) const;
  // The run stops: takes the "end" captures and those due by `now`; warns about later ones.
  void TakeFinal(std::uint32_t now);
  std::uint32_t HoldMs() const { return holdMs_; }
  std::uint32_t Seed() const { return seed_; }
  bool Empty() const { return inputs_.empty() && shots_.empty(); }

 private:
  struct Input {
    std::uint32_t time;
    Message message;
  };
  struct Shot {
    std::uint32_t time;
    bool atEnd;
    bool dump;   // a state dump rather than a frame capture
    bool await;  // waits (in real time) until the file exists: lines up two games run side by side
    std::string path;
  };
  std::vector<Input> inputs_;  // sorted by time, in file order within a time
  std::vector<Shot> shots_;
  std::size_t nextInput_ = 0;
  std::uint32_t holdMs_ = 0;
  std::uint32_t seed_ = 0;
};

std::string ReportState();

}  // namespace platform
