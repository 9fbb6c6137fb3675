// main_loop.cpp -- the main loop: one message a pass, else the application buttons and one frame.
#include "app/pending_parts.h"
#include "app/shell.h"
#include "gfx/message_box.h"
#include "gfx/screen_buffers.h"
#include "platform/clock.h"
#include "platform/game_state.h"
#include "platform/messages.h"
#include "platform/waits.h"

namespace {

// The standard question; true when "Ok" (the right button) was chosen.
bool Confirm(const wchar_t* question) {
  return !GameMessageBox(question, L"Cancel", L"Ok", true, 40, 120, 160, 80, 20, 3, 3);
}

}  // namespace

void CheckApplicationButtons() {
  if (KeyFlags[KeyB]) {
    KeyFlags[KeyB] = false;
    if (Confirm(L"Exit the game and go to your contact ?")) {
      QuickSaveGame();
      LaunchAndExit(3);
    }
  } else if (KeyFlags[KeyC]) {
    KeyFlags[KeyC] = false;
    if (Confirm(L"Exit the game and see the calendar ?")) {
      QuickSaveGame();
      LaunchAndExit(4);
    }
  } else if (KeyFlags[KeyStart]) {
    // Mended: the quit question answers the Start button, not KeyA. KeyA is
    // the action key of the club and the tutorial ("press the Action
    // button"), which the question used to swallow; the loading hints already
    // speak of "exiting the game with the Start button".
    KeyFlags[KeyStart] = false;
    if (Confirm(L"Do you really want to quit the game now ?")) {
      QuickSaveGame();
      LaunchAndExit(2);
    }
  }
}

std::uint32_t RunMainLoop() {
  platform::Message message;
  for (;;) {
    SoundTickIfOn();
    if (platform::RemoveNextMessage(message)) {
      if (message.kind == platform::MessageKind::Quit) return message.param;
      WindowProcedure(message);
      continue;
    }
    CheckApplicationButtons();
    if (ClubActive())
      ClubFrame();
    else
      MatchFrame();
    PresentScreen();
    // Names this wait for a scripted run. The present paced the pass; in a
    // window whose frame stands still, this sleeps until input or the next timer.
    platform::IdleUntilInput(0, "input in the main loop", true);
  }
}
