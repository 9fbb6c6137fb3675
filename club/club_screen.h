// club_screen.h -- the identifiers of the club's screens and the one interface every room's screen implements.
#pragma once

#include <cstdint>
#include <string>

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
  virtual void SaveState(ByteWriter& out) const = 0;
  virtual bool LoadState(ByteReader& in) = 0;
  // The pass the club runs once when a quick save taken in the club (not
  // during a duel) has been resumed, every block of it read; Frame by default.
  virtual void ResumeFrame() { Frame(); }
  // The club's first-play tutorial switches a room into its tutorial mode
  // (club_tutorial.h); rooms without one ignore it.
  virtual void SetTutorial(bool /*on*/) {}
  virtual void SetTutorialStage(std::uint8_t /*stage*/) {}
  // Lines of "name = value" for a scripted run's state dump; none by default.
  virtual std::string Report() const { return {}; }
};
