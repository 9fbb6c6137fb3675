// sound.cpp -- music and effects over libmikmod (being built).
#include "sound/sound.h"
