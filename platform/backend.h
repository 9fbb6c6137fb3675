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
};

// portrait565 (default), portrait555, portrait444, landscape565, ipaq-h3800, unsupported.
const std::vector<DeviceProfile>& DeviceProfiles();
const DeviceProfile* FindDeviceProfile(const std::string& name);

struct BackendOptions {
  bool headless = false;
  std::string scriptPath;  // headless input script; empty = none
  int scale = 0;           // window scale; 0 = the largest that fits
  std::string device = "portrait565";
};

// Starts the chosen backend; false with a reason when it cannot start.
bool StartBackend(const BackendOptions& options, std::string& error);
void StopBackend();
bool BackendIsHeadless();

// Headless: what the game reports of its state for "dump" script lines.
void SetStateReporter(std::string (*reporter)());

// The panel as the player sees it: width x height pixels in the profile's
// 16-bit format, upright (read through the panel's true layout).
std::vector<std::uint16_t> UprightFrame();
// Saves the upright panel as a 24-bit PNG; false with a message on stderr.
bool SavePanelPng(const std::string& path);

}  // namespace platform
