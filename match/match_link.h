// match_link.h -- where a link duel's messages join the duel; the multiplayer link fills these in.
#pragma once

#include "match/match.h"

// Each hook is called only in a duel whose other side is remote (kind 3 or 4)
// and only when it is set; unset, a link duel ends at its first wait. A hook
// that sends may end the duel (the player gave up on a lost link): the state
// is then Leave and the caller does nothing more.
struct MatchLinkHooks {
  // Runs AwaitRemoteMove, AwaitRemoteAttack, AwaitRemoteMultiHit and RemotePlaced.
  void (*remoteState)() = nullptr;
  // Before the local side's card is placed, its attack or multi-hit starts, or it draws.
  void (*sendPlayCard)(int id, int x, int y) = nullptr;
  void (*sendAttack)(bool multiHit, CellPos attacker, CellPos target) = nullptr;
  void (*sendCardTaken)() = nullptr;
  // Every frame while the remote side waits for this one: keeps the link alive or reconnects.
  void (*linkCheck)() = nullptr;
  // SettleWin / SettleLoss: agrees the card that changes hands (rewardCards[1]).
  void (*agreeRewardCard)() = nullptr;
  // LeaveMatch of a link duel: back to the lobby.
  void (*backToLobby)() = nullptr;
  // CoinToss of a link duel: the server spins the token and sends TossDone, the client waits for it.
  void (*coinToss)() = nullptr;
};
extern MatchLinkHooks MatchLink;

// True when the side that is not `side` is driven over the link.
bool OtherSideRemote(Side side);
