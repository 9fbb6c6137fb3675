// forge_card_data.cpp -- writes the card database and the opponent roster from the asset tables.
#include <cstdio>

#include "platform/file_system.h"
#include "tools/forge/asset_tables.h"
#include "tools/forge/card_data_files.h"
#include "tools/forge/forge.h"

bool ForgeCardData(ForgeOutput& out) {
  std::string error;
  CardDataFiles files;
  if (!LoadAssetTables(error) || !BuildCardDataFiles(CardRows(), FamilyRows(), OpponentRows(), files, error)) {
    std::fprintf(stderr, "duskhaven-forge: %s\n", error.c_str());
    return false;
  }
  // The installer made the empty save folder; the game never creates it.
  if (!platform::MakeDirectories(out.Root() + "/SAVE")) {
    std::fprintf(stderr, "duskhaven-forge: cannot create %s/SAVE\n", out.Root().c_str());
    return false;
  }
  return out.Write("DATA\\CARDS\\SET 1\\CARDS.IND", files.index) &&
         out.Write("DATA\\CARDS\\SET 1\\CARDS.DAT", files.records) &&
         out.Write("DATA\\CARDS\\SET 1\\CARDS.INF", files.infos) && out.Write("DATA\\OPPONENTS.DAT", files.opponents);
}
