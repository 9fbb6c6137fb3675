// character_screen.cpp -- choosing, creating and deleting characters, and the quick game, on the character screen.
#include "club/character_screen.h"

#include <algorithm>
#include <utility>

#include "club/character_keys.h"
#include "club/club.h"
#include "club/room_boxes.h"
#include "club/screen_focus.h"
#include "core/decimal_text.h"
#include "data/duel_stats.h"
#include "data/save_file.h"
#include "gfx/animations.h"
#include "gfx/colour_rects.h"
#include "gfx/draw_image.h"
#include "gfx/font.h"
#include "gfx/message_box.h"
#include "gfx/picture_load.h"
#include "gfx/screen_buffers.h"
#include "match/match.h"
#include "platform/clock.h"
#include "platform/file_system.h"
#include "platform/game_state.h"
#include "platform/waits.h"
#include "settings/settings.h"
#include "sound/sound.h"

namespace {

constexpr const wchar_t* PictureFolder = L"GFX\\MENU\\UI CHARACTER\\";
constexpr const wchar_t* ScreenMusic = L"SOUNDS\\Partie5.QXM";
constexpr const wchar_t* InvalidSaveText = L"Error !! \nSave file is not valid !!\n\nFile Deleted.";
constexpr const wchar_t* NoNameText = L"The selected character is not valid. Please enter a name.";
constexpr const wchar_t* TutorialText =
    L"Since it's the first time you use this character, you should try the tutorial.";
constexpr const wchar_t* QuickGameName = L"Player 1";

// A flying character moves one step every 4 ms.
constexpr std::uint32_t FlightStepMs = 4;

void LoadPicture(const wchar_t* name, Image& image) { LoadImageFile(std::wstring(PictureFolder) + name, image, true); }

// A button whose up look is the background under it.
void MakeButton(ScreenButton& button, std::int16_t x, std::int16_t y, const wchar_t* name, const Image& background) {
  Image pressed;
  LoadPicture(name, pressed);
  Image up = CropImage(background, x, y, pressed.Width(), pressed.Height());
  InitButton(button, x, y, std::move(pressed), std::move(up), false);
}

// The longest start of a text read from a file that the keyboard could have
// typed into a field: a damaged file's text is shown as it is, but never
// wider than a field (nor longer than the widest field could hold).
std::wstring BoundedText(const std::wstring& text) {
  std::size_t length = 0;
  int width = 0;
  while (length < text.size() && length < static_cast<std::size_t>(FieldTextLimit)) {
    const int next = width + TextWidth(GameFont, std::wstring_view(&text[length], 1));
    if (next >= FieldTextLimit) break;
    width = next;
    ++length;
  }
  return text.substr(0, length);
}

// The trade box and the last purchase belong to the character who made them.
void ForgetPreviousCharacterCards() {
  EmptyTradeBox(CurrentPlayer);
  std::fill(std::begin(CurrentPlayer.lastBooster), std::end(CurrentPlayer.lastBooster), std::int16_t{-1});
}

void PlayScreenMusic() {
  if (SoundOff) return;
  if (LoadMusic(ScreenMusic)) PlayMusic(0);
}

}  // namespace

CharacterScreen::CharacterScreen() {
  LoadPicture(L"CreateCharacterEmpty.QXG", background_);
  LoadPicture(L"CreateCharacterPIX.QXG", firstPicture_);
  MakeButton(okButton_, 0, 234, L"CreateCharacterOK.QXJ", background_);
  MakeButton(deleteButton_, 197, 234, L"CreateCharacterDELETE.QXJ", background_);
  MakeButton(quickGameButton_, 63, 234, L"CreateCharacterQUICKGAME.QXJ", background_);
  // The character being left is stored first, so that the list shows it as
  // saved; a character of no slot (a fresh start, a quick game, a deleted
  // character) has nothing to store.
  if (CurrentPlayer.slot >= 1 && CurrentPlayer.slot <= 3) SaveCharacter();
  // A "Character" setting that names no slot is taken as the first slot.
  const int last = ReadCharacter();
  selectedSlot_ = last >= 1 && last <= 3 ? last - 1 : 0;
  selectedField_ = FieldName;
  slotEmpty_ = !platform::FileExists(CharacterSavePath(selectedSlot_ + 1));
  for (int k = 0; k < 3; ++k) ReadSlot(k);
  DrawImage(0, 0, firstPicture_, 1);
}

