// library_chatter_test.cpp -- what the libraries print is kept off the terminal unless --verbose asks for it.
#include <gtest/gtest.h>
#include <unistd.h>

#include <cstdio>
#include <fstream>
#include <sstream>
#include <string>

#include "platform/library_chatter.h"

namespace {

// Runs `body` with fd 2 pointed at a scratch file and returns what reached it.
template <typename Body>
std::string Stderr(Body body) {
  std::fflush(stderr);
  const std::string path = ::testing::TempDir() + "library_chatter_stderr.txt";
  std::FILE* file = std::fopen(path.c_str(), "w");
  const int terminal = ::dup(2);
  ::dup2(::fileno(file), 2);
  body();
  std::fflush(stderr);
  ::dup2(terminal, 2);
  ::close(terminal);
  std::fclose(file);
  std::ifstream in(path);
  std::stringstream all;
  all << in.rdbuf();
  return all.str();
}

void Library(const char* line) {
  // As a C library writes: straight to file descriptor 2.
  const std::string text = std::string(line) + "\n";
  (void)!::write(2, text.data(), text.size());
}

}  // namespace

TEST(LibraryChatter, QuietUnlessVerboseAndTheGameAlwaysHeard) {
  platform::ShowLibraryChatter(false);
  const std::string quiet = Stderr([] {
    std::fprintf(stderr, "game: before\n");
    {
      const platform::QuietLibraries outer;
      Library("ALSA lib pcm.c: Unknown PCM default");
      {
        const platform::QuietLibraries inner;  // nested guards keep it quiet
        Library("libpng warning: iCCP: known incorrect sRGB profile");
      }
      Library("XDG_RUNTIME_DIR is invalid or not set");
    }
    std::fprintf(stderr, "game: after\n");
  });
  EXPECT_EQ(quiet, "game: before\ngame: after\n");

  platform::ShowLibraryChatter(true);
  const std::string verbose = Stderr([] {
    const platform::QuietLibraries guard;
    Library("ALSA lib pcm.c: Unknown PCM default");
    std::fprintf(stderr, "game: sound off\n");
  });
  platform::ShowLibraryChatter(false);
  EXPECT_EQ(verbose, "ALSA lib pcm.c: Unknown PCM default\ngame: sound off\n");
}
