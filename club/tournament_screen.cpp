// tournament_screen.cpp -- a class's tournament room: the fee, the bracket round by round, the character's duels,
// the closing message and the prize.
#include "club/tournament_screen.h"

#include <sstream>
#include <utility>

#include "club/club.h"
#include "club/instant_play_rules.h"
#include "club/room_boxes.h"
#include "club/screen_focus.h"
#include "core/decimal_text.h"
#include "core/deck.h"
#include "data/duel_stats.h"
#include "data/player_record.h"
#include "data/roster.h"
#include "data/save_bytes.h"
#include "data/save_file.h"
#include "gfx/draw_image.h"
#include "gfx/font.h"
#include "gfx/picture_load.h"
#include "gfx/screen_buffers.h"
#include "match/match.h"
#include "match/match_state.h"
#include "platform/game_state.h"

namespace {

const wchar_t* const TournamentFolder = L"GFX\\MENU\\UI TOURNAMENT\\";
const wchar_t* const ClassNames[3] = {L"Guest", L"Member", L"Elite"};

struct ButtonPlace {
  const wchar_t* normal;
  const wchar_t* pressed;
  std::int16_t x, y;
};
// Start and Next share one place, Back and Surrender the other.
const ButtonPlace TournamentButtons[4] = {
    {L"TournamentStartON.QXG", L"TournamentStartOFF.QXG", 0, 304},
    {L"TournamentSurrenderON.QXG", L"TournamentSurrenderOFF.QXG", 174, 304},
    {L"TournamentNEXTon.QXG", L"TournamentNEXToff.QXG", 0, 304},
    {L"TournamentBackON.QXG", L"TournamentBackOFF.QXG", 174, 304},
};
constexpr std::int16_t DeckX = 207, DeckY = 0;

// The bracket's places.
constexpr int TitleX = 70, TitleY = 44;
constexpr int HighlightTint = 3;
constexpr int FeeRight = 108, PrizeRight = 225, PurseRow = 275;

void DrawRightAligned(const std::wstring& text, int right, int y, int buffer) {
  DrawText(text, right - TextWidth(GameFont, text), y, GameFont, buffer);
}

void CountUp(std::int16_t& counter) {
  if (counter < 32767) ++counter;
}

}  // namespace

std::wstring NeedFeeText(std::int32_t fee) {
  return L"I can't join this tournament. I need " + DecimalText(fee) + L" Credits";
}

std::wstring FeeQuestionText(std::int32_t fee) {
  return L"It will cost me " + DecimalText(fee) + L" Credits to play this game.";
}

std::wstring ClosingText(int roundsWon, const TournamentPurse& purse) {
  switch (roundsWon) {
    case 0:
      return L"Well, it seems that I REALLY need some training.";
    case 1:
      return L"Looks like I need some more practice.";
    case 2:
      return L"Not that bad, maybe next time I'll reach the final. ";
    case 3:
      return L"Yeahhh! I finished 2nd, little bit work and I'll be the champion. I won " +
             DecimalText(purse.runnerUpPrize) + L" Credits!";
    default:
      return L"Woohooo! I won the tournament, and " + DecimalText(purse.prize) + L" Credits!";
  }
}

TournamentScreen::TournamentScreen(int opponentClass)
    : tournamentClass_(static_cast<std::int8_t>(opponentClass < 0 || opponentClass > 2 ? 0 : opponentClass)) {
  LoadPictures();
  ShowEnteredButtons(false);
  DrawUpBracket(bracket_);
  round_ = 0;
  state_ = NotEntered;
  if (picture_.Width() == 240 && picture_.Height() == 320)
    DrawFullScreen(picture_.Pixels(), 1);
  else
    ClearBuffer(1);
}

void TournamentScreen::LoadPictures() {
  if (loadedClass_ == tournamentClass_) return;
  loadedClass_ = tournamentClass_;
  const std::wstring folder = TournamentFolder;
  const std::wstring stem = folder + L"Tournament" + ClassNames[tournamentClass_];
  picture_ = Image();
  emptyPicture_ = Image();
  LoadImageFile(stem + L"PIX.QXG", picture_, true);
  LoadImageFile(stem + L"Empty.QXG", emptyPicture_, true);
  if (versusPicture_.Width() == 0) LoadImageFile(folder + L"VStournoi.QXG", versusPicture_, true);
  for (int i = 0; i < 4; ++i) {
    Image normal, pressed;
    LoadImageFile(folder + TournamentButtons[i].normal, normal, true);
    LoadImageFile(folder + TournamentButtons[i].pressed, pressed, true);
    const std::uint8_t hidden = buttons_[i].hidden;
    InitButton(buttons_[i], TournamentButtons[i].x, TournamentButtons[i].y, std::move(pressed), std::move(normal),
               false);
    SetButtonHidden(buttons_[i], hidden != 0);
  }
  // The deck button looks like the room's own picture until it is pressed.
  Image deckPressed;
  LoadImageFile(L"GFX\\MENU\\AllPartyDeck.QXJ", deckPressed, true);
  Image deckNormal = CropImage(emptyPicture_, DeckX, DeckY, deckPressed.Width(), deckPressed.Height());
  InitButton(buttons_[DeckButton], DeckX, DeckY, std::move(deckPressed), std::move(deckNormal), false);
}

