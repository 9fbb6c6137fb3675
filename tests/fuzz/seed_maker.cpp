// seed_maker.cpp -- writes the fuzzers' seed files with the game's own writers: character saves before and
// after duels, quick saves in the club and at many moments of a duel, and the settings the game keeps.
#include <cstdio>
#include <filesystem>
#include <string>
#include <system_error>
#include <vector>

#include "club/club.h"
#include "core/random.h"
#include "data/duel_stats.h"
#include "data/game_state.h"
#include "data/quick_save.h"
#include "data/roster.h"
#include "data/save_file.h"
#include "match/match.h"
#include "platform/file_system.h"
#include "platform/settings_store.h"
#include "settings/settings.h"
#include "tests/fuzz/duel_table.h"
#include "tests/fuzz/fuzz_support.h"

namespace {

namespace fs = std::filesystem;
std::string out;

void Keep(const std::string& gamePath, const std::string& target, const std::string& name);

void KeepBytes(const std::vector<std::uint8_t>& bytes, const std::string& target, const std::string& name) {
  std::error_code error;
  fs::create_directories(fs::path(out) / target, error);
  PutGameFile((fs::path(out) / target / name).string(), bytes);
}

// The card index and records as the card-database fuzzer takes them: the
// index's length in two bytes, the index, then the records. `cards` of the
// forged set's cards (a multiple of 4), the index cut to them.
std::vector<std::uint8_t> IndexAndRecords(const CardDataFiles& files, std::uint32_t cards) {
  auto entry = [&](std::size_t n) {
    const std::uint8_t* b = files.index.data() + 4 * n;
    return static_cast<std::uint32_t>(b[0] | b[1] << 8 | b[2] << 16 | static_cast<std::uint32_t>(b[3]) << 24);
  };
  std::vector<std::uint8_t> index;
  for (int i = 0; i < 4; ++i) index.push_back(static_cast<std::uint8_t>(cards >> (8 * i)));
  index.insert(index.end(), files.index.begin() + 4, files.index.begin() + 4 * (cards + 2));
  std::vector<std::uint8_t> bytes;
  bytes.push_back(static_cast<std::uint8_t>(index.size() & 0xFFu));
  bytes.push_back(static_cast<std::uint8_t>(index.size() >> 8));
  for (std::uint8_t b : index) bytes.push_back(b);
  for (std::size_t i = 0; i < entry(cards + 1); ++i) bytes.push_back(files.records[i]);
  return bytes;
}

void KeepDataFiles() {
  const CardDataFiles& files = ForgedCardData();
  const std::uint32_t count = files.index[0] | files.index[1] << 8;
  KeepBytes(IndexAndRecords(files, count), "card_database", "forged-set");
  KeepBytes(IndexAndRecords(files, 8), "card_database", "first-8-cards");
  KeepBytes(files.infos, "card_info", "forged-set");
  KeepBytes(files.opponents, "roster", "forged-set");
}

// The settings file as the installer and the game leave it.
void KeepSettings(const std::string& work) {
  const std::string config = work + "/config";
  std::error_code error;
  fs::create_directories(config, error);
  platform::SetConfigFolder(config);
  CreateSettingsKeys();
  Keep(config + "/settings.reg", "settings", "keys-only");
  platform::WriteStoreString(GameSettingsKey, "Install_Dir", "/opt/Duskhaven \"install\"");
  Keep(config + "/settings.reg", "settings", "installed");
  WriteGamma(40);
  SettingVolume = 0;
  WriteVolume();
  SettingEffects = false;
  WriteEffects();
  WriteCharacter(3);
  Keep(config + "/settings.reg", "settings", "options-changed");
}

void Keep(const std::string& gamePath, const std::string& target, const std::string& name) {
  std::error_code error;
  fs::create_directories(fs::path(out) / target, error);
  fs::copy_file(platform::HostPath(gamePath), fs::path(out) / target / name, fs::copy_options::overwrite_existing,
                error);
  if (error) std::fprintf(stderr, "cannot keep %s: %s\n", gamePath.c_str(), error.message().c_str());
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 4) {
    std::fprintf(stderr, "usage: fuzz_seed_maker DATA_DIR WORK_DIR OUT_DIR\n");
    return 2;
  }
  out = argv[3];
  if (!SetUpDuelTable(argv[1], argv[2])) return 1;
  RegisterClubStateBlock();
  KeepDataFiles();
  SeedRandom(5);
  if (!MakeSavedCharacter(L"SEEDLING")) return 1;
  Keep(CharacterSavePath(1), "character_save", "new-character");

  // A character with a long career: many cards, statistics, profile lines.
  CurrentPlayer.profileNumber = 1234;
  CurrentPlayer.profileText1 = L"likes neon";
  CurrentPlayer.profileText2 = L"hates rain";
  CurrentPlayer.credits = 48210;
  for (int i = 0; i < 40; ++i) OpenBoosters(CurrentPlayer, 10);
  for (int c = 0; c < 3; ++c)
    for (int j = 0; j < 15; ++j) {
      DuelStats.opponents[c][j].victories = static_cast<std::int16_t>(j + c);
      DuelStats.opponents[c][j].defeats = static_cast<std::int16_t>(j % 3);
    }
  DuelStats.tourneysWon[1] = 2;
  DuelStats.perfectsRealised = 4;
  SaveCharacter();
  Keep(CharacterSavePath(1), "character_save", "long-career");

  // Quick saves: in the club, and at moments spread over two duels.
  InClub = 1;
  QuickSave();
  Keep(QuickSavePath, "quick_save", "club");
  int kept = 0;
  for (int duel = 0; duel < 2; ++duel) {
    PlayerRecord& red = RosterOpponent(3 + duel, 0);
    PlayerRecord& blue = RosterOpponent(9, 2 - duel);
    PlayComputerDuel(red, blue, [&](long frame) {
      if (frame % 97 != 13) return;
      InClub = 0;
      QuickSave();
      Keep(QuickSavePath, "quick_save", "duel-" + std::to_string(++kept));
    });
    InClub = 0;
    QuickSave();
    Keep(QuickSavePath, "quick_save", "duel-over-" + std::to_string(duel));
  }
  KeepSettings(argv[2]);
  std::printf("seed files written to %s (%d duel moments)\n", out.c_str(), kept);
  return 0;
}
