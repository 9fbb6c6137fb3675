// end_credits.h -- the credits after the card master's defeat: the picture, the darkening and the twelve pages.
#pragma once

#include <vector>

#include "core/image.h"

constexpr int CreditsPageCount = 12;
constexpr int CreditsPersonCount = 5;

// One page of the credits: its picture and where it stops.
struct CreditsPage {
  const wchar_t* path;  // relative to the install folder
  bool fromLeft;        // role pages come from the left, person pages from the right
  int row;              // the page's top
};
extern const CreditsPage CreditsPages[CreditsPageCount];
// The five person pages, in the order of the team.
extern const wchar_t* const CreditsPersonPaths[CreditsPersonCount];

// The x of every frame of a page slide, the last being where the page stops:
// from the left it starts at -width and stops at 10, from the right it starts
// at 240 and stops at 240 - width; the speed of 6 columns a frame drops by one
// whenever x is a multiple of k = (distance / 6) / 2 (at least 1), never below 1.
// A page without columns (a picture that did not load) has no frames.
std::vector<int> PageSlidePath(int width, bool fromLeft);

// Slides a keyed page in over what buffer 0 shows and leaves it drawn there.
void SlidePage(const Image& page, bool fromLeft, int row);

// The whole sequence: the ending music, the full-screen picture (kept in
// `picture`) for up to 10 s, the darkening, the twelve pages, then a last
// wait of up to 10 s. The caller then leaves for the character screen.
void RunEndCredits(Image& picture);
