// program_entry.cpp -- the program's entry: one instance, the backend and display, start-up, loop, exit.
#include <cstdio>
#include <new>
#include <sstream>

#include "app/key_sequences.h"
#include "app/link_duel_entry.h"
#include "app/pending_parts.h"
#include "app/shell.h"
#include "data/player_record.h"
#include "data/save_file.h"
#include "link/link.h"
#include "link/link_duel.h"
#include "match/match.h"
#include "match/match_autoplay.h"
#include "match/match_state_change.h"
#include "platform/backend.h"
#include "platform/clock.h"
#include "platform/close_request.h"
#include "platform/file_system.h"
#include "platform/game_state.h"
#include "platform/image_decoder.h"
#include "platform/instance_lock.h"
#include "platform/library_chatter.h"
#include "platform/settings_store.h"
#include "platform/text_utf8.h"
#include "platform/waits.h"
#include "settings/settings.h"
#include "sound/sound.h"

std::string ReportGameState() {
  std::ostringstream out;
  out << "tick = " << platform::TickCount() << "\n";
  out << "inClub = " << (ClubActive() ? 1 : 0) << "\n";
  out << "keyFlags =";
  for (bool f : KeyFlags) out << ' ' << (f ? 1 : 0);
  out << "\ncheatMode = " << (CheatMode ? 1 : 0) << "\n";
  out << "soundOff = " << (SoundOff ? 1 : 0) << "\n";
  out << "music = " << (CurrentMusicPath().empty() ? std::string("none") : platform::ToUtf8(CurrentMusicPath()))
      << (MusicLoaded() ? ", loaded" : ", not loaded") << "\n";
  out << ClubReport();
  if (AutoplayOn()) {
    // Only autoplay runs report the duel, so the dumps of other runs stay as they were.
    out << "autoplay = " << AutoplayPlayerText(AutoplaySetting()) << "\n";
    out << "matchState = " << static_cast<int>(TheMatch.state) << "\n";
    out << "matchResult = " << static_cast<int>(MatchResult) << "\n";
  }
  out << "sequences =";
  for (const KeySequence& s : KeySequences) out << ' ' << static_cast<int>(s.position);
  out << "\n";
  return out.str();
}

namespace {
std::string ReportThunk() { return ReportGameState(); }
}  // namespace

int ProgramEntry(const CommandLine& line) {
  std::set_new_handler(OnOutOfMemory);
  const std::string folder =
      line.configFolder.empty() ? platform::DefaultConfigFolder() : platform::AbsoluteHostPath(line.configFolder);
  platform::SetConfigFolder(folder);

  // One running game per configuration.
  if (!platform::AcquireInstanceLock(folder)) {
    std::fprintf(stderr, "duskhaven: the game is already running with the settings in %s\n", folder.c_str());
    return 0;
  }

  platform::ShowLibraryChatter(line.verbose);
  platform::BackendOptions options = line.backend;
  if (options.scale == 0) options.scale = ReadWindowScale();
  std::string error;
  // Mended: a window or display that cannot be opened is reported and ends
  // with code 1 (it used to end silently with 0, as if all went well).
  if (!platform::StartBackend(options, error)) {
    std::fprintf(stderr, "duskhaven: %s\n", error.c_str());
    return 1;
  }
  platform::SetStateReporter(ReportThunk);
  platform::SetCloseHook([] { CloseGame(); });
  RememberLastCharacter = WriteCharacter;
  SetSoundTickHook(GameSoundTick);
  SetSoundFeedHook(GameSoundFeedInterval);
  platform::SetDecodeProgressHook([] {
    SoundTickIfOn();
    platform::NoticeCloseDuringWork();
  });
  if (!platform::OpenDisplay()) {
    std::fprintf(stderr, "duskhaven: cannot open the display\n");
    platform::StopBackend();
    return 1;
  }
  platform::OpenInput();
  GameKeys = platform::GetDefaultKeys();

  if (line.autoplay) SetAutoplay(line.autoplayPlayer);
  SetMatchStateTrace(line.traceStates);
  RunStartup();
  if (line.linkPort) OverrideLinkPort(line.linkPort);
  if (!line.linkPeer.empty()) OverrideLinkPeer(line.linkPeer);
  InstallLinkDuel();

  SetUpClubQuickMenu();
  if (!line.linkDuel.empty()) {
    if (!StartLinkDuelFromCommandLine(line.linkDuel)) {
      CurrentPlayer.slot = 255;  // nothing of the failed start is saved
      CloseCardData();
      CloseKeysAndDisplay();
      StopSound();
      platform::EndRun();
      platform::StopBackend();
      platform::ReleaseInstanceLock();
      return 1;
    }
  } else if (line.quickGame) {
    // A quick duel at once; nothing of it is saved.
    CurrentPlayer.slot = 255;
    CurrentPlayer.kind = KindLocal;
    StartQuickGame();
  } else {
    ResumeOrSelectCharacter();
  }

  const std::uint32_t code = RunMainLoop();

  SaveCurrentCharacter();
  CloseCardData();
  CloseKeysAndDisplay();
  StopSound();
  platform::EndRun();
  platform::StopBackend();
  platform::ReleaseInstanceLock();
  return static_cast<int>(code);
}
