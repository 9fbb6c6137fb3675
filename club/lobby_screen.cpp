// lobby_screen.cpp -- the multiplayer room: Create and Join with their waits, the start agreement, Reconnect.
#include "club/lobby_screen.h"

#include <cstdio>
#include <utility>

#include "club/club.h"
#include "club/club_internal.h"
#include "club/room_boxes.h"
#include "club/screen_focus.h"
#include "data/player_record.h"
#include "gfx/animations.h"
#include "gfx/draw_image.h"
#include "gfx/font.h"
#include "gfx/picture_load.h"
#include "gfx/screen_buffers.h"
#include "link/link.h"
#include "link/link_duel.h"
#include "platform/display.h"
#include "platform/game_state.h"
#include "platform/messages.h"
#include "platform/waits.h"

namespace {

const wchar_t* const MultiFolder = L"GFX\\MENU\\UI MULTI\\";

struct Place {
  const wchar_t* picture;  // the normal picture; the pressed one adds "ON" (none: cut from the background)
  const wchar_t* pressed;
  std::int16_t x, y;
};
const Place LobbyPlaces[LobbyButtonCount] = {
    {L"MultiplayerCreate.QXJ", L"MultiplayerCreateON.QXJ", 188, 241},
    {L"MultiplayerJoin.QXJ", L"MultiplayerJoinON.QXJ", 22, 241},
    {nullptr, L"MultiplayerBack.QXJ", 202, 301},
    {nullptr, nullptr, 207, 0},
    {L"MultiplayerGame.QXJ", L"MultiplayerGameON.QXJ", 134, 241},
    {L"MultiplayerTrade.QXJ", L"MultiplayerTradeON.QXJ", 75, 241},
};

constexpr int PanelX = 10, PanelY = 75, PanelW = 220, PanelH = 160;
constexpr int MessageX = 30, MessageY = 90, ResultY = 115, AddressY = 103;

Image LoadMulti(const wchar_t* name) {
  Image image;
  LoadImageFile(std::wstring(MultiFolder) + name, image, true);
  return image;
}

LobbyScreen* OpenLobby() { return dynamic_cast<LobbyScreen*>(ScreenFor(ScreenLobby)); }

bool FailedBy(LinkFailure f) { return TheLink.failure == f; }

// A link duel has ended: back in the lobby, whose link line shows whether the partner is still there.
void LobbyDuelEnded() {
  if (!LinkAlive(TheLink)) TheLink.connected = 0;
  platform::PostUserMessage(1);
}

}  // namespace

LobbyScreen::LobbyScreen() {
  LoadImageFile(std::wstring(MultiFolder) + L"MultiplayerEmpty.QXG", background_, true);
  LoadImageFile(std::wstring(MultiFolder) + L"MultiplayerPIX.QXG", picture_, true);
  cancel_ = LoadMulti(L"TradeUICANCEL.QXJ");
  for (int i = 0; i < LobbyButtonCount; ++i) {
    const Place& p = LobbyPlaces[i];
    Image pressed;
    if (i == LobbyDeck)
      LoadImageFile(L"GFX\\MENU\\AllPartyDeck.QXJ", pressed, true);
    else
      pressed = LoadMulti(p.pressed);
    Image normal =
        p.picture ? LoadMulti(p.picture) : CropImage(background_, p.x, p.y, pressed.Width(), pressed.Height());
    InitButton(buttons_[i], p.x, p.y, std::move(pressed), std::move(normal), false);
  }
  LinkLobby.reconnect = &LobbyReconnect;
  LinkLobby.duelEnded = &LobbyDuelEnded;
  savedSoundOff_ = SoundOff;
  SoundOff = true;  // no sound in the lobby
  TheLink.connected = 0;
  if (picture_.Width() == 240 && picture_.Height() == 320)
    DrawFullScreen(picture_.Pixels(), 1);
  else
    DrawLinkState(1);
}

LobbyScreen::~LobbyScreen() {
  TheLink.poll = nullptr;
  LinkLobby.reconnect = nullptr;
  LinkLobby.duelEnded = nullptr;
  SoundOff = savedSoundOff_;
}

void LobbyScreen::Enter() {
  if (WaitOrTap(500)) {
    DrawLinkState(0);
  } else {
    DrawLinkState(1);
    Transition(0, 0, 240, 320, 0, 1);
  }
}

void LobbyScreen::DrawLinkState(int buffer) {
  if (background_.Width() == 240 && background_.Height() == 320)
    DrawFullScreen(background_.Pixels(), buffer);
  else
    ClearBuffer(buffer);
  const bool connected = TheLink.connected != 0;
  SetButtonHidden(buttons_[LobbyCreate], connected);
  SetButtonHidden(buttons_[LobbyJoin], connected);
  SetButtonHidden(buttons_[LobbyGame], !connected);
  SetButtonHidden(buttons_[LobbyTrade], !connected);
  for (const ScreenButton& b : buttons_) DrawButton(b, buffer);
  if (connected)
    DrawTextTinted(ConnectionOkText, 153, 63, GameFont, 1, buffer);
  else
    DrawTextTinted(NotConnectedText, 153, 63, GameFont, 6, buffer);
}

