// options_screen.cpp -- the options room: the sliders with the live volume and the brightness preview, the
// effects choice, the settings stored by BACK and the statistics box of STATS.
#include "club/options_screen.h"

#include <algorithm>

#include "club/club.h"
#include "club/room_boxes.h"
#include "club/screen_focus.h"
#include "core/decimal_text.h"
#include "data/card_database.h"
#include "data/duel_stats.h"
#include "data/player_record.h"
#include "data/save_bytes.h"
#include "gfx/animations.h"
#include "gfx/draw_image.h"
#include "gfx/picture_load.h"
#include "gfx/pixels.h"
#include "gfx/screen_buffers.h"
#include "platform/game_state.h"
#include "platform/waits.h"
#include "settings/settings.h"
#include "sound/sound.h"

namespace {

const wchar_t* const OptionsFolder = L"GFX\\MENU\\UI OPTIONS\\";

// The screen's places.
constexpr int TrackX = 90, TrackW = 102, TrackH = 16;
constexpr int VolumeTrackY = 54, GammaTrackY = 115;
constexpr int TapLeft = 93, TapRight = 189;  // a tap on a track between these columns moves its knob
constexpr int OnX = 83, OffX = 154, ChoiceY = 172;
constexpr int OnW = 38, OnH = 25, OffW = 41, OffH = 24;
constexpr int BackX = 201, BackY = 303, StatsX = 1, StatsY = 305;

void LoadOptionsPicture(const wchar_t* name, Image& image) {
  LoadImageFile(std::wstring(OptionsFolder) + name, image, true);
}

// A piece of the background; empty when the background is smaller than the screen (it failed to load).
Image Piece(const Image& background, int x, int y, int w, int h) {
  if (background.Width() < x + w || background.Height() < y + h) return Image();
  return CropImage(background, x, y, w, h);
}

// A copy brightened (or darkened) by delta in 8-bit units.
Image Brightened(const Image& source, int delta) {
  Image out(source.Width(), source.Height());
  const int n = source.Width() * source.Height();
  for (int i = 0; i < n; ++i)
    out.Pixels()[i] = delta == 0 ? source.Pixels()[i] : BrightenColour(source.Pixels()[i], delta);
  return out;
}

bool OnTrack(int x) { return x >= TapLeft && x <= TapRight; }

int KnobX(int position) { return (position + 23) * 4; }

// The class's sum over its fifteen opponents.
struct ClassTotals {
  int victories = 0, ties = 0, defeats = 0;
};
ClassTotals Totals(int opponentClass) {
  ClassTotals t;
  for (const OpponentResults& r : DuelStats.opponents[opponentClass]) {
    t.victories += r.victories;
    t.ties += r.ties;
    t.defeats += r.defeats;
  }
  return t;
}

}  // namespace

int SliderPosition(std::uint8_t setting) { return static_cast<int>(static_cast<float>(setting) * 0.24f); }

std::uint8_t SliderSetting(int position) {
  return static_cast<std::uint8_t>(static_cast<float>(position) * 4.1666665f);
}

int SliderTapPosition(int x) { return static_cast<int>(static_cast<float>(x - 91) * 0.25f); }

int LiveVolume(int position) { return position * 100 / SliderTop; }

std::wstring StatisticsText() {
  std::wstring t = L"Statistics";
  t += L" for ";
  t += CurrentPlayer.name;
  t += L"\n\n";
  t += L"Cards Total       :" + DecimalText(CurrentPlayer.cardTotal) + L"\n";
  t += L"Cards Collection  :" + DecimalText(DistinctCards(CurrentPlayer)) + L" on " + DecimalText(CardCount());
  t += L"\nPerfects realised  :" + DecimalText(DuelStats.perfectsRealised) + L"\n";
  t += L"Perfects received  :" + DecimalText(DuelStats.perfectsReceived) + L"\n\n";
  const wchar_t* const names[OpponentClasses] = {L"Guest", L"Member", L"Elite"};
  for (int k = 0; k < OpponentClasses; ++k) {
    const ClassTotals c = Totals(k);
    t += names[k];
    t += L"\n";
    t += L"          Victories : " + DecimalText(c.victories) + L"\n";
    t += L"          Ties       : " + DecimalText(c.ties) + L"\n";
    t += L"          Defeats  : " + DecimalText(c.defeats) + L"\n";
    t += L"          Tourneys Played : " + DecimalText(DuelStats.tourneysPlayed[k]) + L"\n";
    t += L"          Tourneys Won     : " + DecimalText(DuelStats.tourneysWon[k]) + L"\n\n";
  }
  return t;
}

