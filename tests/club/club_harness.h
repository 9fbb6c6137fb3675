// club_harness.h -- the club in a headless test program: data set, screen, font, pictures, answered boxes.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

// Starts the headless backend and loads what the club draws (once), then
// puts the club back to a fresh start with a fresh 700-credit character.
void SetUpClub();

// Every box the club showed, and the answers to give (true = left button);
// with no answer queued the right button is chosen.
struct ShownBox {
  std::wstring text, left, right;
};
extern std::vector<ShownBox> ClubBoxes;
extern std::vector<bool> ClubAnswers;

// Main-loop passes of the club until `done` or the limit; false at the limit.
template <typename Done>
bool RunClubUntil(Done done, int limit = 5000);
void RunClubFrames(int count);

// Queues a stylus-down and -up for the modal waits (the quick menu's).
void QueueTap(int x, int y);
void QueueGesture(int downX, int downY, int upX, int upY);

// Buffer 0's pixels.
std::vector<std::uint16_t> ScreenPixels(int buffer = 0);
// The club's stored block as bytes.
std::vector<std::uint8_t> ClubStateBytes();

// The private install folder (its own SAVE folder).
const std::string& ClubInstallDir();

void ClubFrameOnce();
template <typename Done>
bool RunClubUntil(Done done, int limit) {
  for (int i = 0; i < limit; ++i) {
    if (done()) return true;
    ClubFrameOnce();
  }
  return done();
}
