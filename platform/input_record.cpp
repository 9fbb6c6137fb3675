// input_record.cpp -- the recorded session: every stylus, key and close message with its tick time.
#include "platform/input_record.h"

#include <cstdio>
#include <vector>

#include "platform/display.h"
#include "platform/file_system.h"

namespace platform {
namespace {

struct Recorder {
  bool on = false;
  std::string path;
  std::string seedLine;
  std::string lines;
};

Recorder& TheRecorder() {
  static Recorder recorder;
  return recorder;
}

// The script's names for the keys the game reads; other codes never reach the game's keys.
const char* KeyName(std::int32_t code) {
  switch (code) {
    case VkUp:
      return "Up";
    case VkDown:
      return "Down";
    case VkLeft:
      return "Left";
    case VkRight:
      return "Right";
    case VkAppA:
      return "A";
    case VkAppB:
      return "B";
    case VkAppC:
      return "C";
    case VkStart:
      return "Start";
    case VkMenu:
      return "Menu";
    default:
      return nullptr;
  }
}

}  // namespace

void StartRecording(const std::string& path) {
  Recorder& r = TheRecorder();
  r = Recorder{};
  r.on = true;
  r.path = AbsoluteHostPath(path);
}

bool Recording() { return TheRecorder().on; }

void RecordSeed(std::uint32_t seed) {
  Recorder& r = TheRecorder();
  if (r.on) r.seedLine = "seed " + std::to_string(seed) + "\n";
}

void RecordInput(const Message& message, std::uint32_t now) {
  Recorder& r = TheRecorder();
  if (!r.on) return;
  const std::string at = "at " + std::to_string(now) + " ";
  switch (message.kind) {
    case MessageKind::StylusDown:
    case MessageKind::StylusMove:
    case MessageKind::StylusUp: {
      const char* what = message.kind == MessageKind::StylusDown   ? "down"
                         : message.kind == MessageKind::StylusMove ? "move"
                                                                   : "up";
      r.lines += at + what + " " + std::to_string(message.x) + " " + std::to_string(message.y) + "\n";
      break;
    }
    case MessageKind::KeyDown:
    case MessageKind::KeyUp:
      if (const char* name = KeyName(message.key))
        r.lines += at + "key " + (message.kind == MessageKind::KeyDown ? "down " : "up ") + name + "\n";
      break;
    default:
      break;
  }
}

void RecordClose(std::uint32_t now) {
  Recorder& r = TheRecorder();
  if (r.on) r.lines += "at " + std::to_string(now) + " close\n";
}

std::string RecordedScript() {
  const Recorder& r = TheRecorder();
  return "# a recorded session: replay it with --headless --script\n" + r.seedLine + r.lines;
}

bool FinishRecording() {
  Recorder& r = TheRecorder();
  if (!r.on) return true;
  const std::string text = RecordedScript();
  const bool written = WriteFileAtomically(r.path, std::vector<std::uint8_t>(text.begin(), text.end()));
  if (!written) std::fprintf(stderr, "duskhaven: cannot write the recorded input to %s\n", r.path.c_str());
  return written;
}

}  // namespace platform