OptionsScreen::OptionsScreen() {
  volumeStart_ = SettingVolume;
  gammaStart_ = OptionsGamma;
  volumePos_ = volumeStartPos_ = static_cast<std::uint8_t>(SliderPosition(volumeStart_));
  gammaPos_ = gammaStartPos_ = static_cast<std::uint8_t>(SliderPosition(gammaStart_));
  effectsOn_ = SettingEffects ? 1 : 0;

  LoadOptionsPicture(L"GameOptionsPIX.QXJ", firstPicture_);
  LoadOptionsPicture(L"GameOptionsEmpty.QXJ", background_);
  LoadOptionsPicture(L"GameOptionsPICOT.QXJ", knob_);
  LoadOptionsPicture(L"GameOptionsON.QXJ", onHalf_);
  LoadOptionsPicture(L"GameOptionsOFF.QXJ", offHalf_);
  LoadOptionsPicture(L"GameOptionsBACK.QXJ", backPressed_);
  LoadOptionsPicture(L"GameOptionsStatsON.QXJ", statsPressed_);
  volumeTrack_ = Piece(background_, TrackX, VolumeTrackY, TrackW, TrackH);
  gammaTrack_ = Piece(background_, TrackX, GammaTrackY, TrackW, TrackH);
  onPiece_ = Piece(background_, OnX, ChoiceY, OnW, OnH);
  offPiece_ = Piece(background_, OffX, ChoiceY, OffW, OffH);
  // The buttons' normal looks are the background at their places.
  backNormal_ = Piece(background_, BackX, BackY, backPressed_.Width(), backPressed_.Height());
  statsNormal_ = Piece(background_, StatsX, StatsY, statsPressed_.Width(), statsPressed_.Height());
  BuildShownPictures(0);

  if (firstPicture_.Width() == 240 && firstPicture_.Height() == 320)
    DrawFullScreen(firstPicture_.Pixels(), 1);
  else
    ClearBuffer(1);
}

std::uint8_t OptionsScreen::VolumeToStore() const {
  // Mended: position -> setting -> position loses a step (volume 4 shows as 0
  // and would be stored as 0, silencing the game), so an unmoved slider keeps
  // the value it showed.
  return volumePos_ == volumeStartPos_ ? volumeStart_ : SliderSetting(volumePos_);
}

std::uint8_t OptionsScreen::GammaToStore() const {
  return gammaPos_ == gammaStartPos_ ? gammaStart_ : SliderSetting(gammaPos_);
}

int OptionsScreen::PreviewDelta() const { return static_cast<int>(GammaToStore()) - static_cast<int>(SettingGamma); }

void OptionsScreen::BuildShownPictures(int delta) {
  shownDelta_ = delta;
  shownKnob_ = Brightened(knob_, delta);
  shownOn_ = Brightened(onHalf_, delta);
  shownOff_ = Brightened(offHalf_, delta);
  shownVolumeTrack_ = Brightened(volumeTrack_, delta);
  shownGammaTrack_ = Brightened(gammaTrack_, delta);
  shownOnPiece_ = Brightened(onPiece_, delta);
  shownOffPiece_ = Brightened(offPiece_, delta);
  const bool backDown = back_.pressed != 0, statsDown = stats_.pressed != 0;
  InitButton(back_, BackX, BackY, Brightened(backPressed_, delta), Brightened(backNormal_, delta), false);
  InitButton(stats_, StatsX, StatsY, Brightened(statsPressed_, delta), Brightened(statsNormal_, delta), false);
  back_.pressed = backDown ? 1 : 0;
  stats_.pressed = statsDown ? 1 : 0;
}

void OptionsScreen::DrawChoice(int buffer) const {
  if (effectsOn_) {
    DrawImage(OnX, ChoiceY, shownOn_, buffer);
    DrawImage(OffX, ChoiceY, shownOffPiece_, buffer);
  } else {
    DrawImage(OnX, ChoiceY, shownOnPiece_, buffer);
    DrawImage(OffX, ChoiceY, shownOff_, buffer);
  }
}