CharacterScreen::~CharacterScreen() = default;

void CharacterScreen::ReadSlot(int k) {
  PlayerRecord& slot = slots_[static_cast<std::size_t>(k)];
  ReadSlotIdentity(k + 1, slot);
  slot.name = BoundedText(slot.name);
  slot.profileText1 = BoundedText(slot.profileText1);
  slot.profileText2 = BoundedText(slot.profileText2);
}

void CharacterScreen::Enter() {
  PlayScreenMusic();
  if (WaitOrTap(500)) {
    Redraw(0);
  } else {
    Redraw(1);
    Transition(0, 0, 240, 320, 0, 1);
    CopyBuffer(1, 0);
  }
  PresentScreen();
}

void CharacterScreen::Frame() {}

void CharacterScreen::SelectSlot(int k) {
  selectedSlot_ = k;
  slotEmpty_ = !platform::FileExists(CharacterSavePath(k + 1));
  Redraw(0);
}

void CharacterScreen::StylusDown(int x, int y) {
  const int slot = SlotRowAt(x, y);
  if (slot >= 0 && slot != selectedSlot_) {
    SelectSlot(slot);
    return;
  }
  if (const int field = FieldRowAt(x, y); field != 0) {
    selectedField_ = field;
    Redraw(0);
    return;
  }
  if (x >= KeyboardLeft && x < KeyboardRight && y >= KeyboardTop && y < KeyboardBottom) {
    if (const int key = CharacterKeyAt(x, y); key >= 0) PressKey(key, x, y);
    return;
  }
  PressButton(okButton_, x, y);
  PressButton(deleteButton_, x, y);
  PressButton(quickGameButton_, x, y);
}

bool CharacterScreen::StylusUp(int x, int y) {
  if (ReleaseButton(okButton_, x, y)) return PressOk();
  if (ReleaseButton(deleteButton_, x, y)) {
    PressDelete();
    return false;
  }
  // The screen is left for the quick game; the club opens it again when the
  // duel is left, for a character to be chosen.
  if (ReleaseButton(quickGameButton_, x, y)) {
    PressQuickGame();
    return true;
  }
  return false;
}

int CharacterScreen::FieldEnd(int field) const {
  const PlayerRecord& s = slots_[static_cast<std::size_t>(selectedSlot_)];
  switch (field) {
    case FieldName:
      return FieldLeft + TextWidth(GameFont, s.name);
    case FieldProfileNumber:
      return FieldLeft + TextWidth(GameFont, ProfileNumberText(s.profileNumber));
    case FieldProfileLine1:
      return FieldLeft + TextWidth(GameFont, s.profileText1);
    default:
      return FieldLeft + TextWidth(GameFont, s.profileText2);
  }
}

void CharacterScreen::PressKey(int key, int x, int y) {
  PlayerRecord& s = slots_[static_cast<std::size_t>(selectedSlot_)];
  std::wstring* text = selectedField_ == FieldName           ? &s.name
                       : selectedField_ == FieldProfileLine1 ? &s.profileText1
                       : selectedField_ == FieldProfileLine2 ? &s.profileText2
                                                             : nullptr;
  if (KeyDeletes(key)) {
    if (text == nullptr)
      s.profileNumber = DeleteProfileDigit(s.profileNumber);
    else if (!text->empty())
      text->pop_back();
    Redraw(0);
    return;
  }
  const wchar_t character = KeyCharacter(key);
  if (text == nullptr) {
    if (character < L'0' || character > L'9') return;
    bool accepted = false;
    const std::int16_t number = TypeProfileDigit(s.profileNumber, character - L'0', accepted);
    if (!accepted) return;
    FlyCharacter(character, x, y, FieldEnd(selectedField_), FieldTextRow(selectedField_));
    s.profileNumber = number;
  } else {
    if (TextWidth(GameFont, *text + character) >= FieldTextLimit) return;
    FlyCharacter(character, x, y, FieldEnd(selectedField_), FieldTextRow(selectedField_));
    *text += character;
  }
  Redraw(0);
}

