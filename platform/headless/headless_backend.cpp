// headless_backend.cpp -- the backend without a screen: virtual time, frames in memory, scripted input.
#include <cstdio>
#include <cstdlib>

#include "platform/backend.h"
#include "platform/backend_interface.h"
#include "platform/close_request.h"
#include "platform/input_record.h"
#include "platform/leak_check.h"
#include "platform/panel.h"
#include "platform/script.h"

namespace platform {
namespace {

// After this many looks at an unchanged clock without any sleep, a loop that
// spins on the tick count gets one virtual millisecond, so it cannot hang.
constexpr int SpinLimit = 1000;

class HeadlessBackend : public Backend {
 public:
  explicit HeadlessBackend(Script script) : script_(std::move(script)) {}

  bool OpenDisplay() override { return true; }
  void CloseDisplay() override {}
  bool HasScreen() const override { return false; }

  void ShowPanel() override {
    script_.TakeDue(now_);  // captures of earlier times see the frame this one replaces
    ThePanel().Show();
    // The next 1/60 s slot.
    const std::uint64_t slot = (static_cast<std::uint64_t>(now_) * 60) / 1000 + 1;
    AdvanceTo(static_cast<std::uint32_t>((slot * 1000 + 59) / 60));
    if (script_.CloseDue(now_)) RequestClose();
  }

  std::uint32_t TickCount() override {
    if (++spins_ >= SpinLimit) AdvanceTo(now_ + 1);
    return now_;
  }

  void Sleep(std::uint32_t ms) override {
    AdvanceTo(now_ + ms);
    if (script_.CloseDue(now_)) RequestClose();
  }

  void IdleUntilInput(std::uint32_t maxMs, const char* waitName, bool endless) override {
    std::uint32_t next = 0;
    if (endless && !script_.NextTime(next)) StopHere(waitName);
    std::uint32_t target = now_ + maxMs;
    if (script_.NextTime(next) && next > now_ && next < target) target = next;
    AdvanceTo(target);
    if (script_.CloseDue(now_)) RequestClose();
  }

  void RealTimeSpent(std::uint32_t ms) override {
    AdvanceTo(now_ + ms);
    if (script_.CloseDue(now_)) RequestClose();
  }

  void PumpInput() override { script_.PostDue(now_); }

  void EndRun() override { script_.TakeFinal(now_); }

  bool ScriptSeed(std::uint32_t& seed) const override {
    seed = script_.Seed();  // a run without a script replays too
    return true;
  }

 private:
  void AdvanceTo(std::uint32_t t) {
    spins_ = 0;
    if (t == now_) return;
    script_.TakeDue(t);
    now_ = t;
  }

  [[noreturn]] void StopHere(const char* waitName) {
    std::fprintf(stderr, "duskhaven: the script has ended at %u ms while the game waits for %s\n", now_,
                 waitName ? waitName : "input");
    script_.TakeFinal(now_);
    FinishRecording();
    std::fflush(nullptr);
    CheckLeaksNow();
    std::_Exit(ScriptEndedExitCode);
  }

  Script script_;
  std::uint32_t now_ = 0;
  int spins_ = 0;
};

}  // namespace

Backend* MakeHeadlessBackend(const BackendOptions& options, std::string& error) {
  Script script;
  if (!options.scriptPath.empty() && !script.Load(options.scriptPath, error)) return nullptr;
  return new HeadlessBackend(std::move(script));
}

}  // namespace platform
