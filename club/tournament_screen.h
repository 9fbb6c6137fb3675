// tournament_screen.h -- a class's tournament room: joining, the rounds of the bracket, the character's duels, prizes.
#pragma once

#include <cstdint>
#include <string>

#include "club/club_screen.h"
#include "core/image.h"
#include "data/tournament.h"
#include "gfx/screen_button.h"

constexpr int TournamentButtonCount = 5;

// Where the screen stands (stored as a byte).
enum TournamentState : std::uint8_t {
  ShowBracket = 1,   // the current round's bracket is drawn on the next pass
  ShowResults = 2,   // the round's results are drawn on the next pass
  BracketShown = 3,  // Next plays the round
  DuelRunning = 4,   // the character's duel runs; booked on the first pass back in the club
  ResultsShown = 5,  // Next moves on to the next round
  WinnerShown = 6,   // Next closes the tournament
  NotEntered = 7,    // Start joins
};

// The texts of the room's boxes.
std::wstring NeedFeeText(std::int32_t fee);
std::wstring FeeQuestionText(std::int32_t fee);
// The closing message by the duels won (0..4), with the prize it pays.
std::wstring ClosingText(int roundsWon, const TournamentPurse& purse);

class TournamentScreen : public ClubScreenBase {
 public:
  // opponentClass 0 Guest, 1 Member, 2 Elite. Draws up the first bracket.
  explicit TournamentScreen(int opponentClass);

  void Enter() override;
  void Frame() override;
  void ResumeFrame() override;
  void StylusDown(int x, int y) override;
  bool StylusUp(int x, int y) override;
  void Redraw(int buffer) override;
  void SaveState(ByteWriter& out) const override;
  bool LoadState(ByteReader& in) override;
  std::string Report() const override;
  void FocusPlaces(std::vector<FocusPlace>& places) const override;

  int OpponentClass() const { return tournamentClass_; }
  int Round() const { return round_; }
  TournamentState State() const { return static_cast<TournamentState>(state_); }
  const Bracket& CurrentBracket() const { return bracket_; }
  int PlayerPair() const { return playerPair_; }
  int Opponent() const { return opponent_; }
  bool Joined() const { return joined_; }
  int RoundsWon() const { return roundsWon_; }
  // The contests of the round last played.
  const RoundPlay& LastRound() const { return lastRound_; }

 private:
  enum Button { Start = 0, Surrender = 1, Next = 2, Back = 3, DeckButton = 4 };

  void LoadPictures();
  void ShowEnteredButtons(bool entered);
  void Join();
  void PlayRound();
  void BookDuel();
  void NextRound();
  void CloseTournament();
  void DrawCreditsLine(int buffer) const;
  void DrawBracket(int buffer, bool results) const;
  std::wstring NameOf(std::uint8_t participant) const;

  ScreenButton buttons_[TournamentButtonCount];
  Image picture_, emptyPicture_, versusPicture_;
  std::int8_t tournamentClass_ = 0;
  std::uint8_t round_ = 0;
  Bracket bracket_;
  std::uint8_t state_ = NotEntered;
  std::int8_t playerPair_ = -1;
  std::int8_t opponent_ = 0;
  bool joined_ = false;
  std::uint8_t roundsWon_ = 0;
  std::int16_t prize_ = 0, runnerUpPrize_ = 0;
  RoundPlay lastRound_;
  int loadedClass_ = -1;  // the class whose pictures are loaded
};
