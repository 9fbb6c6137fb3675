// duel_simulator_test.cpp -- duel transcripts: replayed against the rules, pinned by a golden file.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <map>
#include <set>
#include <sstream>
#include <vector>

#include "data/card_database.h"
#include "engine/board.h"
#include "engine/fight.h"
#include "platform/file_system.h"
#include "tests/engine/literal_search.h"
#include "tests/tools/duel_test_data.h"
#include "tools/tool/duel_options.h"
#include "tools/tool/duel_simulator.h"

namespace {

class DuelSimulator : public ::testing::Test {
 protected:
  void SetUp() override { ASSERT_TRUE(OpenTinyCardSet(TestFolder("cards48"), 48)); }
  void TearDown() override { CloseCardDatabase(); }
};

std::string Play(std::uint32_t seed, std::uint64_t count, const DuelPlan& plan, DuelTally& tally, int jobs = 1) {
  std::string text, error;
  EXPECT_TRUE(PlayDuels(
      seed, count, plan, [&](const std::string& s) { text += s; }, tally, error, jobs))
      << error;
  return text;
}

bool ReadCell(const std::string& word, int& x, int& y) {
  std::size_t comma = word.find(',');
  if (comma == std::string::npos) return false;
  x = std::stoi(word.substr(0, comma));
  y = std::stoi(word.substr(comma + 1));
  return InBounds(x, y);
}

// Replays one duel's transcript on a board and checks every line against the
// rules of placing, fighting and chaining; returns the result it saw.
int ReplayDuel(const std::vector<std::string>& lines) {
  Board board;
  std::istringstream head(lines.at(0));
  std::string word;
  unsigned seed = 0;
  int blocks = 0, first = 0;
  head >> word >> seed >> word >> blocks >> word >> first;
  EXPECT_GE(blocks, 2);
  EXPECT_LE(blocks, 6);
  std::vector<int> decks[2];
  for (int s = 0; s < 2; ++s) {
    std::istringstream in(lines.at(1 + static_cast<std::size_t>(s)));
    int side;
    in >> word >> side;
    EXPECT_EQ(word, "deck");
    EXPECT_EQ(side, s);
    int id;
    while (in >> id) decks[s].push_back(id);
    EXPECT_EQ(decks[s].size(), 16u);
    EXPECT_EQ(std::set<int>(decks[s].begin(), decks[s].end()).size(), 16u) << "a deck holds no id twice";
  }
  {
    std::istringstream in(lines.at(3));
    in >> word;
    EXPECT_EQ(word, "blocked");
    int n = 0, x, y;
    while (in >> word) {
      EXPECT_TRUE(ReadCell(word, x, y));
      BlockCell(board, x, y);
      ++n;
    }
    EXPECT_EQ(n, blocks);
  }
  std::multiset<int> unplayed[2] = {{decks[0].begin(), decks[0].end()}, {decks[1].begin(), decks[1].end()}};
  int expectedTurn = 1;
  Side side = static_cast<Side>(first);
  // What the rules say must come next: nothing, or a chain from this cell.
  bool chainDue = false, attackDue = false;
  int chainX = 0, chainY = 0, placedX = 0, placedY = 0, placedTargets = 0;
  std::size_t i = 4;
  for (; i < lines.size(); ++i) {
    std::istringstream in(lines[i]);
    in >> word;
    if (word == "attack" || word == "chain") {
      std::string a, t;
      int w;
      in >> a >> t >> w;
      int ax, ay, tx, ty;
      EXPECT_TRUE(ReadCell(a, ax, ay) && ReadCell(t, tx, ty)) << lines[i];
      if (word == "attack") {
        EXPECT_TRUE(attackDue) << lines[i];
        EXPECT_EQ(ax, placedX);
        EXPECT_EQ(ay, placedY);
        if (placedTargets == 1) {
          int fx, fy;
          EXPECT_TRUE(FirstAttackTarget(board, ax, ay, fx, fy));
          EXPECT_EQ(fx, tx) << "a single target is attacked without a choice";
          EXPECT_EQ(fy, ty);
        }
      } else {
        EXPECT_TRUE(chainDue) << lines[i];
        EXPECT_EQ(ax, chainX);
        EXPECT_EQ(ay, chainY);
      }
      EXPECT_TRUE(CanAttack(board, ax, ay, tx, ty)) << lines[i];
      Side attackSide = CellOwner(board, ax, ay);
      Side got = ResolveFight(board, ax, ay, tx, ty);
      EXPECT_EQ(got, w) << lines[i];
      chainDue = false;
      if (got == attackSide) {
        if (CountAttackTargets(board, tx, ty) >= 1 && IconsFaceEachOther(board, ax, ay, tx, ty)) {
          chainDue = true;
          chainX = tx;
          chainY = ty;
        }
      } else if (got != NoSide && word == "attack" && CountAttackTargets(board, ax, ay) >= 1) {
        chainDue = true;
        chainX = ax;
        chainY = ay;
      }
      attackDue = false;
      continue;
    }
    EXPECT_FALSE(chainDue) << "a chain was due before: " << lines[i];
    EXPECT_FALSE(attackDue) << "an attack was due before: " << lines[i];
    if (word == "end") break;
    if (expectedTurn > 1 && !BoardFull(board)) side = Opponent(side);
    int turn = std::stoi(word);
    int who;
    std::string what;
    in >> who >> what;
    EXPECT_EQ(turn, expectedTurn++);
    EXPECT_EQ(who, side) << "sides alternate";
    if (what == "place") {
      int slot, id, score;
      std::string cell;
      in >> slot >> id >> cell >> score;
      int x, y;
      EXPECT_TRUE(ReadCell(cell, x, y));
      EXPECT_TRUE(slot >= 0 && slot < 5);
      EXPECT_TRUE(board.At(x, y).free) << lines[i];
      auto it = unplayed[side].find(id);
      EXPECT_TRUE(it != unplayed[side].end()) << "card from the side's own deck: " << lines[i];
      if (it != unplayed[side].end()) unplayed[side].erase(it);
      Card card = LoadCard(id);
      placedTargets = ThreatCount(board, card, x, y, side);
      PlaceCard(board, card, x, y, side);
      attackDue = placedTargets > 0;
      placedX = x;
      placedY = y;
    } else if (what == "draw") {
      int id;
      in >> id;
      EXPECT_TRUE(unplayed[side].count(id)) << lines[i];
    } else {
      EXPECT_EQ(what, "pass");
    }
  }
  EXPECT_LT(i, lines.size()) << "the duel has an end line";
  EXPECT_TRUE(BoardFull(board));
  std::istringstream end(lines.at(i));
  int c0, c1, result, perfect;
  end >> word >> c0 >> c1 >> word >> result >> word >> perfect >> word;
  int b0, b1;
  CountCards(board, b0, b1);
  EXPECT_EQ(c0, b0);
  EXPECT_EQ(c1, b1);
  EXPECT_EQ(c0 + c1 + blocks, BoardCells);
  EXPECT_EQ(result, c0 > c1 ? 0 : (c0 == c1 ? 2 : 1));
  EXPECT_EQ(perfect, (c0 == 0 || c1 == 0) ? 1 : 0);
  std::vector<int> rewards;
  int id;
  while (end >> id) rewards.push_back(id);
  std::size_t due = result == 2 ? 0 : (result == 1 ? 1 : static_cast<std::size_t>(std::min(4, (c0 + 3) / (c1 + 1))));
  Side loser = result == 0 ? 1 : 0;
  std::set<int> loserIds;
  for (const Cell& c : board.cells)
    if (c.owner == loser && c.card.id <= CardCount()) loserIds.insert(c.card.id);
  EXPECT_EQ(rewards.size(), std::min(due, loserIds.size()));
  EXPECT_EQ(std::set<int>(rewards.begin(), rewards.end()).size(), rewards.size());
  for (int r : rewards) EXPECT_TRUE(loserIds.count(r)) << "a reward comes from the loser's cells";
  return result;
}

// Splits a transcript into duels (each starting with its "duel" line) and the summary.
std::vector<std::vector<std::string>> SplitDuels(const std::string& text, std::string& summary) {
  std::vector<std::vector<std::string>> duels;
  std::istringstream in(text);
  std::string line;
  while (std::getline(in, line)) {
    if (line.rfind("duel ", 0) == 0) duels.emplace_back();
    if (line.rfind("summary ", 0) == 0)
      summary = line;
    else if (!duels.empty())
      duels.back().push_back(line);
  }
  return duels;
}

}  // namespace

