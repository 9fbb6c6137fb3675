// soak.cpp -- a long run of headless computer duels through the duel's states, some resumed from a quick save
// made in the middle, watching resident memory: soak_duels [DUELS [RESUMES]] (default 200 and 50).
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <string>

#include "club/club.h"
#include "core/random.h"
#include "data/game_state.h"
#include "data/quick_save.h"
#include "data/roster.h"
#include "match/match.h"
#include "tests/fuzz/duel_table.h"
#include "tests/fuzz/fuzz_support.h"

namespace {

// Resident memory in kB.
long ResidentKb() {
  std::ifstream statm("/proc/self/statm");
  long size = 0, resident = 0;
  statm >> size >> resident;
  return resident * (sysconf(_SC_PAGESIZE) / 1024);
}

}  // namespace

int main(int argc, char** argv) {
  const int duels = argc > 1 ? std::atoi(argv[1]) : 200;
  const int resumes = argc > 2 ? std::atoi(argv[2]) : 50;
  if (duels < 11 || resumes < 0 || resumes > duels) {
    std::fprintf(stderr, "usage: soak_duels [DUELS (at least 11) [RESUMES (at most DUELS)]]\n");
    return 2;
  }
  const std::string root = FuzzInstallDir("soak");
  if (!SetUpDuelTable(DUSKHAVEN_FORGED_DATA, root) || !MakeSavedCharacter(L"SOAKER")) return 1;
  RegisterClubStateBlock();
  const MatchRecord fresh = TheMatch;
  long afterTen = 0, frames = 0;
  int resumed = 0, failures = 0;
  for (int k = 0; k < duels; ++k) {
    SeedRandom(static_cast<std::uint32_t>(k + 1));
    PlayerRecord& red = RosterOpponent(k % 15, k % 3);
    PlayerRecord& blue = RosterOpponent((k * 7 + 3) % 15, (k + 1) % 3);
    // Resumed duels are spread evenly over the run; each is saved and loaded at its own frame.
    const bool resume = resumes > 0 && (k * resumes) / duels != ((k + 1) * resumes) / duels;
    const long resumeAt = 40 + (k * 37) % 600;
    bool done = false;
    const bool ended = PlayComputerDuel(red, blue, [&](long frame) {
      ++frames;
      if (!resume || done || frame != resumeAt) return;
      done = true;
      InClub = 0;
      if (!QuickSave()) {
        std::fprintf(stderr, "duel %d: the quick save failed\n", k);
        ++failures;
        return;
      }
      static_cast<MatchRecord&>(TheMatch) = fresh;
      if (!QuickLoad() || InClub != 0) {
        std::fprintf(stderr, "duel %d: the quick save at frame %ld did not resume the duel\n", k, frame);
        ++failures;
        DropClubState();
        return;
      }
      CommitClubState();
      ++resumed;
    });
    if (!ended) ++failures;
    if (resume && !done) {
      std::fprintf(stderr, "duel %d ended before frame %ld: no resume\n", k, resumeAt);
    }
    if (k == 9) afterTen = ResidentKb();
  }
  const long atEnd = ResidentKb();
  std::printf(
      "%d duels (%ld frames), %d resumed from a quick save; resident memory %ld kB after 10 duels, %ld kB "
      "after %d (%+ld kB)\n",
      duels, frames, resumed, afterTen, atEnd, duels, atEnd - afterTen);
  if (atEnd - afterTen >= 1024) {
    std::fprintf(stderr, "resident memory grew by 1 MB or more\n");
    ++failures;
  }
  if (resumed < resumes) ++failures;
  return failures == 0 ? 0 : 1;
}
