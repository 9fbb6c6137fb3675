// match_harness.cpp -- the headless duel table the match tests play on.
#include "tests/match/match_harness.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>

#include "core/random.h"
#include "data/card_database.h"
#include "data/roster.h"
#include "engine/computer_opponent.h"
#include "engine/evaluation.h"
#include "engine/fight.h"
#include "match/match_boxes.h"
#include "platform/clock.h"
#include "platform/file_system.h"
#include "platform/game_state.h"
#include "platform/messages.h"
#include "tests/support/game_folders.h"
#include "tests/support/headless_table.h"

std::vector<BoxRecord> ShownBoxes;
std::vector<bool> BoxAnswers;
std::vector<MatchEvent> Events;

namespace {

bool AnswerBox(const std::wstring& text, const std::wstring& left, const std::wstring& right) {
  ShownBoxes.push_back({text, left, right});
  if (left.empty() && right.empty()) return false;
  if (!BoxAnswers.empty()) {
    bool a = BoxAnswers.front();
    BoxAnswers.erase(BoxAnswers.begin());
    return a;
  }
  return right.empty();
}

void Observe(const MatchEvent& e) { Events.push_back(e); }

// The forged data set seen through links, with a SAVE folder of this test
// program's own: tests running side by side never share a save file.
std::string PrivateInstallDir() {
  const std::string folder = test_support::FolderRemovedAtExit("duskhaven-match");
  if (folder.empty()) return DUSKHAVEN_MATCH_TEST_DATA;
  test_support::LinkedInstall(folder, DUSKHAVEN_MATCH_TEST_DATA);
  return folder;
}

}  // namespace

void SetUpMatchTable() {
  static bool ready = false;
  if (!ready) {
    ready = true;
    ASSERT_NO_FATAL_FAILURE(test_support::StartHeadlessTable(PrivateInstallDir()));
    LoadRoster();
    SetUpMatchScreen();
    SetMatchBoxAnswerer(AnswerBox);
    SetMatchEventObserver(Observe);
  }
  ShownBoxes.clear();
  BoxAnswers.clear();
  Events.clear();
  platform::ResetMessageQueue();
}

void Tap(int x, int y) {
  MatchStylusDown(x, y);
  MatchStylusUp(x, y);
}

void MakeCharacter(PlayerRecord& record, const std::wstring& name, const std::vector<int>& doubles) {
  ResetPlayer(record);
  record.name = name;
  record.kind = KindLocal;
  record.slot = 255;
  EmptyDeck(record.deck);
  // Sixteen cards spread over the four levels.
  const int q = CardCount() / 4;
  for (int i = 0; i < DeckSize; ++i) {
    const int id = (i % 4) * q + 1 + i / 4 * 3;
    record.deck.slots[i] = LoadCard(id);
    ++record.deck.count;
    AddCopy(record, id);
  }
  for (int id : doubles) AddCopy(record, id);
}

namespace {

// The local side's choice of move, made by the engine on its behalf.
bool LocalChoice(LocalStyle style, MoveChoice& move) {
  Match& m = TheMatch;
  const Side side = LocalSide();
  const Hand& hand = m.hands[side];
  if (style == LocalStyle::FirstFree) {
    for (int slot = 0; slot < HandSize; ++slot) {
      if (!hand.Occupied(slot)) continue;
      for (int x = 0; x < BoardColumns; ++x)
        for (int y = 0; y < BoardRows; ++y)
          if (CanPlace(m.board, hand.Get(slot), x, y)) {
            move.slot = slot;
            move.x = x;
            move.y = y;
            return true;
          }
    }
    move.slot = TakeCardSlot;
    return !m.piles[side].Empty();
  }
  m.duel.aiLevel = style == LocalStyle::Strong ? 2 : 0;
  return ChooseMove(m.duel, m.board, hand, m.piles[side].count, side, move);
}

void Drag(int slot, int x, int y) {
  // Grab the card near its top-left corner, so the drop lands in the cell.
  const int sx = 62 + 35 * slot + 5, sy = 264 + 5;
  MatchStylusDown(sx, sy);
  MatchStylusMove(sx + 10, sy - 10);
  const int tx = 40 * x + 4 + 5, ty = 58 * y + 4 + 5;
  MatchStylusMove(tx, ty);
  MatchStylusUp(tx, ty);
}

}  // namespace

