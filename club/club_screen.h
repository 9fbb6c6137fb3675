// club_screen.h -- the identifiers of the club's screens and the one interface every room's screen implements.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "club/key_focus.h"

class ByteReader;
class ByteWriter;

// The club's current screen. 9 and 11 are never used; 13 is the corridor.
enum ClubScreen : std::uint8_t {
  ScreenLobby = 0,
  ScreenInstantPlay = 1,
  ScreenFinalChallenge = 2,
  ScreenShop = 3,
  ScreenGuestTournament = 4,
  ScreenMemberTournament = 5,
  ScreenEliteTournament = 6,
  ScreenOptions = 7,
  ScreenCharacter = 8,
  ScreenChallenge = 10,
  ScreenCardManager = 12,
  ScreenCorridor = 13,
  ScreenTrade = 14,
};

// A room's screen, owned by the club from its construction until it is left.
//
// The constructor draws the screen's first picture into ScreenBuffer 1 (the
// target of the opening fade). Enter draws the screen into buffer 0 and starts
// its own animations; Frame runs once per main-loop pass; StylusUp returns
// true when the screen is finished, and the club then deletes it. SaveState
// and LoadState carry the screen's record inside the club's quick-save block;
// LoadState returns false for a record that does not read, which makes the
// whole quick save invalid.
class ClubScreenBase {
 public:
  ClubScreenBase() = default;
  ClubScreenBase(const ClubScreenBase&) = delete;
  ClubScreenBase& operator=(const ClubScreenBase&) = delete;
  virtual ~ClubScreenBase() = default;

  virtual void Enter() = 0;
  virtual void Frame() = 0;
  virtual void StylusDown(int x, int y) = 0;
  // Only the card manager follows the stylus between down and up.
  virtual void StylusMove(int /*x*/, int /*y*/) {}
  virtual bool StylusUp(int x, int y) = 0;
  virtual void Redraw(int buffer) = 0;
  // The picture the constructor drew into buffer 1 as the opening fade's
  // target, drawn again (a quick save taken during the fade is resumed).
  virtual void DrawOpeningPicture(int buffer) { Redraw(buffer); }
  virtual void SaveState(ByteWriter& out) const = 0;
  virtual bool LoadState(ByteReader& in) = 0;
  // The pass the club runs once when a quick save taken in the club (not
  // during a duel) has been resumed, every block of it read; Frame by default.
  virtual void ResumeFrame() { Frame(); }
  // The club's first-play tutorial switches a room into its tutorial mode
  // (club_tutorial.h); rooms without one ignore it.
  virtual void SetTutorial(bool /*on*/) {}
  virtual void SetTutorialStage(std::uint8_t /*stage*/) {}
  // The places the keys can focus and the action key taps, in any order (the
  // club arranges them in reading order); none by default.
  virtual void FocusPlaces(std::vector<FocusPlace>& /*places*/) const {}
  // True for a screen whose Left and Right keys page or browse: the focus
  // then moves by Up and Down alone, through the reading order.
  virtual bool ArrowsBrowse() const { return false; }
  // Left and Right on a focused place that adjusts (a slider): true with the
  // point to tap for one step in that direction (-1 or +1); false moves the
  // focus as usual.
  virtual bool FocusAdjustTap(const FocusPlace& /*place*/, int /*direction*/, int& /*x*/, int& /*y*/) const {
    return false;
  }
  // True for a place whose press repeats while the stylus is held on it (the
  // trade's - and +): the action key then holds it down until the key is let go.
  virtual bool FocusHolds(const FocusPlace& /*place*/) const { return false; }
  // Lines of "name = value" for a scripted run's state dump; none by default.
  virtual std::string Report() const { return {}; }
};