void TournamentScreen::ShowEnteredButtons(bool entered) {
  SetButtonHidden(buttons_[Start], entered);
  SetButtonHidden(buttons_[Back], entered);
  SetButtonHidden(buttons_[Next], !entered);
  SetButtonHidden(buttons_[Surrender], !entered);
}

void TournamentScreen::Enter() { Redraw(0); }

// -- drawing ------------------------------------------------------------------

std::wstring TournamentScreen::NameOf(std::uint8_t participant) const {
  if (participant == BracketPlayer) return CurrentPlayer.name;
  if (participant >= 15) return L"";
  return RosterOpponent(participant, tournamentClass_).name;
}

void TournamentScreen::DrawCreditsLine(int buffer) const {
  // The credits end left of the Deck button, which would hide them.
  const std::wstring text = DecimalText(CurrentPlayer.credits) + L" " + L"Credits";
  DrawTextTinted(text, DeckX - 3 - TextWidth(GameFont, text), 4, GameFont, 3, buffer);
}

void TournamentScreen::DrawBracket(int buffer, bool results) const {
  const int pitch = LineHeight(GameFont) + 5;
  const int pairStep = 2 * pitch + 15;
  if (round_ >= FinishedRound) {
    DrawRightAligned(L"WINNER : " + NameOf(BracketLeader(bracket_)), 165, 120, buffer);
    return;
  }
  const std::wstring number = DecimalText(round_ + 1);
  DrawText(results ? L"RESULT ROUND " + number : L"ROUND " + number, TitleX, TitleY, GameFont, buffer);
  const int players = BracketSize >> round_;
  for (int a = 0; a < players; a += 2) {
    const int pair = a / 2;
    int right = 165, versusX = 167, top = round_ == 1 ? 80 : 120, row = pair;
    if (round_ == 0) {
      const bool second = pair >= 4;
      right = second ? 215 : 104;
      versusX = second ? 217 : 106;
      top = 80;
      row = pair % 4;
    }
    const int y = top + row * pairStep;
    for (int k = 0; k < 2; ++k) {
      const BracketSlot& s = bracket_.slots[a + k];
      const std::wstring name = NameOf(s.participant);
      const int x = right - TextWidth(GameFont, name);
      // In the results the pair's winner is the one still in.
      if (results && s.out == 0)
        DrawTextTinted(name, x, y + k * pitch, GameFont, HighlightTint, buffer);
      else
        DrawText(name, x, y + k * pitch, GameFont, buffer);
    }
    DrawKeyed(versusX, y, versusPicture_, buffer);
  }
}

void TournamentScreen::Redraw(int buffer) {
  if (emptyPicture_.Width() == 240 && emptyPicture_.Height() == 320)
    DrawFullScreen(emptyPicture_.Pixels(), buffer);
  else
    ClearBuffer(buffer);
  DrawCreditsLine(buffer);
  for (const ScreenButton& b : buttons_) DrawButton(b, buffer);
  const TournamentPurse& purse = PurseOf(tournamentClass_);
  DrawRightAligned(DecimalText(purse.fee), FeeRight, PurseRow, buffer);
  DrawRightAligned(DecimalText(purse.prize), PrizeRight, PurseRow, buffer);
  if (state_ == BracketShown || state_ == WinnerShown)
    DrawBracket(buffer, false);
  else if (state_ == ResultsShown)
    DrawBracket(buffer, true);
}

// -- the tournament -----------------------------------------------------------

