// seed_maker.cpp -- writes the fuzzers' seed files with the game's own writers: character saves before and
// after duels, quick saves in the club and at many moments of a duel, and the settings the game keeps.
#include <cstdio>
#include <filesystem>
#include <string>
#include <system_error>
#include <vector>

#include "club/club.h"
#include "core/random.h"
#include "data/card_database.h"
#include "data/duel_stats.h"
#include "data/game_state.h"
#include "data/quick_save.h"
#include "data/roster.h"
#include "data/save_file.h"
#include "link/link_message.h"
#include "match/match.h"
#include "platform/file_system.h"
#include "platform/settings_store.h"
#include "settings/settings.h"
#include "tests/fuzz/duel_table.h"
#include "tests/fuzz/fuzz_support.h"
#include "tests/fuzz/link_duel_input.h"

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

// A link duel's input: the board and the wait, then the partner's messages in their byte form.
void KeepLinkDuel(const LinkDuelSetUp& setUp, const std::vector<LinkMessage>& partner, const std::string& name) {
  std::vector<std::uint8_t> bytes = LinkDuelHeader(setUp);
  for (const LinkMessage& m : partner) EncodeMessage(m, bytes);
  KeepBytes(bytes, "link_duel", name);
}

void KeepLinkDuels() {
  const LinkMessage confirm = FreshMessage(LinkMessageType::Confirm);
  // The partner to move on a board with two blocked cells.
  LinkDuelSetUp move;
  move.cells[5] = move.cells[18] = LinkDuelBlocked;
  KeepLinkDuel(move, {PlayCardMessage(17, 0, 0), confirm}, "move-card");
  KeepLinkDuel(move, {FreshMessage(LinkMessageType::CardTaken), confirm}, "move-card-taken");
  KeepLinkDuel(move, {AttackMessage(false, 0, 0, 1, 0), confirm}, "move-out-of-step");
  KeepLinkDuel(move, {PlayCardMessage(17, 0, 1), PlayCardMessage(21, 2, 2), confirm}, "move-not-confirmed");
  KeepLinkDuel(move, {PlayCardMessage(17, 0, 1), EchoOf(PlayCardMessage(17, 0, 1))}, "move-echo-for-confirm");
  KeepLinkDuel(move,
               {PlayCardMessage(17, 1, 1), FreshMessage(LinkMessageType::Refuse), PlayCardMessage(3, 0, 2), confirm},
               "move-refused-then-another");
  LinkDuelSetUp served = move;
  served.server = true;
  served.autoplay = true;
  served.seed = 3;
  KeepLinkDuel(served, {PlayCardMessage(9, 3, 3), confirm}, "server-then-own-move");
  LinkDuelSetUp client = served;
  client.server = false;
  client.answers = 0xFE;  // Retry once
  KeepLinkDuel(client, {PlayCardMessage(9, 3, 3), confirm, TradeReadyMessage(true), confirm}, "client-then-crossed");
  // The partner's card at (1, 1) faces two of ours and points at both: it is to choose its target.
  int fierce = 1;
  for (int id = 1; id < 127; ++id) {
    const Card card = LoadCard(id);
    if (card.Icon(DirectionBetween(1, 1, 2, 1)) && card.Icon(DirectionBetween(1, 1, 2, 2)) &&
        card.Icon(DirectionBetween(1, 1, 0, 1))) {
      fierce = id;
      break;
    }
  }
  LinkDuelSetUp attack;
  attack.wait = 1;
  attack.attackerX = attack.attackerY = 1;
  attack.cells[1 * BoardRows + 1] = LinkDuelCard(fierce, 1);
  attack.cells[2 * BoardRows + 1] = LinkDuelCard(2, 0);
  attack.cells[2 * BoardRows + 2] = LinkDuelCard(3, 0);
  attack.cells[0 * BoardRows + 1] = LinkDuelCard(60, 0);
  KeepLinkDuel(attack, {AttackMessage(false, 1, 1, 2, 1), confirm}, "attack");
  KeepLinkDuel(attack, {AttackMessage(false, 2, 1, 1, 1), confirm}, "attack-from-elsewhere");
  LinkDuelSetUp multiHit = attack;
  multiHit.wait = 2;
  multiHit.autoplay = true;
  KeepLinkDuel(multiHit, {AttackMessage(true, 1, 1, 2, 2), confirm, AttackMessage(true, 1, 1, 0, 1), confirm},
               "multi-hit");
  KeepLinkDuel(multiHit, {AttackMessage(false, 1, 1, 2, 2), confirm}, "multi-hit-out-of-step");
  std::vector<std::uint8_t> garbage = LinkDuelHeader(multiHit);
  garbage.insert(garbage.end(), 40, 255);
  KeepBytes(garbage, "link_duel", "garbage");
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
  KeepLinkDuels();
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
