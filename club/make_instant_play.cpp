// make_instant_play.cpp -- the instant play room's screen: the challenge it opens comes up on top, returning to the
// list.
#include <memory>

#include "club/club.h"
#include "club/instant_play_screen.h"
#include "club/room_screens.h"

std::unique_ptr<ClubScreenBase> MakeInstantPlayScreen() {
  return std::make_unique<InstantPlayScreen>([](int opponent) { OpenChallenge(ScreenInstantPlay, opponent); });
}
