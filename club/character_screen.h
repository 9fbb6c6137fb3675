// character_screen.h -- the character screen: three save slots, the on-screen keyboard, OK, DELETE and QUICKGAME.
#pragma once

#include <array>
#include <cstdint>
#include <string>

#include "club/club_screen.h"
#include "core/image.h"
#include "data/player_record.h"
#include "gfx/screen_button.h"

class CharacterScreen : public ClubScreenBase {
 public:
  // Loads the pictures and the three slots, draws the first picture into
  // buffer 1 and stores the character being left.
  CharacterScreen();
  ~CharacterScreen() override;

  // Music, then the screen revealed (at once after a tap).
  void Enter() override;
  void Frame() override;
  void StylusDown(int x, int y) override;
  // True when the screen is left: for the club when OK chose a character,
  // for the duel when QUICKGAME started one.
  bool StylusUp(int x, int y) override;
  void Redraw(int buffer) override;
  // The screen keeps nothing across a quick save: it reopens as it opens.
  void SaveState(ByteWriter& out) const override;
  bool LoadState(ByteReader& in) override;
  // The fields, the slots, the three buttons and every key of the keyboard.
  void FocusPlaces(std::vector<FocusPlace>& places) const override;

  // For the tests and the state report.
  int SelectedSlot() const { return selectedSlot_; }
  int SelectedField() const { return selectedField_; }
  bool SlotEmpty() const { return slotEmpty_; }
  const PlayerRecord& Slot(int k) const { return slots_[static_cast<std::size_t>(k)]; }

 private:
  void ReadSlot(int k);
  void SelectSlot(int k);
  void PressKey(int key, int x, int y);
  void FlyCharacter(wchar_t character, int fromX, int fromY, int toX, int toY);
  int FieldEnd(int field) const;
  bool PressOk();
  void PressDelete();
  void PressQuickGame();
  bool Ask(const std::wstring& text, const std::wstring& left, const std::wstring& right);

  std::array<PlayerRecord, 3> slots_;
  int selectedSlot_ = 0;
  int selectedField_ = 1;
  bool slotEmpty_ = true;
  Image background_;    // CreateCharacterEmpty: every redraw
  Image firstPicture_;  // CreateCharacterPIX: the opening fade's target
  ScreenButton okButton_;
  ScreenButton deleteButton_;
  ScreenButton quickGameButton_;
};
