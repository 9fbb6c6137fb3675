// options_screen.h -- the options room: volume and brightness sliders, screen effects on/off, BACK and STATS.
#pragma once

#include <cstdint>
#include <string>

#include "club/club_screen.h"
#include "core/image.h"
#include "gfx/message_box.h"
#include "gfx/screen_button.h"

constexpr int SliderTop = 24;  // slider positions run 0..24

// The sliders' conversions, in single precision, truncated toward zero.
int SliderPosition(std::uint8_t setting);  // trunc(setting x 0.24)
std::uint8_t SliderSetting(int position);  // trunc(position x 4.1666665)
int SliderTapPosition(int x);              // trunc((x - 91) x 0.25), for x on a track
// The volume the music plays at while the volume slider stands at a position (0..100).
int LiveVolume(int position);

// The career statistics of CurrentPlayer and DuelStats, as the STATS box shows them.
std::wstring StatisticsText();
// Where the STATS box stands (one "Ok", on the right).
MessageBoxLayout StatisticsLayout();
constexpr const wchar_t* RestartNotice = L"The new settings will be applied next time you will launch the game.";

class OptionsScreen : public ClubScreenBase {
 public:
  // Positions from the settings in memory; draws the screen's first picture into buffer 1.
  OptionsScreen();

  void Enter() override;
  void Frame() override;
  void StylusDown(int x, int y) override;
  bool StylusUp(int x, int y) override;
  void Redraw(int buffer) override;
  void SaveState(ByteWriter& out) const override;
  bool LoadState(ByteReader& in) override;
  std::string Report() const override;
  // The two sliders, the effects' on and off, STATS and BACK.
  void FocusPlaces(std::vector<FocusPlace>& places) const override;
  // Left and Right on a slider move its knob one step, as a tap beside it.
  bool FocusAdjustTap(const FocusPlace& place, int direction, int& x, int& y) const override;

  int VolumePosition() const { return volumePos_; }
  int GammaPosition() const { return gammaPos_; }
  bool EffectsOn() const { return effectsOn_ != 0; }
  bool NoticeShown() const { return gammaNoticeShown_; }
  // What BACK stores: a slider back at the place it opened at keeps the stored value.
  std::uint8_t VolumeToStore() const;
  std::uint8_t GammaToStore() const;

 private:
  void Slider(int x, int y);
  void SetVolumePosition(int position);
  void SetGammaPosition(int position);
  void StoreSettings();
  void ShowStatistics();
  // The brightness preview: buffer 0 from the unbrightened copy in buffer 2.
  void ApplyPreview();
  // The pictures drawn over the background, at the brightness of the preview.
  void BuildShownPictures(int delta);
  void DrawChoice(int buffer) const;
  void DrawVolumeSlider(int buffer) const;
  void DrawGammaSlider(int buffer) const;
  int PreviewDelta() const;

  std::uint8_t volumePos_ = 0;
  std::uint8_t gammaPos_ = 0;
  std::uint8_t effectsOn_ = 1;
  bool gammaNoticeShown_ = false;
  // Where the sliders stood when the screen opened, and the values they showed.
  std::uint8_t volumeStartPos_ = 0, gammaStartPos_ = 0;
  std::uint8_t volumeStart_ = 0, gammaStart_ = 0;
  bool resumed_ = false;  // a quick save brought the screen back: the live volume is applied at the next frame
  int shownDelta_ = 0;

  // As decoded.
  Image firstPicture_, background_, knob_, onHalf_, offHalf_;
  Image backPressed_, statsPressed_;
  Image volumeTrack_, gammaTrack_, onPiece_, offPiece_, backNormal_, statsNormal_;
  // At the previewed brightness.
  Image shownKnob_, shownOn_, shownOff_, shownVolumeTrack_, shownGammaTrack_, shownOnPiece_, shownOffPiece_;
  ScreenButton back_, stats_;
};
