// art_token.h -- the coin-toss token's 24 spin frames: frame 0 the red face, frame 12 the blue face.
#pragma once

#include "tools/forge/art_canvas.h"

constexpr int TokenFrames = 24;
constexpr int TokenSize = 120;  // centred on the screen when drawn at (60, 84)

RgbPicture DrawTokenFrame(int frame);  // keyed: black around the token
bool ForgeTokenFrames(ForgeOutput& out);