void TournamentScreen::Join() {
  const TournamentPurse& purse = PurseOf(tournamentClass_);
  prize_ = purse.prize;
  runnerUpPrize_ = purse.runnerUpPrize;
  if (!ClassOpen(tournamentClass_)) {
    RoomOkBox(ClosedTableText(tournamentClass_));
    return;
  }
  if (CurrentPlayer.credits < purse.fee) {
    RoomOkBox(NeedFeeText(purse.fee));
    return;
  }
  if (CurrentPlayer.deck.count < DeckSize) {
    RoomOkBox(L"Not enough cards in my selected deck.");
    return;
  }
  if (CurrentPlayer.credits <= 3 * purse.fee && !RoomOkCancelBox(FeeQuestionText(purse.fee))) return;
  SubCredits(CurrentPlayer, purse.fee);
  std::int16_t& played = DuelStats.tourneysPlayed[tournamentClass_];
  const std::int16_t playedBefore = played;
  CountUp(played);
  // The fee is kept at once; an entry that cannot be written down is not taken.
  if (!SaveCharacter()) {
    AddCredits(CurrentPlayer, purse.fee);
    played = playedBefore;
    Redraw(0);
    RoomOkBox(L"Error !\n\nThe entry could not be saved.\nI did not join.");
    return;
  }
  joined_ = true;
  state_ = ShowBracket;
  ShowEnteredButtons(true);
  Redraw(0);
}

void TournamentScreen::PlayRound() {
  lastRound_ = PlayBracketRound(bracket_, tournamentClass_);
  playerPair_ = lastRound_.playerPair;
  if (playerPair_ >= 0) {
    opponent_ = lastRound_.opponent;
    state_ = DuelRunning;
    StartClubDuel(opponent_, tournamentClass_);
  } else {
    state_ = ShowResults;
  }
}

void TournamentScreen::BookDuel() {
  PlayClubMusic();
  const int a = playerPair_;
  const bool playerFirst = bracket_.slots[a].participant == BracketPlayer;
  const int playerSlot = playerFirst ? a : a + 1;
  const int opponentSlot = playerFirst ? a + 1 : a;
  OpponentResults& record = DuelStats.opponents[tournamentClass_][opponent_];
  switch (MatchResult) {
    case 0:
      CountUp(record.victories);
      roundsWon_ = static_cast<std::uint8_t>(round_ + 1);
      bracket_.slots[opponentSlot].out = 1;
      state_ = ShowResults;
      break;
    case 1:
      CountUp(record.defeats);
      bracket_.slots[playerSlot].out = 1;
      state_ = ShowResults;
      break;
    default:
      // A tie: the same match again at once.
      CountUp(record.ties);
      SaveCharacter();
      StartClubDuel(opponent_, tournamentClass_);
      return;
  }
  // Each booked round is kept at once.
  SaveCharacter();
}

void TournamentScreen::NextRound() {
  state_ = ShowBracket;
  AdvanceBracket(bracket_);
  ++round_;
}

void TournamentScreen::CloseTournament() {
  ShowEnteredButtons(false);
  const int won = roundsWon_;
  const bool paid = joined_;
  const TournamentPurse purse{PurseOf(tournamentClass_).fee, prize_, runnerUpPrize_};
  // The tournament is over before its message is shown: the prize is paid
  // and saved with the next tournament already drawn up, so no quick save can
  // find it still waiting to be paid.
  if (paid) {
    if (won == 3) AddCredits(CurrentPlayer, runnerUpPrize_);
    if (won >= 4) {
      AddCredits(CurrentPlayer, prize_);
      CountUp(DuelStats.tourneysWon[tournamentClass_]);
    }
  }
  roundsWon_ = 0;
  round_ = 0;
  state_ = NotEntered;
  DrawUpBracket(bracket_);
  if (paid) {
    SaveCharacter();
    RoomOkBox(ClosingText(won, purse));
  }
  Redraw(0);
}

void TournamentScreen::Frame() {
  switch (state_) {
    case ShowBracket:
      state_ = round_ >= FinishedRound ? WinnerShown : BracketShown;
      Redraw(0);
      break;
    case ShowResults:
      state_ = ResultsShown;
      Redraw(0);
      break;
    case DuelRunning:
      BookDuel();
      break;
    default:
      break;
  }
}

void TournamentScreen::ResumeFrame() {
  if (state_ == DuelRunning) {
    // Saved after the duel had ended but before it was booked: its result
    // did not survive the restart, so the match is played again rather than
    // booked from whatever the last result in memory says.
    StartClubDuel(opponent_, tournamentClass_);
    return;
  }
  Frame();
}

void TournamentScreen::StylusDown(int x, int y) {
  for (ScreenButton& b : buttons_) PressButton(b, x, y);
}

void TournamentScreen::FocusPlaces(std::vector<FocusPlace>& places) const {
  for (const ScreenButton& b : buttons_) AddButtonPlace(places, b);
}

