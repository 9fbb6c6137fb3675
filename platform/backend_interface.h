// backend_interface.h -- what each backend (SDL window, headless) provides to the platform layer.
#pragma once

#include <cstdint>
#include <string>

namespace platform {

class Backend {
 public:
  virtual ~Backend() = default;
  virtual bool OpenDisplay() = 0;
  virtual void CloseDisplay() = 0;
  // The panel memory changed: show it, then wait for the next frame slot.
  virtual void ShowPanel() = 0;
  virtual std::uint32_t TickCount() = 0;
  virtual void Sleep(std::uint32_t ms) = 0;
  virtual void IdleUntilInput(std::uint32_t maxMs, const char* waitName, bool endless) = 0;
  // A wait outside the backend (a socket's select) took ms of real time; the
  // headless clock moves on by it, a real clock has already.
  virtual void RealTimeSpent(std::uint32_t /*ms*/) {}
  // Moves input that has arrived into the message queue.
  virtual void PumpInput() = 0;
  // Looks for a close request between frames (cheap enough to call often).
  virtual void NoticeClose() {}
  // True when a system message box can be shown on a screen.
  virtual bool HasScreen() const = 0;
  // The game is ending normally: the script's last captures are taken.
  virtual void EndRun() {}
  // The script's seed; false when the run has no script.
  virtual bool ScriptSeed(std::uint32_t& seed) const = 0;
  virtual void Suspend() {}
  virtual void Resume() {}
};

Backend* CurrentBackend();
Backend* MakeSdlBackend(const struct BackendOptions& options, std::string& error);
Backend* MakeHeadlessBackend(const struct BackendOptions& options, std::string& error);

}  // namespace platform
