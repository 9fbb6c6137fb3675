// make_card_manager.cpp -- the card manager's screen, in deck mode or trade mode (the trade keeps running under it).
#include <memory>

#include "club/card_manager_screen.h"
#include "club/club_internal.h"
#include "club/room_screens.h"

std::unique_ptr<ClubScreenBase> MakeCardManagerScreen(ClubScreen, bool highlightNew, bool tradeMode) {
  if (!tradeMode) return std::make_unique<CardManagerScreen>(highlightNew, false);
  return std::make_unique<CardManagerScreen>(highlightNew, true, [] {
    if (ClubScreenBase* trade = ScreenFor(ScreenTrade)) trade->Frame();
  });
}
