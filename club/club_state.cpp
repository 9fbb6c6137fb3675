// club_state.cpp -- the club's block of the quick save: its record, then each screen's flag and record.
#include "club/club_state.h"

#include <cwchar>

#include "club/club_internal.h"
#include "club/club_tutorial.h"
#include "data/quick_save.h"
#include "data/save_bytes.h"

ClubRecord TakeRecord(const Club& c) {
  ClubRecord r;
  r.ready = c.ready;
  r.entering = c.entering;
  r.opening = c.opening;
  r.fadeCounter = c.fadeCounter;
  r.enterRoom = c.enterRoom;
  r.typing = c.typing;
  r.charIndex = c.charIndex;
  r.textX = c.textX;
  r.textY = c.textY;
  r.textBuffer = c.textBuffer;
  r.typeCounter = c.typeCounter;
  r.nextScreen = c.nextScreen;
  r.currentScreen = c.currentScreen;
  r.currentRoom = c.currentRoom;
  r.position = c.position;
  r.walkDirection = c.walkDirection;
  r.titleOffset = c.titleOffset;
  r.titleSpeed = c.titleSpeed;
  r.shown = c.shown;
  r.typingDone = c.typingDone;
  r.slideDone = c.slideDone;
  r.slideCounter = c.slideCounter;
  r.returnFromChallenge = c.returnFromChallenge;
  r.spare = c.spare;
  r.returnFromCardManager = c.returnFromCardManager;
  r.returnFromShop = c.returnFromShop;
  r.returnFromTrade = c.returnFromTrade;
  r.tutorialStep = c.tutorialStep;
  r.tutorialActive = c.tutorialActive;
  return r;
}

void ApplyRecord(const ClubRecord& r, Club& c) {
  c.ready = r.ready != 0;
  c.entering = r.entering != 0;
  c.opening = r.opening != 0;
  c.fadeCounter = r.fadeCounter;
  c.enterRoom = r.enterRoom != 0;
  c.typing = r.typing != 0;
  c.charIndex = r.charIndex;
  c.textX = r.textX;
  c.textY = r.textY;
  c.textBuffer = r.textBuffer;
  c.typeCounter = r.typeCounter;
  c.nextScreen = static_cast<ClubScreen>(r.nextScreen);
  c.currentScreen = static_cast<ClubScreen>(r.currentScreen);
  c.currentRoom = r.currentRoom;
  c.position = r.position;
  c.walkDirection = r.walkDirection;
  c.titleOffset = r.titleOffset;
  c.titleSpeed = r.titleSpeed;
  c.shown = r.shown;
  c.typingDone = r.typingDone != 0;
  c.slideDone = r.slideDone != 0;
  c.slideCounter = r.slideCounter;
  c.returnFromChallenge = static_cast<ClubScreen>(r.returnFromChallenge);
  c.spare = r.spare;
  c.returnFromCardManager = static_cast<ClubScreen>(r.returnFromCardManager);
  c.returnFromShop = static_cast<ClubScreen>(r.returnFromShop);
  c.returnFromTrade = static_cast<ClubScreen>(r.returnFromTrade);
  c.tutorialStep = r.tutorialStep;
  c.tutorialActive = r.tutorialActive != 0;
}

void WriteClubRecord(const ClubRecord& r, ByteWriter& out) {
  out.U8(r.ready);
  out.U8(r.entering);
  out.U8(r.opening);
  out.U8(static_cast<std::uint8_t>(r.fadeCounter));
  out.U8(r.enterRoom);
  out.U8(r.typing);
  out.I16(r.charIndex);
  out.I16(r.textX);
  out.I16(r.textY);
  out.U8(r.textBuffer);
  out.U8(static_cast<std::uint8_t>(r.typeCounter));
  out.U8(r.nextScreen);
  out.U8(r.currentScreen);
  out.I16(r.currentRoom);
  out.I16(r.position);
  out.U8(static_cast<std::uint8_t>(r.walkDirection));
  out.I16(r.titleOffset);
  out.U8(static_cast<std::uint8_t>(r.titleSpeed));
  out.U8(r.shown);
  out.U8(r.typingDone);
  out.U8(r.slideDone);
  out.U8(static_cast<std::uint8_t>(r.slideCounter));
  out.U8(r.returnFromChallenge);
  out.U8(r.spare);
  out.U8(r.returnFromCardManager);
  out.U8(r.returnFromShop);
  out.U8(r.returnFromTrade);
  out.U8(r.tutorialStep);
  out.U8(r.tutorialActive);
}

bool ReadClubRecord(ByteReader& in, ClubRecord& r) {
  // Each counter comes back as the byte it was stored as (a fade counter of
  // -1 is the byte 0xFF and reads as -1 again).
  r.ready = in.U8();
  r.entering = in.U8();
  r.opening = in.U8();
  r.fadeCounter = static_cast<std::int8_t>(in.U8());
  r.enterRoom = in.U8();
  r.typing = in.U8();
  r.charIndex = in.I16();
  r.textX = in.I16();
  r.textY = in.I16();
  r.textBuffer = in.U8();
  r.typeCounter = static_cast<std::int8_t>(in.U8());
  r.nextScreen = in.U8();
  r.currentScreen = in.U8();
  r.currentRoom = in.I16();
  r.position = in.I16();
  r.walkDirection = static_cast<std::int8_t>(in.U8());
  r.titleOffset = in.I16();
  r.titleSpeed = static_cast<std::int8_t>(in.U8());
  r.shown = in.U8();
  r.typingDone = in.U8();
  r.slideDone = in.U8();
  r.slideCounter = static_cast<std::int8_t>(in.U8());
  r.returnFromChallenge = in.U8();
  r.spare = in.U8();
  r.returnFromCardManager = in.U8();
  r.returnFromShop = in.U8();
  r.returnFromTrade = in.U8();
  r.tutorialStep = in.U8();
  r.tutorialActive = in.U8();
  return in.Ok();
}