void PlayLocalStep(LocalStyle style) {
  Match& m = TheMatch;
  const Side side = LocalSide();
  switch (m.state) {
    case MatchState::TapMove: {
      MoveChoice move;
      if (!LocalChoice(style, move)) return;
      if (move.slot == TakeCardSlot)
        Tap(30, 280);
      else
        Drag(move.slot, move.x, move.y);
      break;
    }
    case MatchState::TapAttack:
    case MatchState::TapMultiHit: {
      AttackChoice choice;
      m.duel.aiLevel = style == LocalStyle::Strong ? 2 : 0;
      const bool chain = m.state == MatchState::TapMultiHit;
      bool ok = chain ? ChooseChainAttack(m.duel, m.board, m.chainSide, m.attacker.x, m.attacker.y, choice)
                      : ChooseAttack(m.duel, m.board, side, m.attacker.x, m.attacker.y, choice);
      if (style == LocalStyle::FirstFree || !ok) {
        FirstAttackTarget(m.board, m.attacker.x, m.attacker.y, choice.x, choice.y);
      }
      Tap(40 * choice.x + 4 + 16, 58 * choice.y + 4 + 25);
      break;
    }
    case MatchState::TieWait:
      Tap(120, 160);
      break;
    default:
      break;
  }
}

bool PlayUntil(MatchState stopAt, LocalStyle style, int frameLimit) {
  for (int i = 0; i < frameLimit; ++i) {
    if (InClub) return true;
    if (TheMatch.state == stopAt) return true;
    if (TheMatch.state == MatchState::CoinToss) {
      platform::Message tap;
      tap.kind = platform::MessageKind::StylusDown;
      tap.x = 120;
      tap.y = 160;
      platform::PostMessage(tap);
    }
    PlayLocalStep(style);
    MatchFrame();
    platform::SleepMs(16);  // as the main loop's present: the next 1/60 s
  }
  return false;
}

bool PlayToEnd(LocalStyle style, int frameLimit) { return PlayUntil(static_cast<MatchState>(255), style, frameLimit); }

void StartDuelAtTheLocalFirstMove() {
  SetUpMatchTable();
  MakeCharacter(CurrentPlayer, L"TESTER");
  for (std::uint32_t seed = 1;; ++seed) {
    SeedRandom(seed);
    StartClubDuel(0, 0);
    ASSERT_TRUE(PlayUntil(MatchState::TapMove, LocalStyle::Strong));
    if (TheMatch.hands[0].Count() == HandSize) break;  // no card placed yet by the local side
  }
  Events.clear();
}

std::string TranscriptOfEvents() {
  std::string out;
  int turn = 0;
  auto cell = [](int x, int y) { return std::to_string(x) + "," + std::to_string(y); };
  for (const MatchEvent& e : Events) {
    switch (e.kind) {
      case MatchEvent::Place:
        out += std::to_string(++turn) + " " + std::to_string(e.side) + " place " + std::to_string(e.slot) + " " +
               std::to_string(e.id) + " " + cell(e.ax, e.ay) + " " + std::to_string(e.score) + "\n";
        break;
      case MatchEvent::Draw:
        out += std::to_string(++turn) + " " + std::to_string(e.side) + " draw " + std::to_string(e.id) + "\n";
        break;
      case MatchEvent::Pass:
        out += std::to_string(++turn) + " " + std::to_string(e.side) + " pass\n";
        break;
      case MatchEvent::Attack:
      case MatchEvent::Chain:
        out += std::string(e.kind == MatchEvent::Attack ? "attack " : "chain ") + cell(e.ax, e.ay) + " " +
               cell(e.tx, e.ty) + " " + std::to_string(e.winner) + "\n";
        break;
    }
  }
  return out;
}

std::string RunTool(const std::string& arguments) {
  std::string command = std::string(DUSKHAVEN_TOOL_PATH) + " " + arguments;
  std::string out;
  FILE* pipe = popen(command.c_str(), "r");
  if (!pipe) return out;
  char buffer[4096];
  std::size_t n;
  while ((n = std::fread(buffer, 1, sizeof buffer, pipe)) > 0) out.append(buffer, n);
  pclose(pipe);
  return out;
}
