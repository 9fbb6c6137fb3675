// match_sound.cpp -- the duel's effects and music changes, nothing while sound is off.
#include "match/match_internal.h"
#include "platform/game_state.h"
#include "sound/sound.h"

void PlayMatchEffect(const wchar_t* path) {
  if (SoundOff) return;
  PlayEffect(path);
}

void SwitchMatchMusic(const wchar_t* path) {
  if (SoundOff) return;
  FreeMusic();
  if (LoadMusic(path)) PlayMusic(0);
}
