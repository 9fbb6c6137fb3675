// rules.h -- rules that wrongly draw.
#pragma once

#include "gfx/draw.h"
