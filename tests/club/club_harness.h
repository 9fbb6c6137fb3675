// club_harness.h -- the club in a headless test program: data set, screen, font, pictures, answered boxes.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "tests/club/room_harness.h"

// The rooms' headless set-up, what the club draws loaded once, and the club
// back at a fresh start with a fresh 700-credit character that is not saved.
void SetUpClub();

// The boxes the club showed and the answers to give are the rooms' (room_harness.h).

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
std::string ClubInstallDir();

void ClubFrameOnce();
template <typename Done>
bool RunClubUntil(Done done, int limit) {
  for (int i = 0; i < limit; ++i) {
    if (done()) return true;
    ClubFrameOnce();
  }
  return done();
}
