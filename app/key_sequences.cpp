// key_sequences.cpp -- the hidden key sequences: their codes and the matching rule.
#include "app/key_sequences.h"

#include <initializer_list>

KeySequence KeySequences[KeySequenceCount];

void AppendCode(KeySequence& sequence, std::uint8_t code) {
  if (sequence.count >= 8) return;
  sequence.codes[sequence.count++] = code;
}

void BuildKeySequences() {
  static const std::initializer_list<std::uint8_t> codes[KeySequenceCount] = {
      {2, 3, 2, 3, 0, 1, 0}, {0, 3, 1, 2}, {2, 2, 3, 3}, {3, 1, 2, 0}, {1, 0, 1, 3}, {2, 1, 3, 0}};
  for (int i = 0; i < KeySequenceCount; ++i) {
    KeySequences[i] = KeySequence{};
    for (std::uint8_t c : codes[i]) AppendCode(KeySequences[i], c);
  }
}

bool FeedKeySequence(KeySequence& s, std::uint8_t code, std::uint32_t now) {
  if (s.count == 0) return false;
  if (code == s.codes[s.position]) {
    if (s.position == 0) s.lastPress = now;
    if (now - s.lastPress < 1000) {
      s.lastPress = now;
      if (++s.position >= s.count) {
        s.position = 0;
        return true;
      }
      return false;
    }
  }
  s.position = 0;
  if (code == s.codes[0]) {
    s.lastPress = now;
    s.position = 1;
  }
  return false;
}
