// art_final.h -- the card master's lair (the gate, the card master and their speech panels) and the end credits.
#pragma once

#include <string>

#include "tools/forge/art_canvas.h"

namespace finale {
constexpr int ScreenW = 240, ScreenH = 320;
// Where the speeches are typed: the lair's words at the top of the gate, the
// card master's at the bottom of both pictures.
constexpr int LairPanelX = 34, LairPanelY = 4, LairPanelW = 172, LairPanelH = 100;
constexpr int SpeechPanelX = 12, SpeechPanelY = 252, SpeechPanelW = 216, SpeechPanelH = 66;
constexpr int VerdictPanelY = 232;  // the card master's verdict starts at row 240
constexpr int PageHeight = 22;      // every credits page
constexpr int PageMaxWidth = 230;

// A credits page: a role (neon, from the left) or a person of the team (from the right).
struct CreditsPageLook {
  std::string file;  // in GFX\CREDITS
  std::string text;
  bool role;
};
constexpr int PageLookCount = 10;
extern const CreditsPageLook PageLooks[PageLookCount];
}  // namespace finale

RgbPicture DrawGateScene();
RgbPicture DrawCardMaster();
RgbPicture DrawEndCreditsPicture();
RgbPicture DrawCreditsPage(const finale::CreditsPageLook& look);
