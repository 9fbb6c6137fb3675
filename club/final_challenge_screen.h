// final_challenge_screen.h -- behind the Hell gate: the card master's scene, his duel, and the dismissal or the ending.
#pragma once

#include <cstdint>
#include <string>

#include "club/club_screen.h"
#include "core/image.h"

// Where the final challenge stands.
enum FinalPhase : std::uint8_t {
  FinalBeforeDuel = 0,    // the gate scene waits for the first tap
  FinalDuelLaunched = 1,  // the duel runs (or has just handed back)
  FinalDone = 2,          // the result was booked
};

class FinalChallengeScreen : public ClubScreenBase {
 public:
  // Loads the gate, starts the boss music and draws the gate into buffer 1
  // (the fade's target); a resumed quick save then restores the phase.
  FinalChallengeScreen();

  void Enter() override;
  void Frame() override;
  void StylusDown(int x, int y) override;
  bool StylusUp(int x, int y) override;
  void Redraw(int buffer) override;
  void SaveState(ByteWriter& out) const override;
  bool LoadState(ByteReader& in) override;
  std::string Report() const override;
  // Before the duel the whole lair answers a tap.
  void FocusPlaces(std::vector<FocusPlace>& places) const override;

  FinalPhase Phase() const { return phase_; }

 private:
  void OpeningScene();
  void Dismissal();
  void Ending();
  void Shake();
  void LoadPicture(const wchar_t* path);

  Image picture_;
  FinalPhase phase_ = FinalBeforeDuel;
};

// The shake of the ending: step s (1..255) moves the picture by a x one of the
// eight direction steps, with a = (s as a signed byte) >> 3.
int ShakeAmplitude(int step);
