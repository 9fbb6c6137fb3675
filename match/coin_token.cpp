// coin_token.cpp -- the coin-toss token frames and the arithmetic of its slow-down.
#include "match/coin_token.h"

#include <string>

#include "gfx/picture_load.h"
#include "platform/game_state.h"

namespace {
Image frames[CoinFrameCount];
}

void LoadCoinToken() {
  for (int n = 1; n <= CoinFrameCount; ++n) {
    LoadImageFile(L"GFX\\GENERAL\\" + std::to_wstring(n) + L".QXG", frames[n - 1], true);
  }
}

ImageView CoinFrame(int k) { return frames[((k % CoinFrameCount) + CoinFrameCount) % CoinFrameCount]; }

int CoinSlowDown(int k, int target, CoinStep* steps, int capacity) {
  // Each frame waits d ms (d from 30, 3 more each frame); once d is past 65
  // and the next frame is the target, that frame comes 5 ms later and ends it.
  int count = 0;
  int d = 30;
  for (;;) {
    if (d > 65 && k == target) {
      if (count < capacity) steps[count] = {k, d + 5};
      ++count;
      return count;
    }
    if (count < capacity) steps[count] = {k, d};
    ++count;
    d += 3;
    k = (k + 1) % CoinFrameCount;
  }
}
