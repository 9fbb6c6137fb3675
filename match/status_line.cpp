// status_line.cpp -- the status line's three modes and their drawing.
#include "match/status_line.h"

#include <algorithm>

#include "gfx/draw_image.h"
#include "gfx/font.h"
#include "gfx/screen_buffers.h"
#include "match/match.h"
#include "platform/clock.h"

namespace {

int AlignedX(const StatusLine& line, const std::wstring& text) {
  const int width = TextWidth(GameFont, text);
  switch (line.alignment) {
    case 0:
      return StatusLeft + (StatusWidth - width) / 2;
    case 1:
      return StatusLeft;
    case 2:
      return 233 - width;
    default:
      return line.alignment;
  }
}

void DrawLineText(const std::wstring& text, int x) {
  if (!BuffersAllocated() || text.empty()) return;
  DrawText(text, x, StatusTop, GameFont, 0);
}

void BlinkTick(StatusLine& line, std::uint32_t now) {
  if (line.blink && now - line.blinkLast > 300) {
    line.blinkLast = now;
    line.visible ^= 1;
    if (line.visible && !line.text2.empty()) line.whichText ^= 1;
    if (line.repeatLimit != 0 && !line.text3.empty()) {
      ++line.repeatCount;
      if (line.repeatCount > line.repeatLimit) {
        const std::wstring next = line.text3;
        SetStatus(line, 2, next, L"", L"", 0, false, 0);
        return;
      }
    }
  }
  line.blinkNow = now;
  ClearStatus();
  if (line.visible) {
    const std::wstring& text = line.whichText ? line.text1 : line.text2;
    DrawLineText(text, AlignedX(line, text));
  }
}

}  // namespace

void ClearStatus() {
  if (!BuffersAllocated()) return;
  DrawImageSameRect(StatusLeft, StatusTop, StatusWidth, StatusHeight, TheMatch.screen.frameImage, 0);
}

void SetStatus(StatusLine& line, int mode, const std::wstring& text1, const std::wstring& text2,
               const std::wstring& text3, int repeatLimit, bool blink, int alignment) {
  line.text1 = text1;
  line.text2 = text2;
  line.text3 = text3;
  line.mode = mode;
  line.repeatLimit = static_cast<std::uint8_t>(repeatLimit);
  line.blink = blink ? 1 : 0;
  line.alignment = alignment;
  ClearStatus();
  const std::uint32_t now = platform::TickCount();
  if (mode == 0) {
    line.repeatCount = 0;
    line.blinkNow = line.blinkLast = now;
    line.visible = 1;
    line.whichText = 1;
  } else if (mode == 2) {
    line.count = 0;
    line.tickerNow = line.tickerLast = now;
    line.direction = 1;
  }
}

std::wstring TickerText(StatusLine& line, int& x) {
  const std::wstring& text = line.text1;
  const int length = static_cast<int>(text.size());
  std::wstring shown;
  int spaces = 0;
  if (line.direction >= 0) {
    if (line.count < length) {
      shown = text.substr(0, static_cast<std::size_t>(std::max(0, static_cast<int>(line.count))));
    } else {
      spaces = line.count - length + 1;
      shown = text + std::wstring(static_cast<std::size_t>(spaces), L' ');
    }
    while (!shown.empty() && TextWidth(GameFont, shown) >= StatusWidth) shown.erase(0, 1);
    x = 233 - TextWidth(GameFont, shown);
  } else {
    if (-line.count < length) {
      shown = text.substr(static_cast<std::size_t>(-line.count));  // the last L + count characters
    } else {
      spaces = -(length + line.count) + 1;
      shown = std::wstring(static_cast<std::size_t>(spaces), L' ') + text;
    }
    bool cut = false;
    while (!shown.empty() && TextWidth(GameFont, shown) >= StatusWidth) {
      shown.pop_back();
      cut = true;
    }
    x = cut ? 233 - TextWidth(GameFont, shown) : StatusLeft;
  }
  if (spaces > 0) {
    const int spaceWidth = TextWidth(GameFont, std::wstring(static_cast<std::size_t>(spaces), L' '));
    // A font without a space glyph would never reach the end: the text's length plus a line is the limit.
    if (spaceWidth > 193 || spaces > StatusWidth) {
      line.count = 0;
      if (line.bounce) line.direction = static_cast<std::int8_t>(-line.direction);
    }
  }
  return shown;
}

void StatusTick(StatusLine& line) {
  const std::uint32_t now = platform::TickCount();
  switch (line.mode) {
    case 0:
      BlinkTick(line, now);
      break;
    case 2: {
      line.tickerNow = now;
      if (now - line.tickerLast < 100) return;
      line.tickerLast = now;
      line.count = static_cast<std::int16_t>(line.count + line.direction);
      int x = StatusLeft;
      const std::wstring shown = TickerText(line, x);
      ClearStatus();
      DrawLineText(shown, x);
      break;
    }
    default:
      ClearStatus();
      DrawLineText(line.text1, AlignedX(line, line.text1));
      break;
  }
}

void DrawStatusCentred(const StatusLine& line) {
  ClearStatus();
  DrawLineText(line.text1, StatusLeft + (StatusWidth - TextWidth(GameFont, line.text1)) / 2);
}
