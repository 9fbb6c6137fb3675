// text_banners.h -- the match's big-lettered banners (start, results, multi-hit, card taken) and the versus slide.
#pragma once

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
// The two names slide in (light red from the left, light blue from the right), then "Versus" zooms down onto them.
void ShowVersusBanner(std::wstring_view firstName, std::wstring_view secondName);
