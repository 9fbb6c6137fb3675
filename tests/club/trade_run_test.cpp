// trade_run_test.cpp -- two game processes on loopback, each headless with its own install folder and save files:
// they create and join a link, agree on a trade and exchange cards and credits (the totals across both save files
// stay the same), and a partner killed in the middle of a trade leaves both characters as they were.
#include <gtest/gtest.h>

#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <map>
#include <sstream>
#include <thread>

#include "club/club.h"
#include "data/player_record.h"
#include "data/quick_save.h"
#include "data/save_file.h"
#include "gfx/message_box.h"
#include "platform/file_system.h"
#include "platform/game_state.h"
#include "tests/club/link_devices.h"
#include "tests/club/room_harness.h"
#include "tests/club/two_game_run.h"

namespace {

namespace fs = std::filesystem;
using link_devices::Counts;
using link_devices::Device;
using link_devices::Fields;
using link_devices::Line;
using link_devices::ReadText;

using link_devices::Connect;
using link_devices::LobbyAndBox;
using link_devices::StartTrade;

class TradeRun : public TwoGameRun {
 protected:
  TradeRun() : TwoGameRun("trade", 20000) {}
};

constexpr int RunAttempts = 3;

// One run of the trade; false when the scripted taps missed their screens (nothing traded, nothing lost) and
// another run may be made.
bool TwoDevicesTrade(const std::string& root, int port, bool last) {
  fs::create_directories(root);
  Device a{root, "Alice", 1000, {3, 5, 7}, "", false}, b{root, "Bob", 500, {10, 12, 12}, "", false};
  a.Prepare(DUSKHAVEN_CLUB_TEST_DATA);
  b.Prepare(DUSKHAVEN_CLUB_TEST_DATA);
  const MessageBoxGeometry ok = MessageBoxPlaces(L"Ok", L"", MessageBoxLayout{});
  Line sa, sb;
  LobbyAndBox(sa, root, true, {3, 5});
  LobbyAndBox(sb, root, false, {12});
  sa.Hold(StartTrade + 4500, 1100, 111, 264);  // + held: the offer climbs
  for (int k = 0; k < 3; ++k) sb.Tap(StartTrade + 4500 + 300 * k, 111, 264);
  sa.Tap(StartTrade + 8000, 156, 290);  // READY
  sb.Tap(StartTrade + 8500, 156, 290);
  sa.text << "capture " << Connect + 800 << " " << root << "/a-lobby.png\n";
  for (Line* s : {&sa, &sb}) {
    s->Tap(StartTrade + 10500, (ok.leftMin + ok.leftMax) / 2, (ok.bandMin + ok.bandMax) / 2);  // "Trade Finished"
    const std::string who = root + "/" + (s == &sa ? "a" : "b");
    s->text << "capture " << StartTrade + 8300 << " " << who << "-boxes.png\ncapture " << StartTrade + 11000 << " "
            << who << "-after.png\n";
  }
  a.script = sa.text.str() + "dump end " + a.Dump() + "\nat " + std::to_string(StartTrade + 11500) + " close\n";
  b.script = sb.text.str() + "dump end " + b.Dump() + "\nat " + std::to_string(StartTrade + 11500) + " close\n";

  // Both at once: the client's run in the background.
  const std::string bLog = root + "/b.log", aLog = root + "/a.log";
  const std::string bCommand = b.Command(port) + " > '" + bLog + "' 2>&1 &";
  if (std::system(bCommand.c_str()) != 0) {
    ADD_FAILURE() << "cannot start Bob";
    return true;
  }
  const int aCode = std::system((a.Command(port) + " > '" + aLog + "' 2>&1").c_str());
  EXPECT_EQ(WEXITSTATUS(aCode), 0) << ReadText(aLog);
  // The client ends a moment later; its dump is written at its end.
  for (int k = 0; k < 400 && ReadText(b.Dump()).find("clubRecord") == std::string::npos; ++k)
    std::this_thread::sleep_for(std::chrono::milliseconds(50));
  auto da = Fields(ReadText(a.Dump()), " = "), db = Fields(ReadText(b.Dump()), " = ");
  EXPECT_FALSE(db.empty()) << ReadText(bLog);
  if (!last && (da["trade"].find("trades 0") != std::string::npos ||
                db["trade"].find("trades 0") != std::string::npos || da["trade"].empty() || db["trade"].empty())) {
    const auto fa = a.Saved(), fb = b.Saved();
    // Whatever the taps did, nothing may be lost or made.
    EXPECT_EQ(std::stoi(fa.at("credits")) + std::stoi(fb.at("credits")), 1500);
    if (fa.at("credits") == "1000" && fb.at("credits") == "500") {
      std::printf("the taps missed the trade (machine busy); running it again\n");
      return false;
    }
  }
  EXPECT_NE(da["trade"].find("partner Bob"), std::string::npos) << da["trade"];
  EXPECT_NE(db["trade"].find("partner Alice"), std::string::npos) << db["trade"];
  EXPECT_NE(da["trade"].find("trades 1"), std::string::npos) << da["trade"];
  EXPECT_NE(db["trade"].find("trades 1"), std::string::npos) << db["trade"];

  const auto fa = a.Saved(), fb = b.Saved();
  EXPECT_EQ(fa.at("valid"), "yes");
  EXPECT_EQ(fb.at("valid"), "yes");
  const int creditsA = std::stoi(fa.at("credits")), creditsB = std::stoi(fb.at("credits"));
  EXPECT_EQ(creditsA + creditsB, 1500);
  EXPECT_LT(creditsA, 1000) << "Alice offered credits";
  EXPECT_GT(creditsB, 500);
  std::map<int, int> ca = Counts(fa.at("collection")), cb = Counts(fb.at("collection"));
  // Every card is on one side or the other, once; Bob's 12 went over, and Alice's box (3 and 5, unless a tap of
  // the script fell into a link wait) went the other way.
  std::map<int, int> both = ca;
  for (const auto& [id, n] : cb) both[id] += n;
  EXPECT_EQ(both, (std::map<int, int>{{3, 1}, {5, 1}, {7, 1}, {10, 1}, {12, 2}}));
  EXPECT_EQ(ca[12], 1);
  EXPECT_EQ(ca[7], 1);
  EXPECT_GE(cb[3] + cb[5], 1);
  return true;
}

// One run; false when Bob was not yet in the trade with Alice's box when he was killed (the scripted taps
// missed their screens), so another run may be made.
bool KilledInTrade(const std::string& root, int port, bool last) {
  fs::create_directories(root);
  Device a{root, "Alice", 1000, {3, 5, 7}, "", false}, b{root, "Bob", 500, {10, 12, 12}, "", false};
  a.Prepare(DUSKHAVEN_CLUB_TEST_DATA);
  b.Prepare(DUSKHAVEN_CLUB_TEST_DATA);
  const MessageBoxGeometry lost = MessageBoxPlaces(L"Cancel", L"Retry", MessageBoxLayout{});
  Line sa, sb;
  LobbyAndBox(sa, root, true, {3, 5});
  LobbyAndBox(sb, root, false, {12});
  sa.Hold(StartTrade + 4300, 600, 111, 264);
  sb.Tap(StartTrade + 4300, 111, 264);
  // Bob's boxes and offer are on both screens when his process is killed; Alice is READY. The two games keep
  // their own clocks, so they are lined up by files: Bob dies only once both dumps show them in the trade with
  // Alice READY, and Alice's clock stands still until he is gone.
  const std::string marker = root + "/bob-in-trade.dump", aliceReady = root + "/alice-ready.dump",
                    bobGone = root + "/bob-gone";
  sb.text << "dump " << StartTrade + 5500 << " " << marker << "\n";
  sa.Tap(StartTrade + 6000, 156, 290);
  sa.text << "dump " << StartTrade + 6500 << " " << aliceReady << "\nawait " << StartTrade + 6600 << " " << bobGone
          << "\n";
  // The lost link's box: Cancel leaves the trade for the lobby.
  sa.Tap(StartTrade + 9000, (lost.leftMin + lost.leftMax) / 2, (lost.bandMin + lost.bandMax) / 2);
  sa.text << "capture " << StartTrade + 9500 << " " << root << "/a-lobby-after.png\n";
  a.script = sa.text.str() + "dump end " + a.Dump() + "\nat " + std::to_string(StartTrade + 10500) + " close\n";
  b.script = sb.text.str() + "at " + std::to_string(StartTrade + 30000) + " close\n";

  const std::string bCommand = "exec " + b.Command(port) + " > '" + root + "/b.log' 2>&1";
  const pid_t bob = ::fork();
  if (bob < 0) {
    ADD_FAILURE() << "cannot start Bob";
    return true;
  }
  if (bob == 0) {
    ::execl("/bin/sh", "sh", "-c", bCommand.c_str(), static_cast<char*>(nullptr));
    std::_Exit(127);
  }
  int status = 0;
  std::thread killer([&] {
    const auto shows = [](const std::string& path) { return ReadText(path).find("clubRecord") != std::string::npos; };
    for (int k = 0; k < 3000 && !(shows(marker) && shows(aliceReady)); ++k)
      std::this_thread::sleep_for(std::chrono::milliseconds(20));
    ::kill(bob, SIGKILL);
    ::waitpid(bob, &status, 0);
    std::ofstream(bobGone) << "gone\n";
  });
  const std::string aLog = root + "/a.log";
  const int aCode = std::system((a.Command(port) + " > '" + aLog + "' 2>&1").c_str());
  killer.join();
  EXPECT_TRUE(WIFSIGNALED(status) && WTERMSIG(status) == SIGKILL) << "Bob was killed, not ended";
  EXPECT_EQ(WEXITSTATUS(aCode), 0) << ReadText(aLog);

  EXPECT_EQ(Fields(ReadText(aliceReady), " = ")["clubScreen"], "14") << "Alice was in the trade\n" << ReadText(aLog);
  const auto fa = a.Saved(), fb = b.Saved();
  EXPECT_EQ(fa.at("credits"), "1000");
  EXPECT_EQ(fb.at("credits"), "500");
  EXPECT_EQ(Counts(fa.at("collection")), (std::map<int, int>{{3, 1}, {5, 1}, {7, 1}}));
  EXPECT_EQ(Counts(fb.at("collection")), (std::map<int, int>{{10, 1}, {12, 2}}));

  auto bobInTrade = Fields(ReadText(marker), " = ");
  if (!last && (bobInTrade["clubScreen"] != "14" || bobInTrade["partnerBox"].substr(0, 2) == "0:")) {
    std::printf("Bob was not yet in the trade when killed (machine busy); running it again\n");
    return false;
  }
  EXPECT_EQ(bobInTrade["clubScreen"], "14");
  EXPECT_NE(bobInTrade["partnerBox"].substr(0, 2), "0:") << "Alice's box had reached Bob";
  const auto da = Fields(ReadText(a.Dump()), " = ");
  EXPECT_EQ(da.at("clubScreen"), "0") << "back in the lobby";
  EXPECT_NE(da.at("lobby").find("connected 0"), std::string::npos) << da.at("lobby");
  EXPECT_EQ(da.at("character"), "Alice, slot 1, credits 1000");

  return true;
}

// The offer in a dump's trade line, -1 without one.
int OfferIn(const std::string& dump) {
  const std::string trade = Fields(ReadText(dump), " = ")["trade"];
  const std::size_t at = trade.find(", offer ");
  return at == std::string::npos ? -1 : std::atoi(trade.c_str() + at + 8);
}

// One run; false when Alice was not in the trade when her keys came (the machine was busy).
bool OfferByKeys(const std::string& root, int port, bool last) {
  fs::create_directories(root);
  Device a{root, "Alice", 1000, {3, 5, 7}, "", false}, b{root, "Bob", 500, {10, 12, 12}, "", false};
  a.Prepare(DUSKHAVEN_CLUB_TEST_DATA);
  b.Prepare(DUSKHAVEN_CLUB_TEST_DATA);
  Line sa, sb;
  LobbyAndBox(sa, root, true, {3});
  LobbyAndBox(sb, root, false, {12});
  const std::string dump = root + "/a-";
  int t = StartTrade + 4500;
  const auto press = [&](const char* key) {
    sa.text << "at " << t << " press " << key << "\n";
    t += 300;
  };
  // The frame shows on the ZOOM button at the top, then goes down the rows to the + below Alice's box.
  for (const char* key : {"Down", "Down", "Down", "Down", "Down"}) press(key);
  sa.text << "capture " << t << " " << root << "/a-plus.png\n";
  sa.Dump(t, dump + "before");
  // + held by the action key for 1.1 s, as the stylus holds it; then nothing moves after the release.
  const int plusAt = t + 100;
  sa.text << "at " << plusAt << " key down A\nat " << plusAt + 1100 << " key up A\n";
  sa.Dump(plusAt + 1200, dump + "held");
  sa.Dump(plusAt + 2200, dump + "released");
  // The stylus on + for as long: the same climb.
  sa.Hold(plusAt + 2500, 1100, 111, 264);
  sa.Dump(plusAt + 3800, dump + "stylus");
  // The stylus took the frame away: the first key shows it on + again, the next moves it left to -. Held for
  // 3 s, the offer falls to nothing and stops there.
  t = plusAt + 4000;
  press("Left");
  press("Left");
  sa.text << "capture " << t << " " << root << "/a-minus.png\n";
  sa.text << "at " << t + 100 << " key down A\nat " << t + 3100 << " key up A\n";
  sa.Dump(t + 3200, dump + "minus");
  LookAndClose(sa, a.Dump(), b.Dump(), t + 3500);
  LookAndClose(sb, b.Dump(), a.Dump(), t + 3500);
  a.script = sa.text.str();
  b.script = sb.text.str();

  const std::string aLog = root + "/a.log";
  const pid_t bob = link_devices::StartDevice(b, port);
  const int aCode = std::system((a.Command(port) + " > '" + aLog + "' 2>&1").c_str());
  link_devices::WaitDevice(bob, 20000);
  EXPECT_EQ(WEXITSTATUS(aCode), 0) << ReadText(aLog);

  const int before = OfferIn(dump + "before"), held = OfferIn(dump + "held"), released = OfferIn(dump + "released"),
            stylus = OfferIn(dump + "stylus"), minus = OfferIn(dump + "minus");
  if (!last && (before != 0 || held <= 0)) {
    std::printf("Alice's keys missed the trade (machine busy: offers %d %d); running it again\n", before, held);
    return false;
  }
  EXPECT_EQ(before, 0) << ReadText(aLog);
  // Steps of 1 every 200 ms, doubled after every fifth: about 7 in 1.1 s.
  EXPECT_GE(held, 4) << "the offer repeats while the key is down";
  EXPECT_LE(held, 12);
  EXPECT_EQ(released, held) << "the key's release stops the offer";
  EXPECT_NEAR(stylus - released, held, 2) << "the stylus held as long climbs as far";
  EXPECT_EQ(minus, 0) << "- held runs the offer down to nothing, never below";
  const auto fa = a.Saved();
  EXPECT_EQ(fa.at("credits"), "1000") << "nothing was traded";
  return true;
}

}  // namespace

TEST_F(TradeRun, TheOffersMinusAndPlusRepeatWhileTheActionKeyIsHeldOnThem) {
  for (int attempt = 1;; ++attempt) {
    if (OfferByKeys(root + "/keys" + std::to_string(attempt), port + 10 + attempt, attempt == RunAttempts)) break;
  }
}

TEST_F(TradeRun, TwoDevicesTradeCardsAndCreditsAndTheTotalsStayTheSame) {
  for (int attempt = 1;; ++attempt) {
    if (TwoDevicesTrade(root + "/try" + std::to_string(attempt), port + attempt, attempt == RunAttempts)) break;
  }
}

TEST_F(TradeRun, APartnerKilledInTheMiddleOfATradeLeavesBothCharactersAsTheyWere) {
  for (int attempt = 1;; ++attempt) {
    if (KilledInTrade(root + "/try" + std::to_string(attempt), port + attempt, attempt == RunAttempts)) break;
  }
}
