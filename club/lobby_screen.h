// lobby_screen.h -- the multiplayer room: open the link as server (Create) or client (Join), then agree with the
// partner on a duel (Game) or a card trade (Trade).
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "club/club_screen.h"
#include "core/image.h"
#include "gfx/screen_button.h"
#include "link/link_message.h"

constexpr int LobbyButtonCount = 6;
enum LobbyButton { LobbyCreate = 0, LobbyJoin = 1, LobbyBack = 2, LobbyDeck = 3, LobbyGame = 4, LobbyTrade = 5 };

// The panel's texts.
constexpr std::wstring_view ConnectionOkText = L"Connection OK";
constexpr std::wstring_view NotConnectedText = L"Not Connected";
constexpr std::wstring_view LostLinkText = L"Error of Synchronization:\n";
// Where the Cancel of a wait is drawn (inside the message panel).
constexpr int WaitCancelX = 93, WaitCancelY = 205;

class LobbyScreen : public ClubScreenBase {
 public:
  LobbyScreen();
  ~LobbyScreen() override;

  void Enter() override;
  void Frame() override;
  void StylusDown(int x, int y) override;
  bool StylusUp(int x, int y) override;
  void Redraw(int buffer) override;
  void SaveState(ByteWriter& out) const override;
  bool LoadState(ByteReader& in) override;
  std::string Report() const override;
  void FocusPlaces(std::vector<FocusPlace>& places) const override;

  // The link is alive, or was opened again in its old role after the player chose Retry.
  bool Reconnect();
  // The last line written on the panel (tests and the state dump).
  const std::wstring& LastPanelText() const { return lastPanel_; }

 private:
  void DrawLinkState(int buffer);
  void PanelMessage(int x, int y, std::wstring_view text, bool clear);
  void ShowWaitCancel();
  bool Open(bool server);  // Create or Join with their panel lines
  bool AgreeToStart(LinkMessageType start, const std::wstring& what);
  void StartGame();
  void StartTrade();
  bool ExchangeNames();
  void LostLink();  // the partner never answered or went away: the lost-link box
  void TakeStrayAnswers();
  bool DeckReady();

  ScreenButton buttons_[LobbyButtonCount];
  Image background_;
  Image picture_;
  Image cancel_;
  bool savedSoundOff_ = false;
  std::wstring lastPanel_;
};

// The lobby's Reconnect for the duel and the trade: through the open lobby when there is one.
bool LobbyReconnect();
