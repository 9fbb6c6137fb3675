// make_card_manager.cpp -- the card manager's screen, in deck mode or trade mode.
#include <memory>

#include "club/card_manager_screen.h"
#include "club/room_screens.h"

std::unique_ptr<ClubScreenBase> MakeCardManagerScreen(ClubScreen, bool highlightNew, bool tradeMode) {
  return std::make_unique<CardManagerScreen>(highlightNew, tradeMode);
}
