// coin_token.h -- the 24 frames of the spinning token that decides who starts.
#pragma once

#include "core/image.h"

constexpr int CoinFrameCount = 24;
constexpr int CoinX = 60;
constexpr int CoinY = 84;

// "GFX\GENERAL\1.QXG" .. "24.QXG", loaded once at start-up.
void LoadCoinToken();
ImageView CoinFrame(int k);  // 0..23

// The slow-down after the tap: from frame k, the frames shown and their
// delays until the token rests on `target` (0 red starts, 12 blue starts).
struct CoinStep {
  int frame;
  int delayMs;
};
int CoinSlowDown(int k, int target, CoinStep* steps, int capacity);
