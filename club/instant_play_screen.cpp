// instant_play_screen.cpp -- the opponent list: records per opponent, class tabs, choosing an opponent.
#include "club/instant_play_screen.h"

#include <utility>

#include "club/instant_play_rules.h"
#include "club/room_boxes.h"
#include "club/screen_focus.h"
#include "core/decimal_text.h"
#include "data/duel_stats.h"
#include "data/player_record.h"
#include "data/roster.h"
#include "data/save_bytes.h"
#include "gfx/animations.h"
#include "gfx/draw_image.h"
#include "gfx/font.h"
#include "gfx/picture_load.h"
#include "gfx/screen_buffers.h"
#include "platform/game_state.h"
#include "platform/waits.h"

namespace {

const wchar_t* const InstantFolder = L"GFX\\MENU\\UI INSTANT\\";

enum ListButton { PreviousClass = 0, NextClass = 1, Back = 2 };

struct ButtonPlace {
  const wchar_t* picture;
  std::int16_t x, y;
};
const ButtonPlace ListButtons[3] = {
    {L"InstantPlayLeft.QXJ", 21, 221}, {L"InstantPlayRight.QXJ", 189, 221}, {L"InstantPlayBack.QXJ", 202, 300}};

struct TitlePlace {
  std::int16_t x, y;
};
const TitlePlace TitlePlaces[3] = {{9, 30}, {8, 29}, {5, 25}};

constexpr int HighlightTint = 3;
constexpr int WonRight = 155, TiesRight = 190, LostRight = 225, HeaderRow = 43;
constexpr int NameX = 17;

void LoadInstantPicture(const wchar_t* name, Image& image) {
  LoadImageFile(std::wstring(InstantFolder) + name, image, true);
}

void DrawRightAligned(const std::wstring& text, int right, int y, int tint, int buffer) {
  DrawTextTinted(text, right - TextWidth(GameFont, text), y, GameFont, tint, buffer);
}

}  // namespace

InstantPlayScreen::InstantPlayScreen(OpenChallengeFor openChallenge) : openChallenge_(std::move(openChallenge)) {
  LoadInstantPicture(L"InstantPlayPIX.QXG", listPicture_);
  LoadInstantPicture(L"InstantPlayEmpty.QXG", emptyPicture_);
  for (int i = 0; i < 3; ++i) {
    Image pressed;
    LoadInstantPicture(ListButtons[i].picture, pressed);
    Image normal = CropImage(listPicture_, ListButtons[i].x, ListButtons[i].y, pressed.Width(), pressed.Height());
    InitButton(buttons_[i], ListButtons[i].x, ListButtons[i].y, std::move(pressed), std::move(normal), false);
  }
  LoadInstantPicture(L"InstantPlayMember.QXJ", classTitles_[1]);
  LoadInstantPicture(L"InstantPlayElite.QXJ", classTitles_[2]);
  // The Guest title is painted on the list picture, in the Member title's size.
  classTitles_[0] =
      CropImage(listPicture_, TitlePlaces[0].x, TitlePlaces[0].y, classTitles_[1].Width(), classTitles_[1].Height());
  DrawOpeningPicture(1);
}

void InstantPlayScreen::DrawOpeningPicture(int buffer) { DrawImage(0, 0, listPicture_, buffer); }

void InstantPlayScreen::Enter() {
  if (!WaitOrTap(500)) {
    Redraw(1);
    Transition(0, 0, 240, 320, 0, 1);
  } else {
    Redraw(0);
  }
}

void InstantPlayScreen::DrawTopLines(int buffer) const {
  const std::wstring credits = DecimalText(CurrentPlayer.credits) + L" " + L"Credits";
  DrawTextTinted(credits, 238 - TextWidth(GameFont, credits), 4, GameFont, 3, buffer);
  const std::wstring bet = L"Bet " + DecimalText(StakesOf(shownClass_).bet) + L" " + L"Credits";
  DrawTextTinted(bet, 79, 27, GameFont, 3, buffer);
}

void InstantPlayScreen::DrawRow(int row, bool highlighted, int buffer) const {
  const int y = InstantRowY(row);
  const int tint = highlighted ? HighlightTint : -1;
  const PlayerRecord& opponent = RosterOpponent(row, shownClass_);
  const OpponentResults& r = DuelStats.opponents[shownClass_][row];
  DrawTextTinted(opponent.name, NameX, y, GameFont, tint, buffer);
  DrawRightAligned(DecimalText(r.victories) + L" V", WonRight, y, tint, buffer);
  DrawRightAligned(DecimalText(r.ties) + L" T", TiesRight, y, tint, buffer);
  DrawRightAligned(DecimalText(r.defeats) + L" L", LostRight, y, tint, buffer);
}

