// make_options.cpp -- the options room's screen.
#include <memory>

#include "club/options_screen.h"
#include "club/room_screens.h"

std::unique_ptr<ClubScreenBase> MakeOptionsScreen() { return std::make_unique<OptionsScreen>(); }
