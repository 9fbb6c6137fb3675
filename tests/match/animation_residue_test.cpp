// animation_residue_test.cpp -- nothing of an animation stays on screen once it ends: each end matches a full redraw.
#include <gtest/gtest.h>

#include <cstring>
#include <map>
#include <string>
#include <vector>

#include "core/random.h"
#include "engine/board.h"
#include "gfx/screen_buffers.h"
#include "match/match_internal.h"
#include "platform/clock.h"
#include "platform/messages.h"
#include "tests/match/match_harness.h"

namespace {

bool IsAnimation(MatchState s) {
  return s == MatchState::CardFlyIn || s == MatchState::DrawFromPile || s == MatchState::CaptureFlip ||
         s == MatchState::AttackMove;
}

const char* NameOf(MatchState s) {
  switch (s) {
    case MatchState::CardFlyIn:
      return "fly-in";
    case MatchState::DrawFromPile:
      return "pile draw";
    case MatchState::CaptureFlip:
      return "capture flip";
    default:
      return "attack bump";
  }
}

// The status line runs on its own clock; everything else must be what a full redraw draws.
bool InStatusLine(int x, int y) { return x >= 35 && x <= 232 && y >= 235 && y < 248; }

// The screen as it is against the same screen redrawn from the duel's record:
// the bounding box of the pixels that differ, or "" when none does.
// A card that has just flown in is on screen a frame before the record holds
// it: `landed` puts it there for the redraw.
std::string DifferenceFromRedraw(bool landed) {
  Match& m = TheMatch;
  const int n = ScreenPixelCount();
  std::vector<std::uint16_t> shown(ScreenBuffer(0), ScreenBuffer(0) + n);
  const Board record = m.board;
  if (landed) PlaceCard(m.board, m.animCard, m.attacker.x, m.attacker.y, m.currentSide);
  DrawMatchScreen();
  m.board = record;
  const std::uint16_t* redrawn = ScreenBuffer(0);
  int x0 = 9999, y0 = 9999, x1 = -1, y1 = -1;
  for (int y = 0; y < ScreenHeight(); ++y)
    for (int x = 0; x < ScreenWidth(); ++x) {
      const int i = y * ScreenWidth() + x;
      if (InStatusLine(x, y) || shown[i] == redrawn[i]) continue;
      x0 = std::min(x0, x), y0 = std::min(y0, y), x1 = std::max(x1, x), y1 = std::max(y1, y);
    }
  // The duel goes on from the frame as it was.
  std::memcpy(ScreenBuffer(0), shown.data(), n * sizeof(std::uint16_t));
  if (x1 < 0) return "";
  std::string where = "(";
  where += std::to_string(x0) + ", ";
  where += std::to_string(y0) + ") .. (";
  where += std::to_string(x1) + ", ";
  where += std::to_string(y1) + ")";
  return where;
}

TEST(AnimationResidue, EveryAnimationEndsOnWhatAFullRedrawShows) {
  SetUpMatchTable();
  MakeCharacter(CurrentPlayer, L"TESTER");
  std::map<std::string, int> ended;
  for (std::uint32_t seed = 1; seed <= 3; ++seed) {
    SeedRandom(seed);
    InClub = 0;
    StartClubDuel(static_cast<int>(seed), 0);
    bool drewThisDuel = false;
    for (int frame = 0; frame < 200000 && !InClub; ++frame) {
      Match& m = TheMatch;
      if (m.state == MatchState::CoinToss) {
        platform::Message tap;
        tap.kind = platform::MessageKind::StylusDown;
        tap.x = 120;
        tap.y = 160;
        platform::PostMessage(tap);
      }
      // The local side draws once a duel, as soon as its hand has room; else it plays.
      const Side local = LocalSide();
      if (m.state == MatchState::TapMove && !drewThisDuel && m.hands[local].Count() < HandSize &&
          !m.piles[local].Empty()) {
        drewThisDuel = true;
        Tap(30, 280);
      } else {
        PlayLocalStep(LocalStyle::Strong);
      }
      const MatchState before = m.state;
      MatchFrame();
      if (IsAnimation(before) && m.state != before) {
        ++ended[NameOf(before)];
        const std::string diff = DifferenceFromRedraw(before == MatchState::CardFlyIn);
        EXPECT_EQ(diff, "") << "seed " << seed << ": the " << NameOf(before) << " left pixels behind";
      }
      platform::SleepMs(16);
    }
    ASSERT_TRUE(InClub) << "the duel of seed " << seed << " did not end";
  }
  for (const char* name : {"fly-in", "pile draw", "capture flip", "attack bump"})
    EXPECT_GT(ended[name], 0) << "no " << name << " ended in three duels";
}

}  // namespace
