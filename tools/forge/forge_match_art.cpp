// forge_match_art.cpp -- the duel's pictures: board frame, zoom button, block, card back, power icons, cards, coin
// token, banners.
#include "tools/forge/art_banners.h"
#include "tools/forge/art_board.h"
#include "tools/forge/art_cards.h"
#include "tools/forge/art_token.h"
#include "tools/forge/forge.h"

bool ForgeMatchArt(ForgeOutput& out) {
  return ForgeBoardPictures(out) && ForgeTokenFrames(out) && ForgeBanners(out) && ForgeCardPictures(out);
}
