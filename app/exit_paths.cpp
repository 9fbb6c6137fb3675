// exit_paths.cpp -- the ways out: leaving for another application, fatal start-up errors, out of memory.
#include <cstdio>
#include <cstdlib>
#include <new>

#include "app/pending_parts.h"
#include "app/shell.h"
#include "platform/backend.h"
#include "platform/display.h"
#include "platform/instance_lock.h"
#include "platform/system_box.h"

void CloseKeysAndDisplay() {
  platform::CloseInput();
  platform::CloseDisplay();
}

namespace {

[[noreturn]] void EndProcess(int code) {
  StopSound();
  platform::EndRun();
  platform::StopBackend();
  platform::ReleaseInstanceLock();
  std::fflush(nullptr);
  std::exit(code);
}

}  // namespace

void LaunchAndExit(int kind) {
  SaveCurrentCharacter();
  CloseKeysAndDisplay();
  CloseCardData();
  // A desktop has no contacts or calendar application to start (kinds 3 and
  // 4): the game ends the same way as a plain quit.
  (void)kind;
  EndProcess(0);
}

void CloseGame() {
  // The window's close button, SIGTERM or SIGINT, in any screen, wait or box:
  // the game ends as after the quit question's "Ok". Before a character is
  // current (start-up, the character screen, a quick duel) neither save
  // writes anything, so the last session's saves stay as they were.
  QuickSaveGame();
  LaunchAndExit(2);
}

void FatalExit(const wchar_t* text, bool closeCardData, const char* note) {
  platform::SystemMessageBox(text, L"Duskhaven", note);
  CloseKeysAndDisplay();
  if (closeCardData) CloseCardData();
  EndProcess(1);
}

void OnOutOfMemory() {
  // Mended: the handler itself allocates nothing (building the message as a
  // string could fail again and call the handler anew) and cannot run twice.
  std::set_new_handler(nullptr);
  static const char text[] = "Duskhaven: Error : Memory Error.\n";
  std::fwrite(text, 1, sizeof text - 1, stderr);
  platform::SystemMessageBoxStatic("Error : Memory Error.", "Duskhaven");
  CloseKeysAndDisplay();
  CloseCardData();
  std::fflush(nullptr);
  std::_Exit(1);
}