void LobbyScreen::Redraw(int buffer) { DrawLinkState(buffer); }

void LobbyScreen::PanelMessage(int x, int y, std::wstring_view text, bool clear) {
  if (clear) DrawImageRect(PanelX, PanelY, PanelW, PanelH, PanelX, PanelY, background_, 0);
  DrawText(text, x, y, GameFont, 0);
  lastPanel_ = text;
  PresentScreen();
}

void LobbyScreen::ShowWaitCancel() {
  DrawImage(WaitCancelX, WaitCancelY, cancel_, 0);
  PresentScreen();
  // A tap on it, or the action key (it is the wait's only button), ends the wait the link is in.
  const int w = cancel_.Width(), h = cancel_.Height();
  TheLink.poll = [w, h](const platform::Message& m) {
    if (m.kind == platform::MessageKind::KeyDown) return static_cast<std::int16_t>(m.key & 0xFFFF) == platform::VkAppA;
    return m.kind == platform::MessageKind::StylusDown && m.x >= WaitCancelX && m.x <= WaitCancelX + w &&
           m.y >= WaitCancelY && m.y <= WaitCancelY + h;
  };
}

bool LobbyScreen::Open(bool server) {
  TheLink.connected = 0;
  CloseLink(TheLink);
  TheLink.role = server ? RoleServer : RoleClient;
  DrawLinkState(0);
  PanelMessage(MessageX, MessageY, server ? L"WAITING for client." : L"WAITING for server.", true);
  if (server) PanelMessage(MessageX, AddressY, LinkListenText(), false);
  ShowWaitCancel();
  const bool ok = server ? LinkCreate(TheLink) : LinkJoin(TheLink);
  TheLink.poll = nullptr;
  TheLink.connected = ok ? 1 : 0;
  DrawLinkState(0);
  PanelMessage(MessageX, ResultY, ok ? L"Connected." : L"Failed to connect.", false);
  return ok;
}

bool LobbyScreen::DeckReady() {
  if (CurrentPlayer.deck.count >= DeckSize) return true;
  RoomOkBox(L"I don't have enough cards in my deck to join this game.");
  OpenCardShop(ScreenLobby);
  return false;
}

void LobbyScreen::LostLink() {
  TheLink.poll = nullptr;
  TheLink.connected = 0;
  CloseLink(TheLink);
  DrawLinkState(0);
  // "Retry" opens the link again in the same role.
  if (!RoomBox(LostLinkText, L"Cancel", L"Retry", MessageBoxLayout{}))
    Open(TheLink.role == RoleServer);
  else
    DrawLinkState(0);
}

// Both devices press the same button; the first waits, with a Cancel, at most StartWaitMs for the other.
// True when both agreed on `start`; otherwise the lobby already shows why (`what` is "Game" or "Trade").
bool LobbyScreen::AgreeToStart(LinkMessageType start, const std::wstring& what) {
  LinkMessage reply;
  const bool server = TheLink.role == RoleServer;
  PanelMessage(MessageX, MessageY,
               (server ? L"Server is waiting to start " : L"Client is waiting to start ") + what + L".", true);
  ShowWaitCancel();
  const auto stopped = [&] {
    if (FailedBy(LinkFailure::Cancelled)) return DrawLinkState(0), true;
    if (FailedBy(LinkFailure::TimedOut) || !LinkAlive(TheLink)) return LostLink(), true;
    return false;
  };
  if (server) {
    if (!SendConfirmed(TheLink, FreshMessage(start), StartWaitMs)) {
      if (stopped()) return false;
      TheLink.poll = nullptr;
      PanelMessage(MessageX, ResultY, L"Server failed to start " + what + L".", false);
      return false;
    }
    const bool agreed = ReceiveConfirmed(TheLink, reply, StartWaitMs) && reply.Is(start);
    if (!agreed && stopped()) return false;
    TheLink.poll = nullptr;
    if (!agreed) {
      PanelMessage(MessageX, ResultY, L"Client not ready.", false);
      return false;
    }
  } else {
    if (!ReceiveConfirmed(TheLink, reply, StartWaitMs)) {
      if (stopped()) return false;
      TheLink.poll = nullptr;
      PanelMessage(MessageX, ResultY, L"Server not ready.", false);
      return false;
    }
    TheLink.poll = nullptr;
    if (!reply.Is(start)) {
      PanelMessage(MessageX, ResultY, L"Server not ready.", false);
      SendConfirmed(TheLink, FreshMessage(LinkMessageType::Refuse));
      return false;
    }
    if (!SendConfirmed(TheLink, FreshMessage(start))) {
      PanelMessage(MessageX, ResultY, L"Client failed to start " + what + L".", false);
      return false;
    }
  }
  TheLink.poll = nullptr;
  return true;
}