TEST_F(DuelSimulator, TranscriptsFollowTheRulesForEveryPairing) {
  for (int c0 = 0; c0 < 3; ++c0)
    for (int c1 = 0; c1 < 3; ++c1) {
      DuelPlan plan;
      plan.sides[0] = {c0, (c0 + c1) % 4};
      plan.sides[1] = {c1, (2 * c0 + c1 + 1) % 4};
      DuelTally tally;
      std::string summary;
      auto duels = SplitDuels(Play(100u * static_cast<unsigned>(c0 * 3 + c1), 12, plan, tally), summary);
      ASSERT_EQ(duels.size(), 12u);
      int wins[3] = {0, 0, 0};
      for (const auto& d : duels) {
        int r = ReplayDuel(d);
        if (r >= 0 && r <= 2) ++wins[r];
        if (HasFailure()) {
          ADD_FAILURE() << "in duel: " << d.front();
          return;
        }
      }
      EXPECT_EQ(summary, "summary duels 12 red " + std::to_string(wins[0]) + " blue " + std::to_string(wins[1]) +
                             " ties " + std::to_string(wins[2]));
    }
}

TEST_F(DuelSimulator, SameSeedSameTranscriptAndQuietGivesTheSameSummary) {
  DuelPlan plan;
  plan.sides[0] = {2, 3};
  DuelTally a, b, quietTally;
  std::string first = Play(7, 5, plan, a);
  EXPECT_EQ(Play(7, 5, plan, b), first);
  plan.transcript = false;
  std::string quiet = Play(7, 5, plan, quietTally);
  EXPECT_EQ(quiet, SummaryLine(a) + "\n");
  // Each seed of a run is its own duel: seed 9 alone is the third duel of the run from 7.
  plan.transcript = true;
  DuelTally one;
  std::string alone = Play(9, 1, plan, one);
  std::string unusedSummary;
  auto duels = SplitDuels(first, unusedSummary);
  auto single = SplitDuels(alone, unusedSummary);
  ASSERT_EQ(duels.size(), 5u);
  ASSERT_EQ(single.size(), 1u);
  EXPECT_EQ(single[0], duels[2]);
}

