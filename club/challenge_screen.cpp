// challenge_screen.cpp -- one opponent before an instant-play duel: its profile, the bet, the duel and its booking.
#include "club/challenge_screen.h"

#include <utility>

#include "club/club.h"
#include "club/instant_play_rules.h"
#include "club/room_boxes.h"
#include "club/screen_focus.h"
#include "core/decimal_text.h"
#include "data/game_state.h"
#include "data/player_record.h"
#include "data/roster.h"
#include "data/save_bytes.h"
#include "data/save_file.h"
#include "gfx/animations.h"
#include "gfx/draw_image.h"
#include "gfx/font.h"
#include "gfx/picture_load.h"
#include "gfx/screen_buffers.h"
#include "match/match.h"
#include "platform/game_state.h"

namespace {

const wchar_t* const InstantFolder = L"GFX\\MENU\\UI INSTANT\\";

enum ChallengeButton { Ok = 0, Back = 1, DeckButton = 2 };

struct ButtonPlace {
  const wchar_t* path;
  std::int16_t x, y;
};
const ButtonPlace ChallengeButtons[3] = {{L"GFX\\MENU\\UI INSTANT\\InstantPlay2Ok.QXJ", 0, 300},
                                         {L"GFX\\MENU\\UI INSTANT\\InstantPlayBack.QXJ", 202, 300},
                                         {L"GFX\\MENU\\AllPartyDeck.QXJ", 207, 0}};

constexpr int PortraitX = 89, PortraitY = 178, ProfileX = 73;

const wchar_t* const TutorialHint =
    L"Select Ok, to start the match with this opponent, and then we'll see the rules of the game.\n\nHINT: You can "
    L"battle an opponent as often as you want.";

bool FullScreen(const Image& image) { return image.Width() == 240 && image.Height() == 320; }

std::wstring PortraitPath(int number) { return L"GFX\\PLAYERS\\PLAYERS" + DecimalText(number) + L".QXG"; }

// A class whose decks the open card set cannot deal: the duel would start
// with an opponent holding no cards.
bool DecksCanBeDealt(int opponentClass, int row) {
  if (OpponentDeckProblem(opponentClass, row / 4).empty()) return true;
  RoomOkBox(L"Error !\n\nThe card set holds too few cards to deal this opponent a deck.\nThis game cannot be played.");
  return false;
}

}  // namespace

void DrawOpponentDescription(const std::wstring& text, int buffer) {
  DrawWrapped(text, DescriptionLeft, DescriptionTop, DescriptionLeft + DescriptionWidth, buffer);
}

ChallengeScreen::ChallengeScreen(int opponent) {
  if (opponent < 1 || opponent > RosterSize) opponent = 1;
  class_ = static_cast<std::int8_t>(ClassOfOpponent(opponent));
  row_ = static_cast<std::int8_t>(RowOfOpponent(opponent));
  LoadImageFile(std::wstring(InstantFolder) + L"InstantPlay2Empty.QXG", background_, true);
  LoadImageFile(std::wstring(InstantFolder) + L"InstantPlayEmpty.QXG", listPicture_, true);
  for (int i = 0; i < 3; ++i) {
    const ButtonPlace& b = ChallengeButtons[i];
    Image pressed;
    LoadImageFile(b.path, pressed, true);
    // The background shows each button as it looks when not pressed.
    Image normal = CropImage(background_, b.x, b.y, pressed.Width(), pressed.Height());
    InitButton(buttons_[i], b.x, b.y, std::move(pressed), std::move(normal), false);
  }
  LoadPortrait();
  Redraw(1);
}

void ChallengeScreen::LoadPortrait() {
  portrait_ = Image();
  LoadImageFile(PortraitPath(OpponentNumber(class_, row_)), portrait_, true);
  description_ = OpponentDescription(row_, class_);
}

void ChallengeScreen::Enter() {
  Redraw(1);
  Transition(0, 0, 240, 320, 0, 1);
}

void ChallengeScreen::Redraw(int buffer) {
  if (FullScreen(background_))
    DrawFullScreen(background_.Pixels(), buffer);
  else
    ClearBuffer(buffer);
  DrawImage(PortraitX, PortraitY, portrait_, buffer);
  const PlayerRecord& o = RosterOpponent(row_, class_);
  DrawText(o.name, ProfileX, 43, GameFont, buffer);
  DrawText(DecimalText(o.profileNumber), ProfileX, 78, GameFont, buffer);
  DrawText(o.profileText1, ProfileX, 112, GameFont, buffer);
  DrawText(o.profileText2, ProfileX, 146, GameFont, buffer);
  // The credits end left of the Deck button, which would hide them.
  const std::wstring credits = DecimalText(CurrentPlayer.credits) + L" " + L"Credits";
  DrawTextTinted(credits, ChallengeButtons[2].x - 3 - TextWidth(GameFont, credits), 4, GameFont, 3, buffer);
  DrawOpponentDescription(description_, buffer);
}

void ChallengeScreen::ShowOpponent(int row) {
  row_ = static_cast<std::int8_t>((row + OpponentsPerClass) % OpponentsPerClass);
  LoadPortrait();
  Redraw(0);
}

