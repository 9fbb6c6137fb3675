// duel_replay_test.cpp -- computer against computer through the real duel states makes the simulator's moves.
#include <gtest/gtest.h>

#include <algorithm>

#include "core/random.h"
#include "data/card_database.h"
#include "engine/duel_flow.h"
#include "platform/game_state.h"
#include "tests/match/match_harness.h"

namespace {

// The simulator's transcript of the duel the match just played, from the match's own record.
std::string MatchTranscript(std::uint32_t seed, int blocks, Side first, const PlayerRecord& r0, const PlayerRecord& r1,
                            const std::string& moves) {
  std::string out =
      "duel " + std::to_string(seed) + " blocks " + std::to_string(blocks) + " first " + std::to_string(first) + "\n";
  const PlayerRecord* records[2] = {&r0, &r1};
  for (int s = 0; s < 2; ++s) {
    out += "deck ";
    out += std::to_string(s);
    for (const Card& c : records[s]->deck.slots) {
      out += ' ';
      out += std::to_string(c.id);
    }
    out += "\n";
  }
  return out + moves;
}

std::string BlockedLine(const Board& board) {
  std::string out = "blocked";
  for (int x = 0; x < BoardColumns; ++x)
    for (int y = 0; y < BoardRows; ++y)
      if (board.At(x, y).owner == NoSide && !board.At(x, y).free) {
        out += ' ';
        out += std::to_string(x) + "," + std::to_string(y);
      }
  return out + "\n";
}

struct ReplayCase {
  std::uint32_t seed;
  int class0, tier0, class1, tier1;
};

class DuelReplay : public ::testing::TestWithParam<ReplayCase> {};

TEST_P(DuelReplay, MatchStatesMakeTheSimulatorsMoves) {
  SetUpMatchTable();
  const ReplayCase c = GetParam();
  static PlayerRecord red, blue;
  red.name = L"RED";
  blue.name = L"BLUE";
  red.kind = blue.kind = KindComputer;
  red.levelCode = static_cast<std::uint8_t>(c.class0 * 10 + c.tier0);
  blue.levelCode = static_cast<std::uint8_t>(c.class1 * 10 + c.tier1);
  InClub = 0;
  SeedRandom(c.seed);
  const int blocks = Random(5) + 2;
  BeginDuel(red, blue, blocks);
  const Side first = TheMatch.currentSide;
  const std::string blocked = BlockedLine(TheMatch.board);
  ASSERT_TRUE(PlayUntil(MatchState::MatchOver, LocalStyle::Strong));
  ASSERT_EQ(TheMatch.state, MatchState::MatchOver);

  int c0 = 0, c1 = 0;
  CountCards(TheMatch.board, c0, c1);
  std::string end = "end " + std::to_string(c0) + " " + std::to_string(c1) + " result " + std::to_string(MatchResult) +
                    " perfect " + (IsPerfect(TheMatch.board) ? "1" : "0") + " rewards";
  for (int k = TheMatch.rewardCount; k >= 1; --k) {
    end += ' ';
    end += std::to_string(TheMatch.rewardCards[k]);
  }
  end += "\n";
  std::string ours = MatchTranscript(c.seed, blocks, first, red, blue, "") + blocked + TranscriptOfEvents() + end;

  std::string theirs =
      RunTool("duel --data '" + std::string(DUSKHAVEN_MATCH_TEST_DATA) + "' --seed " + std::to_string(c.seed) +
              " --red " + std::to_string(c.class0) + ":" + std::to_string(c.tier0) + " --blue " +
              std::to_string(c.class1) + ":" + std::to_string(c.tier1));
  // The simulator ends with its summary line.
  const std::size_t summary = theirs.rfind("summary");
  ASSERT_NE(summary, std::string::npos) << theirs;
  theirs.resize(summary);
  EXPECT_EQ(ours, theirs);
  // A whole duel: at least one placement per free cell.
  EXPECT_GE(std::count(ours.begin(), ours.end(), '\n'), 4 + 24 - blocks);
}

INSTANTIATE_TEST_SUITE_P(Seeds, DuelReplay,
                         ::testing::Values(ReplayCase{1, 0, 0, 0, 0}, ReplayCase{2, 1, 2, 0, 3},
                                           ReplayCase{77, 2, 3, 2, 0}, ReplayCase{4242, 0, 1, 2, 2},
                                           ReplayCase{90001, 1, 0, 1, 3}));

}  // namespace
