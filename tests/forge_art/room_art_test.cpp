// room_art_test.cpp -- instant play, the challenge screen, the tournaments and the portraits: shared button faces,
// title places, sizes that fit between the texts, and one distinct portrait per opponent.
#include <gtest/gtest.h>

#include "tests/forge_art/art_test_support.h"
#include "tools/forge/art_rooms.h"
#include "tools/forge/forge.h"

namespace {

class RoomArt : public ForgedPictures<ForgeRoomArt> {};

const std::string Instant = "GFX\\MENU\\UI INSTANT\\", Tournament = "GFX\\MENU\\UI TOURNAMENT\\";

int DifferingInside(const RgbPicture& a, const RgbPicture& b, int x0, int y0, int w, int h) {
  int n = 0;
  for (int y = y0; y < y0 + h; ++y)
    for (int x = x0; x < x0 + w; ++x) n += !std::equal(PixelAt(a, x, y), PixelAt(a, x, y) + 3, PixelAt(b, x, y));
  return n;
}

long MeanBrightness(const RgbPicture& p, int x0, int y0, int w, int h) {
  long s = 0;
  for (int y = y0; y < y0 + h; ++y)
    for (int x = x0; x < x0 + w; ++x) s += PixelAt(p, x, y)[0] + PixelAt(p, x, y)[1] + PixelAt(p, x, y)[2];
  return s / (w * h);
}

}  // namespace

TEST_F(RoomArt, ListButtonsAndTitlesFitTheirPlaces) {
  ASSERT_TRUE(forged);
  const RgbPicture pix = Picture(Instant + "InstantPlayPIX.QXG"), empty = Picture(Instant + "InstantPlayEmpty.QXG");
  for (const RgbPicture* p : {&pix, &empty}) {
    ASSERT_EQ(p->width, 240);
    ASSERT_EQ(p->height, 320);
    EXPECT_EQ(OpaqueRuleFault(*p), "");
  }
  EXPECT_TRUE(IsPng(Instant + "InstantPlayPIX.QXG") && IsPng(Instant + "InstantPlayEmpty.QXG"));
  for (const ButtonPlace& b : rooms::ListButtons) {
    EXPECT_EQ(DifferingInside(pix, empty, b.x, b.y, b.w, b.h), 0) << b.file;
    const RgbPicture pressed = Picture(Instant + b.file);
    EXPECT_EQ(pressed.width, b.w) << b.file;
    EXPECT_EQ(pressed.height, b.h) << b.file;
    long difference = 0;
    for (int y = 0; y < b.h; ++y)
      for (int x = 0; x < b.w; ++x)
        for (int k = 0; k < 3; ++k)
          difference += std::abs(PixelAt(pressed, x, y)[k] - PixelAt(pix, b.x + x, b.y + y)[k]);
    EXPECT_GT(difference / (b.w * b.h), 40) << b.file << ": the press must show";
  }
  // Titles are drawn after the bet line (79, 27) and above the headers (row 43).
  const RgbPicture member = Picture(Instant + "InstantPlayMember.QXJ"),
                   elite = Picture(Instant + "InstantPlayElite.QXJ");
  EXPECT_LE(rooms::MemberTitleX + member.width, 79);
  EXPECT_LE(rooms::MemberTitleY + member.height, 43);
  EXPECT_LE(rooms::EliteTitleX + elite.width, 79);
  EXPECT_LE(rooms::EliteTitleY + elite.height, 43);
  EXPECT_LE(rooms::GuestTitleX + member.width, 79);
  EXPECT_LE(rooms::GuestTitleY + member.height, 43);
  // The Guest title is painted into the construction picture at its place, not into the redraw picture.
  EXPECT_GT(DifferingInside(pix, empty, rooms::GuestTitleX, rooms::GuestTitleY, member.width, member.height), 100);
  for (int r = 0; r < rooms::Rows; ++r)
    EXPECT_LT(MeanBrightness(empty, 17, rooms::RowTop + 10 * r, 210, 10), 110) << "row " << r;
  EXPECT_LT(MeanBrightness(empty, 79, 27, 110, 10), 90) << "under the bet line";
}

