// art_shell.h -- the start-up pictures: the makers' logo and the club's entrance behind the loading screen.
#pragma once

#include "tools/forge/art_canvas.h"

constexpr int LogoWidth = 240, LogoHeight = 320;
constexpr int EntranceWidth = 480, EntranceHeight = 320;  // the loading screen pans over the right half

RgbPicture DrawMakerLogo();
RgbPicture DrawEntrance();
