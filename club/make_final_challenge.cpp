// make_final_challenge.cpp -- the Hell gate room's screen.
#include <memory>

#include "club/final_challenge_screen.h"
#include "club/room_screens.h"

std::unique_ptr<ClubScreenBase> MakeFinalChallengeScreen() { return std::make_unique<FinalChallengeScreen>(); }
