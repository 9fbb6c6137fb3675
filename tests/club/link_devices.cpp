// link_devices.cpp -- the devices of the two-game run tests.
#include "tests/club/link_devices.h"

#include <gtest/gtest.h>

#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <thread>

#include "club/club.h"
#include "data/player_record.h"
#include "data/quick_save.h"
#include "data/save_file.h"
#include "platform/file_system.h"
#include "platform/game_state.h"
#include "tests/club/room_harness.h"

namespace link_devices {

namespace fs = std::filesystem;

std::map<std::string, std::string> Fields(const std::string& text, const char* separator) {
  std::map<std::string, std::string> fields;
  std::istringstream in(text);
  const std::string sep = separator;
  for (std::string line; std::getline(in, line);) {
    const std::size_t at = line.find(sep);
    if (at != std::string::npos) fields[line.substr(0, at)] = line.substr(at + sep.size());
  }
  return fields;
}

std::map<int, int> Counts(const std::string& collection) {
  std::map<int, int> counts;
  std::istringstream in(collection);
  for (std::string entry; in >> entry;) {
    const std::size_t x = entry.find('x');
    counts[std::stoi(entry.substr(0, x))] += x == std::string::npos ? 1 : std::stoi(entry.substr(x + 1));
  }
  return counts;
}

void Device::Prepare(const std::string& data) {
  test_support::LinkedInstall(Install(), data);
  fs::create_directories(Config());
  std::ofstream(Config() + "/settings.reg") << "[SOFTWARE\\Duskhaven]\nInstall_Dir = \"" << Install() << "\"\n";
  std::string harness = platform::HostPath("");
  if (!harness.empty() && harness.back() == '/') harness.pop_back();
  platform::SetInstallDir(Install());
  SetUpRoom();
  CurrentPlayer.name = std::wstring(name.begin(), name.end());
  CurrentPlayer.credits = credits;
  for (int id : cards) AddCopy(CurrentPlayer, id);
  if (deck)
    for (std::size_t k = 0; k < cards.size() && CurrentPlayer.deck.count < 16; ++k)
      AddToDeck(CurrentPlayer, cards[k], false);
  ASSERT_TRUE(SaveCharacter());
  RegisterClubStateBlock();
  ResetClubState();
  GameClub.currentRoom = RoomMultiplayer;
  GameClub.position = ClubRooms[RoomMultiplayer].position;
  ASSERT_TRUE(QuickSave());
  platform::SetInstallDir(harness);
}

std::string Device::Command(int port, const std::string& extra) const {
  const std::string file = root + "/" + name + ".txt";
  std::ofstream(file) << script;
  return "'" DUSKHAVEN_GAME_PATH "' --headless --config '" + Config() + "' --link-port " + std::to_string(port) +
         " --script '" + file + "' " + extra;
}

std::map<std::string, std::string> Device::Saved() const {
  const std::string out = root + "/" + name + ".saved";
  const std::string command =
      "'" DUSKHAVEN_TOOL_PATH "' save --data '" + Install() + "' '" + SavePath() + "' > '" + out + "' 2>&1";
  EXPECT_EQ(std::system(command.c_str()), 0) << ReadText(out);
  return Fields(ReadText(out), " ");
}

pid_t StartDevice(const Device& d, int port, const std::string& extra) {
  return test_support::StartShell("exec " + d.Command(port, extra) + " >> '" + d.Log() + "' 2>&1");
}

bool WaitForText(const std::string& path, const std::string& text, int ms) {
  for (int waited = 0; waited < ms; waited += 20) {
    if (ReadText(path).find(text) != std::string::npos) return true;
    std::this_thread::sleep_for(std::chrono::milliseconds(20));
  }
  return ReadText(path).find(text) != std::string::npos;
}

void IntoLobby(Line& s, bool server) {
  s.Tap(7500, 120, 100);  // past the loading screen
  s.Tap(EnterRoom, 120, 100);
  if (server)
    s.Tap(Connect, 213, 253);
  else
    s.Tap(Connect, 47, 253);
}

void Meet(Line& s, const std::string& root, const std::string& self, const std::string& other, int t) {
  s.Dump(t - 200, root + "/" + self + ".meet");
  s.Await(t - 100, root + "/" + other + ".meet");
}

void LookAndClose(Line& s, const std::string& ownDump, const std::string& otherDump, int t) {
  s.Dump(t, ownDump);
  s.Await(t + 100, otherDump);
  s.text << "at " << t + 1000 << " close\n";
}

namespace {
int GridCentreX(int id) { return 34 * ((id - 1) % 6) + 18 + 16; }
int GridCentreY(int id) { return 52 * ((id - 1) / 6) + 25 + 25; }
}  // namespace

void LobbyAndBox(Line& s, const std::string& root, bool server, const std::vector<int>& box) {
  IntoLobby(s, server);
  Meet(s, root, server ? "server" : "client", server ? "client" : "server", StartTrade);
  s.Tap(StartTrade, 100, 253);
  s.Tap(StartTrade + 1500, 48, 288);  // ADD: the card manager's trade page
  int t = StartTrade + 2300;
  for (int id : box) {
    s.Tap(t, GridCentreX(id), GridCentreY(id));
    s.Tap(t + 300, 181, 11);  // ADD / DEL
    t += 600;
  }
  s.Tap(StartTrade + 3800, 221, 312);  // back to the trade
}

}  // namespace link_devices