bool KnownClubScreen(std::uint8_t id) { return id <= 8 || id == 10 || id == 12 || id == 13 || id == 14; }

bool ClubRecordUsable(const ClubRecord& r) {
  if (!KnownClubScreen(r.nextScreen) || !KnownClubScreen(r.currentScreen) || !KnownClubScreen(r.returnFromChallenge) ||
      !KnownClubScreen(r.returnFromCardManager) || !KnownClubScreen(r.returnFromShop) ||
      !KnownClubScreen(r.returnFromTrade))
    return false;
  if (r.currentRoom < 0 || r.currentRoom >= RoomCount) return false;
  if (r.position < 1 || r.position > CorridorLength) return false;
  if (r.walkDirection < -1 || r.walkDirection > 1) return false;
  if (r.textBuffer > 2) return false;
  const int length = static_cast<int>(std::wcslen(ClubRooms[r.currentRoom].description));
  if (r.charIndex < 0 || r.charIndex > length) return false;
  if (r.textX < 0 || r.textX > 240 || r.textY < 0 || r.textY > 320) return false;
  if (r.titleOffset < 0 || r.titleOffset > 240) return false;
  if (r.tutorialStep > 11) return false;
  return true;
}

// -- the block inside the quick save -----------------------------------------

namespace {

// What ReadClubState read, kept aside until the whole quick save has read.
struct PendingClub {
  bool present = false;
  ClubRecord record;
  std::unique_ptr<ClubScreenBase> screens[RoomCount];
};
PendingClub Pending;

std::unique_ptr<ClubScreenBase> MakeForResume(ClubScreen s) {
  switch (s) {
    case ScreenCharacter:
      return MakeCharacterScreen();
    case ScreenLobby:
      return MakeLobbyScreen();
    case ScreenShop:
      return MakeShopScreen();
    // The club keeps the manager's return screen in its own record.
    case ScreenCardManager:
      return MakeCardManagerScreen(ScreenLobby, false, false);
    case ScreenInstantPlay:
      return MakeInstantPlayScreen();
    case ScreenChallenge:
      return MakeChallengeScreen(1);
    case ScreenGuestTournament:
      return MakeTournamentScreen(0);
    case ScreenOptions:
      return MakeOptionsScreen();
    case ScreenTrade:
      return MakeTradeScreen(false);
    case ScreenFinalChallenge:
      return MakeFinalChallengeScreen();
    default:
      return nullptr;
  }
}

// The screen whose object a current screen id needs.
bool ScreenOpenFor(const std::unique_ptr<ClubScreenBase> (&screens)[RoomCount], std::uint8_t id) {
  if (id == ScreenCorridor) return true;
  for (int k = 0; k < RoomCount; ++k) {
    const ClubScreen s = OpenScreenOrder[k];
    const bool same =
        s == id || (s == ScreenGuestTournament && id >= ScreenGuestTournament && id <= ScreenEliteTournament);
    if (same) return screens[k] != nullptr;
  }
  return false;
}

}  // namespace

void WriteClubState(ByteWriter& out) {
  WriteClubRecord(TakeRecord(GameClub), out);
  for (ClubScreen s : OpenScreenOrder) {
    ClubScreenBase* screen = ScreenFor(s);
    out.U8(screen ? 1 : 0);
    if (screen) screen->SaveState(out);
  }
}

bool ReadClubState(ByteReader& in) {
  DropClubState();
  ClubRecord record;
  if (!ReadClubRecord(in, record) || !ClubRecordUsable(record)) return false;
  std::unique_ptr<ClubScreenBase> screens[RoomCount];
  for (int k = 0; k < RoomCount; ++k) {
    const std::uint8_t flag = in.U8();
    if (!in.Ok() || flag > 1) return false;
    if (flag == 0) continue;
    screens[k] = MakeForResume(OpenScreenOrder[k]);
    if (!screens[k] || !screens[k]->LoadState(in) || !in.Ok()) return false;
  }
  if (!ScreenOpenFor(screens, record.currentScreen)) return false;
  // A lobby or a trade cannot come back without its link: the player stands
  // in front of the multiplayer room instead, every screen closed.
  const bool linked =
      screens[1] || screens[8] || record.currentScreen == ScreenLobby || record.currentScreen == ScreenTrade;
  if (linked) {
    ClubRecord standing;
    standing.currentRoom = RoomMultiplayer;
    standing.position = ClubRooms[RoomMultiplayer].position;
    standing.tutorialStep = record.tutorialStep;
    standing.tutorialActive = record.tutorialActive;
    record = standing;
    for (auto& screen : screens) screen.reset();
  }
  Pending.present = true;
  Pending.record = record;
  for (int k = 0; k < RoomCount; ++k) Pending.screens[k] = std::move(screens[k]);
  return true;
}

void CommitClubState() {
  if (!Pending.present) return;
  CloseAllScreens();
  Club& c = GameClub;
  ApplyRecord(Pending.record, c);
  for (int k = 0; k < RoomCount; ++k) *ScreenSlot(OpenScreenOrder[k]) = std::move(Pending.screens[k]);
  c.leftArrow.pressed = 0;
  c.rightArrow.pressed = 0;
  Pending.present = false;
  ResumeTutorialSilence();
}

void DropClubState() {
  Pending.present = false;
  for (auto& screen : Pending.screens) screen.reset();
}

void RegisterClubStateBlock() {
  ClubStateBlock.write = WriteClubState;
  ClubStateBlock.read = ReadClubState;
}