void CharacterScreen::FlyCharacter(wchar_t character, int fromX, int fromY, int toX, int toY) {
  const Glyph* glyph = FindGlyph(GameFont, character);
  if (glyph == nullptr || glyph->picture.Width() == 0 || glyph->picture.Height() == 0) return;
  const int w = glyph->picture.Width(), h = glyph->picture.Height();
  const int maxX = ScreenWidth() - w, maxY = ScreenHeight() - h;
  auto clampX = [&](int v) { return std::clamp(v, 0, std::max(0, maxX)); };
  auto clampY = [&](int v) { return std::clamp(v, 0, std::max(0, maxY)); };
  int px = clampX(fromX), py = clampY(fromY);
  toX = clampX(toX);
  toY = clampY(toY);
  CopyBuffer(0, 2);  // the screen under the flight
  const std::uint32_t start = platform::TickCount();
  std::uint32_t stepsDone = 0;
  for (;;) {
    const int oldX = px, oldY = py;
    // As many steps as the time allows, so the flight keeps its pace whatever the frame rate.
    const std::uint32_t due = (platform::TickCount() - start) / FlightStepMs + 1;
    while (stepsDone < due && (px != toX || py != toY)) {
      if (px < toX)
        ++px;
      else if (px > toX)
        --px;
      if (py < toY)
        py = std::min(py + 2, toY);
      else if (py > toY)
        py = std::max(py - 2, toY);
      ++stepsDone;
    }
    CopyBufferRect(oldX, oldY, w, h, 2, 0);
    DrawText(std::wstring_view(&character, 1), px, py, GameFont, 0);
    PresentScreen();
    SoundTickIfOn();
    if (px == toX && py == toY) break;
  }
  CopyBufferRect(px, py, w, h, 2, 0);
}

bool CharacterScreen::Ask(const std::wstring& text, const std::wstring& left, const std::wstring& right) {
  return RoomBox(text, left, right, MessageBoxLayout{});
}

bool CharacterScreen::PressOk() {
  PlayerRecord& s = slots_[static_cast<std::size_t>(selectedSlot_)];
  const auto slotNumber = static_cast<std::uint8_t>(selectedSlot_ + 1);
  s.slot = slotNumber;
  const std::string path = CharacterSavePath(slotNumber);
  if (platform::FileExists(path)) {
    const bool otherCharacter = CurrentPlayer.slot != slotNumber;
    if (LoadCharacter(slotNumber)) {
      // The identity as shown (and perhaps retyped) on the screen; the
      // credits are the file's, and an emptied name keeps the stored one so
      // that the character never turns into a slot that looks empty.
      const std::wstring storedName = CurrentPlayer.name;
      const std::int32_t credits = CurrentPlayer.credits;
      const std::uint8_t levelCode = CurrentPlayer.levelCode;
      CopyIdentity(s, CurrentPlayer);
      if (CurrentPlayer.name.empty()) CurrentPlayer.name = storedName;
      CurrentPlayer.credits = credits;
      CurrentPlayer.levelCode = levelCode;
      CurrentPlayer.kind = KindLocal;
      CurrentPlayer.slot = slotNumber;
      if (otherCharacter) ForgetPreviousCharacterCards();
      SaveCharacter();
      return true;
    }
    platform::RemoveFile(path);
    ReadSlot(selectedSlot_);
    Ask(InvalidSaveText, L"", L"Ok");
    Redraw(0);
    slotEmpty_ = true;
    return false;
  }
  if (s.name.empty()) {
    Ask(NoNameText, L"", L"Ok");
    return false;
  }
  // A new character in this slot.
  ResetPlayer(CurrentPlayer);
  CopyIdentity(s, CurrentPlayer);
  CurrentPlayer.kind = KindLocal;
  CurrentPlayer.credits = NewCharacterCredits;
  CurrentPlayer.slot = slotNumber;
  ClearDuelStats();
  ForgetPreviousCharacterCards();
  SaveCharacter();
  // "Ok" hands the new character to the club's tutorial; with "No" it goes
  // straight on into the corridor.
  if (Ask(TutorialText, L"Ok", L"No")) StartTutorial();
  return true;
}

