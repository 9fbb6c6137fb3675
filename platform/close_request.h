// close_request.h -- the player's request to end the game: window close button, SIGTERM, SIGINT, a scripted close.
#pragma once

namespace platform {

// The request stays set once made: every wait and box that looks at the queue
// or the clock afterwards ends the game through the hook, so one request is enough.
void RequestClose();
bool CloseRequested();
// SIGTERM and SIGINT only set the request (safe inside a signal handler).
void CatchEndSignals();
// A signal also writes one byte to this descriptor (-1: none), so that a
// thread blocked on it can wake a window that sleeps until its next event.
void SetEndSignalWake(int fd);
// The game's own way out; it runs once, at the first look at the queue or the
// clock after the request, and does not come back.
void SetCloseHook(void (*hook)());
void HonourCloseRequest();
// Forgets the request (tests; the backend's start).
void ResetCloseRequest();

}  // namespace platform