void OptionsScreen::DrawVolumeSlider(int buffer) const {
  DrawImage(TrackX, VolumeTrackY, shownVolumeTrack_, buffer);
  DrawImage(KnobX(volumePos_), VolumeTrackY + 1, shownKnob_, buffer);
}

void OptionsScreen::DrawGammaSlider(int buffer) const {
  DrawImage(TrackX, GammaTrackY, shownGammaTrack_, buffer);
  DrawImage(KnobX(gammaPos_), GammaTrackY + 1, shownKnob_, buffer);
}

void OptionsScreen::ApplyPreview() {
  const int delta = PreviewDelta();
  OptionsGamma = GammaToStore();
  std::uint16_t* shown = ScreenBuffer(0);
  const std::uint16_t* reference = ScreenBuffer(2);
  const int n = ScreenPixelCount();
  for (int i = 0; i < n; ++i) shown[i] = BrightenColour(reference[i], delta);
  // Only the preview changes: pictures are decoded at the new brightness from the next start on.
  BuildShownPictures(delta);
  DrawChoice(0);
  DrawVolumeSlider(0);
  DrawGammaSlider(0);
}

void OptionsScreen::Enter() {
  WaitOrTap(500);
  if (background_.Width() == 240 && background_.Height() == 320)
    DrawFullScreen(background_.Pixels(), 1);
  else
    ClearBuffer(1);
  CopyBuffer(1, 2);
  BuildShownPictures(0);
  DrawChoice(1);
  DrawVolumeSlider(1);
  DrawGammaSlider(1);
  Transition(0, 0, 240, 320, 0, 1);
  ApplyPreview();
}

void OptionsScreen::Redraw(int buffer) {
  if (background_.Width() == 240 && background_.Height() == 320)
    DrawFullScreen(background_.Pixels(), 2);
  else
    ClearBuffer(2);
  const int delta = PreviewDelta();
  if (buffer != 2) {
    std::uint16_t* target = ScreenBuffer(buffer);
    const std::uint16_t* reference = ScreenBuffer(2);
    const int n = ScreenPixelCount();
    for (int i = 0; i < n; ++i) target[i] = BrightenColour(reference[i], delta);
  }
  if (delta != shownDelta_) BuildShownPictures(delta);
  DrawChoice(buffer);
  DrawVolumeSlider(buffer);
  DrawGammaSlider(buffer);
  DrawButton(back_, buffer);
  DrawButton(stats_, buffer);
}

void OptionsScreen::Frame() {
  if (!resumed_) return;
  // The quick save kept the sliders but not the sound: the volume the slider shows plays again.
  resumed_ = false;
  OptionsGamma = GammaToStore();
  if (volumePos_ != volumeStartPos_) SetVolumePosition(volumePos_);
}

void OptionsScreen::SetVolumePosition(int position) {
  volumePos_ = static_cast<std::uint8_t>(position);
  DrawVolumeSlider(0);
  const bool wasOff = SoundOff;
  SetVolume(volumePos_ == volumeStartPos_ ? volumeStart_ : LiveVolume(volumePos_));
  // Mended: with the volume at 0 nothing was loaded, so raising it starts the club's music.
  if (wasOff && !SoundOff && (!MusicLoaded() || !MusicPlaying())) PlayClubMusic();
}

void OptionsScreen::SetGammaPosition(int position) {
  gammaPos_ = static_cast<std::uint8_t>(position);
  ApplyPreview();
  if (!gammaNoticeShown_) {
    gammaNoticeShown_ = true;
    RoomBox(RestartNotice, L"", L"Ok", MessageBoxLayout{});
  }
}

void OptionsScreen::Slider(int x, int y) {
  if (!OnTrack(x)) return;
  if (y >= VolumeTrackY && y <= VolumeTrackY + TrackH)
    SetVolumePosition(SliderTapPosition(x));
  else if (y >= GammaTrackY && y <= GammaTrackY + TrackH)
    SetGammaPosition(SliderTapPosition(x));
}

