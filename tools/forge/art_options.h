// art_options.h -- the options room: its background with the two slider tracks, the knob, the effects choice's
// lit halves and the BACK and STATS buttons.
#pragma once

#include "tools/forge/art_canvas.h"

namespace options {
constexpr int TrackX = 90, TrackW = 102, TrackH = 16;
constexpr int VolumeTrackY = 54, GammaTrackY = 115;
constexpr int KnobW = 4, KnobH = 15;
constexpr int OnX = 83, OnY = 172, OnW = 38, OnH = 25;
constexpr int OffX = 154, OffY = 172, OffW = 41, OffH = 24;
constexpr int BackX = 201, BackY = 303, BackW = 39, BackH = 17;
constexpr int StatsX = 1, StatsY = 305, StatsW = 46, StatsH = 15;
inline int KnobX(int position) { return (position + 23) * 4; }
}  // namespace options

// What the options picture shows; -1 for a knob leaves its track empty.
struct OptionsLook {
  bool onLit = false, offLit = false;
  int volumeKnob = -1, gammaKnob = -1;
  bool backPressed = false, statsPressed = false;
};

RgbPicture DrawOptionsScreen(const OptionsLook& look);
RgbPicture DrawOptionsKnob();
