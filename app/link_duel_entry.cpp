// link_duel_entry.cpp -- --link-duel create|join: the last character duels the other device straight after start-up.
#include <cstdio>

#include "app/link_duel_entry.h"
#include "data/player_record.h"
#include "data/save_file.h"
#include "link/link.h"
#include "link/link_duel.h"
#include "match/match.h"
#include "platform/game_state.h"
#include "platform/messages.h"
#include "settings/settings.h"

namespace {

// After the duel (its result is on stderr) the game ends; the character was saved with the card handed over.
void DuelOver() { platform::PostQuitMessage(0); }

}  // namespace

bool StartLinkDuelFromCommandLine(const std::string& mode) {
  const int slot = ReadCharacter();
  if (!LoadCharacter(slot)) {
    std::fprintf(stderr, "duskhaven: --link-duel needs a character in slot %d\n", slot);
    return false;
  }
  CurrentPlayer.kind = KindLocal;
  if (CurrentPlayer.deck.count < DeckSize) {
    std::fprintf(stderr, "duskhaven: the character's deck holds %d cards, a link duel needs %d\n",
                 static_cast<int>(CurrentPlayer.deck.count), DeckSize);
    return false;
  }
  const bool linked = mode == "create" ? LinkCreate(TheLink) : LinkJoin(TheLink);
  if (!linked) {
    std::fprintf(stderr, "duskhaven: no partner for the link duel (%s)\n", LinkFailureName(TheLink.failure));
    return false;
  }
  TheLink.connected = 1;
  LinkLobby.duelEnded = DuelOver;
  ResetPlayer(OtherPlayer);
  OtherPlayer.name.clear();
  return StartLinkDuel(TheLink, CurrentPlayer, OtherPlayer);
}
