// input_record.h -- writes the player's input as a script that replays the session on the virtual clock.
#pragma once

#include <cstdint>
#include <string>

#include "platform/messages.h"

namespace platform {

// Starts recording into `path` (written whole, replacing any older file, when the run ends).
void StartRecording(const std::string& path);
bool Recording();
// The seed the run took; the script starts with it so the replay draws the same cards.
void RecordSeed(std::uint32_t seed);
// A stylus or key message entering the queue at tick `now`.
void RecordInput(const Message& message, std::uint32_t now);
// The game honours a close request (window's button, SIGTERM, SIGINT, a script's close) at tick `now`.
void RecordClose(std::uint32_t now);
// Writes the script; false with a line on standard error when it cannot be written.
bool FinishRecording();
// The script recorded so far (tests).
std::string RecordedScript();

}  // namespace platform
