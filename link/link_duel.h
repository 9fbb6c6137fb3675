// link_duel.h -- a duel against the other device: its set-up over the link and the match's link hooks.
#pragma once

#include "data/player_record.h"
#include "link/link.h"

// What the lobby lends the duel. Both are optional; without them the duel
// asks its own "Error of Synchronization:" question and, after the duel, posts
// the club's resume message.
struct LinkLobbyHooks {
  // The lobby's Reconnect: true when the link is alive again (Create or Join repeated).
  bool (*reconnect)() = nullptr;
  // The duel has ended (LeaveMatch): refresh the connection line, check the link.
  void (*duelEnded)() = nullptr;
};
extern LinkLobbyHooks LinkLobby;

// Sets the match's link hooks (idempotent; the game calls it at start-up).
void InstallLinkDuel();

// The lobby's Game, once both devices agreed on StartGame: `remote` becomes the
// partner (kind RemoteGuest on the server, RemoteHost on the client), the
// duel is set up over `link` with the local character as side 0, and InClub
// goes off so the match takes over. False when the set-up failed and the
// player gave up (the club stays on).
bool StartLinkDuel(Link& link, PlayerRecord& local, PlayerRecord& remote);

// The set-up itself: deals side 0, exchanges names, the first side and the
// blocked cells, then leaves the state at Versus. On failure it asks
// "Game Initialisation via Infra-Red failed !" (Cancel Game / Retry); false
// when the player cancelled.
bool BeginLinkDuel(PlayerRecord& local, PlayerRecord& remote, int blocks, Link& link);

// The partner's cards are not known here, only how many: side 1's hand and
// pile hold blank cards, so a side with nothing left passes on both devices alike.
void DealRemotePlaceholders();

// The duel's link check: nothing while the link is alive, else the lobby's
// Reconnect (or the duel's own question); leaves the duel when it fails.
void CheckLinkOrReconnect();
