// script.cpp -- reading and playing the input scripts of scripted runs.
#include "platform/script.h"

#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <sstream>
#include <thread>

#include "platform/backend.h"
#include "platform/clock.h"
#include "platform/close_request.h"
#include "platform/display.h"
#include "platform/file_system.h"

namespace platform {
namespace {

constexpr std::uint32_t TapLengthMs = 30;

// Script, capture and dump paths are relative to the folder the game was started in.
std::string FromWorkingFolder(const std::string& path) { return AbsoluteHostPath(path); }

bool KeyCode(const std::string& name, std::int32_t& code) {
  static const struct {
    const char* name;
    std::int16_t code;
  } keys[] = {{"Up", VkUp},  {"Down", VkDown}, {"Left", VkLeft},   {"Right", VkRight}, {"A", VkAppA},
              {"B", VkAppB}, {"C", VkAppC},    {"Start", VkStart}, {"Menu", VkMenu}};
  for (const auto& k : keys)
    if (name == k.name) {
      code = k.code;
      return true;
    }
  return false;
}

bool Number(const std::string& word, std::int64_t low, std::int64_t high, std::int64_t& value) {
  if (word.empty() || word.size() > 11) return false;
  std::int64_t v = 0;
  std::size_t i = 0;
  bool negative = word[0] == '-';
  if (negative) i = 1;
  if (i == word.size()) return false;
  for (; i < word.size(); ++i) {
    if (word[i] < '0' || word[i] > '9') return false;
    v = v * 10 + (word[i] - '0');
  }
  if (negative) v = -v;
  if (v < low || v > high) return false;
  value = v;
  return true;
}

Message Stylus(MessageKind kind, std::int64_t x, std::int64_t y) {
  Message m;
  m.kind = kind;
  m.x = static_cast<std::int16_t>(x);
  m.y = static_cast<std::int16_t>(y);
  return m;
}

}  // namespace

bool Script::Load(const std::string& path, std::string& error) {
  std::vector<std::uint8_t> bytes;
  if (!ReadWholeFile(FromWorkingFolder(path), bytes, 1u << 20)) {
    error = "cannot read the script " + path;
    return false;
  }
  return Parse(std::string(bytes.begin(), bytes.end()), path, error);
}

bool Script::Parse(const std::string& text, const std::string& name, std::string& error) {
  inputs_.clear();
  shots_.clear();
  nextInput_ = 0;
  std::istringstream lines(text);
  std::string line;
  int lineNumber = 0;
  while (std::getline(lines, line)) {
    ++lineNumber;
    if (auto hash = line.find('#'); hash != std::string::npos) line.erase(hash);
    std::istringstream in(line);
    std::vector<std::string> w;
    for (std::string word; in >> word;) w.push_back(word);
    if (w.empty()) continue;
    auto fail = [&](const std::string& why) {
      error = name + ":" + std::to_string(lineNumber) + ": " + why;
      return false;
    };
    std::int64_t t = 0, x = 0, y = 0;
    if (w[0] == "hold") {
      if (w.size() != 2 || !Number(w[1], 0, 600000, t)) return fail("expected: hold MS");
      holdMs_ = static_cast<std::uint32_t>(t);
      continue;
    }
    if (w[0] == "seed") {
      if (w.size() != 2 || !Number(w[1], 0, 0xFFFFFFFFll, t)) return fail("expected: seed N");
      seed_ = static_cast<std::uint32_t>(t);
      continue;
    }
    if (w[0] == "capture" || w[0] == "dump" || w[0] == "await") {
      if (w.size() != 3) return fail("expected: " + w[0] + " T FILE");
      bool atEnd = w[1] == "end" && w[0] != "await";
      if (!atEnd && !Number(w[1], 0, 0x7FFFFFFF, t)) return fail("bad time '" + w[1] + "'");
      shots_.push_back(
          {static_cast<std::uint32_t>(t), atEnd, w[0] == "dump", w[0] == "await", FromWorkingFolder(w[2])});
      continue;
    }
    if (w[0] != "at") return fail("unknown command '" + w[0] + "'");
    if (w.size() < 3 || !Number(w[1], 0, 0x7FFFFFFF, t)) return fail("expected: at T WHAT ...");
    const auto time = static_cast<std::uint32_t>(t);
    const std::string& what = w[2];
    if (what == "tap" || what == "down" || what == "move" || what == "up") {
      if (w.size() != 5 || !Number(w[3], -32768, 32767, x) || !Number(w[4], -32768, 32767, y))
        return fail("expected: at T " + what + " X Y");
      if (what == "tap") {
        inputs_.push_back({time, Stylus(MessageKind::StylusDown, x, y)});
        inputs_.push_back({time + TapLengthMs, Stylus(MessageKind::StylusUp, x, y)});
      } else {
        MessageKind kind = what == "down"   ? MessageKind::StylusDown
                           : what == "move" ? MessageKind::StylusMove
                                            : MessageKind::StylusUp;
        inputs_.push_back({time, Stylus(kind, x, y)});
      }
    } else if (what == "key" || what == "press") {
      std::int32_t code = 0;
      bool isPress = what == "press";
      std::size_t nameAt = isPress ? 3 : 4;
      if (w.size() != nameAt + 1 || (!isPress && w[3] != "down" && w[3] != "up"))
        return fail(isPress ? "expected: at T press KEY" : "expected: at T key down|up KEY");
      if (!KeyCode(w[nameAt], code))
        return fail("unknown key '" + w[nameAt] + "' (Up Down Left Right A B C Start Menu)");
      Message m;
      m.key = code;
      m.kind = (isPress || w[3] == "down") ? MessageKind::KeyDown : MessageKind::KeyUp;
      inputs_.push_back({time, m});
      if (isPress) {
        m.kind = MessageKind::KeyUp;
        inputs_.push_back({time + TapLengthMs, m});
      }
    } else if (what == "close") {
      if (w.size() != 3) return fail("expected: at T close");
      Message m;
      m.kind = MessageKind::Destroy;
      inputs_.push_back({time, m});
    } else {
      return fail("unknown input '" + what + "'");
    }
  }
  std::stable_sort(inputs_.begin(), inputs_.end(), [](const Input& a, const Input& b) { return a.time < b.time; });
  return true;
}

void Script::PostDue(std::uint32_t now) {
  while (nextInput_ < inputs_.size() && inputs_[nextInput_].time <= now) PostMessage(inputs_[nextInput_++].message);
}

// The game's clock stands still while it waits; after AwaitLimitMs of real time it goes on regardless.
constexpr int AwaitLimitMs = 60000;

// A close request (the window's close, SIGTERM, SIGINT) ends the wait at once and, where the game has
// its way out set, the game with it: the saves are written there and then, not after the file appears.
static void AwaitFile(const std::string& path) {
  for (int waited = 0; ::access(path.c_str(), F_OK) != 0; waited += 10) {
    NoticeCloseDuringWork();
    if (CloseRequested()) return;
    if (waited >= AwaitLimitMs) {
      std::fprintf(stderr, "duskhaven: %s did not appear within %d s; going on\n", path.c_str(), AwaitLimitMs / 1000);
      return;
    }
    std::this_thread::sleep_for(std::chrono::milliseconds(10));
  }
}

static void TakeShot(bool dump, bool await, const std::string& path) {
  if (await) return AwaitFile(path);
  if (!dump) {
    SavePanelPng(path);
    return;
  }
  std::string state = ReportState();
  if (!WriteFileAtomically(path, std::vector<std::uint8_t>(state.begin(), state.end())))
    std::fprintf(stderr, "duskhaven: cannot write %s\n", path.c_str());
}

void Script::TakeDue(std::uint32_t now) {
  // The due shots leave the list before any is taken: an await may end the game, whose way out
  // takes the script's last shots from this same list.
  std::vector<Shot> due;
  for (auto it = shots_.begin(); it != shots_.end();) {
    if (!it->atEnd && it->time < now) {
      due.push_back(std::move(*it));
      it = shots_.erase(it);
    } else {
      ++it;
    }
  }
  for (const Shot& s : due) TakeShot(s.dump, s.await, s.path);
}

bool Script::NextInputTime(std::uint32_t& time) const {
  if (nextInput_ >= inputs_.size()) return false;
  time = inputs_[nextInput_].time;
  return true;
}

bool Script::NextTime(std::uint32_t& time) const {
  bool any = NextInputTime(time);
  for (const Shot& s : shots_)
    if (!s.atEnd && (!any || s.time < time)) {
      time = s.time;
      any = true;
    }
  return any;
}

bool Script::CloseDue(std::uint32_t now) const {
  for (std::size_t i = nextInput_; i < inputs_.size() && inputs_[i].time <= now; ++i)
    if (inputs_[i].message.kind == MessageKind::Destroy) return true;
  return false;
}

bool Script::Finished() const {
  std::uint32_t t = 0;
  return !NextTime(t);
}

void Script::TakeFinal(std::uint32_t now) {
  for (const Shot& s : shots_) {
    if (s.await)
      continue;  // the run is over: nothing left to line up with
    else if (s.atEnd || s.time <= now)
      TakeShot(s.dump, false, s.path);
    else
      std::fprintf(stderr, "duskhaven: the run ended at %u ms, before %s at %u ms\n", now, s.path.c_str(), s.time);
  }
  shots_.clear();
}

}  // namespace platform
