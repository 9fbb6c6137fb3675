// hostile_partner_test.cpp -- the game joins a partner that sends garbage at every step of a link duel: it never
// crashes or hangs, closes the link, shows the box of a lost link (or of a message out of step) and keeps its save.
#include <gtest/gtest.h>

#include <chrono>
#include <functional>
#include <thread>

#include "link/link.h"
#include "platform/tcp_socket.h"
#include "tests/link/game_runs.h"
#include "tests/link/loopback.h"

namespace {

using namespace link_test;

struct Hostile {
  const char* name;
  // What the partner does once the game has joined; `link` is the partner's end.
  std::function<void(Link& link)> act;
  const char* expected[2];  // lines the game's stderr must hold
};

// The partner gives the game this long for each echo and confirm: a game on a loaded machine may take
// seconds to draw its next screen, and a partner that gave up early would test the wrong thing.
constexpr std::uint32_t PatientMs = 20000;

// The partner's side of a correct set-up: the server's name, the game (client) moves second, two blocks.
bool HonestSetUp(Link& link) {
  if (!SendConfirmed(link, PlayerNameMessage(L"HOSTILE"), PatientMs)) return false;
  if (!SendConfirmed(link, FirstPlayerMessage(0), PatientMs)) return false;
  for (int cell : {0, 23})
    if (!SendConfirmed(link, BlockedCellMessage(cell / 4, cell % 4), PatientMs)) return false;
  if (!SendConfirmed(link, BlockedCellMessage(255, 255), PatientMs)) return false;
  LinkMessage name;
  return ReceiveConfirmed(link, name, PatientMs, PatientMs) && name.Is(LinkMessageType::PlayerName);
}

bool SetUpAndToss(Link& link) {
  return HonestSetUp(link) && SendConfirmed(link, FreshMessage(LinkMessageType::TossDone), PatientMs);
}

void Raw(Link& link, const std::vector<std::uint8_t>& bytes) { RawSend(link.socket, bytes); }

// Lets the game read what was sent before the partner goes.
void Linger(Link& link) {
  LinkMessage m;
  ReceiveOne(link, m, 3000);
}

// Taps through the logo and the loading screen.
std::string StartUpTaps() {
  std::string script = "seed 7\n";
  for (int t = 1000; t <= 9000; t += 700) script += "at " + std::to_string(t) + " tap 120 150\n";
  return script;
}

constexpr int ScriptBoundMs = 300000;

void RunHostile(const Hostile& h, int index) {
  ASSERT_TRUE(DataAvailable());
  const std::uint16_t port = FreePort();
  int listener = platform::TcpListen(port);
  ASSERT_GE(listener, 0);
  GameSide side = MakeSide(std::string("hostile") + std::to_string(index), "GUEST", port, 20);
  const auto saveBefore = ReadBytes(side.root + "/SAVE/Player1.QXP");
  const auto start = std::chrono::steady_clock::now();
  // A last line far ahead keeps the run going until the game reaches its box, however long it took in the
  // game's own time to get there (the run then stops at the box, when the script has run out).
  const std::string script =
      StartUpTaps() + "dump " + std::to_string(ScriptBoundMs) + " " + side.config + "/last.dump\n";
  const pid_t game = StartGame(side, "--link-duel join", script);
  const int socket = platform::TcpAcceptWithin(listener, 15000);
  platform::CloseSocket(listener);
  ASSERT_GE(socket, 0) << h.name << ": the game did not join\n" << ReadText(side.log);
  Link partner;
  partner.cardCount = 344;
  LinkAdopt(partner, socket, RoleServer);
  h.act(partner);
  Linger(partner);
  CloseLink(partner);
  const int code = WaitGame(game, 60000);
  const auto seconds = std::chrono::duration_cast<std::chrono::seconds>(std::chrono::steady_clock::now() - start);
  const std::string log = ReadText(side.log);
  // 3: the run stopped at a box waiting for the player; never a crash, never a hang.
  EXPECT_EQ(code, 3) << h.name << "\n" << log;
  EXPECT_LT(seconds.count(), 45) << h.name;
  for (const char* line : h.expected)
    if (line) {
      EXPECT_NE(log.find(line), std::string::npos) << h.name << ": no '" << line << "' in\n" << log;
    }
  EXPECT_EQ(ReadBytes(side.root + "/SAVE/Player1.QXP"), saveBefore) << h.name << ": the save changed";
}

const char* const LostBox = "link duel box: The connection is interrupted !";
const char* const InitBox = "link duel box: Game Initialisation via Infra-Red failed !";

TEST(HostilePartner, GarbageDuringTheSetUpFailsItWithTheInitialisationBox) {
  const Hostile cases[] = {
      {"zero length",
       [](Link& l) {
         Raw(l, {0, 0, 0, 0, 0, 0, 0, 0, 0});
       },
       {"length byte 0 outside", InitBox}},
      {"length 255", [](Link& l) { Raw(l, std::vector<std::uint8_t>(255, 255)); }, {"length byte 255", InitBox}},
      {"no terminator",
       [](Link& l) {
         Raw(l, {12, 5, 255, 255, 255, 255, 255, 255, 'A', 'B', 'C', 'D'});
       },
       {"not ended by 0", InitBox}},
      {"a wrong type",
       [](Link& l) { SendConfirmed(l, FreshMessage(LinkMessageType::StartGame), PatientMs); },
       {InitBox, nullptr}},
  };
  int i = 0;
  for (const Hostile& h : cases) RunHostile(h, i++);
}

TEST(HostilePartner, OutOfStepAndOutOfRangeMessagesInTheDuelShowTheirBoxes) {
  const Hostile cases[] = {
      {"a move instead of the toss",
       [](Link& l) {
         if (HonestSetUp(l)) SendConfirmed(l, PlayCardMessage(5, 2, 2), PatientMs);
       },
       {"link duel box: ", nullptr}},
      {"a multi-hit instead of a move",
       [](Link& l) {
         if (SetUpAndToss(l)) SendConfirmed(l, AttackMessage(true, 1, 1, 2, 1), PatientMs);
       },
       {"Error of Synchronization: A move is expected when An Multi-hit message is received.", nullptr}},
      {"an absurd card id",
       [](Link& l) {
         if (SetUpAndToss(l)) Raw(l, {9, 0, 2, 2, 255, 255, 0x30, 0x75, 0});
       },
       {"card id out of range", LostBox}},
      {"an absurd offer",
       [](Link& l) {
         if (SetUpAndToss(l)) Raw(l, {9, 12, 255, 255, 255, 255, 255, 255, 0});
       },
       {"offer of 2^31 or more", LostBox}},
      {"a card on a blocked cell",
       [](Link& l) {
         if (SetUpAndToss(l)) SendConfirmed(l, PlayCardMessage(5, 0, 0), PatientMs);
       },
       {"a card put on a cell that is not free", LostBox}},
      // The flood comes while the game waits for the toss, where it reads the link whatever its clock says
      // (after the toss it may already wait for its own player, who never taps in this run). Whether it first
      // finds a move out of step or the partner gone depends on how much of the flood it has read.
      {"a flood of 10000 moves, then gone",
       [](Link& l) {
         if (!HonestSetUp(l)) return;
         std::vector<std::uint8_t> flood;
         for (int i = 0; i < 10000; ++i) EncodeMessage(FreshMessage(LinkMessageType::CardTaken), flood);
         platform::SendAllWithin(l.socket, flood.data(), flood.size(), 10000);
       },
       {"link duel box: ", nullptr}},
  };
  int i = 10;
  for (const Hostile& h : cases) RunHostile(h, i++);
}

TEST(HostilePartner, AnHonestPartnerSendingByteByByteIsUnderstood) {
  const Hostile split = {"split bytes",
                         [](Link& l) {
                           // The set-up, each message's bytes in reads of their own.
                           std::vector<std::uint8_t> name;
                           EncodeMessage(PlayerNameMessage(L"SLOWPOKE"), name);
                           for (std::uint8_t b : name) {
                             Raw(l, {b});
                             std::this_thread::sleep_for(std::chrono::milliseconds(2));
                           }
                           LinkMessage echo;
                           if (!ReceiveOne(l, echo, PatientMs)) return;
                           SendMessage(l, FreshMessage(LinkMessageType::Confirm));
                           if (!SendConfirmed(l, FirstPlayerMessage(0), PatientMs)) return;
                           if (!SendConfirmed(l, BlockedCellMessage(0, 0), PatientMs)) return;
                           if (!SendConfirmed(l, BlockedCellMessage(5, 3), PatientMs)) return;
                           if (!SendConfirmed(l, BlockedCellMessage(255, 255), PatientMs)) return;
                           LinkMessage m;
                           if (!ReceiveConfirmed(l, m, PatientMs, PatientMs)) return;
                           if (!SendConfirmed(l, FreshMessage(LinkMessageType::TossDone), PatientMs)) return;
                           // A move in the corner next to a block, then the partner waits for the game's move.
                           SendConfirmed(l, PlayCardMessage(5, 0, 3), PatientMs);
                           ReceiveOne(l, m, 2000);
                         },
                         {"while the game waits for", nullptr}};
  RunHostile(split, 30);
}

}  // namespace