void LobbyScreen::StartGame() {
  if (!DeckReady() || !AgreeToStart(LinkMessageType::StartGame, L"Game")) return;
  OtherPlayer.kind = TheLink.role == RoleServer ? KindRemoteGuest : KindRemoteHost;
  if (!StartLinkDuel(TheLink, CurrentPlayer, OtherPlayer)) DrawLinkState(0);
}

bool LobbyScreen::ExchangeNames() {
  LinkMessage name;
  const LinkMessage own = PlayerNameMessage(CurrentPlayer.name);
  if (TheLink.role == RoleServer) {
    if (!SendConfirmed(TheLink, own) || !ReceiveConfirmed(TheLink, name, ExchangeStepMs)) return false;
  } else {
    if (!ReceiveConfirmed(TheLink, name, ExchangeStepMs) || !SendConfirmed(TheLink, own)) return false;
  }
  if (!name.Is(LinkMessageType::PlayerName)) return false;
  OtherPlayer.name = name.text;
  EmptyTradeBox(OtherPlayer);
  return true;
}

void LobbyScreen::StartTrade() {
  if (!AgreeToStart(LinkMessageType::StartTrade, L"Trade")) return;
  // A failure in the names goes back to the lobby without a word.
  if (!ExchangeNames()) return DrawLinkState(0);
  OpenTradeScreen(ScreenLobby);
}

// Echoes and verdicts left over from a wait that was given up: an echo gets a
// Refuse at once (its sender is waiting for a verdict), the rest is dropped.
// A start request stays queued for the button the player may press next.
// A move, a card or a trade message comes from a partner still in a duel or a
// trade that this room is not in (this game started afresh after a crash, or
// left it): it is refused in place of its echo, so the partner never counts it
// delivered, nothing changes hands, and the partner goes back to its lobby too.
void LobbyScreen::TakeStrayAnswers() {
  LinkMessage m;
  while (ReceiveOne(TheLink, m, 0)) {
    if (m.Is(LinkMessageType::Echo)) {
      SendMessage(TheLink, FreshMessage(LinkMessageType::Refuse));
    } else if (m.Is(LinkMessageType::StartGame) || m.Is(LinkMessageType::StartTrade)) {
      TheLink.framer.PutBack(std::move(m));
      return;
    } else if (!m.Is(LinkMessageType::Confirm) && !m.Is(LinkMessageType::Refuse)) {
      std::fprintf(stderr, "duskhaven: the lobby refuses a message of a duel or trade: %s\n",
                   DescribeMessage(m).c_str());
      SendMessage(TheLink, FreshMessage(LinkMessageType::Refuse));
    }
  }
}

void LobbyScreen::Frame() {
  if (!TheLink.connected) return;
  TakeStrayAnswers();
  if (!LinkAlive(TheLink)) {
    TheLink.connected = 0;
    DrawLinkState(0);
  }
}

void LobbyScreen::StylusDown(int x, int y) {
  for (ScreenButton& b : buttons_) PressButton(b, x, y);
}

void LobbyScreen::FocusPlaces(std::vector<FocusPlace>& places) const {
  for (const ScreenButton& b : buttons_) AddButtonPlace(places, b);
}

bool LobbyScreen::StylusUp(int x, int y) {
  int released = -1;
  for (int i = 0; i < LobbyButtonCount; ++i)
    if (ReleaseButton(buttons_[i], x, y) && released < 0) released = i;
  switch (released) {
    case LobbyCreate:
      Open(true);
      break;
    case LobbyJoin:
      Open(false);
      break;
    case LobbyBack:
      TheLink.connected = 0;
      CloseLink(TheLink);
      return true;
    case LobbyDeck:
      OpenCardShop(ScreenLobby);
      break;
    case LobbyGame:
      StartGame();
      break;
    case LobbyTrade:
      StartTrade();
      break;
    default:
      break;
  }
  TheLink.poll = nullptr;
  return false;
}

bool LobbyScreen::Reconnect() {
  if (LinkAlive(TheLink)) return true;
  TheLink.connected = 0;
  DrawLinkState(0);
  if (RoomBox(LostLinkText, L"Cancel", L"Retry", MessageBoxLayout{})) return false;
  return Open(TheLink.role == RoleServer);
}

void LobbyScreen::SaveState(ByteWriter&) const {}
bool LobbyScreen::LoadState(ByteReader&) { return true; }

std::string LobbyScreen::Report() const {
  std::string panel;
  for (wchar_t c : lastPanel_) panel += c < 128 ? static_cast<char>(c) : '?';
  return "lobby = role " + std::to_string(TheLink.role) + ", connected " + std::to_string(TheLink.connected) +
         ", panel " + panel + "\n";
}

bool LobbyReconnect() {
  if (LobbyScreen* lobby = OpenLobby()) return lobby->Reconnect();
  if (LinkAlive(TheLink)) return true;
  TheLink.connected = 0;
  if (RoomBox(LostLinkText, L"Cancel", L"Retry", MessageBoxLayout{})) return false;
  const bool ok = TheLink.role == RoleServer ? LinkCreate(TheLink) : LinkJoin(TheLink);
  TheLink.connected = ok ? 1 : 0;
  return ok;
}
