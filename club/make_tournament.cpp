// make_tournament.cpp -- the tournament rooms' screen, one per class.
#include <memory>

#include "club/room_screens.h"
#include "club/tournament_screen.h"

std::unique_ptr<ClubScreenBase> MakeTournamentScreen(int opponentClass) {
  return std::make_unique<TournamentScreen>(opponentClass);
}
