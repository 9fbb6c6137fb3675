// loading_screen.h -- the start-up loading screen: rows revealed at random, a hint, the dots, the pan and the final
// tap.
#pragma once

#include <cstdint>
#include <string>

#include "core/image.h"

constexpr int HintCount = 38;
extern const wchar_t* const LoadingHints[HintCount];

// The version as the loading screen shows it ("Duskhaven v1.13", from core/version.h).
std::wstring VersionLine();

struct LoadingScreen {
  Image picture;
  Image underText;  // 150 x 20 background under "Loading please wait"
  std::int16_t totalSteps = 0;
  std::int16_t step = 0;
  std::uint8_t rowsPerStep = 0;
  bool rowShown[320] = {};
  std::uint8_t hint = 0;
};

extern LoadingScreen Loading;

void OpenLoadingScreen(int totalSteps);
// One step; the last one pans the picture and waits for a tap.
void LoadingStep();
void CloseLoadingScreen();
