// screen_focus.cpp -- the focus frame over a room screen's places, its keys, and the tap the action key makes.
#include "club/screen_focus.h"

#include <algorithm>
#include <cstdint>
#include <utility>

#include "club/club_internal.h"
#include "data/game_state.h"
#include "gfx/pixels.h"
#include "gfx/screen_buffers.h"
#include "gfx/screen_button.h"
#include "platform/game_state.h"

namespace {

// Two rows of pixels around the place, just outside it, so that a button
// drawn again (pressed or released) keeps its frame.
constexpr int FrameThickness = 2;

struct FocusState {
  const ClubScreenBase* screen = nullptr;
  ClubScreen screenId = ScreenCorridor;
  bool hasPlace = false;
  FocusPlace place;
  bool shown = false;
  // The action key holds a place down (a stylus held there) until its release.
  bool holding = false;
  int holdX = 0, holdY = 0;
  std::uint16_t colour = 0;
  std::vector<std::pair<int, std::uint16_t>> under;  // buffer-0 pixels the frame covers
};

FocusState State;

void ClearFrame() {
  if (!State.shown) return;
  State.shown = false;
  std::uint16_t* pixels = ScreenBuffer(0);
  if (pixels == nullptr) return;
  // Where the screen has drawn over the frame since, its own pixels stay.
  for (const auto& [index, value] : State.under)
    if (pixels[index] == State.colour) pixels[index] = value;
  State.under.clear();
}

void DrawFrame(const FocusPlace& p) {
  ClearFrame();
  std::uint16_t* pixels = ScreenBuffer(0);
  if (pixels == nullptr) return;
  const int width = ScreenWidth(), height = ScreenHeight();
  State.colour = PackRgb(255, 214, 0);
  State.under.clear();
  auto put = [&](int x, int y) {
    if (x < 0 || y < 0 || x >= width || y >= height) return;
    const int index = y * width + x;
    if (pixels[index] == State.colour) return;
    State.under.emplace_back(index, pixels[index]);
    pixels[index] = State.colour;
  };
  for (int t = 1; t <= FrameThickness; ++t) {
    const int left = p.x - t, top = p.y - t, right = p.x + p.w + t - 1, bottom = p.y + p.h + t - 1;
    for (int x = left; x <= right; ++x) {
      put(x, top);
      put(x, bottom);
    }
    for (int y = top + 1; y < bottom; ++y) {
      put(left, y);
      put(right, y);
    }
  }
  State.shown = true;
  State.place = p;
  State.hasPlace = true;
}

FocusLayout LayoutOf(const ClubScreenBase& screen) {
  std::vector<FocusPlace> places;
  screen.FocusPlaces(places);
  return ArrangeFocus(std::move(places));
}

// The focus belongs to one screen: another (or the same one opened again) starts afresh.
void FollowScreen(const ClubScreenBase& screen) {
  if (State.screen == &screen && State.screenId == GameClub.currentScreen) return;
  ForgetFocus();
  State.screen = &screen;
  State.screenId = GameClub.currentScreen;
}

bool TakeKey(GameKey key) {
  if (!KeyFlags[key]) return false;
  KeyFlags[key] = false;
  return true;
}

void Tap(int x, int y) {
  ClubStylusDown(x, y);
  // A tap that started a duel leaves its release to the duel, as the stylus would.
  if (InClub != 0) ClubStylusUp(x, y);
}

// Still the same screen after a tap: the frame comes back on the place (or the nearest one left).
void FrameAfterTap(const ClubScreenBase& screen, const FocusPlace& tapped) {
  if (InClub != 0 && ScreenFor(GameClub.currentScreen) == &screen && State.screen == &screen) {
    const FocusLayout after = LayoutOf(screen);
    if (!after.places.empty()) DrawFrame(after.places[static_cast<std::size_t>(FindFocus(after, tapped))]);
  } else {
    ForgetFocus();
  }
}

}  // namespace

bool ScreenFocusKeys(ClubScreenBase& screen) {
  FollowScreen(screen);
  if (State.holding) {
    // While the action key is down the screen's frame runs as under a held stylus; its release lifts it.
    if (KeyFlags[KeyA]) return false;
    State.holding = false;
    const FocusPlace held = State.place;
    ClearFrame();
    ClubStylusUp(State.holdX, State.holdY);
    FrameAfterTap(screen, held);
    return true;
  }
  const bool browse = screen.ArrowsBrowse();
  FocusMove move = FocusMove::Next;
  bool arrow = true;
  int side = 0;  // Left -1, Right +1
  if (TakeKey(KeyUp)) {
    move = browse ? FocusMove::Previous : FocusMove::Up;
  } else if (TakeKey(KeyDown)) {
    move = browse ? FocusMove::Next : FocusMove::Down;
  } else if (!browse && TakeKey(KeyLeft)) {
    move = FocusMove::Previous;
    side = -1;
  } else if (!browse && TakeKey(KeyRight)) {
    move = FocusMove::Next;
    side = +1;
  } else if (TakeKey(KeyA)) {
    arrow = false;
  } else {
    return false;
  }

  const FocusLayout layout = LayoutOf(screen);
  if (layout.places.empty()) return true;
  int current = State.hasPlace ? FindFocus(layout, State.place) : 0;
  if (!State.shown) {
    // The first key only shows where the focus is.
    DrawFrame(layout.places[static_cast<std::size_t>(current)]);
    return true;
  }
  const FocusPlace focused = layout.places[static_cast<std::size_t>(current)];
  int x = focused.TapX(), y = focused.TapY();
  if (arrow && !(side != 0 && screen.FocusAdjustTap(focused, side, x, y))) {
    current = MoveFocus(layout, current, move);
    DrawFrame(layout.places[static_cast<std::size_t>(current)]);
    return true;
  }
  const FocusPlace tapped = focused;
  ClearFrame();
  if (!arrow && screen.FocusHolds(focused)) {
    ClubStylusDown(x, y);
    // The key's flag stays set until the key is let go (the window procedure clears it then).
    KeyFlags[KeyA] = true;
    State.holding = true;
    State.holdX = x;
    State.holdY = y;
    FrameAfterTap(screen, tapped);
    return true;
  }
  Tap(x, y);
  FrameAfterTap(screen, tapped);
  return true;
}

void RefreshFocusFrame() {
  // Only on the screen it belongs to, while that screen runs (not into a fade that leaves it).
  if (!State.shown || !GameClub.ready || State.screenId != GameClub.currentScreen ||
      ScreenFor(GameClub.currentScreen) != State.screen)
    return;
  const std::uint16_t* pixels = ScreenBuffer(0);
  if (pixels == nullptr) return;
  const bool intact = std::all_of(State.under.begin(), State.under.end(),
                                  [&](const auto& saved) { return pixels[saved.first] == State.colour; });
  if (intact) return;
  // The pixels still in the frame's colour get back what was under them; the rest are the screen's new ones.
  const FocusPlace place = State.place;
  ClearFrame();
  DrawFrame(place);
}

void HideFocusFrame() { ClearFrame(); }

void ForgetFocus() {
  if (State.shown) {
    // The pixels belong to a screen that is gone: nothing to put back.
    State.shown = false;
    State.under.clear();
  }
  State = FocusState{};
}

bool FocusFrameShown() { return State.shown; }

FocusPlace FocusedPlace() { return State.place; }

void AddButtonPlace(std::vector<FocusPlace>& places, const ScreenButton& button) {
  if (button.hidden || button.upImage.Width() == 0 || button.upImage.Height() == 0) return;
  places.push_back({button.x, button.y, button.upImage.Width(), button.upImage.Height()});
}
