// library_chatter.h -- keeping the libraries' own warnings (sound drivers, window system, picture decoders) off
// the terminal unless the player asks for them with --verbose.
#pragma once

namespace platform {

// --verbose: the libraries' warnings reach stderr as they come.
void ShowLibraryChatter(bool shown);
bool LibraryChatterShown();

// While one lives (and --verbose is off), whatever is written to stderr goes
// to /dev/null; the terminal comes back when the last one ends. Wrap only the
// library calls themselves: the game's own messages are written outside.
class QuietLibraries {
 public:
  QuietLibraries();
  ~QuietLibraries();
  QuietLibraries(const QuietLibraries&) = delete;
  QuietLibraries& operator=(const QuietLibraries&) = delete;
};

}  // namespace platform
