// link_restart_run_test.cpp -- a partner's game killed in the middle of a duel or a trade and started again: the
// survivor answers Retry, the restarted game joins from its lobby, and both end in the lobby, connected, with both
// characters exactly as they were (nothing is handed over or exchanged).
#include <gtest/gtest.h>

#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>

#include "gfx/message_box.h"
#include "tests/club/link_devices.h"
#include "tests/club/room_harness.h"
#include "tests/club/two_game_run.h"

namespace {

namespace fs = std::filesystem;
using namespace link_devices;

struct Point {
  int x, y;
};
Point Middle(const MessageBoxGeometry& g, bool left) {
  return {left ? (g.leftMin + g.leftMax) / 2 : (g.rightMin + g.rightMax) / 2, (g.bandMin + g.bandMax) / 2};
}
std::string At(Point p) { return std::to_string(p.x) + " " + std::to_string(p.y); }

// The duel's own box of a lost link and the lobby's question that follows it.
MessageBoxGeometry DuelBox() {
  MessageBoxLayout layout;
  layout.x = 40;
  layout.y = 120;
  layout.w = 160;
  layout.h = 80;
  return MessageBoxPlaces(L"Cancel Game", L"Retry", layout);
}
MessageBoxGeometry LobbyBox() { return MessageBoxPlaces(L"Cancel", L"Retry", MessageBoxLayout{}); }

class LinkRestartRun : public TwoGameRun {
 protected:
  LinkRestartRun() : TwoGameRun("link-restart", 23000) {}

  // Kills the first run of `d` once `marker` holds `text`, then starts it again from the same place in the
  // club with `script` (the first run had taken its quick save).
  pid_t KillAndRestart(Device& d, pid_t first, const std::string& marker, const std::string& text,
                       const std::string& quickSave, const std::string& script) {
    EXPECT_TRUE(WaitForText(marker, text, 60000)) << d.name << " never got there\n" << ReadText(d.Log());
    ::kill(first, SIGKILL);
    const int status = WaitDevice(first, 5000);
    EXPECT_TRUE(WIFSIGNALED(status) && WTERMSIG(status) == SIGKILL) << status;
    std::ofstream(d.Install() + "/SAVE/QuickSave.QXP", std::ios::binary) << quickSave;
    d.script = script;
    return StartDevice(d, port);
  }

