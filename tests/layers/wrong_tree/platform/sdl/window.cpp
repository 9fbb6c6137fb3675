// window.cpp -- the window library belongs here.
#include <SDL.h>
