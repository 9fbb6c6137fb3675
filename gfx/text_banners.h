// text_banners.h -- the match's big-lettered banners (start, results, multi-hit, card taken) and the versus slide.
#pragma once

#include <cstdint>
#include <string_view>

// Wiped in at mid-screen, held `waitMs` (or until a tap), zoomed away.
void ShowWipeBanner(std::wstring_view relativePath, int waitMs);
// Zoomed in above the hand area, held 348 ms (or until a tap), zoomed away.
void ShowZoomBanner(std::wstring_view relativePath);

void ShowStartBanner();      // "GFX\TEXT\start.QXG", 500 ms
void ShowWonBanner();        // youwin, 1488 ms
void ShowLostBanner();       // youloose, 1488 ms
void ShowPerfectBanner();    // Perfect, 1488 ms
void ShowDrawBanner();       // draw, 1488 ms
void ShowMultiHitBanner();   // multihit
void ShowCardTakenBanner();  // cardtaken
// A duellist's name in its tint on a dark plate: the light tints on the board's
// dark blues and greys are too faint to read without one (the blue name reads at
// about 5.6 : 1 against its plate, under 2.5 : 1 on a blocked cell).
void DrawNameOnPlate(std::wstring_view name, int x, int y, int tint, int buffer);
// The plate's colour (never the colour key).
std::uint16_t NamePlateColour();
// The two names slide in (light red from the left, light blue from the right), then "Versus" zooms down onto them.
void ShowVersusBanner(std::wstring_view firstName, std::wstring_view secondName);
