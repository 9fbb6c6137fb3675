// status_line.h -- the duel's one-line message band: blinking, static and scrolling ticker modes.
#pragma once

#include <cstdint>
#include <string>

struct StatusLine {
  std::wstring text1, text2, text3;
  std::uint8_t whichText = 1;  // 1 = text1, 0 = text2
  std::int32_t spare = 0;
  std::int32_t mode = 2;      // 0 blinking, 1 static, 2 ticker
  std::int16_t count = 0;     // ticker position
  std::int8_t direction = 1;  // ticker direction, +1 or -1
  std::uint8_t bounce = 1;    // the ticker turns round at each end
  std::uint32_t tickerNow = 0, tickerLast = 0;
  std::int32_t alignment = 0;  // 0 centred, 1 left at x 35, 2 right against x 233, other: that x
  std::uint8_t blink = 0;
  std::uint32_t blinkNow = 0, blinkLast = 0;
  std::uint8_t visible = 1;
  std::uint8_t repeatLimit = 0;
  std::uint8_t repeatCount = 0;
};

constexpr int StatusLeft = 35;
constexpr int StatusTop = 235;
constexpr int StatusWidth = 198;
constexpr int StatusHeight = 13;

void SetStatus(StatusLine& line, int mode, const std::wstring& text1, const std::wstring& text2,
               const std::wstring& text3, int repeatLimit, bool blink, int alignment);
// Runs the mode's timer and draws the line when it changed.
void StatusTick(StatusLine& line);
// Draws text1 centred (the full redraw's view of the line).
void DrawStatusCentred(const StatusLine& line);
void ClearStatus();

// The ticker's visible text for the current count and direction; `x` is where it is drawn.
// Also applies the turn at the ends (count reset, direction reversed).
std::wstring TickerText(StatusLine& line, int& x);