void OptionsScreen::StylusDown(int x, int y) {
  if (!PressButton(back_, x, y)) PressButton(stats_, x, y);
  Slider(x, y);
  if (x >= OnX && x <= OnX + OnW && y >= ChoiceY && y <= ChoiceY + OnH) {
    effectsOn_ = 1;
    DrawChoice(0);
  } else if (x >= OffX && x <= OffX + OffW && y >= ChoiceY && y <= ChoiceY + OffH) {
    effectsOn_ = 0;
    DrawChoice(0);
  }
}

bool OptionsScreen::StylusUp(int x, int y) {
  const bool backHit = ReleaseButton(back_, x, y);
  const bool statsHit = ReleaseButton(stats_, x, y);
  Slider(x, y);
  if (backHit) {
    StoreSettings();
    return true;
  }
  if (statsHit) ShowStatistics();
  return false;
}

namespace {
// The tap on a track that puts its knob at a position.
int TrackTapX(int position) { return std::max(TapLeft, 91 + 4 * std::clamp(position, 0, SliderTop)); }
}  // namespace

void OptionsScreen::FocusPlaces(std::vector<FocusPlace>& places) const {
  places.push_back({TrackX, VolumeTrackY, TrackW, TrackH, TrackTapX(volumePos_), VolumeTrackY + TrackH / 2});
  places.push_back({TrackX, GammaTrackY, TrackW, TrackH, TrackTapX(gammaPos_), GammaTrackY + TrackH / 2});
  places.push_back({OnX, ChoiceY, OnW, OnH});
  places.push_back({OffX, ChoiceY, OffW, OffH});
  AddButtonPlace(places, stats_);
  AddButtonPlace(places, back_);
}

bool OptionsScreen::FocusAdjustTap(const FocusPlace& place, int direction, int& x, int& y) const {
  if (place.x != TrackX || place.w != TrackW) return false;
  const int position = place.y == VolumeTrackY ? volumePos_ : gammaPos_;
  x = TrackTapX(position + direction);
  y = place.y + TrackH / 2;
  return true;
}

void OptionsScreen::StoreSettings() {
  SettingEffects = effectsOn_ != 0;
  SettingVolume = VolumeToStore();
  OptionsGamma = GammaToStore();
  WriteEffects();
  WriteGamma(OptionsGamma);
  WriteVolume();
}

MessageBoxLayout StatisticsLayout() {
  // Mended: the text's 27 lines need 297 rows of this game's font, and its
  // longest lines 190 columns; a 180 x 300 box at (30, 10) wrapped them and
  // ran past its own bottom edge and off the screen. The whole screen holds
  // them, the last line beside the "Ok".
  MessageBoxLayout layout;
  layout.x = 0;
  layout.y = 0;
  layout.w = 240;
  layout.h = 320;
  layout.shade = 20;
  layout.highlight = 3;
  layout.margin = 3;
  return layout;
}

void OptionsScreen::ShowStatistics() { RoomBox(StatisticsText(), L"", L"Ok", StatisticsLayout()); }

void OptionsScreen::SaveState(ByteWriter& out) const {
  out.U8(volumePos_);
  out.U8(gammaPos_);
  out.U8(effectsOn_);
  out.U8(gammaNoticeShown_ ? 1 : 0);
}

bool OptionsScreen::LoadState(ByteReader& in) {
  const std::uint8_t volume = in.U8(), gamma = in.U8(), effects = in.U8(), notice = in.U8();
  if (!in.Ok() || volume > SliderTop || gamma > SliderTop || effects > 1 || notice > 1) return false;
  volumePos_ = volume;
  gammaPos_ = gamma;
  effectsOn_ = effects;
  gammaNoticeShown_ = notice == 1;
  resumed_ = true;
  BuildShownPictures(PreviewDelta());
  return true;
}

std::string OptionsScreen::Report() const {
  return "options = volume " + std::to_string(volumePos_) + " (opened at " + std::to_string(volumeStartPos_) +
         "), gamma " + std::to_string(gammaPos_) + " (opened at " + std::to_string(gammaStartPos_) + "), effects " +
         std::to_string(effectsOn_) + ", notice " + std::to_string(gammaNoticeShown_ ? 1 : 0) + "\n" +
         "optionsStore = volume " + std::to_string(VolumeToStore()) + ", gamma " + std::to_string(GammaToStore()) +
         ", effects " + std::to_string(effectsOn_) + "\n";
}
