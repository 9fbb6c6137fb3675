// script_test.cpp -- reading scripts, and captures that show the frame on screen at their time.
#include <gtest/gtest.h>

#include <SDL.h>
#include <SDL_image.h>

#include <filesystem>
#include <fstream>
#include <sstream>
#include <thread>

#include "platform/backend.h"
#include "platform/clock.h"
#include "platform/display.h"
#include "platform/messages.h"
#include "platform/script.h"
#include "tests/platform/test_helpers.h"

namespace {

std::string ParseError(const std::string& text) {
  platform::Script script;
  std::string error;
  EXPECT_FALSE(script.Parse(text, "s.txt", error));
  return error;
}

TEST(ScriptParse, BadLinesNameTheirLine) {
  EXPECT_EQ(ParseError("# fine\n\nat 10 tapp 1 2\n"), "s.txt:3: unknown input 'tapp'");
  EXPECT_EQ(ParseError("at x tap 1 2\n"), "s.txt:1: expected: at T WHAT ...");
  EXPECT_EQ(ParseError("at 5 tap 1\n"), "s.txt:1: expected: at T tap X Y");
  EXPECT_EQ(ParseError("at 5 key down Q\n"), "s.txt:1: unknown key 'Q' (Up Down Left Right A B C Start Menu)");
  EXPECT_EQ(ParseError("jump 5\n"), "s.txt:1: unknown command 'jump'");
  EXPECT_EQ(ParseError("capture 5\n"), "s.txt:1: expected: capture T FILE");
  EXPECT_EQ(ParseError("at 5 tap 99999 1\n"), "s.txt:1: expected: at T tap X Y");
  EXPECT_EQ(ParseError("await end x\n"), "s.txt:1: bad time 'end'");
}

TEST(ScriptParse, MissingFileIsAClearError) {
  std::string error;
  EXPECT_FALSE(platform::CheckScript("/nonexistent/script.txt", error));
  EXPECT_EQ(error, "cannot read the script /nonexistent/script.txt");
}

TEST(ScriptPlay, InputArrivesInTimeOrderWithTapsAndPresses) {
  testing_platform::StartHeadless("at 300 press Start\nat 100 tap 3 4   # a comment\n");
  platform::SleepMs(100);
  platform::Message m;
  ASSERT_TRUE(platform::RemoveNextMessage(m));
  EXPECT_EQ(m.kind, platform::MessageKind::StylusDown);
  EXPECT_FALSE(platform::RemoveNextMessage(m));
  platform::SleepMs(30);
  ASSERT_TRUE(platform::RemoveNextMessage(m));
  EXPECT_EQ(m.kind, platform::MessageKind::StylusUp);
  EXPECT_EQ(m.x, 3);
  platform::SleepMs(200);
  ASSERT_TRUE(platform::RemoveNextMessage(m));
  EXPECT_EQ(m.kind, platform::MessageKind::KeyDown);
  EXPECT_EQ(m.key, platform::VkStart);
}

std::uint8_t RedAt00(const std::string& path) {
  SDL_Surface* s = IMG_Load(path.c_str());
  if (!s) return 0;
  SDL_Surface* rgb = SDL_ConvertSurfaceFormat(s, SDL_PIXELFORMAT_RGB24, 0);
  SDL_FreeSurface(s);
  std::uint8_t red = static_cast<const std::uint8_t*>(rgb->pixels)[0];
  SDL_FreeSurface(rgb);
  return red;
}

TEST(ScriptPlay, CaptureTakesTheFrameOnScreenAtItsTime) {
  const std::string dir = testing_platform::ScratchFolder("captures");
  testing_platform::StartHeadless("capture 50 " + dir + "/a.png\ncapture 500 " + dir + "/b.png\ncapture end " + dir +
                                  "/c.png\ndump 60 " + dir + "/state.txt\n");
  platform::SetScreenSize(240, 320);
  platform::SetPixelSteps(2, 480);
  std::vector<std::uint16_t> red(240 * 320, 0xF800), dark(240 * 320, 0x0800);
  platform::PresentFrame(red.data());  // on screen from 0 ms
  platform::SleepMs(200);
  platform::PresentFrame(dark.data());  // from about 200 ms
  platform::SleepMs(400);
  EXPECT_EQ(RedAt00(dir + "/a.png"), 255);
  EXPECT_EQ(RedAt00(dir + "/b.png"), 8);
  EXPECT_FALSE(std::filesystem::exists(dir + "/c.png"));
  platform::EndRun();
  EXPECT_EQ(RedAt00(dir + "/c.png"), 8);
  std::ifstream state(dir + "/state.txt");
  std::stringstream text;
  text << state.rdbuf();
  EXPECT_EQ(text.str(), "no state reporter\n");
}

TEST(ScriptPlay, AwaitHoldsTheClockUntilItsFileAppears) {
  const std::string dir = testing_platform::ScratchFolder("await");
  testing_platform::StartHeadless("await 50 " + dir + "/go\ndump 60 " + dir + "/after.txt\n");
  std::thread other([&] {
    std::this_thread::sleep_for(std::chrono::milliseconds(150));
    std::ofstream(dir + "/go") << "go\n";
  });
  platform::SleepMs(40);
  EXPECT_FALSE(std::filesystem::exists(dir + "/go"));
  platform::SleepMs(60);  // past the await: returns only once the other side has written its file
  EXPECT_TRUE(std::filesystem::exists(dir + "/go"));
  EXPECT_EQ(platform::TickCount(), 100u) << "the wait costs the game's clock nothing";
  other.join();
  platform::EndRun();
  EXPECT_TRUE(std::filesystem::exists(dir + "/after.txt"));
}

}  // namespace