void ChallengeScreen::BookResult() {
  duelStarted_ = false;
  const std::uint8_t result = savedResult_ >= 0 ? static_cast<std::uint8_t>(savedResult_) : MatchResult;
  savedResult_ = -1;
  BookInstantResult(row_, class_, result);
  // The result is kept at once: a later exit without saving cannot lose it,
  // nor pay it twice.
  if (!SaveCharacter()) RoomOkBox(L"Error !\n\nThe result of the game could not be saved.");
  PlayClubMusic();
  Redraw(0);
}

void ChallengeScreen::Frame() {
  if (duelStarted_) {
    // Only once the duel has handed control back to the club.
    if (InClub) BookResult();
    return;
  }
  if (KeyFlags[KeyRight]) {
    KeyFlags[KeyRight] = false;
    ShowOpponent(row_ + 1);
  } else if (KeyFlags[KeyLeft]) {
    KeyFlags[KeyLeft] = false;
    ShowOpponent(row_ - 1);
  }
}

void ChallengeScreen::StylusDown(int x, int y) {
  if (duelStarted_) return;
  for (ScreenButton& b : buttons_) PressButton(b, x, y);
}

bool ChallengeScreen::Accept() {
  if (tutorial_) {
    if (!DecksCanBeDealt(class_, row_)) return false;
    StartClubDuel(row_, class_);
    return true;
  }
  if (CurrentPlayer.cardTotal < DeckSize) {
    RoomOkBox(L"I don't have enough cards to play a game, I should buy some more.\nLet's go to the shop.");
    OpenCardShop(ScreenChallenge);
    return false;
  }
  if (CurrentPlayer.deck.count < DeckSize) {
    RoomOkBox(L"I don't have enough cards in my deck to join this game.");
    OpenCardShop(ScreenChallenge);
    return false;
  }
  const std::int32_t bet = StakesOf(class_).bet;
  if (CurrentPlayer.credits < bet) {
    RoomOkBox(NeedBetText(bet));
    return false;
  }
  if (!DecksCanBeDealt(class_, row_)) return false;
  SubCredits(CurrentPlayer, bet);
  SaveCharacter();
  duelStarted_ = true;
  savedResult_ = -1;
  StartClubDuel(row_, class_);
  return false;
}

void ChallengeScreen::FocusPlaces(std::vector<FocusPlace>& places) const {
  for (const ScreenButton& b : buttons_) AddButtonPlace(places, b);
}

bool ChallengeScreen::StylusUp(int x, int y) {
  if (duelStarted_) return false;
  int released = -1;
  for (int i = 0; i < 3; ++i) {
    const bool hit = ReleaseButton(buttons_[i], x, y);
    DrawButton(buttons_[i], 0);
    if (hit && released < 0) released = i;
  }
  switch (released) {
    case Ok:
      return Accept();
    case Back:
      if (!tutorial_) return true;
      RoomOkBox(TutorialHint);
      return false;
    case DeckButton:
      if (tutorial_)
        RoomOkBox(TutorialHint);
      else
        OpenCardShop(ScreenChallenge);
      return false;
    default:
      return false;
  }
}

void ChallengeScreen::SaveState(ByteWriter& out) const {
  out.U8(static_cast<std::uint8_t>(row_));
  out.U8(static_cast<std::uint8_t>(class_));
  out.U8(duelStarted_ ? 1 : 0);
  out.U8(tutorial_ ? 1 : 0);
  // The spare byte: a duel that has ended (the club runs again) but is not
  // booked yet keeps its result here, 1 + the result; otherwise 0.
  std::uint8_t ended = 0;
  if (duelStarted_ && InClub) ended = static_cast<std::uint8_t>(1 + (savedResult_ >= 0 ? savedResult_ : MatchResult));
  out.U8(ended);
}

bool ChallengeScreen::LoadState(ByteReader& in) {
  const std::uint8_t row = in.U8();
  const std::uint8_t cls = in.U8();
  const std::uint8_t started = in.U8();
  const std::uint8_t tutorial = in.U8();
  const std::uint8_t ended = in.U8();
  if (!in.Ok() || row >= OpponentsPerClass || cls >= OpponentClasses || started > 1 || tutorial > 1 || ended > 3)
    return false;
  row_ = static_cast<std::int8_t>(row);
  class_ = static_cast<std::int8_t>(cls);
  duelStarted_ = started == 1;
  tutorial_ = tutorial == 1;
  savedResult_ = duelStarted_ && ended > 0 ? static_cast<std::int8_t>(ended - 1) : -1;
  for (ScreenButton& b : buttons_) b.pressed = 0;
  LoadPortrait();
  return true;
}

std::string ChallengeScreen::Report() const {
  return "challenge = class " + std::to_string(class_) + ", row " + std::to_string(row_) + ", duelStarted " +
         std::to_string(duelStarted_ ? 1 : 0) + ", tutorial " + std::to_string(tutorial_ ? 1 : 0) + "\n";
}
