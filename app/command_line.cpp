// command_line.cpp -- reading the command line; the settings store stays the source of the game's settings.
#include "app/command_line.h"

#include <cstdlib>

const char* const UsageText =
    "usage: duskhaven [options]\n"
    "  --help            show this help and exit\n"
    "  --version         show the version and exit\n"
    "  --headless        run without a window, on a virtual clock\n"
    "  --script FILE     play the timed input, captures and dumps of FILE\n"
    "  --record FILE     write your input to FILE as a script that replays this run\n"
    "                    with --headless --script FILE\n"
    "  --scale N         window scale factor 1..16 (default: the Scale setting,\n"
    "                    else the largest that fits the screen); a scale larger\n"
    "                    than the screen is refused\n"
    "  in the window: F11 full screen and back, F12 a screenshot (PNG files in the\n"
    "                    pictures folder, named by date and time)\n"
    "  --device NAME     screen model: portrait565 (default), portrait555, portrait444,\n"
    "                    landscape565, ipaq-h3800, unsupported\n"
    "  --config DIR      keep the settings and the lock in DIR instead of\n"
    "                    $XDG_CONFIG_HOME/duskhaven\n"
    "  --quick-game      start a quick duel right after start-up\n"
    "  --autoplay CLASS:TIER\n"
    "                    the computer opponent of that class (guest, member, elite)\n"
    "                    and tier (0..3) plays your side of every duel; the club\n"
    "                    and the boxes stay yours\n"
    "  --link-peer HOST  join the link at HOST this run (default: the Link_Peer setting,\n"
    "                    else 127.0.0.1)\n"
    "  --link-port N     create or join the link on TCP port N (1..65535) this run\n"
    "                    (default: the Link_Port setting, else 7373)\n"
    "  --link-duel MODE  create or join the link at once and duel the partner with the\n"
    "                    last character (MODE create or join); the game ends after it\n"
    "  --trace-states    print every change of the duel's state on standard error\n"
    "                    (\"state TICKS FROM -> TO\", TICKS in ms of the game's clock)\n"
    "  --verbose         let the libraries' own warnings (sound drivers, window system,\n"
    "                    picture decoders) reach the terminal; the game's messages always do\n"
    "keys (keyboard / game controller):\n"
    "  arrows / d-pad    the handheld's direction pad\n"
    "  Enter, Space / A  action (KeyA)     F2 / X: KeyB     F3: KeyC\n"
    "  Escape / Start    the Start key\n"
    "  Tab, Menu / Back  the club's quick menu (none of the handheld's keys)\n"
    "  in a duel: the arrows move the cursor over the hand, the pile, the cells and\n"
    "                    the targets; action lifts, places, draws and chooses; KeyB\n"
    "                    shows the cursor's card large\n"
    "  in the club: Left / Right walk the corridor, action enters a room; in a room\n"
    "                    the arrows move a frame between its buttons and fields and\n"
    "                    action presses the framed one (Left / Right move a slider;\n"
    "                    held on the trade's - or +, it repeats until let go)\n"
    "  in the quick menu: Up / Down move its frame, action goes there, Tab or\n"
    "                    Escape closes it\n"
    "  in a box: Left / Right pick a button, action presses it; waiting for the\n"
    "                    partner in the lobby, action is its CANCEL\n"
    "  F11, Alt+Enter    full screen on and off\n"
    "script lines (T in ms of the game's clock; KEY: Up Down Left Right A B C Start Menu):\n"
    "  at T tap X Y | at T down|move|up X Y | at T press KEY | at T key down|up KEY\n"
    "  at T close | capture T|end FILE.png | dump T|end FILE | hold MS | seed N\n"
    "  await T FILE\n"
    "  (at T close: the window's close button; the game saves and ends at once, in any\n"
    "  screen, wait or box, as it does on SIGTERM and SIGINT; await T FILE: the game's\n"
    "  clock stops at T until FILE exists, at most 60 s, to line up two games on a link;\n"
    "  a close or a signal during that wait ends the game at once)\n"
    "a scripted run that waits for input past its script stops with exit code 3\n";

namespace {

bool ParseScale(const std::string& text, int& scale) {
  if (text.empty() || text.size() > 2) return false;
  int value = 0;
  for (char c : text) {
    if (c < '0' || c > '9') return false;
    value = value * 10 + (c - '0');
  }
  if (value < 1 || value > 16) return false;
  scale = value;
  return true;
}

bool ParsePort(const std::string& text, std::uint16_t& port) {
  if (text.empty() || text.size() > 5) return false;
  std::uint32_t value = 0;
  for (char c : text) {
    if (c < '0' || c > '9') return false;
    value = value * 10 + static_cast<std::uint32_t>(c - '0');
  }
  if (value < 1 || value > 65535) return false;
  port = static_cast<std::uint16_t>(value);
  return true;
}

}  // namespace

bool ParseCommandLine(int argc, const char* const* argv, CommandLine& line, std::string& error) {
  for (int i = 1; i < argc; ++i) {
    const std::string arg = argv[i];
    auto value = [&](std::string& out) {
      if (i + 1 >= argc || argv[i + 1][0] == '\0') {
        error = "duskhaven: " + arg + " needs a value (see --help)";
        return false;
      }
      out = argv[++i];
      return true;
    };
    std::string text;
    if (arg == "--help" || arg == "-h") {
      line.showHelp = true;
    } else if (arg == "--version") {
      line.showVersion = true;
    } else if (arg == "--headless") {
      line.backend.headless = true;
    } else if (arg == "--script") {
      if (!value(line.backend.scriptPath)) return false;
    } else if (arg == "--record") {
      if (!value(line.backend.recordPath)) return false;
    } else if (arg == "--scale") {
      if (!value(text)) return false;
      if (!ParseScale(text, line.backend.scale)) {
        error = "duskhaven: --scale takes a whole number from 1 to 16, not '" + text + "'";
        return false;
      }
      line.backend.scaleAsked = true;
    } else if (arg == "--device") {
      if (!value(text)) return false;
      if (!platform::FindDeviceProfile(text)) {
        error = "duskhaven: unknown device '" + text + "' (see --help)";
        return false;
      }
      line.backend.device = text;
    } else if (arg == "--verbose") {
      line.verbose = true;
    } else if (arg == "--quick-game") {
      line.quickGame = true;
    } else if (arg == "--trace-states") {
      line.traceStates = true;
    } else if (arg == "--autoplay") {
      if (!value(text)) return false;
      std::string why;
      if (!ParseAutoplayPlayer(text, line.autoplayPlayer, why)) {
        error = "duskhaven: " + why + " (see --help)";
        return false;
      }
      line.autoplay = true;
    } else if (arg == "--link-peer") {
      if (!value(line.linkPeer)) return false;
    } else if (arg == "--link-port") {
      if (!value(text)) return false;
      if (!ParsePort(text, line.linkPort)) {
        error = "duskhaven: --link-port takes a port number from 1 to 65535, not '" + text + "'";
        return false;
      }
    } else if (arg == "--link-duel") {
      if (!value(line.linkDuel)) return false;
      if (line.linkDuel != "create" && line.linkDuel != "join") {
        error = "duskhaven: --link-duel takes create or join, not '" + line.linkDuel + "'";
        return false;
      }
    } else if (arg == "--config") {
      if (!value(line.configFolder)) return false;
    } else {
      error = "duskhaven: unknown argument '" + arg + "' (see --help)";
      return false;
    }
  }
  return true;
}
