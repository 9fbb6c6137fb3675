// link_devices.h -- two copies of the game on one machine for the run tests: each device an install folder sharing
// the forged data, its own saves, settings and script, started in front of the multiplayer room.
#pragma once

#include <sys/types.h>

#include <cstdint>
#include <map>
#include <sstream>
#include <string>
#include <vector>

#include "tests/support/game_folders.h"

namespace link_devices {

using test_support::ReadText;
// The "key<separator>value" lines of a dump or of duskhaven-tool's save listing.
std::map<std::string, std::string> Fields(const std::string& text, const char* separator);
// "3x1 5x2 ..." into counts by id.
std::map<int, int> Counts(const std::string& collection);

struct Device {
  std::string root, name;
  std::int32_t credits = 0;
  std::vector<int> cards;  // one copy each, in this order
  std::string script;
  bool deck = false;  // the first 16 cards also make the deck

  std::string Install() const { return root + "/" + name; }
  std::string Config() const { return root + "/" + name + "-config"; }
  std::string Dump() const { return root + "/" + name + ".dump"; }
  std::string Log() const { return root + "/" + name + ".log"; }
  std::string SavePath() const { return Install() + "/SAVE/Player1.QXP"; }

  // The folders, the character and a quick save that stands it in front of the multiplayer room.
  void Prepare(const std::string& data);
  // The game's command line on that port with the script (written to a file next to the folders).
  std::string Command(int port, const std::string& extra = "") const;
  // The save file as duskhaven-tool decodes it.
  std::map<std::string, std::string> Saved() const;
};

// Starts the device's game in the background (stdout and stderr into its log); its pid.
pid_t StartDevice(const Device& d, int port, const std::string& extra = "");
// Waits up to ms for the game; its exit status as waitpid gives it, or -1 after killing it when it ran over.
inline int WaitDevice(pid_t pid, int ms) { return test_support::WaitWithin(pid, ms); }
// Waits up to ms for the file to hold `text`.
bool WaitForText(const std::string& path, const std::string& text, int ms);

struct Line {
  std::ostringstream text;
  void Tap(int t, int x, int y) { text << "at " << t << " tap " << x << " " << y << "\n"; }
  void Hold(int t, int ms, int x, int y) {
    text << "at " << t << " down " << x << " " << y << "\nat " << t + ms << " up " << x << " " << y << "\n";
  }
  void Dump(int t, const std::string& file) { text << "dump " << t << " " << file << "\n"; }
  void Await(int t, const std::string& file) { text << "await " << t << " " << file << "\n"; }
};

// The trade test's script lines: past the loading screen, into the room, Create (server) or Join.
constexpr int EnterRoom = 10000, Connect = 12000;
void IntoLobby(Line& s, bool server);
// Both games meet at t: each dumps its state into ROOT/NAME.meet and its clock waits for the other's.
void Meet(Line& s, const std::string& root, const std::string& self, const std::string& other, int t);

// The last look of a run: the state into ownDump, then, once the partner's has been written too, the close (so
// neither sees the other go before it looked).
void LookAndClose(Line& s, const std::string& ownDump, const std::string& otherDump, int t);

// Into the lobby, Create or Join, then Trade; then the card manager with the cards given into the box.
// Each game keeps its own clock, and a side that waited for the other at the link has its clock moved on
// by that wait; so before Trade both meet (each writes its file and waits for the other's), and their
// scripted taps in the trade land at the same moments on both screens.
constexpr int StartTrade = 13500;
void LobbyAndBox(Line& s, const std::string& root, bool server, const std::vector<int>& box);

}  // namespace link_devices
