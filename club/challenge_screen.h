// challenge_screen.h -- the opponent confirmation before an instant-play duel: portrait, profile, description, the
// bet taken and the duel started, and the result booked when the duel hands back to the club.
#pragma once

#include <cstdint>
#include <string>

#include "club/club_screen.h"
#include "core/image.h"
#include "gfx/screen_button.h"

// Where the description is wrapped: from x 14 on row 246, 214 wide.
constexpr int DescriptionLeft = 14, DescriptionTop = 246, DescriptionWidth = 214;

// The description word-wrapped into its box (what the challenge draws of it).
void DrawOpponentDescription(const std::wstring& text, int buffer);

class ChallengeScreen : public ClubScreenBase {
 public:
  // Opponent number 1..45 (15 x class + row + 1); numbers out of range show opponent 1.
  explicit ChallengeScreen(int opponent);

  void Enter() override;
  void Frame() override;
  void StylusDown(int x, int y) override;
  bool StylusUp(int x, int y) override;
  void Redraw(int buffer) override;
  void SaveState(ByteWriter& out) const override;
  bool LoadState(ByteReader& in) override;
  std::string Report() const override;
  // The three buttons; Left and Right keep browsing the opponents.
  void FocusPlaces(std::vector<FocusPlace>& places) const override;
  bool ArrowsBrowse() const override { return true; }

  // The club tutorial's mode: Ok starts the duel without a bet and finishes
  // the screen; back and deck only explain.
  void SetTutorial(bool on) override { tutorial_ = on; }
  bool Tutorial() const { return tutorial_; }

  int Row() const { return row_; }
  int OpponentClass() const { return class_; }
  bool DuelStarted() const { return duelStarted_; }

 private:
  void ShowOpponent(int row);
  void LoadPortrait();
  // Ok: the refusals, then the bet and the duel; true when the screen is finished.
  bool Accept();
  void BookResult();

  ScreenButton buttons_[3];
  Image background_;
  Image listPicture_;
  Image portrait_;
  std::wstring description_;
  std::int8_t row_ = 0;
  std::int8_t class_ = 0;
  bool duelStarted_ = false;
  bool tutorial_ = false;
  // The result of a duel that ended before a quick save and was not booked
  // yet (-1: read it from the match when the duel hands back).
  std::int8_t savedResult_ = -1;
};
