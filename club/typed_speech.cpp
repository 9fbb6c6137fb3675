// typed_speech.cpp -- the card master's speeches, typed one character at a time.
#include "club/typed_speech.h"

#include "gfx/font.h"
#include "gfx/screen_buffers.h"
#include "platform/clock.h"
#include "platform/waits.h"

namespace {

constexpr std::uint32_t CharacterPauseMs = 50;

bool IsSpeechSeparator(wchar_t ch) {
  return ch == L' ' || ch == L',' || ch == L';' || ch == L'.' || ch == L'!' || ch == L'?' || ch == L'\n';
}

// The word that starts at `index`, up to the next separator (a separator measures 0).
int WordWidth(std::wstring_view text, std::size_t index) {
  std::size_t end = index;
  while (end < text.size() && !IsSpeechSeparator(text[end])) ++end;
  return TextWidth(GameFont, text.substr(index, end - index));
}

}  // namespace

void TypeSpeech(std::wstring_view text, int x, int row, int width, int colour) {
  int penX = x;
  int penY = row;
  for (std::size_t i = 0; i < text.size(); ++i) {
    const std::wstring_view one = text.substr(i, 1);
    // The rest of the word must fit the line. Mended: a word wider than the
    // whole width would move down a line before each of its characters and
    // run off the screen; it starts a line once, then breaks where the next
    // character would pass the right edge.
    const bool wordStart = i == 0 || IsSpeechSeparator(text[i - 1]);
    const bool tooLong = wordStart ? WordWidth(text, i) > x + width - penX
                                   : !IsSpeechSeparator(text[i]) && TextWidth(GameFont, one) > x + width - penX;
    if (tooLong && penX > x) {
      penX = x;
      penY += LineHeight(GameFont) + 2;
    }
    DrawTextTinted(one, penX, penY, GameFont, colour, 0);
    penX += TextWidth(GameFont, one);
    PresentScreen();
    SoundTickIfOn();
    WaitSince(platform::TickCount(), CharacterPauseMs);
  }
  FlushInput();
}