bool TournamentScreen::StylusUp(int x, int y) {
  int released = -1;
  for (int i = 0; i < TournamentButtonCount; ++i) {
    const bool hit = ReleaseButton(buttons_[i], x, y);
    if (hit && released < 0) released = i;
  }
  switch (released) {
    case Start:
      if (state_ == NotEntered) Join();
      return false;
    case Surrender: {
      MessageBoxLayout layout;
      // "No" on the left, "Ok" on the right: only "Ok" leaves.
      return !RoomBox(L"Do you really want to leave this tournament ?", L"No", L"Ok", layout);
    }
    case Next:
      if (state_ == BracketShown)
        PlayRound();
      else if (state_ == ResultsShown)
        NextRound();
      else if (state_ == WinnerShown)
        CloseTournament();
      return false;
    case Back:
      return true;
    case DeckButton:
      OpenCardShop(static_cast<ClubScreen>(ScreenGuestTournament + tournamentClass_));
      return false;
    default:
      return false;
  }
}

// -- the quick save -----------------------------------------------------------

void TournamentScreen::SaveState(ByteWriter& out) const {
  out.U8(static_cast<std::uint8_t>(tournamentClass_));
  out.U8(round_);
  for (const BracketSlot& s : bracket_.slots) {
    out.U8(s.participant);
    out.U8(s.out);
  }
  out.U8(state_);
  out.U8(static_cast<std::uint8_t>(playerPair_));
  out.U8(static_cast<std::uint8_t>(opponent_));
  out.U8(joined_ ? 1 : 0);
  out.U8(joined_ ? 1 : 0);  // stored twice
  out.U8(roundsWon_);
  out.I16(prize_);
  out.I16(runnerUpPrize_);
}

bool TournamentScreen::LoadState(ByteReader& in) {
  const std::uint8_t cls = in.U8();
  const std::uint8_t round = in.U8();
  Bracket bracket;
  for (BracketSlot& s : bracket.slots) {
    s.participant = in.U8();
    s.out = in.U8();
  }
  const std::uint8_t state = in.U8();
  const auto pair = static_cast<std::int8_t>(in.U8());
  const auto opponent = static_cast<std::int8_t>(in.U8());
  const std::uint8_t joined = in.U8();
  const std::uint8_t joinedAgain = in.U8();
  const std::uint8_t roundsWon = in.U8();
  const std::int16_t prize = in.I16();
  const std::int16_t runnerUp = in.I16();
  if (!in.Ok() || cls > 2 || round > FinishedRound || state > 8 || joined > 1 || joinedAgain > 1 ||
      roundsWon > FinishedRound || pair < -1 || pair >= BracketSize || opponent < -1 || opponent >= 15)
    return false;
  // The players still in are distinct participants of this tournament.
  bool seen[BracketPlayer + 1] = {};
  for (const BracketSlot& s : bracket.slots) {
    if (s.out > 1 || (s.participant >= 15 && s.participant != BracketPlayer)) return false;
    if (s.out == 0) {
      if (seen[s.participant]) return false;
      seen[s.participant] = true;
    }
  }
  // A duel to book needs the character's pair against that opponent.
  if (state == DuelRunning) {
    if (pair < 0 || pair % 2 != 0 || opponent < 0) return false;
    const std::uint8_t a = bracket.slots[pair].participant, b = bracket.slots[pair + 1].participant;
    const bool mine = (a == BracketPlayer && b == opponent) || (b == BracketPlayer && a == opponent);
    if (!mine) return false;
  }
  tournamentClass_ = static_cast<std::int8_t>(cls);
  round_ = round;
  bracket_ = bracket;
  state_ = state;
  playerPair_ = pair;
  opponent_ = opponent;
  joined_ = joined == 1;
  roundsWon_ = roundsWon;
  prize_ = prize;
  runnerUpPrize_ = runnerUp;
  LoadPictures();
  // Start and Back only while not in a tournament; a tournament whose winner
  // is shown still has its closing Next (and its prize) to come.
  ShowEnteredButtons(!(state_ == 0 || state_ == NotEntered || state_ == 8));
  return true;
}

std::string TournamentScreen::Report() const {
  std::ostringstream out;
  out << "tournament = class " << static_cast<int>(tournamentClass_) << ", round " << static_cast<int>(round_)
      << ", state " << static_cast<int>(state_) << ", pair " << static_cast<int>(playerPair_) << ", opponent "
      << static_cast<int>(opponent_) << ", joined " << (joined_ ? 1 : 0) << ", roundsWon "
      << static_cast<int>(roundsWon_) << ", prize " << prize_ << " " << runnerUpPrize_ << "\n";
  out << "bracket =";
  for (const BracketSlot& s : bracket_.slots) out << " " << static_cast<int>(s.participant) << (s.out ? "x" : "");
  out << "\n";
  const DuelStatistics& d = DuelStats;
  out << "tourneys = won " << d.tourneysWon[tournamentClass_] << ", played " << d.tourneysPlayed[tournamentClass_]
      << "\n";
  return out.str();
}
