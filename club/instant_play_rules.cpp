// instant_play_rules.cpp -- bets, payouts, open tables and the booking of an instant-play result.
#include "club/instant_play_rules.h"

#include <limits>

#include "core/decimal_text.h"
#include "data/duel_stats.h"
#include "data/player_record.h"

const InstantStakes InstantPlayStakes[3] = {{10, 40, 10}, {50, 100, 50}, {100, 200, 100}};

const InstantStakes& StakesOf(int opponentClass) {
  if (opponentClass < 0 || opponentClass >= OpponentClasses) opponentClass = 0;
  return InstantPlayStakes[opponentClass];
}

bool ClassOpen(int opponentClass) {
  if (opponentClass <= 0) return true;
  if (opponentClass >= OpponentClasses) return false;
  const int below = opponentClass - 1;
  if (DuelStats.tourneysWon[below] == 0) return false;
  for (const OpponentResults& r : DuelStats.opponents[below])
    if (r.victories < 1) return false;
  return true;
}

const wchar_t* ClosedTableText(int opponentClass) {
  if (opponentClass == 2)
    return L"I can't play on this table, I need to have beaten all members players, and won the member's tourney.";
  return L"I can't play on this table, I need to have beaten all guests players, and won the guest's tourney.";
}

std::wstring NeedBetText(std::int32_t bet) {
  return L"I can't join this game.\nI need " + DecimalText(bet) + L" Credits!";
}

namespace {

// A counter stops at the largest number it can hold instead of turning negative.
void CountOne(std::int16_t& counter) {
  if (counter < std::numeric_limits<std::int16_t>::max()) ++counter;
}

}  // namespace

std::int32_t BookInstantResult(int row, int opponentClass, std::uint8_t result) {
  if (row < 0 || row >= OpponentsPerClass || opponentClass < 0 || opponentClass >= OpponentClasses) return 0;
  OpponentResults& r = DuelStats.opponents[opponentClass][row];
  const InstantStakes& s = StakesOf(opponentClass);
  std::int32_t paid = 0;
  switch (result) {
    case 0:
      CountOne(r.victories);
      paid = s.paidOnWin;
      break;
    case 1:
      CountOne(r.defeats);
      break;
    case 2:
      CountOne(r.ties);
      paid = s.paidOnTie;
      break;
    default:
      return 0;  // no result to book
  }
  AddCredits(CurrentPlayer, paid);
  return paid;
}
