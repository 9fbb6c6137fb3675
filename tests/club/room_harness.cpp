// room_harness.cpp -- the headless room the club tests run on.
#include "tests/club/room_harness.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>

#include "club/room_boxes.h"
#include "data/card_database.h"
#include "platform/clock.h"
#include "platform/file_system.h"
#include "platform/game_state.h"
#include "platform/messages.h"
#include "tests/support/game_folders.h"
#include "tests/support/headless_table.h"

std::vector<ShownBox> RoomBoxes;
std::vector<bool> RoomBoxAnswers;

namespace {

namespace fs = std::filesystem;

bool Answer(const std::wstring& text, const std::wstring& left, const std::wstring& right) {
  RoomBoxes.push_back({text, left, right});
  if (left.empty() && right.empty()) return false;
  if (!RoomBoxAnswers.empty()) {
    const bool a = RoomBoxAnswers.front();
    RoomBoxAnswers.erase(RoomBoxAnswers.begin());
    return a;
  }
  return right.empty();
}

std::string privateDir;

// A plain 24-bit BMP of one colour.
void WriteSolidBmp(const fs::path& path, int w, int h, std::uint8_t r, std::uint8_t g, std::uint8_t b) {
  const int rowBytes = (3 * w + 3) / 4 * 4;
  const std::uint32_t size = 54u + static_cast<std::uint32_t>(rowBytes * h);
  std::vector<std::uint8_t> out(size, 0);
  auto put32 = [&](std::size_t at, std::uint32_t v) {
    for (int i = 0; i < 4; ++i) out[at + static_cast<std::size_t>(i)] = static_cast<std::uint8_t>(v >> (8 * i));
  };
  out[0] = 'B';
  out[1] = 'M';
  put32(2, size);
  put32(10, 54);
  put32(14, 40);
  put32(18, static_cast<std::uint32_t>(w));
  put32(22, static_cast<std::uint32_t>(h));
  out[26] = 1;
  out[28] = 24;
  for (int y = 0; y < h; ++y)
    for (int x = 0; x < w; ++x) {
      const std::size_t at = 54u + static_cast<std::size_t>(y * rowBytes + 3 * x);
      out[at] = b;
      out[at + 1] = g;
      out[at + 2] = r;
    }
  std::ofstream(path, std::ios::binary)
      .write(reinterpret_cast<const char*>(out.data()), static_cast<std::streamsize>(size));
}

// The shop's pictures at plausible sizes, for a data set that does not have
// them yet; the forged ones are used as soon as they exist.
struct Stand {
  const char* name;
  int w, h;
};
const Stand ShopStands[] = {
    {"ShopEmpty.QXG", 240, 320},
    {"ShopPIX.QXG", 240, 320},
    {"Shop1Booster.QXJ", 110, 14},
    {"Shop2Booster.QXJ", 110, 14},
    {"Shop3Booster.QXJ", 110, 14},
    {"Shop5Booster.QXJ", 110, 14},
    {"Shop10Booster.QXJ", 110, 14},
    {"ShopBack.QXJ", 36, 20},
    {"ShopEnterManager.QXJ", 180, 20},
    {"ShopClearDeck.QXJ", 180, 20},
    {"ShopSellCards.QXJ", 180, 20},
    {"ShopQuickDeck.QXJ", 180, 20},
    {"CollectionEmpty.QXG", 240, 320},
    {"CollectionBorder.QXG", 36, 54},
    {"CollectionFlecheGaucheON.QXJ", 17, 40},
    {"CollectionZoom.QXJ", 17, 40},
    {"CollectionFlecheDroiteON.QXJ", 19, 40},
    {"CollectionSell.QXJ", 40, 20},
    {"CollectionBack.QXJ", 38, 16},
    {"CollectionAdd.QXJ", 60, 20},
    {"CollectionLeft.QXJ", 30, 16},
    {"CollectionRight.QXJ", 30, 16},
};

// Links `from`'s entries into `to`, except the one named `except`.
void LinkEntries(const fs::path& from, const fs::path& to, const std::string& except) {
  std::error_code error;
  fs::create_directories(to, error);
  for (const fs::directory_entry& e : fs::directory_iterator(from, error))
    if (e.path().filename() != except) fs::create_symlink(e.path(), to / e.path().filename(), error);
}

std::string PrivateInstallDir() {
  privateDir = test_support::FolderRemovedAtExit("duskhaven-club");
  if (privateDir.empty()) return DUSKHAVEN_CLUB_TEST_DATA;
  const fs::path data = DUSKHAVEN_CLUB_TEST_DATA, mine = privateDir;
  LinkEntries(data, mine, "GFX");
  std::error_code error;
  fs::remove(mine / "SAVE", error);
  LinkEntries(data / "GFX", mine / "GFX", "MENU");
  LinkEntries(data / "GFX" / "MENU", mine / "GFX" / "MENU", "UI SHOP");
  const fs::path shop = mine / "GFX" / "MENU" / "UI SHOP";
  LinkEntries(data / "GFX" / "MENU" / "UI SHOP", shop, "");
  for (const Stand& s : ShopStands)
    if (!fs::exists(shop / s.name)) WriteSolidBmp(shop / s.name, s.w, s.h, 90, 60, 120);
  for (int n = 0; n <= 10; ++n) {
    const fs::path p = shop / ("Booster" + std::to_string(n) + ".QXG");
    if (!fs::exists(p)) WriteSolidBmp(p, 120, 113, static_cast<std::uint8_t>(20 * n), 200, 40);
  }
  return privateDir;
}

}  // namespace

void SetUpRoom() {
  static bool ready = false;
  if (!ready) {
    ready = true;
    ASSERT_NO_FATAL_FAILURE(test_support::StartHeadlessTable(PrivateInstallDir()));
    SetRoomBoxAnswerer(Answer);
  }
  BlockSaving(false);
  RoomBoxes.clear();
  RoomBoxAnswers.clear();
  platform::ResetMessageQueue();
  for (bool& k : KeyFlags) k = false;
  ResetPlayer(CurrentPlayer);
  CurrentPlayer.name = L"Tester";
  CurrentPlayer.kind = KindLocal;
  CurrentPlayer.slot = 1;
  EmptyTradeBox(CurrentPlayer);
  for (std::int16_t& id : CurrentPlayer.lastBooster) id = -1;
  ASSERT_TRUE(SaveCharacter());
}

SavedCharacter SavedCurrentCharacter() {
  std::vector<std::uint8_t> bytes;
  platform::ReadWholeFile(CharacterSavePath(CurrentPlayer.slot), bytes, 1u << 20);
  return DecodeCharacterFile(bytes);
}

void BlockSaving(bool blocked) {
  // A folder where the file should be: no save can replace it.
  const fs::path file = fs::path(privateDir) / "SAVE" / "Player1.QXP";
  std::error_code error;
  if (blocked) {
    fs::remove(file, error);
    fs::create_directories(file / "blocked", error);
  } else if (fs::is_directory(file, error)) {
    fs::remove_all(file, error);
  }
}

std::vector<int> DeckIds() {
  std::vector<int> ids;
  for (const Card& c : CurrentPlayer.deck.slots) ids.push_back(c.id);
  return ids;
}

void PassTime(int ms) { platform::SleepMs(static_cast<std::uint32_t>(ms)); }
