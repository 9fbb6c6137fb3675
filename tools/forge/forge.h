// forge.h -- duskhaven-forge: makes the game's whole install tree from code and assets/.
//
// Every part of the data set has its own writer; each writes its files
// through ForgeOutput, which keeps the tree deterministic (same input, same
// bytes) and reports the first failure.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

class ForgeOutput {
 public:
  explicit ForgeOutput(std::string root) : root_(std::move(root)) {}

  // Writes one file of the tree. gamePath is written as the game asks for it
  // ("GFX\GENERAL\NEW FONT.QXB"); folders are made as needed.
  bool Write(std::string_view gamePath, const std::vector<std::uint8_t>& bytes);
  bool Write(std::string_view gamePath, std::string_view bytes);

  const std::string& Root() const { return root_; }
  int FilesWritten() const { return files_; }

 private:
  std::string root_;
  int files_ = 0;
};

// The writers, one per part of the data set. Each returns false after
// printing one line on stderr naming what failed.
bool ForgeCardData(ForgeOutput& out);    // DATA\CARDS\SET 1\*, DATA\OPPONENTS.DAT
bool ForgeFont(ForgeOutput& out);        // GFX\GENERAL\NEW FONT.QXB
bool ForgeShellArt(ForgeOutput& out);    // maker logo, loading pictures and the other shell pictures
bool ForgeMatchArt(ForgeOutput& out);    // board frame, cards, icons, coin token, banners
bool ForgeClubArt(ForgeOutput& out);     // the club: corridor, titles, quick menu, room screens
bool ForgeShopArt(ForgeOutput& out);     // the card shop and the card manager (part of ForgeClubArt)
bool ForgeRoomArt(ForgeOutput& out);     // instant play, challenge, tournaments, portraits (part of ForgeClubArt)
bool ForgeMultiArt(ForgeOutput& out);    // the multiplayer lobby and the card trade (part of ForgeClubArt)
bool ForgeOptionsArt(ForgeOutput& out);  // the options room (part of ForgeClubArt)
bool ForgeFinalArt(ForgeOutput& out);    // the card master's lair and the end credits
bool ForgeSounds(ForgeOutput& out);      // SOUNDS\*: modules and effects

// Records the install directory in the settings store, as the installer did.
bool RecordInstallDir(const std::string& dir);
