// typed_speech.h -- a speech typed character by character over a full-screen picture (the card master's lair).
#pragma once

#include <string_view>

// Types the text into buffer 0 from (x, row), one character per frame, each
// presented and followed by a 50 ms pause. A word that would pass x + width
// starts a new line at x, LineHeight + 2 lower. colour is the font tint
// (3 yellow, 5 cyan, 11 white). Input that arrived meanwhile is flushed at
// the end: the speech is always typed in full.
void TypeSpeech(std::wstring_view text, int x, int row, int width, int colour);
