// backend.h -- the backend chosen once at start-up (SDL window or headless) and the device profiles.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "platform/display.h"

namespace platform {

// A panel the game can run on: what the game interface reports, and how the
// panel really lays out its memory (origin and steps in pixels), so that the
// backends can show every profile upright.
struct DeviceProfile {
  std::string name;
  std::string oem;
  DisplayProperties properties;
  std::int32_t panelOrigin = 0;  // offset of screen pixel (0, 0) in the panel memory
  std::int32_t panelStepX = 1;
  std::int32_t panelStepY = 240;
  std::int32_t beginDrawOrigin = 0;  // where BeginDraw's address lies in the panel memory
};

// portrait565 (default), portrait555, portrait444, landscape565, ipaq-h3800, unsupported.
const std::vector<DeviceProfile>& DeviceProfiles();
const DeviceProfile* FindDeviceProfile(const std::string& name);

struct BackendOptions {
  bool headless = false;
  std::string scriptPath;   // headless input script; empty = none
  int scale = 0;            // window scale; 0 = the largest that fits
  bool scaleAsked = false;  // the scale was asked for on the command line: one that does not fit is refused
  std::string device = "portrait565";
  std::string recordPath;  // --record: the player's input is written there as a script; empty = none
};

// Headless script lines (one per line, '#' starts a comment; times in ms of the tick count):
//   at T tap X Y          stylus down at T, up 30 ms later
//   at T down X Y | at T move X Y | at T up X Y
//   at T key down NAME | at T key up NAME | at T press NAME   (Up Down Left Right A B C Start)
//   at T close            the window is closed (the game ends at once, as on SIGTERM)
//   capture T FILE.png    the frame on screen at T (T may be "end": when the run stops)
//   dump T FILE           the game's state report at T
//   await T FILE          the game's clock stops at T until FILE exists (at most 60 s)
//   hold MS               on screen: keep the window MS ms after the script ran out
//   seed N                the random seed of the run (default 0)
// When the script has run out and the game waits for input with no end, the
// run stops with a line naming the wait and exit code 3.
constexpr int ScriptEndedExitCode = 3;

// Starts the chosen backend; false with a reason when it cannot start.
bool StartBackend(const BackendOptions& options, std::string& error);
void StopBackend();
// The game ends normally (any exit path): a scripted run takes its "end" captures.
void EndRun();
// Reads a script without running it; false with "FILE:LINE: reason".
bool CheckScript(const std::string& path, std::string& error);
bool BackendIsHeadless();
// The seed the game takes "from the clock": the wall clock, except in a
// scripted run (either backend), which takes its script's seed so it replays.
std::uint32_t StartSeed();

// Headless: what the game reports of its state for "dump" script lines.
void SetStateReporter(std::string (*reporter)());

// The panel as the player sees it: width x height pixels in the profile's
// 16-bit format, upright (read through the panel's true layout).
std::vector<std::uint16_t> UprightFrame();
// Saves the upright panel as a 24-bit PNG; false with a message on stderr.
bool SavePanelPng(const std::string& path);

}  // namespace platform
