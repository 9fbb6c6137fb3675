// message_box.h -- the game's modal message box drawn over the current screen, answered by stylus or keys.
#pragma once

#include <cstdint>
#include <string_view>

struct MessageBoxLayout {
  bool dim = true;
  std::int16_t x = 40;
  std::int16_t y = 120;
  std::uint16_t w = 160;
  std::uint16_t h = 80;
  std::uint8_t shade = 20;
  std::uint8_t highlight = 3;
  std::uint8_t margin = 3;
};

// Shows the box and waits for a button; true when the left one was chosen.
// With both labels empty it draws itself into buffer 0 and returns false at once.
bool GameMessageBox(std::wstring_view text, std::wstring_view leftLabel, std::wstring_view rightLabel, bool dim,
                    std::int16_t x, std::int16_t y, std::uint16_t w, std::uint16_t h, std::uint8_t shade,
                    std::uint8_t highlight, std::uint8_t margin);
bool GameMessageBox(std::wstring_view text, std::wstring_view leftLabel, std::wstring_view rightLabel,
                    const MessageBoxLayout& layout);
// The standard layout: dimmed, (40, 120) 160 x 80, shade 20, highlight 3, margin 3.
bool StandardMessageBox(std::wstring_view text, std::wstring_view leftLabel, std::wstring_view rightLabel);

// The box's geometry, for drawing and for the stylus.
struct MessageBoxGeometry {
  int textLeft, textTop, textRight;
  int textBottom;  // exclusive: just into the labels' row, or the panel's inner edge in a box without buttons
  int labelRow;
  int leftLabelX, rightLabelX;
  bool InLeft(int sx, int sy) const;
  bool InRight(int sx, int sy) const;
  int leftMin, leftMax, rightMin, rightMax, bandMin, bandMax;  // exclusive bounds of the hit areas
};
MessageBoxGeometry MessageBoxPlaces(std::wstring_view leftLabel, std::wstring_view rightLabel,
                                    const MessageBoxLayout& layout);
// True when `text` shows whole (nothing cut) in a box of that layout and labels.
bool FitsMessageBox(std::wstring_view text, std::wstring_view leftLabel, std::wstring_view rightLabel,
                    const MessageBoxLayout& layout);
