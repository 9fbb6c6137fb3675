// forge_sounds.cpp -- the data set's sounds: the music modules and the wave effects under SOUNDS\.
#include <cstdio>

#include "tools/forge/forge.h"
#include "tools/forge/sound_effect_synth.h"
#include "tools/forge/sound_pieces.h"
#include "tools/forge/sound_tracker.h"
#include "tools/forge/sound_wave.h"

namespace {

using Composer = bool (*)(Song&);

bool WriteModule(ForgeOutput& out, const char* gamePath, bool extended, Composer compose) {
  Song song;
  std::vector<std::uint8_t> bytes;
  if (!compose(song) || !(extended ? WriteXm(song, bytes) : WriteMod(song, bytes))) {
    std::fprintf(stderr, "duskhaven-forge: cannot make %s\n", gamePath);
    return false;
  }
  return out.Write(gamePath, bytes);
}

}  // namespace

bool ForgeSounds(ForgeOutput& out) {
  return WriteModule(out, "SOUNDS\\Avant une partie.QXX", false, ComposeJingle) &&
         WriteModule(out, "SOUNDS\\menu.QXX", false, ComposeClub) &&
         WriteModule(out, "SOUNDS\\Partie1.QXX", false, [](Song& s) { return ComposeDuel(1, s); }) &&
         WriteModule(out, "SOUNDS\\Partie2.QXX", false, [](Song& s) { return ComposeDuel(2, s); }) &&
         WriteModule(out, "SOUNDS\\Partie3.QXX", false, [](Song& s) { return ComposeDuel(3, s); }) &&
         WriteModule(out, "SOUNDS\\Partie4.QXX", false, [](Song& s) { return ComposeDuel(4, s); }) &&
         WriteModule(out, "SOUNDS\\Partie5.QXM", true, [](Song& s) { return ComposeDuel(5, s); }) &&
         WriteModule(out, "SOUNDS\\Boss.QXX", false, ComposeBoss) &&
         WriteModule(out, "SOUNDS\\End credits.QXX", false, ComposeCredits) &&
         out.Write("SOUNDS\\carte.QXW", EncodeWave(CardDownEffect(), EffectRate)) &&
         out.Write("SOUNDS\\gagne.QXW", EncodeWave(WinEffect(), EffectRate)) &&
         out.Write("SOUNDS\\perdu.QXW", EncodeWave(LossEffect(), EffectRate));
}
