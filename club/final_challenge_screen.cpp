// final_challenge_screen.cpp -- the card master's lair: his speeches, his duel, and what follows it.
#include "club/final_challenge_screen.h"

#include <algorithm>

#include "club/club.h"
#include "club/end_credits.h"
#include "club/screen_focus.h"
#include "club/typed_speech.h"
#include "core/random.h"
#include "data/player_record.h"
#include "data/save_bytes.h"
#include "gfx/colour_rects.h"
#include "gfx/draw_image.h"
#include "gfx/picture_load.h"
#include "gfx/screen_buffers.h"
#include "match/match.h"
#include "match/match_state.h"
#include "platform/game_state.h"
#include "platform/waits.h"
#include "sound/sound.h"

namespace {

const wchar_t* const GatePicture = L"GFX\\MENU\\HELL\\Dazorar1.QXJ";
const wchar_t* const MasterPicture = L"GFX\\MENU\\HELL\\Dazorar2.QXJ";

const wchar_t* const LairText =
    L"Thick brimstone smoke raises from the bottom of the card master's lair, making it almost impossible to breath. "
    L"My skin gets dry with the heat, but I must continue, and put an end to this.";
const wchar_t* const WelcomeBefore = L"At least you came to me ";
const wchar_t* const WelcomeAfter =
    L", very few people can tell they reached this place. it requires perseverance, smartness, and patience. I'm "
    L"surprised you made it this far.";
const wchar_t* const ThreatText =
    L"But soon you'll understand why they call me the card master. I'm not only a player, I'm also the essence of "
    L"the card universe. I'll teach you the taste of defeat.";
const wchar_t* const DefeatText =
    L"Whaaaat? It can't be! you can't modify MY universe, I am the cards, the rules and the judgment! What are you "
    L"doing to us all? AAAAARRRRRRRRRRHHHHHHH!!";
const wchar_t* const ScornText = L"You're nothing but an insect to me. you just don't worth my attention.";

constexpr int Yellow = 3, Cyan = 5, White = 11;
constexpr int ShakeSteps = 255;
constexpr int RedTintSteps = 9;

// The eight direction steps, clockwise from straight up.
constexpr int StepX[8] = {0, 1, 1, 1, 0, -1, -1, -1};
constexpr int StepY[8] = {-1, -1, 0, 1, 1, 1, 0, -1};

}  // namespace

int ShakeAmplitude(int step) {
  const auto v = static_cast<std::int8_t>(static_cast<std::uint8_t>(step));
  return v >> 3;
}

FinalChallengeScreen::FinalChallengeScreen() {
  LoadPicture(GatePicture);
  if (!SoundOff) {
    FreeMusic();
    if (LoadMusic(L"SOUNDS\\Boss.QXX")) PlayMusic(0);
  }
  // The club fades in on the gate.
  Redraw(1);
}

void FinalChallengeScreen::LoadPicture(const wchar_t* path) {
  picture_ = Image();
  LoadImageFile(path, picture_, true);
}

void FinalChallengeScreen::Enter() { Redraw(0); }

void FinalChallengeScreen::Redraw(int buffer) { DrawImage(0, 0, picture_, buffer); }

void FinalChallengeScreen::StylusDown(int, int) {
  if (phase_ == FinalBeforeDuel) OpeningScene();
}

void FinalChallengeScreen::FocusPlaces(std::vector<FocusPlace>& places) const {
  if (phase_ == FinalBeforeDuel) places.push_back({2, 2, 236, 316});
}

// The card master's lair never closes on a tap: it is left through the club.
bool FinalChallengeScreen::StylusUp(int, int) { return false; }

void FinalChallengeScreen::OpeningScene() {
  TypeSpeech(LairText, 40, 10, 160, Yellow);
  WaitOrTap(2000);
  TypeSpeech(WelcomeBefore + CurrentPlayer.name + WelcomeAfter, 20, 260, 200, Cyan);
  WaitOrTap(10000);
  LoadPicture(MasterPicture);
  DrawImage(0, 0, picture_, 0);
  PresentScreen();
  WaitOrTap(2000);
  TypeSpeech(ThreatText, 20, 260, 200, Cyan);
  WaitOrTap(10000);
  // The phase moves on with the duel, so a quick save taken during it knows
  // the duel was played (and paid for) when it resumes.
  phase_ = FinalDuelLaunched;
  StartFinalChallenge();
}

void FinalChallengeScreen::Frame() {
  if (phase_ == FinalDuelLaunched) {
    phase_ = FinalDone;
    // Side 1 is the player in this duel.
    if (MatchResult == 1)
      Ending();
    else
      Dismissal();
  } else if (phase_ == FinalDone) {
    // A booked challenge still open (a damaged or hand-made quick save) only
    // leads back to the corridor.
    LeaveFinalChallenge(false);
  }
}

void FinalChallengeScreen::Dismissal() {
  DrawImage(0, 0, picture_, 0);
  PresentScreen();
  TypeSpeech(ScornText, 50, 240, 150, White);
  WaitOrTap(10000);
  LeaveFinalChallenge(false);
}

void FinalChallengeScreen::Ending() {
  DrawImage(0, 0, picture_, 0);
  PresentScreen();
  for (int i = 0; i < RedTintSteps; ++i) {
    AdjustRect(0, 0, 240, 320, 0, -8, -8, 0);
    PresentScreen();
  }
  GrabBuffer(0, 0, 0, picture_);
  Shake();
  TypeSpeech(DefeatText, 50, 240, 150, White);
  WaitOrTap(10000);
  RunEndCredits(picture_);
  LeaveFinalChallenge(true);
}

void FinalChallengeScreen::Shake() {
  const int w = picture_.Width(), h = picture_.Height();
  for (int s = 1; s <= ShakeSteps; ++s) {
    const int a = ShakeAmplitude(s);
    const int dx = a * StepX[Random(8)];
    const int dy = a * StepY[Random(8)];
    ClearBuffer(0);
    // Only the part of the shifted picture that falls on the screen.
    const int sx = std::max(0, -dx), sy = std::max(0, -dy);
    const int cw = std::min(w - sx, 240 - std::max(0, dx)), ch = std::min(h - sy, 320 - std::max(0, dy));
    if (cw > 0 && ch > 0) DrawImageRect(sx, sy, cw, ch, std::max(0, dx), std::max(0, dy), picture_, 0);
    SoundTickIfOn();
    PresentScreen();
  }
}

// The phase is kept: a duel resumed from a quick save hands its result back
// to this screen, and the lair never offers a second duel for one fee.
void FinalChallengeScreen::SaveState(ByteWriter& out) const { out.U8(phase_); }

bool FinalChallengeScreen::LoadState(ByteReader& in) {
  const std::uint8_t phase = in.U8();
  if (!in.Ok() || phase > FinalDone) return false;
  phase_ = static_cast<FinalPhase>(phase);
  // After the gate scene the card master himself is on the screen.
  if (phase_ != FinalBeforeDuel) {
    LoadPicture(MasterPicture);
    Redraw(1);
  }
  return true;
}

std::string FinalChallengeScreen::Report() const { return "finalPhase = " + std::to_string(phase_) + "\n"; }
