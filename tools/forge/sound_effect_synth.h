// sound_effect_synth.h -- the three short effects: a card put down, a duel won, a duel lost.
#pragma once

#include <cstdint>
#include <vector>

constexpr int EffectRate = 22050;

std::vector<std::int16_t> CardDownEffect();  // a short wooden knock
std::vector<std::int16_t> WinEffect();       // a rising major arpeggio of bells
std::vector<std::int16_t> LossEffect();      // a falling, wavering phrase
