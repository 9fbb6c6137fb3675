// lobby_duel_run_test.cpp -- two game processes on loopback meet in the multiplayer room, both press Game, and each
// side's computer plays the duel to its end; afterwards both are back in the room, still connected, and the two save
// files agree on what the duel handed over.
#include <gtest/gtest.h>

#include <sys/wait.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <regex>

#include "gfx/message_box.h"
#include "tests/club/link_devices.h"
#include "tests/club/room_harness.h"
#include "tests/club/two_game_run.h"

namespace {

namespace fs = std::filesystem;
using namespace link_devices;

constexpr int PressGame = 13500;
// Far past any duel's end: a device at its result box jumps there; the taps after it answer the boxes.
constexpr int AfterDuel = 900000;

std::string Centre(const MessageBoxGeometry& g, bool left) {
  const int x = left ? (g.leftMin + g.leftMax) / 2 : (g.rightMin + g.rightMax) / 2;
  return std::to_string(x) + " " + std::to_string((g.bandMin + g.bandMax) / 2);
}

MessageBoxLayout ResultLayout() {
  MessageBoxLayout layout;
  layout.x = 10;
  layout.y = 0;
  layout.w = 220;
  layout.h = 80;
  return layout;
}

class LobbyDuelRun : public TwoGameRun {
 protected:
  LobbyDuelRun() : TwoGameRun("lobby-duel", 21000) {}
};

// Sixteen different cards, two copies of each, all in the deck: whoever loses keeps a copy of the card it gives.
std::vector<int> TwoOfEach(int first) {
  std::vector<int> cards;
  for (int k = 0; k < 16; ++k) cards.push_back(first + k);
  for (int k = 0; k < 16; ++k) cards.push_back(first + k);
  return cards;
}

// How many copies the collection gained.
int Gained(const std::map<int, int>& before, const std::map<int, int>& after) {
  int gained = 0;
  for (const auto& [id, n] : after) {
    const auto was = before.find(id);
    gained += std::max(0, n - (was == before.end() ? 0 : was->second));
  }
  return gained;
}

int ResultOf(const std::string& log) {
  std::smatch m;
  if (!std::regex_search(log, m, std::regex("link duel over, result ([0-9]+)"))) return -1;
  return std::stoi(m[1]);
}

TEST_F(LobbyDuelRun, TwoDevicesDuelFromTheLobbyAndBothSavesAgreeOnTheCardHandedOver) {
  Device a{root, "Alice", 1000, TwoOfEach(20), "", true}, b{root, "Bob", 500, TwoOfEach(100), "", true};
  a.Prepare(DUSKHAVEN_CLUB_TEST_DATA);
  b.Prepare(DUSKHAVEN_CLUB_TEST_DATA);
  const auto beforeA = Counts(a.Saved().at("collection")), beforeB = Counts(b.Saved().at("collection"));
  const std::string ok = Centre(MessageBoxPlaces(L"", L"Ok", ResultLayout()), false);
  Line sa, sb;
  for (Line* s : {&sa, &sb}) {
    const bool server = s == &sa;
    s->text << "seed " << (server ? 31 : 32) << "\n";
    IntoLobby(*s, server);
    Meet(*s, root, server ? "server" : "client", server ? "client" : "server", PressGame);
    s->Tap(PressGame, 159, 253);  // Game
    // The card's box on both sides, then back in the room; both look before either leaves.
    s->text << "at " << AfterDuel << " tap " << ok << "\n";
    Meet(*s, root, server ? "server-done" : "client-done", server ? "client-done" : "server-done", AfterDuel + 2000);
    LookAndClose(*s, server ? a.Dump() : b.Dump(), server ? b.Dump() : a.Dump(), AfterDuel + 2100);
  }
  a.script = sa.text.str();
  b.script = sb.text.str();
  const pid_t pa = StartDevice(a, port, "--autoplay member:2");
  const pid_t pb = StartDevice(b, port, "--autoplay guest:3");
  const int codeA = WaitDevice(pa, 120000), codeB = WaitDevice(pb, 120000);
  const std::string logA = ReadText(a.Log()), logB = ReadText(b.Log());
  ASSERT_TRUE(WIFEXITED(codeA) && WEXITSTATUS(codeA) == 0) << codeA << "\n" << logA;
  ASSERT_TRUE(WIFEXITED(codeB) && WEXITSTATUS(codeB) == 0) << codeB << "\n" << logB;
  EXPECT_EQ(logA.find("link duel box"), std::string::npos) << logA;
  EXPECT_EQ(logB.find("link duel box"), std::string::npos) << logB;

  // Back in the room, the partner still there.
  for (const Device* d : {&a, &b}) {
    auto dump = Fields(ReadText(d->Dump()), " = ");
    EXPECT_EQ(dump["inClub"], "1") << d->name;
    EXPECT_EQ(dump["clubScreen"], "0") << d->name;
    EXPECT_NE(dump["lobby"].find("connected 1"), std::string::npos) << d->name << ": " << dump["lobby"];
  }

  // Both saw the same result, each from its own side (0: this device won, 1: the partner, 2: a tie).
  const int resultA = ResultOf(logA), resultB = ResultOf(logB);
  ASSERT_GE(resultA, 0) << logA;
  ASSERT_GE(resultB, 0) << logB;
  EXPECT_EQ(resultA == 2, resultB == 2);
  if (resultA != 2) {
    EXPECT_EQ(resultA, 1 - resultB);
  }

  const auto fa = a.Saved(), fb = b.Saved();
  EXPECT_EQ(fa.at("valid"), "yes");
  EXPECT_EQ(fb.at("valid"), "yes");
  EXPECT_EQ(fa.at("credits"), "1000");
  EXPECT_EQ(fb.at("credits"), "500");
  const auto afterA = Counts(fa.at("collection")), afterB = Counts(fb.at("collection"));
  // The cards of both together are the same; one card went from the loser to the winner, none after a tie.
  std::map<int, int> all = beforeA, allAfter = afterA;
  for (const auto& [id, n] : beforeB) all[id] += n;
  for (const auto& [id, n] : afterB) allAfter[id] += n;
  EXPECT_EQ(allAfter, all);
  const int movedToA = Gained(beforeA, afterA), movedToB = Gained(beforeB, afterB);
  if (resultA == 2) {
    EXPECT_EQ(afterA, beforeA);
    EXPECT_EQ(afterB, beforeB);
  } else {
    EXPECT_EQ(movedToA, resultA == 0 ? 1 : 0);
    EXPECT_EQ(movedToB, resultA == 1 ? 1 : 0);
  }
  std::printf("result %d on the server, %d on the client\n", resultA, resultB);
}

}  // namespace
