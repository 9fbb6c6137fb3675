// message_box.cpp -- GameMessageBox: greyed screen, panel, wrapped text, two text buttons and the box's own stylus and
// key loop.
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
  bool accepted = false;
  while (!accepted) {
    platform::Message m;
    if (platform::RemoveNextStylusMessage(m)) {
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
    } else if (platform::RemoveNextKeyMessage(m)) {
      // Left and Right show the button the action key chooses; with one
      // button the action key chooses it at once, with two the first press
      // only shows the left one. The box keeps its keys to itself; a key let
      // go here no longer counts as held.
      const int key = GameKeyOfCode(m.key);
      if (m.kind == platform::MessageKind::KeyUp) {
        if (key >= 0) KeyFlags[key] = false;
      } else if (key == KeyLeft && !leftLabel.empty()) {
        DrawLabels(leftLabel, rightLabel, g, layout.highlight, -1);
        pressed = Pressed::Left;
      } else if (key == KeyRight && !rightLabel.empty()) {
        DrawLabels(leftLabel, rightLabel, g, -1, layout.highlight);
        pressed = Pressed::Right;
      } else if (key == KeyA) {
        if (pressed == Pressed::None && (leftLabel.empty() || rightLabel.empty())) {
          pressed = leftLabel.empty() ? Pressed::Right : Pressed::Left;
          accepted = true;
        } else if (pressed == Pressed::None) {
          DrawLabels(leftLabel, rightLabel, g, layout.highlight, -1);
          pressed = Pressed::Left;
        } else {
          accepted = true;
        }
        if (accepted) DrawLabels(leftLabel, rightLabel, g, -1, -1);
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
