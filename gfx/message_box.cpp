// message_box.cpp -- GameMessageBox: greyed screen, panel, wrapped text, two text buttons and the box's own stylus loop.
#include "gfx/message_box.h"

#include "gfx/font.h"
#include "gfx/panel.h"
#include "gfx/screen_buffers.h"
#include "platform/clock.h"
#include "platform/display.h"
#include "platform/game_state.h"
#include "platform/messages.h"
#include "platform/waits.h"

namespace {

enum class Pressed { None, Left, Right };

void DrawLabels(std::wstring_view left, std::wstring_view right, const MessageBoxGeometry& g, int leftTint,
                int rightTint) {
  DrawTextTinted(left, g.leftLabelX, g.labelRow, GameFont, leftTint, 0);
  DrawTextTinted(right, g.rightLabelX, g.labelRow, GameFont, rightTint, 0);
}

// The game key of a key message (the key list's order: up, down, left, right,
// A, B, C, start), -1 for other keys.
int GameKeyOf(std::int32_t code) {
  static constexpr GameKey ListToFlag[8] = {KeyUp, KeyDown, KeyLeft, KeyRight, KeyA, KeyB, KeyC, KeyStart};
  const platform::DefaultKeyList keys = platform::GetDefaultKeys();
  const auto low = static_cast<std::int16_t>(code & 0xFFFF);
  for (std::size_t i = 0; i < keys.size(); ++i)
    if (keys[i].vkCode == low) return ListToFlag[i];
  return -1;
}

// The box answers these keys; every other key waits in the queue for the screen behind.
bool BoxKey(std::int32_t code) {
  const int key = GameKeyOf(code);
  return key == KeyLeft || key == KeyRight || key == KeyA;
}

}  // namespace

bool MessageBoxGeometry::InLeft(int sx, int sy) const {
  return leftMin < sx && sx < leftMax && bandMin < sy && sy < bandMax;
}

bool MessageBoxGeometry::InRight(int sx, int sy) const {
  return rightMin < sx && sx < rightMax && bandMin < sy && sy < bandMax;
}

MessageBoxGeometry MessageBoxPlaces(std::wstring_view leftLabel, std::wstring_view rightLabel,
                                    const MessageBoxLayout& l) {
  const int m = l.margin;
  const int leftWidth = TextWidth(GameFont, leftLabel);
  const int rightWidth = TextWidth(GameFont, rightLabel);
  MessageBoxGeometry g{};
  g.textLeft = l.x + m + 5;
  g.textTop = l.y + m + 5;
  g.textRight = l.x + l.w - 7;
  g.labelRow = l.y + l.h - m - 13;
  // The font's glyphs keep their last row blank below the descenders: a text
  // line may reach one row into the labels' row without touching their letters.
  g.textBottom = leftLabel.empty() && rightLabel.empty() ? l.y + l.h - m - 2 : g.labelRow + 1;
  g.leftLabelX = l.x + m + 5;
  g.rightLabelX = l.x + l.w - m - 5 - rightWidth;
  g.leftMin = l.x + m;
  g.leftMax = l.x + m + leftWidth + 5;
  g.rightMin = l.x + l.w - rightWidth - m - 5;
  g.rightMax = l.x + l.w - m;
  g.bandMin = l.y + l.h - m - 25;
  g.bandMax = l.y + l.h - m;
  return g;
}

bool FitsMessageBox(std::wstring_view text, std::wstring_view leftLabel, std::wstring_view rightLabel,
                    const MessageBoxLayout& layout) {
  const MessageBoxGeometry g = MessageBoxPlaces(leftLabel, rightLabel, layout);
  return TextFitsBox(text, g.textLeft, g.textTop, g.textRight, g.textBottom);
}

