// backend.cpp -- device profiles, the choice of backend at start-up and the panel's PNG capture.
#include "platform/backend.h"

#include <cstdio>
#include <ctime>
#include <memory>

#include "platform/backend_interface.h"
#include "platform/close_request.h"
#include "platform/input_record.h"
#include "platform/messages.h"
#include "platform/panel.h"
#include "platform/script.h"
#include "platform/sdl/picture_library.h"

namespace platform {
namespace {

std::unique_ptr<Backend> current;
bool headless = false;
std::string (*stateReporter)() = nullptr;

DeviceProfile Portrait(const char* name, std::uint32_t flags) {
  DeviceProfile p;
  p.name = name;
  p.oem = "Duskhaven Desktop";
  p.properties = {240, 320, 2, 480, 16, flags};
  p.panelOrigin = 0;
  p.panelStepX = 1;
  p.panelStepY = 240;
  p.beginDrawOrigin = 0;
  return p;
}

std::vector<DeviceProfile> MakeProfiles() {
  std::vector<DeviceProfile> list;
  list.push_back(Portrait("portrait565", FormatDirect565));
  list.push_back(Portrait("portrait555", FormatDirect555));
  list.push_back(Portrait("portrait444", FormatDirect444));
  // A landscape panel turned a quarter: screen x runs down the panel's rows
  // from the bottom, screen y along them.
  DeviceProfile landscape = Portrait("landscape565", FormatDirect565);
  landscape.properties.xPitch = -640;
  landscape.properties.yPitch = 2;
  landscape.panelOrigin = 239 * 320;
  landscape.panelStepX = -320;
  landscape.panelStepY = 1;
  landscape.beginDrawOrigin = landscape.panelOrigin;
  list.push_back(landscape);
  // The model whose game interface reports portrait pitches and an address
  // that do not match its real frame buffer, which lies at a fixed address.
  DeviceProfile ipaq = landscape;
  ipaq.name = "ipaq-h3800";
  ipaq.oem = "Compaq iPAQ H3800";
  ipaq.properties.xPitch = 2;
  ipaq.properties.yPitch = 480;
  ipaq.beginDrawOrigin = 0;
  list.push_back(ipaq);
  DeviceProfile palette = Portrait("unsupported", 0x10);
  palette.properties.bitsPerPixel = 8;
  list.push_back(palette);
  return list;
}

}  // namespace

const std::vector<DeviceProfile>& DeviceProfiles() {
  static const std::vector<DeviceProfile> list = MakeProfiles();
  return list;
}

const DeviceProfile* FindDeviceProfile(const std::string& name) {
  for (const DeviceProfile& p : DeviceProfiles())
    if (p.name == name) return &p;
  return nullptr;
}

Backend* CurrentBackend() { return current.get(); }

bool StartBackend(const BackendOptions& options, std::string& error) {
  const DeviceProfile* profile = FindDeviceProfile(options.device);
  if (!profile) {
    error = "unknown device '" + options.device + "'";
    return false;
  }
  ThePanel().Configure(*profile);
  ResetMessageQueue();
  ResetCloseRequest();
  CatchEndSignals();
  Backend* made = options.headless ? MakeHeadlessBackend(options, error) : MakeSdlBackend(options, error);
  if (!made) return false;
  current.reset(made);
  headless = options.headless;
  if (!options.recordPath.empty()) StartRecording(options.recordPath);
  return true;
}

void StopBackend() {
  FinishRecording();
  current.reset();
  ResetMessageQueue();
}

void EndRun() {
  FinishRecording();
  if (current) current->EndRun();
}

bool CheckScript(const std::string& path, std::string& error) {
  Script script;
  return script.Load(path, error);
}

bool BackendIsHeadless() { return headless; }

std::uint32_t StartSeed() {
  std::uint32_t seed = 0;
  if (!current || !current->ScriptSeed(seed)) seed = static_cast<std::uint32_t>(std::time(nullptr));
  RecordSeed(seed);
  return seed;
}

void SetStateReporter(std::string (*reporter)()) { stateReporter = reporter; }

std::string ReportState() { return stateReporter ? stateReporter() : std::string("no state reporter\n"); }

std::vector<std::uint16_t> UprightFrame() {
  std::vector<std::uint16_t> out;
  ThePanel().Upright(out);
  return out;
}

bool SavePanelPng(const std::string& path) {
  std::vector<std::uint8_t> rgb;
  ThePanel().UprightRgb(rgb);
  const int w = static_cast<int>(ThePanel().Width());
  const int h = static_cast<int>(ThePanel().Height());
  std::string why;
  if (sdl::WriteRgbPng(path, rgb.data(), w, h, why)) return true;
  std::fprintf(stderr, "duskhaven: %s\n", why.c_str());
  return false;
}

}  // namespace platform