  // Both back in the lobby, connected, characters as they were.
  void ExpectBothInTheLobbyUnchanged(const Device& a, const Device& b, const std::map<std::string, std::string>& fa0,
                                     const std::map<std::string, std::string>& fb0) {
    for (const Device* d : {&a, &b}) {
      auto dump = Fields(ReadText(d->Dump()), " = ");
      EXPECT_EQ(dump["inClub"], "1") << d->name << "\n" << ReadText(d->Log());
      EXPECT_EQ(dump["clubScreen"], "0") << d->name << "\n" << ReadText(d->Log());
      EXPECT_NE(dump["lobby"].find("connected 1"), std::string::npos) << d->name << ": " << dump["lobby"];
    }
    const auto fa = a.Saved(), fb = b.Saved();
    EXPECT_EQ(fa.at("valid"), "yes");
    EXPECT_EQ(fb.at("valid"), "yes");
    EXPECT_EQ(fa.at("credits"), fa0.at("credits"));
    EXPECT_EQ(fb.at("credits"), fb0.at("credits"));
    EXPECT_EQ(Counts(fa.at("collection")), Counts(fa0.at("collection")));
    EXPECT_EQ(Counts(fb.at("collection")), Counts(fb0.at("collection")));
  }
};

std::vector<int> Cards(int first) {
  std::vector<int> cards;
  for (int k = 0; k < 16; ++k) cards.push_back(first + k);
  return cards;
}

// The restarted game: into the lobby, Join once the survivor is about to create the link again, then both meet
// in the lobby before either looks.
std::string RestartScript(const std::string& root, const std::string& dump, const std::string& survivorDump) {
  Line s;
  s.text << "seed 43\n";
  s.Tap(7500, 120, 100);
  s.Tap(EnterRoom, 120, 100);
  s.Await(Connect - 100, root + "/alice-retry.meet");
  s.Tap(Connect, 47, 253);  // Join
  Meet(s, root, "bob-back", "alice-back", 20000);
  LookAndClose(s, dump, survivorDump, 20100);
  return s.text.str();
}

// After the survivor's Retry: it waits in the lobby for the restarted game, then both look and close.
void SurvivorBack(Line& s, const std::string& root, const std::string& dump, const std::string& partnerDump, int t) {
  Meet(s, root, "alice-back", "bob-back", t);
  LookAndClose(s, dump, partnerDump, t + 100);
}

TEST_F(LinkRestartRun, APartnerKilledMidDuelAndStartedAgainMeetsTheSurvivorInTheLobby) {
  Device a{root, "Alice", 1000, Cards(20), "", true}, b{root, "Bob", 500, Cards(100), "", true};
  a.Prepare(DUSKHAVEN_CLUB_TEST_DATA);
  b.Prepare(DUSKHAVEN_CLUB_TEST_DATA);
  const auto fa0 = a.Saved(), fb0 = b.Saved();
  const std::string quickSave = ReadText(b.Install() + "/SAVE/QuickSave.QXP");
  const Point duelRetry = Middle(DuelBox(), false), lobbyRetry = Middle(LobbyBox(), false);
  // A tap meant for one box must not fall on the other's Cancel.
  ASSERT_FALSE(LobbyBox().InLeft(duelRetry.x, duelRetry.y));
  ASSERT_FALSE(DuelBox().InLeft(lobbyRetry.x, lobbyRetry.y));

  Line sa, sb;
  sa.text << "seed 41\n";
  sb.text << "seed 42\n";
  IntoLobby(sa, true);
  IntoLobby(sb, false);
  Meet(sa, root, "server", "client", 13500);
  Meet(sb, root, "client", "server", 13500);
  sa.Tap(13500, 159, 253);  // Game
  sb.Tap(13500, 159, 253);
  // Bob's player thinks for ever: at his first turn his clock jumps to this dump, and there he is killed.
  const std::string inDuel = root + "/bob-in-duel.dump";
  sb.Dump(40000, inDuel);
  sb.Tap(50000000, 1, 1);
  // Alice's computer plays; when Bob is gone she answers Retry to the duel's box (if it came) and to the lobby's.
  sa.text << "at 300000 tap " << At(duelRetry) << "\n";
  sa.Dump(300500, root + "/alice-retry.meet");
  sa.text << "at 301000 tap " << At(lobbyRetry) << "\n";
  SurvivorBack(sa, root, a.Dump(), b.Dump(), 400000);
  a.script = sa.text.str();
  b.script = sb.text.str();

  const pid_t pa = StartDevice(a, port, "--autoplay member:2");
  const pid_t pb = StartDevice(b, port);
  const pid_t again = KillAndRestart(b, pb, inDuel, "inClub = 0", quickSave, RestartScript(root, b.Dump(), a.Dump()));
  const int codeA = WaitDevice(pa, 90000), codeB = WaitDevice(again, 60000);
  const std::string logA = ReadText(a.Log()), logB = ReadText(b.Log());
  EXPECT_TRUE(WIFEXITED(codeA) && WEXITSTATUS(codeA) == 0) << codeA << "\n" << logA;
  EXPECT_TRUE(WIFEXITED(codeB) && WEXITSTATUS(codeB) == 0) << codeB << "\n" << logB;
  EXPECT_NE(logA.find("the duel ends without a result"), std::string::npos) << logA;
  ExpectBothInTheLobbyUnchanged(a, b, fa0, fb0);
}

TEST_F(LinkRestartRun, APartnerKilledMidTradeAndStartedAgainEndsTheSurvivorsRetryInTheLobby) {
  Device a{root, "Alice", 1000, {3, 5, 7}, "", false}, b{root, "Bob", 500, {10, 12, 12}, "", false};
  a.Prepare(DUSKHAVEN_CLUB_TEST_DATA);
  b.Prepare(DUSKHAVEN_CLUB_TEST_DATA);
  const auto fa0 = a.Saved(), fb0 = b.Saved();
  const std::string quickSave = ReadText(b.Install() + "/SAVE/QuickSave.QXP");
  Line sa, sb;
  LobbyAndBox(sa, root, true, {3, 5});
  LobbyAndBox(sb, root, false, {12});
  sa.Hold(StartTrade + 4300, 600, 111, 264);
  sb.Tap(StartTrade + 4300, 111, 264);
  // Bob dies once both are in the trade with Alice READY; Alice's clock stands still until he is gone.
  const std::string inTrade = root + "/bob-in-trade.dump", aliceReady = root + "/alice-ready.dump";
  sb.Dump(StartTrade + 5500, inTrade);
  sb.text << "at " << StartTrade + 60000 << " close\n";
  sa.Tap(StartTrade + 6000, 156, 290);  // READY
  sa.Dump(StartTrade + 6500, aliceReady);
  sa.Await(StartTrade + 6600, root + "/bob-gone");
  // The lost link's question: Retry makes the link again, and Bob's game joins from its lobby.
  sa.Dump(StartTrade + 8500, root + "/alice-retry.meet");
  sa.text << "at " << StartTrade + 9000 << " tap " << At(Middle(LobbyBox(), false)) << "\n";
  SurvivorBack(sa, root, a.Dump(), b.Dump(), StartTrade + 100000);
  a.script = sa.text.str();
  b.script = sb.text.str();

  const pid_t pa = StartDevice(a, port);
  const pid_t pb = StartDevice(b, port);
  ASSERT_TRUE(WaitForText(aliceReady, "clubRecord", 60000)) << ReadText(a.Log());
  const pid_t again = KillAndRestart(b, pb, inTrade, "clubRecord", quickSave, RestartScript(root, b.Dump(), a.Dump()));
  std::ofstream(root + "/bob-gone") << "gone\n";
  const int codeA = WaitDevice(pa, 90000), codeB = WaitDevice(again, 60000);
  const std::string logA = ReadText(a.Log()), logB = ReadText(b.Log());
  EXPECT_TRUE(WIFEXITED(codeA) && WEXITSTATUS(codeA) == 0) << codeA << "\n" << logA;
  EXPECT_TRUE(WIFEXITED(codeB) && WEXITSTATUS(codeB) == 0) << codeB << "\n" << logB;
  // Both were in the trade, Alice's box had reached Bob, and Alice was READY when he died.
  auto bobInTrade = Fields(ReadText(inTrade), " = ");
  EXPECT_EQ(bobInTrade["clubScreen"], "14");
  EXPECT_NE(bobInTrade["partnerBox"].substr(0, 2), "0:") << bobInTrade["partnerBox"];
  EXPECT_NE(Fields(ReadText(aliceReady), " = ")["trade"].find("ready 1"), std::string::npos);
  EXPECT_NE(logA.find("the partner is no longer in the trade"), std::string::npos) << logA;
  EXPECT_NE(logB.find("the lobby refuses"), std::string::npos) << logB;
  ExpectBothInTheLobbyUnchanged(a, b, fa0, fb0);
}

}  // namespace
