// key_sequences.h -- the six hidden direction-key sequences and how a key press advances them.
#pragma once

#include <cstdint>

struct KeySequence {
  std::uint8_t codes[8] = {};  // 0 Up, 1 Down, 2 Left, 3 Right
  std::uint8_t count = 0;
  std::uint8_t position = 0;    // 0 = nothing matched yet
  std::uint32_t lastPress = 0;  // tick count of the last accepted press
};

constexpr int KeySequenceCount = 6;
extern KeySequence KeySequences[KeySequenceCount];

// Appends a code; a ninth code is ignored.
void AppendCode(KeySequence& sequence, std::uint8_t code);
// Sets up the six sequences (sequence 0 has seven codes, the others four).
void BuildKeySequences();
// Feeds one direction code pressed at tick `now`; true when the sequence completes.
bool FeedKeySequence(KeySequence& sequence, std::uint8_t code, std::uint32_t now);
