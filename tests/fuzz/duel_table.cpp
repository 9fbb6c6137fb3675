// duel_table.cpp -- the headless duel table: backend, buffers, font, card art, match screen and a saved character.
#include "tests/fuzz/duel_table.h"

#include <cstdio>
#include <filesystem>
#include <system_error>

#include "core/random.h"
#include "data/card_database.h"
#include "data/roster.h"
#include "data/save_file.h"
#include "gfx/font.h"
#include "gfx/pixels.h"
#include "gfx/screen_buffers.h"
#include "match/card_pictures.h"
#include "match/match.h"
#include "match/match_boxes.h"
#include "match/match_snapshot.h"
#include "platform/backend.h"
#include "platform/clock.h"
#include "platform/file_system.h"
#include "platform/game_state.h"
#include "platform/messages.h"

namespace {

// Boxes are answered with their right (or only) button, as nobody is there.
bool AnswerBox(const std::wstring&, const std::wstring& left, const std::wstring& right) {
  return !left.empty() && right.empty();
}

// The data set seen through links, with a SAVE folder of its own.
bool LinkDataSet(const std::string& dataDir, const std::string& root) {
  namespace fs = std::filesystem;
  std::error_code error;
  fs::remove_all(root, error);
  fs::create_directories(fs::path(root) / "SAVE", error);
  for (const fs::directory_entry& e : fs::directory_iterator(dataDir, error))
    if (e.path().filename() != "SAVE")
      fs::create_symlink(fs::absolute(e.path()), fs::path(root) / e.path().filename(), error);
  return !error;
}

}  // namespace

bool SetUpDuelTable(const std::string& dataDir, const std::string& saveRoot) {
  platform::BackendOptions options;
  options.headless = true;
  std::string error;
  if (!platform::StartBackend(options, error)) {
    std::fprintf(stderr, "no headless backend: %s\n", error.c_str());
    return false;
  }
  if (!LinkDataSet(dataDir, saveRoot)) {
    std::fprintf(stderr, "cannot link the data set %s into %s\n", dataDir.c_str(), saveRoot.c_str());
    return false;
  }
  platform::SetInstallDir(saveRoot);
  SoundOff = true;
  SetPixelFormat(Rgb565, 0);
  AllocateBuffers(240, 320);
  if (!OpenCardDatabase()) {
    std::fprintf(stderr, "no card database in %s: %s\n", dataDir.c_str(), CardDatabaseProblem().c_str());
    return false;
  }
  LoadRoster();
  LoadFont(GameFont, L"GFX\\GENERAL\\NEW FONT.QXB", true, true);
  LoadCardArt();
  SetUpMatchScreen();
  SetMatchBoxAnswerer(AnswerBox);
  RegisterMatchSnapshot();
  return true;
}

bool MakeSavedCharacter(const std::wstring& name) {
  ResetPlayer(CurrentPlayer);
  CurrentPlayer.name = name;
  CurrentPlayer.kind = KindLocal;
  CurrentPlayer.slot = 1;
  const int q = CardCount() / 4;
  for (int i = 0; i < DeckSize; ++i) {
    const int id = (i % 4) * q + 1 + i / 4 * 3;
    AddCopy(CurrentPlayer, id);
    AddToDeck(CurrentPlayer, id, false);
  }
  return SaveCharacter();
}

bool PlayComputerDuel(PlayerRecord& red, PlayerRecord& blue, const std::function<void(long)>& eachFrame,
                      long frameLimit) {
  BeginDuel(red, blue, Random(5) + 2);
  for (long frame = 0; frame < frameLimit; ++frame) {
    if (TheMatch.state == MatchState::MatchOver) return true;
    if (TheMatch.state == MatchState::CoinToss || TheMatch.state == MatchState::TieWait) {
      platform::Message tap;
      tap.kind = platform::MessageKind::StylusDown;
      tap.x = 120;
      tap.y = 160;
      platform::PostMessage(tap);
    }
    if (eachFrame) eachFrame(frame);
    MatchFrame();
    platform::SleepMs(16);  // the main loop's present waits for the next 1/60 s
  }
  std::fprintf(stderr, "duel stuck in state %d\n", static_cast<int>(TheMatch.state));
  return false;
}