void InstantPlayScreen::DrawList(int buffer) const {
  DrawRightAligned(L"Won", WonRight, HeaderRow, -1, buffer);
  DrawRightAligned(L"Ties", TiesRight, HeaderRow, -1, buffer);
  DrawRightAligned(L"Lost", LostRight, HeaderRow, -1, buffer);
  for (int row = 0; row < InstantListRows; ++row) DrawRow(row, false, buffer);
  const TitlePlace& t = TitlePlaces[shownClass_];
  DrawImage(t.x, t.y, classTitles_[shownClass_], buffer);
}

void InstantPlayScreen::Redraw(int buffer) {
  if (emptyPicture_.Width() == 240 && emptyPicture_.Height() == 320)
    DrawFullScreen(emptyPicture_.Pixels(), buffer);
  else
    ClearBuffer(buffer);
  DrawTopLines(buffer);
  DrawList(buffer);
}

void InstantPlayScreen::ChangeClass(int step) {
  shownClass_ = static_cast<std::int8_t>((shownClass_ + step + 3) % 3);
  selectedRow_ = -1;
  Redraw(0);
}

void InstantPlayScreen::Frame() {
  if (KeyFlags[KeyLeft]) {
    KeyFlags[KeyLeft] = false;
    ChangeClass(-1);
  } else if (KeyFlags[KeyRight]) {
    KeyFlags[KeyRight] = false;
    ChangeClass(+1);
  }
}

void InstantPlayScreen::StylusDown(int x, int y) {
  for (ScreenButton& b : buttons_) PressButton(b, x, y);
  if (x <= 17 || x >= 227) return;
  for (int row = 0; row < InstantListRows; ++row) {
    const int top = InstantRowY(row);
    if (y > top && y < top + 10) {
      selectedRow_ = static_cast<std::int8_t>(row);
      // The row's background first, then its text in the highlight colour.
      if (emptyPicture_.Width() == 240 && emptyPicture_.Height() == 320)
        DrawImageSameRect(0, top, 240, 10, emptyPicture_, 0);
      DrawRow(row, true, 0);
      return;
    }
  }
}

void InstantPlayScreen::FocusPlaces(std::vector<FocusPlace>& places) const {
  for (int row = 0; row < InstantListRows; ++row) places.push_back({18, InstantRowY(row) + 1, 209, 9});
  for (const ScreenButton& b : buttons_) AddButtonPlace(places, b);
}

bool InstantPlayScreen::StylusUp(int x, int y) {
  int released = -1;
  for (int i = 0; i < 3; ++i) {
    const bool hit = ReleaseButton(buttons_[i], x, y);
    DrawButton(buttons_[i], 0);
    if (hit && released < 0) released = i;
  }
  switch (released) {
    case PreviousClass:
      ChangeClass(-1);
      return false;
    case NextClass:
      ChangeClass(+1);
      return false;
    case Back:
      if (!tutorial_) return true;
      RoomOkBox(
          L"Choose an opponent by clicking on his name.\n\n HINT: All the statistics are recorded into the Options "
          L"room");
      return false;
    default:
      break;
  }
  if (selectedRow_ < 0) return false;
  const int row = selectedRow_;
  const int top = InstantRowY(row);
  const bool onRow = x > 17 && x < 227 && y > top && y < top + 10;
  if (!onRow) {
    selectedRow_ = -1;
    if (emptyPicture_.Width() == 240 && emptyPicture_.Height() == 320)
      DrawImageSameRect(0, top, 240, 10, emptyPicture_, 0);
    DrawRow(row, false, 0);
    return false;
  }
  if (!ClassOpen(shownClass_)) {
    RoomOkBox(ClosedTableText(shownClass_));
    selectedRow_ = -1;
    Redraw(0);
    return false;
  }
  selectedRow_ = -1;
  if (openChallenge_) openChallenge_(OpponentNumber(shownClass_, row));
  // In the tutorial the list closes behind the challenge.
  return tutorial_;
}

void InstantPlayScreen::SaveState(ByteWriter& out) const {
  out.U8(static_cast<std::uint8_t>(shownClass_));
  out.U8(static_cast<std::uint8_t>(selectedRow_));
  out.U8(tutorial_ ? 1 : 0);
  out.U8(tutorialStage_);
}

bool InstantPlayScreen::LoadState(ByteReader& in) {
  const std::uint8_t shown = in.U8();
  const std::int8_t selected = static_cast<std::int8_t>(in.U8());
  const std::uint8_t tutorial = in.U8();
  const std::uint8_t stage = in.U8();
  if (!in.Ok() || shown > 2 || selected < -1 || selected >= InstantListRows || tutorial > 1) return false;
  shownClass_ = static_cast<std::int8_t>(shown);
  // A stylus that went down before the save is not held any more.
  selectedRow_ = -1;
  (void)selected;
  tutorial_ = tutorial == 1;
  tutorialStage_ = stage;
  return true;
}

std::string InstantPlayScreen::Report() const {
  return "instantPlay = class " + std::to_string(shownClass_) + ", selected " + std::to_string(selectedRow_) +
         ", tutorial " + std::to_string(tutorial_ ? 1 : 0) + " stage " + std::to_string(tutorialStage_) + "\n";
}