void CharacterScreen::PressDelete() {
  PlayerRecord& s = slots_[static_cast<std::size_t>(selectedSlot_)];
  if (s.name.empty()) return;
  const std::wstring question = L"Are you sure that you want to delete the character " + s.name + L" with " +
                                DecimalText(s.credits) + L" Credits?";
  if (Ask(question, L"Cancel", L"Ok")) return;
  const auto slotNumber = static_cast<std::uint8_t>(selectedSlot_ + 1);
  platform::RemoveFile(CharacterSavePath(slotNumber));
  // The deleted character is no longer the one being played: saving it on
  // the way out would bring its file back.
  if (CurrentPlayer.slot == slotNumber) CurrentPlayer.slot = 255;
  ReadSlot(selectedSlot_);
  slotEmpty_ = true;
  Redraw(0);
}

void CharacterScreen::PressQuickGame() {
  // An unsaved player of its own, not the character last played under another name.
  ResetPlayer(CurrentPlayer);
  CurrentPlayer.name = QuickGameName;
  CurrentPlayer.profileNumber = -1;
  CurrentPlayer.profileText1.clear();
  CurrentPlayer.profileText2.clear();
  CurrentPlayer.kind = KindLocal;
  CurrentPlayer.slot = 255;
  ClearDuelStats();
  ForgetPreviousCharacterCards();
  StartQuickGame();
}

void CharacterScreen::Redraw(int buffer) {
  DrawImage(0, 0, background_, buffer);
  const PlayerRecord& s = slots_[static_cast<std::size_t>(selectedSlot_)];
  DrawText(s.name, FieldLeft, FieldTextRow(FieldName), GameFont, buffer);
  DrawText(ProfileNumberText(s.profileNumber), FieldLeft, FieldTextRow(FieldProfileNumber), GameFont, buffer);
  DrawText(s.profileText1, FieldLeft, FieldTextRow(FieldProfileLine1), GameFont, buffer);
  DrawText(s.profileText2, FieldLeft, FieldTextRow(FieldProfileLine2), GameFont, buffer);
  for (int k = 0; k < 3; ++k) {
    const PlayerRecord& slot = slots_[static_cast<std::size_t>(k)];
    DrawText(slot.name, SlotListLeft, SlotTextRow(k), GameFont, buffer);
    if (slot.name.empty()) continue;
    const std::wstring credits = DecimalText(slot.credits);
    DrawText(credits, SlotCreditsRight - TextWidth(GameFont, credits), SlotTextRow(k), GameFont, buffer);
  }
  AdjustRect(SlotListLeft, SlotBarRow(selectedSlot_), 190, 10, 32, 32, 192, buffer);
  AdjustRect(FieldLeft, FieldBarRow(selectedField_), FieldTextLimit, 10, 32, 32, 192, buffer);
  DrawButton(okButton_, buffer);
  DrawButton(deleteButton_, buffer);
  DrawButton(quickGameButton_, buffer);
}

void CharacterScreen::FocusPlaces(std::vector<FocusPlace>& places) const {
  for (int field = FieldName; field <= FieldProfileLine2; ++field)
    places.push_back({FieldLeft, FieldBarRow(field), FieldTextLimit, 10});
  for (int slot = 0; slot < 3; ++slot) places.push_back({SlotListLeft, SlotBarRow(slot), 190, 10});
  AddButtonPlace(places, okButton_);
  AddButtonPlace(places, quickGameButton_);
  AddButtonPlace(places, deleteButton_);
  for (int key = 0; key < KeyCount; ++key) places.push_back({KeyLiveLeft(key), KeyLiveTop(key), 15, 15});
}

void CharacterScreen::SaveState(ByteWriter&) const {}

bool CharacterScreen::LoadState(ByteReader&) { return true; }