bool GameMessageBox(std::wstring_view text, std::wstring_view leftLabel, std::wstring_view rightLabel,
                    const MessageBoxLayout& layout) {
  const bool hasButtons = !leftLabel.empty() || !rightLabel.empty();
  if (hasButtons) CopyBuffer(0, 1);
  if (layout.dim) Greyscale(0);
  DrawPanel(layout.x, layout.y, layout.w, layout.h, layout.shade, layout.margin, 0);
  const MessageBoxGeometry g = MessageBoxPlaces(leftLabel, rightLabel, layout);
  DrawLabels(leftLabel, rightLabel, g, -1, -1);
  DrawWrappedInBox(text, g.textLeft, g.textTop, g.textRight, g.textBottom, 0);
  if (!hasButtons) return false;

  PresentScreen();
  SoundTickIfOn();
  FlushInput();
  Pressed pressed = Pressed::None;
  // The keys: Left and Right light a button, the action key chooses the lit
  // one. A box with one button lights it at once; in a box with two, the
  // first key only lights the left one, so that no answer is given blind.
  Pressed lit = Pressed::None;
  const bool onlyOne = leftLabel.empty() || rightLabel.empty();
  const Pressed single = leftLabel.empty() ? Pressed::Right : Pressed::Left;
  auto light = [&](Pressed p) {
    lit = p;
    DrawLabels(leftLabel, rightLabel, g, p == Pressed::Left ? layout.highlight : -1,
               p == Pressed::Right ? layout.highlight : -1);
  };
  bool accepted = false;
  while (!accepted) {
    platform::Message m;
    if (platform::RemoveNextKeyMessage(m, BoxKey)) {
      const int key = GameKeyOf(m.key);
      if (m.kind == platform::MessageKind::KeyUp) {
        KeyFlags[key] = false;
      } else if (key == KeyLeft || key == KeyRight) {
        light(onlyOne ? single : key == KeyLeft ? Pressed::Left : Pressed::Right);
      } else if (key == KeyA) {
        if (lit == Pressed::None && !onlyOne) {
          light(Pressed::Left);
        } else {
          pressed = lit == Pressed::None ? single : lit;
          DrawLabels(leftLabel, rightLabel, g, -1, -1);
          accepted = true;
        }
      }
    } else if (platform::RemoveNextStylusMessage(m)) {
      lit = Pressed::None;
      if (m.kind == platform::MessageKind::StylusDown) {
        if (!leftLabel.empty() && g.InLeft(m.x, m.y)) {
          DrawLabels(leftLabel, rightLabel, g, layout.highlight, -1);
          pressed = Pressed::Left;
        } else if (!rightLabel.empty() && g.InRight(m.x, m.y)) {
          DrawLabels(leftLabel, rightLabel, g, -1, layout.highlight);
          pressed = Pressed::Right;
        }
      } else if (m.kind == platform::MessageKind::StylusUp) {
        DrawLabels(leftLabel, rightLabel, g, -1, -1);
        if (pressed == Pressed::Left && !leftLabel.empty() && g.InLeft(m.x, m.y))
          accepted = true;
        else if (pressed == Pressed::Right && !rightLabel.empty() && g.InRight(m.x, m.y))
          accepted = true;
        else
          pressed = Pressed::None;
      }
    } else {
      // Nothing queued: sleep until input may be waiting (the box has no end of its own).
      platform::IdleUntilInput(10, "a button of the message box", true);
    }
    SoundTickIfOn();
    PresentScreen();
  }
  SoundTickIfOn();
  CopyBuffer(1, 0);
  return pressed == Pressed::Left;
}

bool GameMessageBox(std::wstring_view text, std::wstring_view leftLabel, std::wstring_view rightLabel, bool dim,
                    std::int16_t x, std::int16_t y, std::uint16_t w, std::uint16_t h, std::uint8_t shade,
                    std::uint8_t highlight, std::uint8_t margin) {
  return GameMessageBox(text, leftLabel, rightLabel, MessageBoxLayout{dim, x, y, w, h, shade, highlight, margin});
}

bool StandardMessageBox(std::wstring_view text, std::wstring_view leftLabel, std::wstring_view rightLabel) {
  return GameMessageBox(text, leftLabel, rightLabel, MessageBoxLayout{});
}
