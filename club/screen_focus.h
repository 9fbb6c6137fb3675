// screen_focus.h -- the keys' focus on the club's room screens: arrows move a frame between places, the action key
// taps.
#pragma once

#include <vector>

#include "club/key_focus.h"

class ClubScreenBase;
struct ScreenButton;

// Runs the arrows and the action key for the current room screen before its
// frame. The first key shows the frame on the first place in reading order
// (or where it was); later arrows move it; the action key taps the framed
// place's centre through the club's own stylus handlers, exactly as a tap.
// True when a key was acted on: the screen may be gone, and its frame waits
// for the next pass.
bool ScreenFocusKeys(ClubScreenBase& screen);
// After the screen's own frame: where it drew over the focus frame (a page
// turned, another class of opponents shown), the frame is drawn again.
void RefreshFocusFrame();
// A stylus-down takes the frame away until the next key.
void HideFocusFrame();
// The screen closed or the corridor is shown: no frame, no place.
void ForgetFocus();
// True while the frame is drawn (tests and the state report).
bool FocusFrameShown();
FocusPlace FocusedPlace();

// A visible button's rectangle as a place.
void AddButtonPlace(std::vector<FocusPlace>& places, const ScreenButton& button);
