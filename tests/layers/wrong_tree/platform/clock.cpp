// clock.cpp -- a clock that wrongly asks the window library for the time.
#include <SDL.h>