TEST_F(RoomArt, SharedButtonsLookTheSameOnEveryScreen) {
  ASSERT_TRUE(forged);
  const RgbPicture list = Picture(Instant + "InstantPlayEmpty.QXG"),
                   challenge = Picture(Instant + "InstantPlay2Empty.QXG");
  EXPECT_EQ(OpaqueRuleFault(challenge), "");
  const ButtonPlace& back = rooms::ListButtons[2];
  EXPECT_EQ(DifferingInside(list, challenge, back.x, back.y, back.w, back.h), 0) << "one pressed Back serves both";
  const ButtonPlace& deck = rooms::Deck;
  for (const char* klass : {"Guest", "Member", "Elite"})
    for (const char* kind : {"PIX", "Empty"}) {
      const std::string path = Tournament + "Tournament" + klass + kind + ".QXG";
      const RgbPicture t = Picture(path);
      ASSERT_EQ(t.width, 240) << path;
      ASSERT_EQ(t.height, 320) << path;
      EXPECT_TRUE(IsPng(path)) << path;
      EXPECT_EQ(OpaqueRuleFault(t), "") << path;
      EXPECT_EQ(DifferingInside(t, challenge, deck.x, deck.y, deck.w, deck.h), 0) << path << ": one pressed Deck";
      EXPECT_LT(MeanBrightness(t, 60, 275, 48, 10), 90) << path << ": under the fee";
      EXPECT_LT(MeanBrightness(t, 165, 275, 60, 10), 90) << path << ": under the prize";
    }
  const RgbPicture pressedDeck = Picture("GFX\\MENU\\AllPartyDeck.QXJ");
  EXPECT_EQ(pressedDeck.width, deck.w);
  EXPECT_LE(deck.x + pressedDeck.width, 240);
  EXPECT_EQ(pressedDeck.height, deck.h);
  const RgbPicture ok = Picture(Instant + rooms::ChallengeOk.file);
  EXPECT_LE(300 + ok.height, 320);
  EXPECT_EQ(ok.width, rooms::ChallengeOk.w);
  for (int row : rooms::TextRows) EXPECT_LT(MeanBrightness(challenge, rooms::TextX, row, 150, 10), 90) << row;
}

TEST_F(RoomArt, TournamentButtonsAndVersusMarkFit) {
  ASSERT_TRUE(forged);
  const char* pairs[4][2] = {{"TournamentStartON.QXG", "TournamentStartOFF.QXG"},
                             {"TournamentNEXTon.QXG", "TournamentNEXToff.QXG"},
                             {"TournamentBackON.QXG", "TournamentBackOFF.QXG"},
                             {"TournamentSurrenderON.QXG", "TournamentSurrenderOFF.QXG"}};
  for (int i = 0; i < 4; ++i) {
    const RgbPicture on = Picture(Tournament + pairs[i][0]), off = Picture(Tournament + pairs[i][1]);
    ASSERT_EQ(on.width, off.width) << pairs[i][0];
    ASSERT_EQ(on.height, off.height) << pairs[i][0];
    EXPECT_LE(304 + on.height, 320) << pairs[i][0];
    EXPECT_LE((i < 2 ? 0 : 174) + on.width, i < 2 ? 174 : 240) << pairs[i][0];
    EXPECT_NE(on.rgb, off.rgb) << pairs[i][0];
    EXPECT_EQ(OpaqueRuleFault(on), "") << pairs[i][0];
  }
  const RgbPicture vs = Picture(Tournament + "VStournoi.QXG");
  EXPECT_TRUE(IsPng(Tournament + "VStournoi.QXG"));
  EXPECT_EQ(KeyRuleFault(vs), "");
  EXPECT_LE(217 + vs.width, 240) << "drawn at x 217 beside the right column";
  EXPECT_LE(vs.height, 30);
}

TEST_F(RoomArt, EveryOpponentHasOneDistinctPortraitBetweenTheTexts) {
  ASSERT_TRUE(forged);
  std::vector<std::vector<std::uint8_t>> seen;
  for (int n = 1; n <= 45; ++n) {
    const std::string path = "GFX\\PLAYERS\\PLAYERS" + std::to_string(n) + ".QXG";
    const RgbPicture p = Picture(path);
    EXPECT_TRUE(IsPng(path)) << path;
    EXPECT_EQ(OpaqueRuleFault(p), "") << path;
    EXPECT_EQ(p.width, rooms::PortraitW) << path;
    EXPECT_EQ(p.height, rooms::PortraitH) << path;
    EXPECT_GT(rooms::PortraitY, 146 + 12) << "below the last profile text";
    EXPECT_LE(rooms::PortraitY + p.height, 246) << "above the description";
    EXPECT_NEAR(rooms::PortraitX + p.width / 2.0, 120, 1) << "centred";
    seen.push_back(p.rgb);
  }
  EXPECT_EQ(DistinctCount(seen), 45u);
}
