// tourney_play_test.cpp -- whole tournaments from a seed: repeatable, consistent line by line, pinned by a golden file.
#include <gtest/gtest.h>

#include <cstdlib>
#include <map>
#include <set>
#include <sstream>
#include <vector>

#include "data/card_database.h"
#include "platform/file_system.h"
#include "tests/tools/duel_test_data.h"
#include "tools/tool/tourney_play.h"

namespace {

class TourneyPlay : public ::testing::Test {
 protected:
  void SetUp() override { ASSERT_TRUE(OpenTinyCardSet(TestFolder("tourney48"), 48)); }
  void TearDown() override { CloseCardDatabase(); }
};

std::vector<std::string> Play(std::uint32_t seed, const TourneyPlan& plan, TourneyResult& result) {
  std::vector<std::string> lines;
  std::string error;
  EXPECT_TRUE(PlayTournament(
      seed, plan, [&](const std::string& l) { lines.push_back(l); }, result, error))
      << error;
  return lines;
}

std::vector<int> Numbers(const std::string& line) {
  std::istringstream in(line);
  std::vector<int> out;
  for (std::string w; in >> w;)
    if (!w.empty() && (std::isdigit(static_cast<unsigned char>(w[0])) != 0)) out.push_back(std::stoi(w));
  return out;
}

std::string Word(const std::string& line, int k) {
  std::istringstream in(line);
  std::string w;
  for (int i = 0; i <= k && in >> w; ++i) {
  }
  return w;
}

}  // namespace

TEST_F(TourneyPlay, TheSameSeedPlaysTheSameTournament) {
  TourneyPlan plan;
  plan.player = {1, 2};
  TourneyResult a, b, c;
  const std::vector<std::string> first = Play(11, plan, a);
  EXPECT_EQ(Play(11, plan, b), first);
  EXPECT_EQ(a.prize, b.prize);
  EXPECT_NE(Play(12, plan, c), first);
}

// Every line agrees with the rules: the bracket holds everyone once, each
// round pairs the players still in, the character's last duel of a round is
// never a tie, the winner goes on, and the prize fits the rounds won.
TEST_F(TourneyPlay, EachTranscriptFollowsTheBracket) {
  for (int cls = 0; cls < 3; ++cls)
    for (std::uint32_t seed = 1; seed <= 12; ++seed) {
      TourneyPlan plan;
      plan.opponentClass = cls;
      plan.player = {static_cast<int>(seed % 3), static_cast<int>(seed % 4)};
      TourneyResult result;
      const std::vector<std::string> lines = Play(seed, plan, result);
      ASSERT_GE(lines.size(), 3u);
      const std::vector<int> bracket = Numbers(lines[0]);
      ASSERT_EQ(Word(lines[0], 0), "bracket");
      ASSERT_EQ(bracket.size(), 16u);
      EXPECT_EQ(std::set<int>(bracket.begin(), bracket.end()).size(), 16u);
      std::vector<int> in = bracket;
      std::size_t k = 1;
      int roundsWon = 0;
      for (int round = 1; round <= 4; ++round) {
        ASSERT_LT(k, lines.size());
        ASSERT_EQ(Numbers(lines[k]), (std::vector<int>{round, static_cast<int>(in.size())})) << lines[k];
        ++k;
        // The contests in slot order, then the character's duel; each pair's winner goes on.
        std::vector<int> next(in.size() / 2, -1);
        int myPair = -1;
        for (std::size_t p = 0; p < in.size(); p += 2) {
          const int a = in[p], b = in[p + 1];
          if (a == 16 || b == 16) {
            myPair = static_cast<int>(p);
            continue;
          }
          ASSERT_LT(k, lines.size());
          const std::vector<int> n = Numbers(lines[k]);
          ASSERT_EQ(Word(lines[k], 0), "contest") << lines[k];
          ASSERT_EQ(n.size(), 6u);
          EXPECT_EQ(n[0], a);
          EXPECT_EQ(n[1], b);
          EXPECT_NE(n[2], n[3]);
          EXPECT_EQ(n[5], n[2] > n[3] ? a : b);
          next[p / 2] = n[5];
          ++k;
        }
        if (myPair >= 0) {
          const int opponent = in[myPair] == 16 ? in[myPair + 1] : in[myPair];
          for (;;) {
            ASSERT_LT(k, lines.size());
            ASSERT_EQ(Word(lines[k], 0), "duel") << lines[k];
            EXPECT_EQ(Numbers(lines[k])[0], opponent);
            const std::string r = Word(lines[k], 8);
            ++k;
            if (r == "tie") continue;
            ASSERT_TRUE(r == "won" || r == "lost") << r;
            if (r == "won") roundsWon = round;
            next[myPair / 2] = r == "won" ? 16 : opponent;
            break;
          }
        }
        in = next;
      }
      ASSERT_EQ(in.size(), 1u);
      ASSERT_EQ(k + 2, lines.size());
      EXPECT_EQ(lines[k], "winner " + std::to_string(in[0]));
      EXPECT_EQ(result.winner, in[0]);
      EXPECT_EQ(result.roundsWon, roundsWon);
      const int prize[3][2] = {{1000, 2000}, {4000, 8000}, {7000, 15000}};
      const int expected = roundsWon == 4 ? prize[cls][1] : roundsWon == 3 ? prize[cls][0] : 0;
      EXPECT_EQ(lines[k + 1], "prize " + std::to_string(expected) + " roundsWon " + std::to_string(roundsWon));
    }
}

TEST_F(TourneyPlay, GoldenTournaments) {
  std::string text;
  const TourneyPlan plans[3] = {{0, {0, 0}}, {1, {2, 3}}, {2, {1, 1}}};
  for (const TourneyPlan& plan : plans) {
    TourneyResult result;
    for (const std::string& line : Play(3, plan, result)) text += line + '\n';
  }
  const char* goldenPath = DUSKHAVEN_TEST_SOURCE_DIR "/golden/tourney_48_cards.txt";
  if (std::getenv("DUSKHAVEN_UPDATE_GOLDEN")) {
    ASSERT_TRUE(platform::WriteFileAtomically(goldenPath, std::vector<std::uint8_t>(text.begin(), text.end())));
    return;
  }
  std::vector<std::uint8_t> golden;
  ASSERT_TRUE(platform::ReadWholeFile(goldenPath, golden)) << goldenPath;
  EXPECT_EQ(text, std::string(golden.begin(), golden.end()));
}

TEST(TourneyPlayData, ACardSetTooSmallForTheDecksIsRefusedWithAMessage) {
  ASSERT_TRUE(OpenTinyCardSet(TestFolder("tourney8"), 8));
  TourneyPlan plan;
  TourneyResult result;
  std::string error;
  EXPECT_FALSE(PlayTournament(1, plan, nullptr, result, error));
  EXPECT_NE(error.find("deck"), std::string::npos) << error;
  CloseCardDatabase();
}
