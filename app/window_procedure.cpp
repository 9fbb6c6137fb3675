// window_procedure.cpp -- what each window message does: keys to KeyFlags and sequences, stylus to the screen.
#include "app/key_sequences.h"
#include "app/pending_parts.h"
#include "app/shell.h"
#include "match/duel_cursor.h"
#include "platform/clock.h"
#include "platform/display.h"
#include "platform/game_state.h"

platform::DefaultKeyList GameKeys = {};

namespace {

// The key list's order mapped onto KeyFlags.
constexpr GameKey ListToFlag[8] = {KeyUp, KeyDown, KeyLeft, KeyRight, KeyA, KeyB, KeyC, KeyStart};

// The game key of a key message: the low 16 bits of its code, sign-extended,
// against each entry of the key list; -1 for other keys.
int GameKeyOf(std::int32_t code) {
  const auto low = static_cast<std::int16_t>(code & 0xFFFF);
  for (int i = 0; i < 8; ++i)
    if (GameKeys[static_cast<std::size_t>(i)].vkCode == low) return ListToFlag[i];
  return -1;
}

void KeyDownMessage(std::int32_t code) {
  // The menu key is none of the eight: it never feeds the hidden sequences.
  if (static_cast<std::int16_t>(code & 0xFFFF) == platform::VkMenu) {
    if (ClubActive()) ClubMenuKey();
    return;
  }
  const int key = GameKeyOf(code);
  if (key < 0) return;
  if (key <= KeyRight) {
    const std::uint32_t now = platform::TickCount();
    for (int i = 0; i < KeySequenceCount; ++i)
      if (FeedKeySequence(KeySequences[i], static_cast<std::uint8_t>(key), now)) RunCheat(i);
  }
  KeyFlags[key] = true;
  // The duel's keys move its cursor and play; a key the duel used is not left for anyone else.
  if (!ClubActive() && MatchKeyDown(key)) KeyFlags[key] = false;
}

void Stylus(int kind, const platform::Message& m) {
  if (ClubActive())
    ClubStylus(kind, m.x, m.y);
  else
    MatchStylus(kind, m.x, m.y);
}

}  // namespace

void WindowProcedure(const platform::Message& m) {
  using platform::MessageKind;
  switch (m.kind) {
    case MessageKind::Timer:
      platform::RunTimer(m);  // the sound timer's callback, delivered by the loop
      break;
    case MessageKind::Destroy:
      CloseKeysAndDisplay();
      platform::PostQuitMessage(0);
      break;
    case MessageKind::Activate:
    case MessageKind::SetFocus:
      platform::Resume();
      break;
    case MessageKind::KillFocus:
    case MessageKind::Suspend:
      platform::Suspend();
      break;
    case MessageKind::KeyDown:
      KeyDownMessage(m.key);
      break;
    case MessageKind::KeyUp:
      if (int key = GameKeyOf(m.key); key >= 0) KeyFlags[key] = false;
      break;
    case MessageKind::StylusDown:
      Stylus(0, m);
      break;
    case MessageKind::StylusMove:
      Stylus(1, m);
      break;
    case MessageKind::StylusUp:
      Stylus(2, m);
      break;
    case MessageKind::User:
      if (m.param == 1) RedrawClubScreen();
      break;
    case MessageKind::Paint:
    case MessageKind::Quit:
      break;
  }
}
