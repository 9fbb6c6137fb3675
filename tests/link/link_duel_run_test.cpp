// link_duel_run_test.cpp -- two copies of the game on loopback, each side played by its own computer, duel to a
// result; afterwards the two save files agree on the card that changed hands (or on none, after a tie).
#include <gtest/gtest.h>

#include <signal.h>

#include <chrono>
#include <thread>

#include "data/save_file.h"
#include "tests/link/game_runs.h"
#include "tests/link/loopback.h"

namespace {

using namespace link_test;

std::string Script(int seed, int lastTap = 600000) {
  std::string script = "seed " + std::to_string(seed) + "\n";
  for (int t = 1000; t <= 9000; t += 700) script += "at " + std::to_string(t) + " tap 120 150\n";
  // A headless run ends where its script ends; this far-off tap keeps it going to the end of the duel.
  script += "at " + std::to_string(lastTap) + " tap 1 1\n";
  return script;
}

SavedCharacter Saved(const GameSide& side) { return DecodeCharacterFile(ReadBytes(side.root + "/SAVE/Player1.QXP")); }

// The card ids whose count went up (+1) and down (-1) between two saves.
void Changes(const SavedCharacter& before, const SavedCharacter& after, std::vector<int>& gained,
             std::vector<int>& lost) {
  for (int k = 0; k < CollectionSize; ++k) {
    const int d = after.record.collection[k] - before.record.collection[k];
    for (int i = 0; i < d; ++i) gained.push_back(k + 1);
    for (int i = 0; i < -d; ++i) lost.push_back(k + 1);
  }
}

TEST(LinkDuelRun, TwoGamesDuelToAResultAndHandOverTheSameCard) {
  ASSERT_TRUE(DataAvailable());
  const std::uint16_t port = FreePort();
  GameSide server = MakeSide("duel-server", "ROSA", port, 20);
  GameSide client = MakeSide("duel-client", "TEO", port, 100);
  const SavedCharacter serverBefore = Saved(server), clientBefore = Saved(client);
  const auto start = std::chrono::steady_clock::now();
  const pid_t s = StartGame(server, "--link-duel create --autoplay member:2", Script(11));
  const pid_t c = StartGame(client, "--link-duel join --link-peer 127.0.0.1 --autoplay guest:3", Script(12));
  const int serverCode = WaitGame(s, 100000);
  const int clientCode = WaitGame(c, 100000);
  const auto seconds = std::chrono::duration_cast<std::chrono::seconds>(std::chrono::steady_clock::now() - start);
  const std::string serverLog = ReadText(server.log), clientLog = ReadText(client.log);
  // Both end at the hand-over's box (a player's to answer), or after a tie at the end of the duel.
  EXPECT_TRUE(serverCode == 3 || serverCode == 0) << serverCode << "\n" << serverLog;
  EXPECT_TRUE(clientCode == 3 || clientCode == 0) << clientCode << "\n" << clientLog;
  EXPECT_EQ(serverLog.find("link closed"), std::string::npos) << serverLog;
  EXPECT_EQ(clientLog.find("link closed"), std::string::npos) << clientLog;
  EXPECT_EQ(serverLog.find("link duel box"), std::string::npos) << serverLog;
  EXPECT_EQ(clientLog.find("link duel box"), std::string::npos) << clientLog;
  std::printf("link duel of two games: %lld s\n", static_cast<long long>(seconds.count()));

  const SavedCharacter serverAfter = Saved(server), clientAfter = Saved(client);
  ASSERT_TRUE(serverAfter.valid && clientAfter.valid);
  std::vector<int> serverGained, serverLost, clientGained, clientLost;
  Changes(serverBefore, serverAfter, serverGained, serverLost);
  Changes(clientBefore, clientAfter, clientGained, clientLost);
  // Exactly one card moved from the loser to the winner, or nothing after a tie.
  EXPECT_EQ(serverGained, clientLost);
  EXPECT_EQ(clientGained, serverLost);
  EXPECT_LE(serverGained.size() + serverLost.size(), 1u);
  EXPECT_EQ(serverAfter.record.cardTotal + clientAfter.record.cardTotal,
            serverBefore.record.cardTotal + clientBefore.record.cardTotal);
  std::printf("server gained %zu lost %zu; client gained %zu lost %zu\n", serverGained.size(), serverLost.size(),
              clientGained.size(), clientLost.size());
}

TEST(LinkDuelRun, APartnerKilledMidDuelCostsNeitherSideACard) {
  ASSERT_TRUE(DataAvailable());
  const std::uint16_t port = FreePort();
  GameSide server = MakeSide("kill-server", "ROSA", port, 20);
  GameSide client = MakeSide("kill-client", "TEO", port, 100);
  const auto serverBefore = ReadBytes(server.root + "/SAVE/Player1.QXP");
  const auto clientBefore = ReadBytes(client.root + "/SAVE/Player1.QXP");
  const pid_t s = StartGame(server, "--link-duel create --autoplay guest:0", Script(21));
  // The client's player thinks for ever: the duel stops at its first turn, and there the client goes. Its clock
  // jumps ahead while it waits for its player, so its dump at 20 s shows it has reached that turn.
  const std::string atTurn = client.root + "/at-turn.dump";
  const pid_t c = StartGame(client, "--link-duel join", Script(22, 50000000) + "dump 20000 " + atTurn + "\n");
  for (int k = 0; k < 3000 && ReadText(atTurn).empty(); ++k) std::this_thread::sleep_for(std::chrono::milliseconds(10));
  ASSERT_FALSE(ReadText(atTurn).empty()) << ReadText(client.log);
  ::kill(c, SIGKILL);
  WaitGame(c, 5000);
  const int serverCode = WaitGame(s, 60000);
  const std::string serverLog = ReadText(server.log);
  // The server notices, asks its player (a box the script does not answer) and changes nothing.
  EXPECT_EQ(serverCode, 3) << serverLog;
  EXPECT_NE(serverLog.find("link duel box"), std::string::npos) << serverLog;
  EXPECT_EQ(ReadBytes(server.root + "/SAVE/Player1.QXP"), serverBefore);
  EXPECT_EQ(ReadBytes(client.root + "/SAVE/Player1.QXP"), clientBefore);
}

}  // namespace
