// instant_play_screen.h -- instant play's opponent list: fifteen opponents of a class with the character's record
// against each, the class tabs, and the way into an opponent's challenge.
#pragma once

#include <cstdint>
#include <functional>
#include <string>

#include "club/club_screen.h"
#include "core/image.h"
#include "gfx/screen_button.h"

constexpr int InstantListRows = 15;

class InstantPlayScreen : public ClubScreenBase {
 public:
  // Opens the challenge of opponent number n (1..45) on top of the list.
  using OpenChallengeFor = std::function<void(int opponent)>;

  explicit InstantPlayScreen(OpenChallengeFor openChallenge);

  void Enter() override;
  void Frame() override;
  void StylusDown(int x, int y) override;
  bool StylusUp(int x, int y) override;
  void Redraw(int buffer) override;
  void DrawOpeningPicture(int buffer) override;
  void SaveState(ByteWriter& out) const override;
  bool LoadState(ByteReader& in) override;
  std::string Report() const override;
  // The fifteen opponents' rows and the three buttons; Left and Right keep choosing the class.
  void FocusPlaces(std::vector<FocusPlace>& places) const override;
  bool ArrowsBrowse() const override { return true; }

  // The club tutorial puts the list in its tutorial mode (stage 9): the back
  // button then explains, and choosing an opponent finishes the list.
  void SetTutorial(bool on) override { tutorial_ = on; }
  void SetTutorialStage(std::uint8_t stage) override { tutorialStage_ = stage; }
  bool Tutorial() const { return tutorial_; }

  int ShownClass() const { return shownClass_; }
  int SelectedRow() const { return selectedRow_; }

 private:
  void ChangeClass(int step);
  void DrawRow(int row, bool highlighted, int buffer) const;
  void DrawList(int buffer) const;
  void DrawTopLines(int buffer) const;

  OpenChallengeFor openChallenge_;
  ScreenButton buttons_[3];
  Image listPicture_;
  Image emptyPicture_;
  Image classTitles_[3];
  std::int8_t shownClass_ = 0;
  std::int8_t selectedRow_ = -1;
  bool tutorial_ = false;
  std::uint8_t tutorialStage_ = 0;
};

// The top of row i of the list (56 + 10 i).
inline int InstantRowY(int row) { return 56 + 10 * row; }
