// key_focus.h -- the places of a screen the keys can focus, arranged in reading order, and how the arrows move between
// them.
#pragma once

#include <vector>

// A place the action key taps: a button, a field, a key of the keyboard, a
// slider. The tap is at its centre unless the place names its own point (a
// slider's knob).
struct FocusPlace {
  int x = 0;
  int y = 0;
  int w = 0;
  int h = 0;
  int tapX = -1;
  int tapY = -1;
  int CentreX() const { return x + w / 2; }
  int CentreY() const { return y + h / 2; }
  int TapX() const { return tapX >= 0 ? tapX : CentreX(); }
  int TapY() const { return tapY >= 0 ? tapY : CentreY(); }
  // The same place: the same rectangle, wherever its tap point has moved.
  bool operator==(const FocusPlace& o) const { return x == o.x && y == o.y && w == o.w && h == o.h; }
};

enum class FocusMove { Previous, Next, Up, Down };

// A screen's places in reading order: rows from the top, each row from the
// left. A place belongs to the row above it when its centre lies within the
// height of that row's first place, so buttons that are a few pixels apart in
// height still read as one row.
struct FocusLayout {
  std::vector<FocusPlace> places;
  std::vector<int> rows;  // the row of each place, 0 at the top
};
FocusLayout ArrangeFocus(std::vector<FocusPlace> places);

// The place after a move from `current`. Previous and Next go through the
// reading order and wrap at its ends; Up and Down go to the row above or below
// (wrapping from the top row to the bottom one) and there to the place whose
// centre is nearest across. An empty layout gives -1, a current place of -1
// the first place.
int MoveFocus(const FocusLayout& layout, int current, FocusMove move);

// The index of `place` in the layout, else of the place nearest to it (the
// screen changed its places), -1 in an empty layout.
int FindFocus(const FocusLayout& layout, const FocusPlace& place);
