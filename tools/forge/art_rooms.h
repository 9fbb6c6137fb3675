// art_rooms.h -- the instant-play list, the challenge screen, the tournaments and the opponents' portraits.
#pragma once

#include "tools/forge/art_canvas.h"
#include "tools/forge/art_shop.h"

namespace rooms {
// The opponent list (pressed pictures in GFX\MENU\UI INSTANT; normal looks cut from InstantPlayPIX).
constexpr ButtonPlace ListButtons[3] = {{"InstantPlayLeft.QXJ", 21, 221, 34, 18, "<"},
                                        {"InstantPlayRight.QXJ", 189, 221, 34, 18, ">"},
                                        {"InstantPlayBack.QXJ", 202, 300, 38, 20, "BACK"}};
// Class titles: the Guest title is painted into InstantPlayPIX at (9, 30) with the Member title's size.
constexpr int GuestTitleX = 9, GuestTitleY = 30, MemberTitleX = 8, MemberTitleY = 29, EliteTitleX = 5, EliteTitleY = 25;
constexpr int MemberTitleW = 68, MemberTitleH = 13, EliteTitleW = 72, EliteTitleH = 17;
constexpr int RowTop = 56, RowPitch = 10, Rows = 15;
// The challenge screen (its Ok, the shared Back, and the Deck button of the challenge and tournament screens).
constexpr ButtonPlace ChallengeOk = {"InstantPlay2Ok.QXJ", 0, 300, 50, 20, "OK"};
constexpr ButtonPlace Deck = {"AllPartyDeck.QXJ", 207, 0, 33, 26, "DECK"};
constexpr int PortraitX = 89, PortraitY = 178, PortraitW = 62, PortraitH = 64;
constexpr int TextX = 73;
constexpr int TextRows[4] = {43, 78, 112, 146};
// The tournaments' buttons (own normal and pressed pictures) and their places.
constexpr int StartX = 0, StartY = 304, StartW = 70, StartH = 16;
constexpr int BackX = 174, BackY = 304, BackW = 66, BackH = 16;
constexpr int VersusW = 20, VersusH = 24;
}  // namespace rooms

RgbPicture DrawInstantPlayList(bool withGuestTitle, int pressed);  // pressed: list button 0..2 or -1
RgbPicture DrawClassTitle(int klass);                              // 0 Guest, 1 Member, 2 Elite
RgbPicture DrawChallengeScreen(int pressed);                       // -1, 0 Ok, 1 Back, 2 Deck
RgbPicture DrawTournamentScreen(int klass, bool construction, bool deckPressed);
RgbPicture DrawTournamentButton(const char* label, bool wide, bool pressed);
RgbPicture DrawVersusMark();
RgbPicture DrawPortrait(int number);  // 1..45, in roster order
