// key_link_duel_test.cpp -- a link duel whose one side is played by keys alone: the moves cross the link as
// the stylus's would, and both saves agree on the card that changed hands.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>

#include "data/save_file.h"
#include "tests/link/game_runs.h"
#include "tests/link/loopback.h"

namespace {

using namespace link_test;

// Past the start-up, the coin toss, every card, cell and target the cursor offers first and the hand-over
// box, by the action key; Up now and then moves the cursor a row.
std::string KeysOnly(int seed) {
  std::string script = "seed " + std::to_string(seed) + "\n";
  int t = 1000;
  for (int k = 0; t < 300000; ++k) {
    if (k % 3 == 2) {
      script += "at " + std::to_string(t) + " press Up\n";
      t += 200;
    }
    script += "at " + std::to_string(t) + " press A\n";
    t += 500;
  }
  return script;
}

std::string Taps(int seed) {
  std::string script = "seed " + std::to_string(seed) + "\n";
  for (int t = 1000; t <= 9000; t += 700) script += "at " + std::to_string(t) + " tap 120 150\n";
  script += "at 600000 tap 1 1\n";  // keeps the headless run going to the end of the duel
  return script;
}

int CardsOf(const GameSide& side) {
  const SavedCharacter saved = DecodeCharacterFile(ReadBytes(side.root + "/SAVE/Player1.QXP"));
  return saved.valid ? saved.record.cardTotal : -1;
}

TEST(LinkDuelByKeys, TheKeySideDuelsToTheHandOverAndTheSavesAgree) {
  ASSERT_TRUE(DataAvailable());
  const std::uint16_t port = FreePort();
  GameSide keys = MakeSide("keys-server", "ROSA", port, 20);
  GameSide other = MakeSide("keys-client", "TEO", port, 100);
  const int before = CardsOf(keys) + CardsOf(other);
  const pid_t s = StartGame(keys, "--link-duel create --trace-states", KeysOnly(11));
  const pid_t c = StartGame(other, "--link-duel join --link-peer 127.0.0.1 --autoplay guest:3", Taps(12));
  const int keysCode = WaitGame(s, 100000);
  const int otherCode = WaitGame(c, 100000);
  const std::string keysLog = ReadText(keys.log), otherLog = ReadText(other.log);
  EXPECT_TRUE(keysCode == 0 || keysCode == 3) << keysCode << "\n" << keysLog;
  EXPECT_TRUE(otherCode == 0 || otherCode == 3) << otherCode << "\n" << otherLog;
  EXPECT_EQ(keysLog.find("link closed"), std::string::npos) << keysLog;
  EXPECT_EQ(otherLog.find("link closed"), std::string::npos) << otherLog;
  // The key side lifted and placed its cards and the duel came to its end.
  for (const char* change : {"TapMove -> DragCard", "-> MatchOver"})
    EXPECT_NE(keysLog.find(change), std::string::npos) << change << "\n" << keysLog;
  EXPECT_EQ(CardsOf(keys) + CardsOf(other), before) << "a card was lost or made on the way";
}

}  // namespace