TEST_F(DuelSimulator, WholeDuelsMatchTheStepByStepSearch) {
  DuelDeciders literal;
  literal.chooseMove = LiteralMoveDecision;
  literal.chooseAttack = LiteralAttackDecision;
  literal.chooseChainAttack = LiteralChainDecision;
  for (int c = 0; c < 3; ++c) {
    DuelPlan fast;
    fast.sides[0] = {c, 3};
    fast.sides[1] = {2 - c, 1};
    DuelPlan reference = fast;
    reference.deciders = literal;
    DuelTally a, b;
    EXPECT_EQ(Play(500u + static_cast<unsigned>(c) * 10u, 6, fast, a),
              Play(500u + static_cast<unsigned>(c) * 10u, 6, reference, b));
  }
}

TEST_F(DuelSimulator, SeedsWrapAfterTheLastOne) {
  DuelPlan plan;
  DuelTally tally;
  std::string summary;
  auto duels = SplitDuels(Play(4294967295u, 2, plan, tally), summary);
  ASSERT_EQ(duels.size(), 2u);
  EXPECT_EQ(duels[0][0].rfind("duel 4294967295 ", 0), 0u);
  EXPECT_EQ(duels[1][0].rfind("duel 0 ", 0), 0u);
}

TEST_F(DuelSimulator, ThreadsPrintTheSameTranscriptInTheSameOrderAsOne) {
  DuelPlan plan;
  plan.sides[0] = {2, 3};
  plan.sides[1] = {1, 2};
  DuelTally alone;
  // Several batches, the last one short, across the wrap of the seed.
  const std::uint32_t first = 4294967295u - 150u;
  const std::string one = Play(first, 300, plan, alone, 1);
  for (int jobs : {2, 3}) {
    DuelTally tally;
    EXPECT_EQ(Play(first, 300, plan, tally, jobs), one) << jobs << " jobs";
    EXPECT_EQ(tally.duels, 300u);
  }
  // Each thread's decision times are added to the caller's.
  plan.transcript = false;
  DecisionTimes times;
  plan.times = &times;
  DuelTally timed;
  Play(first, 40, plan, timed, 2);
  EXPECT_GT(times.decisions[1] + times.decisions[2], 40u);
  EXPECT_EQ(times.decisions[0], 0u);
}

