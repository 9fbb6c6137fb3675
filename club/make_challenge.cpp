// make_challenge.cpp -- the opponent confirmation before an instant-play duel.
#include <memory>

#include "club/challenge_screen.h"
#include "club/room_screens.h"

std::unique_ptr<ClubScreenBase> MakeChallengeScreen(int opponent) {
  return std::make_unique<ChallengeScreen>(opponent);
}
