// character_screen_test.cpp -- the character screen driven by the stylus: typing, creating, loading, deleting, quick
// game.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <memory>

#include "club/character_keys.h"
#include "club/character_screen.h"
#include "data/duel_stats.h"
#include "data/game_state.h"
#include "data/save_file.h"
#include "gfx/font.h"
#include "platform/file_system.h"
#include "settings/settings.h"
#include "tests/club/club_test_support.h"

namespace {

namespace fs = std::filesystem;

// A key's centre.
void TapKey(CharacterScreen& screen, wchar_t c) {
  int key = -1;
  for (int k = 0; k < KeyCount; ++k)
    if (KeyCharacter(k) == c) key = k;
  ASSERT_GE(key, 0);
  screen.StylusDown(KeyLiveLeft(key) + 7, KeyLiveTop(key) + 7);
  screen.StylusUp(KeyLiveLeft(key) + 7, KeyLiveTop(key) + 7);
}
void TapDelete(CharacterScreen& screen) {
  screen.StylusDown(KeyLiveLeft(KeyDeleteFirst) + 16,
                    KeyLiveTop(KeyDeleteFirst) + 7);  // the wide delete key's right edge
  screen.StylusUp(KeyLiveLeft(KeyDeleteFirst) + 16, KeyLiveTop(KeyDeleteFirst) + 7);
}
void Type(CharacterScreen& screen, const std::wstring& text) {
  for (wchar_t c : text) TapKey(screen, c);
}
bool Tap(CharacterScreen& screen, int x, int y) {
  screen.StylusDown(x, y);
  return screen.StylusUp(x, y);
}
bool TapOk(CharacterScreen& screen) { return Tap(screen, 20, 240); }
bool TapQuickGame(CharacterScreen& screen) { return Tap(screen, 120, 240); }
bool TapDeleteButton(CharacterScreen& screen) { return Tap(screen, 210, 240); }
void TapField(CharacterScreen& screen, int field) { Tap(screen, 100, FieldTextRow(field) + 2); }
void TapSlot(CharacterScreen& screen, int slot) { Tap(screen, 100, SlotTextRow(slot) + 2); }

// A saved character in `slot`, written as the game writes it.
void SaveCharacterIn(int slot, const std::wstring& name, std::int32_t credits) {
  PlayerRecord record;
  ResetPlayer(record);
  record.name = name;
  record.credits = credits;
  record.slot = static_cast<std::uint8_t>(slot);
  AddCopy(record, 5);
  DuelStatistics stats;
  stats.opponents[1][2].victories = 3;
  WriteHostFile(SaveHostPath(slot), EncodeCharacterFile(record, stats));
}

void FreshStart() {
  SetUpCharacterTable();
  ResetPlayer(CurrentPlayer);
  CurrentPlayer.name.clear();
  CurrentPlayer.slot = 255;
  WriteCharacter(1);
  InClub = 1;
}

TEST(CharacterScreenTyping, NameLimitProfileDigitsAndDeletes) {
  FreshStart();
  CharacterScreen screen;
  EXPECT_EQ(screen.SelectedSlot(), 0);
  EXPECT_EQ(screen.SelectedField(), FieldName);
  EXPECT_TRUE(screen.SlotEmpty());
  Type(screen, L"ANNA B");
  EXPECT_EQ(screen.Slot(0).name, L"ANNA B");
  // An over-wide name: W after W until the next one would reach 158 pixels.
  for (int i = 0; i < 40; ++i) TapKey(screen, L'W');
  const std::wstring name = screen.Slot(0).name;
  EXPECT_LT(TextWidth(GameFont, name), FieldTextLimit);
  EXPECT_GE(TextWidth(GameFont, name + L'W'), FieldTextLimit);
  EXPECT_GT(name.size(), std::wstring(L"ANNA B").size());
  TapDelete(screen);
  EXPECT_EQ(screen.Slot(0).name, name.substr(0, name.size() - 1));

  TapField(screen, FieldProfileNumber);
  EXPECT_EQ(screen.SelectedField(), FieldProfileNumber);
  Type(screen, L"A12345");  // letters are refused, so is the fifth digit
  EXPECT_EQ(screen.Slot(0).profileNumber, 1234);
  for (int i = 0; i < 3; ++i) TapDelete(screen);
  EXPECT_EQ(screen.Slot(0).profileNumber, 1);
  TapDelete(screen);
  EXPECT_EQ(screen.Slot(0).profileNumber, -1);
  Type(screen, L"7");
  TapDelete(screen);
  EXPECT_EQ(screen.Slot(0).profileNumber, -1);

  TapField(screen, FieldProfileLine2);
  Type(screen, L"LIKES CARDS");
  EXPECT_EQ(screen.Slot(0).profileText2, L"LIKES CARDS");
  EXPECT_TRUE(screen.Slot(0).profileText1.empty());
  // The keyboard's dead gaps type nothing.
  Tap(screen, KeyLiveLeft(0) + 15, KeyLiveTop(0) + 5);
  Tap(screen, KeyLiveLeft(0) + 5, KeyLiveTop(0) + 16);
  EXPECT_EQ(screen.Slot(0).profileText2, L"LIKES CARDS");
  EXPECT_TRUE(RoomBoxes.empty());
}

TEST(CharacterScreenCreate, EmptyNameOnlyWarnsThenANameCreatesTheCharacter) {
  FreshStart();
  CurrentPlayer.tradeBox[0] = 17;  // left over from whoever played before
  CurrentPlayer.lastBooster[0] = 40;
  DuelStats.opponents[0][0].victories = 9;
  CharacterScreen screen;
  Tap(screen, 100, SlotTextRow(1) + 2);
  EXPECT_EQ(screen.SelectedSlot(), 1);
  EXPECT_FALSE(TapOk(screen));
  ASSERT_EQ(RoomBoxes.size(), 1u);
  EXPECT_EQ(RoomBoxes[0].text, L"The selected character is not valid. Please enter a name.");
  EXPECT_EQ(RoomBoxes[0].right, L"Ok");
  EXPECT_FALSE(fs::exists(SaveHostPath(2)));

  Type(screen, L"ZOE");
  TapField(screen, FieldProfileNumber);
  Type(screen, L"42");
  RoomBoxAnswers = {true};  // "Ok" to the tutorial, which behaves as "No" for now
  EXPECT_TRUE(TapOk(screen));
  ASSERT_EQ(RoomBoxes.size(), 2u);
  EXPECT_EQ(RoomBoxes[1].text, L"Since it's the first time you use this character, you should try the tutorial.");
  EXPECT_EQ(RoomBoxes[1].left, L"Ok");
  EXPECT_EQ(RoomBoxes[1].right, L"No");
  EXPECT_EQ(CurrentPlayer.name, L"ZOE");
  EXPECT_EQ(CurrentPlayer.profileNumber, 42);
  EXPECT_EQ(CurrentPlayer.slot, 2);
  EXPECT_EQ(CurrentPlayer.credits, 700);
  EXPECT_EQ(CurrentPlayer.cardTotal, 0);
  EXPECT_EQ(DuelStats.opponents[0][0].victories, 0);
  EXPECT_EQ(TradeBoxCount(CurrentPlayer), 0);
  EXPECT_EQ(CurrentPlayer.lastBooster[0], -1);
  EXPECT_EQ(ReadCharacter(), 2);

  std::vector<std::uint8_t> bytes;
  ASSERT_TRUE(platform::ReadWholeFile(CharacterSavePath(2), bytes));
  const SavedCharacter saved = DecodeCharacterFile(bytes);
  EXPECT_TRUE(saved.valid);
  EXPECT_EQ(saved.record.name, L"ZOE");
  EXPECT_EQ(saved.record.credits, 700);
  EXPECT_EQ(saved.stats.opponents[0][0].victories, 0);
}

TEST(CharacterScreenLoad, ASavedCharacterIsPlayedAndForgetsTheOtherCharactersCards) {
  FreshStart();
  SaveCharacterIn(3, L"MAX", 1234);
  WriteCharacter(3);
  CharacterScreen screen;
  EXPECT_EQ(screen.SelectedSlot(), 2);
  EXPECT_FALSE(screen.SlotEmpty());
  EXPECT_EQ(screen.Slot(2).name, L"MAX");
  // Tapping the row that is already selected changes nothing.
  TapSlot(screen, 2);
  EXPECT_EQ(screen.SelectedSlot(), 2);
  CurrentPlayer.tradeBox[0] = 17;
  EXPECT_TRUE(TapOk(screen));
  EXPECT_TRUE(RoomBoxes.empty());
  EXPECT_EQ(CurrentPlayer.name, L"MAX");
  EXPECT_EQ(CurrentPlayer.credits, 1234);
  EXPECT_EQ(CurrentPlayer.slot, 3);
  EXPECT_EQ(CopiesOf(CurrentPlayer, 5), 1);
  EXPECT_EQ(DuelStats.opponents[1][2].victories, 3);
  EXPECT_EQ(TradeBoxCount(CurrentPlayer), 0);

  // Choosing the same character again keeps what it put up for trade.
  TradeBoxAdd(CurrentPlayer, 5);
  CharacterScreen again;
  EXPECT_TRUE(TapOk(again));
  EXPECT_EQ(TradeBoxCount(CurrentPlayer), 1);
}

TEST(CharacterScreenDelete, QuestionCancelAndTheCurrentCharacterIsForgotten) {
  FreshStart();
  SaveCharacterIn(1, L"ALICE", 900);
  ASSERT_TRUE(LoadCharacter(1));
  CurrentPlayer.slot = 1;
  CharacterScreen screen;
  // An empty slot asks nothing.
  TapSlot(screen, 1);
  TapDeleteButton(screen);
  EXPECT_TRUE(RoomBoxes.empty());
  TapSlot(screen, 0);
  RoomBoxAnswers = {true};  // "Cancel"
  EXPECT_FALSE(TapDeleteButton(screen));
  ASSERT_EQ(RoomBoxes.size(), 1u);
  EXPECT_EQ(RoomBoxes[0].text, L"Are you sure that you want to delete the character ALICE with 900 Credits?");
  EXPECT_EQ(RoomBoxes[0].left, L"Cancel");
  EXPECT_EQ(RoomBoxes[0].right, L"Ok");
  EXPECT_TRUE(fs::exists(SaveHostPath(1)));
  EXPECT_FALSE(TapDeleteButton(screen));  // "Ok"
  EXPECT_FALSE(fs::exists(SaveHostPath(1)));
  EXPECT_TRUE(screen.SlotEmpty());
  EXPECT_TRUE(screen.Slot(0).name.empty());
  // The save on the way out does not bring the deleted character back.
  EXPECT_EQ(CurrentPlayer.slot, 255);
  EXPECT_TRUE(SaveCharacter());
  EXPECT_FALSE(fs::exists(SaveHostPath(1)));
  // The same slot then takes a new character with 700 credits and no results.
  Type(screen, L"BEA");
  EXPECT_TRUE(TapOk(screen));
  EXPECT_EQ(CurrentPlayer.credits, 700);
  EXPECT_EQ(DuelStats.opponents[1][2].victories, 0);
  EXPECT_TRUE(fs::exists(SaveHostPath(1)));
}

TEST(CharacterScreenDamage, ACorruptSaveIsDeletedWithItsBoxAndLongNamesAreBounded) {
  FreshStart();
  SaveCharacterIn(1, L"EVE", 700);
  {
    // One collection count changed by hand: the check value no longer matches.
    std::vector<std::uint8_t> bytes;
    ASSERT_TRUE(platform::ReadWholeFile(CharacterSavePath(1), bytes));
    bytes[2 + 2 + 3 + 2 + 2 + 2 + 4 + 1 + 1 + 10] ^= 3;
    WriteHostFile(SaveHostPath(1), bytes);
  }
  // Slot 2: a name of 5000 characters in a file that stops right after it.
  std::vector<std::uint8_t> longName = {0x0D, 0x01, 0x88, 0x13};
  for (int i = 0; i < 5000; ++i) longName.push_back(static_cast<std::uint8_t>((i % 2 ? 'm' : 'W') ^ 0x6C));
  WriteHostFile(SaveHostPath(2), longName);
  // Slot 3: the identity complete, the name long and odd, the rest of the file missing.
  std::vector<std::uint8_t> odd = {0x0D, 0x01, 0x40, 0x00};
  for (int i = 0; i < 64; ++i) odd.push_back(static_cast<std::uint8_t>((i % 3 ? 'a' : '#') ^ 0x6C));
  odd.insert(odd.end(), {0x30, 0x75, 0, 0, 0, 0, 0x4A, 0xC9, 0x71, 0x2E, 2});
  WriteHostFile(SaveHostPath(3), odd);

  CharacterScreen screen;
  screen.Redraw(0);
  // Slot 2 stops inside its identity: shown as an empty slot.
  EXPECT_TRUE(screen.Slot(1).name.empty());
  const std::wstring shown = screen.Slot(2).name;
  EXPECT_FALSE(shown.empty());
  EXPECT_LT(TextWidth(GameFont, shown), FieldTextLimit);
  EXPECT_EQ(shown,
            std::wstring(L"#aa#aa#aa#aa#aa#aa#aa#aa#aa#aa#aa#aa#aa#aa#aa#aa#aa#aa#aa#aa#a").substr(0, shown.size()));
  EXPECT_EQ(screen.Slot(2).profileNumber, 30000);

  RoomBoxAnswers = {};
  EXPECT_FALSE(TapOk(screen));
  ASSERT_EQ(RoomBoxes.size(), 1u);
  EXPECT_EQ(RoomBoxes[0].text, L"Error !! \nSave file is not valid !!\n\nFile Deleted.");
  EXPECT_TRUE(RoomBoxes[0].left.empty());
  EXPECT_EQ(RoomBoxes[0].right, L"Ok");
  EXPECT_FALSE(fs::exists(SaveHostPath(1)));
  EXPECT_TRUE(screen.SlotEmpty());
  EXPECT_TRUE(screen.Slot(0).name.empty());
  EXPECT_EQ(CurrentPlayer.slot, 255);

  // Typing on top of the damaged profile number neither grows nor wraps it.
  TapSlot(screen, 2);
  TapField(screen, FieldProfileNumber);
  Type(screen, L"9");
  EXPECT_EQ(screen.Slot(2).profileNumber, 30000);
}

TEST(CharacterScreenOpening, NoFileForACharacterOfNoSlotAndAStrangeSettingMeansTheFirstSlot) {
  FreshStart();
  WriteCharacter(0);
  CurrentPlayer.name = L"GHOST";
  for (std::uint8_t slot : {std::uint8_t{255}, std::uint8_t{0}}) {
    CurrentPlayer.slot = slot;
    CharacterScreen screen;
    EXPECT_EQ(screen.SelectedSlot(), 0);
  }
  EXPECT_FALSE(fs::exists(ClubInstall() + "/SAVE/Player0.QXP"));
  EXPECT_FALSE(fs::exists(ClubInstall() + "/SAVE/Player255.QXP"));
  EXPECT_TRUE(fs::is_empty(ClubInstall() + "/SAVE"));

  // The character being left is stored when the screen opens.
  CurrentPlayer.slot = 2;
  CurrentPlayer.credits = 555;
  CharacterScreen screen;
  EXPECT_TRUE(fs::exists(SaveHostPath(2)));
  EXPECT_EQ(screen.Slot(1).name, L"GHOST");
  EXPECT_EQ(screen.Slot(1).credits, 555);
  EXPECT_EQ(screen.SelectedSlot(), 1);  // the setting now names the character saved
  // The screen keeps no record of its own in the quick save.
  std::vector<std::uint8_t> bytes;
  ByteWriter out(bytes);
  screen.SaveState(out);
  EXPECT_TRUE(bytes.empty());
  ByteReader in(bytes);
  EXPECT_TRUE(screen.LoadState(in));
}

TEST(CharacterScreenQuickGame, AnUnsavedPlayerOneLeavesForTheDuel) {
  FreshStart();
  SaveCharacterIn(1, L"ALICE", 900);
  ASSERT_TRUE(LoadCharacter(1));
  CurrentPlayer.slot = 1;
  TradeBoxAdd(CurrentPlayer, 5);
  CharacterScreen screen;
  EXPECT_TRUE(TapQuickGame(screen));
  EXPECT_EQ(InClub, 0);
  EXPECT_EQ(CurrentPlayer.name, L"Player 1");
  EXPECT_EQ(CurrentPlayer.slot, 255);
  EXPECT_EQ(CurrentPlayer.credits, 700);
  EXPECT_EQ(CopiesOf(CurrentPlayer, 5), 0);
  EXPECT_EQ(TradeBoxCount(CurrentPlayer), 0);
  EXPECT_EQ(DuelStats.opponents[1][2].victories, 0);
  // ALICE's file is as she left it.
  std::vector<std::uint8_t> bytes;
  ASSERT_TRUE(platform::ReadWholeFile(CharacterSavePath(1), bytes));
  EXPECT_EQ(DecodeCharacterFile(bytes).record.name, L"ALICE");
  InClub = 1;
}

}  // namespace
