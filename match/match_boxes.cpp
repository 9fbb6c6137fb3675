// match_boxes.cpp -- the duel's message boxes through the game's box.
#include "match/match_boxes.h"
#include "gfx/message_box.h"
#include "match/match_internal.h"

namespace {
MatchBoxAnswerer answerer = nullptr;
}

void SetMatchBoxAnswerer(MatchBoxAnswerer a) { answerer = a; }

bool MatchBox(const std::wstring& text, const std::wstring& left, const std::wstring& right, bool dim, int x, int y,
              int w, int h) {
  MessageBoxLayout layout;
  layout.dim = dim;
  layout.x = static_cast<std::int16_t>(x);
  layout.y = static_cast<std::int16_t>(y);
  layout.w = static_cast<std::uint16_t>(w);
  layout.h = static_cast<std::uint16_t>(h);
  if (answerer) {
    // Drawn without waiting, then answered.
    GameMessageBox(text, L"", L"", layout);
    return answerer(text, left, right);
  }
  return GameMessageBox(text, left, right, layout);
}
