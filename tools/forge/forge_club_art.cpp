// forge_club_art.cpp -- writes the club's pictures: corridor, description panel, titles, arrows, quick menu and the
// character screen.
#include "tools/forge/art_club.h"
#include "tools/forge/art_club_draw.h"
#include "tools/forge/art_rooms.h"
#include "tools/forge/art_shop.h"
#include "tools/forge/forge.h"

namespace {

std::string CorridorPath(int n) {
  return std::string("GFX\\MENU\\MENU\\MENU00") + static_cast<char>('0' + n / 10) + static_cast<char>('0' + n % 10) +
         ".QXG";
}

bool ForgeCorridor(ForgeOutput& out) {
  const std::vector<RgbPicture> pictures = DrawCorridorPictures();
  for (int n = 1; n <= corridor::Pictures; ++n)
    if (!WritePngPicture(out, CorridorPath(n), pictures[static_cast<std::size_t>(n - 1)])) return false;
  if (!WriteJpegPicture(out, "GFX\\GENERAL\\BackgroundMenu.QXJ", DrawDescriptionPanel())) return false;
  for (const RoomLook& room : RoomLooks())
    if (!WritePngPicture(out, "GFX\\MENU\\TITLES\\" + room.title, DrawRoomTitle(room))) return false;
  return WritePngPicture(out, "GFX\\MENU\\MENU\\LEFTON.QXG", DrawArrow(false, false)) &&
         WritePngPicture(out, "GFX\\MENU\\MENU\\LEFTOFF.QXG", DrawArrow(false, true)) &&
         WritePngPicture(out, "GFX\\MENU\\MENU\\RIGHTON.QXG", DrawArrow(true, false)) &&
         WritePngPicture(out, "GFX\\MENU\\MENU\\RIGHTOFF.QXG", DrawArrow(true, true)) &&
         WritePngPicture(out, "GFX\\MENU\\QuickMenu.QXG", DrawQuickMenu(false)) &&
         WritePngPicture(out, "GFX\\MENU\\QuickMenuON.QXG", DrawQuickMenu(true));
}

bool ForgeCharacterScreen(ForgeOutput& out) {
  const std::string folder = "GFX\\MENU\\UI CHARACTER\\";
  const RgbPicture screen = DrawCharacterScreen(-1);
  if (!WritePngPicture(out, folder + "CreateCharacterEmpty.QXG", screen) ||
      !WritePngPicture(out, folder + "CreateCharacterPIX.QXG", screen))
    return false;
  for (int b = 0; b < 3; ++b) {
    const character::Button& button = character::Buttons[b];
    const RgbPicture pressed = Crop(DrawCharacterScreen(b), button.x, button.y, button.w, button.h);
    if (!WriteJpegPicture(out, folder + button.file, pressed)) return false;
  }
  return true;
}

}  // namespace

bool ForgeShopArt(ForgeOutput& out) {
  const std::string folder = "GFX\\MENU\\UI SHOP\\";
  if (!WritePngPicture(out, folder + "ShopEmpty.QXG", DrawShopScreen(false, -1)) ||
      !WritePngPicture(out, folder + "ShopPIX.QXG", DrawShopScreen(true, -1)) ||
      !WritePngPicture(out, folder + "CollectionEmpty.QXG", DrawCollectionScreen(-1)) ||
      !WritePngPicture(out, folder + "CollectionBorder.QXG", DrawCollectionBorder()))
    return false;
  for (int i = 0; i < shop::ButtonCount; ++i) {
    const ButtonPlace& b = shop::Buttons[i];
    if (!WriteJpegPicture(out, folder + b.file, Crop(DrawShopScreen(false, i), b.x, b.y, b.w, b.h))) return false;
  }
  for (int i = 0; i < manager::ButtonCount; ++i) {
    const ButtonPlace& b = manager::Buttons[i];
    if (!WriteJpegPicture(out, folder + b.file, Crop(DrawCollectionScreen(i), b.x, b.y, b.w, b.h))) return false;
  }
  for (int n = 0; n < shop::BoosterFrames; ++n)
    if (!WritePngPicture(out, folder + "Booster" + std::to_string(n) + ".QXG", DrawBoosterFrame(n))) return false;
  return true;
}

bool ForgeRoomArt(ForgeOutput& out) {
  using namespace rooms;
  const std::string instant = "GFX\\MENU\\UI INSTANT\\";
  if (!WritePngPicture(out, instant + "InstantPlayPIX.QXG", DrawInstantPlayList(true, -1)) ||
      !WritePngPicture(out, instant + "InstantPlayEmpty.QXG", DrawInstantPlayList(false, -1)) ||
      !WriteJpegPicture(out, instant + "InstantPlayMember.QXJ", DrawClassTitle(1)) ||
      !WriteJpegPicture(out, instant + "InstantPlayElite.QXJ", DrawClassTitle(2)) ||
      !WritePngPicture(out, instant + "InstantPlay2Empty.QXG", DrawChallengeScreen(-1)))
    return false;
  for (int i = 0; i < 3; ++i) {
    const ButtonPlace& b = ListButtons[i];
    if (!WriteJpegPicture(out, instant + b.file, Crop(DrawInstantPlayList(false, i), b.x, b.y, b.w, b.h))) return false;
  }
  if (!WriteJpegPicture(out, instant + ChallengeOk.file,
                        Crop(DrawChallengeScreen(0), ChallengeOk.x, ChallengeOk.y, ChallengeOk.w, ChallengeOk.h)) ||
      !WriteJpegPicture(out, std::string("GFX\\MENU\\") + Deck.file,
                        Crop(DrawChallengeScreen(2), Deck.x, Deck.y, Deck.w, Deck.h)))
    return false;
  const std::string tournament = "GFX\\MENU\\UI TOURNAMENT\\";
  const char* classes[3] = {"Guest", "Member", "Elite"};
  for (int c = 0; c < 3; ++c) {
    const std::string stem = tournament + "Tournament" + classes[c];
    if (!WritePngPicture(out, stem + "PIX.QXG", DrawTournamentScreen(c, true, false)) ||
        !WritePngPicture(out, stem + "Empty.QXG", DrawTournamentScreen(c, false, false)))
      return false;
  }
  struct Pair {
    const char *normal, *pressed, *label;
    bool wide;
  };
  const Pair buttons[4] = {{"TournamentStartON.QXG", "TournamentStartOFF.QXG", "START", true},
                           {"TournamentNEXTon.QXG", "TournamentNEXToff.QXG", "NEXT", true},
                           {"TournamentBackON.QXG", "TournamentBackOFF.QXG", "BACK", false},
                           {"TournamentSurrenderON.QXG", "TournamentSurrenderOFF.QXG", "SURRENDER", false}};
  for (const Pair& b : buttons)
    if (!WritePngPicture(out, tournament + b.normal, DrawTournamentButton(b.label, b.wide, false)) ||
        !WritePngPicture(out, tournament + b.pressed, DrawTournamentButton(b.label, b.wide, true)))
      return false;
  if (!WritePngPicture(out, tournament + "VStournoi.QXG", DrawVersusMark())) return false;
  for (int n = 1; n <= 45; ++n)
    if (!WritePngPicture(out, "GFX\\PLAYERS\\PLAYERS" + std::to_string(n) + ".QXG", DrawPortrait(n))) return false;
  return true;
}

bool ForgeClubArt(ForgeOutput& out) {
  return ForgeCorridor(out) && ForgeCharacterScreen(out) && ForgeShopArt(out) && ForgeRoomArt(out) &&
         ForgeMultiArt(out) && ForgeOptionsArt(out);
}