TEST(DuelSimulatorData, AFailingRunOnThreadsFailsAsItDoesOnOne) {
  ASSERT_TRUE(OpenTinyCardSet(TestFolder("cards8"), 8));
  DuelPlan plan;
  for (int jobs : {1, 2}) {
    std::string text, error;
    DuelTally tally;
    EXPECT_FALSE(PlayDuels(
        1, 500, plan, [&](const std::string& s) { text += s; }, tally, error, jobs));
    EXPECT_NE(error.find("deck"), std::string::npos) << error;
    EXPECT_EQ(text, "") << jobs << " jobs";
    EXPECT_EQ(tally.duels, 0u);
  }
  CloseCardDatabase();
}

// Three seeds of three pairings on the 48-card set. After a deliberate change
// of play, regenerate with DUSKHAVEN_UPDATE_GOLDEN=1.
TEST_F(DuelSimulator, GoldenTranscriptOfAFewSeeds) {
  ASSERT_TRUE(OpenTinyCardSet(TestFolder("golden"), 48));
  std::string text;
  DuelTally tally;
  const DuelSidePlan pairings[3][2] = {{{0, 0}, {0, 0}}, {{2, 3}, {0, 0}}, {{1, 2}, {2, 1}}};
  for (const auto& p : pairings) {
    DuelPlan plan;
    plan.sides[0] = p[0];
    plan.sides[1] = p[1];
    text += Play(1, 3, plan, tally);
  }
  const char* goldenPath = DUSKHAVEN_TEST_SOURCE_DIR "/golden/duel_48_cards.txt";
  if (std::getenv("DUSKHAVEN_UPDATE_GOLDEN")) {
    ASSERT_TRUE(platform::MakeDirectories(DUSKHAVEN_TEST_SOURCE_DIR "/golden"));
    ASSERT_TRUE(platform::WriteFileAtomically(goldenPath, std::vector<std::uint8_t>(text.begin(), text.end())));
    return;
  }
  std::vector<std::uint8_t> golden;
  ASSERT_TRUE(platform::ReadWholeFile(goldenPath, golden)) << goldenPath;
  EXPECT_EQ(text, std::string(golden.begin(), golden.end()));
}

TEST(DuelSimulatorData, SmallDamagedOrMissingCardSetsAreAClearFailure) {
  ASSERT_TRUE(OpenTinyCardSet(TestFolder("cards8"), 8));
  DuelPlan plan;
  std::string transcript, error;
  DuelOutcome outcome;
  EXPECT_FALSE(PlayDuel(1, plan, transcript, outcome, error));
  EXPECT_NE(error.find("deck"), std::string::npos) << error;
  // Records cut short: the decks cannot be drawn, and the duel says so.
  ASSERT_TRUE(OpenTinyCardSet(TestFolder("cut"), 48));
  ASSERT_TRUE(platform::WriteFileAtomically("DATA\\CARDS\\SET 1\\CARDS.DAT", std::vector<std::uint8_t>(100, 0x5E)));
  CloseCardDatabase();
  ASSERT_TRUE(OpenCardDatabase());
  EXPECT_FALSE(PlayDuel(1, plan, transcript, outcome, error));
  EXPECT_NE(error.find("damaged"), std::string::npos) << error;
  CloseCardDatabase();
  platform::SetInstallDir(TestFolder("nothing-here"));
  EXPECT_FALSE(OpenCardDatabase());
  EXPECT_FALSE(PlayDuel(1, plan, transcript, outcome, error));
  EXPECT_FALSE(error.empty());
}

TEST(DuelOptions, ClassAndTier) {
  DuelSidePlan side;
  EXPECT_TRUE(ParseClassAndTier("2:3", side));
  EXPECT_EQ(side.opponentClass, 2);
  EXPECT_EQ(side.tier, 3);
  for (const char* bad : {"3:0", "0:4", "1", "1:", ":1", "a:b", "1:2:3", "-1:0", ""})
    EXPECT_FALSE(ParseClassAndTier(bad, side)) << bad;
}
