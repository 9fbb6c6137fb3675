// make_shop.cpp -- the card shop room's screen: the manager it opens comes up on top, returning to the shop.
#include <memory>

#include "club/club.h"
#include "club/room_screens.h"
#include "club/shop_screen.h"

std::unique_ptr<ClubScreenBase> MakeShopScreen() {
  return std::make_unique<ShopScreen>([](bool highlightNew) { OpenCardManager(ScreenShop, highlightNew, false); });
}
