// room_screens.h -- how the club creates each room's screen.
//
// Each factory lives in a file of its own (make_*.cpp), so the screen that
// replaces a closed room changes only its own file.
#pragma once

#include <memory>

#include "club/club_screen.h"

std::unique_ptr<ClubScreenBase> MakeCharacterScreen();
std::unique_ptr<ClubScreenBase> MakeLobbyScreen();
std::unique_ptr<ClubScreenBase> MakeShopScreen();
std::unique_ptr<ClubScreenBase> MakeCardManagerScreen(ClubScreen returnScreen, bool highlightNew, bool tradeMode);
std::unique_ptr<ClubScreenBase> MakeInstantPlayScreen();
// The opponent confirmation before an instant-play duel.
std::unique_ptr<ClubScreenBase> MakeChallengeScreen(int opponent);
// opponentClass 0 Guest, 1 Member, 2 Elite.
std::unique_ptr<ClubScreenBase> MakeTournamentScreen(int opponentClass);
std::unique_ptr<ClubScreenBase> MakeOptionsScreen();
// withLink: bound to the lobby's link (false when resumed from the quick save).
std::unique_ptr<ClubScreenBase> MakeTradeScreen(bool withLink);
std::unique_ptr<ClubScreenBase> MakeFinalChallengeScreen();
